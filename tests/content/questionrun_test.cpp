#include "content/multiplechoice/mcpermutation.h"
#include "content/multiplechoice/mcquestion.h"
#include "content/questions/questionlayout.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"
#include "exercise/runfixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace velunto;
using namespace velunto::testing;

namespace {

// A host that gives a multiple-choice run its answer order.
struct QuestionHost : RecordingHost
{
    Document* document = nullptr;
    RandomSource* random = nullptr;
    std::vector<int> answerOrder(bool shuffled) override
    {
        return mcAnswerPermutation(*document, shuffled, *random);
    }
};

class QuestionRun : public RunFixture
{
  public:
    QuestionHost questionHost;

    void SetUp() override
    {
        RunFixture::SetUp();
        questionHost.document = &doc;
        questionHost.random = &random;
        questionHost.name = QStringLiteral("Anna");
    }

    ExerciseRun& startQuestions()
    {
        ExerciseServices s;
        s.clock = &clock;
        s.random = &random;
        s.sound = &sound;
        s.pauses = &pauses;
        s.prompter = &prompter;
        s.network = &network;
        s.soundFolder = QStringLiteral(VELUNTO_SOURCE_DIR "/data/sound/");
        run = std::make_unique<ExerciseRun>(doc, settings, s, questionHost);
        run->setAreaSize(QSize(1000, 700));
        EXPECT_TRUE(run->start(false, 0, ExerciseKind::Individual))
            << prompter.texts().join(" | ").toStdString();
        return *run;
    }

    std::vector<int> visibleElements() const
    {
        std::vector<int> result;
        for (size_t k = 0; k < run->elements().size(); ++k) {
            if (run->elements()[k].takesPart())
                result.push_back(int(k));
        }
        return result;
    }

    // The visible element of an answer box whose answer text is text.
    int boxFor(const QString& text) const
    {
        for (int k : visibleElements()) {
            const Element& e = run->elements()[size_t(k)];
            if (e.kind == ElementKind::AnswerBox && doc.objects[e.object + 1].Text == text)
                return k;
        }
        return -1;
    }
    int checkButton() const
    {
        for (int k : visibleElements()) {
            if (run->elements()[size_t(k)].kind == ElementKind::CheckButton)
                return k;
        }
        return -1;
    }
};

} // namespace

TEST_F(QuestionRun, SingleQuestionsOfferTheSolutionAndDifferentOtherAnswers)
{
    doc.header.DokTyp = DokTyp::Questions;
    doc.header.EinrueckRand = defaultEinrueckRand(DokTyp::Questions);
    SingleQuestionsEdit edit;
    edit.text = QStringLiteral("Frankreich? // Paris\r\nItalien? // Rom\r\n"
                               "Größte Stadt Frankreichs? // Paris\r\nSpanien? // Madrid\r\n"
                               "Deutschland? // Berlin\r\nÖsterreich? // Wien\r\n"
                               "Tschechien? // Prag\r\nSchweiz? // Bern");
    applySingleQuestionsEdit(doc, edit);
    settings.questionOptions.OnWrong = 0; // ask again until right
    settings.questionOptions.CardOrder = 0;
    settings.questionOptions.PositionOrder = 0;
    ExerciseRun& r = startQuestions();

    // "wie vorgegeben": in the alphabetical order of the answers; the first
    // question, answered wrongly, comes again at the end.
    const QStringList expected = {"Bern", "Madrid", "Paris", "Paris",
                                  "Prag", "Rom",    "Wien",  "Berlin"};
    QStringList asked;
    bool wrongOnce = false;
    while (r.isUnfinished()) {
        ASSERT_LT(asked.size(), 20);
        const int solution = r.orderTable()[size_t(r.currentEntry())].positionIndex;
        const QString answer = doc.objects[solution].Text;
        EXPECT_EQ(r.currentQuestion(), doc.objects[solution].FrageNummer);

        // The solution and five other answers, all with different texts, in
        // a grid of three columns from the left margin.
        const std::vector<int> shown = visibleElements();
        EXPECT_EQ(shown.size(), 6u);
        std::set<QString> captions;
        int right = -1;
        int wrong = -1;
        for (int k : shown) {
            const Element& e = r.elements()[size_t(k)];
            captions.insert(e.caption);
            (e.caption == answer ? right : wrong) = k;
        }
        EXPECT_EQ(captions.size(), shown.size());
        ASSERT_GE(right, 0);
        // The first answer by element number takes the first slot.
        const auto lowest = std::min_element(shown.begin(), shown.end(), [&](int a, int b) {
            return r.elements()[size_t(a)].number < r.elements()[size_t(b)].number;
        });
        const QRect first = r.elements()[size_t(*lowest)].rect;
        EXPECT_EQ(first.topLeft(), r.page().areaPoint(0.1, 0.165 + 0.415) + QPoint(4, 0));
        EXPECT_TRUE(r.protocolDetailLines().last().contains("\"" + answer + "\" (Lösung)"));

        if (!wrongOnce) {
            wrongOnce = true;
            r.click(wrong);
            EXPECT_EQ(r.wrongCount(), 1.0);
            // Asked again later: the next question comes first.
            EXPECT_NE(r.orderTable()[size_t(r.currentEntry())].positionIndex, solution);
            continue;
        }
        asked << answer;
        r.click(right);
    }
    EXPECT_EQ(asked, expected);
    EXPECT_EQ(r.correctCount(), 8.0);
    EXPECT_EQ(r.endReason(), EndReason::Finished);
    EXPECT_TRUE(r.protocolDetail().contains(QStringLiteral("Frage Nr. 5\r\nDeutschland?")));
}

