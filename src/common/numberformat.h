#pragma once

#include <QString>

namespace velunto {

// A number with a fixed count of decimals and "." as decimal mark, rounded
// half away from zero. A tiny epsilon is added before rounding so that a
// value like 6.25 that arrives as 6.2499999... still reads "6.3".
QString fixedDecimals(double value, int decimals);

// The one-decimal form of every figure the exercises show ("85.0", "6.3").
inline QString oneDecimal(double value)
{
    return fixedDecimals(value, 1);
}

// Minutes ":" seconds, each with at least two digits ("03:07", "125:00");
// negative values count as 0.
QString clockText(long long seconds);

} // namespace velunto
