#include "exercise/gradingscaleentries.h"

#include "common/textformat.h"

#include <QStringList>

#include <cmath>

namespace velunto {

namespace {

QString entryText(double fraction)
{
    return oneDecimal(fraction * 100).replace(u'.', u',');
}

bool inRange(std::optional<double> v)
{
    return v && *v >= 0.0 && *v <= 100.0;
}

} // namespace

GradingScaleEntries GradingScaleEntries::from(const GradingScale& scale)
{
    GradingScaleEntries e;
    e.kind = scale.GradingScaleKind;
    for (int k = 1; k <= 6; ++k)
        e.grades[size_t(k)] = entryText(scale.GradeThreshold[size_t(k)]);
    for (int k = 0; k <= 15; ++k)
        e.points[size_t(k)] = entryText(scale.PointsThreshold[size_t(k)]);
    return e;
}

std::optional<double> entryPercent(const QString& text)
{
    QString t = text.trimmed();
    t.replace(u',', u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

std::variant<GradingScale, QString> gradingScaleFromEntries(const GradingScaleEntries& entries)
{
    const QString rangeNote =
        QStringLiteral("Alle Werte müssen im Bereich von 0 bis 100% liegen.\r\n");
    std::array<std::optional<double>, 7> grades;
    for (int k = 1; k <= 6; ++k)
        grades[size_t(k)] = k == 6 ? 0.0 : entryPercent(entries.grades[size_t(k)]);
    for (int k = 1; k <= 5; ++k) {
        const auto v = grades[size_t(k)];
        const auto below = grades[size_t(k + 1)];
        if (!inRange(v) || (below && *v < *below))
            return rangeNote + QStringLiteral("Der Wert für Note %1 darf nicht kleiner sein als "
                                              "der Wert für Note %2.")
                                   .arg(k)
                                   .arg(k + 1);
    }
    std::array<std::optional<double>, 16> points;
    for (int k = 0; k <= 15; ++k)
        points[size_t(k)] = k == 0 ? 0.0 : entryPercent(entries.points[size_t(k)]);
    const int top = entries.kind == 4 ? 12 : 15;
    for (int k = top; k >= 1; --k) {
        const auto v = points[size_t(k)];
        const auto below = points[size_t(k - 1)];
        if (!inRange(v) || (below && *v < *below))
            return rangeNote + QStringLiteral("Der Wert für %1 Punkte darf nicht kleiner sein als "
                                              "der Wert für %2 Punkte.")
                                   .arg(k)
                                   .arg(k - 1);
    }
    GradingScale scale;
    scale.GradingScaleKind = entries.kind;
    for (int k = 1; k <= 5; ++k)
        scale.GradeThreshold[size_t(k)] = *grades[size_t(k)] / 100.0;
    for (int k = 1; k <= 15; ++k) {
        // Rows hidden on the 0-to-12 scale keep what they hold when it is
        // a usable fraction.
        const auto v = points[size_t(k)];
        scale.PointsThreshold[size_t(k)] =
            inRange(v) ? *v / 100.0 : GradingScale{}.PointsThreshold[size_t(k)];
    }
    return scale;
}

QString gradeRowLabel(int kind, int row)
{
    static const char* const words[] = {"sehr gut", "gut", "befriedigend", "ausreichend",
                                        "mangelhaft", "ungenügend"};
    if (row < 1 || row > 6)
        return {};
    if (row == 6 && (kind == 1 || kind == 3))
        return {};
    const int number = kind == 3 ? 6 - row : row;
    return QStringLiteral("Note %1 - ").arg(number) + QString::fromUtf8(words[row - 1]);
}

int recommendedGradePercent(int row)
{
    return row >= 1 && row <= 5 ? 100 - 15 * row : 0;
}

int recommendedPointsPercent(int points)
{
    return points >= 1 && points <= 15 ? 20 + 5 * points : 0;
}

QStringList gradingScaleKindItems()
{
    return {QStringLiteral("Notenskala: 1 (beste) bis 6"), QStringLiteral("Notenskala: 1 (beste) bis 5"),
            QStringLiteral("Punkteskala: 0 bis 15 (beste)"),
            QStringLiteral("Notenskala: 1 bis 5 (beste)"),
            QStringLiteral("Punkteskala: 0 bis 12 (beste)")};
}

} // namespace velunto
