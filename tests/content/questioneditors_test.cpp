#include "content/multiplechoice/mcquestion.h"
#include "content/multiplechoice/questionrecord.h"
#include "content/multiplechoice/ui/multiplechoiceeditor.h"
#include "content/questions/ui/singlequestionseditor.h"
#include "content/ui/marginsdialog.h"
#include "document/document.h"
#include "document/objectkinds.h"
#include "platform/prompter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

using namespace velunto;

namespace {

const QString kDiscard =
    QStringLiteral("Alle Änderungen werden verworfen. Möchten Sie tatsächlich verwerfen?");

Picture picture(QColor colour)
{
    Picture p(12, 8, QImage::Format_ARGB32);
    p.fill(colour);
    return p;
}

} // namespace

TEST(SingleQuestionsEditor, CountsAppliesAndAsksBeforeDiscarding)
{
    Document doc;
    doc.header.DokTyp = DokTyp::Cloze;
    doc.header.lueckentext = QStringLiteral("Ein <<Lückentext>>.");
    ScriptedPrompter prompter;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("fragen.txt"));
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("Wie hei\xDF t das? // So\r\n"); // code page 1252
    }

    SingleQuestionsEditor editor(doc, prompter);
    EXPECT_EQ(editor.counterText(), "0 Fragen");
    editor.textField()->setPlainText(QStringLiteral("Erste // eins\n\n"));
    EXPECT_EQ(editor.counterText(), "1 Frage");
    prompter.files.push_back(file);
    editor.textField()->moveCursor(QTextCursor::End);
    editor.button(QStringLiteral("Aus Datei einfügen..."))->click();
    EXPECT_EQ(prompter.fileRequests.back().title, "Textdatei öffnen");
    EXPECT_EQ(editor.counterText(), "2 Fragen");

    // "Ränder..." changes the margins at once, through the shared dialog.
    editor.setDialogRunner([](QDialog& dialog) {
        auto& margins = dynamic_cast<MarginsDialog&>(dialog);
        margins.topField()->setText(QStringLiteral("20,0"));
        margins.bottomField()->setText(QStringLiteral("20"));
        dialog.accept();
        return dialog.result();
    });
    editor.button(QStringLiteral("Ränder..."))->click();
    EXPECT_TRUE(editor.pageChanged());
    EXPECT_DOUBLE_EQ(doc.header.EinrueckRand.top, 0.2);
    EXPECT_FALSE(editor.button(QStringLiteral("Schriftart..."))->isVisibleTo(&editor));

    // Esc and the window's close button ask first; No keeps the editor.
    editor.show();
    prompter.answers.push_back(Prompter::Answer::No);
    editor.reject();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(prompter.texts().back(), kDiscard);

    editor.accept();
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(doc.header.DokTyp, DokTyp::Questions);
    EXPECT_EQ(doc.header.fragentext, "Erste // eins\r\n\r\nWie heiß t das? // So\r\n");
    EXPECT_TRUE(doc.header.lueckentext.isEmpty());
    EXPECT_EQ(doc.header.AnzFrageNummern, 2);
    EXPECT_EQ(doc.objects.back().Text, "So");
    // The questions stand lower with the new top margin: D = 0.6 / 0.64.
    EXPECT_NEAR(doc.objects.back().Ky, 0.2 + 0.435 * 0.6 / 0.64, 1e-12);
}

namespace {

// A multiple-choice document with a text-answer question and a
// picture-answer question, and its editor.
struct McEditorFixture
{
    Document doc;
    ScriptedPrompter prompter;

    McEditorFixture()
    {
        MultipleChoiceEdit edit;
        McQuestion text = newMcQuestion();
        text.question = QStringLiteral("Welche Zahlen sind Primzahlen?");
        text.answers = QStringLiteral("+ 2\r\n- 4\r\n+ 5");
        McQuestion pictures = newMcQuestion();
        pictures.question = QStringLiteral("Welche Bilder sind rot?");
        pictures.answerKind = 1;
        pictures.pictureAnswers = {{picture(Qt::red), true}, {picture(Qt::blue), false}};
        edit.questions = {text, pictures};
        applyMultipleChoiceEdit(doc, edit);
        doc.setModified(false);
    }
};

} // namespace

TEST(MultipleChoiceEditor, TheQuestionListCommands)
{
    McEditorFixture f;
    MultipleChoiceEditor editor(f.doc, f.prompter);
    QListWidget* list = editor.questionList();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(editor.questionField()->toPlainText(), "Welche Zahlen sind Primzahlen?");

    // Text answers without a sign get "+ " when the field is stored.
    editor.answersField()->setPlainText(QStringLiteral("+ 2\n- 4\n7  \n"));
    editor.duplicateQuestion();
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), "Frage 3");
    EXPECT_EQ(editor.currentQuestion(), 2);
    EXPECT_EQ(editor.questionField()->toPlainText(), "KOPIE von Welche Zahlen sind Primzahlen?");
    EXPECT_EQ(editor.answersField()->toPlainText(), "+ 2\n- 4\n+ 7");

    editor.moveQuestion(-1);
    EXPECT_EQ(editor.currentQuestion(), 1);
    EXPECT_EQ(editor.questions()[1].question, "KOPIE von Welche Zahlen sind Primzahlen?");
    EXPECT_EQ(list->item(1)->text(), "Frage 2");
    editor.moveQuestion(1);
    editor.moveQuestion(1); // the last stays last
    EXPECT_EQ(editor.currentQuestion(), 2);
    EXPECT_EQ(editor.questions()[2].question, "KOPIE von Welche Zahlen sind Primzahlen?");
    editor.moveQuestion(-1);

    f.prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
    editor.deleteQuestion();
    EXPECT_EQ(editor.questions().size(), 3u);
    editor.selectQuestion(2);
    editor.deleteQuestion();
    EXPECT_EQ(f.prompter.texts().back(), "Die aktuelle Frage Nr. 3 löschen?");
    EXPECT_EQ(editor.questions().size(), 2u);
    EXPECT_EQ(editor.currentQuestion(), 1);

    f.prompter.answers = {Prompter::Answer::Yes};
    editor.clearQuestions();
    EXPECT_EQ(f.prompter.texts().back(), "Alle Fragen löschen?");
    ASSERT_EQ(editor.questions().size(), 1u);
    EXPECT_TRUE(editor.questions()[0].question.isEmpty());
    EXPECT_EQ(list->count(), 1);
    editor.newQuestion();
    EXPECT_EQ(list->item(1)->text(), "Frage 2");
}

