#include "document/document.h"
#include "platform/prompter.h"
#include "support/mouse.h"
#include "view/drawing/ui/drawingcontroller.h"
#include "view/pagegeometry.h"
#include "view/ui/learningview.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include <atomic>
#include <cstdlib>
#include <new>

using namespace velunto;
using velunto::testing::drag;

namespace {

// Memory running out: while armed, the n-th allocation with new from now
// on fails.
std::atomic<int> allocationsBeforeFailure{-1};

} // namespace

void* operator new(std::size_t size)
{
    if (allocationsBeforeFailure.load() >= 0 && allocationsBeforeFailure.fetch_sub(1) == 0)
        throw std::bad_alloc();
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return std::malloc(size ? size : 1);
}
void operator delete(void* p, const std::nothrow_t&) noexcept
{
    std::free(p);
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

// A learning view with a covered query field and the drawing tools over it.
struct Fixture
{
    Document doc;
    Session session;
    ScriptedPrompter prompter;
    StampSettings stamps;
    QWidget window;
    LearningView* view;
    DrawingController* drawing;
    int field = -1;

    Fixture()
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
        field = 0;
        window.resize(800, 500);
        view = new LearningView(doc, session, prompter, &window);
        view->resize(800, 500);
        drawing = new DrawingController(*view, session, stamps, prompter);
        view->documentLoaded();
    }
    ~Fixture() { delete drawing; } // before the view it draws on

    QRect fieldOnScreen() const
    {
        const RectD b = view->composer().cards().bounds(field);
        return QRect(view->state().pageToScreen(b.left, b.top),
                     view->state().pageToScreen(b.right, b.bottom));
    }
    QImage shownField() const
    {
        return view->shownPicture().copy(fieldOnScreen().translated(-view->shownRect().topLeft()));
    }
};

} // namespace

TEST(DrawingController, ErasingAfterAFieldWasToggledShowsItsNewState)
{
    // The field is drawn over, uncovered with the pointer, and erased: what
    // comes back is the uncovered field, not the covered one it was when
    // the drawing began; the same after covering it again.
    for (const bool coverAgain : {false, true}) {
        Fixture f;
        const QRect r = f.fieldOnScreen();
        const QImage covered = f.shownField();
        f.drawing->chooseColour(26); // black
        drag(f.view, QPoint(r.left() - 20, r.center().y()), QPoint(r.right() + 20, r.center().y()));
        ASSERT_NE(f.shownField(), covered);

        f.drawing->selectViewTool(Tool::Pointer);
        drag(f.view, r.center() + QPoint(0, -r.height() / 3),
             r.center() + QPoint(0, -r.height() / 3));
        ASSERT_EQ(f.doc.objects[f.field].Abdeckung, 0);
        if (coverAgain) {
            drag(f.view, r.center() + QPoint(0, -r.height() / 3),
                 r.center() + QPoint(0, -r.height() / 3));
            ASSERT_EQ(f.doc.objects[f.field].Abdeckung, -1);
        }
        const QImage now =
            f.view->composedView().copy(r.translated(-f.view->shownRect().topLeft()));

        f.drawing->chooseStrokeSize(4);
        f.drawing->eraserButton();
        for (int x = r.left(); x <= r.right() + 64; x += 32)
            drag(f.view, QPoint(x, r.center().y()), QPoint(x, r.center().y()));
        EXPECT_EQ(f.shownField(), now) << coverAgain;
        EXPECT_EQ(f.shownField() == covered, coverAgain);
    }
}

TEST(DrawingController, AFailedStrokeKeepsWhatWasDrawnAndSaysWhy)
{
    Fixture f;
    f.drawing->chooseColour(26); // black, the pen
    const QPoint o = f.view->shownRect().topLeft();
    const auto pointer = [&](QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        PagePointer p;
        p.page = f.view->state().screenToPageUnclamped(QPointF(at));
        p.onPage = true;
        p.button = button;
        p.buttons = held;
        return p;
    };
    const QPoint a = o + QPoint(100, 100), b = o + QPoint(200, 100), c = o + QPoint(300, 100);
    f.drawing->pagePressed(pointer(a, Qt::LeftButton, Qt::LeftButton));
    f.drawing->pageMoved(pointer(b, Qt::NoButton, Qt::LeftButton));
    const QRgb black = qRgb(0, 0, 0);
    ASSERT_EQ(f.view->shownPicture().pixel(150, 100) | 0xFF000000, black);

    // The next segment cannot be painted.
    allocationsBeforeFailure = 0;
    EXPECT_TRUE(f.drawing->pageMoved(pointer(c, Qt::NoButton, Qt::LeftButton)));
    allocationsBeforeFailure = -1;
    ASSERT_EQ(f.prompter.shown.size(), 1u);
    EXPECT_EQ(f.prompter.shown[0].kind, Prompter::Kind::Information);
    EXPECT_EQ(f.prompter.shown[0].text, QStringLiteral("Fehler aufgetreten (std::bad_alloc)"));
    EXPECT_EQ(f.view->shownPicture().pixel(150, 100) | 0xFF000000, black);
    EXPECT_EQ(f.view->shownPicture().pixel(250, 100) | 0xFF000000, qRgb(255, 255, 255));

    // The stroke has ended: moving on draws nothing, a new press draws again,
    // and undo takes back the stroke drawn before the failure.
    f.drawing->pageMoved(pointer(c + QPoint(0, 50), Qt::NoButton, Qt::LeftButton));
    f.drawing->pageReleased(pointer(c + QPoint(0, 50), Qt::LeftButton, Qt::NoButton));
    EXPECT_EQ(f.view->shownPicture().pixel(300, 125) | 0xFF000000, qRgb(255, 255, 255));
    f.drawing->undo();
    EXPECT_EQ(f.view->shownPicture().pixel(150, 100) | 0xFF000000, qRgb(255, 255, 255));
    drag(f.view, c, c + QPoint(0, 50));
    EXPECT_EQ(f.view->shownPicture().pixel(300, 125) | 0xFF000000, black);
    EXPECT_EQ(f.prompter.shown.size(), 1u);
}

TEST(DrawingController, WithAPenEveryPointerEventArrives)
{
    // Merged moves would cut the first bend of a quick stroke: while a pen
    // or shape tool is chosen the application merges none, and afterwards
    // it merges as before.
    QCoreApplication::setAttribute(Qt::AA_CompressHighFrequencyEvents, true);
    {
        Fixture f;
        for (const auto& [tool, merged] : {std::pair{Tool::Pen, false},
                                           {Tool::Pointer, true},
                                           {Tool::FirstShape, false},
                                           {Tool::Area, true},
                                           {Tool::LastShape, false}}) {
            f.drawing->selectViewTool(tool);
            EXPECT_EQ(QCoreApplication::testAttribute(Qt::AA_CompressHighFrequencyEvents), merged)
                << tool;
        }
    }
    EXPECT_TRUE(QCoreApplication::testAttribute(Qt::AA_CompressHighFrequencyEvents));
}
