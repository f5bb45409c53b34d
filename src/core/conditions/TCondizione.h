#pragma once
// The common condition object: a test that a developed column must pass to
// stay in the development, with its accepted-value tables and its record.
// Every condition type extends it; the factory CreaCondizione builds one
// from its one-byte type code.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "core/columns/Colonna.h"
#include "core/conditions/Misure.h"
#include "core/conditions/TMisura.h"
#include "core/contests/T_Concorso.h"
#include "core/contests/T_FrequenzeRitardi.h"
#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"

namespace ludo {

class ListaColonne;
class TCondizioniSistema;
struct IntervalloRicerca;

// Type codes: 1..20 are also the slots of the system's condition set, 34..40
// single conditions that live in groups or boards, 19 the board.
enum CodiceCondizione : std::uint8_t {
    CodPariDispari = 1,
    CodInterruzioni = 2,
    CodGruppoConsecutivita = 3,
    CodSimmetrie = 4,
    CodGruppoSequele = 5,
    CodVortice = 6,
    CodRipetizioni = 7,
    CodFormuleDerivate = 8,
    CodGruppoPicchetti = 9,
    CodGruppoSomme = 10,
    CodDistanzeGlobali = 11,
    CodGruppoDistanze = 12,
    CodBaricentri = 13,
    CodGruppoResti = 14,
    CodPosizioni = 15,
    CodConsecutivitaNumerica = 16,
    CodGruppoColonneFiltro = 17,
    CodNumeroSequenze = 18,
    CodQuadro = 19,
    CodPuntiTra = 20,
    CodSequela = 34,
    CodDistanzaSpecifica = 35,
    CodPicchetto = 36,
    CodResti = 37,
    CodConsecutivita = 38,
    CodColonnaFiltro = 39,
    CodSomma = 40,
};

// Closes every member list in the records.
inline constexpr std::uint8_t FineMembri = 100;

// Frequencies and delays of the values one statistics table of a condition
// takes: over every column measured, and over the columns it let pass.
struct StatisticheTabella {
    T_FrequenzeRitardi Tutti;
    T_FrequenzeRitardi Passati;
    bool operator==(const StatisticheTabella&) const = default;
};

// Receives the sample a column gives one statistics table: the value pair
// and whether the table accepts it. A reference to a callable that lives
// for the call, so that handing samples over allocates nothing.
class RaccoltaValori {
public:
    template <typename F>
        requires(!std::is_same_v<std::remove_cvref_t<F>, RaccoltaValori>)
    RaccoltaValori(F&& f)  // NOLINT(google-explicit-constructor): built from lambdas at the call
        : oggetto_(const_cast<void*>(static_cast<const void*>(&f))),
          chiama_([](void* o, std::size_t tabella, Valori valori, bool accettato) {
              (*static_cast<std::remove_reference_t<F>*>(o))(tabella, valori, accettato);
          }) {}
    void operator()(std::size_t tabella, Valori valori, bool accettato) const {
        chiama_(oggetto_, tabella, valori, accettato);
    }

private:
    void* oggetto_;
    void (*chiama_)(void*, std::size_t, Valori, bool);
};

// One line of a condition's printed description: a caption followed by
// items, which the printout separates by ", " and wraps after the caption.
struct RigaDescrizione {
    int Rientro = 0;  // how deep in groups and boards the condition stands
    std::string Didascalia;
    std::vector<std::string> Voci;
    bool operator==(const RigaDescrizione&) const = default;
};
using RigheDescrizione = std::vector<RigaDescrizione>;

class TCondizione {
public:
    TCondizione(std::uint8_t codice, std::string nome, TCondizioniSistema* proprietario)
        : Codice(codice), Proprietario(proprietario), Nome(std::move(nome)) {}
    virtual ~TCondizione() = default;

    bool Effettivo = false;  // derived: switched on and has the values its type needs
    bool Attivato = true;    // the user's switch
    std::uint8_t Modo = 0;   // 0 numbers, 1 parity pattern (types that offer the choice)
    std::uint8_t Codice;
    TCondizioniSistema* Proprietario;  // the condition set of the system it belongs to
    std::string Nome;
    std::string Percorso;  // display path, derived
    bool Selezionato = false;

    // A deep copy (members of groups and boards included).
    [[nodiscard]] virtual std::unique_ptr<TCondizione> Copia() const = 0;
    // Takes over everything of a condition of the same type (an edited
    // copy), members included, in place: whoever holds this object keeps
    // holding it. The owner stays this one's. std::bad_cast for another type.
    virtual void Assegna(const TCondizione& altra) = 0;

    // Refreshes Da/A of the tables from Modo (types that offer the choice).
    virtual void AdattaIntervallo() {}
    // Percorso := parent path + "\" + Nome; containers go on with their members.
    virtual void ImpostaPercorso(const std::string& percorsoPadre);
    // The test of one column; true when it passes.
    virtual bool Verifica(Colonna colonna) = 0;
    // Recomputes InUso of every table, then Effettivo.
    virtual void AggiornaStato();
    // True when, as its state stands, the test passes every column without
    // touching anything (statistics, recoveries, "Punti Tra"): the tests of a
    // development can then leave it out.
    [[nodiscard]] virtual bool SempreSoddisfatta() const { return false; }

