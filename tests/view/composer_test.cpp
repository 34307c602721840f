#include "common/random.h"
#include "document/document.h"
#include "view/covering.h"
#include "view/hittest.h"
#include "view/numbering.h"
#include "view/pagecomposer.h"
#include "view/pagegeometry.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <climits>
#include <functional>

using namespace velunto;

namespace {

constexpr QRgb kBase = qRgb(0, 0, 0);

// A page 800 x 500 pixels: a black BaseImage of 640 x 500 with a margin zone
// of 80 pixels on the left and right.
struct Page
{
    Document doc;
    Session session;
    ViewState view{session};
    PageComposer composer{doc, view};

    Page()
    {
        doc.baseImage = QImage(640, 500, QImage::Format_RGB32);
        doc.baseImage.fill(kBase);
        doc.header.RandErw = {0.125, 0.0, 0.125, 0.0};
        doc.header.HtgdCol = 0x00FFFF; // yellow
        derivePageGeometry(doc.header, doc.baseImage.size());
        view.setViewport(QSize(800, 500));
    }

    int label(int kind, double x, double y, const QString& text = QStringLiteral("Wort"))
    {
        ObjDataTyp o;
        o.Typ = kind;
        o.Kx = o.Sx = x;
        o.Ky = o.Sy = y;
        o.Text = text;
        o.Ebene = Layer::TextsAndImages;
        o.KAusr = Side::Centre;
        o.Abdeckung = 0;
        doc.objects.push_back(o);
        return doc.objectCount() - 1;
    }

    QRect card(int index) const
    {
        const RectD b = composer.cards().bounds(index);
        const QSize s = view.pictureSize();
        return QRect(QPoint(qRound(b.left * s.width()), qRound(b.top * s.height())),
                     QPoint(qRound(b.right * s.width()) - 1, qRound(b.bottom * s.height()) - 1));
    }

    QRgb pixel(QPoint p) const { return composer.page().pixel(p); }
};

int countPixels(const QImage& image, const QRect& area, bool (*test)(QRgb))
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    return n;
}

bool isRed(QRgb c)
{
    return qRed(c) > 180 && qGreen(c) < 80 && qBlue(c) < 80;
}

} // namespace

TEST(Composer, MarginZoneBaseImageAndItsOpacity)
{
    Page p;
    p.composer.redraw();
    ASSERT_EQ(p.composer.page().size(), QSize(800, 500));
    EXPECT_EQ(p.pixel({10, 250}), qRgb(255, 255, 0));
    EXPECT_EQ(p.pixel({79, 250}), qRgb(255, 255, 0));
    EXPECT_EQ(p.pixel({80, 250}), kBase);
    EXPECT_EQ(p.pixel({719, 10}), kBase);
    EXPECT_EQ(p.pixel({720, 10}), qRgb(255, 255, 0));

    p.doc.header.BasisbildDeck = 50;
    p.composer.redraw();
    const QRgb half = p.pixel({400, 250});
    EXPECT_NEAR(qRed(half), 127, 2);
    EXPECT_NEAR(qBlue(half), 0, 1);

    // Without the layer "Basisbild" the whole page is white ...
    p.view.layers[Layer::BaseImage] = false;
    p.composer.redraw();
    EXPECT_EQ(p.pixel({10, 10}), qRgb(255, 255, 255));
    EXPECT_EQ(p.pixel({400, 250}), qRgb(255, 255, 255));
    // ... except while an exercise runs.
    p.session.setMode(AppMode::Exercise);
    p.composer.redraw();
    EXPECT_EQ(p.pixel({10, 10}), qRgb(255, 255, 0));
}

