#include "view/objectpainter.h"

#include "common/numeric.h"
#include "content/contentregistry.h"
#include "document/document.h"
#include "document/fitcardtext.h"
#include "document/objectkinds.h"
#include "view/cardplacement.h"
#include "view/drawcache.h"
#include "view/exercisestates.h"
#include "view/numbering.h"
#include "view/viewstate.h"

#include <QPainter>

#include <algorithm>

namespace velunto {

namespace {

constexpr ColorRef kCoveredFill = 0xFFE4CA;
constexpr ColorRef kCoveredFrame = 0xBB7D46;
constexpr ColorRef kNumberColour = 0x0000FF;
constexpr ColorRef kInactivePoint = 0xC0C0C0;
constexpr ColorRef kSelectionOrange = 0x0080FF;
constexpr ColorRef kAnswerColour = 0x0000FF;

// A text card leaves this much room around its text: enough that the text
// never touches the frame, small enough that labels stay compact.
QMargins cardPadding(int characterHeight)
{
    const int x = std::max(2, rnd(characterHeight * 0.35));
    const int y = std::max(1, rnd(characterHeight * 0.15));
    return {x, y, x, y};
}

// Cards never wrap wider than this share of the page: long labels become a
// block of a few lines instead of a bar across the picture. Near the edge of
// the page they wrap narrower, down to the smaller share.
constexpr double kWrapShare = 0.4;
constexpr double kMinWrapShare = 0.15;

struct TextCardLayout
{
    QSize card;
    TextFont font; // with the character height that fits
    QMargins padding;
};

// The character height that fits and the size of the text itself, measured
// once per text, font and room.
DrawCache::TextFit measureText(DrawContext& ctx, const TextFont& font, const QString& text,
                               QSize room, int alignment)
{
    DrawKey key;
    if (ctx.cache) {
        key << QStringLiteral("fit") << text << font.family << font.pixelSize << font.style << room
            << alignment;
        if (const auto fit = ctx.cache->textFit(key))
            return *fit;
    }
    const CardTextResult r = fitCardText(*ctx.canvas, font, text, QRect(QPoint(0, 0), room),
                                         alignment, CardVertical::Top, room.height(), false);
    const DrawCache::TextFit fit{r.rect.size(), r.fontSize};
    if (ctx.cache)
        ctx.cache->storeTextFit(key, fit);
    return fit;
}

TextCardLayout layoutTextCard(DrawContext& ctx, const ObjDataTyp& o)
{
    TextCardLayout layout;
    const int ch = std::max(1, ctx.characterHeight(o.Fsize));
    layout.font.family = ctx.document->fontName();
    layout.font.pixelSize = ch;
    layout.font.style = o.Stil;
    layout.font.colour = o.Farbe;
    layout.padding = cardPadding(ch);
    const int padW = layout.padding.left() + layout.padding.right();
    const int padH = layout.padding.top() + layout.padding.bottom();

    if (o.KBreite > 0.0 && o.KHoehe > 0.0) {
        layout.card = QSize(std::max(1, rnd(o.KBreite * ctx.page.width())),
                            std::max(1, rnd(o.KHoehe * ctx.page.height())));
        const QSize inner(std::max(1, layout.card.width() - padW),
                          std::max(1, layout.card.height() - padH));
        layout.font.pixelSize =
            measureText(ctx, layout.font, o.Text, inner, o.TAusr).characterHeight;
        return layout;
    }

    const int wrap =
        std::max(ch, std::clamp(roomBeside(ctx, o) - padW, rnd(ctx.page.width() * kMinWrapShare),
                                rnd(ctx.page.width() * kWrapShare)));
    const int maxHeight = std::max(ch, ctx.page.height());
    const DrawCache::TextFit fit = measureText(ctx, layout.font, o.Text, {wrap, maxHeight}, 0);
    layout.font.pixelSize = fit.characterHeight;
    // An empty text still makes a card one line high.
    TextFont lineFont;
    lineFont.family = layout.font.family;
    lineFont.pixelSize = fit.characterHeight;
    const int w = std::max(fit.size.width(), std::max(1, ch / 2));
    int h = fit.size.height();
    if (h <= 0) {
        ctx.canvas->setFont(lineFont);
        h = ctx.canvas->textHeight();
    }
    layout.card = QSize(w + padW, h + padH);
    return layout;
}

// Paints with paint onto the painter, or, with a cache, into a sprite that
// is made once and then blitted. paint gets a context whose painter and
// canvas draw at rect.
void drawCached(DrawContext& ctx, const DrawKey& key, const QRect& rect,
                const std::function<void(DrawContext&, const QRect&)>& paint)
{
    if (rect.isEmpty())
        return;
    if (!ctx.cache) {
        paint(ctx, rect);
        return;
    }
    const QImage& sprite = ctx.cache->sprite(key, rect.size(), [&](QPainter& p) {
        PainterCanvas canvas(&p);
        DrawContext inner = ctx;
        inner.painter = &p;
        inner.canvas = &canvas;
        inner.cache = nullptr;
        paint(inner, QRect(QPoint(0, 0), rect.size()));
    });
    ctx.painter->drawImage(rect.topLeft(), sprite);
}

bool isCovered(const ObjDataTyp& o)
{
    return drawsCoveredBox(o.Typ) && o.Abdeckung == -1;
}

// Steps shared by every card: the editor's anchor marks and the anchor line.
QRect drawLineAndMarks(DrawContext& ctx, int index, const ObjectGeometry& g)
{
    const ObjDataTyp& o = ctx.document->objects[index];
    QRect painted;
    if (o.Sline != 1)
        return painted;
    if (ctx.renderMode == RenderMode::View && ctx.isSelected(index))
        painted |= drawSelectedAnchor(*ctx.painter, g.anchor);
    if (ctx.renderMode != RenderMode::SolutionOverlay)
        painted |= drawAnchorLine(*ctx.painter, g.anchor, g.lineEnd, o.LinieFarbe, o.LinieDicke);
    return painted;
}

// The covered box of a covered query field, its "?" starting smaller by the
// cloze's font correction for gap cards and table query fields (a shrink
// found on a page 870 wide, scaled to this one).
int questionMarkShrink(const DrawContext& ctx, const ObjDataTyp& o)
{
    return followsClozeFontCorrection(o.Typ) && ctx.document->header.DokTyp == DokTyp::Cloze
               ? ctx.scaled(ctx.document->clozeFontStep)
               : 0;
}

void drawCentredText(TextCanvas& canvas, QPoint centre, const QString& text)
{
    canvas.drawText(centre.x() - canvas.width(text) / 2, centre.y() - canvas.textHeight() / 2,
                    text);
}

QPoint centreOf(const QRect& r)
{
    return {r.left() + r.width() / 2, r.top() + r.height() / 2};
}

QColor darkened(ColorRef c)
{
    return QColor(rnd(refRed(c) * 0.7), rnd(refGreen(c) * 0.7), rnd(refBlue(c) * 0.7));
}

const QImage& pictureOf(const ObjDataTyp& o)
{
    static const QImage blank = Document::blankPicture();
    return o.Bild.isNull() || o.Bild.width() <= 0 || o.Bild.height() <= 0 ? blank : o.Bild;
}

} // namespace

// --- DrawContext ---------------------------------------------------------------

QPoint DrawContext::toPicture(double fx, double fy) const
{
    return {rnd(fx * page.width()), rnd(fy * page.height())};
}

int DrawContext::scaled(double length) const
{
    return rnd(length * page.width() / 870.0);
}

int DrawContext::characterHeight(int sizeStep) const
{
    // Size steps run from -8 to +400; anything beyond comes from a damaged
    // file and would ask for fonts and pictures of absurd size.
    return scaled(2.0 * std::clamp(sizeStep, -8, 400) + 22.0);
}

bool DrawContext::exerciseRunning() const
{
    return view && view->session().exerciseRunning();
}

bool DrawContext::editorOpen() const
{
    return view && view->session().editorOpen();
}

bool DrawContext::isSelected(int index) const
{
    return editorOpen() && view->session().selectedObject() == index;
}

int DrawContext::currentQuestion() const
{
    return view ? view->session().currentQuestion() : 1;
}

void DrawContext::setCard(const QRect& card) const
{
    if (drawnCard != nullptr && renderMode == RenderMode::View)
        *drawnCard = card;
}

// --- ObjectPainter ---------------------------------------------------------------

ObjectPainter::ObjectPainter() = default;

void ObjectPainter::setKindPainter(int kind, KindPainter painter)
{
    m_painters[kind] = std::move(painter);
}

ObjectPainter::KindPainter ObjectPainter::kindPainter(int kind) const
{
    if (const auto it = m_painters.find(kind); it != m_painters.end())
        return it->second;
    const KindInfo* info = findKind(kind);
    switch (info != nullptr ? info->drawnBy : DrawnBy::ContentType) {
    case DrawnBy::TextCard:
        return drawTextCard;
    case DrawnBy::PictureCard:
        return drawPictureCard;
    case DrawnBy::Point:
        return drawPoint;
    case DrawnBy::ContentType:
        break;
    }
    if (KindPainter painter = contentRegistry().painterFor(kind))
        return painter;
    return drawTextCard;
}

QRect ObjectPainter::draw(DrawContext& ctx, int index) const
{
    if (!ctx.document || !ctx.document->isValidIndex(index) || ctx.page.isEmpty())
        return {};
    const ObjDataTyp& o = ctx.document->objects[index];
    if (ctx.renderMode != RenderMode::View) {
        // Worksheets leave out points, links and the info layer.
        if (isLeftOffWorksheets(o.Typ) || o.Ebene == Layer::InfoPoints)
            return {};
    }
    // The check button of a text-entry run is an element beside the page,
    // not a card on it.
    if (o.Typ == ObjectKind::McOkButton && ctx.document->header.DokTyp != DokTyp::MultipleChoice)
        return {};
    const KindPainter paint = kindPainter(o.Typ);
    ctx.painter->save();
    const QRect painted = paint(ctx, index);
    ctx.painter->restore();
    return painted;
}

// --- sizes and placement -----------------------------------------------------------

QSize textCardSize(DrawContext& ctx, const ObjDataTyp& o)
{
    return layoutTextCard(ctx, o).card;
}

QSize pictureCardSize(DrawContext& ctx, const ObjDataTyp& o)
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
    // A picture far wider than the page is shown at twice the page width.
    const int widest = 2 * std::max(1, ctx.page.width());
    if (w > widest) {
        h = std::max(1, rnd(double(h) * widest / w));
        w = widest;
    }
    return {w, h};
}

