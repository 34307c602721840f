#include "content/cloze/clozepainters.h"

#include "content/cloze/clozebuilder.h"
#include "content/cloze/clozecontent.h"
#include "content/cloze/clozelayout.h"
#include "document/document.h"
#include "support/fixedwidthcanvas.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace velunto {
namespace {

using testing::FixedWidthCanvas;

// A page 870 x 600 drawn through the fixed-width canvas.
struct Page
{
    Document doc;
    Session session;
    ViewState view{session};
    QImage picture{870, 600, QImage::Format_ARGB32_Premultiplied};
    QPainter painter{&picture};
    FixedWidthCanvas canvas;

    Page()
    {
        picture.fill(Qt::white);
        startClozeDocument(doc, ClozeSubType::Flowing);
        doc.header.EinrueckRand = {0.0, 0.0, 0.0, 0.0};
    }

    DrawContext context()
    {
        DrawContext ctx;
        ctx.painter = &painter;
        ctx.canvas = &canvas;
        ctx.document = &doc;
        ctx.view = &view;
        ctx.page = picture.size();
        return ctx;
    }
};

TEST(GapCardPainter, DrawsTheAnswerOnItsGapAtTheFittedSize)
{
    Page page;
    page.doc.header.lueckentext = QStringLiteral("Die Sonne geht im <<Osten>> auf.");
    page.doc.header.LueckentextCol = 0x00AA00;
    layoutCloze(page.doc, page.canvas, page.picture.size(), true, false);
    page.doc.clozeFontStep = -2; // as if the text had been fitted at 20
    ObjDataTyp& gap = page.doc.objects[0];
    gap.Abdeckung = 0;

    DrawContext ctx = page.context();
    page.canvas.texts.clear();
    QRect card = drawGapCard(ctx, 0);
    // "Osten" at 20 is 50 wide, wider than 30 units and " XXX"; the card is
    // 4 taller than the text and stands on its anchor.
    const QPoint anchor = ctx.toPicture(gap.Kx, gap.Ky);
    EXPECT_EQ(card, QRect(anchor.x() - 25, anchor.y() - 24, 50, 24));
    ASSERT_EQ(page.canvas.texts.size(), 1u);
    EXPECT_EQ(page.canvas.texts[0].text, QStringLiteral("Osten"));
    EXPECT_EQ(page.canvas.texts[0].x, card.left());
    EXPECT_EQ(page.canvas.texts[0].y, card.top() + 2);
    EXPECT_EQ(page.canvas.texts[0].colour, 0x00AA00);

    // MinLuecke widens a short answer; grey while the object editor is open,
    // its own colour when selected there
    gap.Text = QStringLiteral("a");
    page.doc.header.MinLuecke = 8;
    page.session.setEditorOpen(true);
    page.canvas.texts.clear();
    EXPECT_EQ(drawGapCard(ctx, 0).width(), 80);
    EXPECT_EQ(page.canvas.texts[0].colour, 0xC0C0C0);
    EXPECT_EQ(page.canvas.texts[0].x, anchor.x() - 40 + 35);
    page.session.setSelectedObject(0);
    page.canvas.texts.clear();
    drawGapCard(ctx, 0);
    EXPECT_EQ(page.canvas.texts[0].colour, gap.Farbe);

    // in an exercise a solved gap with a tick shows the tick, not the answer
    page.session.setEditorOpen(false);
    page.session.setMode(AppMode::Exercise);
    gap.Abdeckung = -2;
    page.canvas.texts.clear();
    drawGapCard(ctx, 0);
    EXPECT_TRUE(page.canvas.texts.empty());
    page.session.setMode(AppMode::LearningView);

    // covered: the box with "?", no answer
    gap.Abdeckung = -1;
    page.canvas.texts.clear();
    card = drawGapCard(ctx, 0);
    ASSERT_FALSE(page.canvas.texts.empty());
    EXPECT_EQ(page.canvas.texts.back().text, QStringLiteral("?"));
    EXPECT_EQ(page.picture.pixelColor(card.center()), QColor(0xCA, 0xE4, 0xFF));
}

TEST(TablePainters, PicturesFollowTheirSizeStepAndQueryTextsAtLeastOneLine)
{
    Page page;
    Document& doc = page.doc;
    const int picture = doc.addGeneratedObject(ObjectKind::TableFixedImage, 1, QString(), 0, 0.5,
                                               0.1, Side::Bottom, 20);
    doc.objects[std::size_t(picture)].Bild = QImage(200, 100, QImage::Format_ARGB32);
    doc.objects[std::size_t(picture)].Bild.fill(Qt::red);
    DrawContext ctx = page.context();

    // As tall as "X" at step 20 (62), twice as wide: 124.
    doc.objects[std::size_t(picture)].KBreite = 0.5;
    QRect card = drawTablePicture(ctx, picture);
    EXPECT_EQ(card.size(), QSize(124, 62));
    EXPECT_EQ(card.topLeft(), QPoint(435 - 62, 60));
    // wider than KBreite: scaled to it and centred in the card's height
    doc.objects[std::size_t(picture)].KBreite = 100 / 870.0;
    page.picture.fill(Qt::white);
    card = drawTablePicture(ctx, picture);
    EXPECT_EQ(card.size(), QSize(100, 62));
    EXPECT_EQ(page.picture.pixelColor(card.center()), QColor(Qt::red));
    EXPECT_EQ(page.picture.pixelColor(card.left() + 50, card.top() + 2), QColor(Qt::white));

    const int text = doc.addGeneratedObject(ObjectKind::TableQueryText, 1, QStringLiteral("Katze"),
                                            0, 0.5, 0.5, Side::Bottom, 0);
    ObjDataTyp& o = doc.objects[std::size_t(text)];
    o.Abdeckung = 0;
    o.TAusr = 1;
    o.KBreite = 0.5;
    o.KHoehe = 0.01; // 6 pixels: too low for a line of 22
    page.canvas.texts.clear();
    card = drawTableQueryText(ctx, text);
    ASSERT_EQ(page.canvas.texts.size(), 1u);
    EXPECT_EQ(page.canvas.texts[0].text, QStringLiteral("Katze"));
    EXPECT_GE(card.height(), 22);
    EXPECT_EQ(card.top(), 300);
}

// Dark pixels (text) in a rectangle of the picture.
int inkIn(const QImage& picture, const QRect& area)
{
    int ink = 0;
    const QRect r = area & picture.rect();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            ink += qGray(picture.pixel(x, y)) < 128 ? 1 : 0;
    }
    return ink;
}

