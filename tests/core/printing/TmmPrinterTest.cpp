#include <gtest/gtest.h>

#include "core/printing/TmmPrinter.h"

namespace ludo {
namespace {

TEST(TmmPrinter, MillimetriInPixelConIlFattoreDellaStampanteETroncati) {
    const TmmPrinter p(600, 300);
    // 0.03937 x 10 x 600 = 236.22; with 1 / 25.4 it would be 236.22 too,
    // so a longer distance tells the two factors apart: 0.03937 x 254 x 600
    // = 5999.99 (5999), where 1 / 25.4 gives exactly 6000.
    EXPECT_EQ(p.PixelX(10), 236);
    EXPECT_EQ(p.PixelX(254), 5999);
    EXPECT_EQ(p.PixelY(10), 118);  // 118.11, the vertical resolution
    EXPECT_EQ(p.PixelX(0.04), 0);  // 0.94 truncated, not rounded
    EXPECT_EQ(p.PixelX(-10), -236);
    EXPECT_EQ(p.PixelDi(10, 10), (Pixel{236, 118}));
    EXPECT_NEAR(p.MmX(236), 236 / 600.0 / 0.03937, 1e-12);
    EXPECT_NEAR(p.MmY(118), 118 / 300.0 / 0.03937, 1e-12);
    // Each corner converted on its own.
    EXPECT_EQ(p.AreaDi({40.0, 30.4, 42.8, 33.2}), (AreaPixel{{944, 359}, {1011, 392}}));
    EXPECT_EQ(TmmPrinter(0, -1).PixelX(10), 0);  // no resolution reported
}

TEST(TmmPrinter, PiePaginaNumeraLePagineDallInizioDelDocumento) {
    TmmPrinter p(600, 600);
    p.BeginDoc();
    EXPECT_EQ(p.PiePagina(), "Pagina Nº 1");
    EXPECT_EQ(p.PiePagina(), "Pagina Nº 2");
    EXPECT_EQ(p.Pagina(), 3);
    p.BeginDoc();
    EXPECT_EQ(p.PiePagina(), "Pagina Nº 1");
    EXPECT_DOUBLE_EQ(YPiePagina(297, 4), 292);
    EXPECT_DOUBLE_EQ(XCentrata(210, 50), 80);
}

TEST(TmmPrinter, TestoRuotatoSiLeggeDalBassoVersoLAlto) {
    const Pixel origine{1000, 2000};
    // Along the text (x of the image) the printer row goes up; down the
    // glyphs (y of the image) it goes right.
    EXPECT_EQ(PixelRuotato({0, 0}, origine), origine);
    EXPECT_EQ(PixelRuotato({30, 0}, origine), (Pixel{1000, 1970}));
    EXPECT_EQ(PixelRuotato({0, 7}, origine), (Pixel{1007, 2000}));
    EXPECT_EQ(TmmPrinter(600, 600).DimensioneRuotata(36), 60);
    EXPECT_EQ(TmmPrinter(300, 300).DimensioneRuotata(60), 50);
}

}  // namespace
}  // namespace ludo
