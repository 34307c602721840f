#include "content/multiplechoice/mclayout.h"
#include "content/multiplechoice/questionrecord.h"
#include "content/questions/questionlayout.h"
#include "document/document.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"
#include "view/pagecomposer.h"
#include "view/pagegeometry.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

using namespace velunto;

namespace {

// A white page 870 x 609 pixels on which the question kinds are drawn.
struct QuestionPage
{
    Document doc;
    Session session;
    ViewState view{session};
    PageComposer composer{doc, view};

    explicit QuestionPage(int dokTyp)
    {
        doc.baseImage = QImage(870, 609, QImage::Format_RGB32);
        doc.baseImage.fill(Qt::white);
        derivePageGeometry(doc.header, doc.baseImage.size());
        doc.header.DokTyp = dokTyp;
        doc.header.EinrueckRand = defaultEinrueckRand(dokTyp);
        view.setViewport(QSize(870, 609));
    }

    std::vector<int> painted(int kind)
    {
        std::vector<int> result;
        for (int i = 0; i < doc.objectCount(); ++i) {
            if (doc.objects[i].Typ == kind && !composer.paintedRect(i).isEmpty())
                result.push_back(doc.objects[i].FrageNummer);
        }
        return result;
    }
    QColor at(QPoint p) const { return composer.page().pixelColor(p); }
    QPoint centre(int index) const { return composer.paintedRect(index).center(); }
    int first(int kind, int question) const
    {
        for (int i = 0; i < doc.objectCount(); ++i) {
            if (doc.objects[i].Typ == kind && doc.objects[i].FrageNummer == question)
                return i;
        }
        return -1;
    }
};

} // namespace

TEST(QuestionPainting, SingleQuestionsShowTheCurrentQuestionOnly)
{
    QuestionPage page(DokTyp::Questions);
    page.doc.header.FragBtnHtgdCol = 0x00FF00;
    page.doc.header.fragentext =
        QStringLiteral("Erste Frage // eins\r\n"
                       "Eine sehr lange zweite Frage, die so viele Wörter hat, dass sie "
                       "auf keinen Fall in eine einzige Zeile passt und deshalb umbrochen "
                       "und verkleinert werden muss, damit sie nicht über den Rand läuft // zwei");
    buildSingleQuestions(page.doc, true);
    page.session.setCurrentQuestion(2);
    page.composer.redraw();

    EXPECT_EQ(page.painted(ObjectKind::QuestionText), std::vector<int>{2});
    EXPECT_EQ(page.painted(ObjectKind::QuestionCaption), std::vector<int>({2, 2}));
    EXPECT_EQ(page.painted(ObjectKind::QuestionAnswer), std::vector<int>{2});
    // The long question wraps inside the right margin, above the answer row.
    const QRect question = page.composer.paintedRect(page.first(ObjectKind::QuestionText, 2));
    EXPECT_LE(question.right(), 870 * 0.95);
    const QRect answer = page.composer.paintedRect(page.first(ObjectKind::QuestionAnswer, 2));
    EXPECT_LT(question.bottom(), answer.top());
    // The answer is covered; a navigation button is a green circle.
    EXPECT_EQ(page.at(answer.center() + QPoint(answer.width() / 3, 0)), toQColor(0xFFE4CA));
    EXPECT_EQ(page.at(page.centre(0) + QPoint(0, 5)), toQColor(0x00FF00));

    // A question number beyond the count shows the first question; in an
    // exercise the captions go and the buttons turn grey.
    page.session.setCurrentQuestion(9);
    page.session.setMode(AppMode::Exercise);
    page.composer.redraw();
    EXPECT_EQ(page.painted(ObjectKind::QuestionText), std::vector<int>{1});
    EXPECT_TRUE(page.painted(ObjectKind::QuestionCaption).empty());
    EXPECT_EQ(page.at(page.centre(0) + QPoint(0, 5)), toQColor(0xC0C0C0));
}

