#pragma once
// The board: an ordered list of conditions of any type (boards included),
// judged together by how many of them a column satisfies and by the longest
// run of satisfied members.

#include <filesystem>
#include <string>
#include <vector>

#include "core/conditions/TCondizione.h"

namespace ludo {

enum RelazioneQuadro : std::uint8_t {
    RelazioneAnd = 0,  // " AND (Tutte)"
    RelazioneOr = 1,   // " OR (Almeno Una)"
    RelazioneXor = 2,  // " XOR (Soltanto Una)"
    RelazioneNot = 3,  // " NOT (Esclusione)"
};

inline constexpr const char* MsgSpazioInsufficiente = "Informazione. Spazio Insufficiente !";
inline constexpr const char* MsgPrototipoMancante = "Impossibile Trovare la Colonna Prototipo.";
inline constexpr const char* MsgPartiteNonCoincidono =
    "Il Numero di Partite Selezionate non Coincidono con quelle Della Colonna Prototipo.";
inline constexpr const char* MsgSalvareCondizioni = "Impossibile Salvare le Condizioni";
inline constexpr const char* MsgCaricareCondizioni = "Impossibile Caricare Le Condizioni";
inline constexpr const char* MsgSalvareQuadro = "Impossibile Salvare Il Quadro";
inline constexpr const char* MsgCaricareQuadro = "Impossibile Caricare Il Quadro";

class TQuadro : public TCondizione {
public:
    static constexpr std::size_t MassimoMembri = 999;

    explicit TQuadro(TCondizioniSistema* proprietario);
    TQuadro(const TQuadro& altro);
    TQuadro& operator=(const TQuadro&) = delete;

    std::vector<std::unique_ptr<TCondizione>> Elenco;
    std::int32_t PrimoVisibile = 0;
    TMisura Accettate{999, true};  // accepted counts (first table) and runs (second)
    std::vector<std::string> Commento;
    bool Predefinito = true;
    std::uint8_t Relazione = RelazioneAnd;
    bool InVerifica = false;

    [[nodiscard]] std::unique_ptr<TCondizione> Copia() const override { return std::make_unique<TQuadro>(*this); }
    void Assegna(const TCondizione& altra) override;
    std::vector<std::unique_ptr<TCondizione>>* Membri() override { return &Elenco; }
    void PerOgniMisura(const std::function<void(TMisura&)>& f) override { f(Accettate); }

    void AdattaIntervallo() override;
    void ImpostaPercorso(const std::string& percorsoPadre) override;
    void AggiornaStato() override;
    // The board's own statistics and every member's.
    void AzzeraStatistiche() override;
    void AnalizzaColonne(const ListaColonne& colonne) override;
    // The board's measure: (members satisfied, longest run of satisfied
    // members). A member that takes no part counts as satisfied.
    [[nodiscard]] Valori Misura(Colonna colonna) { return Conta(colonna, false); }
    bool Verifica(Colonna colonna) override;
    // A board with no member taking part measures (members, members) on every
    // column, so its verdict is fixed.
    [[nodiscard]] bool SempreSoddisfatta() const override;
    // One table, the measure; members in recovery are judged as in a test
    // of the column, the link set starting afresh for it.
    void Campioni(Colonna colonna, RaccoltaValori raccolta) override;
    void Stampa(RigheDescrizione& righe, int rientro) const override;
    bool Carica(io::BinaryReader& in) override;

    // A default condition of the code appended at the end; nullptr when the
    // board is full or the code has no type.
    TCondizione* Inserisci(std::uint8_t codice);
    // Rebuilds the accepted counts from the relation and the member count.
    void ApplicaRelazione(std::uint8_t relazione);
    // Inserts copies of the conditions at posizione (clamped to the end);
    // Errore(MsgSpazioInsufficiente) when they would not fit.
    void Incolla(const std::vector<std::unique_ptr<TCondizione>>& condizioni, std::size_t posizione);
    // Copies of the selected members; with taglia they also leave the board.
    std::vector<std::unique_ptr<TCondizione>> CopiaSelezionati(bool taglia);
    void EliminaSelezionati();
    // Appends a filter column for each mask, in order, with the accepted
    // points of `punti` and the position flag, while the board has room;
    // the masks beyond the limit are left out. Returns how many went in.
    std::size_t InserisciColonneFiltro(const std::vector<Colonna>& colonne, const TMisura& punti, bool flagPosizione);
    // The board of this tree (this one included) that holds the condition
    // among its members, searched depth first; nullptr when none does.
    [[nodiscard]] TQuadro* Contenitore(const TCondizione& membro);
    // Clears the selection of this board and of everything inside it.
    void DeselezionaTutto();
    // Maps the numbers of every filter column (nested boards and groups
    // included) from the first filter column's numbers onto the selected
    // matches, then removes that prototype. Errore with the message on failure.
    void Adatta(Colonna partiteSelezionate);

    // One board record (type code first).
    void SalvaQuadro(const std::filesystem::path& file) const;
    // Replaces this board's content with the board of the file.
    void CaricaQuadro(const std::filesystem::path& file);
    // The records of the selected members, in order.
    void SalvaCondizioni(const std::filesystem::path& file) const;
    // Inserts every record of the file at posizione, in order.
    void CaricaCondizioni(const std::filesystem::path& file, std::size_t posizione);

protected:
    [[nodiscard]] std::size_t NumeroStatistiche() const override { return 1; }
    [[nodiscard]] std::int32_t MassimoStatistica(std::size_t) const override { return Accettate.Massimo; }
    bool SalvaDati(io::BinaryWriter& out) const override;

private:
    // Tests every member; with registra each failing member is recorded.
    Valori Conta(Colonna colonna, bool registra);
};

}  // namespace ludo