TEST(Composer, CoveredBoxFrameAndNumberCircleColours)
{
    Page p;
    const int i = p.label(ObjectKind::QueryLabel, 0.5, 0.5, QStringLiteral("Zellkern"));
    p.doc.objects[i].Abdeckung = -1;
    p.doc.objects[i].Nummer = 3;
    p.composer.redraw();

    const QRect box = p.card(i);
    ASSERT_GT(box.width(), 30);
    ASSERT_GT(box.height(), 20);
    EXPECT_EQ(p.pixel(box.topLeft()), qRgb(0x46, 0x7D, 0xBB)); // frame 0xBB7D46
    EXPECT_EQ(p.pixel(box.bottomRight()), qRgb(0x46, 0x7D, 0xBB));
    EXPECT_EQ(p.pixel(box.topLeft() + QPoint(2, 2)), qRgb(0xCA, 0xE4, 0xFF)); // fill 0xFFE4CA
    EXPECT_EQ(p.pixel(box.topLeft() - QPoint(1, 1)), kBase);

    // The white circle, centred, with the number in red.
    const QPoint c = box.center();
    const int d = std::min({30 * 800 / 870, box.width(), box.height()});
    EXPECT_EQ(p.pixel(c + QPoint(-d / 2 + 3, -d / 4)), qRgb(255, 255, 255));
    EXPECT_GT(countPixels(p.composer.page(), QRect(c.x() - d / 2, c.y() - d / 2, d, d), isRed), 10);

    // Uncovered: the card has its frame in LinieFarbe and its background.
    p.doc.objects[i].Abdeckung = 0;
    p.doc.objects[i].LinieFarbe = 0x00FF00;
    p.doc.objects[i].HFarbe = 0xFF0000; // blue
    p.doc.objects[i].HDeck = 100;
    p.composer.redraw();
    EXPECT_EQ(p.pixel(box.topLeft()), qRgb(0, 255, 0));
    EXPECT_EQ(p.pixel(box.topLeft() + QPoint(1, 1)), qRgb(0, 0, 255));
    EXPECT_EQ(countPixels(p.composer.page(), box, isRed), 0);

    p.doc.objects[i].HDeck = 50;
    p.composer.redraw();
    EXPECT_NEAR(qBlue(p.pixel(box.topLeft() + QPoint(1, 1))), 128, 2);
}

TEST(Composer, NumberCircleFollowsTheTargetSizeInAnExercise)
{
    Page p;
    const int i = p.label(ObjectKind::QueryLabel, 0.5, 0.5, QStringLiteral("Zellkern"));
    p.doc.objects[i].Abdeckung = -1;
    p.doc.objects[i].Nummer = 1;
    p.session.setMode(AppMode::Exercise);
    auto redCount = [&] {
        p.composer.redraw();
        return countPixels(p.composer.page(), p.card(i), isRed);
    };
    const int full = redCount();
    p.doc.header.Zielpunktgroesse = 50;
    const int half = redCount();
    p.doc.header.Zielpunktgroesse = 0;
    const int none = redCount();
    EXPECT_GT(full, half);
    EXPECT_GT(half, 0);
    EXPECT_EQ(none, 0);
}

TEST(Composer, TinyBoxesStillDraw)
{
    // The "?" and the number circle shrink to fit, down to one pixel.
    Page p;
    p.view.setViewport(QSize(40, 25));
    const int i = p.label(ObjectKind::QueryLabel, 0.5, 0.5, QStringLiteral("x"));
    p.doc.objects[i].Fsize = -8;
    p.doc.objects[i].Abdeckung = -1;
    p.doc.objects[i].Nummer = 12;
    p.composer.redraw();
    EXPECT_EQ(p.composer.page().size(), QSize(40, 25));
    EXPECT_TRUE(p.composer.cards().wasDrawn(i));

    // An empty viewport and a missing BaseImage give a page all the same.
    p.doc.baseImage = QImage();
    p.view.setViewport(QSize(0, 0));
    p.composer.redraw();
    EXPECT_FALSE(p.composer.page().isNull());
}

