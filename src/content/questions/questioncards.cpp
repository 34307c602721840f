#include "content/questions/questioncards.h"

#include "common/numeric.h"
#include "content/layoutpage.h"
#include "document/document.h"
#include "view/cardplacement.h"
#include "view/objectpainter.h"

#include <QStringList>

#include <algorithm>

namespace velunto {

TextFont questionCardFont(const DrawContext& ctx, const ObjDataTyp& o)
{
    TextFont font;
    font.family = ctx.document->fontName();
    font.pixelSize = std::max(1, ctx.characterHeight(o.Fsize));
    font.style = o.Stil;
    font.colour = o.Farbe;
    return font;
}

QSize unwrappedTextSize(TextCanvas& canvas, const TextFont& font, const QString& text)
{
    canvas.setFont(font);
    const QStringList lines =
        QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, canvas.width(line));
    const int lineHeight = std::max(1, canvas.textHeight());
    return {std::max(width, std::max(1, font.pixelSize)),
            lineHeight * std::max<int>(1, int(lines.size()))};
}

int rightIndentEdge(const DrawContext& ctx)
{
    return rnd((1.0 - usableIndent(ctx.document->header.EinrueckRand).right) * ctx.page.width());
}

QRect drawQuestionText(DrawContext& ctx, const ObjDataTyp& o, const FittedText& fit)
{
    const TextFont font = questionCardFont(ctx, o);
    const QSize size = unwrappedTextSize(*ctx.canvas, font, o.Text);
    // The card as measured is not kept on the page: its text wraps at the
    // margin instead.
    const QRect card = questionCardRect(ctx, o, size);
    QRect area = card;
    area.setRight(std::max(card.left(), rightIndentEdge(ctx) - 1));
    const int maxHeight = std::max(1, fit.maxHeight);
    const CardTextResult measured =
        fitCardText(*ctx.canvas, font, o.Text, area, 0, fit.vertical, maxHeight, false);
    fitCardText(*ctx.canvas, font, o.Text, area, 0, fit.vertical, maxHeight, true);
    return area | measured.rect;
}

QRect questionCardRect(const DrawContext& ctx, const ObjDataTyp& o, QSize size)
{
    const double aspect = double(ctx.page.width()) / std::max(1, ctx.page.height());
    return placeCard(ctx.toPicture(o.Kx, o.Ky), size, drawnSide(o, aspect));
}

} // namespace velunto
