#pragma once
// One past contest of the archive: season, number, type and winning column.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/columns/Colonna.h"

namespace ludo {

// Contest types are bits, so that a set of types fits one byte (15 = all).
enum TipoConcorso : std::uint8_t {
    SerieA = 1,
    SerieB = 2,
    SerieC = 4,
    Altri = 8,
};
inline constexpr std::uint8_t TuttiITipi = 15;

// "Serie A", "Serie B", "Serie C", "Altri"; empty for a value that is not one type.
std::string_view NomeTipoConcorso(std::uint8_t tipo);
// The type of a name as NomeTipoConcorso writes it (letter case ignored).
std::optional<std::uint8_t> TipoDaNome(std::string_view nome);

struct T_Concorso {
    std::uint16_t Anno = 0;        // first calendar year of the season
    std::uint8_t NumConcorso = 1;  // 1..99 within the season
    std::uint8_t TipoConcorso = SerieA;
    Colonna Vincente = 0;          // the 8 winning numbers

    // The archive's order: season, then contest number (the type plays no part).
    [[nodiscard]] std::int32_t Chiave() const { return Anno * 200 + NumConcorso; }

    bool operator==(const T_Concorso&) const = default;
};

// Contests in the archive's order.
using ElencoConcorsi = std::vector<T_Concorso>;

// "2013/2014": the season whose first year is anno.
std::string TestoStagione(int anno);

// A new contest: this year's season, number 1, "Serie A", no numbers.
T_Concorso NuovoConcorso();

}  // namespace ludo
