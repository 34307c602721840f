#include "common/random.h"
#include "document/document.h"
#include "view/covering.h"
#include "view/numbering.h"
#include "view/pagecomposer.h"
#include "view/pagegeometry.h"
#include "view/questionkeys.h"
#include "view/session.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

#include <memory>

using namespace velunto;

namespace {

// One view of the page: its own zoom and composer, following a session.
struct View
{
    ViewState state;
    PageComposer composer;

    View(Document& doc, Session& session, int zoom) : state(session), composer(doc, state)
    {
        state.setViewport(QSize(600, 400));
        state.setZoomIndex(zoom);
        composer.redraw();
    }
};

// Two views of one Document following one session: the teacher's window at
// 100 % and a second one (a projector, a preview) at 200 %.
struct TwoViews
{
    Document doc;
    Session session;
    std::unique_ptr<View> main;
    std::unique_ptr<View> second;
    int query = -1;
    int fixed = -1;

    TwoViews()
    {
        doc.baseImage = QImage(600, 400, QImage::Format_RGB32);
        doc.baseImage.fill(Qt::darkCyan);
        derivePageGeometry(doc.header, doc.baseImage.size());
        query = doc.addGeneratedObject(ObjectKind::QueryLabel, Layer::TextsAndImages,
                                       QStringLiteral("Zellkern"), -1, 0.3, 0.4, Side::Centre, 0);
        fixed = doc.addGeneratedObject(ObjectKind::FixedLabel, Layer::TextsAndImages,
                                       QStringLiteral("Zelle"), -1, 0.7, 0.6, Side::Centre, 0);
        main = std::make_unique<View>(doc, session, 0);
        second = std::make_unique<View>(doc, session, 4);
    }

    // What a view composed from scratch shows now.
    QImage fresh(const View& v)
    {
        Session copy;
        copy.setEditorOpen(session.editorOpen());
        copy.setSelectedObject(session.selectedObject());
        copy.setCurrentQuestion(session.currentQuestion());
        View again(doc, copy, v.state.zoomIndex());
        return again.composer.page();
    }

    void expectBothCurrent()
    {
        EXPECT_EQ(main->composer.page(), fresh(*main));
        EXPECT_EQ(second->composer.page(), fresh(*second));
    }
};

} // namespace

TEST(TwoViews, BothFollowEveryChangeAtTheirOwnZoom)
{
    TwoViews t;
    ASSERT_EQ(t.second->composer.page().size(), 2 * t.main->composer.page().size());
    const QImage before = t.second->composer.page();

    // A change through the core, with no call to either view.
    ASSERT_TRUE(toggleCover(t.doc, t.query));
    EXPECT_NE(t.second->composer.page(), before);
    t.expectBothCurrent();

    t.doc.objects[t.fixed].Kx = 0.2;
    t.doc.objects[t.fixed].Text = QStringLiteral("Zellwand");
    t.doc.notifyObjectChanged(t.fixed, ObjectAspect::Position | ObjectAspect::Text);
    t.expectBothCurrent();

    uncoverAll(t.doc);
    t.expectBothCurrent();
    RandomSource random;
    number(t.doc, t.session, t.main->state, NumberingMode::Random, random);
    t.expectBothCurrent();

    t.doc.deleteObject(t.query);
    t.expectBothCurrent();
    // Each view keeps its own hit geometry: the card is where that view drew it.
    EXPECT_TRUE(t.main->composer.cards().wasDrawn(0));
    // (The same place on the page, up to the rounding of each size.)
    const RectD a = t.main->composer.cards().bounds(0);
    const RectD b = t.second->composer.cards().bounds(0);
    EXPECT_NEAR(a.left, b.left, 0.005);
    EXPECT_NEAR(a.bottom, b.bottom, 0.005);
    EXPECT_FALSE(t.second->composer.cards().wasDrawn(1));
}

