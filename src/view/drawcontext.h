#pragma once

#include "document/records.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

class QPainter;

namespace velunto {

class Document;
class DrawCache;
class TextCanvas;
class ViewState;

// What DrawObject draws for: 0 the learning view and the exercises; the
// worksheets use 1 (task), 2 (answers only) and 3 (task with answers).
namespace RenderMode {
enum : int { View = 0, Worksheet = 1, SolutionOverlay = 2, Solution = 3 };
}

// Where content types paint while the page is composed: onto the canvas
// after the BaseImage (the cluster baskets), when the page is ready (question
// builders), into the background before the fixed objects (cloze text,
// tables, crossword), and after the objects before the query fields are
// drawn on top.
enum class ComposeStage { Canvas, PageReady, Background, AfterObjects };

// Everything one object is drawn with. The painter may draw on any paint
// device; sizes are in its units, the page being page.width() units wide.
// Painting reads the Document and never writes into it: what a view needs to
// know about what was drawn (the card rectangle for hit testing) goes back
// through the context.
struct DrawContext
{
    QPainter* painter = nullptr;
    TextCanvas* canvas = nullptr; // measures and draws text through painter
    const Document* document = nullptr;
    const ViewState* view = nullptr; // null where no view draws (printing); gives the session
    QSize page{};                    // PageWidth x PageHeight
    int renderMode = RenderMode::View;
    // Pictures, sprites and measured texts kept between composes; null on
    // devices that are drawn once (printers, worksheets): everything is then
    // drawn straight onto the painter.
    DrawCache* cache = nullptr;
    int worksheetBoxPercent = 100; // "Kästchengröße" of render modes 1 and 3
    // Render mode 1 with the first letter given: the hint text of a query
    // label, drawn in red from the answer box's left edge. Null: no hints.
    std::function<QString(const ObjDataTyp&)> firstLetterHint{};
    // Where the view keeps the card rectangle of the object being drawn;
    // null when nobody asks (worksheets, printing).
    QRect* drawnCard = nullptr;

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
    // A painter tells the view where the card of the object it draws lies,
    // when that is less than the rectangle it returns (which may take in an
    // anchor line). Only the learning view's render mode keeps it.
    void setCard(const QRect& card) const;
};

// A kind painter: draws object index and returns the rectangle it painted.
using KindPainterFn = std::function<QRect(DrawContext&, int index)>;
// What a content type paints at a stage of the composition.
using ComposeStageFn = std::function<void(ComposeStage, DrawContext&)>;

} // namespace velunto