    // The statistics, one entry per statistics table of the type (none for
    // groups), sized by AzzeraStatistiche.
    std::vector<StatisticheTabella> Statistiche;
    // Both statistics of every table back to empty (containers: also of
    // every member).
    virtual void AzzeraStatistiche();
    // Statistics of all values over the winning columns of the contests the
    // interval selects, in archive order, with delays. Containers: nothing.
    virtual void AnalizzaArchivio(const ElencoConcorsi& archivio, const IntervalloRicerca& intervallo);
    // Statistics of passed values over the columns, in order (containers:
    // of every member too).
    virtual void AnalizzaColonne(const ListaColonne& colonne);
    // Adds the column to the statistics of all values and, for each table
    // that accepts its value, to the statistics of passed values.
    void AccumulaColonna(Colonna colonna);
    // Hands over the sample the column gives each statistics table that
    // takes one, in table order. The measure is the one the test uses.
    virtual void Campioni(Colonna colonna, RaccoltaValori raccolta) {
        static_cast<void>(colonna);
        static_cast<void>(raccolta);
    }

    // Appends the printed description: a line with the name and the type's
    // settings, then a line per table in use with its accepted values (and
    // those in recovery, with link letter and level). Containers go on with
    // their effective members one step further in.
    virtual void Stampa(RigheDescrizione& righe, int rientro) const;

    // Writes the type code and the type's record.
    bool Salva(io::BinaryWriter& out) const;
    // Reads the record after its type code (already consumed by the caller).
    virtual bool Carica(io::BinaryReader& in) = 0;

    // Visits every accepted-value table of this condition (not of members).
    virtual void PerOgniMisura(const std::function<void(TMisura&)>& f) { static_cast<void>(f); }
    virtual void PerOgniIntervallo(const std::function<void(TIntervalli&)>& f) { static_cast<void>(f); }
    // Conditions held by this one (groups and boards); empty otherwise.
    [[nodiscard]] virtual std::vector<std::unique_ptr<TCondizione>>* Membri() { return nullptr; }
    [[nodiscard]] const std::vector<std::unique_ptr<TCondizione>>* Membri() const {
        return const_cast<TCondizione*>(this)->Membri();
    }

protected:
    TCondizione(const TCondizione&) = default;
    TCondizione& operator=(const TCondizione&) = default;

    virtual bool SalvaDati(io::BinaryWriter& out) const = 0;
    // The common fields of another condition, the owner kept: the start of
    // Assegna for the types that hold members.
    void AssegnaComuni(const TCondizione& altra) {
        TCondizioniSistema* proprietario = Proprietario;
        *this = altra;
        Proprietario = proprietario;
    }

    // The value test of a measure table: feeds "Punti Tra" with v and w
    // (tables in use with a group), then tests them.
    bool TestaMisura(const TMisura& misura, int v, int w);
    // The value test of an interval table.
    bool TestaIntervalli(const TIntervalli& intervalli, double x);
    // Any measure table (or interval table) in use.
    [[nodiscard]] bool QualcheTabellaInUso();

    // The statistics tables of the type and the highest value each starts with.
    [[nodiscard]] virtual std::size_t NumeroStatistiche() const { return 0; }
    [[nodiscard]] virtual std::int32_t MassimoStatistica(std::size_t tabella) const {
        static_cast<void>(tabella);
        return 0;
    }
    // Sizes the statistics when they have not been reset yet.
    void PreparaStatistiche();
    // The samples of the archived contest at indice: by default those of
    // its winning column.
    virtual void CampioniConcorso(const ElencoConcorsi& archivio, std::size_t indice, RaccoltaValori raccolta);
    // True while the system search over the archive is told to ignore
    // conditions of this kind (filter columns, repetitions, pickets).
    [[nodiscard]] bool IgnorataInArchivio() const;
};

// Adds deep copying to a concrete type through its copy constructor and
// assignment.
template <typename Derivata, typename Base = TCondizione>
class Copiabile : public Base {
public:
    using Base::Base;
    [[nodiscard]] std::unique_ptr<TCondizione> Copia() const override {
        return std::make_unique<Derivata>(static_cast<const Derivata&>(*this));
    }
    void Assegna(const TCondizione& altra) override {
        const auto& sorgente = dynamic_cast<const Derivata&>(altra);
        TCondizioniSistema* proprietario = this->Proprietario;
        static_cast<Derivata&>(*this) = sorgente;
        this->Proprietario = proprietario;
    }
};

// A default condition of the code, owned by proprietario; nullptr for codes
// that have no type.
std::unique_ptr<TCondizione> CreaCondizione(std::uint8_t codice, TCondizioniSistema* proprietario);

// Reads one record (type code first) with the factory; nullptr at a short
// read, an unknown code or a record that fails to load. fine is set when the
// code read is the end-of-list byte.
std::unique_ptr<TCondizione> LeggiCondizione(io::BinaryReader& in, TCondizioniSistema* proprietario, bool& fine);

// A member list: records until the byte 100, appended to membri. With
// soloCodice not 0 a member of another type fails the read (groups hold one
// type only).
bool LeggiMembri(io::BinaryReader& in, TCondizioniSistema* proprietario,
                 std::vector<std::unique_ptr<TCondizione>>& membri, std::uint8_t soloCodice = 0);
bool SalvaMembri(io::BinaryWriter& out, const std::vector<std::unique_ptr<TCondizione>>& membri);

}  // namespace ludo
