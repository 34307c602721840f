#include "content/cloze/clozelayout.h"

#include "content/cloze/clozecontent.h"
#include "document/document.h"
#include "support/fixedwidthcanvas.h"

#include <gtest/gtest.h>

namespace velunto {
namespace {

using testing::FixedWidthCanvas;

// On a page 870 wide the text starts at 22 pixels: characters 11 wide, lines
// 31 apart (rnd(1.1 x rnd(1.25 x 22))), every paragraph 10 below its y.
constexpr QSize kPage(870, 600);

Document clozeDocument(const QString& text, int subType = ClozeSubType::Flowing)
{
    Document doc;
    startClozeDocument(doc, subType);
    doc.header.EinrueckRand = {0.0, 0.0, 0.0, 0.0};
    doc.header.lueckentext = text;
    return doc;
}

std::vector<ObjDataTyp> objectsOfKind(const Document& doc, int kind)
{
    std::vector<ObjDataTyp> found;
    for (const ObjDataTyp& o : doc.objects) {
        if (o.Typ == kind)
            found.push_back(o);
    }
    return found;
}

TEST(ClozeLayout, PlacesGapCardsOnTheirGapsWithinTheIndentMargins)
{
    Document doc = clozeDocument(QStringLiteral("Die Sonne geht im <<Osten | osten>> auf.\r\n"
                                                "Haus<<tür>>en    \r\n\r\n<<>>"));
    doc.header.EinrueckRand = {0.1, 0.05, 0.1, 0.0}; // leftX 87, topY 30
    FixedWidthCanvas canvas;
    const ClozeLayoutResult result = layoutCloze(doc, canvas, kPage, true, true);
    EXPECT_EQ(result.fontHeight, 22);
    EXPECT_EQ(result.fontShrink, 0);

    const auto gaps = objectsOfKind(doc, ObjectKind::GapCard);
    ASSERT_EQ(gaps.size(), 3u);
    EXPECT_EQ(gaps[0].Text, QStringLiteral("Osten"));
    EXPECT_EQ(gaps[0].BildKenn, QStringLiteral("|Osten|osten|"));
    // 18 characters before the gap, the gap " Osten" 66 wide
    EXPECT_DOUBLE_EQ(gaps[0].Kx, (87 + 198 + 33) / 870.0);
    EXPECT_DOUBLE_EQ(gaps[0].Ky, (30 + 10 + 22 + 4) / 600.0);
    // the second paragraph starts below the first; "Haus" before the gap,
    // which is as wide as " XXX" (MinLuecke 3)
    EXPECT_DOUBLE_EQ(gaps[1].Kx, (87 + 44 + 22) / 870.0);
    EXPECT_DOUBLE_EQ(gaps[1].Ky, (30 + 41 + 10 + 22 + 4) / 600.0);
    // an empty paragraph takes a line; the empty gap keeps an empty answer
    EXPECT_EQ(gaps[2].Text, QString());
    EXPECT_EQ(gaps[2].BildKenn, QStringLiteral("||"));
    EXPECT_DOUBLE_EQ(gaps[2].Ky, (30 + 3 * 41 + 10 + 22 + 4) / 600.0);

    // the text is drawn without its gaps, the glued letters with their word
    EXPECT_EQ(canvas.drawnText(), QStringLiteral("Die Sonne geht im  auf. Hausen   "));
    EXPECT_EQ(doc.clozeFontStep, 0);
}

TEST(ClozeLayout, ShrinksUntilTheTextFitsAndEndsAlsoWhenItNeverFits)
{
    // Ten one-line paragraphs take 410 pixels at 22, 370 at 20.
    QStringList lines;
    for (int i = 0; i < 10; ++i)
        lines << QStringLiteral("Zeile <<%1>>").arg(i);
    const QString text = lines.join(QStringLiteral("\r\n"));

    struct Case
    {
        int height;
        int fontHeight;
    };
    // 22, 20, 18, 16, 14, 13, 12, 11, 10, 9, 8: about a tenth per step.
    const Case cases[] = {{410, 22}, {409, 20}, {370, 20}, {369, 18}, {300, 16}, {1, 8}};
    for (const Case& c : cases) {
        Document doc = clozeDocument(text);
        FixedWidthCanvas canvas;
        const ClozeLayoutResult result = layoutCloze(doc, canvas, {870, c.height}, true, false);
        EXPECT_EQ(result.fontHeight, c.fontHeight) << c.height;
        EXPECT_EQ(doc.clozeFontStep, c.fontHeight - 22) << c.height;
        // the gaps are built at the size found, also past the bottom
        const auto gaps = objectsOfKind(doc, ObjectKind::GapCard);
        ASSERT_EQ(gaps.size(), 10u);
        EXPECT_DOUBLE_EQ(gaps[0].Kx, (6 * c.fontHeight / 2 + 2 * c.fontHeight / 2) / 870.0);
        EXPECT_TRUE(canvas.texts.empty());
    }

    // margins that leave no room at all: the top margin lies below the bottom one
    Document doc = clozeDocument(text);
    doc.header.EinrueckRand = {0.0, 0.6, 0.0, 0.6};
    FixedWidthCanvas canvas;
    EXPECT_EQ(layoutCloze(doc, canvas, kPage, true, false).fontHeight, 8);
}

TEST(ClozeLayout, CreateRebuildsItsObjectsAndWithoutItOnlyMovesThem)
{
    Document doc = clozeDocument(QStringLiteral("<<eins>> <<zwei>>\r\n<<drei>>"),
                                 ClozeSubType::FlowingWithWrongWords);
    doc.header.fragentext = QStringLiteral("Baum\r\n   \r\n  Haus ");
    doc.addGeneratedObject(ObjectKind::FixedLabel, 1, QStringLiteral("Titel"), -1, 0.5, 0.5, 0, 0);
    doc.addGeneratedObject(ObjectKind::GapCard, 1, QStringLiteral("alt"), 0, 0.5, 0.5, 2, 0);
    doc.addGeneratedObject(ObjectKind::DistractorCard, 0, QStringLiteral("alt"), -1, 0, 0, 1, 0);
    doc.addGeneratedObject(ObjectKind::TableQueryText, 1, QStringLiteral("alt"), 0, 0, 0, 4, 0);

    FixedWidthCanvas canvas;
    layoutCloze(doc, canvas, kPage, true, false);
    ASSERT_EQ(doc.objectCount(), 6);
    EXPECT_EQ(doc.objects[0].Text, QStringLiteral("Titel"));
    const auto gaps = objectsOfKind(doc, ObjectKind::GapCard);
    ASSERT_EQ(gaps.size(), 3u);
    EXPECT_EQ(gaps[2].Text, QStringLiteral("drei"));
    const auto words = objectsOfKind(doc, ObjectKind::DistractorCard);
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[1].Text, QStringLiteral("  Haus "));
    EXPECT_EQ(words[1].Ebene, Layer::BaseImage);
    EXPECT_EQ(words[1].KAusr, Side::Right);
    EXPECT_EQ(words[1].FrageNummer, -1);
    EXPECT_DOUBLE_EQ(words[1].Kx, 0.0);
    EXPECT_DOUBLE_EQ(words[1].Ky, 0.0);