namespace {

struct PointLayout
{
    QSize size;
    TextFont font;
    bool twoLines = false;
};

// A point is an ellipse around its title: at least as tall as a number
// circle, wide enough that the title's corners stay inside the ellipse.
PointLayout layoutPoint(DrawContext& ctx, const ObjDataTyp& o)
{
    PointLayout p;
    p.twoLines = !o.PktCap2.isEmpty();
    p.font.family = QStringLiteral("Arial");
    p.font.pixelSize = std::max(1, ctx.scaled(p.twoLines ? 10 : 12));
    p.font.style = StyleBit::Bold;
    p.font.colour = o.Farbe;
    ctx.canvas->setFont(p.font);
    const int tw = std::max(ctx.canvas->width(o.PktCap), ctx.canvas->width(o.PktCap2));
    const int th = ctx.canvas->textHeight();
    const int block = p.twoLines ? rnd(th * 1.95) : th;
    const int ch = p.font.pixelSize;
    const int h = std::max(std::max(1, ctx.scaled(30)), rnd(block * 1.25 + ch * 0.5));
    const int w = std::max(h, rnd(tw * 1.3 + ch));
    p.size = QSize(w, h);
    return p;
}

} // namespace

QSize pointSize(DrawContext& ctx, const ObjDataTyp& o)
{
    return layoutPoint(ctx, o).size;
}

