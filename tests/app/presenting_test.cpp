#include "mainwindow_fixture.h"

#include "document/documentfile.h"
#include "document/objectkinds.h"
#include "view/numbering.h"
#include "view/ui/learningview.h"
#include "view/ui/objecteditorwindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QWheelEvent>

using namespace velunto;

namespace {

// A page of twelve query labels in a row of rows, numbered in order, and an
// info point, shown in a real window.
struct PresentingFixture : MainWindowFixture
{
    int infoPoint = -1;

    MainWindow& startWithFields(int numArt = 0)
    {
        Document doc;
        doc.header.NumArt = numArt;
        for (int i = 0; i < 12; ++i)
            doc.addGeneratedObject(ObjectKind::QueryLabel, Layer::TextsAndImages,
                                   QStringLiteral("Feld %1").arg(i + 1), -1, 0.1 + 0.2 * (i % 4),
                                   0.2 + 0.2 * (i / 4), Side::Centre, 0);
        infoPoint = doc.addGeneratedObject(ObjectKind::InfoPoint, Layer::InfoPoints,
                                           QStringLiteral("Hinweis"), -1, 0.9, 0.9, Side::Centre, 0);
        const QString path = dir.filePath(QStringLiteral("felder.vlt"));
        EXPECT_TRUE(saveDocument(doc, path).ok);
        MainWindow& w = start(path);
        w.resize(900, 700);
        w.show();
        QCoreApplication::processEvents();
        w.view().number(NumberingMode::Ordered);
        return w;
    }

    // The index of the field that shows this number.
    int fieldNumbered(int number) const
    {
        const Document& d = window->document();
        for (int i = 0; i < d.objectCount(); ++i)
            if (d.objects[i].Nummer == number)
                return i;
        return -1;
    }

    void type(const QString& keys)
    {
        for (const QChar c : keys) {
            const int key = c.isDigit() ? Qt::Key_0 + c.digitValue() : Qt::Key_A + (c.toUpper().unicode() - 'A');
            press(key, Qt::NoModifier, QString(c));
        }
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
    {
        // Sent to the page, as the keyboard reaches it; what the page does
        // not use goes on to the window.
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&window->view(), &event);
    }

    void wheel(QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const QPointF at(100, 100);
        QWheelEvent event(at, window->view().mapToGlobal(at), QPoint(), angle, Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&window->view(), &event);
    }
};

} // namespace

TEST_F(PresentingFixture, TypingAFieldsLabelAndEnterCoversAndUncoversIt)
{
    MainWindow& w = startWithFields();
    const auto cover = [&](int number) { return w.document().objects[fieldNumbered(number)].Abdeckung; };
    ASSERT_EQ(cover(12), -1);

    type(QStringLiteral("12"));
    press(Qt::Key_Return);
    EXPECT_EQ(cover(12), 0);
    EXPECT_EQ(cover(1), -1);
    type(QStringLiteral("12"));
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(cover(12), -1);

    // No label starts with "17": the entry starts over with the 7.
    type(QStringLiteral("17"));
    EXPECT_EQ(w.view().typedFieldLabel(), QStringLiteral("7"));
    press(Qt::Key_Return);
    EXPECT_EQ(cover(7), 0);

    // Backspace takes a character back; Esc forgets what was typed.
    type(QStringLiteral("11"));
    press(Qt::Key_Backspace);
    press(Qt::Key_Return);
    EXPECT_EQ(cover(1), 0);
    EXPECT_EQ(cover(11), -1);
    type(QStringLiteral("3"));
    press(Qt::Key_Escape);
    press(Qt::Key_Return);
    EXPECT_EQ(cover(3), -1);

    // With question marks no field shows a number to type.
    w.view().number(NumberingMode::QuestionMarks);
    type(QStringLiteral("4"));
    press(Qt::Key_Return);
    EXPECT_EQ(w.view().typedFieldLabel(), QString());
    EXPECT_FALSE(w.document().isModified());
}

TEST_F(PresentingFixture, LettersChooseFieldsInEitherCase)
{
    MainWindow& w = startWithFields(1);
    type(QStringLiteral("c"));
    press(Qt::Key_Return);
    EXPECT_EQ(w.document().objects[fieldNumbered(3)].Abdeckung, 0);
    type(QStringLiteral("C"));
    press(Qt::Key_Return);
    EXPECT_EQ(w.document().objects[fieldNumbered(3)].Abdeckung, -1);
}

