#include "platform/prompter.h"
#include "view/board/ui/noteboxwindow.h"
#include "view/board/ui/sheetdialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextEdit>

using namespace velunto;

namespace {

QPushButton* buttonNamed(QWidget* parent, const QString& text)
{
    for (QPushButton* b : parent->findChildren<QPushButton*>())
        if (b->text() == text)
            return b;
    return nullptr;
}

} // namespace

TEST(SheetDialogs, CountIsClampedAndTakesDigitsOnly)
{
    ScriptedPrompter prompter;
    prompter.colours = {fromRgb(1, 2, 3)};
    SheetCountDialog dialog(SheetKind::Lines, 25, kSheetLineColour, 0xFFFFFF, prompter);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Blatt mit Linien"));
    EXPECT_EQ(dialog.countField()->text(), QStringLiteral("25"));
    const struct
    {
        const char* typed;
        int count;
    } cases[] = {{"0", 1}, {"500", 200}, {"", 1}, {"37", 37}};
    for (const auto& c : cases) {
        dialog.countField()->clear();
        for (const QChar ch : QString::fromLatin1(c.typed)) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(dialog.countField(), &press);
        }
        EXPECT_EQ(dialog.count(), c.count) << c.typed;
    }
    // A German "1.000" cannot be typed: the point is refused.
    dialog.countField()->clear();
    for (const QChar ch : QStringLiteral("1.000")) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(dialog.countField(), &press);
    }
    EXPECT_EQ(dialog.countField()->text(), QStringLiteral("1000"));
    EXPECT_EQ(dialog.count(), 200);

    // The colour buttons ask the colour dialog.
    dialog.findChildren<QPushButton*>().first()->click();
    EXPECT_EQ(dialog.lineColour(), fromRgb(1, 2, 3));
    EXPECT_EQ(dialog.background(), 0xFFFFFF);

    SheetCountDialog lineature(SheetKind::Lineature3, 8, 0, 0, prompter);
    EXPECT_EQ(lineature.windowTitle(), QStringLiteral("Lineatur 3. Klasse"));
    lineature.countField()->setText(QStringLiteral("99"));
    EXPECT_EQ(lineature.count(), 50);
}

TEST(SheetDialogs, Table)
{
    ScriptedPrompter prompter;
    TableSheetDialog dialog({}, kSheetLineColour, 0xFFFFFF, prompter);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Blatt mit Tabelle"));
    EXPECT_EQ(dialog.table(), TableLayout{});
    // The first "+" belongs to the rows, the second "-" to the columns.
    QList<QPushButton*> plus, minus;
    for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
        if (b->text() == QStringLiteral("+"))
            plus << b;
        if (b->text() == QStringLiteral("-"))
            minus << b;
    }
    ASSERT_EQ(plus.size(), 2);
    plus[0]->click();
    minus[1]->click();
    EXPECT_EQ(dialog.table().rows, 7);
    EXPECT_EQ(dialog.table().columns, 2);
    // The margin switch only shows the fields; they apply either way.
    dialog.show();
    EXPECT_FALSE(dialog.marginFields()->isVisible());
    dialog.marginSwitch()->setChecked(true);
    EXPECT_TRUE(dialog.marginFields()->isVisible());
    auto* left = dialog.marginFields()->findChildren<QLineEdit*>().first();
    left->setText(QStringLiteral("12,5"));
    dialog.marginSwitch()->setChecked(false);
    EXPECT_DOUBLE_EQ(dialog.table().left, 12.5);
    dialog.rowsField()->setText(QStringLiteral("999"));
    EXPECT_EQ(dialog.table().rows, 200);
}

TEST(NoteBox, Window)
{
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    NoteBoxWindow box(prompter);
    box.show();
    // The size fields set the inner size of the window, in steps of 50.
    box.widthBox()->setValue(600);
    box.heightBox()->setValue(500);
    EXPECT_EQ(box.size(), QSize(600, 500));
    box.widthBox()->setValue(250);
    box.heightBox()->setValue(350);
    EXPECT_EQ(box.size(), QSize(250, 350));
    box.fontSizeBox()->setValue(18);
    EXPECT_EQ(box.field()->document()->defaultFont().pointSize(), 18);

    box.field()->setPlainText(QStringLiteral("Tafeldienst: Anna"));
    // Saving writes rich text; reading it back replaces the text after the
    // question.
    const QString file = dir.filePath(QStringLiteral("notiz.rtf"));
    prompter.files = {file};
    box.saveToFile();
    EXPECT_EQ(prompter.fileRequests.back().title, QStringLiteral("Notiz in Datei speichern"));
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("{\\rtf1"));

    box.field()->setPlainText(QStringLiteral("Anderes"));
    prompter.answers = {Prompter::Answer::No};
    box.insertFromFile();
    EXPECT_EQ(box.field()->toPlainText(), QStringLiteral("Anderes"));
    prompter.answers = {Prompter::Answer::Yes};
    prompter.files = {file};
    box.insertFromFile();
    EXPECT_EQ(box.field()->toPlainText(), QStringLiteral("Tafeldienst: Anna"));
    EXPECT_EQ(prompter.fileRequests.back().title, QStringLiteral("Text- oder RTF-Datei öffnen"));

    // "Löschen" asks first.
    prompter.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
    box.clearNote();
    EXPECT_FALSE(box.field()->toPlainText().isEmpty());
    box.clearNote();
    EXPECT_TRUE(box.field()->toPlainText().isEmpty());
    EXPECT_EQ(prompter.texts().last(), QStringLiteral("Notiz wirklich löschen?"));

    // Esc in the field hides the window; the text survives.
    box.field()->setPlainText(QStringLiteral("bleibt"));
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(box.field(), &escape);
    EXPECT_FALSE(box.isVisible());
    EXPECT_EQ(box.field()->toPlainText(), QStringLiteral("bleibt"));
    ASSERT_TRUE(buttonNamed(&box, QStringLiteral("Schließen")));
}
