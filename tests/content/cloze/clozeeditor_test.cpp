#include "content/cloze/ui/clozeeditor.h"

#include "content/cloze/clozecontent.h"
#include "content/cloze/ui/gapgeneratordialogs.h"
#include "content/cloze/ui/wrongwordsdialog.h"
#include "content/ui/cellgrid.h"
#include "content/ui/editorfont.h"
#include "content/ui/marginsdialog.h"
#include "document/document.h"
#include "platform/prompter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextCursor>

namespace velunto {
namespace {

using Answer = Prompter::Answer;

const QString kDiscard =
    QStringLiteral("Alle Änderungen werden verworfen. Möchten Sie tatsächlich verwerfen?");

void select(QPlainTextEdit* field, int start, int length)
{
    QTextCursor c(field->document());
    c.setPosition(start);
    c.setPosition(start + length, QTextCursor::KeepAnchor);
    field->setTextCursor(c);
}

void click(ClozeEditor& editor, const char* caption)
{
    QPushButton* b = editor.button(QString::fromUtf8(caption));
    ASSERT_NE(b, nullptr) << caption;
    b->click();
}

// Answers every dialog of the editor with a function that sets it up; the
// dialog is never shown.
template <typename D> ClozeEditor::DialogRunner answering(std::function<int(D&)> answer)
{
    return [answer](QDialog& dialog) {
        D* d = dynamic_cast<D*>(&dialog);
        return d ? answer(*d) : int(QDialog::Rejected);
    };
}

TEST(ClozeEditor, EditsTheTextWithItsCommandsAndOkBuildsTheCloze)
{
    Document doc;
    doc.header.lueckentext = QStringLiteral("Die Sonne geht im Osten auf.");
    ScriptedPrompter prompter;
    ClozeEditor editor(doc, ClozeSubType::Flowing, prompter);
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Lückentext bearbeiten"));
    EXPECT_EQ(editor.button(QStringLiteral("Lücken für C-Test automatisch setzen...")), nullptr);
    QPlainTextEdit* text = editor.textField();

    select(text, 18, 6); // "Osten "
    click(editor, "Lücke << ... >> setzen");
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Die Sonne geht im <<Osten>> auf."));
    select(text, 0, 0);
    click(editor, "Lücke << ... >> setzen"); // nothing selected: nothing happens
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Die Sonne geht im <<Osten>> auf."));

    QApplication::clipboard()->setText(QStringLiteral("<<eins>> und <<zwei>>\r\ndrei"));
    click(editor, "Aus Zwischenablage einfügen");
    select(text, 0, 12);
    click(editor, "Markierte << ... >> entfernen");
    EXPECT_EQ(text->toPlainText(), QStringLiteral("eins und <<zwei>>\ndrei"));
    click(editor, "In Zwischenablage kopieren");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("eins und <<zwei>>\r\ndrei"));

    editor.minGapList()->setCurrentIndex(editor.minGapList()->findData(6));
    prompter.colours.push_back(0x00AA00);
    editor.findChild<QPushButton*>(QStringLiteral("Lückentextfarbe"))->click();
    // the document is untouched until OK
    EXPECT_EQ(doc.header.lueckentext, QStringLiteral("Die Sonne geht im Osten auf."));

