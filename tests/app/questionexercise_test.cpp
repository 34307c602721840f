// Question runs of the shipped samples in the main window, from the menu to
// the result window: single questions by keyboard alone, multiple choice
// ticked with Space and confirmed with Enter, one answer partly right.

#include "exercise/exerciserun.h"
#include "exercise/runfixture.h"
#include "exercise/ui/exercisecontroller.h"
#include "exercise/ui/instructionstrip.h"
#include "exercise/ui/resultwindow.h"
#include "exercise/windowdriver.h"
#include "exercisewindow_fixture.h"

using namespace velunto;
using namespace velunto::testing;

namespace {

struct QuestionExercise : ExerciseWindowFixture
{
    MainWindow& open(const char* sample)
    {
        // The seed is read when the window is made.
        qputenv("VELUNTO_RANDOM_SEED", "77");
        MainWindow& w = openForExercise(samplePath(sample));
        qunsetenv("VELUNTO_RANDOM_SEED");
        return w;
    }

    ExerciseRun& run() { return window->exercise().run(); }

    void start()
    {
        action(QStringLiteral("Individual-&Übung"))->trigger();
        settle();
    }

    // The element whose widget has the focus.
    const Element* focused()
    {
        const QWidget* w = window->focusWidget();
        for (const Element& e : run().elements())
            if (w != nullptr && e.name() == w->objectName())
                return &e;
        return nullptr;
    }

    // Tab walks the elements until wanted has the focus.
    void tabTo(const Element& wanted)
    {
        for (int step = 0; step < 30 && focused() != &wanted; ++step)
            key(window->focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(focused(), &wanted);
    }

    QString figure(const char* label)
    {
        return window->exercise().resultWindow()->figure(QString::fromUtf8(label));
    }
};

} // namespace

TEST_F(QuestionExercise, SingleQuestionsByKeyboardAlone)
{
    MainWindow& w = open("20-einzelfragen-hauptstaedte.vlt");
    start();
    ASSERT_TRUE(run().isActive());
    EXPECT_EQ(w.exercise().strip()->instruction(),
              QStringLiteral("Klicke auf die richtige Antwort!"));

    const Document& doc = w.document();
    int questions = 0;
    bool wrongOnce = false;
    while (run().isUnfinished()) {
        ASSERT_LT(questions, 20);
        // The page shows the asked question.
        const int asked = run().orderTable()[size_t(run().currentEntry())].positionIndex;
        EXPECT_EQ(w.session().currentQuestion(), doc.objects[asked].FrageNummer);
        const QString solution = doc.objects[asked].Text;
        const Element* answer = focused();
        ASSERT_NE(answer, nullptr);
        if (!wrongOnce && answer->caption != solution) {
            // Space chooses the focused answer: a wrong one here.
            wrongOnce = true;
            key(w.focusWidget(), Qt::Key_Space);
            settle();
            continue;
        }
        const auto& all = run().elements();
        const auto right = std::find_if(all.begin(), all.end(), [&](const Element& e) {
            return e.takesPart() && e.caption == solution;
        });
        ASSERT_NE(right, all.end());
        tabTo(*right);
        key(w.focusWidget(), Qt::Key_Return);
        settle();
        ++questions;
    }
    EXPECT_EQ(questions, 10);
    ASSERT_TRUE(wrongOnce);
    ASSERT_TRUE(w.exercise().resultWindow()->isVisible());
    EXPECT_EQ(figure("Richtig gelöst:"), QStringLiteral("10  von  10"));
    EXPECT_EQ(figure("Fehlversuche:"), QStringLiteral("1"));
}

TEST_F(QuestionExercise, MultipleChoiceTickedWithSpaceConfirmedWithEnter)
{
    MainWindow& w = open("22-multiple-choice-wirbeltiere.vlt");
    w.settings().questionOptions.OnWrong = 1; // each question once
    start();
    ASSERT_TRUE(run().isActive());
    EXPECT_EQ(w.exercise().strip()->instruction(),
              QStringLiteral("Markiere alle zutreffenden Antworten!"));

    double expected = 0.0;
    bool partly = false;
    bool nothing = false;
    int questions = 0;
    while (run().isUnfinished()) {
        ASSERT_LT(questions++, 10);
        std::vector<const Element*> right;
        std::vector<const Element*> wrong;
        for (const Element& e : run().elements()) {
            if (e.takesPart() && e.kind == ElementKind::AnswerBox)
                (e.caption.startsWith(u'+') ? right : wrong).push_back(&e);
        }
        ASSERT_GE(right.size(), 1u);
        std::vector<const Element*> ticks = right;
        if (!partly && right.size() == 3 && !wrong.empty()) {
            // Two of three right ticks and one wrong: (2 - 1) / 3.
            partly = true;
            ticks = {right[0], right[1], wrong[0]};
            expected += 1.0 / 3.0;
        } else if (!nothing) {
            // Nothing ticked scores nothing.
            nothing = true;
            ticks.clear();
        } else {
            expected += 1.0;
        }
        for (const Element* e : ticks) {
            tabTo(*e);
            key(w.focusWidget(), Qt::Key_Space);
            settle();
        }
        const int before = run().currentEntry();
        // Enter on a tick box confirms the question.
        if (ticks.empty())
            tabTo(*right[0]);
        key(w.focusWidget(), Qt::Key_Return);
        settle();
        ASSERT_TRUE(!run().isUnfinished() || run().currentEntry() != before);
    }
    ASSERT_TRUE(partly);
    ASSERT_TRUE(nothing);
    EXPECT_NEAR(run().correctCount(), expected, 1e-9);
    ASSERT_TRUE(w.exercise().resultWindow()->isVisible());
    EXPECT_EQ(figure("Richtig gelöst:"),
              QString::number(expected, 'f', 2) + QStringLiteral("  von  5"));
}

TEST_F(QuestionExercise, TabWalksShuffledAnswersAsTheyStandOnThePage)
{
    MainWindow& w = open("22-multiple-choice-wirbeltiere.vlt");
    w.settings().questionOptions.OnWrong = 1;
    w.settings().questionOptions.CardOrder = 1; // answers shuffled
    start();
    ASSERT_TRUE(run().isActive());
    bool shuffled = false;
    for (int questions = 0; run().isUnfinished(); ++questions) {
        ASSERT_LT(questions, 10);
        std::vector<const Element*> boxes;
        const Element* confirm = nullptr;
        for (const Element& e : run().elements()) {
            if (e.takesPart() && e.kind == ElementKind::AnswerBox)
                boxes.push_back(&e);
            else if (e.takesPart() && e.kind == ElementKind::CheckButton)
                confirm = &e;
        }
        ASSERT_GE(boxes.size(), 2u);
        ASSERT_NE(confirm, nullptr);
        std::vector<const Element*> onPage = boxes;
        std::stable_sort(onPage.begin(), onPage.end(), [](const Element* a, const Element* b) {
            return std::pair(a->rect.top(), a->rect.left()) <
                   std::pair(b->rect.top(), b->rect.left());
        });
        shuffled = shuffled || onPage != boxes;
        // The question starts on its top answer; Tab goes down the page and
        // then to the confirming button.
        ASSERT_EQ(focused(), onPage.front());
        for (size_t k = 1; k < onPage.size(); ++k) {
            key(w.focusWidget(), Qt::Key_Tab);
            ASSERT_EQ(focused(), onPage[k]) << "question " << questions << ", answer " << k;
        }
        key(w.focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(focused(), confirm);
        key(w.focusWidget(), Qt::Key_Return);
        settle();
    }
    // The seed shuffles at least one question away from its stored order.
    EXPECT_TRUE(shuffled);
}
