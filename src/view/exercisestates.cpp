#include "view/exercisestates.h"

#include "common/numeric.h"
#include "document/document.h"
#include "view/objectpainter.h"
#include "view/viewstate.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace velunto {

namespace {

constexpr int kOpen = -5;
constexpr int kTick = -2;
constexpr int kCross = -3;
constexpr int kNoFeedback = -4;

const QColor kTickGreen(0x00, 0x99, 0x33);
const QColor kCrossRed(0xDD, 0x11, 0x11);
const QColor kGreyMark(0x80, 0x80, 0x80);
const QColor kInactiveFill(0xE4, 0xE4, 0xE4);
const QColor kInactiveFrame(0xA0, 0xA0, 0xA0);

// The square in which a mark is drawn: centred on the card, as tall as the
// card but never taller than a number circle and a half.
QRectF markSquare(const DrawContext& ctx, const QRect& card)
{
    const double side = std::max(
        8.0, std::min<double>({double(card.height()), double(card.width()), 1.5 * ctx.scaled(30)}));
    const QPointF c = QRectF(card).center();
    return {c.x() - side / 2, c.y() - side / 2, side, side};
}

void drawStroke(QPainter& p, const QPainterPath& path, const QColor& colour, double width)
{
    // A white rim keeps the mark readable on any picture.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, width + 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void drawTick(QPainter& p, const QRectF& s)
{
    QPainterPath path;
    path.moveTo(s.left() + 0.15 * s.width(), s.top() + 0.55 * s.height());
    path.lineTo(s.left() + 0.40 * s.width(), s.top() + 0.80 * s.height());
    path.lineTo(s.left() + 0.85 * s.width(), s.top() + 0.20 * s.height());
    drawStroke(p, path, kTickGreen, std::max(2.0, s.width() / 7));
}

void drawX(QPainter& p, const QRectF& s, const QColor& colour)
{
    QPainterPath path;
    const QRectF r =
        s.adjusted(s.width() * 0.2, s.height() * 0.2, -s.width() * 0.2, -s.height() * 0.2);
    path.moveTo(r.topLeft());
    path.lineTo(r.bottomRight());
    path.moveTo(r.topRight());
    path.lineTo(r.bottomLeft());
    drawStroke(p, path, colour, std::max(2.0, s.width() / 8));
}

} // namespace

bool drawExerciseState(DrawContext& ctx, int index, const QRect& card, int questionMarkShrink)
{
    const ObjDataTyp& o = ctx.document->objects[index];
    QPainter& p = *ctx.painter;
    switch (o.Abdeckung) {
    case kOpen: {
        const int marked = ctx.view ? ctx.view->session().exerciseTarget() : -1;
        const bool inactive = marked >= 0 && marked != index;
        if (!inactive) {
            drawCoveredBox(ctx, o, card, questionMarkShrink);
            return true;
        }
        p.fillRect(card, kInactiveFill);
        drawFrame(p, card, kInactiveFrame);
        return true;
    }
    case kTick:
    case kCross:
    case kNoFeedback: {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        const QRectF square = markSquare(ctx, card);
        if (o.Abdeckung == kTick)
            drawTick(p, square);
        else
            drawX(p, square, o.Abdeckung == kCross ? kCrossRed : kGreyMark);
        p.restore();
        return true;
    }
    default:
        return false;
    }
}

} // namespace velunto
