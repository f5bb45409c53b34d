#include "ArchivioDiProva.h"
#include "core/io/Cp1252.h"
#include "core/printing/StampaArchivio.h"

using namespace ludo;
using ludo::test::tutto;

namespace {

constexpr double kEps = 1e-9;

// `quanti` contests of season 2010/11 numbered from 1, "Serie A", winning
// 1..8; then contest 1 of 2011/12 "Altri" winning 9, 10, 20..25.
ArchivioConcorsi archivio(int quanti) {
    ArchivioConcorsi a;
    for (int n = 1; n <= quanti; ++n) {
        a.InserisciOrdinato({2010, static_cast<std::uint8_t>(n), SerieA, 0xFFu});
    }
    a.InserisciOrdinato({2011, 1, Altri, (1u << 8) | (1u << 9) | (0x3Fu << 19)});
    return a;
}

// A monospaced table font 1.5 mm a character and 2 mm high, the footer
// 3 mm high: a row prints ceil(3 / 0.27) = 12 pixels, 3.24 mm.
MisureStampaArchivio misure(double larghezza, double altezza, double altezzaTesto = 2) {
    return {larghezza, altezza, altezzaTesto, 1.5, 3, [](const std::string& t) {
                return 1.5 * static_cast<double>(io::utf8Length(t));
            }};
}

// The top of each row of a page.
std::vector<double> alti(const PaginaStampaArchivio& p) {
    std::vector<double> y;
    for (std::size_t i = 0; i < p.celle.size(); i += 4) y.push_back(p.celle[i].area.y1);
    return y;
}

}  // namespace

TEST(StampaArchivio, TheTextsOfTheRangeWhateverTheirType) {
    const auto a = archivio(3);
    IntervalloRicerca i{SerieB, 2010, 2011, 3, 1};  // the type plays no part
    const auto righe = RigheStampaArchivio(a, i);
    ASSERT_EQ(righe.size(), 3u);
    EXPECT_EQ(righe[0], (std::vector<std::string>{"Stagione", "Nº", "Tipo", "Colonna Vincente"}));
    EXPECT_EQ(righe[1],
              (std::vector<std::string>{"2010/2011", "3", "Serie A", "1  2  3  4  5  6  7  8  "}));
    EXPECT_EQ(righe[2],
              (std::vector<std::string>{"2011/2012", "1", "Altri", "9  10 20 21 22 23 24 25 "}));
    EXPECT_EQ(RigheStampaArchivio(a, {TuttiITipi, 2012, 2012, 1, 1}).size(), 1u)
        << "the heading alone";
}

// Columns as wide as their widest text and a blank, rows a millimetre
// above the text height, through the 0.27 mm scale, 60 mm from the left.
TEST(StampaArchivio, CellsSizedToTheirTextsFromSixtyMillimetres) {
    const auto a = archivio(1);
    const auto s = ImpaginaStampaArchivio(a, tutto(a), misure(210, 297));
    EXPECT_EQ(s.titolo, "Stampa Archivio Colonnne");
    ASSERT_EQ(s.pagine.size(), 1u);
    const auto& celle = s.pagine[0].celle;
    ASSERT_EQ(celle.size(), 12u);
    // "2011/2012": 9 × 1.5 + 1.5 = 15 mm → 56 pixels with the rule, 15.12 mm;
    // "Nº": 4.5 mm → 17 pixels, 4.59 mm; "Serie A": 12 mm → 45, 12.15 mm;
    // the winning column, 24 characters: 37.5 mm → 139 pixels, 37.53 mm.
    const std::vector<double> bordi = {60, 75.12, 79.71, 91.86, 129.39};
    for (std::size_t c = 0; c < 4; ++c) {
        EXPECT_NEAR(celle[c].area.x1, bordi[c], 1e-6) << c;
        EXPECT_NEAR(celle[c].area.x2, bordi[c + 1], 1e-6) << c;
        EXPECT_NEAR(celle[c].testo.x, bordi[c] + 0.75, 1e-6) << "half a blank in";
    }
    EXPECT_NEAR(celle[0].area.y1, 15, kEps);
    EXPECT_NEAR(celle[0].area.y2, 18.24, 1e-6);
    EXPECT_NEAR(celle[0].testo.y, 15.62, 1e-6) << "centred down the row";
    EXPECT_EQ(celle[3].testo.testo, "Colonna Vincente");
    EXPECT_EQ(celle[7].testo.testo, "1  2  3  4  5  6  7  8  ");
    EXPECT_EQ(celle[8].testo.testo, "2011/2012");
    EXPECT_EQ(s.pagine[0].piede, "Pagina Nº 1");
}