TEST(TwoViews, BothFollowTheSession)
{
    TwoViews t;
    // The object editor opens and selects: both views show its marks.
    t.doc.objects[t.fixed].Sline = 1;
    t.doc.objects[t.fixed].Sx = 0.1;
    t.doc.notifyObjectChanged(t.fixed, ObjectAspect::Position);
    t.session.setEditorOpen(true);
    t.session.setSelectedObject(t.fixed);
    t.expectBothCurrent();
    t.session.setSelectedObject(-1);
    t.expectBothCurrent();
    t.session.setEditorOpen(false);

    // Stepping the question changes what both show.
    t.doc.header.AnzFrageNummern = 2;
    t.doc.objects[t.query].Typ = ObjectKind::McAnswerBox;
    t.doc.objects[t.query].FrageNummer = 2;
    t.doc.notifyObjectChanged(t.query, ObjectAspect::All);
    const QImage questionOne = t.second->composer.page();
    EXPECT_TRUE(t.session.stepQuestion(QuestionStep::Next, 2, randomSource()));
    EXPECT_EQ(t.session.currentQuestion(), 2);
    t.expectBothCurrent();
    // Zooming one view leaves the other as it was.
    t.main->state.setZoomIndex(2);
    t.main->composer.redraw();
    EXPECT_EQ(t.second->composer.page().size(), questionOne.size());
}

TEST(Session, QuestionSteps)
{
    struct Case
    {
        QuestionStep step;
        int from, count, to;
    };
    const Case cases[] = {
        {QuestionStep::Previous, 1, 3, 1}, {QuestionStep::Previous, 3, 3, 2},
        {QuestionStep::Next, 3, 3, 3},     {QuestionStep::Next, 1, 3, 2},
        {QuestionStep::First, 3, 3, 1},    {QuestionStep::Last, 1, 3, 3},
        {QuestionStep::Random, 1, 1, 1},
        // From a question the document no longer has, steps start at the first.
        {QuestionStep::Previous, 7, 3, 1}, {QuestionStep::Next, 7, 3, 2},
    };
    for (const Case& c : cases) {
        Session s;
        s.setCurrentQuestion(c.from);
        RandomSource random(7);
        EXPECT_TRUE(s.stepQuestion(c.step, c.count, random));
        EXPECT_EQ(s.currentQuestion(), c.to) << int(c.step) << " from " << c.from;
    }
    // A random step always lands on another question.
    Session s;
    RandomSource random(3);
    for (int i = 0; i < 20; ++i) {
        const int before = s.currentQuestion();
        s.stepQuestion(QuestionStep::Random, 4, random);
        EXPECT_NE(s.currentQuestion(), before);
    }
    // Without questions nothing moves.
    EXPECT_FALSE(s.stepQuestion(QuestionStep::Next, 0, random));
}

TEST(Session, KeysStepTheQuestionsOfAQuestionDocumentAndTellTheViews)
{
    struct Recorder : SessionObserver
    {
        int questions = 0;
        void sessionChanged(const Session&, const SessionChange& change) override
        {
            questions += (change.what & SessionAspect::Question) ? 1 : 0;
        }
    };
    const struct
    {
        const char* what;
        int dokTyp;
        bool editorOpen;
        int key;
        Qt::KeyboardModifiers modifiers;
        int to; // the question afterwards, from 2 of 3; 0: the key was not taken
    } cases[] = {
        {"Right", DokTyp::Questions, false, Qt::Key_Right, Qt::NoModifier, 3},
        {"Left on the keypad", DokTyp::MultipleChoice, false, Qt::Key_Left, Qt::KeypadModifier, 1},
        {"Home", DokTyp::Questions, false, Qt::Key_Home, Qt::NoModifier, 1},
        {"End", DokTyp::Questions, false, Qt::Key_End, Qt::NoModifier, 3},
        {"another key", DokTyp::Questions, false, Qt::Key_Up, Qt::NoModifier, 0},
        {"with Shift", DokTyp::Questions, false, Qt::Key_Right, Qt::ShiftModifier, 0},
        {"editor open", DokTyp::Questions, true, Qt::Key_Right, Qt::NoModifier, 0},
        {"free page", DokTyp::Free, false, Qt::Key_Right, Qt::NoModifier, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Document doc;
        doc.header.DokTyp = c.dokTyp;
        doc.header.AnzFrageNummern = 3;
        Session session;
        session.setCurrentQuestion(2);
        session.setEditorOpen(c.editorOpen);
        Recorder recorder;
        session.addObserver(&recorder);
        EXPECT_EQ(stepQuestionByKey(session, doc, c.key, c.modifiers, randomSource()), c.to != 0);
        EXPECT_EQ(session.currentQuestion(), c.to != 0 ? c.to : 2);
        EXPECT_EQ(recorder.questions, c.to != 0 && c.to != 2 ? 1 : 0);
        session.removeObserver(&recorder);
    }
}
