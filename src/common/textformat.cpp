#include "common/textformat.h"

#include <algorithm>
#include <cmath>

namespace velunto {

namespace {
const QDate kDayZero(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;
// 1 January 100 to 31 December 9999, relative to day zero.
constexpr double kFirstDay = -657434.0;
constexpr double kLastDay = 2958465.0;
} // namespace

QString fixedDecimals(double value, int decimals)
{
    if (!std::isfinite(value))
        value = 0.0;
    decimals = std::clamp(decimals, 0, 9);
    const double scale = std::pow(10.0, decimals);
    const double magnitude = std::floor(std::abs(value) * scale + 0.5 + 1e-7);
    const bool negative = value < 0.0 && magnitude > 0.0;
    QString digits = QString::number(magnitude, 'f', 0);
    if (decimals > 0) {
        if (digits.size() <= decimals)
            digits.prepend(QString(decimals + 1 - digits.size(), QLatin1Char('0')));
        digits.insert(digits.size() - decimals, QLatin1Char('.'));
    }
    return negative ? QLatin1Char('-') + digits : digits;
}

QString clockText(qint64 seconds)
{
    if (seconds < 0)
        seconds = 0;
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString germanDateTime(const QDateTime& time)
{
    return time.isValid() ? time.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss")) : QString();
}

QString germanDateTimeFromDays(double days)
{
    if (!std::isfinite(days) || days < kFirstDay || days >= kLastDay + 1.0)
        return {};
    double whole = std::floor(days);
    // The fraction counts from midnight also before day zero, where whole
    // days are negative.
    qint64 ms = qint64(std::llround((days - whole) * kMsPerDay));
    if (ms >= qint64(kMsPerDay)) {
        ms -= qint64(kMsPerDay);
        whole += 1;
    }
    return kDayZero.addDays(qint64(whole)).toString(QStringLiteral("dd.MM.yyyy")) + u' ' +
           QTime::fromMSecsSinceStartOfDay(int(ms)).toString(QStringLiteral("hh:mm:ss"));
}

double daysFromDateTime(const QDateTime& time)
{
    if (!time.isValid())
        return 0.0;
    const double whole = double(kDayZero.daysTo(time.date()));
    return whole + time.time().msecsSinceStartOfDay() / kMsPerDay;
}

} // namespace velunto
