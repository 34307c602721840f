#pragma once

#include "exercise/runfixture.h"
#include "exercise/windowdriver.h"
#include "mainwindow_fixture.h"

namespace velunto {

// The main window for a run driven by a test: the run's clock, pauses and
// sound are the test's, and neither the options dialog nor the name dialog
// stands before the run.
struct ExerciseWindowFixture : MainWindowFixture
{
    testing::FakeClock clock;
    testing::FakePauses pauses{clock};
    testing::RecordingSound sound;

    static QString samplePath(const char* sample)
    {
        return QStringLiteral(VELUNTO_SOURCE_DIR "/data/beispiele/") + QString::fromLatin1(sample);
    }

    MainWindow& openForExercise(const QString& path = {})
    {
        window = std::make_unique<MainWindow>(
            ShellContext{prompter, launcher, *store, folders, path, &clock, &pauses, &sound});
        window->firstActivation();
        window->resize(1200, 820);
        window->show();
        testing::settle();
        window->settings().ShowOptionsDialog = false;
        window->settings().options.AskParticipantName = false;
        return *window;
    }
};

} // namespace velunto
