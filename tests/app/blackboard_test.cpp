#include "app/blackboard.h"
#include "document/documentfile.h"
#include "mainwindow_fixture.h"
#include "view/board/ui/boardcontroller.h"
#include "view/board/ui/noteboxwindow.h"
#include "view/drawing/ui/drawingcontroller.h"
#include "view/ui/learningview.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QLabel>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTabletEvent>
#include <QTouchEvent>

namespace velunto {
namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

// A window shown at a fixed size, its page composed.
struct BoardFixture : MainWindowFixture
{
    MainWindow& w()
    {
        if (!window) {
            start();
            window->resize(1000, 720);
            window->show();
            QApplication::processEvents();
        }
        return *window;
    }
    LearningView& view() { return w().view(); }
    DrawingController& drawing() { return w().board().drawing(); }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent e(type, at, view().mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(&view(), &e);
    }
    // A drag with the left button through the given points of the view.
    void drag(std::initializer_list<QPoint> points)
    {
        auto it = points.begin();
        mouse(QEvent::MouseButtonPress, *it, Qt::LeftButton, Qt::LeftButton);
        QPoint last = *it;
        for (++it; it != points.end(); ++it) {
            mouse(QEvent::MouseMove, *it, Qt::NoButton, Qt::LeftButton);
            last = *it;
        }
        mouse(QEvent::MouseButtonRelease, last, Qt::LeftButton, Qt::NoButton);
    }
    // The pixel the window shows at a point of the view (the real paint).
    // Fingers on the board: the state and place of each, in view pixels.
    void touch(QEvent::Type type, std::vector<std::pair<QEventPoint::State, QPoint>> fingers)
    {
        static QPointingDevice board(QStringLiteral("Tafel"), 4712,
                                     QInputDevice::DeviceType::TouchScreen,
                                     QPointingDevice::PointerType::Finger,
                                     QInputDevice::Capability::Position, 10, 0);
        QList<QEventPoint> points;
        for (int id = 0; id < int(fingers.size()); ++id) {
            const QPointF global = view().mapToGlobal(QPointF(fingers[id].second));
            points.append(QEventPoint(id, fingers[id].first, global, global));
        }
        QTouchEvent e(type, &board, Qt::NoModifier, points);
        QApplication::sendEvent(&view(), &e);
    }
    QRgb onScreen(QPoint at) { return view().grab().toImage().pixel(at); }
    QRgb shown(QPoint at)
    {
        return view().shownPicture().pixel(at - view().shownRect().topLeft()) | 0xFF000000;
    }
};

TEST_F(BoardFixture, FirstPressOnTheStartPanelOpensASheetAndThePenDrawsThroughTheView)
{
    const QPoint c = view().shownRect().center();
    ASSERT_FALSE(w().startPanel()->isHidden());
    // The press opens a white sheet, turns the pointer into the pen and
    // leaves its dot; the drag goes on into a line.
    drag({c, c + QPoint(60, 0), c + QPoint(120, 40)});
    EXPECT_TRUE(w().startPanel()->isHidden());
    EXPECT_EQ(w().document().header.Titel, QStringLiteral("Neuer Tafelanschrieb"));
    EXPECT_EQ(view().tool(), Tool::Pen);
    EXPECT_EQ(w().document().baseImage.size(), view().pageRoom().size());
    EXPECT_FALSE(w().document().isModified());
    for (const QPoint p : {c, c + QPoint(30, 0), c + QPoint(60, 0), c + QPoint(90, 20)}) {
        EXPECT_EQ(shown(p), kRed) << p.x() << "," << p.y();
        EXPECT_EQ(onScreen(p), kRed) << p.x() << "," << p.y();
    }
    EXPECT_EQ(onScreen(c + QPoint(0, 60)), kWhite);

    // One level of undo, then the removal of every drawing, itself undoable.
    drawing().undo();
    EXPECT_EQ(onScreen(c + QPoint(30, 0)), kWhite);
    drawing().undo();
    EXPECT_EQ(onScreen(c + QPoint(30, 0)), kWhite);
    drag({c, c + QPoint(0, 80)});
    ASSERT_EQ(onScreen(c + QPoint(0, 40)), kRed);
    action(QStringLiteral("Alle Zeichnu&ngen entfernen"))->trigger();
    EXPECT_EQ(onScreen(c + QPoint(0, 40)), kWhite);
    drawing().undo();
    EXPECT_EQ(onScreen(c + QPoint(0, 40)), kRed);
}

TEST_F(BoardFixture, ShapesAndTheRubberBandLeaveOnlyTheFinalShape)
{
    view();
    w().board().board().openFirstSheet();
    drawing().choosePenShape(5); // rectangle outline
    const QPoint a = view().shownRect().topLeft() + QPoint(100, 100);
    const QPoint b = a + QPoint(200, 120);
    // The rubber band passes through a larger rectangle first.
    drag({a, a + QPoint(300, 300), b});
    EXPECT_EQ(onScreen(QPoint(a.x() + 100, a.y())), kRed);
    EXPECT_EQ(onScreen(QPoint(b.x(), a.y() + 60)), kRed);
    EXPECT_EQ(onScreen(a + QPoint(100, 60)), kWhite);
    EXPECT_EQ(onScreen(a + QPoint(300, 200)), kWhite); // the band's corner is gone

    // The highlighter darkens only: over the red line it stays red.
    drawing().choosePenShape(1);
    drawing().chooseColour(12); // yellow, transparent
    drag({QPoint(a.x() + 100, a.y() - 20), QPoint(a.x() + 100, a.y() + 20)});
    EXPECT_EQ(onScreen(QPoint(a.x() + 100, a.y())), kRed);
    EXPECT_EQ(onScreen(QPoint(a.x() + 100, a.y() - 15)), qRgb(255, 255, 0));
}

TEST_F(BoardFixture, PenAndFingersReachTheToolsAndTwoFingersPan)
{
    view();
    w().board().board().openFirstSheet();
    const QPoint o = view().shownRect().topLeft();

    // A quick pen stroke: events 100 pixels apart still give one line.
    QPointingDevice stylus(QStringLiteral("Stift"), 4711, QInputDevice::DeviceType::Stylus,
                           QPointingDevice::PointerType::Pen,
                           QInputDevice::Capability::Position | QInputDevice::Capability::Pressure,
                           1, 3);
    const auto pen = [&](QEvent::Type type, QPointF at, Qt::MouseButton button,
                         Qt::MouseButtons held) {
        QTabletEvent e(type, &stylus, at, view().mapToGlobal(at), 0.5, 0, 0, 0, 0, 0,
                       Qt::NoModifier, button, held);
        QApplication::sendEvent(&view(), &e);
        return e.isAccepted();
    };
    EXPECT_TRUE(pen(QEvent::TabletPress, o + QPointF(100.4, 200.6), Qt::LeftButton, Qt::LeftButton));
    pen(QEvent::TabletMove, o + QPointF(200.4, 200.6), Qt::NoButton, Qt::LeftButton);
    pen(QEvent::TabletMove, o + QPointF(300.4, 200.6), Qt::NoButton, Qt::LeftButton);
    pen(QEvent::TabletRelease, o + QPointF(300.4, 200.6), Qt::LeftButton, Qt::NoButton);
    for (int x = 100; x <= 275; x += 25)
        EXPECT_EQ(onScreen(o + QPoint(x, 201)), kRed) << x;

    // One finger draws as well.
    touch(QEvent::TouchBegin, {{QEventPoint::Pressed, o + QPoint(100, 300)}});
    touch(QEvent::TouchUpdate, {{QEventPoint::Updated, o + QPoint(300, 300)}});
    touch(QEvent::TouchEnd, {{QEventPoint::Released, o + QPoint(300, 300)}});
    EXPECT_EQ(onScreen(o + QPoint(200, 300)), kRed);

    // At 200 % two fingers move the visible part, whatever the tool, and
    // the drawing tool draws nothing on the way.
    view().setZoomIndex(4);
    const RectD before = view().state().ansicht();
    touch(QEvent::TouchBegin, {{QEventPoint::Pressed, o + QPoint(300, 300)},
                               {QEventPoint::Pressed, o + QPoint(400, 300)}});
    touch(QEvent::TouchUpdate, {{QEventPoint::Updated, o + QPoint(250, 250)},
                                {QEventPoint::Updated, o + QPoint(350, 250)}});
    touch(QEvent::TouchEnd, {{QEventPoint::Released, o + QPoint(250, 250)},
                             {QEventPoint::Released, o + QPoint(350, 250)}});
    EXPECT_GT(view().state().ansicht().left, before.left);
    EXPECT_GT(view().state().ansicht().top, before.top);
    EXPECT_EQ(view().tool(), Tool::Pen);

    // The hand tool: one finger moves the visible part back.
    action(QStringLiteral("&Hand: Bildausschnitt verschieben"))->trigger();
    EXPECT_EQ(view().tool(), Tool::Hand);
    const RectD panned = view().state().ansicht();
    touch(QEvent::TouchBegin, {{QEventPoint::Pressed, o + QPoint(200, 200)}});
    touch(QEvent::TouchUpdate, {{QEventPoint::Updated, o + QPoint(260, 240)}});
    touch(QEvent::TouchEnd, {{QEventPoint::Released, o + QPoint(260, 240)}});
    EXPECT_LT(view().state().ansicht().left, panned.left);
    // The mouse with the hand tool draws nothing and moves the page too.
    const RectD beforeMouse = view().state().ansicht();
    drag({o + QPoint(300, 300), o + QPoint(250, 250)});
    EXPECT_GT(view().state().ansicht().left, beforeMouse.left);
}

TEST_F(BoardFixture, ChronicleStoresRecallsAndItsPicturesGoAtClose)
{
    view();
    w().board().board().openFirstSheet();
    const QPoint c = view().shownRect().center();
    drag({c, c + QPoint(100, 0)});
    BoardController& board = w().board().board();
    board.storeInChronicle();
    ASSERT_EQ(board.chronicle().count(), 1);
    const QString file = board.chronicle().files().first();
    EXPECT_TRUE(QFileInfo::exists(file));
    const QString caption = board.chronicle().entries().front().caption;
    EXPECT_TRUE(caption.startsWith(QStringLiteral("Nr. 001 - ")));
    EXPECT_EQ(w().document().header.Titel, QStringLiteral("Tafelanschrieb ") + caption);

    // Something else is drawn, then the entry is called back: the sheet is
    // the stored picture, the later stroke is gone.
    drawing().chooseColour(24);
    drag({c + QPoint(0, 50), c + QPoint(100, 50)});
    ASSERT_EQ(onScreen(c + QPoint(50, 50)), qRgb(0, 0, 255));
    board.chronicleMenu()->aboutToShow();
    ASSERT_EQ(board.chronicleMenu()->actions().size(), 1);
    board.chronicleMenu()->actions().first()->trigger();
    EXPECT_EQ(w().document().header.Titel, QStringLiteral("Tafelanschrieb ") + caption);
    EXPECT_EQ(onScreen(c + QPoint(50, 0)), kRed);
    EXPECT_EQ(onScreen(c + QPoint(50, 50)), kWhite);

    // Closing offers to delete the screenshot; Yes deletes it.
    prompter.answers = {Prompter::Answer::Yes};
    w().close();
    EXPECT_FALSE(QFileInfo::exists(file));
}

TEST_F(BoardFixture, EveryFixedSheetOfTheMenuOpensWithItsPattern)
{
    view();
    BoardController& board = w().board().board();
    for (const SheetMenuEntry& entry : boardSheetMenu()) {
        if (entry.free())
            continue;
        board.chooseSheet(entry);
        const QImage sheet = w().document().baseImage.convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(sheet.size(), view().pageRoom().size()) << entry.caption.toStdString();
        int lines = 0;
        for (int y = 0; y < sheet.height(); ++y)
            lines += sheet.pixel(sheet.width() / 2, y) == qRgb(184, 184, 184);
        if (entry.kind == SheetKind::Blank)
            EXPECT_EQ(lines, 0) << entry.caption.toStdString();
        else
            EXPECT_GT(lines, 0) << entry.caption.toStdString();
        EXPECT_EQ(QColor(view().shownPicture().pixel(5, 5)).rgb(), QColor(sheet.pixel(5, 5)).rgb())
            << entry.caption.toStdString();
    }
}

TEST_F(BoardFixture, ASheetLosesTheTopicNumberAndLeavingItBringsItBack)
{
    const QString folder = dir.filePath(QStringLiteral("themen"));
    QDir().mkpath(folder);
    for (const char* name : {"a.vlt", "b.vlt"}) {
        Document doc;
        doc.header.Titel = QString::fromUtf8(name).left(1).toUpper();
        doc.baseImage = Picture(QSize(100, 70), QImage::Format_RGB32);
        doc.baseImage.fill(Qt::gray);
        ASSERT_TRUE(saveDocument(doc, folder + u'/' + QString::fromUtf8(name)).ok);
    }
    start(folder + QStringLiteral("/b.vlt"));
    window->show();
    QApplication::processEvents();
    ASSERT_EQ(w().titleLine()->text(), QStringLiteral(" (2) B"));

    w().board().board().openFirstSheet();
    EXPECT_EQ(w().titleLine()->text(), QStringLiteral(" Neuer Tafelanschrieb"));
    for (QAction* a : w().menu(TopMenu::Topics)->actions())
        EXPECT_FALSE(a->isCheckable() && a->isChecked()) << a->text().toStdString();

    prompter.answers = {Prompter::Answer::No}; // not into the chronicle
    w().board().board().leaveBoardSheet();
    EXPECT_EQ(w().titleLine()->text(), QStringLiteral(" (2) B"));
}

TEST_F(BoardFixture, EveryToolIsReachableInASmallWindow)
{
    // The standard size (Shift+Alt+G) and a 1024 x 768 screen.
    for (const QSize size : {QSize(1076, 780), QSize(1024, 768)}) {
        w().resize(size);
        QApplication::processEvents();
        const QToolBar* toolbar = w().toolbar();
        const auto* extension = toolbar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"));
        EXPECT_TRUE(extension == nullptr || !extension->isVisible()) << size.height();
        for (const QString& hint : {QStringLiteral("Zeichenstift"), QStringLiteral("Farbe"),
                                   QStringLiteral("Alle Zeichnungen entfernen"),
                                   QStringLiteral("Neues Blatt"),
                                   QStringLiteral("Zeichenblatt verlassen")}) {
            const QToolButton* button = nullptr;
            for (const QToolButton* b : toolbar->findChildren<QToolButton*>())
                if (b->toolTip() == hint)
                    button = b;
            ASSERT_NE(button, nullptr) << hint.toStdString();
            EXPECT_TRUE(button->isVisible()) << hint.toStdString() << " " << size.height();
            EXPECT_TRUE(toolbar->rect().contains(
                QRect(button->mapTo(toolbar, QPoint(0, 0)), button->size())))
                << hint.toStdString() << " " << size.height();
        }
    }
}

TEST_F(BoardFixture, CtrlCInTheNoteBoxCopiesItsText)
{
    view();
    QAction* copyView = action(QStringLiteral("In &Zwischenablage kopieren"));
    ASSERT_NE(copyView, nullptr);
    const QKeySequence ctrlC(Qt::CTRL | Qt::Key_C);
    ASSERT_EQ(copyView->shortcut(), ctrlC);

    w().board().showNoteBox();
    QTextEdit* field = w().board().noteBox()->field();
    field->setPlainText(QStringLiteral("Hausaufgabe: S. 12"));
    field->selectAll();
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(field, &in);
    EXPECT_TRUE(copyView->shortcut().isEmpty());
    QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QStringLiteral("c"));
    QApplication::sendEvent(field, &press);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Hausaufgabe: S. 12"));

    // Back on the page, Ctrl+C copies the view again; so it does after the
    // note box was closed with Esc while the field had the focus.
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(field, &out);
    EXPECT_EQ(copyView->shortcut(), ctrlC);
    QApplication::sendEvent(field, &in);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(field, &esc);
    EXPECT_TRUE(w().board().noteBox()->isHidden());
    QApplication::sendEvent(field, &out);
    EXPECT_EQ(copyView->shortcut(), ctrlC);
}

} // namespace
} // namespace velunto
