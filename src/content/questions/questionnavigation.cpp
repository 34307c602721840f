#include "content/questions/questionnavigation.h"

#include "common/numeric.h"
#include "common/random.h"
#include "content/layoutpage.h"
#include "content/questions/questioncards.h"
#include "document/document.h"
#include "view/objectpainter.h"

#include <QPainter>

#include <algorithm>

namespace velunto {

namespace {

constexpr ColorRef kInactiveButton = 0xC0C0C0;
constexpr ColorRef kInactiveSymbol = 0xFFFFFF;

// Kinds from left to right, 0.06 of the page apart.
constexpr int kButtonOrder[] = {ObjectKind::NavFirst, ObjectKind::NavPrevious, ObjectKind::NavNext,
                                ObjectKind::NavLast, ObjectKind::NavRandom};

QString buttonSymbol(int kind)
{
    switch (kind) {
    case ObjectKind::NavPrevious:
        return QStringLiteral("<");
    case ObjectKind::NavNext:
        return QStringLiteral(">");
    case ObjectKind::NavFirst:
        return QStringLiteral("|<");
    case ObjectKind::NavLast:
        return QStringLiteral(">|");
    default:
        return QStringLiteral("?");
    }
}

QColor darkened(ColorRef c)
{
    return QColor(rnd(refRed(c) * 0.7), rnd(refGreen(c) * 0.7), rnd(refBlue(c) * 0.7));
}

} // namespace

void addNavigationButtons(Document& document)
{
    const RectD margins = usableIndent(document.header.EinrueckRand);
    const double y = 1.0 - margins.bottom - 0.03;
    double x = margins.left;
    for (int kind : kButtonOrder) {
        document.addGeneratedObject(kind, Layer::InfoPoints, QString(), -1, x, y, Side::Right, 0);
        x += 0.06;
    }
}

int steppedQuestion(int kind, int current, int count, RandomSource& random)
{
    if (count <= 0)
        return current;
    switch (kind) {
    case ObjectKind::NavPrevious:
        return std::max(1, current - 1);
    case ObjectKind::NavNext:
        return std::clamp(current + 1, 1, count);
    case ObjectKind::NavFirst:
        return 1;
    case ObjectKind::NavLast:
        return count;
    case ObjectKind::NavRandom: {
        if (count < 2)
            return 1;
        int next = current;
        while (next == current)
            next = random.below(count) + 1;
        return next;
    }
    default:
        return current;
    }
}

int validQuestion(int current, int count)
{
    if (current >= 1 && current <= count)
        return current;
    return count >= 1 ? 1 : -1;
}

int shownQuestion(const DrawContext& ctx)
{
    return validQuestion(ctx.currentQuestion(), ctx.document->header.AnzFrageNummern);
}

QRect drawNavigationButton(DrawContext& ctx, int index)
{
    const ObjDataTyp& o = ctx.document->objects[index];
    const HeaderDataTyp& header = ctx.document->header;
    const int d = std::max(1, ctx.scaled(30));
    const QRect card = placeObject(ctx, o, QSize(d, d)).card;
    const bool running = ctx.exerciseRunning();
    const ColorRef fill = running ? kInactiveButton : header.FragBtnHtgdCol;

    QPainter& p = *ctx.painter;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(darkened(fill), 1));
    p.setBrush(toQColor(fill));
    p.drawEllipse(QRectF(card).adjusted(0.5, 0.5, -0.5, -0.5));
    p.restore();

    TextFont font;
    font.family = QStringLiteral("Arial");
    font.pixelSize = std::max(1, ctx.scaled(16));
    font.style = StyleBit::Bold;
    font.colour = running ? kInactiveSymbol : header.FragBtnTextCol;
    ctx.canvas->setFont(font);
    const QString symbol = buttonSymbol(o.Typ);
    const int w = ctx.canvas->width(symbol);
    const int h = ctx.canvas->textHeight();
    ctx.canvas->drawText(card.left() + (card.width() - w) / 2, card.top() + (card.height() - h) / 2,
                         symbol);
    return card;
}

QRect drawQuestionCaption(DrawContext& ctx, int index)
{
    const ObjDataTyp& o = ctx.document->objects[index];
    if (ctx.exerciseRunning() || o.FrageNummer != shownQuestion(ctx))
        return {};
    const TextFont font = questionCardFont(ctx, o);
    const QRect card = placeObject(ctx, o, unwrappedTextSize(*ctx.canvas, font, o.Text)).card;
    ctx.canvas->setFont(font);
    ctx.canvas->drawText(card.left(), card.top(), o.Text);
    return card;
}

} // namespace velunto
