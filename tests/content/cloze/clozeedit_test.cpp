#include "content/cloze/clozeedit.h"

#include "content/cloze/clozecontent.h"
#include "document/document.h"
#include "document/documentfile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace velunto {
namespace {

int countOf(const Document& doc, int kind)
{
    return int(std::count_if(doc.objects.begin(), doc.objects.end(),
                             [kind](const ObjDataTyp& o) { return o.Typ == kind; }));
}

TEST(ClozeEdit, OkTurnsADocumentOfAnotherTypeIntoAClozeAndBuildsIt)
{
    Document doc;
    doc.header.DokTyp = DokTyp::MultipleChoice;
    doc.header.AnzFrageNummern = 3;
    doc.header.fragentext = QStringLiteral("Frage//Antwort");
    for (int kind : {ObjectKind::QueryLabel, ObjectKind::GapCard, ObjectKind::McQuestion,
                     ObjectKind::McAnswerBox})
        doc.addGeneratedObject(kind, 1, QStringLiteral("alt"), 1, 0.5, 0.5, 0, 0);

    ClozeEdit edit = clozeEditOf(doc, ClozeSubType::Flowing);
    EXPECT_TRUE(edit.wrongWords.isEmpty()); // the questions are no wrong words
    edit.text = QStringLiteral("Der <<Hund>> bellt <<laut|sehr laut>>.");
    edit.wrongWords = QStringLiteral("Katze\r\n");
    edit.minGap = 5;
    edit.textColour = 0x123456;
    edit.gapColour = 0x00FF00;
    applyClozeEdit(doc, edit);

    const HeaderDataTyp& h = doc.header;
    EXPECT_EQ(h.DokTyp, DokTyp::Cloze);
    EXPECT_EQ(h.DokUnterTyp, ClozeSubType::FlowingWithWrongWords);
    EXPECT_EQ(h.fragentext, QStringLiteral("Katze\r\n"));
    EXPECT_EQ(h.AnzFrageNummern, 0);
    EXPECT_EQ(h.MinLuecke, 5);
    EXPECT_EQ(h.TextCol, 0x123456);
    EXPECT_EQ(h.LueckentextCol, 0x00FF00);
    EXPECT_TRUE(doc.isModified());
    // the authored label stays; the old gap card and the questions go
    ASSERT_EQ(doc.objectCount(), 4);
    EXPECT_EQ(doc.objects[0].Typ, ObjectKind::QueryLabel);
    EXPECT_EQ(countOf(doc, ObjectKind::GapCard), 2);
    EXPECT_EQ(doc.objects[2].BildKenn, QStringLiteral("|laut|sehr laut|"));
    EXPECT_EQ(countOf(doc, ObjectKind::DistractorCard), 1);
    EXPECT_EQ(doc.objects[1].Farbe, 0x123456);
}

TEST(ClozeEdit, WrongWordsDecideTheSubTypeAndFragentext)
{
    struct Case
    {
        int subType;
        const char* words;
        int result;
        const char* fragentext;
    };
    const Case cases[] = {
        {ClozeSubType::Flowing, "", ClozeSubType::Flowing, ""},
        {ClozeSubType::Flowing, "  \r\n", ClozeSubType::Flowing, ""},
        {ClozeSubType::CTest, "Baum", ClozeSubType::CTestWithWrongWords, "Baum"},
        {ClozeSubType::CTest, "", ClozeSubType::CTest, ""},
        // the sub-types with wrong words keep them as typed, also when blank
        {ClozeSubType::FlowingWithWrongWords, "  ", ClozeSubType::FlowingWithWrongWords, "  "},
        {ClozeSubType::Table, "Baum", ClozeSubType::Table, ""},
    };
    for (const Case& c : cases) {
        Document doc;
        doc.header.fragentext = QStringLiteral("alt");
        ClozeEdit edit = clozeEditOf(doc, c.subType);
        edit.wrongWords = QString::fromUtf8(c.words);
        applyClozeEdit(doc, edit);
        EXPECT_EQ(doc.header.DokUnterTyp, c.result) << c.subType << c.words;
        EXPECT_EQ(doc.header.fragentext, QString::fromUtf8(c.fragentext)) << c.subType << c.words;
    }
}

TEST(ClozeEdit, TableKeepsEveryRowAndTurnsPictureCellsWithoutPictureIntoText)
{
    Document doc;
    ClozeEdit edit = clozeEditOf(doc, ClozeSubType::Table);
    edit.rows = 3;
    edit.columns = 2;
    edit.gridLines = 1;
    auto& t = edit.cells;
    t[0][0].Text = QStringLiteral("<<Hund>>");
    t[0][1].Art = CellKind::QueryImage; // no picture
    t[0][1].Text = QStringLiteral("vergessen");
    t[1][1].Art = CellKind::FixedImage;
    t[1][1].Bild = QImage(4, 4, QImage::Format_ARGB32);
    t[2][0].Art = CellKind::QueryText; // empty: the row counts as empty
    applyClozeEdit(doc, edit);

    const auto& cells = doc.header.LueckenTabelle;
    EXPECT_EQ(doc.header.LueckenTabelleZeilen, 3);
    EXPECT_EQ(doc.header.LueckenTabelleLinie, 1);
    EXPECT_EQ(cells[0][1].Art, CellKind::Text);
    EXPECT_EQ(cells[0][1].Text, QString());
    EXPECT_EQ(cells[1][0].Text, QString()); // the row has a picture
    EXPECT_EQ(cells[2][0].Art, CellKind::Text);
    EXPECT_EQ(cells[2][0].Text, QStringLiteral(" "));
    EXPECT_EQ(countOf(doc, ObjectKind::GapCard), 1);
    EXPECT_EQ(countOf(doc, ObjectKind::TableFixedImage), 1);
    EXPECT_EQ(countOf(doc, ObjectKind::TableQueryImage), 0);
}

TEST(ClozeEdit, AFormerQuestionsDocumentIsSavedWithoutItsQuestions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lueckentext.vlt"));
    Document doc;
    doc.header.DokTyp = DokTyp::Questions;
    doc.header.fragentext = QStringLiteral("Hauptstadt?//Berlin");
    doc.header.AnzFrageNummern = 1;
    ClozeEdit edit = clozeEditOf(doc, ClozeSubType::Flowing);
    edit.text = QStringLiteral("<<Berlin>> ist die Hauptstadt.");
    applyClozeEdit(doc, edit);
    ASSERT_TRUE(saveDocument(doc, path).ok);

    Document loaded;
    ASSERT_TRUE(loadDocument(loaded, path).ok);
    EXPECT_EQ(loaded.header.DokTyp, DokTyp::Cloze);
    EXPECT_EQ(loaded.header.fragentext, QString());
    EXPECT_EQ(loaded.header.AnzFrageNummern, 0);
    EXPECT_EQ(loaded.header.lueckentext, edit.text);
}

} // namespace
} // namespace velunto
