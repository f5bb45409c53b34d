#include <cmath>

#include "TestSupport.h"
#include "core/io/Real48.h"

using namespace ludo::io;

TEST(Real48, KnownEncodingsAndAZeroExponentMeansZeroWhateverTheFraction) {
    for (const auto& [v, r] : {std::pair{0.0, Real48{0, 0, 0, 0, 0, 0}}, {1.0, Real48{0x81, 0, 0, 0, 0, 0}},
                               {100.0, Real48{0x87, 0, 0, 0, 0, 0x48}}, {-0.5, Real48{0x80, 0, 0, 0, 0, 0x80}}}) {
        EXPECT_EQ(toReal48(v), r) << v;
        EXPECT_EQ(fromReal48(r), v) << v;
    }
    EXPECT_EQ(fromReal48({0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), 0.0);
}

TEST(Real48, RoundTripKeepsThirtyNineBitsOfPrecision) {
    for (double v : {0.41316551927159, 12.34, 99.99, -3.75, 1e-30, 1e30, 0.01}) {
        const double back = fromReal48(toReal48(v));
        EXPECT_NEAR(back, v, std::fabs(v) * 2e-12) << v;
    }
}

TEST(Real48, RoundingCarriesIntoTheExponent) {
    // Just below 2.0: the fraction rounds up to 2^39, which must become 2.0.
    const double almostTwo = 2.0 - std::ldexp(1.0, -45);
    EXPECT_EQ(toReal48(almostTwo), toReal48(2.0));
    EXPECT_EQ(fromReal48(toReal48(almostTwo)), 2.0);
}

TEST(Real48, OutOfRangeValuesAreClampedNotWrapped) {
    EXPECT_EQ(toReal48(1e-60), (Real48{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(toReal48(std::nan("")), (Real48{0, 0, 0, 0, 0, 0}));
    const Real48 huge = toReal48(1e80);
    EXPECT_EQ(huge[0], 255);
    EXPECT_GT(fromReal48(huge), 1e38);
    EXPECT_LT(fromReal48(toReal48(-1e80)), -1e38);
}

TEST(Real48, ReadAndWriteThroughStreams) {
    EXPECT_EQ(ludo::test::scritto([](BinaryWriter& w) { return writeReal48(w, 100.0); }),
              (ludo::test::Bytes{0x87, 0, 0, 0, 0, 0x48}));

    ludo::test::Lettura l({0x87, 0, 0, 0, 0, 0x48, 0x81, 0, 0});
    double v = 0;
    ASSERT_TRUE(readReal48(l.r, v));
    EXPECT_EQ(v, 100.0);
    double keep = 7.0;
    EXPECT_FALSE(readReal48(l.r, keep)) << "only three bytes of the second real";
    EXPECT_EQ(keep, 7.0);
}
