// Documents of the cluster exercise, the cross assignment and the crossword
// that hold only their table or grid: loading builds their objects, as it
// does in the program and in velunto-tool alike.

#include "content/cluster/clustercontent.h"
#include "content/contentregistry.h"
#include "content/crossassign/pairlayout.h"
#include "content/crossword/crosswordlayout.h"
#include "document/document.h"
#include "document/documentfile.h"
#include "document/objectkinds.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <map>

using namespace velunto;

namespace {

// Saves doc without any object and loads it back.
Document reloadedWithoutObjects(Document doc)
{
    doc.objects.clear();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("inhalt.vlt"));
    EXPECT_TRUE(saveDocument(doc, path).ok);
    Document loaded;
    EXPECT_TRUE(loadDocument(loaded, path).ok);
    return loaded;
}

struct Built
{
    int kind;
    QString text;
    int frageNummer;
};

std::vector<Built> built(const Document& doc)
{
    std::vector<Built> list;
    for (const ObjDataTyp& o : doc.objects)
        list.push_back({o.Typ, o.Text, o.FrageNummer});
    return list;
}

void expectBuilt(const Document& doc, const std::vector<Built>& expected)
{
    const std::vector<Built> got = built(doc);
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].kind, expected[i].kind);
        EXPECT_EQ(got[i].text, expected[i].text);
        EXPECT_EQ(got[i].frageNummer, expected[i].frageNummer);
    }
}

} // namespace

TEST(PuzzleTypes, AClusterTableBuildsItsCardsWhenLoaded)
{
    Document doc;
    prepareNewCluster(doc);
    GapTableContent table = gapTableContent(doc.header);
    table.rows = 3;
    table.columns = 2;
    const char* const cells[3][2] = {{"Obst", "Gemüse"}, {"Apfel", "  "}, {"Birne", "Gurke"}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 2; ++c) {
            table.cells[r][c].Art = r == 0 ? 0 : 1;
            table.cells[r][c].Text = QString::fromUtf8(cells[r][c]);
        }
    }
    applyClusterContent(doc, table);
    const Document loaded = reloadedWithoutObjects(doc);

    using namespace ObjectKind;
    // The blank cell makes no card, and the numbers run on without a gap.
    expectBuilt(loaded, {{ClusterFixedText, "Obst", -1},
                         {ClusterFixedText, "Gemüse", -1},
                         {ClusterQueryText, "Apfel", 1},
                         {ClusterQueryText, "Birne", 2},
                         {ClusterQueryText, "Gurke", 3}});
    const ObjDataTyp& gurke = loaded.objects[4];
    EXPECT_EQ(gurke.KorbSpalte, 1);
    EXPECT_EQ(gurke.KorbZeile, 2);
    EXPECT_EQ(gurke.KAusr, Side::Centre);
    EXPECT_EQ(gurke.TAusr, 1);
    EXPECT_EQ(gurke.Fsize, 0);
    EXPECT_EQ(loaded.objects[2].KorbSpalte, 0);
    EXPECT_EQ(askedObjects(loaded), (std::vector<int>{2, 3, 4}));
}

