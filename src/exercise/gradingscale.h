#pragma once

#include "shell/settings.h"

#include <QRect>
#include <QString>

class QPainter;

namespace velunto {

namespace GradingScaleKind {
enum : int {
    Grades1To6 = 0,  // 1 (best) to 6
    Grades1To5 = 1,  // 1 (best) to 5
    Points0To15 = 2, // 0 to 15 (best)
    Grades5To1 = 3,  // 1 to 5 (best)
    Points0To12 = 4, // 0 to 12 (best)
};
}

// The grade or the points that a total performance (a fraction 0..1) earns
// on the scale. A performance equal to a threshold reaches it.
int gradeFromPerformance(double performance, const GradingScale& scale);

// "sehr gut" ... "ungenügend" for a grade or points of the scale; empty for
// a value the scale does not have.
QString ratingWord(int grade, const GradingScale& scale);

// "Note" or "Punkte".
QString scaleWord(const GradingScale& scale);

// True for the two points scales.
bool isPointsScale(const GradingScale& scale);

// The scale picture of the result window: a vertical bar from 100 % at the
// top to 0 % at the bottom with the coloured bands of the grades or points,
// their limits, and a marker at the achieved performance.
void drawScale(QPainter& painter, const QRect& rect, double performance, const GradingScale& scale);

} // namespace velunto
