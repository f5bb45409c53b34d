#pragma once
// Slips on the printer: where the boxes of every column fall, how a column
// list is split into slips, the label of each slip and the receipt slip.
// Everything is measured in millimetres on the page; the window layer turns
// the results into pixels through TmmPrinter and draws them.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/checking/SistemiAutomatici.h"
#include "core/columns/Colonna.h"
#include "core/columns/ListaColonne.h"
#include "core/printing/TmmPrinter.h"
#include "core/system/Configurazione.h"
#include "core/system/Costi.h"
#include "core/system/ImpostazioniStampa.h"

namespace ludo {

// The orientation index: it selects the geometry of the job.
inline constexpr int StampaOrizzontale = 1;
inline constexpr int StampaVerticale = 2;
// The edge the slip is aligned to when it is fed turned by 90 degrees.
inline constexpr double BordoVerticale = 102.0;
// A column has two strips of 16 boxes: numbers 1..16 and 17..32.
inline constexpr int QuadratiniPerStriscia = 16;

inline constexpr char FontSchedine[] = "Courier New";
inline constexpr int DimensioneEtichetta = 10;
inline constexpr int DimensioneCedolina = 16;
// Size bases of rotated text (scaled by TmmPrinter::DimensioneRuotata).
inline constexpr int BaseEtichetta = 36;
inline constexpr int BaseCedolina = 60;

inline constexpr char EtichettaProva[] = "Nome Schedina Nº 1 £. 4800";
inline constexpr char MsgSchedineErrate[] = "Il Numero della schedina iniziale o finale è errato.";
inline constexpr char MsgImpossibileStampareSchedine[] = "Impossibile Stampare le Schedine";
inline constexpr char MsgImpossibileStampareLavoro[] = "Impossibile Stampare le schedine.";
inline constexpr char MsgPausa[] = "Stampa Schedine In Pausa ( Ok per Continuare )";

// The geometry of an orientation index (anything but 2 is horizontal).
const SlipGeometry& GeometriaDi(const SlipPrintSettings& impostazioni, int tipoStampa);

// One filled box: the number it marks and its area in millimetres.
struct Quadratino {
    int numero = 0;
    Rettangolo area;

    bool operator==(const Quadratino&) const = default;
};

// The boxes of the numbers of a column at position 0..5 of the slip, in
// ascending order of number. An empty column has none.
std::vector<Quadratino> QuadratiniColonna(Colonna colonna, int posizione, const SlipGeometry& g,
                                          int tipoStampa);

// The columns of one slip, position by position (an empty column keeps its
// place), and what the drawn ones cost.
struct SchedinaImpaginata {
    int numero = 0;  // 1-based
    std::vector<Colonna> colonne;
    double costo = 0;
};

// How many slips a list of numColonne columns fills: the ceiling of
// numColonne / colonnePerSchedina.
int NumeroSchedine(std::size_t numColonne, int colonnePerSchedina);

// Splits the columns into slips prima..ultima. The columns of the slips
// before prima are skipped, colonnePerSchedina for each. A slip of two or
// more columns ends one column early when exactly two columns remain at its
// last position and the final one has 8 numbers, so that no slip is left
// holding a single simple column at the end; the two go together on the
// next slip. Stops when the columns run out. Each drawn column costs
// C(k, 8) column prices for its k numbers.
std::vector<SchedinaImpaginata> ImpaginaSchedine(const ListaColonne& colonne,
                                                 int colonnePerSchedina, int prima, int ultima,
                                                 double prezzoColonna);

// What a print job carries from whoever prepares it to the printer.
struct LavoroStampaSchedine {
    ListaColonne Colonne;
    int PrimaSchedina = 1;
    int UltimaSchedina = 1;
    int TipoStampa = StampaOrizzontale;
    bool Prova = false;        // calibration test
    bool SoloCosto = false;    // betting-shop job: the label shows only the cost
    bool NomeEsterno = false;  // the job names its own system
    std::string NomeSistema;
    // Line 0 reads "Ludomatic " and the version; the others start empty.
    ludo::RigheCedolina RigheCedolina;
    std::array<Colonna, 2> ColonneCedolina{};

    LavoroStampaSchedine();

    [[nodiscard]] std::size_t NumColonne() const { return Colonne.Conteggio(); }
};

// The calibration test: slip 1 of six columns with all 32 numbers.
LavoroStampaSchedine LavoroProva(int tipoStampa);

// The range first..last the user asked for: Errore(MsgSchedineErrate) when
// first > last or either lies outside 1..numSchedine.
void ControllaIntervallo(int prima, int ultima, int numSchedine);

// A text placed on the slip: plain, or rotated to read from bottom to top
// from (x, y) with the size basis given.
struct TestoSchedina {
    std::string testo;
    double x = 0;
    double y = 0;
    bool ruotato = false;
    int base = 0;

    bool operator==(const TestoSchedina&) const = default;
};

// The label text of a slip. fileSistema is the current system's file name
// without folder; it leads the label unless the job names its own system.
std::string TestoEtichetta(const LavoroStampaSchedine& lavoro, const SchedinaImpaginata& schedina,
                           const Configurazione& config, std::string_view fileSistema,
                           FormatoNumeri formato = {});

// Where the label goes: rotated at (ScrittaX, ScrittaY) horizontally, plain
// at (102 - ScrittaY, ScrittaX) vertically.
TestoSchedina EtichettaSchedina(std::string testo, const SlipGeometry& g, int tipoStampa);

// Lines 6..9 taken from the four betting-shop lines, skipping those that
// are only blanks and packing the others from line 6 on.
ludo::RigheCedolina RigheConRicevitoria(const ludo::RigheCedolina& righe,
                                        const std::array<std::string, 4>& ricevitoria);

// The non-empty receipt lines placed on the slip; altezzaRiga is the height
// of "TTTT" in the receipt font, in millimetres. The shop lines (6 on) start
// 2 mm further on and each later one closes up by 1 mm.
std::vector<TestoSchedina> TestiCedolina(const ludo::RigheCedolina& righe, const SlipGeometry& g,
                                         int tipoStampa, double altezzaRiga);

// One sheet fed into the printer: its boxes and texts.
struct FoglioSchedina {
    std::vector<Quadratino> quadratini;
    std::vector<TestoSchedina> testi;
    bool cedolina = false;
    int numero = 0;  // the slip number; 0 for the receipt
};

// Everything a slip job draws, sheet by sheet: the receipt first when asked
// (its two columns at positions 0 and 1 and its lines, measured with
// altezzaRigaCedolina), then slips PrimaSchedina..UltimaSchedina with their
// labels when the settings print them. A test job always has six columns
// a slip.
std::vector<FoglioSchedina> FogliSchedine(const LavoroStampaSchedine& lavoro,
                                          const Configurazione& config, int colonnePerSchedina,
                                          bool stampaCedolina, std::string_view fileSistema,
                                          double altezzaRigaCedolina, FormatoNumeri formato = {});

}  // namespace ludo
