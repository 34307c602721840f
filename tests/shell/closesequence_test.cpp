#include "platform/prompter.h"
#include "shell/closesequence.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velunto;
using Answer = Prompter::Answer;

namespace {

struct CloseFixture : ::testing::Test
{
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    QStringList log;
    CloseSteps steps;

    void SetUp() override
    {
        for (const char* name : {"20240101-080000-1.png", "20240101-080500-2.png"}) {
            QFile f(dir.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            steps.chronicleScreenshots << f.fileName();
        }
        steps.chronicleFolder = dir.path() + u'/';
        steps.mayCancelExercise = [this] { return log << "exercise?", true; };
        steps.askSave = [this] { return log << "save?", true; };
        steps.chronicleDeleted = [this] { log << "menu"; };
        steps.cancelRunningWork = [this] { log << "cancel"; };
        steps.release = [this] { log << "release"; };
        steps.saveSettings = [this] {
            const bool kept = !steps.chronicleScreenshots.isEmpty() &&
                              QFile::exists(steps.chronicleScreenshots[0]);
            log << (kept ? "settings+files" : "settings");
        };
    }

    bool filesExist() const
    {
        return QFile::exists(steps.chronicleScreenshots[0]) &&
               QFile::exists(steps.chronicleScreenshots[1]);
    }
};

} // namespace

TEST_F(CloseFixture, CancelAtTheScreenshotQuestionKeepsFilesAndProgram)
{
    prompter.answers = {Answer::Cancel};
    EXPECT_FALSE(runCloseSequence(steps, prompter));
    EXPECT_TRUE(filesExist());
    EXPECT_EQ(log, QStringList({"exercise?", "save?"}));
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].buttons, Prompter::Buttons::YesNoCancel);
    EXPECT_EQ(prompter.shown[0].text,
              QStringLiteral("2 Chronik-Screenshots wurden im Ordner ") + dir.path() +
                  QStringLiteral("/ als PNG-Bilddateien abgelegt.\r\nSollen diese jetzt "
                                 "gelöscht werden?"));
}

TEST_F(CloseFixture, YesDeletesTheScreenshotsBeforeTheSettingsAreWritten)
{
    prompter.answers = {Answer::Yes};
    EXPECT_TRUE(runCloseSequence(steps, prompter));
    EXPECT_FALSE(QFile::exists(steps.chronicleScreenshots[0]));
    EXPECT_FALSE(QFile::exists(steps.chronicleScreenshots[1]));
    EXPECT_EQ(log, QStringList({"exercise?", "save?", "cancel", "menu", "release", "settings"}));
}

TEST_F(CloseFixture, NoKeepsTheScreenshotsAndCloses)
{
    prompter.answers = {Answer::No};
    EXPECT_TRUE(runCloseSequence(steps, prompter));
    EXPECT_TRUE(filesExist());
    EXPECT_EQ(log, QStringList({"exercise?", "save?", "cancel", "release", "settings+files"}));
}

TEST_F(CloseFixture, EarlierRefusalsStopBeforeAnythingIsDone)
{
    steps.askSave = [this] { return log << "save?", false; };
    EXPECT_FALSE(runCloseSequence(steps, prompter));
    EXPECT_EQ(log, QStringList({"exercise?", "save?"}));
    EXPECT_TRUE(prompter.shown.empty());

    log.clear();
    steps.mayCancelExercise = [this] { return log << "exercise?", false; };
    EXPECT_FALSE(runCloseSequence(steps, prompter));
    EXPECT_EQ(log, QStringList({"exercise?"}));
    EXPECT_TRUE(filesExist());
}

TEST_F(CloseFixture, OneScreenshotIsAskedAboutInTheSingular)
{
    steps.chronicleScreenshots.removeLast();
    prompter.answers = {Answer::No};
    EXPECT_TRUE(runCloseSequence(steps, prompter));
    EXPECT_EQ(prompter.shown[0].text,
              QStringLiteral("1 Chronik-Screenshot wurde im Ordner ") + dir.path() +
                  QStringLiteral("/ als PNG-Bilddatei abgelegt.\r\nSoll diese jetzt gelöscht "
                                 "werden?"));

    steps.chronicleScreenshots.clear();
    prompter.shown.clear();
    EXPECT_TRUE(runCloseSequence(steps, prompter));
    EXPECT_TRUE(prompter.shown.empty());
}
