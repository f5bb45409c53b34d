#include <array>
#include <limits>
#include <map>

#include "TestSupport.h"
#include "core/columns/TGenColonneCasuali.h"

using namespace ludo;

namespace {

struct StatisticheFinte : FonteStatistiche {
    int t = 0;
    std::map<int, std::pair<int, int>> fr;  // number -> (F, R); absent: (0, 0)
    [[nodiscard]] int ConcorsiSelezionati() const override { return t; }
    [[nodiscard]] int Frequenza(int n) const override {
        return fr.contains(n) ? fr.at(n).first : 0;
    }
    [[nodiscard]] int Ritardo(int n) const override { return fr.contains(n) ? fr.at(n).second : 0; }
};

}  // namespace

// Uniform weights, or the forecast's only; Picch. values truncated and kept
// in range.
TEST(TGenColonneCasuali, UniformForecastOnlyAndPicchettiWeights) {
    TGenColonneCasuali gen(1);
    DatiPesi dati;
    dati.picchetti.fill(50);
    dati.pronostico = 0x80000001u;
    EXPECT_TRUE(gen.Imposta(true, true, false, false, dati));
    EXPECT_EQ(std::pair(gen.Cumulata[0], gen.Cumulata[32]), std::pair(0, 32));
    EXPECT_TRUE(gen.Imposta(true, false, false, true, dati));
    EXPECT_EQ((std::array{gen.Cumulata[1], gen.Cumulata[31], gen.Cumulata[32]}),
              (std::array{1, 1, 2}));

    dati = DatiPesi{};
    dati.picchetti[0] = 12.99;
    dati.picchetti[1] = 0.99;
    dati.picchetti[2] = -3;
    dati.picchetti[3] = std::numeric_limits<double>::quiet_NaN();
    dati.picchetti[4] = 1e12;
    dati.picchetti[31] = 7;
    EXPECT_TRUE(gen.Imposta(false, true, false, false, dati));
    for (const auto& [n, peso] :
         {std::pair{1, 12}, {2, 0}, {3, 0}, {4, 0}, {5, TGenColonneCasuali::kPesoMassimo}, {32, 7}})
        EXPECT_EQ(gen.Peso(n), peso) << n;
    EXPECT_EQ(gen.Cumulata[32], 12 + TGenColonneCasuali::kPesoMassimo + 7);
}

TEST(TGenColonneCasuali, StatisticalWeightsRoundExactHalvesToEven) {
    StatisticheFinte stat;
    stat.t = 10;
    // F / T x R x 5 for numbers 1..8.
    stat.fr = {{1, {3, 1}},   // 1.5 -> 2
               {2, {1, 5}},   // 2.5 -> 2
               {3, {7, 1}},   // 3.5 -> 4
               {4, {3, 3}},   // 4.5 -> 4
               {5, {1, 1}},   // 0.5 -> 0
               {6, {2, 3}},   // 3
               {7, {13, 4}},  // F above T counts as T: 20
               {8, {6, 8}}};  // 24
    DatiPesi dati;
    dati.statistiche = &stat;
    TGenColonneCasuali gen(1);
    EXPECT_TRUE(gen.Imposta(false, false, true, false, dati));
    const int attesi[] = {2, 2, 4, 4, 0, 3, 20, 24};
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(gen.Peso(n), attesi[n - 1]) << n;
    EXPECT_EQ(gen.Cumulata[32], 59);

    stat.t = 7;
    stat.fr = {{1, {1, 1}}, {2, {3, 1}}, {3, {-4, 2}}};  // 5/7 -> 1, 15/7 -> 2, negative -> 0
    EXPECT_TRUE(gen.Imposta(false, false, true, false, dati));
    EXPECT_EQ((std::array{gen.Peso(1), gen.Peso(2), gen.Peso(3)}), (std::array{1, 2, 0}));

    stat.t = 0;
    EXPECT_TRUE(gen.Imposta(false, false, true, false, dati));
    EXPECT_EQ(gen.Cumulata[32], 0) << "no contests, no weight";
    EXPECT_TRUE(gen.Imposta(false, false, true, false, DatiPesi{}));
    EXPECT_EQ(gen.Cumulata[32], 0) << "no statistics at all";
}