TEST(ClozeBackground, TextScaledToThePictureLeavesItsGapsWhereTheCardsAre)
{
    // The builder lays out on a page 870 wide; the view's picture here is
    // more than twice as large.
    Page page;
    page.painter.end(); // this test paints a picture of its own size
    page.doc.baseImage = QImage(1000, 700, QImage::Format_RGB32);
    page.doc.header.lueckentext = QStringLiteral("Wort Wort Wort <<Lücke>> Wort Wort Wort");
    buildCloze(page.doc, true);
    ASSERT_EQ(page.doc.objectCount(), 1);
    page.doc.objects[0].Abdeckung = 0;
    page.picture = QImage(2000, 1400, QImage::Format_ARGB32_Premultiplied);

    for (bool shown : {true, false}) {
        page.picture.fill(Qt::white);
        page.view.layers[Layer::TextsAndImages] = shown;
        QPainter painter(&page.picture);
        PainterCanvas canvas(&painter);
        DrawContext ctx = page.context();
        ctx.painter = &painter;
        ctx.canvas = &canvas;
        drawClozeBackground(PageComposer::Stage::Background, ctx);
        QImage measure(1, 1, QImage::Format_ARGB32_Premultiplied);
        PainterCanvas measuring(&measure);
        ctx.canvas = &measuring;
        QPainter none(&measure);
        ctx.painter = &none;
        const QRect card = drawGapCard(ctx, 0);
        painter.end();

        const QRect line(0, card.top(), 2000, card.height());
        if (!shown) {
            EXPECT_EQ(inkIn(page.picture, line), 0);
            continue;
        }
        // Text on the gap's line before and after its card, none under it.
        EXPECT_GT(inkIn(page.picture, QRect(0, card.top(), card.left(), card.height())), 100);
        EXPECT_GT(inkIn(page.picture, QRect(card.right() + 1, card.top(), 200, card.height())),
                  100);
        EXPECT_EQ(inkIn(page.picture, card.adjusted(4, 0, -4, 0)), 0);
    }
    // the objects stay as the builder placed them
    const ObjDataTyp built = page.doc.objects[0];
    buildCloze(page.doc, false);
    EXPECT_DOUBLE_EQ(page.doc.objects[0].Kx, built.Kx);
}

TEST(ClozeBackground, AnExerciseShowsTheTextAndTheTableItsGridLines)
{
    Page page;
    page.painter.end();
    page.doc.baseImage = QImage(1000, 700, QImage::Format_RGB32);
    page.doc.header.DokUnterTyp = ClozeSubType::Table;
    page.doc.header.LueckenTabelleZeilen = 2;
    page.doc.header.LueckenTabelle[0][0].Text = QStringLiteral("Der Hund");
    page.doc.header.LueckenTabelleLinie = 1;
    page.doc.header.LueckenTabelleLinieCol = 0x0000FF;
    page.view.layers[Layer::TextsAndImages] = false;
    page.session.setMode(AppMode::Exercise);
    // a picture of the layout page's own size
    const QSize layoutPage = clozeLayoutPage(page.doc);
    page.picture = QImage(layoutPage, QImage::Format_ARGB32_Premultiplied);
    page.picture.fill(Qt::white);
    QPainter painter(&page.picture);
    PainterCanvas canvas(&painter);
    DrawContext ctx = page.context();
    ctx.painter = &painter;
    ctx.canvas = &canvas;
    drawClozeBackground(PageComposer::Stage::Background, ctx);
    painter.end();

    QImage device(1, 1, QImage::Format_ARGB32_Premultiplied);
    PainterCanvas measuring(&device);
    const ClozeLayoutResult layout = drawCloze(page.doc, measuring, layoutPage);
    ASSERT_EQ(layout.gridLines.size(), 2u);
    const QLine under = layout.gridLines[0];
    EXPECT_EQ(page.picture.pixelColor(under.p1() + QPoint(5, 0)), QColor(Qt::red));
    EXPECT_EQ(page.picture.pixelColor(under.p1() + QPoint(5, -1)), QColor(Qt::white));
    EXPECT_GT(inkIn(page.picture, QRect(0, 0, 400, under.y1())), 50);
}

} // namespace
} // namespace velunto
