#include "content/cluster/clustercontent.h"
#include "content/crossassign/pairlayout.h"
#include "document/document.h"

#include <gtest/gtest.h>

using namespace velunto;

namespace {

// A document that holds leftovers of a cloze: a wrong-word card, a gap card,
// cloze text, and an authored label.
Document usedDocument()
{
    Document doc;
    doc.header.DokTyp = DokTyp::Cloze;
    doc.header.DokUnterTyp = ClozeSubType::Table;
    doc.header.lueckentext = QStringLiteral("alt");
    doc.header.fragentext = QStringLiteral("alt");
    doc.addGeneratedObject(ObjectKind::DistractorCard, 1, QStringLiteral("falsch"), -1, 0.5, 0.5, 5,
                           0);
    doc.addGeneratedObject(ObjectKind::GapCard, 1, QStringLiteral("Lücke"), -1, 0.5, 0.5, 5, 0);
    doc.newObject(ObjectKind::FixedLabel, {0, 0, 1, 1}, 1, false, 0);
    return doc;
}

GapTableContent editedTable(int rows, int columns)
{
    GapTableContent content;
    content.rows = rows;
    content.columns = columns;
    for (int r = 0; r < kTableRows; ++r) {
        for (int c = 0; c < kTableColumns; ++c) {
            auto& cell = content.cells[r][c];
            cell.Art = 1;
            cell.Text = QStringLiteral("r%1c%2").arg(r).arg(c);
            cell.BildKenn = QStringLiteral("k%1").arg(c);
            cell.Groesse = 35;
        }
    }
    auto& withPicture = content.cells[0][1];
    withPicture.Art = 3;
    withPicture.Bild = QImage(8, 8, QImage::Format_RGB32);
    content.cells[1][0].Art = 3; // no picture chosen
    content.cells[1][1].Art = 2;
    return content;
}

} // namespace

TEST(EditorContent, TheEditedTableReplacesTheOldContent)
{
    struct Case
    {
        const char* name;
        int columnsGiven;
        int columnsKept;
        bool cluster;
    };
    for (const Case& c : {Case{"cluster", 3, 3, true}, Case{"cluster, one basket", 1, 2, true},
                          Case{"pairs", 3, 3, false}, Case{"pairs, four columns", 4, 2, false}}) {
        SCOPED_TRACE(c.name);
        Document doc = usedDocument();
        const auto backgrounds = doc.header.SpaltenHtgd;
        GapTableContent content = editedTable(2, c.columnsGiven);
        content.columnBackgrounds[0] = {0x00FF00, 70};
        content.lineColour = 0x0000FF;
        if (c.cluster)
            applyClusterContent(doc, content);
        else
            applyPairContent(doc, content);

        const HeaderDataTyp& h = doc.header;
        EXPECT_EQ(h.DokTyp, c.cluster ? DokTyp::Cluster : DokTyp::CrossAssign);
        EXPECT_EQ(h.DokUnterTyp, 0);
        EXPECT_TRUE(h.lueckentext.isEmpty() && h.fragentext.isEmpty());
        EXPECT_TRUE(doc.isModified());
        EXPECT_EQ(h.LueckenTabelleSpalten, c.columnsKept);
        EXPECT_EQ(h.LueckenTabelleLinieCol, 0x0000FF);
        EXPECT_EQ(h.SpaltenHtgd[0].value, c.cluster ? 70 : backgrounds[0].value);
        EXPECT_EQ(doc.objects[0].Typ, ObjectKind::FixedLabel);
        EXPECT_TRUE(std::none_of(doc.objects.begin(), doc.objects.end(), [](const ObjDataTyp& o) {
            return o.Typ == ObjectKind::DistractorCard || o.Typ == ObjectKind::GapCard;
        }));
        EXPECT_GT(doc.objectCount(), 1); // laid out

        // Used cells come from the editor; a picture cell without picture is
        // an empty static text.
        EXPECT_EQ(h.LueckenTabelle[0][0].Text, QStringLiteral("r0c0"));
        EXPECT_EQ(h.LueckenTabelle[0][1].Art, 3);
        EXPECT_FALSE(h.LueckenTabelle[0][1].Bild.isNull());
        for (auto [r, col] : {std::pair{1, 0}, std::pair{1, 1}}) {
            EXPECT_EQ(h.LueckenTabelle[r][col].Art, 0);
            EXPECT_TRUE(h.LueckenTabelle[r][col].Text.isEmpty());
        }
        // Cells outside the used area are empty query texts that keep only
        // their picture settings.
        const lueckentabellearrtyp& outside = h.LueckenTabelle[2][0];
        EXPECT_EQ(outside.Art, 1);
        EXPECT_TRUE(outside.Text.isEmpty());
        EXPECT_EQ(outside.BildKenn, QStringLiteral("k0"));
        EXPECT_EQ(outside.Groesse, 35);
        EXPECT_TRUE(h.LueckenTabelle[0][c.columnsKept].Text.isEmpty());
    }
}

TEST(EditorContent, NewDocumentsOfTheTwoTableTypes)
{
    Document cluster;
    prepareNewCluster(cluster);
    Document pairs;
    prepareNewPairs(pairs);
    for (const Document* doc : {&cluster, &pairs}) {
        EXPECT_EQ(doc->header.LueckenTabelle[15][11].Art, 1);
        EXPECT_EQ(doc->header.EinrueckRand, (RectD{0.035, 0.03, 0.035, 0.03}));
    }
    EXPECT_EQ(cluster.header.DokTyp, DokTyp::Cluster);
    EXPECT_EQ(cluster.header.LueckenTabelleLinieCol, 0xC0C0C0);
    EXPECT_EQ(pairs.header.DokTyp, DokTyp::CrossAssign);
    EXPECT_EQ(pairs.header.LueckenTabelleLinieCol, 0x000000);
    EXPECT_EQ(pairs.header.ABAufgabe,
              QStringLiteral("Aufgabe: Verbinde die einander zugehörigen Elemente!"));
}