ObjectGeometry placeObject(const DrawContext& ctx, const ObjDataTyp& o, QSize card)
{
    ObjectGeometry g;
    const double aspect = double(ctx.page.width()) / std::max(1, ctx.page.height());
    g.side = drawnSide(o, aspect);
    g.cardPoint = ctx.toPicture(o.Kx, o.Ky);
    g.anchor = ctx.toPicture(o.Sx, o.Sy);
    g.card = placeCard(g.cardPoint, card, g.side);
    const QRect page(QPoint(0, 0), ctx.page);
    QPoint shift;
    if (g.card.right() > page.right())
        shift.rx() = page.right() - g.card.right();
    if (g.card.left() + shift.x() < 0)
        shift.rx() = -g.card.left();
    if (g.card.bottom() > page.bottom())
        shift.ry() = page.bottom() - g.card.bottom();
    if (g.card.top() + shift.y() < 0)
        shift.ry() = -g.card.top();
    g.card.translate(shift);
    g.lineEnd = g.cardPoint + shift;
    return g;
}

int roomBeside(const DrawContext& ctx, const ObjDataTyp& o)
{
    const double aspect = double(ctx.page.width()) / std::max(1, ctx.page.height());
    const int x = std::clamp(ctx.toPicture(o.Kx, o.Ky).x(), 0, ctx.page.width());
    switch (drawnSide(o, aspect)) {
    case Side::Right:
        return ctx.page.width() - x;
    case Side::Left:
        return x;
    default:
        return 2 * std::min(x, ctx.page.width() - x);
    }
}

