#pragma once
// Reader of the plain-text league results used to build the demonstration
// data: one file per league and season, matchdays introduced by a
// "Matchday N" (or "N. Round") heading, one match per line, written either
// "Home  v Away  2-1 (1-0)" or "Home  2-1 (1-0)  Away". Other stages
// (play-offs, play-outs, finals) are not matchdays and are left out.

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ludo::demo {

struct Partita {
    std::string casa;
    std::string ospite;
    std::optional<int> golCasa;  // empty when the match has no result
    std::optional<int> golOspite;
    [[nodiscard]] bool giocata() const { return golCasa.has_value() && golOspite.has_value(); }
};

struct Giornata {
    int numero = 0;
    std::vector<Partita> partite;  // in file order
};

// Every matchday of a league file, in order of first heading. A heading
// that comes again (a rescheduled match) adds to its matchday.
std::vector<Giornata> LeggiCampionato(std::istream& in);

// The matchday numero of a league, or nullptr.
const Giornata* TrovaGiornata(const std::vector<Giornata>& campionato, int numero);

// The highest matchday number of a league (0 when it has none).
int UltimaGiornata(const std::vector<Giornata>& campionato);

// Every team of a league, in order of first appearance.
std::vector<std::string> Squadre(const std::vector<Giornata>& campionato);

}  // namespace ludo::demo