TEST_F(QuestionRun, MultipleChoiceScoresAPartlyRightAnswer)
{
    doc.header.DokTyp = DokTyp::MultipleChoice;
    doc.header.EinrueckRand = defaultEinrueckRand(DokTyp::MultipleChoice);
    MultipleChoiceEdit edit;
    McQuestion first = newMcQuestion();
    first.question = QStringLiteral("Welche Zahlen sind ungerade?");
    first.answers = QStringLiteral("+ 1\r\n- 2\r\n+ 3\r\n+ 5");
    McQuestion second = newMcQuestion();
    second.question = QStringLiteral("Welche Zahl ist gerade?");
    second.answers = QStringLiteral("+ 4\r\n- 7");
    edit.questions = {first, second};
    applyMultipleChoiceEdit(doc, edit);
    settings.questionOptions.OnWrong = 1; // ask once
    settings.questionOptions.CardOrder = 1;
    settings.questionOptions.PositionOrder = 0;
    ExerciseRun& r = startQuestions();

    // The first question: its four boxes, each beside the place of a box of
    // its own question, and the check button.
    EXPECT_EQ(r.currentQuestion(), 1);
    EXPECT_EQ(visibleElements().size(), 5u);
    std::set<int> places;
    for (const char* answer : {"1", "2", "3", "5"}) {
        const int k = boxFor(answer);
        ASSERT_GE(k, 0) << answer;
        const Element& e = r.elements()[size_t(k)];
        const int place = r.answerPlaces()[size_t(e.object)];
        EXPECT_EQ(doc.objects[place].Typ, ObjectKind::McAnswerBox);
        EXPECT_EQ(doc.objects[place].FrageNummer, 1);
        const QPoint p = r.page().areaPoint(doc.objects[place].Kx, doc.objects[place].Ky);
        EXPECT_EQ(e.rect.left(), p.x() + 10);
        places.insert(place);
    }
    EXPECT_EQ(places.size(), 4u);

    // Two of three right ticks and a wrong one: (2 - 1) / 3.
    r.click(boxFor("1"));
    r.click(boxFor("3"));
    r.click(boxFor("2"));
    EXPECT_EQ(r.wrongCount(), 0.0); // ticking is not judged
    r.click(checkButton());
    EXPECT_NEAR(r.correctCount(), 1.0 / 3.0, 1e-12);
    EXPECT_NEAR(r.wrongCount(), 2.0 / 3.0, 1e-12);
    const QStringList lines = r.protocolDetailLines();
    EXPECT_TRUE(lines.join("\n").contains(
        QStringLiteral("FALSCH bzw. NICHT KOMPLETT RICHTIG - Gewählte Antwort(en): ")));
    EXPECT_TRUE(
        lines.join("\n").contains(QStringLiteral("Häkchen - richtig: 2 - falsch: 1 - fehlend: 1")));

    // The second question starts unticked; nothing ticked is "- keine -".
    EXPECT_EQ(r.currentQuestion(), 2);
    for (int k : visibleElements())
        EXPECT_FALSE(r.elements()[size_t(k)].ticked);
    r.click(checkButton());
    EXPECT_TRUE(r.protocolDetail().contains(QStringLiteral("Gewählte Antwort(en): - keine -")));
    EXPECT_EQ(r.endReason(), EndReason::Finished);
    EXPECT_NEAR(r.correctCount(), 1.0 / 3.0, 1e-12);
    EXPECT_NEAR(r.wrongCount(), 5.0 / 3.0, 1e-12);
    EXPECT_EQ(r.result().correct, QStringLiteral("0.33  von  2"));
}

TEST_F(QuestionRun, SingleQuestionsAtRandomComeOnceEachWithAnswersInDistinctSlots)
{
    doc.header.DokTyp = DokTyp::Questions;
    doc.header.EinrueckRand = defaultEinrueckRand(DokTyp::Questions);
    SingleQuestionsEdit edit;
    edit.text = QStringLiteral("a // eins\r\nb // zwei\r\nc // drei\r\nd // vier");
    applySingleQuestionsEdit(doc, edit);
    settings.questionOptions.CardOrder = 1;
    settings.questionOptions.PositionOrder = 1;
    ExerciseRun& r = startQuestions();

    std::set<int> questions;
    while (r.isUnfinished()) {
        ASSERT_LT(questions.size(), 5u);
        questions.insert(r.currentQuestion());
        // Four answers: the grid's first four slots, each taken once.
        std::set<std::pair<int, int>> slots;
        int right = -1;
        const int solution = r.orderTable()[size_t(r.currentEntry())].positionIndex;
        for (int k : visibleElements()) {
            const Element& e = r.elements()[size_t(k)];
            slots.insert({e.rect.left(), e.rect.top()});
            if (e.caption == doc.objects[solution].Text)
                right = k;
        }
        EXPECT_EQ(slots.size(), 4u);
        r.click(right);
    }
    EXPECT_EQ(questions, (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(r.wrongCount(), 0.0);
}
