#pragma once
// The texts the development and recalculation windows build from the
// engine's figures.

#include <cstdint>
#include <string>

#include "core/system/Costi.h"
#include "core/system/T_Sistema.h"

namespace ludo {

// "Autoriduzione a Garanzia del 6", "Riduzione a Distanza Minima 5", or for
// the optimised reduction "Riduzione Ottimizzata a Garanzia del 7".
std::string TitoloAutoriduzione(const DefDest& destinazione);

// "di cui 36 con le fisse": how many of the forecast's columns hold every
// fixed match, when the fixed matches are going to discard the others (a
// development of the forecast with the conditions in use); empty otherwise.
std::string TestoColonneConFisse(const T_Sistema& sistema, FormatoNumeri formato = {});

// fatto / totale × 100 truncated, 0 when there is no total.
int PercentualeTroncata(std::int64_t fatto, std::int64_t totale);

// How many columns the reduction divided the list by, with two decimals;
// empty when nothing was kept yet.
std::string TestoFattore(std::int64_t prima, std::int64_t dopo, FormatoNumeri formato = {});

// The change of a count against the previous one as a rounded percentage:
// "+12%", "-3%"; empty when there was no previous count or the change
// rounds to nothing.
std::string TestoVariazione(std::int64_t colonne, std::int64_t precedenti);

}  // namespace ludo
