
#include "TestSupport.h"

using namespace ludo::io;
using ludo::test::Bytes;

TEST(BinaryReader, ReadsLittleEndianFieldsOfEveryWidth) {
    Bytes b;
    ludo::test::appendLE(b, 0x12, 1);
    ludo::test::appendLE(b, 0xBEEF, 2);
    ludo::test::appendLE(b, 0xFFFFFE70, 4);  // -400
    ludo::test::appendLE(b, 0x0102030405060708ULL, 8);
    ludo::test::appendLE(b, 0x4089000000000000ULL, 8);  // 800.0
    ludo::test::Lettura l(b);
    BinaryReader& r = l.r;
    std::uint8_t u8 = 0;
    std::uint16_t u16 = 0;
    std::int32_t i32 = 0;
    std::uint64_t u64 = 0;
    double d = 0;
    ASSERT_TRUE(r.read(u8) && r.read(u16) && r.read(i32) && r.read(u64) && r.read(d));
    EXPECT_EQ(std::tuple(u8, u16, i32, u64, d), std::tuple(0x12, 0xBEEF, -400, 0x0102030405060708ULL, 800.0));
    EXPECT_TRUE(r.atEnd());
}

TEST(BinaryReader, ShortReadKeepsTheOldValueAndStopsTheChain) {
    ludo::test::Lettura l({0x01, 0x02, 0x03});  // one byte short of a 32-bit field
    BinaryReader& r = l.r;
    std::uint32_t value = 77;
    EXPECT_FALSE(r.read(value));
    EXPECT_EQ(value, 77u);
    EXPECT_FALSE(r.ok());
    std::uint8_t next = 9;
    EXPECT_FALSE(r.read(next)) << "after a short read nothing more is read";
    EXPECT_EQ(next, 9);
}

TEST(BinaryReader, ALargeShortReadLeavesTheBufferUntouchedAndSkippingPastTheEndFails) {
    ludo::test::Lettura cento(Bytes(100, 0xAA));
    Bytes dest(1000, 0x11);
    EXPECT_FALSE(cento.r.readBytes(dest));
    EXPECT_EQ(dest, Bytes(1000, 0x11));

    ludo::test::Lettura dieci(Bytes(10, 0));
    EXPECT_TRUE(dieci.r.skip(10));
    EXPECT_FALSE(dieci.r.skip(1));
}

TEST(BinaryWriter, WritesLittleEndianAndStopsAtTheFirstFailure) {
    std::ostringstream out(std::ios::binary);
    BinaryWriter w(out);
    EXPECT_TRUE(w.write(std::int32_t{400}));
    EXPECT_TRUE(w.write(true));
    EXPECT_TRUE(w.write(std::uint16_t{0x0102}));
    EXPECT_TRUE(w.write(0.5));
    const auto s = out.str();
    EXPECT_EQ(Bytes(s.begin(), s.end()),
              (Bytes{0x90, 0x01, 0x00, 0x00, 0x01, 0x02, 0x01, 0, 0, 0, 0, 0, 0, 0xE0, 0x3F}));

    out.setstate(std::ios::badbit);
    EXPECT_FALSE(w.write(std::uint8_t{1}));
    out.clear();
    EXPECT_FALSE(w.write(std::uint8_t{1})) << "a writer that failed once stays failed";
}
