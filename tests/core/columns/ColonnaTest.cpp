#include <limits>

#include "TestSupport.h"
#include "core/columns/Colonna.h"

using namespace ludo;
using ludo::test::col;

TEST(Colonna, CountsPointsAndIntegralColumnsOverTheWholeRange) {
    EXPECT_EQ(NumeroNumeri(0), 0);
    EXPECT_EQ(NumeroNumeri(0xFFFFFFFFu), 32);
    EXPECT_EQ(NumeroNumeri(col({1, 32})), 2);
    EXPECT_EQ(NumeriComuni(col({1, 2, 3, 4, 5, 6, 7, 8}), col({2, 4, 8, 16, 32})), 3);
    EXPECT_EQ(NumeriComuni(col({1, 32}), col({2, 31})), 0);
    EXPECT_TRUE(EVuota(0));
    EXPECT_FALSE(EVuota(col({32})));
    EXPECT_EQ(ColonneIntegrali(col({1, 2, 3, 4, 5, 6, 7})), 0U);
    EXPECT_EQ(ColonneIntegrali(col({1, 2, 3, 4, 5, 6, 7, 8})), 1U);
    EXPECT_EQ(ColonneIntegrali(col({1, 2, 3, 4, 5, 6, 7, 8, 9, 10})), 45U);
    EXPECT_EQ(ColonneIntegrali(0xFFFFFFFFu), 10518300U);
}

TEST(Colonna, NumeroKCountsFromTheSmallestAndAnswers32PastTheEnd) {
    const Colonna m = col({2, 9, 17});
    for (const auto& [k, maschera, numero] : std::vector<std::tuple<int, Colonna, int>>{
             {1, m, 2}, {3, m, 17}, {4, m, 32}, {0, m, 32}, {1, 0, 32}, {32, ~0u, 32}, {31, ~0u, 31},
             {1, col({32}), 32}})
        EXPECT_EQ(NumeroK(k, maschera), numero) << k << " of " << maschera;
}

TEST(Binomiale, MatchesTheTriangleOfSumsWhereverItFits64Bits) {
    // Each row is built by adding neighbours of the one above; up to row 67
    // every entry fits 64 bits, and that entry converted to double is what
    // Binomiale must give.
    std::vector<std::uint64_t> riga{1};
    for (int n = 0; n <= 67; ++n) {
        for (int k = 0; k <= n; ++k) {
            ASSERT_EQ(Binomiale(n, k), static_cast<double>(riga[static_cast<std::size_t>(k)]))
                << "C(" << n << ", " << k << ")";
        }
        std::vector<std::uint64_t> prossima(riga.size() + 1, 1);
        for (std::size_t k = 1; k < riga.size(); ++k) prossima[k] = riga[k - 1] + riga[k];
        riga = std::move(prossima);
    }
}

TEST(Binomiale, ExactOrCorrectlyRoundedUpTo100AndZeroOutsideTheTriangle) {
    EXPECT_EQ(static_cast<std::uint64_t>(Binomiale(100, 8)), 186087894300ULL);
    // 97 significant bits: the nearest double, as the compiler rounds the literal.
    EXPECT_EQ(Binomiale(100, 50), 100891344545564193334812497256.0);
    EXPECT_EQ(Binomiale(100, 3), 161700.0);
    EXPECT_EQ(Binomiale(100, 97), 161700.0);
    for (const auto& [n, k] : {std::pair{8, 9}, {8, -1}, {-1, 0}})
        EXPECT_EQ(Binomiale(n, k), 0.0) << n << " " << k;
    EXPECT_EQ(Binomiale(2000, 1000), std::numeric_limits<double>::infinity());
}

TEST(Colonna, TestoColonnaGivesEveryNumberThreeCharacters) {
    EXPECT_EQ(TestoColonna(col({5, 12, 13, 20, 21, 22, 30, 31})), "5  12 13 20 21 22 30 31 ");
    EXPECT_EQ(TestoColonna(col({1, 2, 10})), "1  2  10 ");
    EXPECT_EQ(TestoColonna(col({9, 32})), "9  32 ");
    EXPECT_EQ(TestoColonna(0), "");
}

TEST(Colonna, LeggiColonnaSplitsAtRunsOfBlanks) {
    const Colonna colonna = col({1, 5, 9, 10, 18, 27, 31, 32});
    // A repeat sets its bit once; a trailing blank ends.
    const std::vector<std::pair<std::string, Colonna>> casi = {
        {"  3 7   12", col({3, 7, 12})}, {"3 7 3 ", col({3, 7})}, {TestoColonna(colonna), colonna}, {"", 0}};
    for (const auto& [testo, attesa] : casi) {
        const auto letta = LeggiColonna(testo);
        EXPECT_TRUE(letta.ok) << testo;
        EXPECT_EQ(letta.maschera, attesa) << testo;
    }
}

TEST(Colonna, LeggiColonnaRefusesAnythingButIntegers) {
    for (const char* testo : {"3 a", "3 7x", "1.5", "3 \t", "99999999999"}) {
        const auto letta = LeggiColonna(testo);
        EXPECT_FALSE(letta.ok) << testo;
        EXPECT_EQ(letta.maschera, 0U) << testo;
    }
    // Out of range numbers are not refused; their bit wraps like a 32-bit shift.
    EXPECT_EQ(LeggiColonna("33").maschera, col({1}));
    EXPECT_EQ(LeggiColonna("0").maschera, col({32}));
}
