#pragma once

#include "common/colorref.h"
#include "document/records.h"
#include "document/textcanvas.h"

#include <QRect>
#include <QSize>

#include <functional>
#include <unordered_map>

class QPainter;

namespace velunto {

class Document;
class DrawCache;
class ViewState;

// What DrawObject draws for: 0 the learning view and the exercises; the
// worksheets use 1 (task), 2 (answers only) and 3 (task with answers).
namespace RenderMode {
enum : int { View = 0, Worksheet = 1, SolutionOverlay = 2, Solution = 3 };
}

// Everything one object is drawn with. The painter may draw on any paint
// device; sizes are in its units, the page being page.width() units wide.
struct DrawContext
{
    QPainter* painter = nullptr;
    TextCanvas* canvas = nullptr; // measures and draws text through painter
    Document* document = nullptr;
    const ViewState* view = nullptr;
    QSize page; // PageWidth x PageHeight
    int renderMode = RenderMode::View;
    // Pictures, sprites and measured texts kept between composes; null on
    // devices that are drawn once (printers, worksheets): everything is then
    // drawn straight onto the painter.
    DrawCache* cache = nullptr;
    int worksheetBoxPercent = 100; // "Kästchengröße" of render modes 1 and 3
    // Render mode 1 with the first letter given: the hint text of a query
    // label, drawn in red from the answer box's left edge. Null: no hints.
    std::function<QString(const ObjDataTyp&)> firstLetterHint;

    QPoint toPicture(double fx, double fy) const;
    // A length given for a page 870 units wide, scaled to this page.
    int scaled(double length) const;
    // The character height of a size step: rnd((2 s + 22) x W / 870).
    int characterHeight(int sizeStep) const;
    bool exerciseRunning() const;
    bool editorOpen() const;
    bool isSelected(int index) const;
    // The question shown for single and multiple-choice questions, 1-based.
    int currentQuestion() const;
};

// How an object sits on the page: its card and where its line runs.
struct ObjectGeometry
{
    QRect card;
    QPoint cardPoint; // where Kx, Ky lie
    QPoint lineEnd;   // the card point moved with the card when it was kept on the page
    QPoint anchor;
    int side = Side::Centre;
};

// DrawObject: draws one object of the Document. Each kind has a painter; the
// authored kinds (0, 1, 2, 4, 5, 6, 7, 8) have theirs from the start, and the
// content types and the exercise register theirs for the kinds they own.
// A kind without its own painter is drawn as a text card.
class ObjectPainter
{
  public:
    // Draws object index and returns the rectangle it painted.
    using KindPainter = std::function<QRect(DrawContext&, int index)>;

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

// Stores the card bounds in page fractions for HitTest and the next erase.
void rememberCard(const DrawContext& context, ObjDataTyp& object, const QRect& card);

} // namespace velunto
