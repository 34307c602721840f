#include "common/textformat.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

using namespace velunto;

TEST(TextFormat, DecimalsRoundHalfAwayFromZero)
{
    struct Case
    {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {100.0 / 16.0, 1, "6.3"}, // 6.25 held just below the half
        {0.85 * 100, 1, "85.0"},
        {84.95, 1, "85.0"},
        {84.94, 1, "84.9"},
        {200.0 / 3.0, 1, "66.7"},
        {0.05, 1, "0.1"},
        {100.0 * 0.145, 1, "14.5"},
        {100.0, 1, "100.0"},
        {0.0, 1, "0.0"},
        {-0.04, 1, "0.0"}, // no "-0.0"
        {-6.25, 1, "-6.3"},
        {1.0 / 3.0, 2, "0.33"},
        {0.125, 2, "0.13"},
        {2.5, 0, "3"},
        {std::numeric_limits<double>::quiet_NaN(), 1, "0.0"},
        {std::numeric_limits<double>::infinity(), 1, "0.0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fixedDecimals(c.value, c.decimals), QString::fromLatin1(c.text)) << c.value;
    EXPECT_EQ(oneDecimal(100.0 / 16.0), QStringLiteral("6.3"));
}

TEST(TextFormat, ClockTextHasTwoDigitsAtLeast)
{
    EXPECT_EQ(clockText(0), QStringLiteral("00:00"));
    EXPECT_EQ(clockText(187), QStringLiteral("03:07"));
    EXPECT_EQ(clockText(7500), QStringLiteral("125:00"));
    EXPECT_EQ(clockText(-5), QStringLiteral("00:00"));
}

TEST(TextFormat, DateTimeValuesCountDaysFromTheEndOf1899)
{
    const QDateTime t(QDate(2024, 3, 5), QTime(14, 30, 15));
    EXPECT_DOUBLE_EQ(daysFromDateTime(t), 45356.0 + (14 * 3600 + 30 * 60 + 15) / 86400.0);
    EXPECT_EQ(germanDateTimeFromDays(daysFromDateTime(t)), QStringLiteral("05.03.2024 14:30:15"));
    EXPECT_EQ(germanDateTime(t), QStringLiteral("05.03.2024 14:30:15"));
    EXPECT_EQ(germanDateTimeFromDays(45356.0 + 86399.9996 / 86400), QStringLiteral("06.03.2024 00:00:00"));
    EXPECT_EQ(germanDateTimeFromDays(2.25), QStringLiteral("01.01.1900 06:00:00"));
    // Before day zero the fraction still counts from midnight.
    EXPECT_EQ(germanDateTimeFromDays(-1.25), QStringLiteral("28.12.1899 18:00:00"));
    for (const double bad : {std::nan(""), std::numeric_limits<double>::infinity(), 1e300,
                             -1e18, 2958466.0})
        EXPECT_EQ(germanDateTimeFromDays(bad), QString()) << bad;
}
