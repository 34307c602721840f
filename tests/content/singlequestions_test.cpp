#include "common/random.h"
#include "content/questions/questionlayout.h"
#include "content/questions/questionnavigation.h"
#include "content/questions/questiontext.h"
#include "document/document.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"

#include <gtest/gtest.h>

using namespace velunto;

namespace {

Document singleQuestions(const QString& text)
{
    Document doc;
    doc.header.DokTyp = DokTyp::Questions;
    doc.header.EinrueckRand = defaultEinrueckRand(DokTyp::Questions);
    doc.header.fragentext = text;
    return doc;
}

std::vector<const ObjDataTyp*> ofQuestion(const Document& doc, int n)
{
    std::vector<const ObjDataTyp*> result;
    for (const ObjDataTyp& o : doc.objects) {
        if (o.FrageNummer == n)
            result.push_back(&o);
    }
    return result;
}

} // namespace

TEST(QuestionText, SplitsEachLineAtItsFirstDoubleSlash)
{
    const QString text = QStringLiteral("In welchem Monat ist Sommeranfang? // Juni\r\n"
                                        "   \r\n"
                                        "Was ergibt 1 // 2? // 1 // 2 ist 0,5\n"
                                        "Ohne Antwort //\r"
                                        "  Nur eine Frage  \r\n"
                                        "\r\n");
    const std::vector<SingleQuestion> expected = {
        {"In welchem Monat ist Sommeranfang?", "Juni"},
        {"Was ergibt 1", "2? // 1 // 2 ist 0,5"},
        {"Ohne Antwort", ""},
        {"Nur eine Frage", "---"},
    };
    EXPECT_EQ(parseQuestionText(text), expected);
    EXPECT_EQ(countQuestions(text), 4);
    EXPECT_TRUE(parseQuestionText(" \r\n\t").empty());
    EXPECT_EQ(questionCountLabel(1), "1 Frage");
    EXPECT_EQ(questionCountLabel(0), "0 Fragen");
    EXPECT_EQ(questionCountLabel(4), "4 Fragen");
}

TEST(QuestionLayout, PlacesEveryQuestionOnTheSameSpotForTheDefaultMargins)
{
    Document doc = singleQuestions("Hauptstadt von Frankreich? // Paris\r\n\r\n"
                                   "Hauptstadt von Italien? // Rom");
    buildSingleQuestions(doc, true);
    ASSERT_EQ(doc.objectCount(), 5 + 2 * 4);
    EXPECT_EQ(doc.header.AnzFrageNummern, 2);

    // The buttons "|<", "<", ">", ">|", "?" below the questions.
    const int buttons[] = {ObjectKind::NavFirst, ObjectKind::NavPrevious, ObjectKind::NavNext,
                           ObjectKind::NavLast, ObjectKind::NavRandom};
    for (int i = 0; i < 5; ++i) {
        const ObjDataTyp& b = doc.objects[i];
        EXPECT_EQ(b.Typ, buttons[i]);
        EXPECT_NEAR(b.Kx, 0.1 + 0.06 * i, 1e-12);
        EXPECT_NEAR(b.Ky, 0.775, 1e-12);
        EXPECT_EQ(b.Ebene, Layer::InfoPoints);
        EXPECT_EQ(b.FrageNummer, -1);
    }

    // D = 1 for the default margins.
    const struct
    {
        int kind;
        QString text;
        double x, y;
        int sizeStep;
    } rows[] = {
        {ObjectKind::QuestionCaption, "Frage Nr. 2 von 2", 0.1, 0.175, -5},
        {ObjectKind::QuestionText, "Hauptstadt von Italien?", 0.1, 0.385, 5},
        {ObjectKind::QuestionCaption, "Antwort:", 0.1, 0.6, 0},
        {ObjectKind::QuestionAnswer, "Rom", 0.225, 0.6, 0},
    };
    const auto second = ofQuestion(doc, 2);
    ASSERT_EQ(second.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const ObjDataTyp& o = *second[i];
        EXPECT_EQ(o.Typ, rows[i].kind);
        EXPECT_EQ(o.Text, rows[i].text);
        EXPECT_NEAR(o.Kx, rows[i].x, 1e-12);
        EXPECT_NEAR(o.Ky, rows[i].y, 1e-12);
        EXPECT_EQ(o.Sx, o.Kx);
        EXPECT_EQ(o.Sy, o.Ky);
        EXPECT_EQ(o.Fsize, rows[i].sizeStep);
        EXPECT_EQ(o.KAusr, Side::Right);
        EXPECT_EQ(o.Ebene, Layer::TextsAndImages);
    }
    EXPECT_EQ(second[3]->Abdeckung, -1); // the answer starts covered
    EXPECT_EQ(ofQuestion(doc, 1)[0]->Text, "Frage Nr. 1 von 2");
}

TEST(QuestionLayout, RowsScaleWithTheHeightBetweenTheMargins)
{
    Document doc = singleQuestions("Frage // Antwort");
    doc.header.EinrueckRand = {0.05, 0.1, 0.05, 0.1}; // D = 0.8 / 0.64 = 1.25
    buildSingleQuestions(doc, true);
    const auto q = ofQuestion(doc, 1);
    EXPECT_NEAR(q[1]->Ky, 0.1 + 0.22 * 1.25, 1e-12);
    EXPECT_NEAR(q[3]->Ky, 0.1 + 0.435 * 1.25, 1e-12);
    EXPECT_NEAR(q[3]->Kx, 0.175, 1e-12);
    EXPECT_NEAR(doc.objects[0].Ky, 0.87, 1e-12);
}

