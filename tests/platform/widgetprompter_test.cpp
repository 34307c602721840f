#include "platform/ui/widgetprompter.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

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
void pressOnNextBox(SeenBox& seen, const QString& press)
{
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* b : box->buttons())
            seen.buttons << b->text();
        seen.text = box->text();
        if (press.isEmpty()) {
            box->reject();
            return;
        }
        for (QAbstractButton* b : box->buttons())
            if (b->text() == press)
                b->click();
    });
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
        pressOnNextBox(seen, c.press);
        const Answer answer = prompter.message(
            Prompter::Kind::Confirmation, QStringLiteral("Erste Zeile\r\nZweite Zeile"), c.buttons);
        EXPECT_EQ(answer, c.expected) << c.press.toStdString();
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
