#include "view/drawing/strokes.h"

#include "common/numeric.h"
#include "view/viewstate.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velunto {

namespace {

constexpr double kHalfPixel = 0.5;

QPointF centreOf(QPointF index)
{
    return index + QPointF(kHalfPixel, kHalfPixel);
}

double signedArea(const QPolygonF& polygon)
{
    double sum = 0.0;
    for (int i = 0; i < polygon.size(); ++i) {
        const QPointF& a = polygon[i];
        const QPointF& b = polygon[(i + 1) % polygon.size()];
        sum += a.x() * b.y() - b.x() * a.y();
    }
    return sum / 2.0;
}

// The pieces of one shape are added to one path and filled with the
// winding rule, so that their overlaps are painted once. That needs every
// piece to turn the same way as the circles that QPainterPath adds.
bool circlesTurnPositive()
{
    static const bool positive = [] {
        QPainterPath circle;
        circle.addEllipse(QRectF(0, 0, 10, 10));
        return signedArea(circle.toFillPolygon()) > 0;
    }();
    return positive;
}

void addPolygon(QPainterPath& path, QPolygonF polygon)
{
    const double area = signedArea(polygon);
    if (area == 0.0)
        return;
    if ((area > 0) != circlesTurnPositive())
        std::reverse(polygon.begin(), polygon.end());
    path.addPolygon(polygon);
    path.closeSubpath();
}

void addCap(QPainterPath& path, QPointF centre, int width)
{
    const double d = width + 1;
    path.addEllipse(QRectF(centre.x() - d / 2, centre.y() - d / 2, d, d));
}

void addSegment(QPainterPath& path, QPointF p, QPointF q, int width, int caps)
{
    const QPointF a = centreOf(p);
    const QPointF b = centreOf(q);
    const QPointF d = b - a;
    const double length = std::hypot(d.x(), d.y());
    if (length > 0.0) {
        const QPointF n(-d.y() / length * width / 2.0, d.x() / length * width / 2.0);
        addPolygon(path, QPolygonF({a + n, b + n, b - n, a - n}));
    }
    if (caps & Cap::Start)
        addCap(path, a, width);
    if (caps & Cap::End)
        addCap(path, b, width);
}

void addHead(QPainterPath& path, QPoint from, QPoint tip, int width, int length)
{
    for (const QPoint& end : arrowHeadEnds(from, tip, length))
        addSegment(path, tip, end, width, Cap::End);
}

struct Bounds
{
    int left, top, right, bottom;
};

Bounds ordered(QPoint a, QPoint b)
{
    return {std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
            std::max(a.y(), b.y())};
}

bool premultiplied(const QImage& picture)
{
    return picture.format() == QImage::Format_ARGB32_Premultiplied;
}

} // namespace

QPainterPath segmentPath(QPointF p, QPointF q, int width, int caps)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    addSegment(path, p, q, width, caps);
    return path;
}

double arrowDirection(QPoint from, QPoint tip)
{
    constexpr double pi = std::numbers::pi;
    if (tip.x() == from.x())
        return from.y() < tip.y() ? pi / 2 : 3 * pi / 2;
    double phi = std::atan2(double(tip.y() - from.y()), double(tip.x() - from.x()));
    if (phi < 0)
        phi += 2 * pi;
    return phi;
}

std::array<QPoint, 2> arrowHeadEnds(QPoint from, QPoint tip, int length)
{
    const double phi = arrowDirection(from, tip);
    const double spread = 20.0 * std::numbers::pi / 180.0;
    std::array<QPoint, 2> ends;
    const double angles[2] = {phi - spread, phi + spread};
    for (int i = 0; i < 2; ++i)
        ends[i] = QPoint(rnd(tip.x() - length * std::cos(angles[i])),
                         rnd(tip.y() - length * std::sin(angles[i])));
    return ends;
}

QPainterPath shapePath(int tool, QPoint start, QPoint end, int width, int headLength)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    const Bounds b = ordered(start, end);
    const int x1 = start.x(), y1 = start.y(), x2 = end.x(), y2 = end.y();
    const int m = rnd((x1 + x2) / 2.0);
    switch (tool) {
    case Tool::FirstShape: // line
        addSegment(path, start, end, width, Cap::Both);
        break;
    case Tool::FirstShape + 1: // arrow
        addSegment(path, start, end, width, Cap::Both);
        addHead(path, start, end, width, headLength);
        break;
    case Tool::FirstShape + 2: // double arrow
        addSegment(path, start, end, width, Cap::Both);
        addHead(path, start, end, width, headLength);
        addHead(path, end, start, width, headLength);
        break;
    case Tool::FirstShape + 3: { // rectangle
        const QPoint corners[] = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}};
        for (int i = 0; i < 4; ++i)
            addSegment(path, corners[i], corners[i + 1], width, Cap::End);
        break;
    }
    case Tool::FirstShape + 4: // filled rectangle, both corners included
        path.addRect(QRectF(b.left, b.top, b.right - b.left + 1, b.bottom - b.top + 1));
        break;
    case Tool::FirstShape + 5: { // ellipse outline through the corner pixels' centres
        path.setFillRule(Qt::OddEvenFill);
        const QRectF through(b.left + kHalfPixel, b.top + kHalfPixel, b.right - b.left,
                             b.bottom - b.top);
        const double half = width / 2.0;
        path.addEllipse(through.adjusted(-half, -half, half, half));
        const QRectF inner = through.adjusted(half, half, -half, -half);
        if (inner.width() > 0 && inner.height() > 0)
            path.addEllipse(inner);
        break;
    }
    case Tool::FirstShape + 6: // filled ellipse
        path.addEllipse(QRectF(b.left, b.top, b.right - b.left + 1, b.bottom - b.top + 1));
        break;
    case Tool::FirstShape + 7: { // triangle
        const QPoint corners[] = {{x1, b.bottom}, {m, b.top}, {x2, b.bottom}, {x1, b.bottom}};
        for (int i = 0; i < 3; ++i)
            addSegment(path, corners[i], corners[i + 1], width, Cap::End);
        break;
    }
    case Tool::LastShape: // filled triangle
        addPolygon(path, QPolygonF({centreOf(QPoint(x1, b.bottom)), centreOf(QPoint(m, b.top)),
                                    centreOf(QPoint(x2, b.bottom))}));
        break;
    default:
        break;
    }
    return path;
}

