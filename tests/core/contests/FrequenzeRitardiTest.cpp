
#include "TestSupport.h"
#include "core/contests/T_FrequenzeRitardi.h"

using namespace ludo;
using namespace ludo::test;

TEST(FrequenzeRitardi, ANewValueGrowsBothListsWithZeroDelays) {
    T_FrequenzeRitardi t(2);
    t.AggiungiConcorso(1, 1, true);
    t.AggiungiConcorso(3, 5, true);
    EXPECT_EQ(std::pair(t.MaxValore(), t.NumConcorsi()), std::pair(5, 2));
    // Values 3 to 5 appeared for the first time with the second contest:
    // they were created at 0 and then aged by that contest only.
    EXPECT_EQ(
        t.ListaPunti(),
        (std::vector<TElemRFRM>{{0, 2, 2}, {1, 1, 1}, {0, 2, 2}, {1, 0, 0}, {0, 1, 1}, {0, 1, 1}}));
    EXPECT_EQ(
        t.ListaCons(),
        (std::vector<TElemRFRM>{{0, 2, 2}, {1, 1, 1}, {0, 2, 2}, {0, 1, 1}, {0, 1, 1}, {1, 0, 0}}));
}

TEST(FrequenzeRitardi, WithoutUpdateNoDelayMovesNotEvenTheHitOne) {
    T_FrequenzeRitardi t(3);
    t.AggiungiConcorso(0, 0, true);
    t.AggiungiConcorso(1, 2, true);  // delays now: punti 0 → 1, 1 → 0, 2 → 2
    const auto primaP = t.ListaPunti();
    t.AggiungiConcorso(0, 2, false);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(t.ListaPunti()[i].Ritardo, primaP[i].Ritardo) << i;
        EXPECT_EQ(t.ListaPunti()[i].RitardoMax, primaP[i].RitardoMax) << i;
    }
    EXPECT_EQ(t.ListaPunti()[0].Frequenza, 2);
    EXPECT_EQ(t.ListaCons()[2].Frequenza, 2);
    EXPECT_EQ(t.NumConcorsi(), 3);
}

TEST(FrequenzeRitardi, GettersFollowLeggiPunti) {
    T_FrequenzeRitardi t(2);
    t.AggiungiConcorso(1, 2, true);
    EXPECT_EQ(t.Frequenza(1), 1);
    EXPECT_EQ(t.Frequenza(2), 0);
    t.ImpostaLeggiPunti(false);
    EXPECT_EQ(t.Frequenza(1), 0);
    EXPECT_EQ(t.Frequenza(2), 1);
    EXPECT_EQ(t.Ritardo(0), 1);
    EXPECT_EQ(t.Frequenza(99), 0) << "out of range reads as zero";
}

namespace {
Bytes recordTabella(std::int32_t maxValore, std::int32_t concorsi, std::uint8_t riservato,
                    int base) {
    Bytes b;
    appendLE(b, static_cast<std::uint32_t>(maxValore), 4);
    appendLE(b, static_cast<std::uint32_t>(concorsi), 4);
    b.push_back(riservato);
    for (int i = 0; i <= maxValore; ++i) {
        for (int k = 0; k < 6; ++k) appendLE(b, static_cast<std::uint32_t>(base + 10 * i + k), 4);
    }
    return b;
}
}  // namespace

TEST(FrequenzeRitardi, RecordMatchesTheLayoutAndDamagedOnesLeaveTheTableAsItWas) {
    const Bytes b = recordTabella(1, 7, 3, 100);
    T_FrequenzeRitardi t;
    ASSERT_TRUE(t.Leggi(Lettura(b)));
    EXPECT_EQ(std::tuple(t.MaxValore(), t.NumConcorsi(), t.Riservato), std::tuple(1, 7, 3));
    EXPECT_EQ(t.ListaPunti(), (std::vector<TElemRFRM>{{100, 101, 102}, {110, 111, 112}}));
    EXPECT_EQ(t.ListaCons(), (std::vector<TElemRFRM>{{103, 104, 105}, {113, 114, 115}}));
    EXPECT_EQ(scritto([&](io::BinaryWriter& w) { return t.Scrivi(w); }), b);

    const T_FrequenzeRitardi prima = t;
    Bytes corto = recordTabella(3, 1, 0, 0);
    corto.resize(corto.size() - 1);
    EXPECT_FALSE(t.Leggi(Lettura(corto)));
    EXPECT_EQ(t, prima);
    for (std::uint32_t bad : {0xFFFFFFFFu, 0x7FFFFFFFu}) {  // negative, absurd
        Bytes b2;
        appendLE(b2, bad, 4);
        appendLE(b2, 0, 4);
        b2.push_back(0);
        EXPECT_FALSE(t.Leggi(Lettura(b2)));
        EXPECT_EQ(t, prima);
    }
}
