#include "exercise/gradingscale.h"

#include "common/colorref.h"
#include "common/textformat.h"
#include "common/numeric.h"
#include "exercise/exerciseoptions.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace velunto {

namespace {

const std::array<const char*, 6> kRatingWords = {"sehr gut",    "gut",        "befriedigend",
                                                 "ausreichend", "mangelhaft", "ungenügend"};

// Band colours from green (index 1) to red (index 6).
const std::array<ColorRef, 6> kBandColours = {0x00FF00, 0x00FFBF, 0x00FFFF,
                                              0x00E0FF, 0x00A0FF, 0x0000FF};
constexpr ColorRef kMarkerColour = 0xFFFF00;

int kindOf(const GradingScale& scale)
{
    const int k = scale.GradingScaleKind;
    return k >= 0 && k <= 4 ? k : GradingScaleKind::Grades1To6;
}

int highestPoints(int kind)
{
    return kind == GradingScaleKind::Points0To12 ? 12 : 15;
}

QString word(int index)
{
    if (index < 1 || index > 6)
        return {};
    return QString::fromUtf8(kRatingWords[index - 1]);
}

} // namespace

bool isPointsScale(const GradingScale& scale)
{
    const int k = kindOf(scale);
    return k == GradingScaleKind::Points0To15 || k == GradingScaleKind::Points0To12;
}

int gradeFromPerformance(double p, const GradingScale& scale)
{
    const int kind = kindOf(scale);
    if (isPointsScale(scale)) {
        for (int k = highestPoints(kind); k >= 0; --k)
            if (p >= scale.PointsThreshold[k])
                return k;
        return 0;
    }
    const int n = kind == GradingScaleKind::Grades1To6 ? 6 : 5;
    for (int k = 1; k <= n - 1; ++k)
        if (p >= scale.GradeThreshold[k])
            return kind == GradingScaleKind::Grades5To1 ? 6 - k : k;
    return kind == GradingScaleKind::Grades5To1 ? 1 : n;
}

QString ratingWord(int g, const GradingScale& scale)
{
    switch (kindOf(scale)) {
    case GradingScaleKind::Grades1To6:
        return word(g);
    case GradingScaleKind::Grades1To5:
        return g <= 5 ? word(g) : QString();
    case GradingScaleKind::Grades5To1:
        return g >= 1 && g <= 5 ? word(6 - g) : QString();
    case GradingScaleKind::Points0To15:
        return g >= 0 && g <= 15 ? word((18 - g) / 3) : QString();
    case GradingScaleKind::Points0To12:
        return g >= 0 && g <= 12 ? word((15 - g) / 3) : QString();
    }
    return {};
}

QString scaleWord(const GradingScale& scale)
{
    return isPointsScale(scale) ? QStringLiteral("Punkte") : QStringLiteral("Note");
}

void drawScale(QPainter& painter, const QRect& rect, double performance, const GradingScale& scale)
{
    const GradingScale s = checkedGrading(scale);
    const int kind = kindOf(s);
    const int top = rect.top() + 12;
    const int bottom = rect.top() + rect.height() - 12;
    const int barHeight = std::max(1, bottom - top);
    const int left = rect.left() + rnd(rect.width() * 0.4);
    const int right = rect.left() + rnd(rect.width() * 0.6);
    const auto yOf = [&](double v) { return top + rnd((1.0 - v) * barHeight); };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QFont small(QStringLiteral("Arial"));
    small.setPointSize(7);
    QFont bold = small;
    bold.setBold(true);
    const QPen pen(Qt::black, 1);

    const auto band = [&](double upper, double lower, int colourIndex, int label) {
        const int y0 = yOf(upper);
        const int y1 = yOf(lower);
        if (y1 <= y0)
            return;
        const QRect r(QPoint(left, y0), QPoint(right, y1));
        painter.fillRect(r, toQColor(kBandColours[std::clamp(colourIndex, 1, 6) - 1]));
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r);
        painter.setFont(bold);
        painter.drawText(r, Qt::AlignCenter, QString::number(label));
    };
    const auto tick = [&](double v) {
        const int y = yOf(v);
        painter.setPen(pen);
        painter.drawLine(left - 3, y, left - 1, y);
        painter.setFont(small);
        const QRect label(rect.left(), y - 10, left - 5 - rect.left(), 20);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(rnd(v * 100.0)) + QStringLiteral("%"));
    };

    if (isPointsScale(s)) {
        const int m = highestPoints(kind);
        for (int k = m; k >= 0; --k) {
            const double upper = k == m ? 1.0 : s.PointsThreshold[k + 1];
            band(upper, s.PointsThreshold[k], (18 - k) / 3, k);
        }
        tick(1.0);
        for (int k = m; k >= 0; --k)
            tick(s.PointsThreshold[k]);
    } else {
        std::array<double, 7> t = s.GradeThreshold;
        // The five-grade scales end at grade 5: its band reaches down to 0 %.
        if (kind != GradingScaleKind::Grades1To6)
            t[5] = 0.0;
        for (int k = 1; k <= 6; ++k) {
            if (t[k - 1] != t[k])
                band(t[k - 1], t[k], k, kind == GradingScaleKind::Grades5To1 ? 6 - k : k);
        }
        for (int k = 1; k <= 7; ++k)
            tick(t[k - 1]);
    }

    // The achieved performance.
    const double p = std::clamp(std::isfinite(performance) ? performance : 0.0, 0.0, 1.0);
    const int y = yOf(p);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(right, y, rect.left() + rect.width() - 1, y);
    QFont value(QStringLiteral("Arial"));
    value.setPointSize(8);
    value.setBold(true);
    painter.setFont(value);
    const QString text = oneDecimal(p * 100.0) + QStringLiteral(" %");
    const QRect textRect(right + 4, y - 16, rect.left() + rect.width() - right - 4, 15);
    painter.fillRect(painter.fontMetrics().boundingRect(textRect, Qt::AlignLeft, text),
                     toQColor(kMarkerColour));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignBottom, text);
    painter.restore();
}

} // namespace velunto
