// The main window's part of the exercises: the run in the page area, its
// status panel, the two toolbar buttons, and the commands of the menu
// "&Übung" and "Übungsrückmeldung...".

#include "app/mainwindow.h"
#include "app/menus.h"
#include "exercise/ui/exercisecontroller.h"
#include "exercise/ui/feedbackdialog.h"
#include "exercise/ui/optionsdialog.h"
#include "exercise/ui/statuspanel.h"
#include "platform/prompter.h"
#include "platform/ui/dialogrunner.h"
#include "view/ui/learningview.h"

#include <QAction>
#include <QToolBar>

namespace velunto {

std::vector<MenuCommand> exerciseMenuCommands()
{
    using M = MainWindow;
    std::vector<MenuCommand> c;
    c.push_back(menuRow(TopMenu::Exercise, 10, "Individual-&Übung", QKeySequence(Qt::Key_F7),
                    [](M& w) { w.startExercise(); }));
    c.push_back(menuRow(TopMenu::Exercise, 20, "Übung &abbrechen", {}, [](M& w) { w.cancelExercise(); }));
    MenuCommand feedback =
        menuRow(TopMenu::Options, 70, "Übungsrückmeldung...", {}, [](M& w) { w.editExerciseFeedback(); });
    feedback.separatorBefore = true;
    c.push_back(feedback);
    return c;
}

void MainWindow::setUpExercise()
{
    ExerciseController::Wiring w;
    w.document = &m_document;
    w.settings = &m_settings;
    w.view = m_view;
    w.prompter = &m_context.prompter;
    w.window = this;
    w.soundFolder = m_context.folders.sound;
    w.setMode = [this](AppMode mode) { setMode(mode); };
    w.objectEditorOpen = [this] { return isObjectEditorOpen(); };
    w.clock = m_context.clock;
    w.pauses = m_context.pauses;
    w.sound = m_context.sound;
    w.chooseOptions = [this](int dokTyp) {
        return openExerciseOptions(dokTyp, false, m_settings, m_context.prompter, this);
    };
    m_exercise = new ExerciseController(std::move(w), this);
    setStatusPanel(StatusPanel::Exercise, m_exercise->statusPanel());

    // Two buttons in front of the view's: one starts a run, the other leaves
    // it; outside a run the second reads "Lernansicht".
    QAction* first = m_toolbar->actions().value(0);
    m_startButton = new QAction(QStringLiteral("Individual- Übung"), this);
    m_startButton->setObjectName(QStringLiteral("individualuebung"));
    m_startButton->setToolTip(QStringLiteral("Individual-Übung starten (F7)"));
    m_leaveButton = new QAction(QStringLiteral("Lernansicht"), this);
    m_leaveButton->setObjectName(QStringLiteral("lernansicht"));
    m_toolbar->insertAction(first, m_startButton);
    m_toolbar->insertAction(first, m_leaveButton);
    m_toolbar->insertSeparator(first);
    connect(m_startButton, &QAction::triggered, this, [this] { startExercise(); });
    connect(m_leaveButton, &QAction::triggered, this, [this] { cancelExercise(); });
    connect(m_exercise, &ExerciseController::runningChanged, this, [this](bool running) {
        m_leaveButton->setText(running ? QStringLiteral("Übung abbrechen")
                                       : QStringLiteral("Lernansicht"));
        refreshMenuStates();
    });
}

void MainWindow::startExercise()
{
    if (mode() == AppMode::Puzzle) {
        m_context.prompter.information(QStringLiteral(
            "Die aktuelle Übung ist noch nicht beendet.\r\nWählen Sie \"Übung abbrechen\", um "
            "die aktuelle Übung vorzeitig abzubrechen."));
        return;
    }
    m_exercise->startIndividual();
}

void MainWindow::cancelExercise()
{
    m_exercise->cancel();
}

void MainWindow::editExerciseFeedback()
{
    FeedbackDialog dialog(m_settings.feedback, m_context.folders.sound, m_context.prompter, this);
    if (runDialog(dialog) == QDialog::Accepted)
        m_settings.feedback = dialog.settings();
}

} // namespace velunto
