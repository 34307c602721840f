#include "content/contentregistry.h"
#include "document/document.h"
#include "document/objectkinds.h"
#include "view/pagegeometry.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace velunto;

namespace {

Picture picture(int w, int h)
{
    Picture p(w, h, QImage::Format_ARGB32);
    p.fill(Qt::white);
    return p;
}

// Where a page fraction lies on the BaseImage, as a fraction of the picture.
QPointF onBaseImage(const HeaderDataTyp& header, QSize base, double x, double y)
{
    const RectD r = pageExtent(header, base).baseRect();
    return {(x - r.left) / (r.right - r.left), (y - r.top) / (r.bottom - r.top)};
}

} // namespace

TEST(PageGeometry, DerivedAfterLoadFromMarginZone)
{
    HeaderDataTyp h;
    h.RandErw = {0.1, 0.2, 0.3, 0.0};
    derivePageGeometry(h, QSize(1000, 500));
    EXPECT_EQ(h.SeitRatioArt, 1);
    EXPECT_EQ(h.SeitRatioBreite, 1400);
    EXPECT_EQ(h.SeitRatioHoehe, 600);
    EXPECT_DOUBLE_EQ(h.BildGroesse, 500.0 / 600.0 * 100.0);
    EXPECT_DOUBLE_EQ(h.BildPosX, 25.0);
    EXPECT_DOUBLE_EQ(h.BildPosY, 100.0);
    EXPECT_NEAR(h.Rand, (1400.0 - 1400.0 * 500.0 / 600.0) / 1000.0 / 2.0 * 100.0, 1e-9);

    HeaderDataTyp plain;
    derivePageGeometry(plain, QSize(800, 600));
    EXPECT_EQ(plain.SeitRatioBreite, 800);
    EXPECT_EQ(plain.SeitRatioHoehe, 600);
    EXPECT_DOUBLE_EQ(plain.BildGroesse, 100.0);
    EXPECT_DOUBLE_EQ(plain.BildPosX, 50.0);
    EXPECT_DOUBLE_EQ(plain.Rand, 0.0);
}

TEST(PageGeometry, CorruptMarginZoneIsReset)
{
    const RectD corrupt[] = {
        {-1.0, 0.0, 0.0, 0.0},                               // l + 1 + r = 0
        {-0.5, 0.0, -0.7, 0.0},                              // negative page width
        {0.0, NAN, 0.0, 0.0},                                // not a number
        {0.0, 0.0, INFINITY, 0.0}, {-0.9995, 0.0, 0.0, 0.0}, // less than one pixel wide
    };
    for (const RectD& m : corrupt) {
        HeaderDataTyp h;
        h.RandErw = m;
        EXPECT_FALSE(isUsableMargin(m, QSize(1000, 700)));
        const PageExtent extent = pageExtent(h, QSize(1000, 700));
        EXPECT_EQ(extent.size, QSizeF(1000, 700));
        derivePageGeometry(h, QSize(1000, 700));
        EXPECT_EQ(h.RandErw, RectD{});
        EXPECT_EQ(h.SeitRatioBreite, 1000);
        EXPECT_TRUE(std::isfinite(h.BildGroesse) && std::isfinite(h.BildPosX) &&
                    std::isfinite(h.Rand));
    }
}

TEST(PageGeometry, DialogValuesSurviveTheRoundTripThroughRandErw)
{
    // What the size dialog sets must come back when the document is loaded
    // again and the geometry is derived from the stored margin zone.
    struct Case
    {
        int art, breite, hoehe;
        double groesse, posX, posY;
        QSize base;
    };
    const Case cases[] = {
        {1, 10, 7, 100.0, 50.0, 50.0, {1000, 1000}},
        {1, 10, 7, 80.0, 30.0, 0.0, {1600, 900}},
        {1, 10, 12, 65.0, 100.0, 75.0, {1200, 800}},
        {0, 10, 7, 90.0, 0.0, 100.0, {640, 480}},
    };
    for (const Case& c : cases) {
        HeaderDataTyp h;
        h.SeitRatioArt = c.art;
        h.SeitRatioBreite = c.breite;
        h.SeitRatioHoehe = c.hoehe;
        h.BildGroesse = c.groesse;
        h.BildPosX = c.posX;
        h.BildPosY = c.posY;
        h.RandErw = marginsForGeometry(h, c.base);
        const RectD m = h.RandErw;
        if (c.art == 1) {
            const double pageRatio = (m.left + 1 + m.right) * c.base.width() /
                                     ((m.top + 1 + m.bottom) * c.base.height());
            EXPECT_NEAR(pageRatio, double(c.breite) / c.hoehe, 2e-3);
        }
        HeaderDataTyp loaded;
        loaded.RandErw = m;
        derivePageGeometry(loaded, c.base);
        EXPECT_NEAR(loaded.BildGroesse, c.groesse, 0.1);
        if (std::abs(m.left + m.right) > 1e-9) {
            EXPECT_NEAR(loaded.BildPosX, c.posX, 1e-6);
        }
        if (std::abs(m.top + m.bottom) > 1e-9) {
            EXPECT_NEAR(loaded.BildPosY, c.posY, 1e-6);
        }
    }
}

