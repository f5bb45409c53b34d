#pragma once
// The analysis data set of one condition: for each measure it analyses (a
// view), how often the winning columns of the selected contests produced
// each value and how long ago (archive table), and over the columns of the
// system's development how many produce each value (integral table), how
// many of the kept columns do (kept table) and how many the condition alone
// would keep (single table). The historical and the columnar windows only
// display what is built here.

#include <array>
#include <cstdint>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/conditions/TMisura.h"
#include "core/contests/T_FrequenzeRitardi.h"
#include "core/io/Avanzamento.h"

namespace ludo {

class T_Sistema;
class TCondizione;

inline constexpr const char* MsgImpossibileCompletareSviluppo = "Impossibile Completare lo Sviluppo.";
inline constexpr const char* MsgNessunaAnalisi = "La condizione scelta non ha analisi.";
inline constexpr const char* FaseAnalisiColonnare = "Analisi Colonnare in corso...";
inline constexpr const char* EtichettaConvenienzaIniziale = "Fattore di convenienza :    ";
inline constexpr const char* EtichettaAltri = "Altri";

// One analysed measure of the condition.
struct TVista {
    std::string Nome;
    // Text of each row; a view of a measure table continues numerically
    // past the last one (see EtichettaRiga).
    std::vector<std::string> Etichette;
    // The values the rows show: row i shows value PrimoValore + i.
    int PrimoValore = 0;
    int NumeroRighe = 0;
    bool HaConsecutivita = false;  // the tables' second statistic means something
    // The "Cond." column and the chart's third series are shown.
    bool MostraTenute = false;

    T_FrequenzeRitardi Archivio;
    T_FrequenzeRitardi Integrale;
    T_FrequenzeRitardi Tenute;
    T_FrequenzeRitardi Singola;

    // The accepted values of the measure: a measure table, an interval
    // table, or neither (derived formulas).
    std::optional<TMisura> Misura;
    std::optional<TIntervalli> Intervalli;
};

struct TGestoreGrDati {
    std::vector<TVista> Viste;
    // Statistical, columnar, delay and frequency titles.
    std::array<std::string, 4> Titoli;
    bool Abilitata = false;    // the condition is switched on
    bool ValoriPropri = false;  // the rows are labelled by the views, not numbered
    bool ArchivioDaCache = false;  // the archive tables are the cached ones
    // Empty, or the message of a columnar run that could not complete (the
    // tables then hold what was counted so far).
    std::string Messaggio;
};

// Which page of its editor the condition is analysed from: the position of
// "Posizioni", the run length of "Numero di Sequenze", the vortex (1 direct,
// 2 inverse), the group of "Punti Tra". Other types ignore it.
struct PaginaEditor {
    int Numero = 1;
};

// Whether the condition's type has an analysis (groups have none).
bool HaAnalisi(const TCondizione& condizione);

// The historical data set: views, titles and archive tables. The archive
// tables are copies of the cached ones when the condition covers its full
// range and the search interval is the whole archive with every contest
// type; otherwise they are recomputed over the selected contests. The
// cached tables are never touched. Errore when the type has no analysis.
TGestoreGrDati AnalisiStorica(const TCondizione& condizione, T_Sistema& sistema, PaginaEditor pagina = {});

// The columnar data set: the historical one plus the kept tables (all zero
// while the system is not developed) and the integral and single tables
// over the development's source: every column of the forecast holding the
// fixed numbers, or every column of the source column file. A cancelled or
// unreadable source leaves MsgImpossibileCompletareSviluppo in Messaggio.
// The system's conditions are left prepared for a development.
TGestoreGrDati AnalisiColonnare(const TCondizione& condizione, T_Sistema& sistema, PaginaEditor pagina = {},
                                Avanzamento& avanzamento = NessunAvanzamento());

// Entry valore of the points list, or of the consecutiveness list; zero
// outside the table.
TElemRFRM ElementoTabella(const T_FrequenzeRitardi& tabella, int valore, bool consecutivita);

// The text of a row.
std::string EtichettaRiga(const TVista& vista, int riga);

// The figures beside the columnar table, for one view and the statistic
// read ("Pres." or "Cons.").
struct PannelliVista {
    double Filtrate = 0;           // % of the integral columns the condition filters out
    double FrequenzaStorica = 0;   // % of the counted contests with an accepted value
    std::optional<double> Fattore;  // none when every contest had an accepted value
    [[nodiscard]] double Rimanenti() const { return 100.0 - Filtrate; }
};
PannelliVista CalcolaPannelli(const TGestoreGrDati& dati, std::size_t vista, bool consecutivita = false);

// The convenience label: the factor's text ("%4.2f") over as many of the
// label's last characters; unchanged when there is no factor.
std::string EtichettaConvenienza(const std::string& precedente, const PannelliVista& pannelli);

// The cells of one row of the columnar table: label, "Integr.", "Cond.S.",
// "Cond.". Counts, or with percentuale the share of the integral columns
// ("%4.2f"); blank when the statistic read does not exist for the view, and
// "Cond." blank when the kept columns are not shown.
std::array<std::string, 4> CelleColonnari(const TVista& vista, int riga, bool percentuale, bool consecutivita);

// The cells of one row of the delay page: label, "Att.", " Max", "  IC"
// (frequency / counted contests × current delay, "%3.2f"). Values the
// condition does not accept are blank in a numbered view that has a
// consecutiveness statistic.
std::array<std::string, 4> CelleRitardi(const TGestoreGrDati& dati, std::size_t vista, int riga, bool consecutivita);

// The frequency cell of the historical table: the frequency, or with
// percentuale its share of the counted contests ("%4.2f").
std::string CellaFrequenza(const TVista& vista, int riga, bool percentuale, bool consecutivita);

// The bar of a row in the charts: the count one of the view's tables holds
// for the row's value, or with percentuale its share of base (× 100; 0 when
// base is 0). Historical charts pass the counted contests as base, columnar
// charts the integral columns.
double ValoreBarra(const TVista& vista, const T_FrequenzeRitardi& tabella, int riga, bool percentuale, bool consecutivita,
                   std::int32_t base);

// Whether the condition accepts the row's value (accepted or in recovery)
// in the table the statistic reads; false for views without a measure table
// and for a table that accepts nothing.
bool RigaAccettata(const TVista& vista, int riga, bool consecutivita);

// The top of a chart's value axis: 1.1 × the largest bar with zoom,
// otherwise 100 in "%" and base with the counts (never below 1).
double MassimoAsse(double barraMassima, bool zoom, bool percentuale, std::int32_t base);

}  // namespace ludo