TEST(Composer, CardsStayOnThePage)
{
    Page p;
    const int right = p.label(ObjectKind::FixedLabel, 0.98, 0.5,
                              QStringLiteral("Eine sehr lange Beschriftung am Rand der Seite"));
    p.doc.objects[right].KAusr = Side::Right;
    const int top = p.label(ObjectKind::QueryLabel, 0.5, 0.0);
    p.composer.redraw();
    const QRect page(QPoint(0, 0), p.view.pictureSize());
    EXPECT_TRUE(page.contains(p.card(right))) << p.card(right).right();
    EXPECT_TRUE(page.contains(p.card(top)));
    // Near the edge the text wraps narrower instead of running off.
    EXPECT_LT(p.card(right).width(), 800 * 0.4 + 30);
}

TEST(Composer, UncoveringRepaintsOnlyTheFieldAndMatchesAFullCompose)
{
    Page p;
    // A half-transparent fixed label below the query field, a query field
    // and a point above it, all overlapping.
    const int under = p.label(ObjectKind::FixedLabel, 0.5, 0.5, QStringLiteral("darunter liegt"));
    p.doc.objects[under].HDeck = 60;
    p.doc.objects[under].HFarbe = 0x00FF00;
    p.doc.objects[under].Fsize = 10;
    const int query = p.label(ObjectKind::QueryLabel, 0.52, 0.5, QStringLiteral("Abfrage"));
    p.doc.objects[query].Abdeckung = -1;
    p.doc.objects[query].Nummer = 1;
    p.doc.objects[query].HDeck = 40;
    const int point = p.label(ObjectKind::InfoPoint, 0.55, 0.52);
    p.doc.objects[point].PktCap = QStringLiteral("Info");
    p.doc.objects[point].HFarbe = 0xFD5F00;
    p.doc.objects[point].HDeck = 100;
    p.doc.objects[point].Ebene = Layer::InfoPoints;
    p.doc.objects[point].ZIndex = 1;
    const int far = p.label(ObjectKind::QueryLabel, 0.1, 0.1, QStringLiteral("fern"));
    p.doc.objects[far].Abdeckung = -1;
    p.composer.redraw();
    p.composer.background(); // composed now, so that the toggle repaints it too

    // The composer follows the Document: the toggle alone repaints the field.
    QRect changed;
    p.composer.setPageChanged([&](const QRect& area, bool recomposed) {
        EXPECT_FALSE(recomposed);
        changed |= area;
    });
    EXPECT_TRUE(toggleCover(p.doc, query));
    EXPECT_EQ(p.doc.objects[query].Abdeckung, 0);
    EXPECT_TRUE(changed.contains(p.card(query)));
    EXPECT_LT(changed.width() * changed.height(), 800 * 500 / 10);
    EXPECT_FALSE(changed.intersects(p.card(far)));

    Page fresh;
    fresh.doc.objects = p.doc.objects;
    fresh.composer.redraw();
    EXPECT_EQ(p.composer.page(), fresh.composer.page());
    EXPECT_EQ(p.composer.background(), fresh.composer.background());

    // And back again.
    toggleCover(p.doc, query);
    fresh.doc.objects[query].Abdeckung = -1;
    fresh.composer.redraw();
    EXPECT_EQ(p.composer.page(), fresh.composer.page());

    // A fixed label is not coverable.
    changed = QRect();
    EXPECT_FALSE(toggleCover(p.doc, under));
    EXPECT_TRUE(changed.isNull());
    EXPECT_EQ(p.doc.objects[under].Abdeckung, 0);
}

TEST(Composer, FullRedrawAfterAMoveKeepsLowerObjects)
{
    Page p;
    const int lower = p.label(ObjectKind::FixedLabel, 0.5, 0.5, QStringLiteral("unten"));
    p.doc.objects[lower].HFarbe = 0x0000FF;
    p.doc.objects[lower].HDeck = 100;
    const int upper = p.label(ObjectKind::QueryLabel, 0.5, 0.5, QStringLiteral("oben"));
    p.doc.objects[upper].ZIndex = 1;
    p.composer.redraw();
    p.doc.objects[upper].Kx = 0.2;
    p.composer.redraw();

    Page fresh;
    fresh.doc.objects = p.doc.objects;
    fresh.composer.redraw();
    EXPECT_EQ(p.composer.page(), fresh.composer.page());
    EXPECT_EQ(p.pixel(p.card(lower).topLeft() + QPoint(2, 2)), qRgb(255, 0, 0));
}

