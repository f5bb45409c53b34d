#include <gtest/gtest.h>

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
    gol(g, 12, 3, 0);
    gol(g, 13, 3, 0);
    gol(g, 14, 3, 0);
    gol(g, 15, 3, 0);
    gol(g, 16, 3, 0);
    gol(g, 5, 4, 4);  // most goals of all
    const auto ordine = ClassificaPartite(g);
    EXPECT_EQ(ordine[0], 5);
    EXPECT_EQ(ordine[1], 32);
    EXPECT_EQ(ordine[2], 20);
    EXPECT_EQ(ordine[3], 10);
    EXPECT_EQ(ordine[4], 11);
    EXPECT_EQ(ordine[5], 12);
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
