#include "platform/ui/dialogrunner.h"

#include <QDialog>

#include <utility>

namespace velunto {

namespace {

DialogRunner& currentRunner()
{
    static DialogRunner runner;
    return runner;
}

} // namespace

int runDialog(QDialog& dialog)
{
    if (const DialogRunner& runner = currentRunner())
        return runner(dialog);
    return dialog.exec();
}

ScopedDialogRunner::ScopedDialogRunner(DialogRunner runner)
    : m_previous(std::exchange(currentRunner(), std::move(runner)))
{
}

ScopedDialogRunner::~ScopedDialogRunner()
{
    currentRunner() = std::move(m_previous);
}

} // namespace velunto
