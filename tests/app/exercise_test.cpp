// An exercise of a shipped sample in the main window: the menu starts it, the
// pupil drops cards wrong and right with the mouse, the result window ends
// it, and the toolbar button leaves a second run. A run by keyboard alone,
// and what a new document does to a running exercise.

#include "exercise/exerciserun.h"
#include "exercise/gradingscale.h"
#include "exercise/runfixture.h"
#include "exercise/ui/exercisecontroller.h"
#include "exercise/ui/resultwindow.h"
#include "exercise/windowdriver.h"
#include "mainwindow_fixture.h"
#include "view/numbering.h"
#include "view/ui/learningview.h"

#include <QPushButton>
#include <QToolBar>

using namespace velunto;
using namespace velunto::testing;

namespace {

struct MainWindowExercise : MainWindowFixture
{
    FakeClock clock;
    FakePauses pauses{clock};
    RecordingSound sound;

    static QString sample() { return QStringLiteral(VELUNTO_SOURCE_DIR "/data/beispiele/01-flusssystem.vlt"); }

    MainWindow& open(const QString& path)
    {
        window = std::make_unique<MainWindow>(
            ShellContext{prompter, launcher, *store, folders, path, &clock, &pauses, &sound});
        window->firstActivation();
        window->resize(1200, 820);
        window->show();
        settle();
        return *window;
    }

    QAction* toolbarButton(const QString& text) const
    {
        for (QAction* a : window->toolbar()->actions())
            if (a->text() == text)
                return a;
        return nullptr;
    }
};

} // namespace

TEST_F(MainWindowExercise, AWholeRunOfASampleFromTheMenuToTheResult)
{
    MainWindow& w = open(sample());
    w.settings().ShowOptionsDialog = false;
    w.settings().options.AskParticipantName = false;
    ASSERT_NE(toolbarButton(QStringLiteral("Lernansicht")), nullptr);

    ASSERT_NE(action(QStringLiteral("Individual-&Übung")), nullptr);
    EXPECT_EQ(action(QStringLiteral("Individual-&Übung"))->shortcut(), QKeySequence(Qt::Key_F7));
    action(QStringLiteral("Individual-&Übung"))->trigger();
    settle();
    ExerciseController& exercise = w.exercise();
    ExerciseRun& run = exercise.run();
    ASSERT_TRUE(run.isActive());
    EXPECT_EQ(w.mode(), AppMode::Exercise);
    EXPECT_NE(toolbarButton(QStringLiteral("Übung abbrechen")), nullptr);
    EXPECT_FALSE(action(QStringLiteral("Ö&ffnen..."))->isEnabled());

    const Document& doc = w.document();
    const std::vector<int> labels = queryLabels(doc);
    const auto cardOf = [&](int object) -> QWidget* {
        const auto& e = run.elements();
        for (size_t k = 0; k < e.size(); ++k)
            if (e[k].object == object && e[k].takesPart())
                return exercise.elementWidget(int(k));
        return nullptr;
    };
    const auto target = [&](int object) {
        return run.page().toArea(w.view().composer().cards().bounds(object));
    };

    dragCard(cardOf(labels[1]), target(labels[0]));
    dragCard(cardOf(labels[3]), target(labels[2]));
    EXPECT_EQ(run.wrongCount(), 2.0);
    for (int label : labels) {
        QWidget* card = cardOf(label);
        ASSERT_NE(card, nullptr);
        dragCard(card, target(label));
    }
    ASSERT_EQ(run.endReason(), EndReason::Finished);
    ResultWindow* result = exercise.resultWindow();
    ASSERT_TRUE(result->isVisible());
    const int n = int(labels.size());
    const int grade = gradeFromPerformance(double(n) / (n + 2), GradingScale{});
    EXPECT_EQ(result->figure(QStringLiteral("Note:")), QString::number(grade));
    EXPECT_EQ(result->figure(QStringLiteral("Fehlversuche:")), QStringLiteral("2"));
    result->button(QStringLiteral("Zur Lernansicht"))->click();
    settle();
    EXPECT_FALSE(run.isActive());
    EXPECT_EQ(w.mode(), AppMode::LearningView);
    EXPECT_NE(toolbarButton(QStringLiteral("Lernansicht")), nullptr);
    EXPECT_TRUE(action(QStringLiteral("Ö&ffnen..."))->isEnabled());

    // A second run left early with the toolbar button, after the question.
    action(QStringLiteral("Individual-&Übung"))->trigger();
    settle();
    ASSERT_TRUE(run.isUnfinished());
    prompter.answers = {Prompter::Answer::Yes};
    toolbarButton(QStringLiteral("Übung abbrechen"))->trigger();
    settle();
    EXPECT_FALSE(run.isActive());
    EXPECT_EQ(
        prompter.shown.back().text,
        QStringLiteral("Die aktuelle Übung ist noch nicht beendet.\r\nÜbung wirklich abbrechen?"));
    for (int label : labels)
        EXPECT_NE(doc.objects[label].Abdeckung, ExerciseState::Open);
}