    editor.accept();
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(doc.header.DokTyp, DokTyp::Cloze);
    EXPECT_EQ(doc.header.lueckentext, QStringLiteral("eins und <<zwei>>\r\ndrei"));
    EXPECT_EQ(doc.header.MinLuecke, 6);
    EXPECT_EQ(doc.header.LueckentextCol, 0x00AA00);
    ASSERT_EQ(doc.objectCount(), 1);
    EXPECT_EQ(doc.objects[0].Text, QStringLiteral("zwei"));
    EXPECT_TRUE(prompter.shown.empty());
}

TEST(ClozeEditor, EveryOtherWayOutAsksBeforeDiscarding)
{
    Document doc;
    ScriptedPrompter prompter;
    ClozeEditor editor(doc, ClozeSubType::Flowing, prompter);
    editor.show();
    editor.textField()->setPlainText(QStringLiteral("<<neu>>"));

    prompter.answers = {Answer::No};
    editor.reject();
    EXPECT_TRUE(editor.isVisible());
    prompter.answers = {Answer::Yes};
    editor.close(); // the window's close box
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(editor.result(), QDialog::Rejected);
    ASSERT_EQ(prompter.texts(), QStringList({kDiscard, kDiscard}));
    EXPECT_TRUE(doc.header.lueckentext.isEmpty());
    EXPECT_EQ(doc.objectCount(), 0);
    EXPECT_FALSE(doc.isModified());
}

TEST(ClozeEditor, WrongWordsMarginsAndTheCTestGoThroughTheirDialogs)
{
    Document doc;
    doc.header.lueckentext = QStringLiteral("Die Sonne scheint. Heute ist ein schöner Tag.");
    ScriptedPrompter prompter;
    ClozeEditor editor(doc, ClozeSubType::CTest, prompter);
    EXPECT_EQ(
        editor.button(QStringLiteral("Wörter oder Wortteile als Lücken automatisch setzen...")),
        nullptr);

    editor.setDialogRunner(answering<WrongWordsDialog>([](WrongWordsDialog& d) {
        d.memo()->setPlainText(QStringLiteral("Mond\n  \nStern"));
        return int(QDialog::Accepted);
    }));
    click(editor, "Falschwörter eingeben...");

    editor.setDialogRunner(answering<CTestDialog>([](CTestDialog& d) {
        d.maxGapsList()->setCurrentText(QStringLiteral("1"));
        return int(QDialog::Accepted);
    }));
    click(editor, "Lücken für C-Test automatisch setzen...");
    EXPECT_EQ(editor.textField()->toPlainText(),
              QStringLiteral("Die Sonne scheint. Heute i<<st>> ein schöner Tag."));
    // an entry that is no number makes no gaps
    editor.setDialogRunner(answering<CTestDialog>([](CTestDialog& d) {
        d.maxGapsList()->setCurrentText(QStringLiteral("viele"));
        return int(QDialog::Accepted);
    }));
    click(editor, "Lücken für C-Test automatisch setzen...");
    EXPECT_EQ(editor.textField()->toPlainText(),
              QStringLiteral("Die Sonne scheint. Heute ist ein schöner Tag."));

    // The margins are checked by their dialog and set at once.
    int tries = 0;
    editor.setDialogRunner(answering<MarginsDialog>([&tries](MarginsDialog& d) {
        d.topField()->setText(QStringLiteral("40"));
        d.bottomField()->setText(QStringLiteral("30"));
        d.accept(); // refused: the dialog stays open
        ++tries;
        d.bottomField()->setText(QStringLiteral("20"));
        d.accept();
        return d.result();
    }));
    click(editor, "Ränder...");
    EXPECT_EQ(tries, 1);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_TRUE(prompter.shown[0].text.startsWith(QStringLiteral("Oberer und unterer Rand")));
    EXPECT_DOUBLE_EQ(doc.header.EinrueckRand.top, 0.4);
    EXPECT_DOUBLE_EQ(doc.header.EinrueckRand.bottom, 0.2);
    EXPECT_TRUE(editor.pageChanged());

    editor.accept();
    EXPECT_EQ(doc.header.DokUnterTyp, ClozeSubType::CTestWithWrongWords);
    EXPECT_EQ(doc.header.fragentext, QStringLiteral("Mond\r\n  \r\nStern"));
}

TEST(ClozeEditor, TableGridKeepsCellsAndAutomaticGapsTouchOnlyTextCells)
{
    Document doc;
    HeaderDataTyp& h = doc.header;
    h.LueckenTabelleZeilen = 2;
    h.LueckenTabelleSpalten = 2;
    h.LueckenTabelle[0][0].Text = QStringLiteral("Der Hund bellt");
    h.LueckenTabelle[0][1].Art = CellKind::QueryText;
    h.LueckenTabelle[0][1].Text = QStringLiteral("die Katze");
    h.LueckenTabelle[1][1].Text = QStringLiteral("Die Maus");
    ScriptedPrompter prompter;
    ClozeEditor editor(doc, ClozeSubType::Table, prompter);
    EXPECT_EQ(editor.windowTitle(),
              QStringLiteral("Tabellarische Text-/Bild- / Bild-Text-Zuordnung"));
    EXPECT_EQ(editor.button(QStringLiteral("Falschwörter eingeben...")), nullptr);
    CellGrid* grid = editor.grid();

    // A smaller grid and back: the cells keep their contents.
    editor.rowsBox()->setValue(1);
    editor.rowsBox()->setValue(2);
    EXPECT_EQ(grid->textField(1, 1)->toPlainText(), QStringLiteral("Die Maus"));

    editor.setDialogRunner(answering<AutoGapDialog>([](AutoGapDialog& d) {
        d.periodList()->setCurrentIndex(1); // "jedes 2."
        return int(QDialog::Accepted);
    }));
    click(editor, "Wörter oder Wortteile als Lücken automatisch setzen...");
    EXPECT_EQ(grid->cells()[0][0].Text, QStringLiteral("<<Der>> Hund <<bellt>>"));
    EXPECT_EQ(grid->cells()[0][1].Text, QStringLiteral("die Katze")); // a query text
    EXPECT_EQ(grid->cells()[1][1].Text, QStringLiteral("<<Die>> Maus"));

    // Only the selection of the cell last in focus.
    QFocusEvent focus(QEvent::FocusIn);
    QApplication::sendEvent(grid->textField(1, 1), &focus);
    select(grid->textField(1, 1), 0, 8);
    click(editor, "Alle << ... >> entfernen");
    EXPECT_EQ(grid->cells()[0][0].Text, QStringLiteral("Der Hund bellt"));
    editor.setDialogRunner(answering<AutoGapDialog>([](AutoGapDialog& d) {
        d.startList()->setCurrentIndex(1);
        d.selectionOnlyButton()->setChecked(true);
        return int(QDialog::Accepted);
    }));
    select(grid->textField(1, 1), 4, 4);
    click(editor, "Wörter oder Wortteile als Lücken automatisch setzen...");
    EXPECT_EQ(grid->cells()[1][1].Text, QStringLiteral("Die Maus")); // "Maus" is word 1
    select(grid->textField(1, 1), 0, 8);
    click(editor, "Wörter oder Wortteile als Lücken automatisch setzen...");
    EXPECT_EQ(grid->cells()[1][1].Text, QStringLiteral("Die <<Maus>>"));

    // A picture kind without a picture opens the picture panel; a picture
    // taken there is kept, also when OK comes before "Schließen".
    QComboBox* kind = grid->kindList(1, 0);
    kind->setCurrentIndex(kind->findData(CellKind::QueryImage));
    Q_EMIT kind->activated(kind->currentIndex());
    PicturePanel* panel = grid->picturePanel();
    ASSERT_TRUE(panel->isVisibleTo(grid));
    QImage picture(8, 8, QImage::Format_ARGB32);
    picture.fill(Qt::blue);
    QApplication::clipboard()->setImage(picture);
    panel->button(QStringLiteral("aus Zwisch.abl."))->click();
    panel->identifierField()->setText(QStringLiteral("Maus"));

    editor.accept();
    const auto& cells = doc.header.LueckenTabelle;
    EXPECT_EQ(cells[1][0].Art, CellKind::QueryImage);
    EXPECT_EQ(cells[1][0].BildKenn, QStringLiteral("Maus"));
    EXPECT_EQ(cells[1][0].Bild.size(), QSize(8, 8));
    EXPECT_EQ(doc.objectCount(), 3); // two gaps and the query picture
}

TEST(ClozeEditor, AFileReplacesTheTextAndTheEditorFontReachesItsField)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("text.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Gr\xFC\xDF"
               "e <<aus>> der Datei\r\n");
    file.close();

