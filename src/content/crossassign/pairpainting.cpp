#include "content/crossassign/pairpainting.h"

#include "common/numeric.h"
#include "content/contentcards.h"
#include "content/crossassign/pairlayout.h"
#include "document/document.h"
#include "view/objectpainter.h"

#include <QPainter>

namespace velunto {

namespace {

bool isQueryElement(int kind)
{
    return kind == ObjectKind::PairQueryText || kind == ObjectKind::PairQueryImage;
}

bool isPicture(int kind)
{
    return kind == ObjectKind::PairFixedImage || kind == ObjectKind::PairQueryImage;
}

bool lineShown(const DrawContext& ctx, const ObjDataTyp& o)
{
    if (o.Sline != kPairLine)
        return false;
    return ctx.exerciseRunning() || ctx.renderMode != RenderMode::View || !isQueryElement(o.Typ) ||
           o.Abdeckung != -1;
}

QRect drawPairLine(DrawContext& ctx, const ObjDataTyp& o)
{
    const std::array<QPoint, 4> p = pairLinePoints(ctx, o);
    const bool stubsOnly = ctx.renderMode == RenderMode::Worksheet && isQueryElement(o.Typ);
    QRect painted;
    for (int s = 0; s < 3; ++s) {
        if (s == 1 && stubsOnly)
            continue;
        painted |= drawAnchorLine(*ctx.painter, p[s], p[s + 1], o.LinieFarbe, o.LinieDicke);
    }
    return painted;
}

} // namespace

std::array<QPoint, 4> pairLinePoints(const DrawContext& ctx, const ObjDataTyp& o)
{
    const QPoint a = ctx.toPicture(o.Sx, o.Sy);
    QPoint c = ctx.toPicture(o.Kx, o.Ky);
    if (o.KAusr == Side::Centre)
        c.rx() -= rnd(o.KBreite / 2.0 * ctx.page.width());
    const QPoint stub(ctx.scaled(50), 0);
    return {a, a + stub, c - stub, c};
}

QRect drawPairElement(DrawContext& ctx, int index)
{
    const ObjDataTyp& o = ctx.document->objects[index];
    if (o.Sichtbar == 0)
        return {};
    // The solution overlay shows nothing but the lines of the answers.
    if (ctx.renderMode == RenderMode::SolutionOverlay)
        return isQueryElement(o.Typ) && o.Sline == kPairLine ? drawPairLine(ctx, o) : QRect();
    QRect painted;
    if (lineShown(ctx, o))
        painted |= drawPairLine(ctx, o);

    if (isPicture(o.Typ)) {
        const QRect card = fixedPictureCard(ctx, o);
        drawCardPicture(ctx, o, card);
        return painted | card;
    }
    // The text stands free, so that each line ends right at its words.
    const QRect card = fixedTextCard(ctx, o);
    drawFittedText(ctx, o, card.adjusted(3, 1, -3, -1), o.Farbe, o.TAusr);
    return painted | card;
}

} // namespace velunto
