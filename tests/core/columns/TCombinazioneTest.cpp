#include "TestSupport.h"
#include "core/columns/TCombinazione.h"

using namespace ludo;
using namespace ludo::test;

namespace {

std::vector<int> numeri(const TCombinazione& c) {
    std::vector<int> v;
    for (int p = 1; p <= c.Quanti; ++p) v.push_back(c.Numero(p));
    return v;
}

// The record as laid out on disk: count, then 100 numbers of 2 bytes.
Bytes record(int quanti, const std::vector<int>& primi) {
    Bytes b;
    appendLE(b, static_cast<std::uint16_t>(quanti), 2);
    for (std::size_t i = 0; i < 100; ++i)
        appendLE(b, static_cast<std::uint16_t>(i < primi.size() ? primi[i] : 0), 2);
    return b;
}

}  // namespace

TEST(TCombinazione, AggiungiSkipsRepeatsSortsAndStopsAtOneHundred) {
    TCombinazione c;
    const std::uint8_t primi[] = {9, 3, 9, 1, 200};
    c.Aggiungi(primi);
    EXPECT_EQ(numeri(c), (std::vector<int>{1, 3, 9, 200}));
    const std::uint8_t altri[] = {3, 2};
    c.Aggiungi(altri);
    EXPECT_EQ(numeri(c), (std::vector<int>{1, 2, 3, 9, 200}));

    std::vector<std::uint8_t> tanti;
    for (int n = 120; n >= 1; --n) tanti.push_back(static_cast<std::uint8_t>(n));
    TCombinazione piena;
    piena.Aggiungi(tanti);
    ASSERT_EQ(piena.Quanti, 100);
    EXPECT_EQ(piena.Numero(1), 21) << "the first hundred given are kept";
    EXPECT_EQ(piena.Numero(100), 120);
}

TEST(TCombinazione, OrdinaAndContieneSeeOnlyTheFirstQuantiPlaces) {
    TCombinazione c;
    for (int p = 1; p <= 6; ++p)
        c.Numero(p) = static_cast<std::int16_t>(std::vector<int>{7, -2, 7, 30, 1, 0}[p - 1]);
    c.Create(5);
    c.Ordina();
    EXPECT_EQ(numeri(c), (std::vector<int>{-2, 1, 7, 7, 30}));
    EXPECT_EQ(c.Numero(6), 0) << "the place past the count is not touched";
    EXPECT_TRUE(c.Contiene(30));
    EXPECT_FALSE(c.Contiene(0));

    c.Create(150);
    EXPECT_EQ(c.Quanti, 100);
    c.Create(-1);
    EXPECT_EQ(c.Quanti, 0);
    EXPECT_FALSE(c.Contiene(-2));
}

TEST(TCombinazione, MaskConversionsKeepOnlyNumbersOneToThirtyTwo) {
    TCombinazione c;
    c.DaMaschera(0x80000005u);
    EXPECT_EQ(numeri(c), (std::vector<int>{1, 3, 32}));
    EXPECT_EQ(c.Maschera(), 0x80000005u);
    const std::uint8_t fuori[] = {0, 33, 100};
    c.Aggiungi(fuori);
    EXPECT_EQ(c.Quanti, 6);
    EXPECT_EQ(c.Maschera(), 0x80000005u);
    c.DaMaschera(0);
    EXPECT_EQ(c.Quanti, 0);

    TCombinazione copia;
    c.DaMaschera(0xF0u);
    copia.Assegna(c);
    EXPECT_EQ(numeri(copia), (std::vector<int>{5, 6, 7, 8}));
}

TEST(TCombinazione, ScriviWritesTheCountAndAllHundredPlaces) {
    TCombinazione c;
    c.Numero(1) = 4;
    c.Numero(2) = 31;
    c.Numero(3) = -1;  // past the count: written all the same
    c.Numero(100) = 0x1234;
    c.Create(2);
    Bytes attesi = record(2, {4, 31, 0xFFFF});
    attesi[200] = 0x34;
    attesi[201] = 0x12;
    EXPECT_EQ(scritto([&](io::BinaryWriter& w) { return c.Scrivi(w); }), attesi);
    EXPECT_EQ(attesi.size(), TCombinazione::kByteRecord);
}

TEST(TCombinazione, LeggiTakesTheWholeRecordAndTamesAHostileCount) {
    Bytes b = record(3, {2, 11, 29, -7});
    appendLE(b, 0xABCD, 2);  // the next field of a larger file
    Lettura l(b);
    TCombinazione c;
    ASSERT_TRUE(c.Leggi(l.r));
    EXPECT_EQ(numeri(c), (std::vector<int>{2, 11, 29}));
    EXPECT_EQ(c.Numero(4), -7);
    std::uint16_t dopo = 0;
    ASSERT_TRUE(l.r.read(dopo));
    EXPECT_EQ(dopo, 0xABCD);

    for (const auto& [nelFile, atteso] :
         std::vector<std::pair<int, int>>{{101, 100}, {0x7FFF, 100}, {-5, 0}}) {
        ASSERT_TRUE(c.Leggi(Lettura(record(nelFile, {1, 2}))));
        EXPECT_EQ(c.Quanti, atteso) << nelFile;
        EXPECT_FALSE(c.Contiene(12345)) << "the search stays inside the places";
    }

    auto corto = record(3, {5, 6, 7});
    corto.pop_back();
    c.DaMaschera(0x3u);
    EXPECT_FALSE(c.Leggi(Lettura(corto)));
    EXPECT_EQ(numeri(c), (std::vector<int>{1, 2})) << "a short record changes nothing";
}
