#include "common/numeric.h"
#include "common/random.h"
#include "content/cluster/clusterlayout.h"
#include "content/cluster/clusterpainting.h"
#include "document/document.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"
#include "view/objectpainter.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QRegularExpression>

using namespace velunto;

namespace {

const QSize kPage(1000, 700);

Document clusterDocument(int baskets, int rows)
{
    Document doc;
    doc.header.DokTyp = DokTyp::Cluster;
    doc.header.EinrueckRand = defaultEinrueckRand(DokTyp::Cluster);
    doc.header.LueckenTabelleSpalten = baskets;
    doc.header.LueckenTabelleZeilen = rows;
    for (auto& row : doc.header.LueckenTabelle)
        for (auto& cell : row)
            cell.Art = 1;
    return doc;
}

void setCell(Document& doc, int row, int column, int art, const QString& text,
             const QString& bildKenn = {})
{
    lueckentabellearrtyp& cell = doc.header.LueckenTabelle[row][column];
    cell.Art = art;
    cell.Text = text;
    cell.BildKenn = bildKenn;
    if (art == 2 || art == 3) {
        cell.Bild = QImage(40, 20, QImage::Format_RGB32);
        cell.Bild.fill(Qt::blue);
        cell.Groesse = 10;
    }
}

} // namespace

TEST(ClusterLayout, BuildsTheEntriesOfEveryBasketRowByRow)
{
    Document doc = clusterDocument(2, 5);
    setCell(doc, 0, 0, 0, QStringLiteral("Säugetiere"));
    setCell(doc, 0, 1, 0, QStringLiteral("Vögel"));
    setCell(doc, 1, 0, 1, QStringLiteral("Hund"));
    setCell(doc, 1, 1, 1, QStringLiteral("  ")); // blank: no object, no number
    setCell(doc, 2, 0, 3, QString(), QStringLiteral("Katze"));
    setCell(doc, 2, 1, 1, QStringLiteral("Amsel"));
    setCell(doc, 3, 1, 2, QString());
    const int authored = doc.newObject(ObjectKind::FixedLabel, {0, 0, 1, 1}, 1, false, 0);
    RandomSource random(7);

    layoutCluster(doc, kPage, random);
    layoutCluster(doc, kPage, random); // a rebuild replaces, never adds

    ASSERT_EQ(doc.objectCount(), 7);
    EXPECT_EQ(doc.objects[authored].Typ, ObjectKind::FixedLabel);
    struct Expected
    {
        int kind;
        int row;
        int column;
        int question;
    };
    const Expected expected[] = {{40, 0, 0, -1}, {40, 0, 1, -1}, {41, 1, 0, 1},
                                 {43, 2, 0, 2},  {41, 2, 1, 3},  {42, 3, 1, -1}};
    // W 1000, H 700: left 35, top 21, header band 35, basket 465, entry 125.
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        const Expected& e = expected[k];
        const ObjDataTyp& o = doc.objects[k + 1];
        EXPECT_EQ(o.Typ, e.kind);
        EXPECT_EQ(o.FrageNummer, e.question);
        EXPECT_EQ(o.KAusr, Side::Centre);
        EXPECT_EQ(o.Ebene, Layer::TextsAndImages);
        EXPECT_DOUBLE_EQ(o.Kx, (35 + e.column * 465 + 232.5) / 1000.0);
        EXPECT_DOUBLE_EQ(o.Ky, ((e.row + 0.5) * 125 + 21 + 35) / 700.0);
        EXPECT_DOUBLE_EQ(o.KBreite, 465 * 0.95 / 1000.0);
        EXPECT_DOUBLE_EQ(o.KHoehe, 125 * 0.85 / 700.0);
        if (e.question > 0) {
            EXPECT_EQ(o.KorbZeile, e.row);
            EXPECT_EQ(o.KorbSpalte, e.column);
        }
    }
    EXPECT_EQ(doc.objects[1].TAusr, 1);
    const ObjDataTyp& picture = doc.objects[4];
    EXPECT_EQ(picture.Text, QStringLiteral("Katze (Bildkennung)"));
    EXPECT_EQ(doc.header.LueckenTabelle[2][0].Text, picture.Text);
    EXPECT_EQ(picture.Bild.size(), QSize(40, 20));
    EXPECT_EQ(picture.Fsize, 10);               // two baskets keep the size step
    EXPECT_TRUE(doc.objects[6].Text.isEmpty()); // a static picture has no name
}

TEST(ClusterLayout, SizesShrinkWithTheNumberOfBaskets)
{
    struct Case
    {
        int baskets; // as stored; kept to 2..5
        int textStep;
        int pictureStep; // for Groesse 10
    };
    for (const Case& c : {Case{2, 0, 10}, Case{3, -1, 8}, Case{4, -2, 6}, Case{5, -3, 4},
                          Case{9, -3, 4}, Case{0, 0, 10}}) {
        SCOPED_TRACE(c.baskets);
        Document doc = clusterDocument(c.baskets, 1);
        setCell(doc, 0, 0, 1, QStringLiteral("Wort"));
        setCell(doc, 0, 1, 3, QString(), QStringLiteral("x"));
        RandomSource random;
        layoutCluster(doc, kPage, random);
        EXPECT_EQ(doc.objects[0].Fsize, c.textStep);
        EXPECT_EQ(doc.objects[1].Fsize, c.pictureStep);
        EXPECT_EQ(clusterFit(0, c.baskets), c.textStep);
    }
}

