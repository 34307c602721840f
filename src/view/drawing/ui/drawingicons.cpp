#include "view/drawing/ui/drawingicons.h"

#include "view/drawing/drawingstyle.h"
#include "view/drawing/strokes.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace velunto {

namespace {

constexpr int kSide = 24;

QImage blank()
{
    QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QIcon penShapeIcon(int shape)
{
    QImage image = blank();
    const int tool = toolForPenShape(shape);
    if (tool == toolForPenShape(1)) {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
        QPainterPath curve;
        curve.moveTo(3, 18);
        curve.cubicTo(8, 2, 14, 24, 21, 6);
        p.drawPath(curve);
    } else {
        paintPath(image, shapePath(tool, {3, 5}, {20, 19}, 2, 7), Qt::black, false);
    }
    return QIcon(QPixmap::fromImage(image));
}

QIcon strokeSizeIcon(int size)
{
    QImage image = blank();
    const int width = std::max(1, strokeMetrics(size).strokeWidth / 2);
    paintPath(image, segmentPath({4, 11}, {19, 11}, width, Cap::Both), Qt::black, false);
    return QIcon(QPixmap::fromImage(image));
}

QIcon drawColourIcon(int index)
{
    const auto colour = drawColour(index);
    QImage image = blank();
    QPainter p(&image);
    const QRect swatch(3, 3, kSide - 6, kSide - 6);
    if (colour && colour->transparent) {
        p.fillRect(swatch, Qt::white);
        for (int x = swatch.left(); x <= swatch.right(); x += 4)
            p.fillRect(QRect(x, swatch.top(), 2, swatch.height()), colour->colour);
    } else if (colour) {
        p.fillRect(swatch, colour->colour);
    }
    p.setPen(Qt::gray);
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
    return QIcon(QPixmap::fromImage(image));
}

} // namespace velunto
