#pragma once

#include <QString>

namespace velunto {

// True when a font family of exactly this name (case-insensitive) is
// installed. A substitute that the font configuration would hand out for it
// does not count.
bool isFontInstalled(const QString& family);

// family when it is installed, otherwise "Arial" (which the font
// configuration maps to a metric-compatible font).
QString installedFontOrArial(const QString& family);

} // namespace velunto
