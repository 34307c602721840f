// Question runs in the real widgets up to the result window: single
// questions by keyboard alone, multiple choice with the mouse.

#include "content/multiplechoice/mclayout.h"
#include "document/documentfile.h"
#include "exercise/runfixture.h"
#include "exercise/ui/exercisecontroller.h"
#include "exercise/ui/instructionstrip.h"
#include "exercise/ui/resultwindow.h"
#include "view/ui/learningview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

using namespace velunto;
using namespace velunto::testing;

namespace {

class QuestionWindow : public ::testing::Test
{
  public:
    Document doc;
    Settings settings;
    FakeClock clock;
    FakePauses pauses{clock};
    RecordingSound sound;
    ScriptedPrompter prompter;
    std::unique_ptr<LearningView> view;
    std::unique_ptr<ExerciseController> controller;

    void open(const char* sample)
    {
        ASSERT_TRUE(
            loadDocument(doc, QStringLiteral(VELUNTO_SOURCE_DIR "/data/beispiele/") + sample).ok);
        buildMultipleChoice(doc, false);
        qputenv("VELUNTO_RANDOM_SEED", "77");
        settings.options.AskParticipantName = false;
        view = std::make_unique<LearningView>(doc, prompter);
        view->resize(1200, 760);
        view->show();
        view->documentLoaded();
        ExerciseController::Wiring w;
        w.document = &doc;
        w.settings = &settings;
        w.view = view.get();
        w.prompter = &prompter;
        w.window = view.get();
        w.soundFolder = QStringLiteral(VELUNTO_SOURCE_DIR "/data/sound/");
        w.clock = &clock;
        w.pauses = &pauses;
        w.sound = &sound;
        controller = std::make_unique<ExerciseController>(w);
        qunsetenv("VELUNTO_RANDOM_SEED");
    }

    void TearDown() override
    {
        controller.reset();
        view.reset();
    }

    ExerciseRun& run() { return controller->run(); }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    static void key(QWidget* w, int key)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(w, &release);
        settle();
    }

    static void click(QWidget* w)
    {
        ASSERT_NE(w, nullptr);
        const QPointF at(w->width() / 2.0, w->height() / 2.0);
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, w->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(w, &event);
        }
        settle();
    }

    // The element of the focused widget.
    const Element* focusedElement()
    {
        QWidget* focused = view->focusWidget();
        for (const Element& e : run().elements()) {
            if (focused && e.name() == focused->objectName())
                return &e;
        }
        return nullptr;
    }

    QString solution()
    {
        const int object = run().orderTable()[size_t(run().currentEntry())].positionIndex;
        return doc.objects[object].Text;
    }
};

} // namespace

TEST_F(QuestionWindow, SingleQuestionsByKeyboardAlone)
{
    open("20-einzelfragen-hauptstaedte.vlt");
    controller->startIndividual();
    settle();
    ASSERT_TRUE(run().isActive());
    EXPECT_EQ(controller->strip()->instruction(),
              QStringLiteral("Klicke auf die richtige Antwort!"));

    int questions = 0;
    bool wrongOnce = false;
    while (run().isUnfinished()) {
        ASSERT_LT(questions, 20);
        // Tab walks the offered answers; Enter (or Space) chooses one.
        const QString wanted = solution();
        const Element* focused = focusedElement();
        ASSERT_NE(focused, nullptr);
        if (!wrongOnce && focused->caption != wanted) {
            wrongOnce = true;
            key(view->focusWidget(), Qt::Key_Space);
            continue;
        }
        for (int step = 0; step < 6 && focusedElement()->caption != wanted; ++step)
            key(view->focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(focusedElement()->caption, wanted);
        key(view->focusWidget(), Qt::Key_Return);
        ++questions;
    }
    EXPECT_EQ(questions, 10);
    EXPECT_TRUE(wrongOnce);
    ResultWindow* result = controller->resultWindow();
    ASSERT_TRUE(result->isVisible());
    EXPECT_EQ(result->figure(QStringLiteral("Richtig gelöst:")), QStringLiteral("10  von  10"));
    EXPECT_EQ(result->figure(QStringLiteral("Fehlversuche:")), QStringLiteral("1"));
}

TEST_F(QuestionWindow, MultipleChoiceWithTheMouseScoresAPartlyRightAnswer)
{
    open("22-multiple-choice-wirbeltiere.vlt");
    settings.questionOptions.OnWrong = 1; // each question once
    controller->startIndividual();
    settle();
    ASSERT_TRUE(run().isActive());
    EXPECT_EQ(controller->strip()->instruction(),
              QStringLiteral("Markiere alle zutreffenden Antworten!"));

    double expected = 0.0;
    bool partly = false;
    while (run().isUnfinished()) {
        QWidget* check = nullptr;
        std::vector<QWidget*> right;
        std::vector<QWidget*> wrong;
        for (size_t k = 0; k < run().elements().size(); ++k) {
            const Element& e = run().elements()[k];
            if (!e.takesPart())
                continue;
            QWidget* w = controller->elementWidget(int(k));
            if (e.kind == ElementKind::CheckButton)
                check = w;
            else
                (e.caption.startsWith(u'+') ? right : wrong).push_back(w);
        }
        ASSERT_NE(check, nullptr);
        ASSERT_GE(right.size(), 1u);
        if (!partly && right.size() == 3) {
            // Two of three right ticks and one wrong: (2 - 1) / 3.
            partly = true;
            click(right[0]);
            click(right[1]);
            click(wrong[0]);
            expected += 1.0 / 3.0;
        } else {
            for (QWidget* w : right)
                click(w);
            expected += 1.0;
        }
        click(check);
    }
    ASSERT_TRUE(partly);
    EXPECT_NEAR(run().correctCount(), expected, 1e-9);
    EXPECT_NEAR(run().wrongCount(), 2.0 / 3.0, 1e-9);
    ResultWindow* result = controller->resultWindow();
    ASSERT_TRUE(result->isVisible());
    EXPECT_EQ(result->figure(QStringLiteral("Richtig gelöst:")),
              QString::number(expected, 'f', 2) + QStringLiteral("  von  5"));
    EXPECT_EQ(result->figure(QStringLiteral("Fehlversuche:")), QStringLiteral("0.67"));
}