TEST(Composer, LayersHideObjectsAndHitTestFollowsTheDrawing)
{
    Page p;
    const int info = p.label(ObjectKind::InfoPoint, 0.3, 0.3);
    p.doc.objects[info].PktCap = QStringLiteral("Info");
    p.doc.objects[info].HFarbe = 0xFD5F00;
    p.doc.objects[info].HDeck = 100;
    p.doc.objects[info].Ebene = Layer::InfoPoints;
    const int query = p.label(ObjectKind::QueryLabel, 0.7, 0.7);
    p.composer.redraw();

    const QPoint centre = p.card(info).center();
    EXPECT_NE(p.pixel(centre), kBase);
    const QPointF pagePoint(centre.x() / 800.0, centre.y() / 500.0);
    EXPECT_EQ(hitTest(p.doc, p.view, p.composer.cards(), pagePoint), info);
    const QPoint q = p.card(query).center();
    EXPECT_EQ(hitTest(p.doc, p.view, p.composer.cards(), {q.x() / 800.0, q.y() / 500.0}), query);

    p.view.layers[Layer::InfoPoints] = false;
    p.composer.redraw();
    EXPECT_EQ(p.pixel(centre), kBase);
    EXPECT_EQ(hitTest(p.doc, p.view, p.composer.cards(), pagePoint), -1);
}

TEST(Composer, ContentTypesPaintThroughStagesAndKindPainters)
{
    Page p;
    std::vector<PageComposer::Stage> stages;
    p.composer.addStageHook([&](PageComposer::Stage s, DrawContext&) { stages.push_back(s); });
    const int generated = p.label(ObjectKind::ClusterQueryText, 0.5, 0.5);
    int drawn = -1;
    p.composer.objectPainter().setKindPainter(
        ObjectKind::ClusterQueryText, [&](DrawContext& ctx, int index) {
            drawn = index;
            ctx.painter->fillRect(QRect(10, 10, 5, 5), Qt::red);
            return QRect(10, 10, 5, 5);
        });
    p.composer.redraw();
    using S = PageComposer::Stage;
    EXPECT_EQ(stages, (std::vector<S>{S::Canvas, S::PageReady, S::Background, S::AfterObjects}));
    EXPECT_EQ(drawn, generated);
    EXPECT_EQ(p.pixel({12, 12}), qRgb(255, 0, 0));
    EXPECT_EQ(p.composer.paintedRect(generated), QRect(10, 10, 5, 5));
}

