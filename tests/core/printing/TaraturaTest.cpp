#include <gtest/gtest.h>

#include "core/printing/Taratura.h"

namespace ludo {
namespace {

TEST(Taratura, ValoriInDecimiEFrecce) {
    EXPECT_EQ(DecimiDaMm(30.4), 304);
    EXPECT_EQ(DecimiDaMm(93.75), 938);
    EXPECT_DOUBLE_EQ(MmDaDecimi(304), 30.4);

    double v = 0;
    EXPECT_FALSE(SpostaDiUnDecimo(v, -1));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(SpostaDiUnDecimo(v, 1));
    EXPECT_DOUBLE_EQ(v, 0.1);
    v = 30.4;
    for (int i = 0; i < 10; ++i) SpostaDiUnDecimo(v, -1);
    EXPECT_EQ(v, MmDaDecimi(294));  // no drift after many presses
}

TEST(Taratura, AnteprimaADuePixelPerMillimetro) {
    const SlipGeometry g = SlipGeometry::Orizzontale();
    const auto aree = QuadratiniAnteprima(g);
    ASSERT_EQ(aree.size(), 6u * 32u);
    EXPECT_NEAR(aree[0].x1, 4 + 40 * 2, 1e-9);
    EXPECT_NEAR(aree[0].y1, 3 + 30.4 * 2, 1e-9);
    EXPECT_NEAR(aree[0].x2, 4 + 42.8 * 2, 1e-9);
    EXPECT_NEAR(aree[5 * 32].x1, 4 + (40 + 5 * 9.3) * 2, 1e-9);
    // The vertical geometry is previewed across the slip too.
    EXPECT_NEAR(QuadratiniAnteprima(SlipGeometry::Verticale())[1].y1, 3 + (32.9 + 4.1) * 2, 1e-9);
    EXPECT_EQ(PuntoEtichettaAnteprima(g), (Pixel{196, 36}));  // 3 + 187.6 - 155
}

}  // namespace
}  // namespace ludo
