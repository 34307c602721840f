#include "common/textformat.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

using namespace velunto;

TEST(TextFormat, OneDecimalRoundsHalvesAwayFromZero)
{
    const std::pair<double, const char*> cases[] = {
        {85.0, "85.0"},   {100.0 / 16, "6.3"}, {0.85 * 100, "85.0"}, {84.95, "85.0"},
        {84.94, "84.9"},  {0.0, "0.0"},        {-0.04, "0.0"},       {-6.25, "-6.3"},
        {2.0 / 3 * 100, "66.7"}, {100.0, "100.0"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(oneDecimal(value), QString::fromLatin1(text)) << value;
}

TEST(TextFormat, DateTimeValuesCountDaysFromTheEndOf1899)
{
    const QDateTime t(QDate(2024, 3, 5), QTime(14, 30, 15));
    EXPECT_DOUBLE_EQ(daysFromDateTime(t), 45356.0 + (14 * 3600 + 30 * 60 + 15) / 86400.0);
    EXPECT_EQ(germanDateTimeFromDays(daysFromDateTime(t)), QStringLiteral("05.03.2024 14:30:15"));
    EXPECT_EQ(germanDateTime(t), QStringLiteral("05.03.2024 14:30:15"));
    EXPECT_EQ(germanDateTimeFromDays(45356.0 + 86399.9996 / 86400), QStringLiteral("06.03.2024 00:00:00"));
    EXPECT_EQ(germanDateTimeFromDays((2.25)), QStringLiteral("01.01.1900 06:00:00"));
    // Before day zero the fraction still counts from midnight.
    EXPECT_EQ(germanDateTimeFromDays((-1.25)), QStringLiteral("28.12.1899 18:00:00"));
    for (const double bad : {std::nan(""), std::numeric_limits<double>::infinity(), 1e300,
                             -1e18, 2958466.0})
        EXPECT_EQ(germanDateTimeFromDays((bad)), QString()) << bad;
}

TEST(TextFormat, MinutesAndSecondsHaveTwoDigitsEach)
{
    EXPECT_EQ(minutesSeconds(0), QStringLiteral("00:00"));
    EXPECT_EQ(minutesSeconds(65), QStringLiteral("01:05"));
    EXPECT_EQ(minutesSeconds(6000), QStringLiteral("100:00"));
    EXPECT_EQ(minutesSeconds(-3), QStringLiteral("00:00"));
}
