#pragma once

#include "common/colorref.h"
#include "document/records.h"
#include "document/textcanvas.h"
#include "view/drawcontext.h"

#include <QRect>
#include <QSize>

#include <functional>
#include <unordered_map>

class QPainter;

namespace velunto {

// How an object sits on the page: its card and where its line runs.
struct ObjectGeometry
{
    QRect card;
    QPoint cardPoint; // where Kx, Ky lie
    QPoint lineEnd;   // the card point moved with the card when it was kept on the page
    QPoint anchor;
    int side = Side::Centre;
};

// DrawObject: draws one object of the Document. The kind table says which
// painter draws a kind: the text card, picture card and point painters here,
// or the painter that the owning content type registered. A painter set here
// (the exercise sets its own) comes before both. A kind without a painter is
// drawn as a text card.
class ObjectPainter
{
  public:
    using KindPainter = velunto::KindPainterFn;

    ObjectPainter();

    void setKindPainter(int kind, KindPainter painter);
    // The painter of a kind, so that a replacement can fall back to it.
    KindPainter kindPainter(int kind) const;

    // Draws the object (not the erasing of its old place, which the composer
    // does) and returns the painted rectangle; empty when nothing was drawn.
    QRect draw(DrawContext& context, int index) const;

  private:
    std::unordered_map<int, KindPainter> m_painters;
};

// --- building blocks for the kind painters --------------------------------------

// The painters of the authored kinds.
QRect drawTextCard(DrawContext& context, int index);
QRect drawPictureCard(DrawContext& context, int index);
QRect drawPoint(DrawContext& context, int index);

// The card size of a text, a picture and a point at this page size. A text
// card wraps at 40 % of the page width, less where the page edge is nearer
// on its side (but not below 15 %), and adds a padding of about a third of
// the character height around the text (a fixed KBreite x KHoehe is kept); a
// picture card is as tall as a line of "Arial" at the object's character
// height; a point is an ellipse around its title, at least rnd(30 x W / 870)
// tall.
QSize textCardSize(DrawContext& context, const ObjDataTyp& object);
QSize pictureCardSize(DrawContext& context, const ObjDataTyp& object);
QSize pointSize(DrawContext& context, const ObjDataTyp& object);

// Places a card of the given size on the object's side of its card point.
// A card that would reach over the edge of the page is moved onto it, so
// that no card is ever cut off; its line then ends where the card went.
ObjectGeometry placeObject(const DrawContext& context, const ObjDataTyp& object, QSize card);
// The room there is for a card on its side of the card point, in pixels.
int roomBeside(const DrawContext& context, const ObjDataTyp& object);

// The anchor line: LinieDicke x LinieDicke one-pixel lines, offset by
// -(d div 2) .. d - 1 - (d div 2) in x and y. Returns the painted rectangle.
QRect drawAnchorLine(QPainter& painter, QPoint from, QPoint to, ColorRef colour, int thickness);
// The marks of the object selected in the object editor.
QRect drawSelectedAnchor(QPainter& painter, QPoint anchor);
// A frame of the given thickness inside rect, without antialiasing.
void drawFrame(QPainter& painter, const QRect& rect, const QColor& colour, int thickness = 1);
// Fills rect with colour at opacity percent (nothing at 0).
void fillCard(QPainter& painter, const QRect& rect, ColorRef colour, int opacityPercent);
// The covered state: the light blue box with "?" and, for Nummer >= 1, the
// number circle. questionMarkShrink is added to the starting height of "?".
void drawCoveredBox(DrawContext& context, const ObjDataTyp& object, const QRect& box,
                    int questionMarkShrink = 0);
void drawNumberCircle(DrawContext& context, const QRect& box, int nummer);
// The largest character height up to start at which a line of font fits
// height, never below 1.
int fittingCharacterHeight(TextCanvas& canvas, TextFont font, int start, int height);

// --- worksheets (render modes 1 to 3) ---

// The answer box of a query field on a worksheet: the card widened by the
// box size ("Kästchengröße") towards its free side, by 1 % of the page width
// left and right and by a tenth of the card height above and below, kept
// 0.5 % inside the page.
QRect answerBoxRect(const DrawContext& context, const QRect& card, int side);
// Draws a query field as the worksheet modes show it: the answer box (modes
// 1 and 3), the answer in red (modes 2 and 3), the first-letter hint (mode 1).
void drawWorksheetQuery(DrawContext& context, const ObjDataTyp& object, const QRect& card,
                        int side);

} // namespace velunto
