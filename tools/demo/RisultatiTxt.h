#pragma once
// Reader of the plain-text league results used to build the demonstration
// data: one file per league and season, matchdays introduced by a
// "Matchday N" heading, one match per line ("Home  v Away  2-1 (1-0)").

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ludo::demo {

struct Partita {
    std::string casa;
    std::string ospite;
    std::optional<int> golCasa;  // empty when the match has no result yet
    std::optional<int> golOspite;
    [[nodiscard]] bool giocata() const { return golCasa.has_value() && golOspite.has_value(); }
};

struct Giornata {
    int numero = 0;
    std::vector<Partita> partite;  // in file order
};

// Every matchday of a league file, in file order.
std::vector<Giornata> LeggiCampionato(std::istream& in);

// The matchday numero of a league, or nullptr.
const Giornata* TrovaGiornata(const std::vector<Giornata>& campionato, int numero);

// Every team of a league, in order of first appearance.
std::vector<std::string> Squadre(const std::vector<Giornata>& campionato);

// A team name fitted to the coupon's 20 characters: club-form abbreviations
// ("FC", "AC", "SSC", …) and founding years are dropped first, then the
// name is cut.
std::string NomeBreve(std::string_view nome);

}  // namespace ludo::demo
