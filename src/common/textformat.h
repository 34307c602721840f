#pragma once

#include <QDateTime>
#include <QString>

namespace velunto {

// A number with a fixed count of decimals and "." as decimal mark, rounded
// half away from zero. A tiny epsilon is added before rounding so that a
// value like 6.25 that arrives as 6.2499999... still reads "6.3". Values that
// are no finite number read as 0.
QString fixedDecimals(double value, int decimals);

// The one-decimal form of every figure the program shows ("85.0", "6.3").
inline QString oneDecimal(double value)
{
    return fixedDecimals(value, 1);
}

// Whole seconds as minutes ":" seconds, each with at least two digits
// ("03:07", "125:00"); negative values count as 0.
QString clockText(qint64 seconds);

// Date and time as protocols and best lists show them, whatever the
// system locale: "dd.MM.yyyy hh:mm:ss". An invalid value gives "".
QString germanDateTime(const QDateTime& time);

// Date-time values of the files: days since 30 December 1899, the fraction
// being the time of day (local time).
double daysFromDateTime(const QDateTime& time);
// Such a value in the form of germanDateTime. Values that no calendar date
// matches (NaN, infinities, beyond the year 9999) give "". Made from date and
// time of day alone: a local QDateTime would consult the time zone rules for
// every value, far too slow for a list of 100,000 results.
QString germanDateTimeFromDays(double days);

} // namespace velunto