TEST(ClusterLayout, PictureNames)
{
    RandomSource random(99);
    EXPECT_EQ(clusterPictureName(QStringLiteral("Hund"), random), "Hund (Bildkennung)");

    // Without an identifier (blanks count as none) every picture is unique.
    const QRegularExpression randomName(
        QStringLiteral("^[a-z]{20} \\(Zufallskennung für Bild\\)$"));
    const QString a = clusterPictureName(QString(), random);
    const QString b = clusterPictureName(QStringLiteral("  "), random);
    EXPECT_TRUE(randomName.match(a).hasMatch()) << a.toStdString();
    EXPECT_TRUE(randomName.match(b).hasMatch()) << b.toStdString();
    EXPECT_NE(a, b);

    // The same seed gives the same name.
    RandomSource again(99);
    EXPECT_EQ(clusterPictureName(QString(), again), a);
}

TEST(ClusterLayout, BasketsAndBadges)
{
    Document doc = clusterDocument(3, 16);
    const ClusterGeometry g = clusterGeometry(doc.header, kPage);
    // W 1000: left 35, basket width rnd(930 / 3) = 310; top 21, bottom 679.
    EXPECT_EQ(g.basketRect(1), QRect(QPoint(345, 21), QPoint(654, 679)));
    EXPECT_EQ(basketAt(g, QPoint(345, 300)), 2);
    EXPECT_EQ(basketAt(g, QPoint(964, 300)), 3);
    EXPECT_EQ(basketAt(g, QPoint(34, 300)), -1);
    EXPECT_EQ(basketAt(g, QPoint(965, 300)), -1);
    EXPECT_EQ(basketAt(g, QPoint(500, 680)), -1);
    EXPECT_EQ(clusterBadgeRadius(870, 16), rnd(18 * 0.68));
    EXPECT_EQ(clusterBadgeRadius(1740, 5), rnd(2 * 18 * 0.9));
}

TEST(ClusterBackground, BasketColoursLinesAndTheBadgeOfARun)
{
    Document doc = clusterDocument(2, 5);
    doc.header.SpaltenHtgd[0] = {0x0000FF, 100}; // red, opaque
    doc.header.SpaltenHtgd[1] = {0xFF0000, 50};  // blue, half
    doc.header.LueckenTabelleLinie = 1;
    doc.header.LueckenTabelleLinieCol = 0x00FF00;
    Session session;
    ViewState view{session};

    auto paint = [&](bool running) {
        session.setMode(running ? AppMode::Exercise : AppMode::LearningView);
        QImage page(kPage, QImage::Format_ARGB32_Premultiplied);
        page.fill(Qt::white);
        QPainter p(&page);
        PainterCanvas canvas(&p);
        DrawContext ctx;
        ctx.painter = &p;
        ctx.canvas = &canvas;
        ctx.document = &doc;
        ctx.view = &view;
        ctx.page = kPage;
        paintClusterBackground(ctx);
        return page;
    };
    const QImage learning = paint(false);
    EXPECT_EQ(learning.pixel(100, 400), qRgb(255, 0, 0));
    const QRgb half = learning.pixel(800, 400);
    EXPECT_EQ(qBlue(half), 255);
    EXPECT_NEAR(qRed(half), 127, 2);
    EXPECT_EQ(learning.pixel(500, 400), qRgb(0, 255, 0)); // the separator at 35 + 465
    EXPECT_EQ(learning.pixel(20, 400), qRgb(255, 255, 255));

    // The badge of the first basket: centre (35 + rnd(232.5), rnd(21 + 1.4 rb)).
    const int rb = clusterBadgeRadius(1000, 5);
    const QPoint badge(35 + 232, rnd(21 + 1.4 * rb));
    const QPoint rim(badge.x() + rb - 3, badge.y());
    EXPECT_EQ(learning.pixel(rim), qRgb(255, 0, 0));
    EXPECT_EQ(paint(true).pixel(rim), qRgb(0xEC, 0xEC, 0xE8));
}

TEST(ClusterCards, ARunShowsOnlyTheCardsAlreadySorted)
{
    Document doc = clusterDocument(2, 1);
    setCell(doc, 0, 0, 1, QStringLiteral("Hund"));
    setCell(doc, 0, 1, 0, QStringLiteral("Titel"));
    RandomSource random;
    layoutCluster(doc, kPage, random);
    Session session;
    ViewState view{session};
    session.setMode(AppMode::Exercise);
    QImage page(kPage, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&page);
    PainterCanvas canvas(&p);
    DrawContext ctx{&p, &canvas, &doc, &view, kPage};

    doc.objects[0].Abdeckung = -5;
    EXPECT_TRUE(drawClusterCard(ctx, 0).isEmpty());
    EXPECT_FALSE(drawClusterCard(ctx, 1).isEmpty()); // static texts always show
    doc.objects[0].Abdeckung = 0;
    const QRect card = drawClusterCard(ctx, 0);
    const QPoint point = ctx.toPicture(doc.objects[0].Kx, doc.objects[0].Ky);
    EXPECT_EQ(card.left() + card.width() / 2, point.x());
    EXPECT_EQ(card.top() + card.height() / 2, point.y());
    EXPECT_EQ(card.width(), rnd(doc.objects[0].KBreite * 1000));
}
