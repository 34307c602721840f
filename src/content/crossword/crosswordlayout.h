#pragma once

#include "content/crossword/crosswordgrid.h"

#include <QRect>
#include <QSize>

namespace velunto {

class Document;
struct DrawContext;

// Where the boxes of the used area lie on a page of a given size. The grid
// takes the left 72 % of the width between the indent margins; the clues
// the right quarter.
struct CrosswordBoxes
{
    CrosswordArea area;
    RectD indent;      // EinrueckRand as the layout uses it
    double size = 0.0; // box side in pixels
    double bw = 0.0;   // box width as a page fraction (size / W)
    double bh = 0.0;   // box height as a page fraction (size / H)

    // The box of grid cell (column, row), border included; neighbouring boxes
    // share their 2-pixel border.
    QRect boxRect(QSize page, int column, int row) const;
    // The centre of that box in page fractions.
    QPointF centre(int column, int row) const;
};

CrosswordBoxes crosswordBoxes(const HeaderDataTyp& header, QSize page);

// The area the clues are drawn into, in pixels.
QRect crosswordClueArea(const HeaderDataTyp& header, QSize page);

// The letter objects: deletes kind 60 and appends one CrosswordCell per
// letter box, row by row, centred in its box, in the letter colour (which
// becomes TextCol).
void layoutCrossword(Document& document, QSize page);

// The builder of the crossword type: with create it makes the letter
// objects on the layout page; the grid itself is drawn at every compose.
void buildCrossword(Document& document, bool create);

// What the crossword editor works on: the grid, the clues (index n - 1 for
// word n) and the six colours of KreuzFarben.
struct CrosswordContent
{
    CrosswordGrid grid{};
    std::array<QString, kCrosswordSize> horizontal{};
    std::array<QString, kCrosswordSize> vertical{};
    std::array<int, 6> colours{};

    bool operator==(const CrosswordContent&) const = default;
};

CrosswordContent crosswordContent(const HeaderDataTyp& header);

// The editor's OK: the content goes into the Document, which is marked
// modified, and the letter objects are built again. Objects of other kinds
// stay as they are.
void applyCrosswordContent(Document& document, const CrosswordContent& content);

// A new crossword in a document just made empty: its type and its indent
// margins.
void prepareNewCrossword(Document& document);

// Draws the boxes, the start marks and the clue list with its titles into
// the page background.
void paintCrossword(DrawContext& context);

// The painter of kind 60: the letter in its box, or the covered box in the
// learning view. The card is the inside of the box.
QRect drawCrosswordCell(DrawContext& context, int index);

} // namespace velunto
