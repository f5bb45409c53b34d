#pragma once
// The tables of a guarantee calculation as the system keeps them: for each
// key (8, 7, 6) the tallies of 8, 7 and 6 points with the share of the
// results that gave each.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ludo {

// One tally and its weight: while counting, the number of results that gave
// it; once the table is complete, that number over the results counted.
struct T_Vincita {
    std::int32_t Punti6 = 0;
    std::int32_t Punti7 = 0;
    std::int32_t Punti8 = 0;
    double Frequenza = 1.0;
    bool operator==(const T_Vincita&) const = default;
};

// Ordered by Punti8, then Punti7, then Punti6, each ascending; one entry per tally.
using TabellaVincite = std::vector<T_Vincita>;

// The three tables of the last calculation, by key: 8 (no error on the
// forecast, or a comparison file), 7 (one error), 6 (two errors).
class TabelleGaranzie {
  public:
    [[nodiscard]] TabellaVincite& Tabella(int chiave) { return tabelle_.at(Indice(chiave)); }
    [[nodiscard]] const TabellaVincite& Tabella(int chiave) const {
        return tabelle_.at(Indice(chiave));
    }
    void Svuota() {
        for (auto& t : tabelle_) t.clear();
        DaEsaminare = Esaminati = Contati = 0;
    }

    std::int64_t DaEsaminare = 0;  // results of the table being filled
    std::int64_t Esaminati = 0;    // results examined so far
    std::int64_t Contati = 0;      // results counted (passing the conditions): the denominator

  private:
    static std::size_t Indice(int chiave) { return static_cast<std::size_t>(8 - chiave); }
    std::array<TabellaVincite, 3> tabelle_;
};

}  // namespace ludo
