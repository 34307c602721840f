#include "common/numberformat.h"

#include <algorithm>
#include <cmath>

namespace velunto {

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

QString clockText(long long seconds)
{
    if (seconds < 0)
        seconds = 0;
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace velunto