// --- primitives ---------------------------------------------------------------------

QRect drawAnchorLine(QPainter& painter, QPoint from, QPoint to, ColorRef colour, int thickness)
{
    const int d = std::clamp(thickness, 1, 50);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(toQColor(colour), 1);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    const int lo = -(d / 2);
    const int hi = d - 1 - d / 2;
    for (int dx = lo; dx <= hi; ++dx) {
        for (int dy = lo; dy <= hi; ++dy)
            painter.drawLine(from + QPoint(dx, dy), to + QPoint(dx, dy));
    }
    painter.restore();
    return QRect(from, to).normalized().adjusted(lo - 1, lo - 1, hi + 1, hi + 1);
}

QRect drawSelectedAnchor(QPainter& painter, QPoint a)
{
    drawFrame(painter, QRect(a.x() - 5, a.y() - 5, 12, 12), toQColor(kSelectionOrange), 2);
    drawFrame(painter, QRect(a.x() - 2, a.y() - 2, 5, 5), Qt::black, 1);
    return QRect(a.x() - 5, a.y() - 5, 12, 12);
}

void drawFrame(QPainter& painter, const QRect& r, const QColor& colour, int thickness)
{
    if (r.isEmpty())
        return;
    const int t = std::clamp(thickness, 1, std::min(r.width(), r.height()));
    painter.fillRect(QRect(r.left(), r.top(), r.width(), t), colour);
    painter.fillRect(QRect(r.left(), r.bottom() - t + 1, r.width(), t), colour);
    painter.fillRect(QRect(r.left(), r.top() + t, t, r.height() - 2 * t), colour);
    painter.fillRect(QRect(r.right() - t + 1, r.top() + t, t, r.height() - 2 * t), colour);
}

void fillCard(QPainter& painter, const QRect& rect, ColorRef colour, int opacityPercent)
{
    const int alpha = rnd(std::clamp(opacityPercent, 0, 100) * 2.55);
    if (alpha > 0)
        painter.fillRect(rect, toQColor(colour, alpha));
}

int fittingCharacterHeight(TextCanvas& canvas, TextFont font, int start, int height)
{
    auto lineHeight = [&](int size) {
        font.pixelSize = size;
        canvas.setFont(font);
        return canvas.textHeight();
    };
    int size = std::max(1, start);
    const int atStart = lineHeight(size);
    if (atStart <= height)
        return size;
    // Line heights grow with the size: jump close to the answer, then step
    // one pixel at a time, never below 1.
    size = std::clamp(int(double(size) * std::max(height, 0) / atStart), 1, size - 1);
    while (size > 1 && lineHeight(size) > height)
        --size;
    while (size + 1 < start && lineHeight(size + 1) <= height)
        ++size;
    return size;
}

namespace {

// The number circle's diameter: rnd(30 x W / 870), in an exercise scaled by
// Zielpunktgroesse (0: no circle), never larger than the box or below 1.
int numberCircleDiameter(const DrawContext& ctx, const QRect& box)
{
    int d = std::max(1, ctx.scaled(30));
    if (ctx.exerciseRunning()) {
        const int percent = ctx.document->header.Zielpunktgroesse;
        if (percent <= 0)
            return 0;
        d = rnd(d * percent / 100.0);
    }
    return std::max(1, std::min({d, box.width(), box.height()}));
}

void paintCoveredBox(DrawContext& ctx, int nummer, const QRect& box, int questionMarkShrink)
{
    QPainter& p = *ctx.painter;
    p.fillRect(box, toQColor(kCoveredFill));
    drawFrame(p, box, toQColor(kCoveredFrame));

    TextFont font;
    font.family = QStringLiteral("Arial");
    font.colour = 0x000000;
    font.pixelSize = fittingCharacterHeight(
        *ctx.canvas, font, rnd(22.0 * ctx.page.width() / 870.0 + questionMarkShrink), box.height());
    ctx.canvas->setFont(font);
    drawCentredText(*ctx.canvas, centreOf(box), QStringLiteral("?"));

    if (nummer >= 1)
        drawNumberCircle(ctx, box, nummer);
}

} // namespace

