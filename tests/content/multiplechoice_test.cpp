#include "common/random.h"
#include "content/multiplechoice/mclayout.h"
#include "content/multiplechoice/mcpermutation.h"
#include "content/multiplechoice/mcquestion.h"
#include "content/multiplechoice/questionrecord.h"
#include "content/multiplechoice/solutionpictures.h"
#include "document/commatext.h"
#include "document/document.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace velunto;

namespace {

Picture picture(int w, int h, QColor colour = Qt::blue)
{
    Picture p(w, h, QImage::Format_ARGB32);
    p.fill(colour);
    return p;
}

// A multiple-choice document with the default margins.
struct McDoc
{
    Document doc;

    McDoc()
    {
        doc.header.DokTyp = DokTyp::MultipleChoice;
        doc.header.EinrueckRand = defaultEinrueckRand(DokTyp::MultipleChoice);
    }

    ObjDataTyp& question(const QuestionRecord& record, int answerKind = 0,
                         const Picture& questionPicture = {})
    {
        ObjDataTyp o;
        o.Typ = questionPicture.isNull() ? ObjectKind::McQuestion : ObjectKind::McImageQuestion;
        o.Bild = questionPicture;
        o.Untertyp = answerKind;
        o.Text = writeQuestionRecord(record);
        doc.objects.push_back(o);
        return doc.objects.back();
    }

    void build() { buildMultipleChoice(doc, true); }

    std::vector<const ObjDataTyp*> objects(int n, int kind) const
    {
        std::vector<const ObjDataTyp*> result;
        for (const ObjDataTyp& o : doc.objects) {
            if (o.FrageNummer == n && o.Typ == kind)
                result.push_back(&o);
        }
        return result;
    }
};

QuestionRecord record(const QString& question, const QString& answers)
{
    QuestionRecord r;
    r.question = question;
    r.answers = answers;
    return r;
}

struct Place
{
    double x, y;
};

void expectPlaces(const std::vector<const ObjDataTyp*>& objects, const std::vector<Place>& places)
{
    ASSERT_EQ(objects.size(), places.size());
    for (size_t i = 0; i < places.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(objects[i]->Kx, places[i].x, 1e-9);
        EXPECT_NEAR(objects[i]->Ky, places[i].y, 1e-9);
        EXPECT_EQ(objects[i]->Sx, objects[i]->Kx);
        EXPECT_EQ(objects[i]->Sy, objects[i]->Ky);
    }
}

} // namespace

