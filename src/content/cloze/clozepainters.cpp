#include "content/cloze/clozepainters.h"

#include "common/numeric.h"
#include "content/cloze/clozecontent.h"
#include "content/cloze/clozelayout.h"
#include "document/document.h"
#include "document/fitcardtext.h"
#include "view/drawcache.h"
#include "view/exercisestates.h"
#include "view/viewstate.h"

#include <QPainter>

#include <algorithm>

namespace velunto {

namespace {

constexpr ColorRef kEditorGrey = 0xC0C0C0;

bool isCovered(const ObjDataTyp& o)
{
    return o.Abdeckung == -1;
}

const QImage& pictureOf(const ObjDataTyp& o)
{
    static const QImage blank = Document::blankPicture();
    return o.Bild.isNull() || o.Bild.width() <= 0 || o.Bild.height() <= 0 ? blank : o.Bild;
}

// The "?" of a covered gap or table field starts as much smaller as the
// fitted text.
int questionMarkShrink(const DrawContext& ctx)
{
    return clozeCharacterHeight(*ctx.document, ctx.page.width()) -
           rnd(22.0 * ctx.page.width() / 870.0);
}

// On worksheets a query field shows its answer box and answer, a fixed
// picture itself (not on the solution overlay); in an exercise a query field
// shows its state; in the view a covered field is the covered box. True when
// that was drawn instead of the card.
bool drawStandIn(DrawContext& ctx, int index, const ObjectGeometry& g, bool query)
{
    const ObjDataTyp& o = ctx.document->objects[std::size_t(index)];
    if (ctx.renderMode != RenderMode::View) {
        if (query)
            drawWorksheetQuery(ctx, o, g.card, g.side);
        return query || ctx.renderMode == RenderMode::SolutionOverlay;
    }
    if (!query)
        return false;
    if (ctx.exerciseRunning() && drawExerciseState(ctx, index, g.card, questionMarkShrink(ctx)))
        return true;
    if (isCovered(o)) {
        drawCoveredBox(ctx, o, g.card, questionMarkShrink(ctx));
        return true;
    }
    return false;
}

} // namespace

QRect drawGapCard(DrawContext& ctx, int index)
{
    const Document& doc = *ctx.document;
    const ObjDataTyp& o = doc.objects[std::size_t(index)];

    TextFont font;
    font.family = doc.fontName();
    font.pixelSize = clozeCharacterHeight(doc, ctx.page.width(), o.Fsize);
    font.colour = ctx.isSelected(index) ? o.Farbe
                  : ctx.editorOpen()    ? kEditorGrey
                                        : doc.header.LueckentextCol;
    TextCanvas& canvas = *ctx.canvas;
    canvas.setFont(font);
    const int textWidth = canvas.width(o.Text);
    const int minimum = canvas.width(QString(usableMinGap(doc.header.MinLuecke), u'X'));
    const QSize size(std::max({ctx.scaled(30), textWidth, minimum}), canvas.textHeight() + 4);
    const ObjectGeometry g = placeObject(ctx, o, size);

    if (!drawStandIn(ctx, index, g, true)) {
        canvas.setFont(font);
        canvas.drawText(g.card.left() + (g.card.width() - textWidth) / 2, g.card.top() + 2, o.Text);
    }
    return g.card;
}

QRect drawDistractorCard(DrawContext&, int)
{
    return {};
}

QRect drawTableQueryText(DrawContext& ctx, int index)
{
    const Document& doc = *ctx.document;
    const ObjDataTyp& o = doc.objects[std::size_t(index)];

    TextFont font;
    font.family = doc.fontName();
    font.pixelSize = std::max(1, ctx.characterHeight(o.Fsize));
    font.style = o.Stil;
    font.colour = o.Farbe;
    ctx.canvas->setFont(font);
    const int line = ctx.canvas->textHeight();
    const int wrap = std::max(1, o.KBreite > 0.0 ? rnd(o.KBreite * ctx.page.width()) : line);
    // The card keeps room for one line even in a crowded table.
    const int maxHeight = std::max(line, rnd(o.KHoehe * ctx.page.height()));
    const CardTextResult fit = fitCardText(*ctx.canvas, font, o.Text, QRect(0, 0, wrap, maxHeight),
                                           o.TAusr, CardVertical::Top, maxHeight, false);
    font.pixelSize = std::max(1, fit.fontSize);
    const int pad = std::max(2, rnd(font.pixelSize * 0.25));
    const QSize text(std::max(fit.rect.width(), font.pixelSize / 2),
                     std::max(fit.rect.height(), line));
    const ObjectGeometry g = placeObject(ctx, o, text + QSize(2 * pad, 2 * pad));

    if (!drawStandIn(ctx, index, g, true)) {
        fillCard(*ctx.painter, g.card, o.HFarbe, o.HDeck);
        drawFrame(*ctx.painter, g.card, toQColor(o.LinieFarbe));
        const QRect inner = g.card.adjusted(pad, pad, -pad, -pad);
        fitCardText(*ctx.canvas, font, o.Text, inner, o.TAusr, CardVertical::Top,
                    std::max(1, inner.height()), true);
    }
    return g.card;
}

QRect drawTablePicture(DrawContext& ctx, int index)
{
    const Document& doc = *ctx.document;
    const ObjDataTyp& o = doc.objects[std::size_t(index)];
    const QImage& picture = pictureOf(o);

    TextFont font;
    font.family = doc.fontName();
    font.pixelSize = std::max(1, ctx.characterHeight(o.Fsize));
    ctx.canvas->setFont(font);
    const int h = std::max(1, ctx.canvas->textHeight());
    int w = std::max(1, rnd(double(picture.width()) * h / picture.height()));
    QSize shown(w, h);
    const int widest = o.KBreite > 0.0 ? std::max(1, rnd(o.KBreite * ctx.page.width())) : w;
    if (w > widest) {
        shown = QSize(widest, std::max(1, rnd(double(h) * widest / w)));
        w = widest;
    }
    const ObjectGeometry g = placeObject(ctx, o, QSize(w, h));

    if (!drawStandIn(ctx, index, g, o.Typ == ObjectKind::TableQueryImage)) {
        QPainter& p = *ctx.painter;
        const QRect target(g.card.left() + (g.card.width() - shown.width()) / 2,
                           g.card.top() + (g.card.height() - shown.height()) / 2, shown.width(),
                           shown.height());
        p.save();
        p.setOpacity(std::clamp(o.BildDeck, 0, 100) / 100.0);
        if (ctx.cache) {
            p.drawImage(target.topLeft(), ctx.cache->scaled(picture, target.size()));
        } else {
            p.setRenderHint(QPainter::SmoothPixmapTransform, true);
            p.drawImage(target, picture);
        }
        p.restore();
    }
    return g.card;
}

void drawClozeBackground(PageComposer::Stage stage, DrawContext& ctx)
{
    const Document& doc = *ctx.document;
    if (stage != PageComposer::Stage::Background || ctx.renderMode != RenderMode::View ||
        doc.header.DokTyp != DokTyp::Cloze)
        return;
    if (!ctx.exerciseRunning() && ctx.view && !ctx.view->layerShown(Layer::TextsAndImages))
        return;

    // The text is set exactly as the builder set it on its layout page, where
    // the gap cards got their places, and drawn scaled to this picture: text
    // and cards agree at every size of the window.
    const QSize layout = clozeLayoutPage(doc);
    const double sx = double(ctx.page.width()) / layout.width();
    const double sy = double(ctx.page.height()) / layout.height();
    QPainter& p = *ctx.painter;
    p.save();
    p.scale(sx, sy);
    PainterCanvas canvas(&p);
    const ClozeLayoutResult result = drawCloze(doc, canvas, layout);
    p.restore();

    const QColor colour = toQColor(doc.header.LueckenTabelleLinieCol);
    for (const QLine& line : result.gridLines) {
        const QPoint from(rnd(line.x1() * sx), rnd(line.y1() * sy));
        const QPoint to(rnd((line.x2() + 1) * sx) - 1, rnd((line.y2() + 1) * sy) - 1);
        p.fillRect(line.x1() == line.x2() ? QRect(from.x(), from.y(), 1, to.y() - from.y() + 1)
                                          : QRect(from.x(), from.y(), to.x() - from.x() + 1, 1),
                   colour);
    }
}

} // namespace velunto
