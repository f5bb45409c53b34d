#pragma once
// The printout of a contest's plays: a first page with the general table
// under its heading, then the reduced systems played, 45 rows a page under
// their heading. The grids keep the widths of the window's tables (screen
// pixels) and are printed at the scale and place of each block.

#include <string>
#include <vector>

#include "core/checking/RiepilogoGiocate.h"
#include "core/printing/Tabulato.h"

namespace ludo {

inline constexpr char MsgImpossibileStampareDati[] = "Impossibile stampare i dati";
inline constexpr int RigheSistemiPerPagina = 45;

struct BloccoStampa {
    GrigliaDaStampare griglia;
    double scala = 0;     // mm per screen pixel
    double alto = 0;      // mm from the top
    double sinistra = 0;  // mm from the left
};

struct PaginaStampaGiocate {
    std::string titolo;  // centred; empty on the later pages of the list
    double yTitolo = 0;
    std::vector<BloccoStampa> blocchi;
};

// The widths of the window's tables and the height of a row, in pixels.
struct MisureTabelleGiocate {
    std::vector<int> riepilogo;  // 2 columns
    std::vector<int> sistemi;    // 4 columns
    int altezzaRiga = 0;
};

std::vector<PaginaStampaGiocate> PagineStampaGiocate(const TArchivioGiocate& archivio, const Configurazione& config,
                                                     const MisureTabelleGiocate& misure, FormatoNumeri formato = {});

}  // namespace ludo
