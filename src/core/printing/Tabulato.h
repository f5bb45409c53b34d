#pragma once
// The listing of a slip job on plain paper (framed cells, many per page) and
// the ruled tables the windows print through the millimetre printer: where
// every cell, line and text goes, page by page. The window layer measures
// the texts in its fonts and draws the results.

#include <string>
#include <string_view>
#include <vector>

#include "core/printing/StampaSchedine.h"
#include "core/printing/TmmPrinter.h"
#include "core/system/ImpostazioniStampa.h"

namespace ludo {

inline constexpr char MsgImpossibileStampareTabulato[] = "Impossibile Stampare il Tabulato";
inline constexpr char IntestazioneDaMisurare[] = "Sch. Nº";

// A text at its place; the window centres it when the caller says so.
struct TestoPosizionato {
    std::string testo;
    double x = 0;
    double y = 0;

    bool operator==(const TestoPosizionato&) const = default;
};

// --- Listing, in the units of the report page (tenths of a millimetre) ---

// The listing font measured on the report page.
struct MisureCarattere {
    int larghezza32 = 0;    // width of "32"
    int altezza0 = 0;       // height of "0"
    int altezzaSchNum = 0;  // height of IntestazioneDaMisurare
};

struct MetricheTabulato {
    int passoColonna = 0;  // from one column of numbers to the next
    int altezzaRiga = 0;   // from one number to the next
    double larghezzaCella = 0;
    double altezzaCorpo = 0;
    double altezzaIntestazione = 0;
    double spaziaturaOrizzontale = 0;
    double spaziaturaVerticale = 0;
};

// The sizes of a cell for slips of colonnePerSchedina columns; scala turns
// the spacings, set in millimetres, into the page's device units.
MetricheTabulato CalcolaMetriche(const MisureCarattere& misure, int colonnePerSchedina,
                                 const TImpTabulato& imp, double scala = 1.0);

// One framed slip: the frame encloses header and body, a line runs under
// the header, the header text is centred in its band and the numbers stand
// one per line, the block of columns centred in the body.
struct CellaTabulato {
    int schedina = 0;
    Rettangolo cornice;
    double yLinea = 0;        // the line under the header
    Rettangolo intestazione;  // the header band
    std::string testoIntestazione;
    std::vector<TestoPosizionato> numeri;
};

struct PaginaTabulato {
    std::vector<CellaTabulato> celle;
    std::string piede;  // "Pagina Nº " and the page number, centred at the foot
};

struct Tabulato {
    std::string titolo;  // centred at the top
    std::vector<PaginaTabulato> pagine;
};

inline constexpr double YTitoloTabulato = 3;
inline constexpr double XInizioTabulato = 2;
inline constexpr double YInizioTabulato = 40;
inline constexpr double YNuovaPaginaTabulato = 10;
inline constexpr double MargineBassoTabulato = 10;

// "Stampa delle Colonne del Sistema " and the job's own name, or the file
// name of the current system without folder and extension.
std::string TitoloTabulato(const LavoroStampaSchedine& lavoro, std::string_view fileSistema);

// The name proposed for a printout written to a file: the job's own name or
// the current system's, "Taratura" for the calibration test, with ".pdf".
std::string NomeFileStampa(const LavoroStampaSchedine& lavoro, std::string_view fileSistema);

// Lays the slips out in rows across pages of the given size: a new row when
// the next cell would reach the right edge, a new page when the next row
// would reach 10 units above the bottom and slips remain.
Tabulato ImpaginaTabulato(const std::vector<SchedinaImpaginata>& schedine, int colonnePerSchedina,
                          const MetricheTabulato& m, double larghezzaPagina, double altezzaPagina);

// --- Ruled tables of the windows, in millimetres ---

inline constexpr char MsgImpossibileStampareTabella[] = "Impossibile Stampare La Tabella";
inline constexpr int RighePerPaginaTabella = 63;
inline constexpr double ScalaTabella = 0.27;  // mm per screen pixel
inline constexpr double YTitoloTabella = 5;
inline constexpr double AltoTabella = 15;
inline constexpr double AltoIntestazioneTabella = 9.92;  // the heading row repeated on later pages
inline constexpr double SinistraTabella = 60;

// A window's grid as the screen shows it: column widths and row heights in
// screen pixels, the texts by row and column.
struct GrigliaDaStampare {
    std::vector<int> larghezzeColonne;
    std::vector<int> altezzeRighe;
    std::vector<std::vector<std::string>> celle;  // a missing cell prints empty
};

struct CellaGriglia {
    Rettangolo area;
    TestoPosizionato testo;
};

// The cells of rows primaRiga.. (numeroRighe of them) and columns
// primaColonna.. (numeroColonne), clipped to the grid: each cell one screen
// pixel of rule wider and higher than on screen, times scala, from (sinistra,
// alto); the text half a blank in and centred down its row.
std::vector<CellaGriglia> CelleGriglia(const GrigliaDaStampare& griglia, int primaColonna,
                                       int numeroRighe, int numeroColonne, int primaRiga,
                                       double scala, double alto, double sinistra,
                                       double larghezzaBlank, double altezzaTesto);

// A run of rows printed at the given top.
struct BloccoRighe {
    int primaRiga = 0;
    int numeroRighe = 0;
    double alto = 0;

    bool operator==(const BloccoRighe&) const = default;
};

// The pages of a table of `righe` rows: the first page holds rows 0..62 at
// AltoTabella; each later page repeats the heading row alone at
// AltoIntestazioneTabella and the next 63 rows at AltoTabella.
std::vector<std::vector<BloccoRighe>> PagineTabella(int righe,
                                                    int righePerPagina = RighePerPaginaTabella);

}  // namespace ludo