TEST(TGenColonneCasuali, ForecastOnlyStatisticsNeedTenWeightedForecastNumbers) {
    StatisticheFinte stat;
    stat.t = 4;
    for (int n = 1; n <= 12; ++n) stat.fr[n] = {2, 1};  // 2.5 -> 2
    DatiPesi dati;
    dati.statistiche = &stat;
    dati.pronostico = test::primi(10);
    TGenColonneCasuali gen(1);
    EXPECT_TRUE(gen.Imposta(false, false, true, true, dati));
    EXPECT_EQ(gen.Cumulata[32], 20) << "11 and 12 are outside the forecast";

    stat.fr[10] = {0, 7};
    EXPECT_FALSE(gen.Imposta(false, false, true, true, dati));
    EXPECT_EQ(gen.Cumulata[32], 18) << "the totals are set all the same";
    EXPECT_TRUE(gen.Imposta(false, false, true, false, dati)) << "without soloPronostico";
    // The check looks at the statistical weights even when another weight is used.
    EXPECT_FALSE(gen.Imposta(true, false, true, true, dati));
    EXPECT_TRUE(gen.Imposta(true, false, false, true, dati));
}

TEST(TGenColonneCasuali, GeneraDrawsExactlyQuantiNumbersWithAWeight) {
    DatiPesi dati;
    for (int n = 1; n <= 32; n += 3)
        dati.picchetti[static_cast<std::size_t>(n - 1)] = n;  // 11 numbers
    TGenColonneCasuali gen(12345);
    gen.Imposta(false, true, false, false, dati);
    Colonna pesati = 0;
    for (int n = 1; n <= 32; ++n) pesati |= gen.Peso(n) > 0 ? Colonna{1} << (n - 1) : 0;
    ASSERT_EQ(std::popcount(pesati), 11);
    Colonna visti = 0;
    for (int i = 0; i < 500; ++i) {
        const Colonna c = gen.Genera(8);
        ASSERT_EQ(std::popcount(c), 8);
        ASSERT_EQ(c & ~pesati, 0U);
        visti |= c;
    }
    EXPECT_EQ(visti, pesati);
    EXPECT_EQ(std::popcount(gen.Genera(11)), 11);
    EXPECT_EQ(gen.Genera(0), 0U);

    TGenColonneCasuali stesso(12345);
    stesso.Imposta(false, true, false, false, dati);
    TGenColonneCasuali ancora(12345);
    ancora.Imposta(false, true, false, false, dati);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(stesso.Genera(8), ancora.Genera(8)) << "a seed repeats the draw";
}

TEST(TGenColonneCasuali, HeavierNumbersComeFirst) {
    DatiPesi dati;
    dati.picchetti.fill(1);
    dati.picchetti[20] = 100000;
    TGenColonneCasuali gen(3);
    gen.Imposta(false, true, false, false, dati);
    int ventuno = 0;
    for (int i = 0; i < 100; ++i) ventuno += gen.Genera(1) == Colonna{1} << 20 ? 1 : 0;
    EXPECT_GE(ventuno, 95);
}

TEST(TGenColonneCasuali, GeneraRefusesADrawThatCouldNeverEnd) {
    TGenColonneCasuali gen(1);
    EXPECT_THROW(gen.Genera(1), Errore) << "no weights yet";
    DatiPesi dati;
    dati.picchetti.fill(0);
    for (std::size_t i = 0; i < 7; ++i) dati.picchetti[i] = 5;
    gen.Imposta(false, true, false, false, dati);
    EXPECT_EQ(ludo::test::erroreDi([&] { gen.Genera(8); }), MsgPesiInsufficienti)
        << "eight numbers from seven";
    EXPECT_EQ(std::popcount(gen.Genera(7)), 7);
    EXPECT_THROW(gen.Genera(33), Errore);
}
