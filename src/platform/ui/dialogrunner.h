#pragma once

#include <functional>

class QDialog;

namespace velunto {

// Every modal dialog of the program opens through runDialog: the program
// shows it and waits for the user (QDialog::exec). A test sets a runner that
// answers the dialog at once, so that no test ever waits on a window that
// nobody answers.
using DialogRunner = std::function<int(QDialog& dialog)>;

// Runs dialog with the runner in force and returns its result
// (QDialog::Accepted, QDialog::Rejected or the code it was done with).
int runDialog(QDialog& dialog);

// Puts a runner in force for as long as it lives, then the one before.
class ScopedDialogRunner
{
  public:
    explicit ScopedDialogRunner(DialogRunner runner);
    ~ScopedDialogRunner();
    ScopedDialogRunner(const ScopedDialogRunner&) = delete;
    ScopedDialogRunner& operator=(const ScopedDialogRunner&) = delete;

  private:
    DialogRunner m_previous;
};

} // namespace velunto
