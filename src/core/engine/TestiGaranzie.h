#pragma once
// The texts the guarantee window shows and prints for a table.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/engine/Garanzie.h"

namespace ludo {

inline constexpr std::array<const char*, 4> IntestazioniGaranzie = {"8 Punti", "7 Punti", "6 Punti",
                                                                    "  Perc %"};
// The grid never has fewer rows; the printout takes at most this many per page.
inline constexpr std::size_t RigheMinimeGaranzie = 11;
inline constexpr std::size_t RighePaginaGaranzie = 63;

// "Calcolo Percentuali senza errori sul pronostico" and its one- and two-error forms.
std::string StatoGaranzie(int errori);
// The printout's title for the table of key 8, 7 or 6.
std::string TitoloStampaGaranzie(int chiave);

// A percentage with three decimals and at least three digits before the
// point, the zeros ahead of the units digit shown as blanks: "  5.500".
std::string TestoPercentuale(double percento);

using RigaGaranzie = std::array<std::string, 4>;
// One row per tally ("   " before each count, the percentage followed by
// five blanks); before each change of the 8- and 7-point counts and after
// the last entry a subtotal row ("-------" and "Tot. " with the group's
// percentage); then an empty row and the table's total.
std::vector<RigaGaranzie> RigheGaranzie(const TabellaVincite& tabella);

// The width of the percentage column: narrower when the rows need a scroll bar.
int LarghezzaPercentualeGaranzie(std::size_t righe);

}  // namespace ludo
