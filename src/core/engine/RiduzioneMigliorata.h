#pragma once
// The improved reduction: the greedy covering of the optimised reduction,
// then a local search that looks for a smaller set of kept columns with the
// same guarantee. It drops a kept column and repairs the columns left
// uncovered by swapping kept columns for others, guided by weights that grow
// on the columns that stay uncovered; every time the developed columns are
// all covered again, that smaller cover is the new best.

#include <cstdint>
#include <functional>
#include <vector>

#include "core/columns/ListaColonne.h"
#include "core/io/Avanzamento.h"
#include "core/system/T_Sistema.h"

namespace ludo {

struct ParametriMigliorata {
    // The wall-clock bound of the reduction, the greedy covering included;
    // 0 leaves only the bounds below.
    double Secondi = 60;
    // The same seed and bounds give the same columns, unless the clock
    // stops the search first.
    std::uint64_t Seme = 1;
    // The most swaps the search makes; 0: no bound.
    std::uint64_t Passi = 0;
    // The search ends after so many swaps without a smaller cover; 0: never.
    std::uint64_t PassiSenzaMiglioramento = 0;
};

struct EsitoMigliorata {
    // The list holds a reduced cover. False only when cancelled before the
    // greedy cover was complete: the list then holds the columns it had.
    bool Completa = false;
    bool Annullata = false;  // stopped by the user (the best cover found is kept)
    bool Scaduta = false;    // stopped by the clock before its swap bounds
    std::size_t Iniziali = 0;
    std::size_t Greedy = 0;  // the cover the search started from
    std::size_t Finali = 0;
    std::uint64_t Passi = 0;
    std::uint64_t PassoMigliore = 0;  // swaps made when the best cover was found
};

// The search after a development: the seconds and the seed of the
// settings, ending sooner when a long run of swaps finds nothing smaller.
ParametriMigliorata ParametriSviluppo(const DefDest& destinazione);

// The phase (1..3 the greedy covering, 4 the search), the kept columns of
// the best cover so far, and how far the whole reduction is, fatto out of
// totale (the developed columns).
using ProgressoRiduzione = std::function<void(int fase, std::size_t tenute, std::size_t fatto, std::size_t totale)>;

// Replaces the list with a smaller set of its columns covering every one of
// them within distanza (2 for guarantee 6, 1 for 7): never more columns
// than the greedy covering keeps. The search needs distinct 8-number
// columns; with any other mask in the list the greedy cover is the result.
EsitoMigliorata RiduzioneMigliorata(ListaColonne& colonne, int distanza, const ParametriMigliorata& parametri,
                                    const Avanzamento& annulla, const ProgressoRiduzione& progresso);

// The search alone: copertura, a set of columns of sviluppate covering all
// of them within distanza, becomes a cover of no more columns. sviluppate
// are distinct columns with the same count of numbers.
std::vector<Colonna> MiglioraCopertura(const std::vector<Colonna>& sviluppate, const std::vector<Colonna>& copertura,
                                       int distanza, const ParametriMigliorata& parametri, const Avanzamento& annulla,
                                       const ProgressoRiduzione& progresso, EsitoMigliorata& esito);

}  // namespace ludo
