#include "content/contentcards.h"

#include "common/numeric.h"
#include "document/document.h"
#include "document/fitcardtext.h"
#include "view/cardplacement.h"
#include "view/drawcache.h"
#include "view/objectpainter.h"

#include <QPainter>

#include <algorithm>

namespace velunto {

namespace {

constexpr ColorRef kPictureFrame = 0x808080;
constexpr ColorRef kPlaceholder = 0xA0A0A0;

int placedSide(const ObjDataTyp& o)
{
    return o.KAusr >= Side::Right && o.KAusr <= Side::Centre ? o.KAusr : Side::Centre;
}

const QImage& pictureOf(const ObjDataTyp& o)
{
    static const QImage blank = Document::blankPicture();
    return o.Bild.isNull() || o.Bild.width() <= 0 || o.Bild.height() <= 0 ? blank : o.Bild;
}

} // namespace

QRect fixedTextCard(const DrawContext& ctx, const ObjDataTyp& o)
{
    const QSize size(std::max(1, rnd(o.KBreite * ctx.page.width())),
                     std::max(1, rnd(o.KHoehe * ctx.page.height())));
    return placeCard(ctx.toPicture(o.Kx, o.Ky), size, placedSide(o));
}

QRect fixedPictureCard(DrawContext& ctx, const ObjDataTyp& o)
{
    TextFont font;
    font.family = QStringLiteral("Arial");
    font.pixelSize = std::max(1, ctx.characterHeight(o.Fsize));
    ctx.canvas->setFont(font);
    int h = std::max(1, ctx.canvas->textHeight());
    if (o.KHoehe > 0.0)
        h = std::clamp(rnd(o.KHoehe * ctx.page.height()), 1, h);
    const QImage& picture = pictureOf(o);
    int w = std::max(1, rnd(double(picture.width()) * h / picture.height()));
    // A very wide picture is kept to the width its card may take.
    const int widest = o.KBreite > 0.0 ? std::max(1, rnd(o.KBreite * ctx.page.width()))
                                       : std::max(1, ctx.page.width());
    if (w > widest) {
        h = std::max(1, rnd(double(h) * widest / w));
        w = widest;
    }
    return placeCard(ctx.toPicture(o.Kx, o.Ky), QSize(w, h), placedSide(o));
}

void drawFittedText(DrawContext& ctx, const ObjDataTyp& o, const QRect& card, ColorRef colour,
                    int alignment)
{
    if (card.isEmpty())
        return;
    TextFont font;
    font.family = ctx.document->fontName();
    font.pixelSize = std::max(1, ctx.characterHeight(o.Fsize));
    font.style = o.Stil;
    font.colour = colour;
    alignment = std::clamp(alignment, 0, 2);
    auto paint = [&](TextCanvas& canvas, const QRect& r) {
        fitCardText(canvas, font, o.Text, r, alignment, CardVertical::Centre, r.height(), true);
    };
    if (!ctx.cache) {
        paint(*ctx.canvas, card);
        return;
    }
    DrawKey key;
    key << QStringLiteral("content-text") << o.Text << font.family << font.pixelSize << font.style
        << colour << alignment;
    const QImage& sprite = ctx.cache->sprite(key, card.size(), [&](QPainter& p) {
        PainterCanvas canvas(&p);
        paint(canvas, QRect(QPoint(0, 0), card.size()));
    });
    ctx.painter->drawImage(card.topLeft(), sprite);
}

void drawCardPicture(DrawContext& ctx, const ObjDataTyp& o, const QRect& card)
{
    if (card.isEmpty())
        return;
    QPainter& p = *ctx.painter;
    const QImage& picture = pictureOf(o);
    if (ctx.cache) {
        p.drawImage(card.topLeft(), ctx.cache->scaled(picture, card.size()));
    } else {
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(card, picture);
        p.restore();
    }
    drawFrame(p, card, toQColor(kPictureFrame));
}

void drawCardPlaceholder(DrawContext& ctx, const QRect& card)
{
    if (card.isEmpty())
        return;
    QPainter& p = *ctx.painter;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(toQColor(kPlaceholder), 1, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(card.adjusted(0, 0, -1, -1));
    p.restore();
}

} // namespace velunto
