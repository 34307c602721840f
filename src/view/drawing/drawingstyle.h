#pragma once

#include <QColor>
#include <QString>

#include <array>
#include <optional>

namespace velunto {

// The sizes that one choice of "Größe" (1 to 4) sets: stroke width, arrow
// head length, eraser square (pixels of the shown picture), stamp and text
// size (pixels of the page picture at 100 %).
struct StrokeMetrics
{
    int strokeWidth;
    int arrowHead;
    int eraserSide;
    int stampSize;
    int textSize;
};

constexpr int kStrokeSizes = 4;

// Sizes outside 1..4 count as the nearest one.
StrokeMetrics strokeMetrics(int strokeSize);

// The arrow head length for a stroke width: rnd(5 × w′) with w′ = 0.7 × the
// width held in single precision (so that width 7 gives 25, not 24).
int arrowHeadLength(int strokeWidth);

// One colour of the menu "Farbe". The indexes below 20 are highlighter
// colours that only darken what lies under them.
struct DrawColour
{
    int index;
    QColor colour;
    bool transparent;
    QString caption; // the menu caption of the highlighter colours; empty for the others
};

constexpr int kDefaultDrawColour = 21;

// The fourteen colours in menu order: ten opaque, then four transparent.
const std::array<DrawColour, 14>& drawColours();
// The colour of an index; unknown indexes give nullopt.
std::optional<DrawColour> drawColour(int index);
bool isTransparentColour(int index);

// Pen shapes 1 to 10 ("Stift1" to "Stift10") select the tools 3 and 10 to 18.
constexpr int kPenShapes = 10;
int toolForPenShape(int shape);
// The pen shape of a drawing tool, 0 for a tool that is no pen.
int penShapeForTool(int tool);

} // namespace velunto
