#include "document/document.h"
#include "platform/prompter.h"
#include "support/mouse.h"
#include "view/drawing/ui/drawingcontroller.h"
#include "view/pagegeometry.h"
#include "view/ui/learningview.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

using namespace velunto;
using velunto::testing::drag;

namespace {

// A learning view on a screen with ratio device pixels per control pixel,
// a covered query field in its middle and the drawing tools over it.
struct Fixture
{
    Document doc;
    Session session;
    ScriptedPrompter prompter;
    StampSettings stamps;
    QWidget window;
    LearningView* view;
    DrawingController* drawing;
    int field = 0;

    explicit Fixture(double ratio)
    {
        doc.baseImage = QImage(800, 500, QImage::Format_RGB32);
        doc.baseImage.fill(Qt::white);
        derivePageGeometry(doc.header, doc.baseImage.size());
        ObjDataTyp o;
        o.Typ = ObjectKind::QueryLabel;
        o.Kx = o.Sx = 0.5;
        o.Ky = o.Sy = 0.5;
        o.Text = QStringLiteral("Wasserstoff");
        o.KAusr = Side::Centre;
        o.Ebene = Layer::TextsAndImages;
        o.Abdeckung = -1;
        doc.objects.push_back(o);
        window.resize(800, 500);
        view = new LearningView(doc, session, prompter, &window);
        view->resize(800, 500);
        drawing = new DrawingController(*view, session, stamps, prompter);
        view->setFixedPixelRatio(ratio);
        view->documentLoaded();
    }
    ~Fixture() { delete drawing; }

    QPoint fieldCentre() const
    {
        const RectD b = view->composer().cards().bounds(field);
        return view->state().pageToScreen((b.left + b.right) / 2, (b.top + b.bottom) / 2);
    }

    // What the view shows, painted as onto a screen of the fixture's ratio.
    QImage screen() const
    {
        const double ratio = view->state().devicePixelRatio();
        QImage shot(view->size() * ratio, QImage::Format_ARGB32_Premultiplied);
        shot.setDevicePixelRatio(ratio);
        view->render(&shot);
        shot.setDevicePixelRatio(1.0);
        return shot;
    }
};

} // namespace

TEST(PixelRatio, PageIsComposedAndShownInDevicePixels)
{
    for (const double ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        Fixture f(ratio);
        const ViewState& state = f.view->state();
        EXPECT_EQ(f.view->composer().page().size(), state.pictureSize() * ratio);
        // The drawing tools keep working in control pixels.
        EXPECT_EQ(f.view->shownPicture().size(), state.shownRect().size());

        // Every device pixel of the page on the screen is a pixel of the
        // composed page, not one scaled up from control pixels.
        const QRect shownOnScreen(state.shownRect().topLeft() * ratio,
                                  state.shownRect().size() * ratio);
        const QRect composed(state.visibleOrigin() * ratio, state.shownRect().size() * ratio);
        EXPECT_EQ(f.screen().copy(shownOnScreen), f.view->composer().page().copy(composed));

        // A click on the field's card still finds it, and the screen shows
        // the field uncovered.
        const QImage covered = f.screen();
        f.drawing->selectViewTool(Tool::Pointer);
        drag(f.view, f.fieldCentre(), f.fieldCentre());
        EXPECT_EQ(f.doc.objects[f.field].Abdeckung, 0);
        EXPECT_NE(f.screen(), covered);
        EXPECT_EQ(f.screen().copy(shownOnScreen), f.view->composer().page().copy(composed));
    }
}

TEST(PixelRatio, StrokeLandsUnderThePointerAndTheEraserTakesItAway)
{
    for (const double ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        Fixture f(ratio);
        const QImage clean = f.screen();
        const QPoint from(100, 80);
        const QPoint to(300, 80);
        f.drawing->chooseColour(26); // black
        drag(f.view, from, to);

        const QImage drawn = f.screen();
        for (const QPoint p : {from + QPoint(20, 0), (from + to) / 2, to - QPoint(20, 0)})
            EXPECT_LT(qGray(drawn.pixel(p * ratio)), 80) << p.x();
        // Nothing far from the stroke changed.
        EXPECT_EQ(drawn.copy(0, int(160 * ratio), drawn.width(), int(200 * ratio)),
                  clean.copy(0, int(160 * ratio), clean.width(), int(200 * ratio)));

        f.drawing->chooseStrokeSize(4);
        f.drawing->eraserButton();
        for (int x = from.x() - 32; x <= to.x() + 32; x += 16)
            drag(f.view, QPoint(x, from.y()), QPoint(x, from.y()));
        EXPECT_EQ(f.screen(), clean);
    }
}

TEST(PixelRatio, StrokeMovesWithThePageWhenThePageIsDragged)
{
    for (const double ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        Fixture f(ratio);
        f.view->setZoomIndex(4);
        const QPoint from(100, 80);
        const QPoint to(300, 80);
        f.drawing->chooseColour(26); // black
        drag(f.view, from, to);

        // Dragging with the right button moves the page, and the stroke with it.
        drag(f.view, QPoint(400, 250), QPoint(400, 290), Qt::RightButton);
        const QImage moved = f.screen();
        EXPECT_LT(qGray(moved.pixel(QPoint(200, 120) * ratio)), 80);
        EXPECT_GT(qGray(moved.pixel(QPoint(200, 80) * ratio)), 200);
    }
}