TEST(QuestionRecord, MissingItemsTakeTheirDefaults)
{
    const struct
    {
        QString stored;
        QStringList items; // question, answers, info, link, info title, link title
    } cases[] = {
        {"", {"", "", "", "", "Info", "Link"}},
        {"\"Wie alt?\"", {"Wie alt?", "", "", "", "Info", "Link"}},
        // The empty item at the end is lost on reading.
        {"Frage,\"+ ja\",", {"Frage", "+ ja", "", "", "Info", "Link"}},
        {"a,b,c,d,e,", {"a", "b", "c", "d", "e", "Link"}},
        {"a,b,c,d,\"\",\"\"", {"a", "b", "c", "d", "", ""}},
        {"a,,,,,f", {"a", "", "", "", "", "f"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        const QuestionRecord r = readQuestionRecord(c.stored);
        EXPECT_EQ(QStringList({r.question, r.answers, r.info, r.link, r.infoTitle, r.linkTitle}),
                  c.items);
    }
}

TEST(QuestionRecord, WritingQuotesEmptyItemsSoThatNothingIsLost)
{
    QuestionRecord r;
    r.question = QStringLiteral("Welche Tiere sind \"Säugetiere\"?\r\nKreuze an.");
    r.answers = QStringLiteral("+ Wal\r\n- Hai\r\n+ Fledermaus, Maus");
    r.linkTitle = QString(); // empty at the end
    const QString stored = writeQuestionRecord(r);
    EXPECT_TRUE(stored.endsWith(QStringLiteral(",Info,\"\""))) << stored.toStdString();
    EXPECT_EQ(readQuestionRecord(stored), r);
    EXPECT_EQ(writeCommaItems({"a", "b c", ""}), "a,\"b c\",\"\"");
    EXPECT_EQ(writeCommaItems({""}), "\"\"");
    EXPECT_EQ(readCommaItems(u"a,,b"), QStringList({"a", "", "b"}));
    // The record survives the comma text of the file around the object text.
    EXPECT_EQ(readQuestionRecord(fromCommaText(toCommaText(stored))), r);
}

TEST(McLayout, QuestionSizeStepShrinksTheLongerTheText)
{
    // The step down comes at 72 characters (not 73), so that a text on the
    // edge never stands larger than the box allows.
    const std::pair<int, int> cases[] = {{0, 5},  {60, 5},  {71, 5},  {72, 4},   {83, 4},
                                         {84, 3}, {120, 0}, {131, 0}, {132, -1}, {500, -1}};
    for (auto [length, step] : cases)
        EXPECT_EQ(mcQuestionSizeStep(length), step) << length;
}

TEST(McLayout, TextAnswersForTheDefaultMargins)
{
    McDoc m;
    QuestionRecord r = record("Welche Zahlen sind gerade?  ", "+ 2\r\n- 3\r\n+ 4<br>(vier)");
    r.info = QStringLiteral("Gerade Zahlen sind durch 2 teilbar.");
    r.infoTitle = QStringLiteral("Hintergrundwissen"); // 17 characters
    r.link = QStringLiteral("zahlen.html");
    m.question(r).MCInfoLinkData = {0x111111, 0x222222, 0x333333, 0x444444, 50, 60};
    QuestionRecord linkOnly = record("Zweite Frage", "+ ja");
    linkOnly.link = QStringLiteral("zahlen.html");
    m.question(linkOnly);
    m.build();

    EXPECT_EQ(m.doc.header.AnzFrageNummern, 2);
    EXPECT_EQ(m.doc.objects[0].FrageNummer, 1);
    EXPECT_EQ(m.doc.objects[1].FrageNummer, 2);
    // Buttons at y = 1 - B - 0.03, from L on, 0.06 apart.
    for (int i = 0; i < 5; ++i) {
        const ObjDataTyp& b = m.doc.objects[2 + i];
        EXPECT_TRUE(b.Typ >= ObjectKind::NavPrevious && b.Typ <= ObjectKind::NavRandom);
        EXPECT_NEAR(b.Kx, 0.05 + 0.06 * i, 1e-12);
        EXPECT_NEAR(b.Ky, 0.925, 1e-12);
    }

    const auto caption = m.objects(1, ObjectKind::QuestionCaption);
    ASSERT_EQ(caption.size(), 1u);
    EXPECT_EQ(caption[0]->Text, "Frage Nr. 1 von 2");
    expectPlaces(caption, {{0.05, 0.05}});
    const auto text = m.objects(1, ObjectKind::McQuestionText);
    expectPlaces(text, {{0.05, 0.12}});
    EXPECT_EQ(text[0]->Text, "Welche Zahlen sind gerade?");
    EXPECT_EQ(text[0]->Fsize, 5);

    const auto info = m.objects(1, ObjectKind::McInfoPoint);
    const auto link = m.objects(1, ObjectKind::McLink);
    expectPlaces(info, {{0.05, 0.2}});
    expectPlaces(link, {{0.05 + 0.17, 0.2}});
    EXPECT_EQ(info[0]->PktCap, "Hintergrundwissen");
    EXPECT_EQ(info[0]->Farbe, 0x111111);
    EXPECT_EQ(info[0]->HFarbe, 0x333333);
    EXPECT_EQ(info[0]->HDeck, 50);
    EXPECT_EQ(link[0]->Text, "zahlen.html");
    EXPECT_EQ(link[0]->PktCap, "Link");
    EXPECT_EQ(link[0]->HFarbe, 0x444444);
    EXPECT_EQ(link[0]->HDeck, 60);
    // Without an info point the link takes its place.
    EXPECT_TRUE(m.objects(2, ObjectKind::McInfoPoint).empty());
    expectPlaces(m.objects(2, ObjectKind::McLink), {{0.05, 0.2}});

    // yc = 0.04 + 0.915 * 0.47 / 0.915 = 0.51; three rows 0.15 apart.
    const auto boxes = m.objects(1, ObjectKind::McAnswerBox);
    expectPlaces(boxes, {{0.17, 0.36}, {0.17, 0.51}, {0.17, 0.66}});
    expectPlaces(m.objects(1, ObjectKind::McAnswerText),
                 {{0.23, 0.36}, {0.23, 0.51}, {0.23, 0.66}});
    expectPlaces(m.objects(1, ObjectKind::McOkButton), {{0.17, 0.81}});
    EXPECT_EQ(boxes[0]->Text, "+");
    EXPECT_EQ(boxes[1]->Text, "-");
    EXPECT_EQ(boxes[0]->Bild, rightAnswerPicture());
    EXPECT_EQ(boxes[1]->Bild, wrongAnswerPicture());
    EXPECT_EQ(boxes[2]->AntwortAnz, 3);
    EXPECT_EQ(boxes[2]->Fsize, 4);
    EXPECT_EQ(boxes[2]->Abdeckung, -1);
    EXPECT_EQ(m.objects(1, ObjectKind::McAnswerText)[2]->Text, "4\r\n(vier)");

    // Every box is followed by its answer card.
    for (int i = 0; i + 1 < m.doc.objectCount(); ++i) {
        if (m.doc.objects[i].Typ == ObjectKind::McAnswerBox) {
            EXPECT_EQ(m.doc.objects[i + 1].Typ, ObjectKind::McAnswerText);
        }
    }
}

TEST(McLayout, PictureAnswersStandInTwoColumnsWithoutAQuestionPicture)
{
    McDoc m;
    ObjDataTyp& q =
        m.question(record("Welche Bilder zeigen Obst?", "+ Bild\r\n- Bild\r\n+ Bild"), 1);
    // Two pictures for three lines: the third card stays empty.
    q.AntwortAnz = 2;
    q.BildAntw[0] = picture(40, 30, Qt::red);
    q.BildAntw[1] = picture(40, 30, Qt::green);
    q.BildAntw[2] = picture(40, 30, Qt::yellow); // beyond AntwortAnz: not an answer picture
    m.build();

    // a = 3, k = 2, d = min(0.2, (0.025 + 0.6) / 2) = 0.2; second column at
    // L + 0.9 * 0.45 / 0.9 = 0.5.
    expectPlaces(m.objects(1, ObjectKind::McAnswerBox), {{0.1, 0.41}, {0.1, 0.61}, {0.5, 0.41}});
    const auto cards = m.objects(1, ObjectKind::McAnswerImage);
    expectPlaces(cards, {{0.16, 0.41}, {0.16, 0.61}, {0.56, 0.41}});
    expectPlaces(m.objects(1, ObjectKind::McOkButton), {{0.5, 0.51 + (2 - 0.5 - 0.1) * 0.2}});
    EXPECT_EQ(cards[0]->Fsize, 38);
    EXPECT_NEAR(cards[0]->KBreite, 0.3, 1e-12);
    EXPECT_EQ(cards[0]->Text, "Bild");
    EXPECT_EQ(cards[1]->Bild.pixelColor(0, 0), QColor(Qt::green));
    EXPECT_TRUE(cards[2]->Bild.isNull());
}

TEST(McLayout, AQuestionPictureKeepsTheAnswersInOneColumnBesideIt)
{
    McDoc m;
    m.question(record("Was zeigt das Bild?", "+ Bild\r\n- Bild"), 1, picture(200, 100));
    m.doc.objects[0].AntwortAnz = 2;
    m.question(record("Und dieses?", "+ Baum\r\n- Strauch"), 0, picture(50, 100));
    m.build();

    // Picture answers: one column at 0.5, d = 0.2.
    const auto first = m.objects(1, ObjectKind::McQuestionImage);
    expectPlaces(first, {{0.05, 0.51}});
    // rnd(rnd(0.9 * 120 / 0.95) / (2 / 1.05)) = rnd(114 / 1.905) = 60
    EXPECT_EQ(first[0]->Fsize, 60);
    EXPECT_NEAR(first[0]->KBreite, 0.4, 1e-12);
    EXPECT_EQ(first[0]->Bild.size(), QSize(200, 100));
    expectPlaces(m.objects(1, ObjectKind::McAnswerBox), {{0.5, 0.41}, {0.5, 0.61}});
    EXPECT_NEAR(m.objects(1, ObjectKind::McAnswerImage)[0]->KBreite, 0.375, 1e-12);
    expectPlaces(m.objects(1, ObjectKind::McOkButton), {{0.5, 0.79}});

    // Text answers: a picture narrower than 1.05 : 1 keeps the full size.
    EXPECT_EQ(m.objects(2, ObjectKind::McQuestionImage)[0]->Fsize, 114);
    expectPlaces(m.objects(2, ObjectKind::McAnswerText), {{0.56, 0.435}, {0.56, 0.585}});
    expectPlaces(m.objects(2, ObjectKind::McOkButton), {{0.5, 0.735}});
}

TEST(McLayout, AnswerLinesBlankMissingAndTooMany)
{
    McDoc m;
    // A blank line keeps its row and its count; a line starting with neither
    // sign counts as not right.
    m.question(record("Q1", "+ a\r\n   \r\n* c"));
    m.question(record("Q2", "  "));
    QString many;
    for (int i = 1; i <= 14; ++i)
        many += QStringLiteral("- %1\r\n").arg(i);
    m.question(record("Q3", many));
    // Picture answers in two columns: a blank line at the column break
    // still starts the second column.
    m.question(record("Q4", "+ Bild\r\n- Bild\r\n \r\n+ Bild"), 1);
    m.build();

    // a = 3: d = min(0.15, 0.625 / 3) = 0.15, rows at 0.36 and 0.66.
    const auto q1 = m.objects(1, ObjectKind::McAnswerBox);
    expectPlaces(q1, {{0.17, 0.36}, {0.17, 0.66}});
    EXPECT_EQ(q1[1]->Text, "*");
    EXPECT_EQ(q1[1]->Bild, wrongAnswerPicture());
    EXPECT_EQ(q1[1]->AntwortAnz, 3);

    const auto q2 = m.objects(2, ObjectKind::McAnswerBox);
    ASSERT_EQ(q2.size(), 1u);
    EXPECT_EQ(q2[0]->Text, "+");
    EXPECT_EQ(m.objects(2, ObjectKind::McAnswerText)[0]->Text, "Antwort");
    expectPlaces(q2, {{0.17, 0.51}});

    const auto q3 = m.objects(3, ObjectKind::McAnswerText);
    ASSERT_EQ(q3.size(), 12u);
    EXPECT_EQ(q3.back()->Text, "12");
    // d = 0.915 * min(0.15, 0.7 / 12) / 0.915
    EXPECT_NEAR(q3[1]->Ky - q3[0]->Ky, 0.7 / 12, 1e-12);

    // a = 4, k = 2: rows 0.41 and 0.61 in each column; the blank third line
    // leaves the first row of the second column empty.
    expectPlaces(m.objects(4, ObjectKind::McAnswerBox), {{0.1, 0.41}, {0.1, 0.61}, {0.5, 0.61}});
}

TEST(McLayout, WithoutCreateOnlyADocumentHoldingJustItsQuestionsIsBuilt)
{
    McDoc m;
    m.doc.header.AnzFrageNummern = 4;
    buildMultipleChoice(m.doc, false);
    EXPECT_EQ(m.doc.header.AnzFrageNummern, 0); // no questions, but the buttons
    EXPECT_EQ(m.doc.objectCount(), 5);

    m.question(record("Q", "+ a\r\n- b"));
    buildMultipleChoice(m.doc, false);
    const int built = 1 + 5 + 1 + 1 + 2 * 2 + 1;
    EXPECT_EQ(m.doc.objectCount(), built);
    m.doc.objects.back().Kx = 0.5;
    buildMultipleChoice(m.doc, false);
    EXPECT_EQ(m.doc.objects.back().Kx, 0.5);

    // A rebuild replaces the generated objects instead of adding to them.
    m.build();
    EXPECT_EQ(m.doc.objectCount(), built);
    EXPECT_NE(m.doc.objects.back().Kx, 0.5);
}

namespace {

// Two questions with four and three answers, and a question with one.
McDoc permutationFixture()
{
    McDoc m;
    m.doc.newObject(ObjectKind::FixedLabel, {0, 0, 1, 1}, 1, false, Side::Centre);
    m.question(record("A", "+ a1\r\n- a2\r\n+ a3\r\n- a4"));
    m.question(record("B", "+ b1\r\n\r\n- b3\r\n- b4"));
    m.question(record("C", "+ c1"));
    m.build();
    return m;
}

} // namespace

TEST(McAnswerPermutation, AnswersMoveOnlyAmongThePlacesOfTheirQuestion)
{
    const McDoc m = permutationFixture();
    const auto& objects = m.doc.objects;
    const int n = m.doc.objectCount();

    RandomSource fixed(1);
    std::vector<int> identity(n);
    for (int k = 0; k < n; ++k)
        identity[k] = k;
    EXPECT_EQ(mcAnswerPermutation(m.doc, false, fixed), identity);

    bool moved = false;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        RandomSource random(seed);
        const std::vector<int> perm = mcAnswerPermutation(m.doc, true, random);
        ASSERT_EQ(int(perm.size()), n);
        std::vector<int> sorted = perm;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, identity); // every place taken once
        for (int k = 0; k < n; ++k) {
            const ObjDataTyp& o = objects[k];
            if (o.Typ == ObjectKind::McAnswerBox) {
                const int place = perm[k];
                EXPECT_EQ(objects[place].Typ, ObjectKind::McAnswerBox);
                EXPECT_EQ(objects[place].FrageNummer, o.FrageNummer);
                EXPECT_EQ(perm[k + 1], place + 1); // the card goes with its box
                if (o.FrageNummer == 3) {
                    EXPECT_EQ(place, k); // one answer: nothing moves
                }
                moved = moved || place != k;
            } else if (o.Typ != ObjectKind::McAnswerText) {
                EXPECT_EQ(perm[k], k);
            }
        }
    }
    EXPECT_TRUE(moved);
}

