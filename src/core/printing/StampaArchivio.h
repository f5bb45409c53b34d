#pragma once
// The archive print ("Stampa Archivio"): the contests of a range with their
// winning columns as a ruled table over as many pages as needed, laid out
// in millimetres with the table printer's arithmetic. The window measures
// the texts in its fonts and draws the title, the cells and the footers.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/archive/ArchivioConcorsi.h"
#include "core/contests/ImpostazioniRicerca.h"
#include "core/printing/Tabulato.h"

namespace ludo {

inline constexpr char TitoloStampaArchivio[] = "Stampa Archivio Colonnne";
inline constexpr std::array<const char*, 4> IntestazioniStampaArchivio = {"Stagione", "Nº", "Tipo",
                                                                          "Colonna Vincente"};
// The room left between the last row of a page and its footer.
inline constexpr double SpazioSopraPiede = 1;

// The texts of the table: the heading row, then one row per contest of the
// range in archive order, whatever its type: season ("2013/2014"), number,
// type ("Serie A", …) and the winning numbers as the contest window writes
// them.
std::vector<std::vector<std::string>> RigheStampaArchivio(const ArchivioConcorsi& archivio,
                                                          const IntervalloRicerca& intervallo);

// What the window measures, in millimetres.
struct MisureStampaArchivio {
    double larghezzaPagina = 0;
    double altezzaPagina = 0;
    double altezzaTesto = 0;    // one line of the table font
    double larghezzaBlank = 0;  // " " in the table font
    double altezzaPiede = 0;    // the page footer's line, in the taller of its fonts
    std::function<double(const std::string&)> larghezzaTesto;  // a text in the table font
};

struct PaginaStampaArchivio {
    std::vector<CellaGriglia> celle;
    std::string piede;  // "Pagina Nº " and the page number, centred at the foot
};

struct StampaArchivio {
    std::string titolo;  // centred at YTitoloTabella in the title font
    std::vector<PaginaStampaArchivio> pagine;
};

// Each column as wide as its widest text and a blank, each row a millimetre
// higher than a line, both rounded up to the table printer's scale; the
// table 60 mm from the left edge, or centred when it would not fit there.
// The first page holds the heading and the first rows from 15 mm, each
// later page the heading again just above them; a page takes as many rows
// as end above its footer, at most 63.
StampaArchivio ImpaginaStampaArchivio(const ArchivioConcorsi& archivio,
                                      const IntervalloRicerca& intervallo,
                                      const MisureStampaArchivio& misure);

}  // namespace ludo