    // Without create the gap cards go back to their places, in object order;
    // nothing is added, and a missing gap card is simply not moved.
    const std::vector<ObjDataTyp> built = doc.objects;
    for (ObjDataTyp& o : doc.objects) {
        if (o.Typ == ObjectKind::GapCard)
            o.Kx = o.Ky = o.Sx = o.Sy = 0.9;
    }
    doc.objects.erase(doc.objects.begin() + 3); // the third gap card
    layoutCloze(doc, canvas, kPage, false, false);
    ASSERT_EQ(doc.objectCount(), 5);
    for (int i : {1, 2}) {
        EXPECT_DOUBLE_EQ(doc.objects[i].Kx, built[i].Kx);
        EXPECT_DOUBLE_EQ(doc.objects[i].Sy, built[i].Sy);
    }
}

TEST(ClozeLayout, WrongWordsOnlyForTheirSubTypesAndNothingOutsideACloze)
{
    for (int subType : {0, 1, 2, 3, 4}) {
        Document doc = clozeDocument(QString(), subType);
        doc.header.fragentext = QStringLiteral("Baum");
        FixedWidthCanvas canvas;
        layoutCloze(doc, canvas, kPage, true, true);
        // an empty text gives no gap and draws nothing
        EXPECT_TRUE(canvas.drawnText().trimmed().isEmpty());
        EXPECT_EQ(doc.objectCount(), hasWrongWords(subType) ? 1 : 0) << subType;
    }

    Document doc = clozeDocument(QStringLiteral("<<eins>>"));
    doc.header.DokTyp = DokTyp::Questions;
    doc.addGeneratedObject(ObjectKind::GapCard, 1, QStringLiteral("alt"), 0, 0.5, 0.5, 2, 0);
    FixedWidthCanvas canvas;
    layoutCloze(doc, canvas, kPage, true, true);
    ASSERT_EQ(doc.objectCount(), 1);
    EXPECT_EQ(doc.objects[0].Text, QStringLiteral("alt"));
}

// --- the gap table --------------------------------------------------------------

// Two columns of 422 with a gap of 26 on a page 870 x 600 without margins;
// rows 300 tall nominally.
Document tableDocument()
{
    Document doc = clozeDocument(QString(), ClozeSubType::Table);
    HeaderDataTyp& h = doc.header;
    h.LueckenTabelleZeilen = 2;
    h.LueckenTabelleSpalten = 2;
    auto& t = h.LueckenTabelle;
    t[0][0].Text = QStringLiteral("Der <<Hund>> bellt.");
    t[0][1].Art = CellKind::QueryText;
    t[0][1].Text = QStringLiteral("Katze");
    t[1][0].Art = CellKind::QueryImage;
    t[1][0].Bild = QImage(20, 10, QImage::Format_ARGB32);
    t[1][0].BildKenn = QStringLiteral("Tier");
    t[1][0].BildkarteAnpassen = 1;
    t[1][1].Art = CellKind::ImageLink;
    t[1][1].Groesse = 40;
    t[1][1].Bild = QImage(20, 10, QImage::Format_ARGB32);
    t[1][1].Link = QStringLiteral("tiere.pdf");
    t[1][1].LinkInUebung = 1;
    return doc;
}

TEST(GapTableLayout, BuildsCellObjectsRowByRowAtTheirAnchors)
{
    Document doc = tableDocument();
    doc.header.LueckenTabelleLinie = 1;
    FixedWidthCanvas canvas;
    const ClozeLayoutResult result = layoutCloze(doc, canvas, kPage, true, true);

    ASSERT_EQ(doc.objectCount(), 4);
    const ObjDataTyp& gap = doc.objects[0];
    EXPECT_EQ(gap.Typ, ObjectKind::GapCard);
    const double gapX = (44 + 55 / 2.0) / 870.0;
    EXPECT_DOUBLE_EQ(gap.Kx, gapX);
    EXPECT_DOUBLE_EQ(gap.Ky, (10 + 22 + 4) / 600.0);

    const ObjDataTyp& text = doc.objects[1];
    EXPECT_EQ(text.Typ, ObjectKind::TableQueryText);
    EXPECT_EQ(text.Text, QStringLiteral("Katze"));
    EXPECT_EQ(text.FrageNummer, 0);
    EXPECT_EQ(text.KAusr, Side::Bottom);
    EXPECT_EQ(text.TAusr, 1);
    EXPECT_DOUBLE_EQ(text.Kx, (448 + 211) / 870.0);
    EXPECT_DOUBLE_EQ(text.Ky, 0.015);
    EXPECT_DOUBLE_EQ(text.KBreite, 0.95 * 422 / 870.0);
    EXPECT_DOUBLE_EQ(text.KHoehe, 0.75 * 300 / 600.0 - 0.03);

    // The second row starts below the query text (225), the tallest cell.
    const ObjDataTyp& query = doc.objects[2];
    EXPECT_EQ(query.Typ, ObjectKind::TableQueryImage);
    EXPECT_DOUBLE_EQ(query.Kx, 211 / 870.0);
    EXPECT_DOUBLE_EQ(query.Ky, 225 / 600.0 + 0.0035);
    EXPECT_EQ(query.Fsize, 20);
    EXPECT_EQ(query.BildKenn, QStringLiteral("Tier"));
    EXPECT_EQ(query.BildkarteAnpassen, 1);
    EXPECT_EQ(query.Bild.size(), QSize(20, 10));
    EXPECT_EQ(query.KAusr, Side::Bottom);

    const ObjDataTyp& link = doc.objects[3];
    EXPECT_EQ(link.Typ, ObjectKind::TableImageLink);
    EXPECT_EQ(link.Text, QStringLiteral("tiere.pdf"));
    EXPECT_EQ(link.PunktInUebung, 1);
    EXPECT_EQ(link.Fsize, 40);

    // A line under the first row; between the columns, down to the bottom
    // of the taller picture: rnd((40 x 2 + 22) x 1.115 + 16.8) = 131.
    ASSERT_EQ(result.gridLines.size(), 2u);
    EXPECT_EQ(result.gridLines[0], QLine(0, 225, 869, 225));
    EXPECT_EQ(result.gridLines[1], QLine(435, 0, 435, 225 + 131 - 1));

    // Without create only the card positions of the table objects move.
    for (ObjDataTyp& o : doc.objects)
        o.Kx = o.Ky = o.Sx = 0.9;
    layoutCloze(doc, canvas, kPage, false, false);
    EXPECT_DOUBLE_EQ(doc.objects[2].Ky, 225 / 600.0 + 0.0035);
    EXPECT_DOUBLE_EQ(doc.objects[2].Sx, 0.9);
    EXPECT_DOUBLE_EQ(doc.objects[0].Sx, gapX);
}

TEST(GapTableLayout, TextCellsShrinkTheWholeTableAndTheFitEnds)
{
    Document doc = tableDocument();
    doc.header.LueckenTabelleZeilen = 1;
    QStringList lines;
    for (int i = 0; i < 15; ++i)
        lines << QStringLiteral("Zeile <<%1>>").arg(i);
    doc.header.LueckenTabelle[0][0].Text = lines.join(QStringLiteral("\r\n"));
    FixedWidthCanvas canvas;
    // 15 paragraphs take 615 at 22 and 555 at 20.
    EXPECT_EQ(layoutCloze(doc, canvas, kPage, true, false).fontHeight, 20);
    EXPECT_EQ(objectsOfKind(doc, ObjectKind::GapCard).size(), 15u);

    EXPECT_EQ(layoutCloze(doc, canvas, {870, 40}, true, false).fontHeight, 8);
}

} // namespace
} // namespace velunto
