#include "content/cluster/clusterpainting.h"

#include "common/numeric.h"
#include "content/cluster/clusterlayout.h"
#include "content/contentcards.h"
#include "document/document.h"
#include "view/objectpainter.h"

#include <QPainter>

#include <algorithm>

namespace velunto {

namespace {

constexpr ColorRef kBadgeFill = 0xE8ECEC;
constexpr ColorRef kBadgeBorder = 0x606060;
constexpr ColorRef kBadgeText = 0x0000FF;

bool isQueryCard(int kind)
{
    return kind == ObjectKind::ClusterQueryText || kind == ObjectKind::ClusterQueryImage;
}

bool isPicture(int kind)
{
    return kind == ObjectKind::ClusterFixedImage || kind == ObjectKind::ClusterQueryImage;
}

void drawBadge(DrawContext& ctx, QPoint centre, int radius)
{
    QPainter& p = *ctx.painter;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(toQColor(kBadgeBorder), 1));
    p.setBrush(toQColor(kBadgeFill));
    p.drawEllipse(QPointF(centre), radius, radius);
    p.restore();

    TextFont font;
    font.family = QStringLiteral("Arial");
    font.style = StyleBit::Bold;
    font.colour = kBadgeText;
    font.pixelSize = std::max(1, ctx.scaled(20));
    ctx.canvas->setFont(font);
    const QString mark = QStringLiteral("?");
    ctx.canvas->drawText(centre.x() - ctx.canvas->width(mark) / 2,
                         centre.y() - ctx.canvas->textHeight() / 2, mark);
}

} // namespace

int clusterBadgeRadius(int pageWidth, int rows)
{
    return rnd(pageWidth / 870.0 * 18.0 * (1.0 - rows / 50.0));
}

void paintClusterBackground(DrawContext& ctx)
{
    const HeaderDataTyp& h = ctx.document->header;
    if (h.DokTyp != DokTyp::Cluster)
        return;
    const ClusterGeometry g = clusterGeometry(h, ctx.page);
    QPainter& p = *ctx.painter;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int c = 0; c < g.baskets; ++c) {
        const SpaltenHtgdEntry& column = h.SpaltenHtgd[c];
        const int alpha = rnd(std::clamp(column.value, 0, 100) / 100.0 * 255.0);
        if (alpha > 0)
            p.fillRect(g.basketRect(c), toQColor(column.colour, alpha));
    }
    if (h.LueckenTabelleLinie == 1) {
        for (int c = 1; c < g.baskets; ++c) {
            const int x = g.leftX + c * g.basketWidth;
            p.fillRect(QRect(x, g.topY, 1, std::max(0, g.bottomY - g.topY)),
                       toQColor(h.LueckenTabelleLinieCol));
        }
    }
    p.restore();

    if (!ctx.exerciseRunning())
        return;
    const int radius = clusterBadgeRadius(ctx.page.width(), g.rows);
    if (radius <= 0)
        return;
    for (int c = 0; c < g.baskets; ++c) {
        const QPoint centre(g.leftX + rnd(g.basketWidth * (c + 0.5)), rnd(g.topY + 1.4 * radius));
        drawBadge(ctx, centre, radius);
    }
}

QRect drawClusterCard(DrawContext& ctx, int index)
{
    const ObjDataTyp& o = ctx.document->objects[index];
    const QRect card = isPicture(o.Typ) ? fixedPictureCard(ctx, o) : fixedTextCard(ctx, o);
    if (isQueryCard(o.Typ)) {
        if (ctx.exerciseRunning() && o.Abdeckung != 0)
            return {};
        if (ctx.renderMode == RenderMode::View && o.Abdeckung == -1) {
            drawCardPlaceholder(ctx, card);
            return card;
        }
        // A worksheet shows where the cards go only in its solutions.
        if (ctx.renderMode == RenderMode::Worksheet)
            return {};
    } else if (ctx.renderMode == RenderMode::SolutionOverlay) {
        return {};
    }
    const bool answer = isQueryCard(o.Typ) && ctx.renderMode != RenderMode::View;
    if (isPicture(o.Typ))
        drawCardPicture(ctx, o, card);
    else
        drawFittedText(ctx, o, card, answer ? ColorRef(0x0000FF) : o.Farbe, 1);
    return card;
}

} // namespace velunto
