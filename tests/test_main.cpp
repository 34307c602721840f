#include "platform/ui/dialogrunner.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>

// Every test program runs inside a QApplication on the offscreen platform, so
// that fonts, pictures and widgets behave as in the program.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    // A dialog that a test does not answer fails the test instead of waiting
    // for a user who never comes.
    const velunto::ScopedDialogRunner unanswered([](QDialog& dialog) {
        ADD_FAILURE() << "a dialog nobody answers: \"" << dialog.windowTitle().toStdString()
                      << "\"";
        return int(QDialog::Rejected);
    });
    return RUN_ALL_TESTS();
}
