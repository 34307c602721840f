#include "common/binarystream.h"
#include "common/colorref.h"
#include "common/numeric.h"
#include "common/random.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace velunto;

TEST(Rnd, HalvesGoToTheEvenNeighbour)
{
    const struct { double in; int out; } cases[] = {
        {0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
        {2.4999, 2}, {2.5001, 3}, {22.0, 22}, {1e300, INT_MAX}, {-1e300, INT_MIN},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rnd(c.in), c.out) << c.in;
}

TEST(ColorRef, ByteOrderIsBlueGreenRed)
{
    EXPECT_EQ(toQColor(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(0xFF0000), QColor(0, 0, 255));
    EXPECT_EQ(fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
    EXPECT_EQ(fromQRgb(toQRgb(0xBB7D46)), 0xBB7D46);
}

TEST(RandomSource, FollowsTheLinearCongruentialRule)
{
    RandomSource r(0);
    // seed 0 -> 1 -> 134775814; values are the upper 32 bits of seed * n.
    EXPECT_EQ(r.below(100), 0);
    EXPECT_EQ(r.seed(), 1u);
    EXPECT_EQ(r.below(1000), static_cast<int>((134775814ull * 1000) >> 32));
    EXPECT_EQ(r.below(0), 0);

    RandomSource a(42), b(42);
    std::vector<int> x{1, 2, 3, 4, 5, 6, 7}, y = x;
    a.shuffle(x);
    // The exchange pass by hand.
    for (int i = 0; i < 7; ++i)
        std::swap(y[i], y[b.below(7)]);
    EXPECT_EQ(x, y);
    std::sort(x.begin(), x.end());
    EXPECT_EQ(x, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
}

TEST(ByteStream, RoundTripsValuesAndRefusesShortData)
{
    ByteWriter w;
    w.writeInt32(-5);
    w.writeDouble(0.1);
    w.writeStr(QStringLiteral("Größe €"));
    w.writeStr(QString());
    ByteReader r(w.data());
    EXPECT_EQ(r.readInt32(), -5);
    EXPECT_EQ(r.readDouble(), 0.1);
    EXPECT_EQ(r.readStr(), QStringLiteral("Größe €"));
    EXPECT_EQ(r.readStr(), QString());
    EXPECT_TRUE(r.atEnd());
    EXPECT_THROW(r.readInt32(), ReadError);

    // A string whose length claims more bytes than remain, or a negative one.
    for (std::int32_t len : {1000000000, -1, 3}) {
        ByteWriter bad;
        bad.writeInt32(len);
        bad.writeBytes("ab");
        ByteReader br(bad.data());
        EXPECT_THROW(br.readStr(), ReadError) << len;
    }
}
