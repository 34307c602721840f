#include "content/crossword/crosswordlayout.h"

#include "common/numeric.h"
#include "content/contentcards.h"
#include "content/layoutpage.h"
#include "document/document.h"
#include "document/documenttypes.h"
#include "document/fitcardtext.h"
#include "document/objectkinds.h"
#include "view/exercisestates.h"
#include "view/objectpainter.h"

#include <QPainter>

#include <algorithm>
#include <climits>

namespace velunto {

namespace {

// KreuzFarben
enum Colour { BoxFill = 0, BoxBorder = 1, MarkText = 2, Letters = 3, ClueText = 4, ClueTitles = 5 };

constexpr double kGridShare = 0.72;
constexpr double kClueShare = 0.25;

TextFont arial(int pixelSize, ColorRef colour, int style = 0)
{
    TextFont font;
    font.family = QStringLiteral("Arial");
    font.pixelSize = std::max(1, pixelSize);
    font.colour = colour;
    font.style = style;
    return font;
}

void paintBoxesAndMarks(DrawContext& ctx, const CrosswordBoxes& boxes, const HeaderDataTyp& h)
{
    const CrosswordGrid& grid = h.KreuzGitter;
    const QSize page = ctx.page;
    QPainter& p = *ctx.painter;
    p.setRenderHint(QPainter::Antialiasing, false);
    ctx.canvas->setFont(arial(ctx.scaled(22), h.KreuzFarben[MarkText]));
    const int markHeight = ctx.canvas->textHeight();
    const CrosswordArea& a = boxes.area;
    for (int r = a.r0; r <= a.r1; ++r) {
        for (int c = a.c0; c <= a.c1; ++c) {
            const QString& cell = gridCell(grid, c, r);
            if (isLetterBox(cell)) {
                const QRect box = boxes.boxRect(page, c, r);
                p.fillRect(box, toQColor(h.KreuzFarben[BoxFill]));
                drawFrame(p, box, toQColor(h.KreuzFarben[BoxBorder]), 2);
            } else if (isStartMark(cell)) {
                const QString mark = cell.mid(1);
                const QPointF centre = boxes.centre(c, r);
                const int x = rnd(page.width() * centre.x());
                const int top = rnd(page.height() * centre.y() - 0.5 * markHeight);
                ctx.canvas->drawText(x - ctx.canvas->width(mark) / 2, top, mark);
            }
        }
    }
}

void paintClues(DrawContext& ctx, const HeaderDataTyp& h)
{
    const QString text = crosswordClueText(h);
    const QRect area = crosswordClueArea(h, ctx.page);
    if (text.isEmpty() || area.isEmpty())
        return;
    const CardTextResult fitted =
        fitCardText(*ctx.canvas, arial(ctx.scaled(22), h.KreuzFarben[ClueText]), text, area, 0,
                    CardVertical::Top, area.height(), true);

    // The titles stand on the blank first line of each list, in the size the
    // clues were set in.
    const TextFont title = arial(fitted.fontSize, h.KreuzFarben[ClueTitles], StyleBit::Bold);
    const QString horizontal = crosswordClueList(h.KreuzFragen1, u'W');
    int verticalTop = area.top();
    if (!horizontal.isEmpty()) {
        ctx.canvas->setFont(title);
        ctx.canvas->drawText(area.left(), area.top(), QStringLiteral("Waagerecht"));
        TextFont plain = title;
        plain.style = 0;
        verticalTop = area.top() + fitCardText(*ctx.canvas, plain, horizontal, area, 0,
                                               CardVertical::Top, INT_MAX, false)
                                       .rect.height();
    }
    if (!crosswordClueList(h.KreuzFragen2, u'S').isEmpty()) {
        ctx.canvas->setFont(title);
        ctx.canvas->drawText(area.left(), verticalTop, QStringLiteral("Senkrecht"));
    }
}

} // namespace

QRect CrosswordBoxes::boxRect(QSize page, int column, int row) const
{
    const double W = page.width();
    const double H = page.height();
    const int dc = column - area.c0;
    const int dr = row - area.r0;
    const int x1 = rnd((dc * bw + indent.left) * W);
    const int y1 = rnd((dr * bh + indent.top) * H);
    const int x2 = rnd(((dc + 1) * bw + indent.left) * W) + 2;
    const int y2 = rnd(((dr + 1) * bh + indent.top) * H) + 2;
    return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
}

QPointF CrosswordBoxes::centre(int column, int row) const
{
    return {(column - area.c0 + 0.5) * bw + indent.left, (row - area.r0 + 0.5) * bh + indent.top};
}

CrosswordBoxes crosswordBoxes(const HeaderDataTyp& header, QSize page)
{
    CrosswordBoxes b;
    b.area = crosswordArea(header.KreuzGitter);
    b.indent = usableIndent(header.EinrueckRand);
    const RectD& m = b.indent;
    const double W = std::max(1, page.width());
    const double H = std::max(1, page.height());
    b.size =
        std::max(0.0, std::min(kGridShare * (1.0 - m.left - m.right) / b.area.columns() * (W - 2.0),
                               (1.0 - m.top - m.bottom) / b.area.rows() * (H - 2.0)));
    b.bw = b.size / W;
    b.bh = b.size / H;
    return b;
}

QRect crosswordClueArea(const HeaderDataTyp& header, QSize page)
{
    const RectD m = usableIndent(header.EinrueckRand);
    const double W = page.width();
    const double H = page.height();
    const int left = rnd((1.0 - m.right - kClueShare * (1.0 - m.left - m.right)) * W);
    const int right = rnd((1.0 - m.right) * W);
    const int top = rnd(H * m.top);
    const int bottom = rnd((1.0 - m.bottom) * H);
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void layoutCrossword(Document& document, QSize page)
{
    std::erase_if(document.objects,
                  [](const ObjDataTyp& o) { return o.Typ == ObjectKind::CrosswordCell; });
    HeaderDataTyp& h = document.header;
    h.TextCol = h.KreuzFarben[Letters];
    const CrosswordBoxes boxes = crosswordBoxes(h, page);
    const int sizeStep = crosswordSizeStep(boxes.area);
    const CrosswordArea& a = boxes.area;
    for (int r = a.r0; r <= a.r1; ++r) {
        for (int c = a.c0; c <= a.c1; ++c) {
            const QString& cell = gridCell(h.KreuzGitter, c, r);
            if (!isLetterBox(cell))
                continue;
            const QPointF centre = boxes.centre(c, r);
            document.addGeneratedObject(ObjectKind::CrosswordCell, Layer::TextsAndImages, cell, 0,
                                        centre.x(), centre.y(), Side::Centre, sizeStep);
        }
    }
}

void buildCrossword(Document& document, bool create)
{
    if (!create || document.header.DokTyp != DokTyp::Crossword)
        return;
    layoutCrossword(document, layoutPageSize(document));
}

CrosswordContent crosswordContent(const HeaderDataTyp& header)
{
    return {header.KreuzGitter, header.KreuzFragen1, header.KreuzFragen2, header.KreuzFarben};
}

void applyCrosswordContent(Document& document, const CrosswordContent& content)
{
    HeaderDataTyp& h = document.header;
    h.KreuzGitter = content.grid;
    h.KreuzFragen1 = content.horizontal;
    h.KreuzFragen2 = content.vertical;
    h.KreuzFarben = content.colours;
    document.setModified(true);
    layoutCrossword(document, layoutPageSize(document));
}

void prepareNewCrossword(Document& document)
{
    document.header.DokTyp = DokTyp::Crossword;
    document.header.EinrueckRand = defaultEinrueckRand(DokTyp::Crossword);
}

void paintCrossword(DrawContext& ctx)
{
    const HeaderDataTyp& h = ctx.document->header;
    if (h.DokTyp != DokTyp::Crossword || ctx.page.isEmpty())
        return;
    ctx.painter->save();
    paintBoxesAndMarks(ctx, crosswordBoxes(h, ctx.page), h);
    paintClues(ctx, h);
    ctx.painter->restore();
}

QRect drawCrosswordCell(DrawContext& ctx, int index)
{
    const ObjDataTyp& o = ctx.document->objects[index];
    const CrosswordBoxes boxes = crosswordBoxes(ctx.document->header, ctx.page);
    if (boxes.bw <= 0.0 || boxes.bh <= 0.0)
        return {};
    // The box whose centre the letter stands on.
    const int column = boxes.area.c0 + rnd((o.Kx - boxes.indent.left) / boxes.bw - 0.5);
    const int row = boxes.area.r0 + rnd((o.Ky - boxes.indent.top) / boxes.bh - 0.5);
    const QRect card = boxes.boxRect(ctx.page, column, row).adjusted(2, 2, -2, -2);
    if (card.isEmpty())
        return {};

    const int mode = ctx.renderMode;
    if (mode == RenderMode::View) {
        // A run shows open, ticked, crossed and unjudged boxes as every query
        // field; the learning view a covered box.
        if (ctx.exerciseRunning() && drawExerciseState(ctx, index, card, 0))
            return card;
        if (o.Abdeckung == -1 && !ctx.exerciseRunning()) {
            drawCoveredBox(ctx, o, card);
            return card;
        }
    } else if (mode == RenderMode::Worksheet) {
        // On the task sheet the grid's own boxes are the answer boxes.
        return card;
    }
    const ColorRef colour = mode == RenderMode::View ? o.Farbe : ColorRef(0x0000FF);
    drawFittedText(ctx, o, card, colour, 1);
    return card;
}

} // namespace velunto