// On A4 a page would hold 85 rows of 3.24 mm above its footer: it takes 63.
TEST(StampaArchivio, SixtyThreeRowsAPageAndTheHeadingAgain) {
    const auto a = archivio(99);  // 100 contests, 101 rows
    const auto s = ImpaginaStampaArchivio(a, tutto(a), misure(210, 297));
    ASSERT_EQ(s.pagine.size(), 2u);
    EXPECT_EQ(s.pagine[0].celle.size(), 63u * 4);
    EXPECT_EQ(s.pagine[0].celle[62 * 4 + 1].testo.testo, "62");

    const auto& seconda = s.pagine[1];
    ASSERT_EQ(seconda.celle.size(), (1u + 38u) * 4);
    EXPECT_EQ(seconda.celle[0].testo.testo, "Stagione");
    EXPECT_NEAR(seconda.celle[0].area.y1, 9.92, kEps);
    EXPECT_EQ(seconda.celle[5].testo.testo, "63");
    EXPECT_NEAR(seconda.celle[4].area.y1, 15, kEps);
    EXPECT_EQ(seconda.celle.back().testo.testo, "9  10 20 21 22 23 24 25 ");
}

// On A5 (210 mm high) the rows must end 1 mm above the footer at 206 mm:
// (206 - 1 - 15) / 3.24 = 58.6, so 58 rows a page.
TEST(StampaArchivio, AShortPageTakesTheRowsThatFitAboveItsFooter) {
    const auto a = archivio(129);  // 131 rows: 58, then 1 + 58, then 1 + 15
    const auto s = ImpaginaStampaArchivio(a, tutto(a), misure(148, 210));
    ASSERT_EQ(s.pagine.size(), 3u);
    EXPECT_EQ(alti(s.pagine[0]).size(), 58u);
    EXPECT_EQ(alti(s.pagine[1]).size(), 59u);
    EXPECT_EQ(alti(s.pagine[2]).size(), 16u);
    EXPECT_EQ(s.pagine[2].celle[5].testo.testo, "116");
    for (const auto& p : s.pagine) {
        EXPECT_LE(p.celle.back().area.y2, YPiePagina(210, 3) - SpazioSopraPiede);
    }
    EXPECT_EQ(s.pagine[2].piede, "Pagina Nº 3");
}

// A 5 mm font: rows of 6.21 mm, the repeated heading at 15 - 6.21 mm so that
// it does not run into the first row; and on a page 120 mm wide the table,
// 69.39 mm, stands centred.
TEST(StampaArchivio, LargeFontAndNarrowPage) {
    const auto a = archivio(60);
    const auto s = ImpaginaStampaArchivio(a, tutto(a), misure(120, 297, 5));
    ASSERT_GE(s.pagine.size(), 2u);
    const auto y = alti(s.pagine[1]);
    EXPECT_NEAR(y[0], 15 - 6.21, 1e-6);
    EXPECT_NEAR(y[1], 15, kEps);
    const auto& prima = s.pagine[0].celle;
    const double larghezza = prima[3].area.x2 - prima[0].area.x1;
    EXPECT_NEAR(prima[0].area.x1, (120 - larghezza) / 2, 1e-6);
}
