#include "document/document.h"
#include "view/objectpainter.h"

#include <gtest/gtest.h>

#include <QPainter>

using namespace velunto;

namespace {

// Draws one object of doc in a render mode onto a white page 870 x 600.
struct Sheet
{
    Document doc;
    QImage page{870, 600, QImage::Format_ARGB32_Premultiplied};
    QRect lastCard; // what the painter told a view about its card

    int add(int kind, double x, double y, const QString& text)
    {
        ObjDataTyp o;
        o.Typ = kind;
        o.Kx = x;
        o.Ky = y;
        o.Sx = 0.1;
        o.Sy = 0.9;
        o.Sline = 1;
        o.KAusr = Side::Right;
        o.Text = text;
        o.Ebene = Layer::TextsAndImages;
        o.Abdeckung = -1;
        o.Nummer = 1;
        doc.objects.push_back(o);
        return doc.objectCount() - 1;
    }

    QRect draw(int index, int mode, int boxPercent = 100)
    {
        page.fill(Qt::white);
        QPainter p(&page);
        PainterCanvas canvas(&p);
        DrawContext ctx;
        ctx.painter = &p;
        ctx.canvas = &canvas;
        ctx.document = &doc;
        ctx.page = page.size();
        ctx.renderMode = mode;
        ctx.worksheetBoxPercent = boxPercent;
        lastCard = QRect();
        ctx.drawnCard = &lastCard;
        ObjectPainter painter;
        return painter.draw(ctx, index);
    }

    int count(bool (*test)(QRgb), QRect area = {}) const
    {
        if (area.isNull())
            area = page.rect();
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += test(page.pixel(x, y));
        return n;
    }
    // The leftmost black pixel in row y.
    int firstBlack(int y) const
    {
        for (int x = 0; x < page.width(); ++x)
            if (page.pixel(x, y) == qRgb(0, 0, 0))
                return x;
        return -1;
    }
};

bool red(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}
bool black(QRgb c)
{
    return c == qRgb(0, 0, 0);
}

} // namespace

TEST(Worksheet, QueryFieldsByRenderMode)
{
    Sheet s;
    const int label = s.add(ObjectKind::QueryLabel, 0.5, 0.3, QStringLiteral("Zellkern"));

    s.draw(label, RenderMode::Worksheet);
    EXPECT_EQ(s.count(red), 0);
    EXPECT_GT(s.count(black), 100);
    // The line from the anchor at (87, 540) runs to the card.
    EXPECT_GT(s.count(black, QRect(85, 537, 5, 5)), 0);
    const int boxLeft = s.firstBlack(180);
    // Box: card left edge at 435, widened by rnd(8.7) = 9 pixels; a double frame.
    EXPECT_EQ(boxLeft, 435 - 9);
    EXPECT_EQ(s.page.pixel(boxLeft + 1, 180), qRgb(0, 0, 0));
    EXPECT_EQ(s.page.pixel(boxLeft + 2, 180), qRgb(255, 255, 255));
    EXPECT_TRUE(s.lastCard.isNull()); // worksheets leave hit geometry alone

    s.draw(label, RenderMode::SolutionOverlay);
    EXPECT_GT(s.count(red), 20);
    EXPECT_EQ(s.count(black), 0); // no box, no line

    s.draw(label, RenderMode::Solution);
    EXPECT_GT(s.count(red), 20);
    EXPECT_EQ(s.firstBlack(180), boxLeft);

    // A larger box grows towards the free side: right of a card on side 1.
    s.draw(label, RenderMode::Worksheet, 150);
    EXPECT_EQ(s.firstBlack(180), boxLeft);
    s.doc.objects[label].KAusr = Side::Left;
    s.draw(label, RenderMode::Worksheet, 100);
    const int leftOfPoint = s.firstBlack(180);
    s.draw(label, RenderMode::Worksheet, 150);
    EXPECT_LT(s.firstBlack(180), leftOfPoint);
}

TEST(Worksheet, PointsAndTheInfoLayerAreLeftOut)
{
    Sheet s;
    const int point = s.add(ObjectKind::InfoPoint, 0.5, 0.5, QStringLiteral("Info"));
    const int info = s.add(ObjectKind::FixedLabel, 0.5, 0.5, QStringLiteral("Text"));
    s.doc.objects[info].Ebene = Layer::InfoPoints;
    const int fixed = s.add(ObjectKind::FixedLabel, 0.5, 0.5, QStringLiteral("Text"));
    for (int mode : {RenderMode::Worksheet, RenderMode::SolutionOverlay, RenderMode::Solution}) {
        EXPECT_TRUE(s.draw(point, mode).isEmpty());
        EXPECT_TRUE(s.draw(info, mode).isEmpty());
        s.draw(fixed, mode);
        // A fixed label shows on the task and the solution, not on the overlay.
        EXPECT_EQ(s.count(black) > 0, mode != RenderMode::SolutionOverlay) << mode;
    }
}