    Document doc;
    ScriptedPrompter prompter;
    ClozeEditor editor(doc, ClozeSubType::Flowing, prompter);
    prompter.files = {path, dir.filePath(QStringLiteral("fehlt.txt"))};
    click(editor, "Aus Datei einfügen...");
    EXPECT_EQ(editor.textField()->toPlainText(), QStringLiteral("Grüße <<aus>> der Datei\n"));
    EXPECT_EQ(prompter.fileRequests[0].title, QStringLiteral("Textdatei öffnen"));
    click(editor, "Aus Datei einfügen...");
    EXPECT_EQ(prompter.texts(), QStringList({QStringLiteral("Die Datei \"%1\" existiert nicht.")
                                                 .arg(dir.filePath(QStringLiteral("fehlt.txt")))}));
    EXPECT_EQ(editor.textField()->toPlainText(), QStringLiteral("Grüße <<aus>> der Datei\n"));

    const EditorFontChoice before = editorFontChoice();
    EditorFontDialog dialog;
    dialog.familyList()->setCurrentText(QStringLiteral("Courier New"));
    dialog.sizeList()->setCurrentIndex(4);
    dialog.accept();
    EXPECT_EQ(editor.textField()->font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(editor.textField()->font().pointSize(), 12);
    setEditorFontChoice(before);
}

} // namespace
} // namespace velunto
