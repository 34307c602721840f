#include "content/crossword/ui/crosswordeditor.h"
#include "document/document.h"
#include "platform/prompter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

using namespace velunto;

namespace {

void press(QWidget* target, int key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &down);
}

// Types text into the cell as a user does: the cell editor opens, takes the
// text and is left with the key.
void typeInto(QTableWidget* table, int row, int column, const QString& text, int leaveWith)
{
    table->setCurrentCell(row, column);
    table->editItem(table->item(row, column));
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(text);
    press(editor, leaveWith);
    // The closed editor goes away as it would in the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QColor shade(QTableWidget* table, int row, int column)
{
    return table->item(row, column)->background().color();
}

// Notes whether the clue windows stayed on top while a question was shown.
class WatchingPrompter : public ScriptedPrompter
{
  public:
    CrosswordEditor* editor = nullptr;
    std::vector<bool> onTopWhileAsking;

    Answer message(Kind kind, const QString& text, Buttons buttons) override
    {
        if (editor)
            onTopWhileAsking.push_back(editor->clueWindow(true)->windowFlags() &
                                       Qt::WindowStaysOnTopHint);
        return ScriptedPrompter::message(kind, text, buttons);
    }
};

} // namespace

TEST(CrosswordEditor, TypingShadesCellsAndArrowsMoveAlongTheRow)
{
    Document doc;
    ScriptedPrompter prompter;
    CrosswordEditor editor(doc, prompter);
    editor.show();
    QTableWidget* grid = editor.grid();

    typeInto(grid, 3, 4, QStringLiteral("#W1"), Qt::Key_Right);
    EXPECT_EQ(grid->currentColumn(), 5);
    typeInto(grid, 3, 5, QStringLiteral("B"), Qt::Key_Right);
    typeInto(grid, 3, 6, QStringLiteral("A"), Qt::Key_Left);
    EXPECT_EQ(grid->currentColumn(), 5);
    typeInto(grid, 4, 4, QStringLiteral("  "), Qt::Key_Right);

    EXPECT_EQ(shade(grid, 3, 4), QColor(0xFF, 0xC0, 0xC0));
    EXPECT_EQ(shade(grid, 3, 5), QColor(0xEC, 0xF4, 0xFF));
    EXPECT_EQ(grid->item(4, 4)->background().style(), Qt::NoBrush);

    grid->setCurrentCell(3, 6);
    press(grid, Qt::Key_Delete);
    const CrosswordContent content = editor.content();
    EXPECT_EQ(gridCell(content.grid, 4, 3), QStringLiteral("#W1"));
    EXPECT_EQ(gridCell(content.grid, 5, 3), QStringLiteral("B"));
    EXPECT_TRUE(gridCell(content.grid, 6, 3).isEmpty());
    EXPECT_EQ(grid->item(3, 6)->background().style(), Qt::NoBrush);
}

TEST(CrosswordEditor, ShiftingAsksBeforeAnEntryIsLost)
{
    Document doc;
    gridCell(doc.header.KreuzGitter, 0, 5) = QStringLiteral("X");
    gridCell(doc.header.KreuzGitter, 3, 5) = QStringLiteral("Y");
    ScriptedPrompter prompter;
    CrosswordEditor editor(doc, prompter);

    editor.button(QStringLiteral("Rechts"))->click(); // nothing on column 29: no question
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(gridCell(editor.content().grid, 1, 5), QStringLiteral("X"));

    editor.button(QStringLiteral("Links"))->click();
    editor.button(QStringLiteral("Links"))->click();
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text,
              QStringLiteral("Beim Verschieben würden Eintragungen im Kreuzwortgitter verloren "
                             "gehen. Dennoch verschieben?"));
    EXPECT_EQ(gridCell(editor.content().grid, 0, 5), QStringLiteral("X")); // No: unchanged

    prompter.answers = {Prompter::Answer::Yes};
    editor.button(QStringLiteral("Links"))->click();
    const CrosswordContent content = editor.content();
    EXPECT_EQ(gridCell(content.grid, 2, 5), QStringLiteral("Y"));
    EXPECT_EQ(std::count_if(content.grid.begin(), content.grid.end(), isUsedCell), 1);
    EXPECT_EQ(editor.grid()->item(5, 2)->background().color(), QColor(0xEC, 0xF4, 0xFF));
}

