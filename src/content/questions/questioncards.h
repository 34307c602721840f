#pragma once

#include "document/fitcardtext.h"
#include "document/textcanvas.h"

#include <QRect>
#include <QSize>

namespace velunto {

struct DrawContext;
struct ObjDataTyp;

// Drawing the text cards of the question types. Their texts stand on the
// page without frame or background, in the document font and the object's
// colour at the character height of its size step.

TextFont questionCardFont(const DrawContext& context, const ObjDataTyp& object);

// The size of text as written, without wrapping: its widest line by its
// lines; at least one line high and a character height wide.
QSize unwrappedTextSize(TextCanvas& canvas, const TextFont& font, const QString& text);

// How a question text is fitted: measured as written, then drawn from the
// card's left edge to the right indent margin, wrapping there, shrunk until
// it is at most maxHeight pixels high.
struct FittedText
{
    CardVertical vertical = CardVertical::Top;
    int maxHeight = 0;
};

// Draws the object's text as a question text and returns the rectangle it
// covers: the card up to the margin and whatever the text reaches beyond.
QRect drawQuestionText(DrawContext& context, const ObjDataTyp& object, const FittedText& fit);

// The card of the given size on the object's side of its card point, where
// it falls (not moved onto the page).
QRect questionCardRect(const DrawContext& context, const ObjDataTyp& object, QSize size);

// The right indent margin in page-picture pixels: rnd((1 - R) x W).
int rightIndentEdge(const DrawContext& context);

} // namespace velunto