TEST(McQuestionEdit, OpensAndAppliesTheQuestionsOfADocument)
{
    McDoc m;
    m.doc.newObject(ObjectKind::QueryLabel, {0, 0, 1, 1}, 1, false, Side::Centre);
    QuestionRecord r = record("Welche Früchte sind rot?", "+ Bild\r\n- Bild\r\n+ Bild");
    r.info = QStringLiteral("Info-Text");
    ObjDataTyp& q = m.question(r, 1, picture(30, 20));
    q.AntwortAnz = 2; // the third line has no picture
    q.BildAntw[0] = picture(10, 10, Qt::red);
    q.BildAntw[1] = picture(10, 10, Qt::green);
    q.MCInfoLinkData[4] = 40;
    m.build();

    std::vector<McQuestion> questions = mcQuestionsOf(m.doc);
    ASSERT_EQ(questions.size(), 1u);
    McQuestion& e = questions[0];
    EXPECT_EQ(e.question, r.question);
    EXPECT_EQ(e.answerKind, 1);
    EXPECT_EQ(e.picture.size(), QSize(30, 20));
    EXPECT_EQ(e.info, "Info-Text");
    EXPECT_EQ(e.infoLink[4], 40);
    ASSERT_EQ(e.pictureAnswers.size(), 3u);
    EXPECT_TRUE(e.pictureAnswers[0].correct);
    EXPECT_FALSE(e.pictureAnswers[1].correct);
    EXPECT_TRUE(e.pictureAnswers[2].picture.isNull());

    // The missing picture stops OK with a message naming it.
    const auto problem = mcQuestionsProblem(questions);
    ASSERT_TRUE(problem.has_value());
    EXPECT_EQ(problem->question, 0);
    EXPECT_TRUE(problem->message.contains(QStringLiteral("Bild-Antwort Nr. 3")));
    e.pictureAnswers.pop_back();
    EXPECT_FALSE(mcQuestionsProblem(questions).has_value());
    McQuestion none = newMcQuestion();
    none.answerKind = 1;
    none.pictureAnswers.clear();
    EXPECT_TRUE(mcQuestionsProblem({none}).has_value());

    // A second question without answers, then OK.
    McQuestion second = duplicatedMcQuestion(newMcQuestion());
    EXPECT_EQ(second.question, "KOPIE von ");
    questions.push_back(second);
    MultipleChoiceEdit edit;
    edit.questions = questions;
    edit.buttonBackground = 0x123456;
    m.doc.header.fragentext = QStringLiteral("alt");
    m.doc.setModified(false);
    applyMultipleChoiceEdit(m.doc, edit);

    EXPECT_TRUE(m.doc.isModified());
    EXPECT_TRUE(m.doc.header.fragentext.isEmpty());
    EXPECT_EQ(m.doc.header.FragBtnHtgdCol, 0x123456);
    EXPECT_EQ(m.doc.header.AnzFrageNummern, 2);
    EXPECT_EQ(m.doc.objects[0].Typ, ObjectKind::QueryLabel);
    const ObjDataTyp& first = m.doc.objects[1];
    EXPECT_EQ(first.Typ, ObjectKind::McImageQuestion);
    EXPECT_EQ(first.AntwortAnz, 2);
    EXPECT_EQ(first.FrageNummer, 1);
    EXPECT_EQ(first.Kx, -1.0);
    EXPECT_EQ(readQuestionRecord(first.Text).answers, "+ Bild\r\n- Bild\r\n");
    const ObjDataTyp& empty = m.doc.objects[2];
    EXPECT_EQ(empty.Typ, ObjectKind::McQuestion);
    EXPECT_EQ(readQuestionRecord(empty.Text).answers, "+ Antwort");
    EXPECT_EQ(mcQuestionsOf(m.doc).size(), 2u);
}

TEST(McQuestionEdit, TextAnswersWithoutSignGetAPlus)
{
    EXPECT_EQ(normalizedTextAnswers("  Berlin\r\n- Hamburg\r\n\r\n+München \r\n  Köln  \r\n"),
              "+   Berlin\r\n- Hamburg\r\n\r\n+München \r\n+   Köln");
    EXPECT_EQ(normalizedTextAnswers(" \r\n "), "");
}
