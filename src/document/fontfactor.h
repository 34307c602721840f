#pragma once

#include <QString>

namespace velunto {

// How much taller a font's lines are than Arial's at the same character
// height. Fonts of the built-in table take its value; any other font is
// measured (a font that is not installed measures as Arial, 1.0).
double fontHeightFactor(const QString& fontName);

// A size step measured in a font of the given factor, as a step of the
// standard font: (2 s' + 22) = (2 s + 22) * factor.
int convertSizeStep(int step, double factor);

// The character height of size step step on a page pageWidth pixels wide:
// 22 pixels at step 0 on a page 870 pixels wide.
int characterHeightForStep(int step, double pageWidth);

} // namespace velunto