TEST_F(MainWindowExercise, ARunByKeyboardAloneRepeatsItsNumbersWithTheSeed)
{
    qputenv("VELUNTO_RANDOM_SEED", "4711");
    MainWindow& w = open(sample());
    qunsetenv("VELUNTO_RANDOM_SEED");
    w.settings().ShowOptionsDialog = false;
    w.settings().options.AskParticipantName = false;
    const Document& doc = w.document();
    const std::vector<int> labels = queryLabels(doc);
    const auto numbers = [&] {
        std::vector<int> n;
        for (int label : labels)
            n.push_back(doc.objects[label].Nummer);
        return n;
    };
    ExerciseRun& run = w.exercise().run();
    // Cards and position numbers in random order.
    w.settings().generalOptions.CardOrder = 1;
    w.settings().generalOptions.PositionOrder = 1;

    action(QStringLiteral("Individual-&Übung"))->trigger();
    settle();
    ASSERT_TRUE(run.isActive());
    const std::vector<int> first = numbers();

    // Space takes the focused card; its position's number and Enter drop it.
    // One wrong drop first, chosen with the arrow keys.
    bool wrongDone = false;
    for (size_t round = 0; round < labels.size() + 1 && run.isUnfinished(); ++round) {
        QWidget* focused = w.focusWidget();
        ASSERT_NE(focused, nullptr);
        const auto it =
            std::find_if(run.elements().begin(), run.elements().end(),
                         [&](const Element& e) { return e.name() == focused->objectName(); });
        ASSERT_NE(it, run.elements().end()) << focused->objectName().toStdString();
        const int object = it->object;
        key(focused, Qt::Key_Space);
        ASSERT_TRUE(run.carrying());
        if (!wrongDone) {
            key(focused, Qt::Key_Right);
            if (run.dropTarget() == object)
                key(focused, Qt::Key_Right);
            ASSERT_NE(run.dropTarget(), object);
            key(focused, Qt::Key_Return);
            settle();
            EXPECT_EQ(run.wrongCount(), 1.0);
            wrongDone = true;
            continue;
        }
        for (QChar c : numberLabel(doc.objects[object].Nummer, doc.header.NumArt))
            key(focused, 0, QString(c));
        ASSERT_EQ(run.dropTarget(), object);
        key(focused, Qt::Key_Return);
        settle();
    }
    ASSERT_EQ(run.endReason(), EndReason::Finished);
    EXPECT_EQ(run.correctCount(), double(labels.size()));
    ResultWindow* result = w.exercise().resultWindow();
    ASSERT_TRUE(result->isVisible());
    const int n = int(labels.size());
    EXPECT_EQ(result->figure(QStringLiteral("Note:")),
              QString::number(gradeFromPerformance(double(n) / (n + 1), GradingScale{})));
    key(result, Qt::Key_Escape);
    settle();
    EXPECT_EQ(w.mode(), AppMode::LearningView);

    // The same seed numbers the positions the same way at the next start.
    action(QStringLiteral("Individual-&Übung"))->trigger();
    settle();
    EXPECT_EQ(numbers(), first);
}

TEST_F(MainWindowExercise, ANewDocumentDuringARunAsksFirst)
{
    MainWindow& w = open(sample());
    w.settings().ShowOptionsDialog = false;
    w.settings().options.AskParticipantName = false;
    ExerciseRun& run = w.exercise().run();
    action(QStringLiteral("Individual-&Übung"))->trigger();
    settle();
    ASSERT_TRUE(run.isUnfinished());

    // "No" keeps the run and its document.
    prompter.answers = {Prompter::Answer::No};
    w.closeDocument();
    settle();
    EXPECT_TRUE(run.isActive());
    EXPECT_EQ(w.mode(), AppMode::Exercise);
    EXPECT_FALSE(w.document().header.FileName.isEmpty());

    // "Yes" ends the run before the document goes, leaving no exercise state.
    prompter.answers = {Prompter::Answer::Yes};
    w.closeDocument();
    settle();
    EXPECT_FALSE(run.isActive());
    EXPECT_EQ(w.mode(), AppMode::LearningView);
    EXPECT_EQ(w.exercise().elementWidget(0), nullptr);
    EXPECT_EQ(prompter.shown.back().text,
              QStringLiteral("Die aktuelle Übung ist noch nicht beendet.\r\nÜbung wirklich abbrechen?"));
}