TEST(MultipleChoiceEditor, PictureAnswersAndTheirMessages)
{
    McEditorFixture f;
    MultipleChoiceEditor editor(f.doc, f.prompter);
    editor.selectQuestion(1);
    QListWidget* answers = editor.pictureAnswerList();
    ASSERT_EQ(answers->count(), 2);
    EXPECT_EQ(answers->item(0)->text(), "+ Bild 1");
    EXPECT_EQ(answers->item(1)->text(), "- Bild 2");

    // Nothing selected: loading a picture asks for a selection first.
    editor.selectPictureAnswer(-1);
    editor.pictureAnswerFromFile();
    EXPECT_EQ(f.prompter.texts().back(),
              "Bitte zunächst die gewünschte Antwortbild-Nummer in der Liste markieren oder "
              "mittels \"Neue Antwort\" neu erstellen.");
    EXPECT_TRUE(f.prompter.fileRequests.empty());

    for (int i = 0; i < 10; ++i)
        editor.newPictureAnswer();
    EXPECT_EQ(answers->count(), 12);
    editor.newPictureAnswer();
    EXPECT_EQ(answers->count(), 12);
    EXPECT_EQ(f.prompter.texts().back(), "Es sind maximal 12 Antwortbilder pro Frage möglich.");

    // The new answers have no picture yet: OK names the first of them.
    editor.accept();
    EXPECT_NE(editor.result(), QDialog::Accepted);
    EXPECT_TRUE(f.prompter.texts().back().startsWith("Die Bild-Antwort Nr. 3 der Frage Nr. 2"));
    EXPECT_FALSE(f.doc.isModified());

    f.prompter.answers.assign(10, Prompter::Answer::Yes);
    for (int i = 0; i < 10; ++i) {
        editor.selectPictureAnswer(2);
        editor.deletePictureAnswer();
    }
    EXPECT_EQ(f.prompter.texts().back(), "Die aktuelle Bild-Antwort Nr. 3 löschen?");
    ASSERT_EQ(answers->count(), 2);

    editor.selectPictureAnswer(1);
    editor.movePictureAnswer(-1);
    EXPECT_EQ(answers->item(0)->text(), "- Bild 1");
    editor.movePictureAnswer(1);
    EXPECT_EQ(editor.currentPictureAnswer(), 1);
    editor.selectPictureAnswer(0);
    editor.setPictureAnswerCorrect(false);
    EXPECT_EQ(answers->item(0)->text(), "- Bild 1");
    EXPECT_EQ(answers->item(1)->text(), "- Bild 2");

    editor.accept();
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    const ObjDataTyp& q = f.doc.objects[1];
    EXPECT_EQ(q.AntwortAnz, 2);
    EXPECT_EQ(q.BildAntw[0].pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(readQuestionRecord(q.Text).answers, "- Bild\r\n- Bild\r\n");
}

TEST(MultipleChoiceEditor, CopyingAPictureAsksForThePicturePasswordEveryTime)
{
    McEditorFixture f;
    f.doc.header.BilderPasswort = QStringLiteral("geheim");
    MultipleChoiceEditor editor(f.doc, f.prompter);
    editor.selectQuestion(1);
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(QStringLiteral("leer"));

    // Cancelled and wrong entries copy nothing.
    f.prompter.entries = {std::nullopt};
    editor.pictureAnswerToClipboard();
    f.prompter.entries = {QStringLiteral("falsch"), std::nullopt};
    editor.questionPictureFromClipboard(); // the clipboard holds no picture
    editor.selectPictureAnswer(0);
    editor.pictureAnswerToClipboard();
    EXPECT_TRUE(clipboard->image().isNull());
    EXPECT_EQ(f.prompter.passwordTexts.size(), 3u);
    EXPECT_TRUE(f.prompter.texts().contains("Das Passwort ist falsch."));
    EXPECT_TRUE(f.prompter.texts().contains("Die Zwischenablage enthält keine Bitmap-Grafik."));

    f.prompter.entries = {QStringLiteral("geheim")};
    editor.pictureAnswerToClipboard();
    EXPECT_EQ(clipboard->image().pixelColor(0, 0), QColor(Qt::red));

    // The copied picture becomes the question picture.
    editor.questionPictureFromClipboard();
    editor.questionPictureToClipboard();
    EXPECT_EQ(f.prompter.passwordTexts.size(), 4u); // unlocked now
    editor.accept();
    EXPECT_EQ(f.doc.objects[1].Typ, ObjectKind::McImageQuestion);
}
