#include "platform/ui/dialogrunner.h"
#include "platform/ui/widgetprompter.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace velunto;
using Answer = Prompter::Answer;
using Buttons = Prompter::Buttons;

namespace {

struct SeenBox
{
    QStringList buttons;
    QString text;
};

// Presses the button captioned press (or Escape when empty) on the next
// message box and records what the box showed.
velunto::DialogRunner pressOnBox(SeenBox& seen, const QString& press)
{
    return [&seen, press](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        EXPECT_NE(box, nullptr);
        if (box == nullptr)
            return int(QDialog::Rejected);
        for (QAbstractButton* b : box->buttons())
            seen.buttons << b->text();
        seen.text = box->text();
        if (press.isEmpty()) {
            box->reject();
            return box->result();
        }
        for (QAbstractButton* b : box->buttons())
            if (b->text() == press)
                b->click();
        return box->result();
    };
}

} // namespace

TEST(WidgetPrompter, GermanButtonsAnswerAndLineBreaksShow)
{
    WidgetPrompter prompter;
    struct Case
    {
        Buttons buttons;
        QString press; // empty: close with Escape
        Answer expected;
        QStringList captions;
    };
    const QStringList yesNoCancel = {"Ja", "Nein", "Abbrechen"};
    const Case cases[] = {
        {Buttons::Ok, "OK", Answer::Ok, {"OK"}},
        {Buttons::YesNo, "Ja", Answer::Yes, {"Ja", "Nein"}},
        {Buttons::YesNo, "", Answer::No, {"Ja", "Nein"}},
        {Buttons::YesNoCancel, "Nein", Answer::No, yesNoCancel},
        {Buttons::YesNoCancel, "", Answer::Cancel, yesNoCancel},
    };
    for (const Case& c : cases) {
        SeenBox seen;
        const ScopedDialogRunner answer(pressOnBox(seen, c.press));
        const Answer given = prompter.message(
            Prompter::Kind::Confirmation, QStringLiteral("Erste Zeile\r\nZweite Zeile"), c.buttons);
        EXPECT_EQ(given, c.expected) << c.press.toStdString();
        QStringList sortedSeen = seen.buttons;
        QStringList sortedExpected = c.captions;
        sortedSeen.sort();
        sortedExpected.sort();
        EXPECT_EQ(sortedSeen, sortedExpected);
        EXPECT_EQ(seen.text, QStringLiteral("Erste Zeile\nZweite Zeile"));
    }
}

TEST(WidgetPrompter, AllFilesFilterMatchesNamesWithoutDot)
{
    EXPECT_EQ(dialogFilter(QStringLiteral("Alle Dateien (*.*)")),
              QStringLiteral("Alle Dateien (*)"));
    EXPECT_EQ(dialogFilter(QStringLiteral("Velunto-Dokument (*.vlt)")),
              QStringLiteral("Velunto-Dokument (*.vlt)"));
}
