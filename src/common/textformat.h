#pragma once

#include <QDateTime>
#include <QString>

namespace velunto {

// A figure with one decimal and a point as decimal separator ("85.0",
// "6.3"): the value × 10 rounded half away from zero, with a tiny epsilon so
// that values such as 1/16 that binary fractions hold just below the half
// still round up.
QString oneDecimal(double value);

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

// Whole seconds as minutes ":" seconds, two digits each ("03:05"); negative
// values count as 0.
QString minutesSeconds(qint64 seconds);

} // namespace velunto
