// A cloze as a teacher and a pupil meet it in the main window: made with a
// new-document entry and the editor, shown, saved, opened again, and run as
// an exercise by dragging and by typing.

#include "content/cloze/clozecontent.h"
#include "content/cloze/ui/clozeeditor.h"
#include "content/cloze/ui/wrongwordsdialog.h"
#include "content/ui/editorfont.h"
#include "document/documentfile.h"
#include "exercise/runfixture.h"
#include "exercise/ui/elementwidgets.h"
#include "exercise/ui/exercisecontroller.h"
#include "exercise/ui/resultwindow.h"
#include "exercise/windowdriver.h"
#include "exercisewindow_fixture.h"
#include "platform/ui/dialogrunner.h"
#include "view/ui/learningview.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

using namespace velunto;
using namespace velunto::testing;

namespace {

struct ClozeInTheMainWindow : ExerciseWindowFixture
{
    MainWindow& open(const QString& path = {}) { return openForExercise(path); }

    const Document& doc() const { return window->document(); }
    ExerciseRun& run() { return window->exercise().run(); }

    int gap(const QString& answer) const
    {
        for (int i = 0; i < doc().objectCount(); ++i)
            if (doc().objects[i].Typ == ObjectKind::GapCard && doc().objects[i].Text == answer)
                return i;
        return -1;
    }

    // The element widget of an object's card (a gap's answer or a wrong
    // word), or of its text box.
    QWidget* widgetOf(int object, int kind)
    {
        const auto& e = run().elements();
        for (size_t k = 0; k < e.size(); ++k)
            if (e[k].object == object && e[k].takesPart() && e[k].kind == kind)
                return window->exercise().elementWidget(int(k));
        return nullptr;
    }

    QWidget* wrongWordCard(const QString& word)
    {
        for (int i = 0; i < doc().objectCount(); ++i)
            if (doc().objects[i].Typ == ObjectKind::DistractorCard && doc().objects[i].Text == word)
                return widgetOf(i, ElementKind::Card);
        return nullptr;
    }

    QRect target(int object)
    {
        return run().page().toArea(window->view().composer().cards().bounds(object));
    }

    void drag(QWidget* card, int object)
    {
        ASSERT_NE(card, nullptr);
        ASSERT_FALSE(target(object).isEmpty()) << "the gap is drawn on the page";
        dragCard(card, target(object));
    }
};

void select(QPlainTextEdit* field, const QString& word)
{
    const int start = int(field->toPlainText().indexOf(word));
    ASSERT_GE(start, 0);
    QTextCursor c(field->document());
    c.setPosition(start);
    c.setPosition(start + int(word.size()), QTextCursor::KeepAnchor);
    field->setTextCursor(c);
}

} // namespace

TEST_F(ClozeInTheMainWindow, WrittenInTheEditorShownSavedOpenedAgainAndRunByDragging)
{
    MainWindow& w = open();
    QAction* newCloze = action(QStringLiteral("Erweiterter Lückentext mit &Falschwörtern..."));
    ASSERT_NE(newCloze, nullptr);
    for (const char* caption :
         {"&Lückentext...", "&Tabellarische Text-Bild-/Bild-Text-Zuordnung...",
          "&C-Test-Generator...", "Erweiterter C-Test mit Falschwörtern..."})
        EXPECT_NE(action(QString::fromUtf8(caption)), nullptr) << caption;

    // The author writes the text, sets a gap by selection and gives a wrong
    // word; the editor's dialogs are answered here.
    int editors = 0;
    {
        const ScopedDialogRunner answer([&](QDialog& dialog) {
            if (auto* words = dynamic_cast<WrongWordsDialog*>(&dialog)) {
                words->memo()->setPlainText(QStringLiteral("Norden"));
                return int(QDialog::Accepted);
            }
            auto* editor = dynamic_cast<ClozeEditor*>(&dialog);
            if (editor == nullptr)
                return int(QDialog::Rejected);
            ++editors;
            EXPECT_EQ(editor->windowTitle(), QStringLiteral("Lückentext bearbeiten"));
            QPlainTextEdit* text = editor->textField();
            text->setPlainText(QStringLiteral("Im Herbst fallen die Blätter von den Bäumen.\n"
                                              "Viele Vögel fliegen nach <<Süden | Afrika>>."));
            select(text, QStringLiteral("Blätter "));
            editor->button(QStringLiteral("Lücke << ... >> setzen"))->click();
            editor->button(QStringLiteral("Falschwörter eingeben..."))->click();
            editor->button(QStringLiteral("OK"))->click();
            return editor->result();
        });
        newCloze->trigger();
        settle();
    }
    ASSERT_EQ(editors, 1);
    EXPECT_EQ(doc().header.DokTyp, DokTyp::Cloze);
    EXPECT_EQ(doc().header.DokUnterTyp, ClozeSubType::FlowingWithWrongWords);
    EXPECT_EQ(doc().header.lueckentext,
              QStringLiteral("Im Herbst fallen die <<Blätter>> von den Bäumen.\r\n"
                             "Viele Vögel fliegen nach <<Süden | Afrika>>."));
    const int leaves = gap(QStringLiteral("Blätter"));
    const int south = gap(QStringLiteral("Süden"));
    ASSERT_GE(leaves, 0);
    ASSERT_GE(south, 0);
    // The page shows both gaps, numbered in text order.
    EXPECT_TRUE(w.view().composer().cards().wasDrawn(leaves));
    EXPECT_TRUE(w.view().composer().cards().wasDrawn(south));
    EXPECT_EQ(doc().objects[leaves].Nummer, 1);
    EXPECT_EQ(doc().objects[south].Nummer, 2);

    // Saved, closed and opened again, the page looks the same.
    const QImage shown = w.view().composer().page().copy();
    const QString file = dir.filePath(QStringLiteral("herbst.vlt"));
    prompter.files = {file};
    ASSERT_TRUE(w.saveDocumentAs());
    w.closeDocument();
    settle();
    EXPECT_EQ(doc().objectCount(), 0);
    prompter.files = {file};
    w.openDocument();
    settle();
    ASSERT_EQ(doc().header.FileName, file);
    EXPECT_EQ(w.view().composer().page(), shown);

    // A run: the wrong word and another gap's answer fail, then both fit.
    action(QStringLiteral("Individual-&Übung"))->trigger();
    settle();
    ASSERT_TRUE(run().isActive());
    drag(wrongWordCard(QStringLiteral("Norden")), south);
    drag(widgetOf(leaves, ElementKind::Card), south);
    EXPECT_EQ(doc().objects[south].Abdeckung, ExerciseState::Open);
    EXPECT_EQ(run().wrongCount(), 2.0);
    drag(widgetOf(south, ElementKind::Card), south);
    drag(widgetOf(leaves, ElementKind::Card), leaves);
    ASSERT_EQ(run().endReason(), EndReason::Finished);
    ResultWindow* result = w.exercise().resultWindow();
    ASSERT_TRUE(result->isVisible());
    EXPECT_EQ(result->figure(QStringLiteral("Richtig gelöst:")), QStringLiteral("2  von  2"));
    EXPECT_EQ(result->figure(QStringLiteral("Fehlversuche:")), QStringLiteral("2"));
}

