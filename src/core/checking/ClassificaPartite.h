#pragma once
// The winning column from the goals of the 32 matches of a contest.

#include <array>
#include <optional>

#include "core/columns/Colonna.h"

namespace ludo {

// The goals of one match; an empty cell counts as 0.
struct GolPartita {
    std::optional<int> Casa;
    std::optional<int> Ospite;
};

using GolSchedina = std::array<GolPartita, 32>;

// The match numbers (1..32) from best to worst: more total goals first, then
// more away goals, then the lower match number.
std::array<int, 32> ClassificaPartite(const GolSchedina& gol);

// The first eight of the ranking: the winning column.
Colonna VincenteDaiGol(const GolSchedina& gol);

}  // namespace ludo
