#include "common/numberformat.h"

#include <gtest/gtest.h>

using namespace velunto;

TEST(NumberFormat, DecimalsRoundHalfAwayFromZero)
{
    struct Case
    {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {100.0 / 16.0, 1, "6.3"},
        {85.0, 1, "85.0"},
        {0.0, 1, "0.0"},
        {200.0 / 3.0, 1, "66.7"},
        {100.0 / 3.0, 1, "33.3"},
        {0.05, 1, "0.1"},
        {-0.25, 1, "-0.3"},
        {-0.01, 1, "0.0"},
        {1.0 / 3.0, 2, "0.33"},
        {2.0 / 3.0, 2, "0.67"},
        {2.5, 0, "3"},
        {7.0, 0, "7"},
        {100.0 * 0.145, 1, "14.5"},
        {0.125, 2, "0.13"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fixedDecimals(c.value, c.decimals), QString::fromLatin1(c.text)) << c.value;
    EXPECT_EQ(oneDecimal(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("0.0"));
}

TEST(NumberFormat, ClockText)
{
    EXPECT_EQ(clockText(0), QStringLiteral("00:00"));
    EXPECT_EQ(clockText(187), QStringLiteral("03:07"));
    EXPECT_EQ(clockText(7500), QStringLiteral("125:00"));
    EXPECT_EQ(clockText(-5), QStringLiteral("00:00"));
}
