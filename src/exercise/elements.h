#pragma once

#include "common/colorref.h"
#include "document/records.h"

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSizeF>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace velunto {

class TextCanvas;

// The on-screen elements of a run, in pixels of the exercise area: the area
// beside and over the page picture, its origin at the top left.
namespace ElementKind {
enum : int {
    Card,         // a label, gap, cluster, letter or answer card that is dragged
    AnswerBox,    // the tick box of a multiple-choice answer
    CheckButton,  // "Weiter" of a question or of text entry
    CrossElement, // a click area of a cross assignment
    TextBox,      // a box for a typed answer
};
}

constexpr ColorRef kCardColour = 0x90F3FF;
constexpr ColorRef kCardTextColour = 0x1F2121;
constexpr ColorRef kRightColour = 0x8FFF9B;
constexpr ColorRef kWrongColour = 0x8F96FF;
constexpr ColorRef kMarkedColour = 0x00C0FF;
constexpr ColorRef kTextBoxColour = 0xFFEEEE;
constexpr ColorRef kTextBoxTextColour = 0xFF0000;
constexpr ColorRef kHintColour = 0x808080;
constexpr int kCardWidth = 180;
constexpr int kCardHeight = 46;
constexpr int kMaxTypedLength = 255;

struct Element
{
    int kind = ElementKind::Card;
    int number = 0;  // its name is "UebElemPan" + number: the entry or object number
    int object = -1; // the index of its object
    int entry = -1;  // the OrderTable entry it was made for, -1 for none
    QRect rect;
    bool visible = true;
    bool removed = false; // gone for the rest of the run
    ColorRef colour = kCardColour;
    ColorRef ownColour = kCardColour;
    QString caption;
    bool picture = false; // shows its object's picture instead of the caption
    int z = 0;            // higher lies in front
    // text boxes
    int textHeight = 0; // the character height of the typed text
    QString typed;
    QString hint; // "<length>", shown while nothing is typed
    // answer boxes: ticked; cross elements: marked
    bool ticked = false;

    QString name() const { return QStringLiteral("UebElemPan%1").arg(number); }
    bool takesPart() const { return visible && !removed; }
};

// Where the page picture lies in the exercise area, and the conversions
// between page fractions and area pixels.
struct PageMapping
{
    QRect picture{0, 0, 1, 1};

    QPointF toArea(QPointF page) const;
    QPointF toPage(QPointF area) const;
    // The pixel of a page point, rounded as the view rounds.
    QPoint areaPoint(double fx, double fy) const;
    QRect toArea(const RectD& page) const;
    RectD toPage(const QRect& area) const;
    int width() const { return picture.width(); }
    int height() const { return picture.height(); }
};

// The page picture fitted into room as the view fits it (keeping the page's
// aspect, centred).
PageMapping fitPageMapping(const QRect& room, QSizeF pageSize);

// The element column: cards in creation order are stacked from the bottom
// of the area at its right edge, each 2 pixels above the one before; a card
// that would start less than 100 pixels below the top begins a new stack at
// the bottom, 12 pixels further left and 7 pixels higher per stack. Moves
// the given elements and returns the left edge of the leftmost stack.
int stackCards(std::vector<Element*> cards, QSize area);

// The gap between the page picture and the element column.
constexpr int kPageGap = 5;

// A card made taller for a picture taller than the card (BildkarteAnpassen).
int fittedPictureCardHeight(QSize picture);

// The text box of a text-entry run over its object's card point.
struct TextBoxPlace
{
    int kind = 0;
    int side = Side::Centre; // KAusrAktiv
    QPoint cardPoint;        // the card point in area pixels
    int pageWidth = 870;     // W
    QString text;            // the answer
    int minGap = 3;          // MinLuecke
    bool lengthHint = false; // ShowAnswerLength
    bool clozeWidth = false; // the width rule of gap-text types
    int characterHeight = 20;
    QString fontFamily;
};
QRect textBoxRect(TextCanvas& canvas, const TextBoxPlace& place);

// HitTest of a dragged element: the first candidate (in object order) whose
// card contains the middle of the element's left edge, else the first whose
// card overlaps the element (a corner of either lies inside the other), else
// -1. bounds gives a candidate's drawn card in page fractions.
using CardBounds = std::function<std::optional<RectD>(int index)>;
int hitTestCandidates(const std::vector<int>& candidates, const CardBounds& bounds,
                      const RectD& element);

// The places a card passes on its way back to its origin, one per
// millisecond: n + 1 steps for n = rnd(distance / 2), the last at the origin.
// A card at most a pixel away goes home in one step.
std::vector<QPoint> returnPath(QPoint from, QPoint origin);

} // namespace velunto
