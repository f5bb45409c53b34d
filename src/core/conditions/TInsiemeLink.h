#pragma once
// The system's link set: the 26 links 'A'..'Z' that count, column by column,
// the values a column passes "in recovery", and the limits on those
// recoveries per level, per link and over all links.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/conditions/TMisura.h"
#include "core/contests/T_FrequenzeRitardi.h"
#include "core/io/BinaryReader.h"
#include "core/io/BinaryWriter.h"

namespace ludo {

class TCondizione;
class TCondizioniSistema;

// Messages of the "Recupero Condizioni" window when a limit accepts more
// recoveries than the members of the link (or of all links) can produce.
inline constexpr char MsgErroriNellaLinkTroppoAlti[] = "Il Numero Degli Errori Nella Link è Troppo Alto !";
inline constexpr char MsgErroriTotaliTroppoAlti[] = "Il Numero Degli Errori Totali è Troppo Alto !";

// One member of a link: a condition with a table in recovery under the
// link's letter (one element per such table).
struct TElemTraLink {
    std::string Nome;  // the condition's Percorso
    TCondizione* Condizione = nullptr;
};

class TLink {
public:
    static constexpr int MassimoLivello = 255;
    static constexpr std::int16_t MassimoErroriAmmessi = 99;
    // Refusal statistics cover at least the values shown by the analysis.
    static constexpr std::int32_t ValoriStatistiche = 255;

    // Recoveries used at each level (1..255) in the current column; index 0
    // counts the entries in recovery that carry no level.
    std::array<std::int32_t, MassimoLivello + 1> Uso{};
    T_FrequenzeRitardi RifiutiLivello{ValoriStatistiche};  // refusals per level exceeded
    T_FrequenzeRitardi RifiutiErrori{ValoriStatistiche};   // refusals per number of errors
    TMisura ErroriAmmessiNellaLink{MassimoErroriAmmessi, false};
    std::int32_t Errori = 0;  // recoveries used in the current column
    std::vector<TElemTraLink> Elementi;
    std::array<bool, MassimoLivello + 1> LivelloUsato{};
    std::int32_t MassimoErrori = 0;  // sum of the distinct levels the members use ("Max")
    std::int32_t Controlli = 0;      // recovery checks made since the statistics were reset

    // No members, no level marked.
    void SvuotaElementi();
    // Levels are 0..MassimoLivello (TInsiemeLink checks them).
    // Marks a level used by a member; a newly marked level adds to MassimoErrori.
    void SegnaLivello(int livello);
    // One more recovery at the level in the current column; false when the
    // level already gave all it admits (level n admits n per column).
    bool AmmettiRecupero(int livello);
    // Tests this column's errors against the admitted errors.
    bool VerificaErrori(GestoreRecuperi* recuperi);
    void AzzeraColonna();
    void AzzeraStatistiche();
};

// The refusal statistics a development gathers in the links and in the
// total, so that they can be carried from the copy of the system the
// development ran on back to the system.
struct StatisticheRecuperi {
    struct DelLink {
        T_FrequenzeRitardi RifiutiLivello;
        T_FrequenzeRitardi RifiutiErrori;
        std::int32_t Controlli = 0;
    };
    std::array<DelLink, 'Z' - 'A' + 1> Link;  // one per link letter
    T_FrequenzeRitardi RifiutiTotale;
};

class TInsiemeLink : public GestoreRecuperi {
public:
    static constexpr int NumeroLink = 26;

    std::array<TLink, NumeroLink> Link;
    std::string LinkUsate;  // letters of the links with members, alphabetical
    T_FrequenzeRitardi RifiutiTotale{TLink::ValoriStatistiche};
    TMisura ErroriAmmessiInTotale{TLink::MassimoErroriAmmessi, false};
    std::int32_t ErroriColonna = 0;
    bool Attivo = false;      // some admitted-error table in use
    bool Modificato = false;  // limits changed in the "Recupero Condizioni" window
    std::int32_t MassimoTotale = 0;  // sum of MassimoErrori over the links with members ("Max")

    // The link of a letter 'A'..'Z'; nullptr for any other character.
    [[nodiscard]] TLink* Lettera(char lettera);
    [[nodiscard]] const TLink* Lettera(char lettera) const;

    // Rebuilds every link's members from the conditions of the system: each
    // table (first or, when the measure has one, second table of a measure,
    // or interval table) holding a value in recovery joins the link of its letter, groups and boards give
    // their members' tables. Then LinkUsate and MassimoTotale. Conditions are
    // collected whether switched on or not.
    void PreparaLink(TCondizioniSistema& condizioni);
    // InUso of the 27 admitted-error tables, whatever the switches; Attivo.
    bool AggiornaStatoLink();
    // Resets the refusal statistics and Controlli of the links in use, the
    // total's statistics and Modificato. The statistics are sized for every
    // error count the members can produce, so the per-column calls below do
    // not allocate once this has run after PreparaLink.
    void AzzeraStatisticheLink();
    [[nodiscard]] StatisticheRecuperi Statistiche() const;
    // Takes the statistics of a development as its own (the limits edited
    // since then no longer differ from those the statistics were made with).
    void AdottaStatistiche(StatisticheRecuperi statistiche);

    // Per column; only the links in LinkUsate are touched.
    void AzzeraColonna() override;
    // A character that is no link letter, or a level outside 0..255, refuses
    // the recovery without counting it.
    bool AmmettiRecupero(char lettera, int livello) override;
    bool Verdetto() override;

    // The 26 admitted-error tables 'A'..'Z' then the total's, each as a
    // TMisura record; false at the first short write or read. InUso is
    // stored as the tables hold it: AggiornaStatoLink recomputes it.
    bool Salva(io::BinaryWriter& out) const;
    bool Carica(io::BinaryReader& in);

    // The "Recupero Condizioni" window works on a copy: it takes the limits
    // (the 27 tables and Modificato) and gives them back when the tables
    // differ.
    void CopiaLimiti(const TInsiemeLink& da);
    [[nodiscard]] bool StessiLimiti(const TInsiemeLink& altro) const;

    // Stores the limits edited for one link and for all links. A table that
    // accepts more errors than its "Max" (MassimoErrori of the link,
    // MassimoTotale) raises Errore with the window's message and nothing is
    // stored; otherwise Modificato is set.
    void MemorizzaLimiti(char lettera, const TMisura& nellaLink, const TMisura& inTotale);

private:
    void RaccogliLink(TCondizione& condizione);
    void AggiornaTrasparenza();
};

// True when no value above massimo is accepted: every entry from massimo+1
// up to the table's Massimo refuses (both tables when there is a second).
[[nodiscard]] bool NessunValoreOltre(const TMisura& punti, int massimo);

}  // namespace ludo