TEST(QuestionPainting, TheShownQuestionStaysAmongTheQuestionsOfTheDocument)
{
    QuestionPage page(DokTyp::Questions);
    page.session.setCurrentQuestion(5);
    page.doc.header.fragentext = QStringLiteral("a // b\r\nc // d");
    page.doc.rebuildContent();
    EXPECT_EQ(page.session.currentQuestion(), 1);
    applySingleQuestionsEdit(page.doc, {});
    EXPECT_EQ(page.session.currentQuestion(), -1);

    // Other types leave it alone.
    page.session.setCurrentQuestion(5);
    page.doc.header.DokTyp = DokTyp::Free;
    page.doc.notifyHeaderChanged();
    EXPECT_EQ(page.session.currentQuestion(), 5);
}

TEST(QuestionPainting, MultipleChoiceBoxesShowTheSolutionWhenUncovered)
{
    QuestionPage page(DokTyp::MultipleChoice);
    for (const QString& answers : {QStringLiteral("+ ja\r\n- nein"), QStringLiteral("+ Bild")}) {
        QuestionRecord r;
        r.question = QStringLiteral("Frage");
        r.answers = answers;
        r.info = QStringLiteral("Hilfe");
        ObjDataTyp q;
        q.Typ = ObjectKind::McQuestion;
        q.Text = writeQuestionRecord(r);
        q.Untertyp = answers.contains(QStringLiteral("Bild")) ? 1 : 0;
        page.doc.objects.push_back(q); // the picture answer has no picture
    }
    buildMultipleChoice(page.doc, true);
    const int right = page.first(ObjectKind::McAnswerBox, 1);
    page.doc.objects[right].Abdeckung = 0;
    page.composer.redraw();

    EXPECT_EQ(page.painted(ObjectKind::McAnswerBox), std::vector<int>({1, 1}));
    EXPECT_EQ(page.painted(ObjectKind::McAnswerText), std::vector<int>({1, 1}));
    EXPECT_EQ(page.painted(ObjectKind::McInfoPoint), std::vector<int>{1});
    EXPECT_TRUE(page.painted(ObjectKind::McOkButton).empty());
    // Uncovered: the tick on white; covered: the light blue box.
    const QRect tick = page.composer.paintedRect(right);
    EXPECT_EQ(tick.width(), tick.height());
    EXPECT_EQ(page.at(tick.topLeft() + QPoint(3, 3)), QColor(Qt::white));
    const QRect covered = page.composer.paintedRect(right + 2);
    EXPECT_EQ(page.at(covered.topLeft() + QPoint(3, 3)), toQColor(0xFFE4CA));

    // The second question's picture answer without picture is an empty card.
    page.session.setCurrentQuestion(2);
    page.composer.redraw();
    const int card = page.first(ObjectKind::McAnswerImage, 2);
    EXPECT_FALSE(page.composer.paintedRect(card).isEmpty());
    // During a run the pupil's tick boxes stand where the boxes were, and
    // the answers where the answer order put them.
    page.session.setCurrentQuestion(1);
    page.composer.redraw();
    const int yes = right + 1;
    const int no = right + 3;
    const int yesTop = page.composer.paintedRect(yes).top();
    const int noTop = page.composer.paintedRect(no).top();
    page.session.setMode(AppMode::Exercise);
    std::vector<int> places(size_t(page.doc.objectCount()));
    for (int k = 0; k < page.doc.objectCount(); ++k)
        places[size_t(k)] = k;
    std::swap(places[size_t(yes)], places[size_t(no)]);
    page.session.setAnswerPlaces(std::move(places));
    page.composer.redraw();
    EXPECT_TRUE(page.painted(ObjectKind::McAnswerBox).empty());
    EXPECT_EQ(page.composer.paintedRect(yes).top(), noTop);
    EXPECT_EQ(page.composer.paintedRect(no).top(), yesTop);
}