void drawCoveredBox(DrawContext& ctx, const ObjDataTyp& o, const QRect& box, int questionMarkShrink)
{
    DrawKey key;
    key << QStringLiteral("covered") << ctx.page.width() << questionMarkShrink;
    if (o.Nummer >= 1)
        key << numberLabel(o.Nummer, ctx.document->header.NumArt) << numberCircleDiameter(ctx, box);
    const int nummer = o.Nummer;
    drawCached(ctx, key, box, [&](DrawContext& c, const QRect& r) {
        paintCoveredBox(c, nummer, r, questionMarkShrink);
    });
}

void drawNumberCircle(DrawContext& ctx, const QRect& box, int nummer)
{
    const int d = numberCircleDiameter(ctx, box);
    if (d <= 0)
        return;
    const int nominal = std::max(1, ctx.scaled(30));
    const QPoint c = centreOf(box);
    const QRect circle(c.x() - d / 2, c.y() - d / 2, d, d);

    QPainter& p = *ctx.painter;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(toQColor(kCoveredFrame), 1));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(circle).adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();

    TextFont font;
    font.family = QStringLiteral("Arial");
    font.style = StyleBit::Bold;
    font.colour = kNumberColour;
    font.pixelSize = std::max(1, rnd(20.0 * ctx.page.width() / 870.0 * d / nominal));
    ctx.canvas->setFont(font);
    drawCentredText(*ctx.canvas, c, numberLabel(nummer, ctx.document->header.NumArt));
}

QRect answerBoxRect(const DrawContext& ctx, const QRect& card, int side)
{
    const int e = rnd(card.width() * (ctx.worksheetBoxPercent - 100) / 200.0);
    int left = card.left();
    int right = card.left() + card.width();
    if (side == Side::Right) {
        right += 2 * e;
    } else if (side == Side::Left) {
        left -= 2 * e;
    } else {
        left -= e;
        right += e;
    }
    const int dx = rnd(ctx.page.width() * 0.01);
    const int dy = rnd(card.height() * 0.1);
    const int top = card.top() - dy;
    const int bottom = card.top() + card.height() + dy;
    const int W = ctx.page.width();
    const int H = ctx.page.height();
    return QRect(
        QPoint(std::max(left - dx, rnd(0.005 * W)), std::max(top, rnd(0.005 * H))),
        QPoint(std::min(right + dx, rnd(0.995 * W)) - 1, std::min(bottom, rnd(0.995 * H)) - 1));
}

void drawWorksheetQuery(DrawContext& ctx, const ObjDataTyp& o, const QRect& card, int side)
{
    QPainter& p = *ctx.painter;
    const int mode = ctx.renderMode;
    const QRect box = answerBoxRect(ctx, card, side);
    if ((mode == RenderMode::Worksheet || mode == RenderMode::Solution) && hasAnswerBox(o.Typ) &&
        !box.isEmpty()) {
        p.fillRect(box, Qt::white);
        drawFrame(p, box, Qt::black, 2);
    }

    TextFont font;
    font.family = ctx.document->fontName();
    font.pixelSize = std::max(1, ctx.characterHeight(o.Fsize));
    font.style = o.Stil;
    font.colour = kAnswerColour;
    if (mode == RenderMode::Worksheet) {
        if (o.Typ == ObjectKind::QueryLabel && ctx.firstLetterHint) {
            const QRect hintRect(QPoint(box.left(), card.top()), card.bottomRight());
            fitCardText(*ctx.canvas, font, ctx.firstLetterHint(o), hintRect, 0, CardVertical::Top,
                        std::max(card.height(), 1), true);
        }
        return;
    }
    const bool picture =
        (o.Typ == ObjectKind::QueryImage || o.Typ == ObjectKind::TableQueryImage) &&
        !o.Bild.isNull();
    if (picture) {
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(card, o.Bild);
        p.restore();
    } else {
        fitCardText(*ctx.canvas, font, o.Text, card, o.TAusr, CardVertical::Top,
                    std::max(card.height(), 1), true);
    }
}

// --- the authored kinds ------------------------------------------------------------

