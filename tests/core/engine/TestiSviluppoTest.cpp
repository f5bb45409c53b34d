#include "core/engine/TestiSviluppo.h"

#include <gtest/gtest.h>

namespace ludo {
namespace {

TEST(TestiSviluppo, TitoloDelGruppoDiRiduzione) {
    DefDest d;
    d.Garanzia = 7;
    EXPECT_EQ(TitoloAutoriduzione(d), "Autoriduzione a Garanzia del 7");
    d.DistanzaMinima = true;
    d.DistMin = 4;
    EXPECT_EQ(TitoloAutoriduzione(d), "Riduzione a Distanza Minima 4");
    d.RiduzioneOttimizzata = true;
    EXPECT_EQ(TitoloAutoriduzione(d), "Riduzione Ottimizzata a Garanzia del 7");
    d.RiduzioneMigliorata = true;
    EXPECT_EQ(TitoloAutoriduzione(d), "Riduzione Migliorata a Garanzia del 7");
}

TEST(TestiSviluppo, PercentualeFattoreEVariazione) {
    EXPECT_EQ(PercentualeTroncata(0, 0), 0);
    EXPECT_EQ(PercentualeTroncata(199, 200), 99) << "truncated, not rounded";
    EXPECT_EQ(PercentualeTroncata(10518300, 10518300), 100);
    EXPECT_EQ(PercentualeTroncata(7, 3), 100);

    EXPECT_EQ(TestoFattore(495, 0), "");
    EXPECT_EQ(TestoFattore(495, 30), "16,50");
    EXPECT_EQ(TestoFattore(10518300, 7), "1.502.614,29");
    EXPECT_EQ(TestoFattore(2, 3, {',', '.'}), "0.67");

    EXPECT_EQ(TestoVariazione(100, 0), "") << "no previous count";
    EXPECT_EQ(TestoVariazione(100, 100), "");
    EXPECT_EQ(TestoVariazione(1001, 1000), "") << "0.1% rounds to nothing";
    EXPECT_EQ(TestoVariazione(112, 100), "+12%");
    EXPECT_EQ(TestoVariazione(97, 100), "-3%");
    EXPECT_EQ(TestoVariazione(0, 40), "-100%");
    EXPECT_EQ(TestoVariazione(15, 10), "+50%");
}

}  // namespace
}  // namespace ludo
