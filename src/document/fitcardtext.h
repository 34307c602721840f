#pragma once

#include "document/textcanvas.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace velunto {

// Vertical placement of a card text in its rectangle.
enum class CardVertical : int {
    Top = 0,         // unchanged
    RaiseIfTall = 1, // raised by a quarter of the height (scaled by the shrink) when taller
    Centre = 2,
    Bottom = 3,
};

struct CardTextResult
{
    int fontSize = 0; // the character height finally used
    QRect rect;       // drawn: the rectangle drawn into; measured: the text's own rectangle
};

// The lines of text wrapped at blanks into width in the canvas's current
// font. Line breaks in text are kept; a word wider than width stands on a
// line of its own and is not cut. An empty text has no lines.
QStringList wrapLines(TextCanvas& canvas, QStringView text, int width);

// Draws (draw) or measures a card text. font carries name, character height
// (pixelSize), style and colour; the height shrinks while the wrapped text is
// taller than maxHeight, never below 3. alignment is TAusr (0 left, 1 centred,
// 2 right). "&" is text like every other character.
CardTextResult fitCardText(TextCanvas& canvas, const TextFont& font, const QString& text,
                           const QRect& rect, int alignment, CardVertical vertical, int maxHeight,
                           bool draw);

} // namespace velunto
