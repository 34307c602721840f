#pragma once

#include <QIcon>

namespace velunto {

// The pictures of the pen, size and colour menus and of their buttons.

// Pen shape 1 to 10: a free-hand curve, the line, the arrows and the six
// shapes.
QIcon penShapeIcon(int shape);
// Stroke size 1 to 4: a line of that stroke width.
QIcon strokeSizeIcon(int size);
// A colour of the menu "Farbe" (a swatch; the highlighter colours striped).
QIcon drawColourIcon(int index);

} // namespace velunto