TEST(Composer, RedrawShowsEveryChangeOfACard)
{
    // Finished cards are kept between composes; every field they are drawn
    // from must show when it changes.
    using Change = std::function<void(Document&)>;
    const std::vector<std::pair<const char*, Change>> changes = {
        {"Text", [](Document& d) { d.objects[0].Text = QStringLiteral("Neuer Text"); }},
        {"Farbe", [](Document& d) { d.objects[0].Farbe = 0x0000FF; }},
        {"HFarbe", [](Document& d) { d.objects[0].HFarbe = 0x00FF00; }},
        {"HDeck", [](Document& d) { d.objects[0].HDeck = 30; }},
        {"LinieFarbe", [](Document& d) { d.objects[0].LinieFarbe = 0xFF00FF; }},
        {"Stil", [](Document& d) { d.objects[0].Stil = StyleBit::Bold; }},
        {"TAusr", [](Document& d) { d.objects[0].TAusr = 2; }},
        {"font", [](Document& d) { d.setFontName(QStringLiteral("DejaVu Serif")); }},
        {"Nummer", [](Document& d) { d.objects[1].Nummer = 7; }},
        {"NumArt", [](Document& d) { d.header.NumArt = 1; }},
        {"PktCap", [](Document& d) { d.objects[2].PktCap = QStringLiteral("Link"); }},
        {"PktCap2", [](Document& d) { d.objects[2].PktCap2 = QStringLiteral("zwei"); }},
        {"point colour", [](Document& d) { d.objects[2].HFarbe = 0x00FF00; }},
        {"point text colour", [](Document& d) { d.objects[2].Farbe = 0x0000FF; }},
        {"Bild", [](Document& d) { d.objects[3].Bild.fill(Qt::green); }},
        {"BildDeck", [](Document& d) { d.objects[3].BildDeck = 40; }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        Page p;
        const int text = p.label(ObjectKind::FixedLabel, 0.3, 0.3, QStringLiteral("Zellkern"));
        p.doc.objects[text].HDeck = 100;
        p.doc.objects[text].TAusr = 1;
        p.doc.objects[text].Text = QStringLiteral("Zellkern\r\nmit Kernkörperchen");
        const int query = p.label(ObjectKind::QueryLabel, 0.6, 0.3, QStringLiteral("Zelle"));
        p.doc.objects[query].Abdeckung = -1;
        p.doc.objects[query].Nummer = 2;
        const int point = p.label(ObjectKind::InfoPoint, 0.3, 0.7);
        p.doc.objects[point].PktCap = QStringLiteral("Info");
        p.doc.objects[point].HFarbe = 0xFD5F00;
        p.doc.objects[point].HDeck = 100;
        p.doc.objects[point].Farbe = 0xFFFFFF;
        const int picture = p.label(ObjectKind::FixedImage, 0.7, 0.7);
        p.doc.objects[picture].Bild = QImage(40, 30, QImage::Format_ARGB32);
        p.doc.objects[picture].Bild.fill(Qt::red);
        p.doc.objects[picture].Fsize = 20;
        p.composer.redraw();
        const QImage before = p.composer.page();

        change(p.doc);
        p.composer.redraw();
        EXPECT_NE(p.composer.page(), before);
        Page fresh;
        fresh.doc.objects = p.doc.objects;
        fresh.doc.header = p.doc.header;
        fresh.doc.setFontName(p.doc.fontName());
        fresh.composer.redraw();
        EXPECT_EQ(p.composer.page(), fresh.composer.page());
    }
}

TEST(Composer, DamagedValuesStillDraw)
{
    // Values no editor makes, as a damaged or foreign file may hold them.
    Page p;
    const int text = p.label(ObjectKind::QueryLabel, 0.5, 0.5, QStringLiteral("riesig"));
    p.doc.objects[text].Fsize = 1000000;
    p.doc.objects[text].HDeck = 500;
    p.doc.objects[text].LinieDicke = 1000;
    p.doc.objects[text].Sline = 1;
    p.doc.objects[text].KAusrAktiv = 99;
    p.doc.objects[text].ZIndex = INT_MAX;
    const int wide = p.label(ObjectKind::FixedImage, 0.5, 0.5);
    p.doc.objects[wide].Bild = QImage(4000, 1, QImage::Format_RGB32);
    p.doc.objects[wide].Bild.fill(Qt::red);
    p.doc.objects[wide].Fsize = 400;
    p.doc.objects[wide].BildDeck = -5;
    p.doc.objects[wide].Ebene = 17;
    p.doc.objects[wide].ZIndex = INT_MIN;
    p.composer.redraw();
    const QRect page(QPoint(0, 0), p.view.pictureSize());
    EXPECT_TRUE(p.composer.cards().wasDrawn(text));
    EXPECT_TRUE(page.intersects(p.card(text)));
    EXPECT_LE(p.card(wide).width(), 2 * page.width());
}
