#pragma once
// The one naming of the teams of the demonstration data: the coupon and
// the team lists both show a team under the name this gives.

#include <string>
#include <string_view>

namespace ludo::demo {

// The name a team is shown under, at most 20 characters: the club-form
// abbreviations ("FC", "AC", "SSC", …), "Calcio" and founding years are
// dropped ("AC Pisa 1909" and "Pisa SC" are both "Pisa"), a few clubs take
// their usual short name ("FC Internazionale Milano" is "Inter"), and what
// is still too long is cut.
std::string NomeSquadra(std::string_view nome);

}  // namespace ludo::demo