QRect pathArea(const QImage& picture, const QPainterPath& path)
{
    // One pixel more on every side for the antialiased edge.
    return path.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1) & picture.rect();
}

QRect paintPath(QImage& picture, const QPainterPath& path, const QColor& colour, bool highlighter)
{
    const QRect area = pathArea(picture, path);
    if (area.isEmpty())
        return {};
    if (!highlighter) {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(path, colour);
        return area;
    }
    QImage marker(area.size(), QImage::Format_RGB32);
    marker.fill(Qt::white);
    {
        QPainter p(&marker);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-area.topLeft());
        p.fillPath(path, QColor(colour.red(), colour.green(), colour.blue()));
    }
    combineMinimum(picture, marker, area.topLeft());
    return area;
}

void combineMinimum(QImage& picture, const QImage& marker, QPoint at)
{
    const QRect area = QRect(at, marker.size()) & picture.rect();
    const bool scaleByAlpha = premultiplied(picture);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const auto* mark = reinterpret_cast<const QRgb*>(marker.constScanLine(y - at.y()));
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb m = mark[x - at.x()];
            if ((m & 0xFFFFFF) == 0xFFFFFF)
                continue; // white marks nothing
            const QRgb c = line[x];
            const int a = qAlpha(c);
            int mr = qRed(m), mg = qGreen(m), mb = qBlue(m);
            if (scaleByAlpha && a < 255) {
                mr = mr * a / 255;
                mg = mg * a / 255;
                mb = mb * a / 255;
            }
            line[x] = qRgba(std::min(qRed(c), mr), std::min(qGreen(c), mg),
                            std::min(qBlue(c), mb), a);
        }
    }
}

void appendLinePixels(std::vector<QPoint>& pixels, QPoint a, QPoint b)
{
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), dy = -std::abs(b.y() - y);
    const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        pixels.emplace_back(x, y);
        if (x == b.x() && y == b.y())
            break;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += sy;
        }
    }
}

std::vector<QPoint> previewPixels(int tool, QPoint start, QPoint end, int headLength)
{
    std::vector<QPoint> pixels;
    const Bounds b = ordered(start, end);
    const auto polyline = [&pixels](std::initializer_list<QPoint> points) {
        const QPoint* previous = nullptr;
        for (const QPoint& p : points) {
            if (previous)
                appendLinePixels(pixels, *previous, p);
            previous = &p;
        }
    };
    const auto head = [&](QPoint from, QPoint tip) {
        for (const QPoint& e : arrowHeadEnds(from, tip, headLength))
            appendLinePixels(pixels, tip, e);
    };
    switch (tool) {
    case Tool::FirstShape:
        appendLinePixels(pixels, start, end);
        break;
    case Tool::FirstShape + 1:
        appendLinePixels(pixels, start, end);
        head(start, end);
        break;
    case Tool::FirstShape + 2:
        appendLinePixels(pixels, start, end);
        head(start, end);
        head(end, start);
        break;
    case Tool::FirstShape + 3:
    case Tool::FirstShape + 4:
        polyline({{b.left, b.top},
                  {b.right, b.top},
                  {b.right, b.bottom},
                  {b.left, b.bottom},
                  {b.left, b.top}});
        break;
    case Tool::FirstShape + 5:
    case Tool::FirstShape + 6: {
        const double cx = (b.left + b.right) / 2.0, cy = (b.top + b.bottom) / 2.0;
        const double rx = (b.right - b.left) / 2.0, ry = (b.bottom - b.top) / 2.0;
        const int n = std::max(24, int(std::numbers::pi * (rx + ry) / 2));
        QPoint first, previous;
        for (int i = 0; i <= n; ++i) {
            const double t = 2 * std::numbers::pi * i / n;
            const QPoint p(rnd(cx + rx * std::cos(t)), rnd(cy + ry * std::sin(t)));
            if (i > 0)
                appendLinePixels(pixels, previous, p);
            previous = p;
        }
        break;
    }
    case Tool::FirstShape + 7:
    case Tool::LastShape: {
        const int m = rnd((start.x() + end.x()) / 2.0);
        polyline({{b.left, b.bottom}, {m, b.top}, {b.right, b.bottom}, {b.left, b.bottom}});
        break;
    }
    default:
        break;
    }
    // Each pixel once, so that the corners are inverted like the rest.
    const auto less = [](const QPoint& a, const QPoint& b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    };
    std::sort(pixels.begin(), pixels.end(), less);
    pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
    return pixels;
}

QRect invertPixels(QImage& picture, const std::vector<QPoint>& pixels)
{
    const bool scaleByAlpha = premultiplied(picture);
    const QRect inside = picture.rect();
    QRect bounds;
    for (const QPoint& p : pixels) {
        if (!inside.contains(p))
            continue;
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(p.y()));
        const QRgb c = line[p.x()];
        const int top = scaleByAlpha ? qAlpha(c) : 255;
        line[p.x()] = qRgba(top - qRed(c), top - qGreen(c), top - qBlue(c), qAlpha(c));
        bounds |= QRect(p, QSize(1, 1));
    }
    return bounds;
}

} // namespace velunto