TEST(CrosswordEditor, ClearingAndColours)
{
    Document doc;
    HeaderDataTyp& header = doc.header;
    gridCell(header.KreuzGitter, 7, 7) = QStringLiteral("Q");
    header.KreuzFragen1[0] = QStringLiteral("Frage");
    header.KreuzFragen2[29] = QStringLiteral("letzte");
    ScriptedPrompter prompter;
    CrosswordEditor editor(doc, prompter);
    EXPECT_EQ(editor.clueTable(true)->item(0, 0)->text(), QStringLiteral("#W1"));
    EXPECT_EQ(editor.clueTable(false)->item(29, 0)->text(), QStringLiteral("#S30"));

    editor.button(QStringLiteral("Kreuzwortgitter löschen"))->click(); // No
    editor.button(QStringLiteral("Beschreibungstexte löschen"))->click();
    EXPECT_EQ(prompter.texts(),
              QStringList({QStringLiteral("Wirklich alle Eintragungen im Kreuzwortgitter löschen?"),
                           QStringLiteral("Wirklich alle Beschreibungstexte (waagerecht und "
                                          "senkrecht) löschen?")}));
    EXPECT_EQ(editor.content(), crosswordContent(header));

    prompter.answers = {Prompter::Answer::Yes, Prompter::Answer::Yes};
    prompter.colours = {0x123456};
    editor.button(QStringLiteral("Kreuzwortgitter löschen"))->click();
    editor.button(QStringLiteral("Beschreibungstexte löschen"))->click();
    editor.colourButton(5)->click(); // "Titel Waag./Senk."
    const CrosswordContent content = editor.content();
    EXPECT_EQ(content.grid, CrosswordGrid{});
    EXPECT_EQ(content.horizontal, (std::array<QString, kCrosswordSize>{}));
    EXPECT_EQ(content.vertical, (std::array<QString, kCrosswordSize>{}));
    std::array<int, 6> colours = header.KreuzFarben;
    colours[5] = 0x123456;
    EXPECT_EQ(content.colours, colours);
}

TEST(CrosswordEditor, OkAppliesAndAnyOtherCloseAsksFirst)
{
    Document doc;
    doc.header.DokTyp = DokTyp::Crossword;
    doc.newObject(ObjectKind::QueryLabel, {0, 0, 1, 1}, 1, false, 0);
    ScriptedPrompter prompter;
    CrosswordEditor editor(doc, prompter);
    editor.show();
    typeInto(editor.grid(), 0, 0, QStringLiteral("#W1"), Qt::Key_Right);
    typeInto(editor.grid(), 0, 1, QStringLiteral("O"), Qt::Key_Right);
    typeInto(editor.grid(), 0, 2, QStringLiteral("H"), Qt::Key_Right);
    editor.grid()->setCurrentCell(0, 3);
    editor.grid()->editItem(editor.grid()->item(0, 3));
    editor.grid()->viewport()->findChild<QLineEdit*>()->setText(QStringLiteral("R"));
    editor.clueTable(true)->item(0, 1)->setText(QStringLiteral("Sinnesorgan"));

    editor.reject(); // No: the editor stays
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(prompter.texts(),
              QStringList(QStringLiteral(
                  "Alle Änderungen werden verworfen. Möchten Sie tatsächlich verwerfen?")));

    EXPECT_FALSE(doc.isModified());
    editor.accept(); // the open cell is taken along
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.header.KreuzFragen1[0], QStringLiteral("Sinnesorgan"));
    ASSERT_EQ(doc.objectCount(), 4);
    EXPECT_EQ(doc.objects[0].Typ, ObjectKind::QueryLabel);
    EXPECT_EQ(doc.objects[3].Typ, ObjectKind::CrosswordCell);
    EXPECT_EQ(doc.objects[3].Text, QStringLiteral("R"));

    CrosswordEditor again(doc, prompter);
    again.show();
    prompter.answers = {Prompter::Answer::Yes};
    again.reject();
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(again.result(), QDialog::Rejected);
}

TEST(CrosswordEditor, ClueWindowsStepBackWhileAQuestionIsOpen)
{
    Document doc;
    WatchingPrompter prompter;
    CrosswordEditor editor(doc, prompter);
    prompter.editor = &editor;
    editor.show();

    editor.setClueInput(CrosswordEditor::ClueInput::Windows);
    EXPECT_TRUE(editor.clueWindow(true)->isVisible());
    EXPECT_TRUE(editor.clueWindow(true)->isAncestorOf(editor.clueTable(true)));
    EXPECT_FALSE(editor.pages()->isTabVisible(1));

    editor.button(QStringLiteral("Kreuzwortgitter löschen"))->click();
    EXPECT_EQ(prompter.onTopWhileAsking, std::vector<bool>{false});
    EXPECT_TRUE(editor.clueWindow(true)->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(editor.clueWindow(false)->isVisible());
    // The margins dialog as well.
    editor.setDialogRunner([&](QDialog&) {
        prompter.onTopWhileAsking.push_back(editor.clueWindow(false)->windowFlags() &
                                            Qt::WindowStaysOnTopHint);
        return int(QDialog::Rejected);
    });
    editor.button(QStringLiteral("Ränder..."))->click();
    EXPECT_EQ(prompter.onTopWhileAsking, (std::vector<bool>{false, false}));

    editor.setClueInput(CrosswordEditor::ClueInput::Pages);
    EXPECT_FALSE(editor.clueWindow(true)->isVisible());
    EXPECT_TRUE(editor.pages()->isTabVisible(2));
    EXPECT_TRUE(editor.pages()->widget(2)->isAncestorOf(editor.clueTable(false)));
}
