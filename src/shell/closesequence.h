#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace velunto {

class Prompter;

// The steps of closing the program. Every question comes first; only when
// none of them kept the program running do the steps that cannot be undone
// follow (ending a running exercise, deleting screenshots, releasing, writing
// the settings).
struct CloseSteps
{
    // The question before a running exercise or puzzle is cancelled; false
    // keeps the program running. Answers true when nothing runs.
    std::function<bool()> mayCancelExercise = [] { return true; };
    // The ask-save question with the saving itself; false keeps the program
    // running (Cancel, or a save that was cancelled or failed).
    std::function<bool()> askSave = [] { return true; };
    // Chronicle screenshots taken since the start, and the folder named in
    // the question about them.
    QStringList chronicleScreenshots;
    QString chronicleFolder;
    // Called after the screenshots were deleted.
    std::function<void()> chronicleDeleted = [] {};
    // Ends a running exercise, puzzle or network participation as cancelled.
    std::function<void()> cancelRunningWork = [] {};
    // Releases the picture buffers and the network channel.
    std::function<void()> release = [] {};
    std::function<void()> saveSettings = [] {};
};

// The question about n chronicle screenshots in folder.
QString chronicleQuestion(int n, const QString& folder);

// Runs the close sequence; false when an answer keeps the program running,
// in which case nothing has been changed.
bool runCloseSequence(const CloseSteps& steps, Prompter& prompter);

} // namespace velunto