TEST(QuestionLayout, AnEmptiedTextLeavesNoObjectsAndNoCount)
{
    Document doc = singleQuestions("a // b\r\nc // d\r\ne // f");
    buildSingleQuestions(doc, true);
    ASSERT_EQ(doc.header.AnzFrageNummern, 3);

    for (const QString& emptied : {QString(), QStringLiteral("  \r\n\r\n")}) {
        SCOPED_TRACE(emptied.toStdString());
        SingleQuestionsEdit edit;
        edit.text = emptied;
        applySingleQuestionsEdit(doc, edit);
        EXPECT_EQ(doc.objectCount(), 0);
        EXPECT_EQ(doc.header.AnzFrageNummern, 0);
    }
}

TEST(QuestionLayout, WithoutCreateOnlyADocumentHoldingJustItsTextIsBuilt)
{
    Document doc = singleQuestions("a // b\r\nc // d");
    buildSingleQuestions(doc, false);
    EXPECT_EQ(doc.objectCount(), 5 + 2 * 4);
    EXPECT_EQ(doc.header.AnzFrageNummern, 2);

    // Stored objects that match the text stay as they are.
    doc.objects.back().Abdeckung = 0;
    buildSingleQuestions(doc, false);
    EXPECT_EQ(doc.objects.back().Abdeckung, 0);
    buildSingleQuestions(doc, true);
    EXPECT_EQ(doc.objects.back().Abdeckung, -1);

    Document cloze = singleQuestions("a // b");
    cloze.header.DokTyp = DokTyp::Cloze;
    buildSingleQuestions(cloze, true);
    EXPECT_EQ(cloze.objectCount(), 0);
}

TEST(QuestionLayout, TheEditorTurnsAnotherTypeIntoSingleQuestions)
{
    Document doc;
    doc.header.DokTyp = DokTyp::MultipleChoice;
    doc.header.lueckentext = QStringLiteral("alt");
    doc.newObject(ObjectKind::FixedLabel, {0, 0, 1, 1}, 1, false, Side::Centre);
    doc.addGeneratedObject(ObjectKind::GapCard, 1, QStringLiteral("Lücke"), -1, 0.5, 0.5, 5, 0);
    doc.addGeneratedObject(ObjectKind::McQuestion, 1, QString(), 1, -1, -1, 0, 0);
    doc.addGeneratedObject(ObjectKind::McAnswerBox, 1, QStringLiteral("+"), 1, 0.1, 0.1, 1, 4);
    doc.setModified(false);

    SingleQuestionsEdit edit;
    edit.text = QStringLiteral("Wie viele Beine hat eine Spinne? // acht");
    edit.textColour = 0x800000;
    edit.buttonBackground = 0x00FF00;
    edit.buttonSymbols = 0x000000;
    applySingleQuestionsEdit(doc, edit);

    EXPECT_EQ(doc.header.DokTyp, DokTyp::Questions);
    EXPECT_EQ(doc.header.fragentext, edit.text);
    EXPECT_TRUE(doc.header.lueckentext.isEmpty());
    EXPECT_EQ(doc.header.FragBtnHtgdCol, 0x00FF00);
    EXPECT_TRUE(doc.isModified());
    // The label stays, the other type's objects are gone.
    EXPECT_EQ(doc.objects[0].Typ, ObjectKind::FixedLabel);
    for (const ObjDataTyp& o : doc.objects)
        EXPECT_TRUE(o.Typ == ObjectKind::FixedLabel || findKind(o.Typ)->owner == DokTyp::Questions)
            << o.Typ;
    EXPECT_EQ(doc.objects.back().Text, "acht");
    EXPECT_EQ(doc.objects.back().Farbe, 0x800000);
}

TEST(QuestionNavigation, StepsStayWithinTheQuestions)
{
    RandomSource random(7);
    const struct
    {
        int kind, current, count, expected;
    } cases[] = {
        {ObjectKind::NavPrevious, 1, 5, 1}, {ObjectKind::NavPrevious, 3, 5, 2},
        {ObjectKind::NavNext, 5, 5, 5},     {ObjectKind::NavNext, 2, 5, 3},
        {ObjectKind::NavFirst, 4, 5, 1},    {ObjectKind::NavLast, 1, 5, 5},
        {ObjectKind::NavRandom, 1, 1, 1},   {ObjectKind::NavNext, 1, 0, 1},
        {ObjectKind::NavRandom, -1, 0, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " " << c.current << "/" << c.count);
        EXPECT_EQ(steppedQuestion(c.kind, c.current, c.count, random), c.expected);
    }
    for (int i = 0; i < 50; ++i) {
        const int next = steppedQuestion(ObjectKind::NavRandom, 2, 3, random);
        EXPECT_TRUE(next == 1 || next == 3) << next;
    }
    EXPECT_EQ(validQuestion(4, 3), 1);
    EXPECT_EQ(validQuestion(0, 3), 1);
    EXPECT_EQ(validQuestion(2, 3), 2);
    EXPECT_EQ(validQuestion(1, 0), -1);
}