TEST_F(PresentingFixture, EscClosesTheInfoBoxThenTheCoverSheetThenTheEditor)
{
    MainWindow& w = startWithFields();
    w.view().showCoverSheet();
    w.view().openPoint(infoPoint);
    ASSERT_TRUE(w.view().isInfoBoxShown());

    press(Qt::Key_Escape);
    EXPECT_FALSE(w.view().isInfoBoxShown());
    EXPECT_TRUE(w.view().isCoverSheetShown());
    press(Qt::Key_Escape);
    EXPECT_FALSE(w.view().isCoverSheetShown());

    w.openObjectEditor();
    press(Qt::Key_Escape);
    EXPECT_FALSE(w.isObjectEditorOpen());

    // Esc in the editor's own window closes it as well.
    w.openObjectEditor();
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(w.objectEditor().fieldsPanel(), &esc);
    EXPECT_FALSE(w.isObjectEditorOpen());
    EXPECT_FALSE(w.objectEditor().isVisible());
}

TEST_F(PresentingFixture, WheelAndArrowKeysMoveAZoomedPage)
{
    MainWindow& w = startWithFields();
    const ViewState& state = w.view().state();
    const RectD whole = state.ansicht();
    wheel({0, -120}); // at 100 % the whole page is shown: nothing moves
    press(Qt::Key_Down);
    EXPECT_EQ(state.ansicht(), whole);

    w.view().setZoomIndex(4); // 200 %: the top left quarter
    const RectD start = state.ansicht();
    wheel({0, -120}); // towards oneself: further down the page
    EXPECT_GT(state.ansicht().top, start.top);
    EXPECT_DOUBLE_EQ(state.ansicht().left, start.left);
    wheel({0, 120});
    EXPECT_DOUBLE_EQ(state.ansicht().top, start.top);
    wheel({0, -120}, Qt::ShiftModifier); // sideways
    EXPECT_GT(state.ansicht().left, start.left);
    EXPECT_DOUBLE_EQ(state.ansicht().top, start.top);

    const RectD beforeKeys = state.ansicht();
    press(Qt::Key_Right);
    EXPECT_GT(state.ansicht().left, beforeKeys.left);
    press(Qt::Key_Down);
    EXPECT_GT(state.ansicht().top, beforeKeys.top);

    // In the object editor the arrow keys pan while nothing is selected and
    // move the selected object otherwise.
    w.openObjectEditor();
    w.view().setZoomIndex(4);
    const RectD editing = state.ansicht();
    press(Qt::Key_Down);
    EXPECT_GT(state.ansicht().top, editing.top);
    w.objectEditor().selectObject(0);
    const RectD selected = state.ansicht();
    press(Qt::Key_Down);
    EXPECT_EQ(state.ansicht(), selected);
    EXPECT_DOUBLE_EQ(w.document().objects[0].Ky, 0.21);
}

TEST_F(MainWindowFixture, EveryMenuGivesEachEntryItsOwnLetter)
{
    MainWindow& w = start();
    std::function<void(QMenu*)> check = [&](QMenu* menu) {
        QMap<QKeySequence, QString> taken;
        for (QAction* a : menu->actions()) {
            if (a->menu() != nullptr)
                check(a->menu());
            const QKeySequence letter = QKeySequence::mnemonic(a->text());
            if (a->isSeparator() || letter.isEmpty())
                continue;
            EXPECT_FALSE(taken.contains(letter))
                << menu->title().toStdString() << ": " << a->text().toStdString() << " and "
                << taken.value(letter).toStdString();
            taken.insert(letter, a->text());
        }
    };
    for (TopMenu top : {TopMenu::File, TopMenu::Topics, TopMenu::LearningView, TopMenu::Exercise,
                        TopMenu::TeacherControl, TopMenu::Author, TopMenu::Display,
                        TopMenu::Options, TopMenu::Exchange, TopMenu::Help}) {
        if (QMenu* menu = w.menu(top))
            check(menu);
    }
}
