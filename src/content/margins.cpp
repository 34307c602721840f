#include "content/margins.h"

#include <cmath>
#include <optional>

namespace velunto {

namespace {

constexpr double kMaxPairPercent = 60.0;
// Sums like 20,1 + 39,9 must count as exactly 60.
constexpr double kTolerance = 1e-9;

std::optional<double> percentOf(const QString& entry)
{
    QString text = entry.trimmed();
    text.replace(u',', u'.');
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool pairFits(const std::optional<double>& a, const std::optional<double>& b)
{
    return a && b && *a >= 0.0 && *b >= 0.0 && *a + *b <= kMaxPairPercent + kTolerance;
}

} // namespace

QString marginPercentText(double fraction)
{
    QString text = QString::number(fraction * 100.0, 'f', 1);
    text.replace(u'.', u',');
    return text;
}

MarginsCheck checkMargins(const QString& left, const QString& top, const QString& right,
                          const QString& bottom)
{
    const auto l = percentOf(left);
    const auto t = percentOf(top);
    const auto r = percentOf(right);
    const auto b = percentOf(bottom);
    if (!pairFits(t, b))
        return {false,
                {},
                QStringLiteral("Oberer und unterer Rand dürfen nicht negativ sein und in der "
                               "Summe maximal 60 % betragen.")};
    if (!pairFits(l, r))
        return {false,
                {},
                QStringLiteral("Linker und rechter Rand dürfen nicht negativ sein und in der "
                               "Summe maximal 60 % betragen.")};
    return {true, {*l / 100.0, *t / 100.0, *r / 100.0, *b / 100.0}, {}};
}

} // namespace velunto
