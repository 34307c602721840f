#include "content/cloze/clozepainters.h"

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
    ViewState view;
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
    page.view.editorOpen = true;
    page.canvas.texts.clear();
    EXPECT_EQ(drawGapCard(ctx, 0).width(), 80);
    EXPECT_EQ(page.canvas.texts[0].colour, 0xC0C0C0);
    EXPECT_EQ(page.canvas.texts[0].x, anchor.x() - 40 + 35);
    page.view.selectedObject = 0;
    page.canvas.texts.clear();
    drawGapCard(ctx, 0);
    EXPECT_EQ(page.canvas.texts[0].colour, gap.Farbe);

    // covered: the box with "?", no answer
    page.view.editorOpen = false;
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

TEST(ClozeBackground, DrawsTheTextOnlyWhereItIsShownAndAlwaysPlacesTheGaps)
{
    Page page;
    page.doc.header.lueckentext = QStringLiteral("Der <<Hund>> bellt.");
    layoutCloze(page.doc, page.canvas, {1740, 1200}, true, false);
    const ObjDataTyp before = page.doc.objects[0];

    for (bool shown : {true, false}) {
        page.view.layers[Layer::TextsAndImages] = shown;
        page.canvas.texts.clear();
        DrawContext ctx = page.context();
        drawClozeBackground(PageComposer::Stage::Background, ctx);
        EXPECT_EQ(page.canvas.drawnText(), shown ? QStringLiteral("Der  bellt. ") : QString());
        // placed for this picture of 870 pixels, where the text starts at 22
        EXPECT_DOUBLE_EQ(page.doc.objects[0].Ky, (10 + 22 + 4) / 600.0);
        EXPECT_NE(page.doc.objects[0].Ky, before.Ky);
    }
    // an exercise shows the text whatever the layers
    page.view.mode = AppMode::Exercise;
    page.canvas.texts.clear();
    DrawContext ctx = page.context();
    drawClozeBackground(PageComposer::Stage::Background, ctx);
    EXPECT_FALSE(page.canvas.texts.empty());

    // the table's grid lines in their colour
    Page table;
    table.doc.header.DokUnterTyp = ClozeSubType::Table;
    table.doc.header.LueckenTabelleZeilen = 2;
    table.doc.header.LueckenTabelleLinie = 1;
    table.doc.header.LueckenTabelleLinieCol = 0x0000FF;
    DrawContext tableCtx = table.context();
    drawClozeBackground(PageComposer::Stage::Background, tableCtx);
    EXPECT_EQ(table.picture.pixelColor(10, 41), QColor(Qt::red));
    EXPECT_EQ(table.picture.pixelColor(10, 40), QColor(Qt::white));
}

} // namespace
} // namespace velunto