TEST_F(ClozeInTheMainWindow, TypingIntoTheGapsAcceptsAnAlternativeWrittenWithBlanks)
{
    // A file that holds only its text: the load builds the gaps.
    Document written;
    startClozeDocument(written, ClozeSubType::Flowing);
    written.header.lueckentext =
        QStringLiteral("Eine Spinne hat <<acht | Acht | 8>> Beine, ein Käfer <<sechs>>.");
    const QString file = dir.filePath(QStringLiteral("beine.vlt"));
    ASSERT_TRUE(saveDocument(written, file).ok);
    MainWindow& w = open(file);
    w.settings().generalOptions.QueryMode = QueryMode::TextEntry;
    const int spider = gap(QStringLiteral("acht"));
    const int beetle = gap(QStringLiteral("sechs"));
    ASSERT_GE(spider, 0);
    ASSERT_GE(beetle, 0);

    action(QStringLiteral("Individual-&Übung"))->trigger();
    settle();
    ASSERT_TRUE(run().isActive());
    auto* first = qobject_cast<ElementTextBox*>(widgetOf(spider, ElementKind::TextBox));
    auto* second = qobject_cast<ElementTextBox*>(widgetOf(beetle, ElementKind::TextBox));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(first->geometry().intersects(target(spider))) << "the box lies on its gap";
    for (QChar c : QStringLiteral("8"))
        key(first, 0, QString(c));
    for (QChar c : QStringLiteral("sechs"))
        key(second, 0, QString(c));
    QPushButton* check = nullptr;
    for (size_t k = 0; k < run().elements().size(); ++k)
        if (run().elements()[k].kind == ElementKind::CheckButton)
            check = qobject_cast<QPushButton*>(w.exercise().elementWidget(int(k)));
    ASSERT_NE(check, nullptr);
    check->click();
    settle();
    EXPECT_EQ(run().correctCount(), 2.0);
    EXPECT_EQ(run().wrongCount(), 0.0);
    ASSERT_EQ(run().endReason(), EndReason::Finished);
    ASSERT_TRUE(w.exercise().resultWindow()->isVisible());
    EXPECT_EQ(w.exercise().resultWindow()->figure(QStringLiteral("Richtig gelöst:")),
              QStringLiteral("2  von  2"));
}

TEST_F(ClozeInTheMainWindow, TheEditorFontRowChangesTheFontOfTheEditorsForTheRun)
{
    open();
    QAction* row = action(QStringLiteral("Editor-Schrift&art..."));
    ASSERT_NE(row, nullptr);
    const EditorFontChoice before = editorFontChoice();
    {
        const ScopedDialogRunner answer([](QDialog& dialog) {
            auto* font = dynamic_cast<EditorFontDialog*>(&dialog);
            if (font == nullptr)
                return int(QDialog::Rejected);
            EXPECT_EQ(font->windowTitle(), QStringLiteral("Editor-Schriftart"));
            font->familyList()->setCurrentText(QStringLiteral("Verdana"));
            font->accept();
            return font->result();
        });
        row->trigger();
    }
    EXPECT_EQ(editorFontChoice().family, QStringLiteral("Verdana"));
    setEditorFontChoice(before);
}