TEST(PuzzleTypes, ACrossAssignmentTableBuildsItsPairsWhenLoaded)
{
    Document doc;
    prepareNewPairs(doc);
    GapTableContent table = gapTableContent(doc.header);
    table.rows = 2;
    table.columns = 2;
    table.lineColour = 0x123456;
    table.cells[0][0].Text = QStringLiteral("Hund");
    table.cells[0][1].Text = QStringLiteral("bellt");
    table.cells[1][0].Text = QStringLiteral("Kuh");
    table.cells[1][1].Text = QStringLiteral("muht");
    applyPairContent(doc, table);
    const Document loaded = reloadedWithoutObjects(doc);

    using namespace ObjectKind;
    // Every cell is a query text, but only the right-hand element is asked.
    expectBuilt(loaded, {{PairQueryText, "Hund", -1},
                         {PairQueryText, "bellt", 1},
                         {PairQueryText, "Kuh ", -1},
                         {PairQueryText, "muht", 2}});
    for (int row = 0; row < 2; ++row) {
        SCOPED_TRACE(row);
        const ObjDataTyp& left = loaded.objects[2 * row];
        const ObjDataTyp& right = loaded.objects[2 * row + 1];
        EXPECT_EQ(left.Partner, 2 * row + 1);
        EXPECT_EQ(right.Partner, 2 * row);
        EXPECT_EQ(left.BildKenn, QStringLiteral("Paar#%1").arg(row + 1));
        EXPECT_EQ(right.BildKenn, left.BildKenn);
        EXPECT_EQ(right.Sline, kPairLine);
        EXPECT_EQ(right.LinieFarbe, 0x123456);
        EXPECT_EQ(left.Sline, 0);
    }
    EXPECT_EQ(askedObjects(loaded), (std::vector<int>{0, 1, 2, 3}));
}

TEST(PuzzleTypes, ACrosswordGridBuildsItsLetterBoxesWhenLoaded)
{
    Document doc;
    prepareNewCrossword(doc);
    CrosswordContent content = crosswordContent(doc.header);
    // #W1 across row 0 from column 1, #S1 down column 2 from row 1: "OHR"
    // and "HUT" share the H.
    gridCell(content.grid, 0, 0) = QStringLiteral("#W1");
    gridCell(content.grid, 1, 0) = QStringLiteral("O");
    gridCell(content.grid, 2, 0) = QStringLiteral("H");
    gridCell(content.grid, 3, 0) = QStringLiteral("R");
    gridCell(content.grid, 2, 1) = QStringLiteral("U");
    gridCell(content.grid, 2, 2) = QStringLiteral("T");
    applyCrosswordContent(doc, content);
    const Document loaded = reloadedWithoutObjects(doc);

    using ObjectKind::CrosswordCell;
    expectBuilt(loaded, {{CrosswordCell, "O", 0},
                         {CrosswordCell, "H", 0},
                         {CrosswordCell, "R", 0},
                         {CrosswordCell, "U", 0},
                         {CrosswordCell, "T", 0}});
    EXPECT_EQ(loaded.header.TextCol, loaded.header.KreuzFarben[3]);
    // size = max(3 - 0, 2 - 0, 1) = 3: rnd(30 / 3 x 2 - 5) = 15.
    EXPECT_EQ(loaded.objects[0].Fsize, 15);
    EXPECT_EQ(loaded.objects[0].KAusr, Side::Centre);
    EXPECT_EQ(askedObjects(loaded, true).size(), 5u);
}

// The shipped samples: two of each type, each with something to sort,
// connect or type.
TEST(PuzzleTypes, TheSamplesShipTwoOfEachWithQueries)
{
    const QDir folder(QStringLiteral(VELUNTO_SOURCE_DIR "/data/beispiele"));
    std::map<int, int> documents;
    for (const QString& name : folder.entryList({QStringLiteral("*.vlt")}, QDir::Files)) {
        Document doc;
        ASSERT_TRUE(loadDocument(doc, folder.filePath(name)).ok) << name.toStdString();
        const int typ = doc.header.DokTyp;
        if (typ < DokTyp::Cluster || typ > DokTyp::Crossword)
            continue;
        SCOPED_TRACE(name.toStdString());
        ++documents[typ];
        EXPECT_GE(askedObjects(doc).size(), 4u);
        for (const ObjDataTyp& o : doc.objects) {
            if (o.Typ == ObjectKind::ClusterQueryImage || o.Typ == ObjectKind::PairQueryImage) {
                EXPECT_FALSE(o.Bild.isNull());
            }
        }
    }
    EXPECT_EQ(documents, (std::map<int, int>{
                             {DokTyp::Cluster, 2}, {DokTyp::CrossAssign, 2}, {DokTyp::Crossword, 2}}));
}
