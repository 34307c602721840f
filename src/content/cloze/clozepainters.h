#pragma once

#include "view/objectpainter.h"
#include "view/pagecomposer.h"

#include <QRect>

namespace velunto {

// The painters of the objects a cloze generates. Each draws object index
// and returns the rectangle it painted; none writes into the Document.

// A gap card: the gap's answer (its first alternative) centred in a card as
// wide as the largest of 30 units, the answer and MinLuecke letters "X",
// set in the document font as large as the fitted cloze text, in
// LueckentextCol (grey while the object editor is open, its own colour when
// selected there). The card stands on the line of its gap.
QRect drawGapCard(DrawContext& context, int index);

// A wrong-word card has no place on the page: an exercise shows it among the
// answer cards. Draws nothing.
QRect drawDistractorCard(DrawContext& context, int index);

// A table query text: wrapped at KBreite, fitted into KHoehe (at least one
// line), aligned by TAusr, below its anchor.
QRect drawTableQueryText(DrawContext& context, int index);

// A table picture (fixed, query, link): a card as tall as the letter "X" at
// the object's size step and as wide as the picture at that height; a
// picture wider than KBreite is scaled down to it and centred in the card.
QRect drawTablePicture(DrawContext& context, int index);

// The composer's stage for the cloze: in Background, the text and the
// table's grid lines, while the layer "Texte und Bilder" is shown or an
// exercise runs. The text is laid out as the builder laid it out and drawn
// scaled to the page picture, so that it shows its gaps where the builder
// put the gap cards.
void drawClozeBackground(PageComposer::Stage stage, DrawContext& context);

} // namespace velunto
