#pragma once

#include "common/colorref.h"
#include "document/records.h"

#include <QRect>

namespace velunto {

struct DrawContext;

// Drawing blocks shared by the cards of the cluster, cross-assignment and
// crossword objects. Their cards have a fixed share of the page (KBreite x
// KHoehe) instead of growing with their text.

// The card of a generated text object: rnd(KBreite x W) by rnd(KHoehe x H)
// pixels on its side (KAusr) of the card point (Kx, Ky).
QRect fixedTextCard(const DrawContext& context, const ObjDataTyp& object);

// The card of a generated picture object: as tall as a line of "Arial" at
// the character height of Fsize, at most rnd(KHoehe x H), as wide as the
// picture at that height, on its side of the card point.
QRect fixedPictureCard(DrawContext& context, const ObjDataTyp& object);

// The object's text wrapped at the card's width in the document font,
// starting at the character height of its Fsize and set smaller until it
// fits the card's height, centred vertically and aligned by alignment (TAusr:
// 0 left, 1 centred, 2 right).
void drawFittedText(DrawContext& context, const ObjDataTyp& object, const QRect& card,
                    ColorRef colour, int alignment);

// The object's picture stretched into the card, with a one-pixel frame.
void drawCardPicture(DrawContext& context, const ObjDataTyp& object, const QRect& card);

// The outline that stands for a card that is not shown yet: a dashed grey
// frame.
void drawCardPlaceholder(DrawContext& context, const QRect& card);

} // namespace velunto
