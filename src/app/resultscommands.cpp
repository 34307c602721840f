// The main window's part of what surrounds a run: the exercise options, the
// protocol of the last run, the best lists, the grading scale and the
// folders for protocols and best lists; and the hooks by which the end of
// a run reaches them.

#include "app/mainwindow.h"
#include "app/menus.h"
#include "exercise/ui/exercisecontroller.h"
#include "exercise/ui/exerciseresults.h"
#include "exercise/ui/optionsdialog.h"
#include "internet/mail.h"

namespace velunto {

std::vector<MenuCommand> resultsMenuCommands()
{
    using M = MainWindow;
    const TopMenu exercise = TopMenu::Exercise;
    const TopMenu options = TopMenu::Options;
    std::vector<MenuCommand> c;
    c.push_back(
        separated(menuRow(exercise, 30, "Übungs&einstellungen...", QKeySequence(Qt::ALT | Qt::Key_F7),
                      [](M& w) { w.editExerciseOptions(); })));
    c.push_back(menuRow(exercise, 40, "&Protokoll der letzten Übung...", {},
                    [](M& w) { w.results().showProtocol(); }));
    c.push_back(separated(menuRow(exercise, 50, "&Bestenliste Individual-Übung...",
                              QKeySequence(Qt::CTRL | Qt::Key_F7),
                              [](M& w) { w.results().showBestList(BestListScope::Individual); })));
    c.push_back(menuRow(exercise, 51, "Besten&liste Netzwerk-Übung...",
                    QKeySequence(Qt::CTRL | Qt::Key_F8),
                    [](M& w) { w.results().showBestList(BestListScope::Network); }));

    MenuCommand grading =
        menuRow(options, 120, "Notens&kala...", {}, [](M& w) { w.results().editGradingScale(); });
    grading.learningViewOnly = true;
    c.push_back(grading);
    c.push_back(
        menuRow(options, 130, "&Dateiordner...", {}, [](M& w) { w.results().chooseFolders(); }));
    return c;
}

ExerciseResults& MainWindow::results()
{
    if (!m_results) {
        if (!m_context.mail && !m_ownMail)
            m_ownMail = std::make_shared<DesktopMailSender>();
        MailSender& mail = m_context.mail ? *m_context.mail : *m_ownMail;
        m_results =
            new ExerciseResults(m_settings, m_document, m_context.prompter, printing(), mail, this);
    }
    return *m_results;
}

void MainWindow::attachResults()
{
    ExerciseController& exercise = *m_exercise;
    exercise.writeProtocol = [this, &exercise] { results().protocolReady(exercise.run()); };
    exercise.enterBestList = [this, &exercise] {
        return results().enterInBestList(exercise.run());
    };
    exercise.bestListUnavailable = [this] { return results().bestListUnavailableReason(); };
    exercise.showProtocol = [this] { results().showProtocol(); };
    exercise.showBestList = [this] { results().showBestList(BestListScope::Individual); };
}

void MainWindow::editExerciseOptions()
{
    const bool running = mode() == AppMode::Exercise || mode() == AppMode::Puzzle;
    if (!openExerciseOptions(m_document.header.DokTyp, running, m_settings, m_context.prompter,
                             this))
        return;
    // "Übung starten": the run begins without asking for the options again.
    m_exercise->startIndividual(false);
}

} // namespace velunto