TEST(PageGeometry, NonsenseDialogValuesGiveAUsablePage)
{
    const QSize base(800, 600);
    HeaderDataTyp h;
    h.SeitRatioArt = 1;
    h.SeitRatioBreite = 10;
    h.SeitRatioHoehe = 0;
    h.BildGroesse = 0.0;
    h.BildPosX = NAN;
    const RectD m = marginsForGeometry(h, base);
    EXPECT_TRUE(isUsableMargin(m, base));

    h.SeitRatioBreite = 0;
    h.SeitRatioHoehe = 7;
    h.BildGroesse = -50.0;
    EXPECT_TRUE(isUsableMargin(marginsForGeometry(h, base), base));

    // Without a picture the page is computed for a 1 x 1 picture.
    EXPECT_TRUE(isUsableMargin(marginsForGeometry(HeaderDataTyp{}, QSize()), QSize(1, 1)));
}

TEST(PageGeometry, TransformKeepsObjectsOverTheSamePicturePoint)
{
    Document doc;
    doc.baseImage = picture(800, 800);
    const QSize base(800, 800);
    derivePageGeometry(doc.header, base);
    for (int kind : kindsWith(KindFlag::EditorKind)) {
        ObjDataTyp o;
        o.Typ = kind;
        o.Sx = 0.2;
        o.Sy = 0.3;
        o.Kx = 0.6;
        o.Ky = 0.9;
        doc.objects.push_back(o);
    }
    ObjDataTyp gap;
    gap.Typ = ObjectKind::GapCard;
    gap.Kx = gap.Sx = 0.5;
    gap.Ky = gap.Sy = 0.5;
    doc.objects.push_back(gap);
    const HeaderDataTyp before = doc.header;
    int rebuilt = 0;
    const ScopedContentType counting(
        {.dokTyp = DokTyp::Free, .build = [&](Document&, bool) { ++rebuilt; }});

    doc.header.SeitRatioBreite = 10;
    doc.header.SeitRatioHoehe = 7;
    setPageGeometry(doc, true);

    EXPECT_GT(doc.header.RandErw.left, 0.0);
    EXPECT_EQ(rebuilt, 1);
    EXPECT_TRUE(doc.isModified());
    for (const ObjDataTyp& o : doc.objects) {
        if (o.Typ == ObjectKind::GapCard) {
            EXPECT_DOUBLE_EQ(o.Kx, 0.5);
            continue;
        }
        SCOPED_TRACE(o.Typ);
        const QPointF anchor = onBaseImage(doc.header, base, o.Sx, o.Sy);
        const QPointF card = onBaseImage(doc.header, base, o.Kx, o.Ky);
        EXPECT_NEAR(anchor.x(), onBaseImage(before, base, 0.2, 0.3).x(), 1e-12);
        EXPECT_NEAR(anchor.y(), onBaseImage(before, base, 0.2, 0.3).y(), 1e-12);
        EXPECT_NEAR(card.x(), onBaseImage(before, base, 0.6, 0.9).x(), 1e-12);
        EXPECT_NEAR(card.y(), onBaseImage(before, base, 0.6, 0.9).y(), 1e-12);
        EXPECT_NE(o.Kx, 0.6); // it did move on the page
    }

    // Without transform the objects keep their page fractions.
    doc.header.SeitRatioHoehe = 12;
    setPageGeometry(doc, false);
    EXPECT_NE(doc.objects[0].Kx, 0.6);
    const double kx = doc.objects[0].Kx;
    doc.header.SeitRatioHoehe = 7;
    setPageGeometry(doc, false);
    EXPECT_EQ(doc.objects[0].Kx, kx);
}

