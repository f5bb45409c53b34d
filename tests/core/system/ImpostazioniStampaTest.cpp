#include <limits>

#include "TestSupport.h"
#include "core/system/ImpostazioniStampa.h"

using namespace ludo;
using namespace ludo::test;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

void appendGeometria(Bytes& b, const std::array<double, 9>& valori) {
    for (double v : valori) appendDouble(b, v);
}

template <typename Blocco>
bool carica(Blocco& blocco, const Bytes& bytes) {
    return blocco.Carica(Lettura(bytes));
}

}  // namespace

TEST(ImpostazioniStampa, SlipBlockIsBothGeometriesThenCountAndFlags) {
    // StampaScritta, StampaConcorsoCedolina, Orizzontale, ColonnePerSchedina.
    const SlipPrintSettings s{true,
                              false,
                              false,
                              4,
                              {SlipGeometry{41.5, 30.0, 2.0, 1.4, 9.5, 90.0, 91.0, 3.0, 2.5},
                               SlipGeometry{39.0, 33.3, 1.7, 1.2, 9.1, 95.0, 96.0, 2.6, 2.7}}};
    Bytes b;
    appendGeometria(b, {41.5, 30.0, 2.0, 1.4, 9.5, 90.0, 91.0, 3.0, 2.5});
    appendGeometria(b, {39.0, 33.3, 1.7, 1.2, 9.1, 95.0, 96.0, 2.6, 2.7});
    appendLE(b, 4, 4);
    b.insert(b.end(), {0, 1, 0});  // Orizzontale, StampaScritta, StampaConcorsoCedolina
    ASSERT_EQ(b.size(), 151u);

    EXPECT_EQ(scritto([&](io::BinaryWriter& w) { return s.Salva(w); }), b);
    SlipPrintSettings letto;
    ASSERT_TRUE(carica(letto, b));
    EXPECT_EQ(letto, s);
}

TEST(ImpostazioniStampa, ListingBlockKeepsOnlyTheKnownStyleBits) {
    TImpTabulato t{3, 12, "Liberation Sans", 10, StileGrassetto | StileSottolineato};
    Bytes b;
    for (const int campo : {3, 12}) appendLE(b, campo, 4);
    appendShortString(b, "Liberation Sans", 30);
    for (const int campo : {10, 5}) appendLE(b, campo, 4);

    b[43] = 0xF5;  // unknown bits around bold and underline
    b[46] = 0x80;
    TImpTabulato letto;
    letto.StileFont = StileCorsivo | StileBarrato;  // cleared before the bits are added
    ASSERT_TRUE(carica(letto, b));
    EXPECT_EQ(letto, t);

    b.resize(41);  // half of the size
    TImpTabulato corto;
    corto.StileFont = StileCorsivo;
    EXPECT_FALSE(carica(corto, b));
    EXPECT_EQ(corto, (TImpTabulato{3, 12, "Liberation Sans", 8, StileCorsivo}))
        << "the style is not cleared";
}

TEST(ImpostazioniStampa, DamagedValuesTakeTheirDefaults) {
    Bytes b;
    appendGeometria(b, {kNaN, 30.0, std::numeric_limits<double>::infinity(), 1.4, 1e300, 90.0,
                        -20000.0, 3.0, 2.5});
    appendGeometria(b, {39.0, kNaN, 1.7, 1.2, 9.1, 95.0, 96.0, 2.6, -kNaN});
    appendLE(b, 0, 4);  // columns per slip
    b.insert(b.end(), {1, 1, 1});
    SlipPrintSettings s;
    ASSERT_TRUE(carica(s, b));
    EXPECT_EQ(s.Geometrie[0], (SlipGeometry{40.0, 30.0, 1.8, 1.4, 9.3, 90.0, 93.8, 3.0, 2.5}));
    EXPECT_EQ(s.Geometrie[1], (SlipGeometry{39.0, 32.9, 1.7, 1.2, 9.1, 95.0, 96.0, 2.6, 2.8}));
    for (auto [letto, atteso] : {std::pair{0, 6}, {7, 6}, {1, 1}}) {
        b[144] = static_cast<std::uint8_t>(letto);
        ASSERT_TRUE(carica(s, b));
        EXPECT_EQ(s.ColonnePerSchedina, atteso) << "read " << letto;
    }

    Bytes t;
    for (const int campo : {0, 21}) appendLE(t, campo, 4);
    appendShortString(t, "Arial", 30);
    for (const std::uint32_t campo : {0xFFFFFFFFu, 0u}) appendLE(t, campo, 4);
    TImpTabulato tab;
    ASSERT_TRUE(carica(tab, t));
    EXPECT_EQ(tab, (TImpTabulato{4, 4, "Arial", 8, 0}));
}
