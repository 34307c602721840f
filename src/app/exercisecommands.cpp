// The main window's part of the exercises: the run in the page area, its
// status panel, the toolbar button that leaves it, and the commands of the
// menu "&Übung".

#include "app/mainwindow.h"
#include "exercise/ui/exercisecontroller.h"
#include "exercise/ui/feedbackdialog.h"
#include "exercise/ui/optionsdialog.h"
#include "exercise/ui/statuspanel.h"
#include "platform/prompter.h"
#include "view/ui/learningview.h"

#include <QAction>
#include <QToolBar>

namespace velunto {

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

    // One button leaves the run; outside a run it reads "Lernansicht".
    m_leaveButton = new QAction(QStringLiteral("Lernansicht"), this);
    m_leaveButton->setObjectName(QStringLiteral("lernansicht"));
    m_toolbar->insertAction(m_toolbar->actions().value(0), m_leaveButton);
    m_toolbar->insertSeparator(m_toolbar->actions().value(1));
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
    if (dialog.exec() == QDialog::Accepted)
        m_settings.feedback = dialog.settings();
}

} // namespace velunto