TEST(ViewState, FitsThePageAndCentresIt)
{
    Session session;
    ViewState v{session};
    v.setViewport(QSize(1000, 800));
    v.fitPage(QSizeF(1400, 1000));
    EXPECT_EQ(v.pictureSize(), QSize(1000, 714));
    EXPECT_EQ(v.shownRect(), QRect(0, 43, 1000, 714));
    EXPECT_EQ(v.ansicht(), (RectD{0, 0, 1, 1}));
    EXPECT_EQ(v.pageToPicture(0.5, 1.0), QPoint(500, 714));
    EXPECT_EQ(v.pageToScreen(0.0, 0.0), QPoint(0, 43));
    EXPECT_EQ(v.pageToScreen(1.0, 1.0), QPoint(1000, 757));
    EXPECT_EQ(v.screenToPage(QPointF(500, 400)), QPointF(0.5, 357.0 / 714.0));
    // Outside the picture the page point is clamped.
    EXPECT_EQ(v.screenToPage(QPointF(-20, 5)), QPointF(0.0, 0.0));

    // At 200 % the viewport shows the middle of the page.
    ViewState z{session};
    z.setViewport(QSize(1000, 800));
    ASSERT_TRUE(z.setZoomIndex(4));
    z.fitPage(QSizeF(1000, 800));
    EXPECT_EQ(z.pictureSize(), QSize(2000, 1600));
    EXPECT_EQ(z.shownRect(), QRect(0, 0, 1000, 800));
    EXPECT_EQ(z.ansicht(), (RectD{0.25, 0.25, 0.75, 0.75}));
    EXPECT_EQ(z.visibleOrigin(), QPoint(500, 400));
    for (QPointF p : {QPointF(0, 0), QPointF(999, 799), QPointF(321, 654)}) {
        const QPointF page = z.screenToPage(p);
        EXPECT_EQ(z.pageToScreen(page.x(), page.y()), p.toPoint());
        // The screen point shows the page picture pixel at the same page point.
        EXPECT_EQ(z.pageToPicture(page.x(), page.y()), z.visibleOrigin() + p.toPoint());
    }
}

TEST(ViewState, EmptyViewportOrPageNeverDividesByZero)
{
    Session session;
    ViewState v{session};
    v.fitPage(QSizeF(0, 0));
    EXPECT_EQ(v.pictureSize(), QSize(1, 1));
    v.setViewport(QSize(0, 500));
    v.fitPage(QSizeF(800, 600));
    EXPECT_GE(v.pictureSize().width(), 1);
    EXPECT_GE(v.pictureSize().height(), 1);
    const QPointF p = v.screenToPage(QPointF(10, 10));
    EXPECT_TRUE(std::isfinite(p.x()) && std::isfinite(p.y()));
    EXPECT_TRUE(std::isfinite(v.pictureAspect()));
}

TEST(ViewState, ZoomStaysInsideItsSteps)
{
    struct Case
    {
        int from, in, out;
    };
    // 100 % -> 150 % -> 200 %; index 3 (175 %) may not step past 200 %.
    const Case cases[] = {{0, 2, 0}, {1, 3, 0}, {2, 4, 0}, {3, 4, 1}, {4, 4, 2}};
    for (const Case& c : cases) {
        Session session;
        ViewState v{session};
        v.setZoomIndex(c.from);
        EXPECT_EQ(v.zoomInIndex(), c.in) << c.from;
        EXPECT_EQ(v.zoomOutIndex(), c.out) << c.from;
    }
    Session session;
    ViewState v{session};
    EXPECT_FALSE(v.setZoomIndex(0));
    EXPECT_TRUE(v.setZoomIndex(9));
    EXPECT_EQ(v.zoomIndex(), 4);
    EXPECT_TRUE(v.setZoomIndex(-2));
    EXPECT_EQ(v.zoomIndex(), 0);
    EXPECT_DOUBLE_EQ(ViewState::zoomFactor(2), 1.5);
}

TEST(ViewState, ScrollingAndPanningStayOnThePage)
{
    Session session;
    ViewState v{session};
    v.setViewport(QSize(1000, 700));
    v.setZoomIndex(4);
    v.fitPage(QSizeF(1000, 700));
    const RectD centre = v.ansicht();
    EXPECT_DOUBLE_EQ(centre.right - centre.left, 0.5);

    v.scroll(ScrollDirection::Left);
    EXPECT_DOUBLE_EQ(v.ansicht().left, 0.2);
    EXPECT_DOUBLE_EQ(v.ansicht().right, 0.7);

    for (int i = 0; i < 10; ++i)
        v.scroll(ScrollDirection::Right);
    const RectD atEdge = v.ansicht();
    EXPECT_DOUBLE_EQ(atEdge.right, 1.0);
    EXPECT_DOUBLE_EQ(atEdge.left, 0.5);
    v.scroll(ScrollDirection::Right);
    EXPECT_EQ(v.ansicht(), atEdge);

    v.scroll(ScrollDirection::Down);
    EXPECT_NEAR(v.ansicht().top, 0.3, 1e-12);

    // Dragging the page 200 pixels to the right shows 0.1 more of its left.
    v.panBy(QPointF(200, 0));
    EXPECT_NEAR(v.ansicht().left, 0.4, 1e-12);
    v.panBy(QPointF(5000, -5000));
    EXPECT_DOUBLE_EQ(v.ansicht().left, 0.0);
    EXPECT_DOUBLE_EQ(v.ansicht().bottom, 1.0);

    // At 100 % nothing moves.
    v.setZoomIndex(0);
    v.fitPage(QSizeF(1000, 700));
    v.scroll(ScrollDirection::Up);
    v.panBy(QPointF(30, 30));
    EXPECT_EQ(v.ansicht(), (RectD{0, 0, 1, 1}));
}