namespace {

// What stands in for a card: on worksheets a query field's answer box and
// answer, on the solution overlay nothing but answers, in the view the
// covered box of a covered field. False when the card itself is drawn.
bool drawStandIn(DrawContext& ctx, int index, const ObjectGeometry& g)
{
    const ObjDataTyp& o = ctx.document->objects[index];
    if (ctx.renderMode != RenderMode::View && showsAnswer(o.Typ)) {
        drawWorksheetQuery(ctx, o, g.card, g.side);
        return true;
    }
    if (ctx.renderMode == RenderMode::SolutionOverlay)
        return true;
    if (ctx.renderMode == RenderMode::View && ctx.exerciseRunning() &&
        drawExerciseState(ctx, index, g.card, questionMarkShrink(ctx, o)))
        return true;
    if (ctx.renderMode == RenderMode::View && isCovered(o)) {
        drawCoveredBox(ctx, o, g.card, questionMarkShrink(ctx, o));
        return true;
    }
    return false;
}

} // namespace

QRect drawTextCard(DrawContext& ctx, int index)
{
    const ObjDataTyp& o = ctx.document->objects[index];
    const TextCardLayout layout = layoutTextCard(ctx, o);
    const ObjectGeometry g = placeObject(ctx, o, layout.card);
    QRect painted = drawLineAndMarks(ctx, index, g) | g.card;

    if (!drawStandIn(ctx, index, g)) {
        DrawKey key;
        key << QStringLiteral("text") << o.Text << layout.font.family << layout.font.pixelSize
            << layout.font.style << o.Farbe << o.HFarbe << o.HDeck << o.LinieFarbe << o.TAusr
            << layout.padding.left() << layout.padding.top();
        drawCached(ctx, key, g.card, [&](DrawContext& c, const QRect& card) {
            fillCard(*c.painter, card, o.HFarbe, o.HDeck);
            drawFrame(*c.painter, card, toQColor(o.LinieFarbe));
            const QRect inner = card.marginsRemoved(layout.padding);
            fitCardText(*c.canvas, layout.font, o.Text, inner, o.TAusr, CardVertical::Centre,
                        inner.height(), true);
        });
    }
    ctx.setCard(g.card);
    return painted;
}

QRect drawPictureCard(DrawContext& ctx, int index)
{
    const ObjDataTyp& o = ctx.document->objects[index];
    const ObjectGeometry g = placeObject(ctx, o, pictureCardSize(ctx, o));
    QRect painted = drawLineAndMarks(ctx, index, g) | g.card;

    if (!drawStandIn(ctx, index, g)) {
        QPainter& p = *ctx.painter;
        const QImage& picture = pictureOf(o);
        p.save();
        p.setOpacity(std::clamp(o.BildDeck, 0, 100) / 100.0);
        if (ctx.cache) {
            p.drawImage(g.card.topLeft(), ctx.cache->scaled(picture, g.card.size()));
        } else {
            p.setRenderHint(QPainter::SmoothPixmapTransform, true);
            p.drawImage(g.card, picture);
        }
        p.restore();
        drawFrame(p, g.card, toQColor(o.LinieFarbe));
    }
    ctx.setCard(g.card);
    return painted;
}

QRect drawPoint(DrawContext& ctx, int index)
{
    const ObjDataTyp& o = ctx.document->objects[index];
    const PointLayout layout = layoutPoint(ctx, o);
    const ObjectGeometry g = placeObject(ctx, o, layout.size);
    QRect painted = drawLineAndMarks(ctx, index, g) | g.card;

    const bool inactive = ctx.exerciseRunning() && o.PunktInUebung == 0;
    const ColorRef fill = inactive ? kInactivePoint : o.HFarbe;
    const int opacity = inactive ? 100 : std::clamp(o.HDeck, 0, 100);
    DrawKey key;
    key << QStringLiteral("point") << o.PktCap << o.PktCap2 << layout.font.pixelSize
        << layout.font.colour << fill << opacity;
    drawCached(ctx, key, g.card, [&](DrawContext& c, const QRect& card) {
        QPainter& p = *c.painter;
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        const QRectF ellipse = QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(Qt::NoPen);
        p.setBrush(toQColor(fill, rnd(opacity * 2.55)));
        p.drawEllipse(ellipse);
        p.setPen(QPen(darkened(fill), 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(ellipse);
        p.restore();

        c.canvas->setFont(layout.font);
        const QPoint centre = centreOf(card);
        if (layout.twoLines) {
            const int shift = rnd(0.475 * c.canvas->textHeight());
            drawCentredText(*c.canvas, centre - QPoint(0, shift), o.PktCap);
            drawCentredText(*c.canvas, centre + QPoint(0, shift), o.PktCap2);
        } else {
            drawCentredText(*c.canvas, centre, o.PktCap);
        }
    });
    ctx.setCard(g.card);
    return painted;
}

} // namespace velunto
