#pragma once
// The columns the recoveries refused in the last development, for one link:
// per level exceeded, per number of errors in the link and per total of
// errors over all links, each count also as a share of its base.

#include <array>
#include <cstdint>
#include <string>

#include "core/conditions/TInsiemeLink.h"

namespace ludo {

struct AnalisiRecuperi {
    static constexpr int NumeroValori = TLink::MassimoLivello + 1;  // values 0..255
    // Index = level (1..255; 0 stays 0), errors of the link, total errors.
    std::array<std::int32_t, NumeroValori> Livelli{};
    std::array<std::int32_t, NumeroValori> ErroriLink{};
    std::array<std::int32_t, NumeroValori> ErroriTotali{};
    // What the percentages are of: the link's recovery checks for the
    // levels, the grid's own total for the other two.
    std::int64_t BaseLivelli = 0;
    std::int64_t BaseErroriLink = 0;
    std::int64_t BaseErroriTotali = 0;
};

// A letter that is no link gives an empty analysis.
AnalisiRecuperi AnalizzaRecuperi(const TInsiemeLink& link, char lettera);

// The count as it stands, or as a percentage of base with two decimals and
// a decimal comma ("12,50 %"; "0,00 %" on a base of 0).
std::string TestoRifiuti(std::int32_t conteggio, std::int64_t base, bool percentuale);

}  // namespace ludo
