#pragma once
// The system's set of twenty top-level conditions (slot n holds the
// condition of type code n) and the test of one column against all of them.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "core/columns/Colonna.h"
#include "core/conditions/TCondizione.h"
#include "core/contests/ImpostazioniRicerca.h"

namespace ludo {

class TPuntiTra;

// A failed condition of the column under test, with its 1-based position in
// its board (0 for top-level conditions and group members).
struct TErrore {
    TCondizione* Condizione = nullptr;
    int Posizione = 0;
};

class TCondizioniSistema {
public:
    static constexpr int NumeroCondizioni = 20;

    // Builds the twenty default conditions and prepares the active list.
    TCondizioniSistema();
    // A deep copy of every condition, members included, each owned by the
    // copy; the copy is prepared. What the conditions read from the system
    // (Archivio, Ricerca, Link) is left for the copy's owner to connect.
    TCondizioniSistema(const TCondizioniSistema& altro);
    TCondizioniSistema& operator=(const TCondizioniSistema&) = delete;

    // What the conditions read from the system; the system keeps them up to
    // date before a development (Fisse is read by Prepara).
    Colonna Fisse = 0;
    Colonna Pronostico = 0;  // the matches in play
    std::array<double, 32> Picchetti{};
    const ElencoConcorsi* Archivio = nullptr;  // the archived contests
    const ImpostazioniRicerca* Ricerca = nullptr;
    GestoreRecuperi* Link = nullptr;  // the link set; none: values in recovery are refused

    bool ModoArchivio = false;  // the system search over the archive is running
    bool ConFisse = false;
    bool RegistraErrori = false;
    std::vector<TErrore> Errori;

    // Slot n (1..20); slot 0 is unused.
    [[nodiscard]] TCondizione& Condizione(int n) { return *condizioni_.at(static_cast<std::size_t>(n)); }
    [[nodiscard]] const TCondizione& Condizione(int n) const { return *condizioni_.at(static_cast<std::size_t>(n)); }
    // Replaces the condition of its own slot.
    void Sostituisci(std::unique_ptr<TCondizione> condizione);
    // Read by every table test: kept at hand rather than looked up.
    [[nodiscard]] TPuntiTra& PuntiTra() { return *puntiTra_; }

    // The conditions taking part in tests, in code order (rebuilt by Prepara).
    [[nodiscard]] int NumeroAttive() const { return numeroAttive_; }
    [[nodiscard]] TCondizione& Attiva(int i) { return *attive_[static_cast<std::size_t>(i)]; }

    void Prepara();
    void AzzeraStatistiche();
    void AggiornaStato();
    void ImpostaPercorsi();

    // The test of one column: the fixed numbers, then every active
    // condition in code order, then the link set's verdict.
    bool Verifica(Colonna colonna);
    // True when, as prepared, Verifica passes every column without doing
    // anything: no fixed numbers, no condition left to test, no "Punti Tra"
    // and a link set that cannot refuse.
    [[nodiscard]] bool SempreVera();

    // Adds a TErrore when errors are being recorded.
    void RegistraErrore(TCondizione& condizione, int posizione);

    // The twenty records in code order, each with its type code.
    bool Salva(io::BinaryWriter& out) const;
    bool Carica(io::BinaryReader& in);

    // Rebuilds every condition with its defaults.
    void Azzera();

private:
    void CollegaPuntiTra();

    std::array<std::unique_ptr<TCondizione>, NumeroCondizioni + 1> condizioni_;
    TPuntiTra* puntiTra_ = nullptr;  // slot 20
    std::array<TCondizione*, NumeroCondizioni> attive_{};
    int numeroAttive_ = 0;
    // The active conditions whose verdict is not fixed: those Verifica runs.
    std::array<TCondizione*, NumeroCondizioni> daProvare_{};
    int numeroDaProvare_ = 0;
};

}  // namespace ludo
