#pragma once

#include <QString>

namespace velunto {

// True when a font family of this name (case-insensitive) is installed, or
// when the font configuration offers an installed stand-in with the same
// metrics for it (Liberation Sans for "Arial", Liberation Serif for "Times New
// Roman", Carlito for "Calibri"): text set in the stand-in breaks its lines
// where it breaks with the font itself. A font merely of the same kind (any
// sans-serif for "Verdana") does not count.
bool isFontInstalled(const QString& family);

// The installed family that text in family is drawn with: the font itself
// or its metric-compatible stand-in; for any other name, Arial's. The name a
// document stores is never replaced by it.
QString drawingFamily(const QString& family);

} // namespace velunto
