#include "TestSupport.h"
#include "core/checking/ClassificaPartite.h"

using namespace ludo;
using ludo::test::col;

namespace {
void gol(GolSchedina& g, int partita, int casa, int ospite) { g[static_cast<std::size_t>(partita - 1)] = {casa, ospite}; }
}  // namespace

TEST(ClassificaPartite, GoalsThenAwayGoalsThenLowerNumber) {
    GolSchedina g{};
    // Nine matches with 3 goals: away goals decide, then the number.
    gol(g, 32, 0, 3);
    gol(g, 20, 1, 2);
    gol(g, 10, 2, 1);
    gol(g, 11, 2, 1);
    for (int partita = 12; partita <= 16; ++partita) gol(g, partita, 3, 0);
    gol(g, 5, 4, 4);  // most goals of all
    const auto ordine = ClassificaPartite(g);
    EXPECT_EQ(std::vector<int>(ordine.begin(), ordine.begin() + 6), (std::vector<int>{5, 32, 20, 10, 11, 12}));
    EXPECT_EQ(VincenteDaiGol(g), col({5, 10, 11, 12, 13, 14, 20, 32}));
}

TEST(ClassificaPartite, GoallessDrawsRankByNumberAfterScoringMatches) {
    EXPECT_EQ(VincenteDaiGol(GolSchedina{}), col({1, 2, 3, 4, 5, 6, 7, 8})) << "every cell empty";
    GolSchedina g{};
    for (int p = 1; p <= 32; ++p) gol(g, p, 0, 0);
    gol(g, 30, 1, 0);
    gol(g, 31, 0, 1);
    // 31 (away goal) before 30, then the 0-0 matches by number.
    EXPECT_EQ(VincenteDaiGol(g), col({1, 2, 3, 4, 5, 6, 30, 31}));
    EXPECT_EQ(ClassificaPartite(g)[0], 31);
    // An empty cell counts as zero goals, so a half-filled match ranks by its other cell.
    GolSchedina h{};
    h[25].Ospite = 2;
    EXPECT_EQ(ClassificaPartite(h)[0], 26);
}
