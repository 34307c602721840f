#include "common/textformat.h"

#include <cmath>

namespace velunto {

namespace {
const QDate kDayZero(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;
// 1 January 100 to 31 December 9999, relative to day zero.
constexpr double kFirstDay = -657434.0;
constexpr double kLastDay = 2958465.0;
} // namespace

QString oneDecimal(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    const double tenths = value * 10.0;
    const double rounded =
        tenths >= 0 ? std::floor(tenths + 0.5 + 1e-9) : -std::floor(-tenths + 0.5 + 1e-9);
    QString text = QString::number(rounded / 10.0, 'f', 1);
    if (text == QLatin1String("-0.0"))
        text = QStringLiteral("0.0");
    return text;
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

QString minutesSeconds(qint64 seconds)
{
    if (seconds < 0)
        seconds = 0;
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace velunto
