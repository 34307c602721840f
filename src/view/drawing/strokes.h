#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPoint>
#include <QRect>

#include <array>
#include <vector>

namespace velunto {

// The geometry and painting of pen strokes and shapes on the shown picture.
// Points are pixel indexes: the point (x, y) stands for the centre of pixel
// (x, y), and fractional points (from a pen tablet) lie between pixels.

namespace Cap {
enum : int { None = 0, Start = 1, End = 2, Both = Start | End };
}

// One stroke segment from p to q, width pixels wide: the line grown by half
// the width on both sides, with round caps (circles one pixel wider than the
// stroke) where asked. A segment of zero length with a cap is a dot.
QPainterPath segmentPath(QPointF p, QPointF q, int width, int caps);

// The direction of the arrow shaft from `from` to `tip` in 0..2π (y points
// down); a vertical shaft points at π/2 downwards and 3π/2 upwards, and a
// shaft of zero length counts as pointing up.
double arrowDirection(QPoint from, QPoint tip);
// The far ends of the two strokes of an arrow head at tip, 20° either side
// of the shaft, length pixels long.
std::array<QPoint, 2> arrowHeadEnds(QPoint from, QPoint tip, int length);

// The final shape of a shape tool (10 to 18) from start to end.
QPainterPath shapePath(int tool, QPoint start, QPoint end, int width, int headLength);

// Paints a path onto picture in an opaque colour, or as a highlighter: the
// path is painted on white and every pixel under it becomes the minimum of
// itself and that, channel by channel over red, green and blue. A
// highlighter thus only darkens and never changes the opacity of the
// picture. Returns the rectangle that changed.
QRect paintPath(QImage& picture, const QPainterPath& path, const QColor& colour, bool highlighter);
// The rectangle that paintPath may change.
QRect pathArea(const QImage& picture, const QPainterPath& path);

// Every pixel of marker (placed with its top-left at `at`) darkens picture
// to the per-channel minimum of red, green and blue; the picture's alpha
// stays as it is.
void combineMinimum(QImage& picture, const QImage& marker, QPoint at);

// The pixels of the rubber band of a shape tool from start to end (each
// once): one-pixel lines of the shape's outline, with the arrow heads.
std::vector<QPoint> previewPixels(int tool, QPoint start, QPoint end, int headLength);
// Inverts red, green and blue of the given pixels inside the picture, so
// that doing it twice restores the picture. Returns the bounds of the
// pixels inside the picture.
QRect invertPixels(QImage& picture, const std::vector<QPoint>& pixels);

// The pixels of a one-pixel line from a to b, both ends included.
void appendLinePixels(std::vector<QPoint>& pixels, QPoint a, QPoint b);

} // namespace velunto
