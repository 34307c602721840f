#include "shell/closesequence.h"

#include "platform/prompter.h"

#include <QFile>

namespace velunto {

QString chronicleQuestion(int n, const QString& folder)
{
    if (n == 1)
        return QString::number(n) + QStringLiteral(" Chronik-Screenshot wurde im Ordner ") +
               folder + QStringLiteral(" als PNG-Bilddatei abgelegt.") + QStringLiteral("\r\n") +
               QStringLiteral("Soll diese jetzt gelöscht werden?");
    return QString::number(n) + QStringLiteral(" Chronik-Screenshots wurden im Ordner ") + folder +
           QStringLiteral(" als PNG-Bilddateien abgelegt.") + QStringLiteral("\r\n") +
           QStringLiteral("Sollen diese jetzt gelöscht werden?");
}

bool runCloseSequence(const CloseSteps& steps, Prompter& prompter)
{
    if (!steps.mayCancelExercise())
        return false;
    if (!steps.askSave())
        return false;

    bool deleteScreenshots = false;
    const int n = static_cast<int>(steps.chronicleScreenshots.size());
    if (n > 0) {
        const Prompter::Answer answer = prompter.message(
            Prompter::Kind::Confirmation, chronicleQuestion(n, steps.chronicleFolder),
            Prompter::Buttons::YesNoCancel);
        if (answer == Prompter::Answer::Cancel)
            return false;
        deleteScreenshots = answer == Prompter::Answer::Yes;
    }

    // No question is left that could keep the program running.
    steps.cancelRunningWork();
    if (deleteScreenshots) {
        for (const QString& file : steps.chronicleScreenshots)
            QFile::remove(file);
        steps.chronicleDeleted();
    }
    steps.release();
    steps.saveSettings();
    return true;
}

} // namespace velunto
