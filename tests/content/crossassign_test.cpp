#include "common/numeric.h"
#include "common/random.h"
#include "content/crossassign/pairlayout.h"
#include "content/crossassign/pairpainting.h"
#include "document/document.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"
#include "view/objectpainter.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <algorithm>

using namespace velunto;

namespace {

const QSize kPage(1000, 700);

// rows x columns, every cell a query text named by its row and column; the
// cells listed in statics are static texts.
Document pairDocument(int rows, int columns,
                      std::initializer_list<std::pair<int, int>> statics = {})
{
    Document doc;
    doc.header.DokTyp = DokTyp::CrossAssign;
    doc.header.EinrueckRand = defaultEinrueckRand(DokTyp::CrossAssign);
    doc.header.LueckenTabelleZeilen = rows;
    doc.header.LueckenTabelleSpalten = columns;
    doc.header.LueckenTabelleLinieCol = 0x123456;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < 3; ++c) {
            auto& cell = doc.header.LueckenTabelle[r][c];
            cell.Art = 1;
            cell.Text = QStringLiteral("%1%2").arg(QChar(u'a' + c)).arg(r + 1);
        }
    }
    for (auto [r, c] : statics)
        doc.header.LueckenTabelle[r][c].Art = 0;
    return doc;
}

std::vector<int> queryElements(const Document& doc)
{
    std::vector<int> found;
    for (int i = 0; i < doc.objectCount(); ++i) {
        const ObjDataTyp& o = doc.objects[i];
        if ((o.Typ == ObjectKind::PairQueryText || o.Typ == ObjectKind::PairQueryImage) &&
            o.FrageNummer > 0)
            found.push_back(i);
    }
    return found;
}

bool atHome(const ObjDataTyp& o)
{
    return o.Ky == o.Sy;
}

} // namespace

TEST(PairLayout, TwoColumnsInSolutionOrder)
{
    Document doc = pairDocument(3, 2, {{1, 1}});
    doc.header.LueckenTabelle[2][0].Text.clear();
    doc.newObject(ObjectKind::QueryLabel, {0, 0, 1, 1}, 1, false, 0);
    layoutPairs(doc, kPage);
    layoutPairs(doc, kPage);

    ASSERT_EQ(doc.objectCount(), 7);
    // W 1000, H 700: left 35, top 21, column 465, offset 116, row 219.
    const double y0 = (0.5 * 219 + 21) / 700.0;
    for (int r = 0; r < 3; ++r) {
        SCOPED_TRACE(r);
        const ObjDataTyp& left = doc.objects[1 + 2 * r];
        const ObjDataTyp& right = doc.objects[2 + 2 * r];
        EXPECT_EQ(left.Partner, 2 + 2 * r);
        EXPECT_EQ(right.Partner, 1 + 2 * r);
        EXPECT_EQ(left.BildKenn, QStringLiteral("Paar#%1").arg(r + 1));
        EXPECT_EQ(right.BildKenn, left.BildKenn);
        EXPECT_DOUBLE_EQ(left.Kx, (35 + 465 - 116) / 1000.0);
        EXPECT_DOUBLE_EQ(right.Kx, (35 + 465 + 116) / 1000.0);
        EXPECT_DOUBLE_EQ(left.Ky, y0 + r * 219 / 700.0);
        EXPECT_EQ(left.KAusr, Side::Left);
        EXPECT_EQ(left.TAusr, 2);
        EXPECT_EQ(right.KAusr, Side::Right);
        EXPECT_EQ(right.TAusr, 0);
        EXPECT_EQ(left.FrageNummer, -1);
        EXPECT_EQ(left.Sline, 0);
        // The pair line runs along the row from the left card's point.
        EXPECT_EQ(right.Sline, kPairLine);
        EXPECT_EQ(right.LinieDicke, 2);
        EXPECT_EQ(right.LinieFarbe, 0x123456);
        EXPECT_DOUBLE_EQ(right.Sx, left.Kx);
        EXPECT_EQ(right.Sy, right.Ky);
        EXPECT_DOUBLE_EQ(right.KBreite, (465 - 116) / 1000.0);
        EXPECT_DOUBLE_EQ(right.KHoehe, 0.85 * 219 / 700.0);
    }
    EXPECT_EQ(doc.objects[2].Text, QStringLiteral("b1  "));
    EXPECT_EQ(doc.objects[5].Text, QStringLiteral("    ")); // an empty cell still makes an element
    // The static right cell of row 2 is an element without a number.
    EXPECT_EQ(doc.objects[4].Typ, ObjectKind::PairFixedText);
    EXPECT_EQ(doc.objects[4].FrageNummer, -1);
    EXPECT_EQ(doc.objects[2].FrageNummer, 1);
    EXPECT_EQ(doc.objects[6].FrageNummer, 2);
}

TEST(PairLayout, ThreeColumnsAppendTheSecondPairsAfterTheFirst)
{
    const int rows = 2;
    Document doc = pairDocument(rows, 3);
    doc.header.LueckenTabelle[1][2].Art = 3;
    doc.header.LueckenTabelle[1][2].Groesse = 15;
    layoutPairs(doc, kPage);

    ASSERT_EQ(doc.objectCount(), 4 * rows);
    // Column width rnd(930 / 3.3) = 282, offset 70, base 35 + rnd(648.6) = 684.
    for (int r = 0; r < rows; ++r) {
        SCOPED_TRACE(r);
        const int middle = 2 * r + 1;
        const int copy = middle + 2 * rows - 1;
        const int third = middle + 2 * rows;
        const ObjDataTyp& m = doc.objects[middle];
        EXPECT_EQ(m.KAusr, Side::Centre);
        EXPECT_DOUBLE_EQ(m.Kx, (35 + 282 + 70 + rnd(212 * 0.5)) / 1000.0);
        // The middle element's line starts where the left card ends.
        EXPECT_DOUBLE_EQ(m.Sx, doc.objects[middle - 1].Kx);
        EXPECT_EQ(m.FrageNummer, r + 1);

        const ObjDataTyp& c = doc.objects[copy];
        EXPECT_EQ(c.Sichtbar, 0);
        EXPECT_EQ(c.Text, m.Text);
        EXPECT_EQ(c.FrageNummer, -1);
        EXPECT_DOUBLE_EQ(c.Kx, (684 - 70) / 1000.0);
        EXPECT_EQ(c.Partner, third);

        const ObjDataTyp& t = doc.objects[third];
        EXPECT_DOUBLE_EQ(t.Kx, (684 + 70) / 1000.0);
        // and the second pair's line where the middle card ends.
        EXPECT_DOUBLE_EQ(t.Sx, m.Kx + m.KBreite / 2);
        EXPECT_EQ(t.Partner, copy);
        EXPECT_EQ(t.FrageNummer, rows + r + 1);
        EXPECT_EQ(t.BildKenn, QStringLiteral("Paar2#%1").arg(r + 1));
        EXPECT_EQ(c.BildKenn, t.BildKenn);
    }
    EXPECT_EQ(doc.objects[7].Typ, ObjectKind::PairQueryImage);
    EXPECT_EQ(doc.objects[7].Fsize, 15);
    EXPECT_TRUE(doc.objects[7].Text.isEmpty());
}

TEST(PairShuffle, AlwaysEndsWithEveryElementAwayFromHomeWherePossible)
{
    struct Case
    {
        const char* name;
        int rows;
        int columns;
        std::vector<std::pair<int, int>> statics;
        bool allAway; // false: a column with a single element may stay at home
    };
    const Case cases[] = {
        {"two columns, two elements", 2, 2, {}, true},
        {"two columns, five elements", 5, 2, {}, true},
        {"two columns, one element", 2, 2, {{1, 1}}, false},
        {"two columns, a static right cell stays", 3, 2, {{0, 1}}, true},
        {"three columns, two chains", 2, 3, {}, true},
        {"three columns, one query element", 1, 3, {{0, 1}}, false},
        {"three columns, one middle and three third", 3, 3, {{0, 1}, {1, 1}}, false},
        {"three columns, three middle and one third", 3, 3, {{0, 2}, {1, 2}}, false},
        {"three columns, three middle and two third", 3, 3, {{1, 2}}, true},
        {"three columns, no query element", 2, 3, {{0, 1}, {1, 1}, {0, 2}, {1, 2}}, true},
    };
    for (const Case& c : cases) {
        for (std::uint32_t seed = 0; seed < 40; ++seed) {
            SCOPED_TRACE(testing::Message() << c.name << ", seed " << seed);
            Document doc = pairDocument(c.rows, c.columns, {});
            for (auto [r, col] : c.statics)
                doc.header.LueckenTabelle[r][col].Art = 0;
            layoutPairs(doc, kPage);
            std::vector<double> before;
            for (const ObjDataTyp& o : doc.objects)
                before.push_back(o.Ky);

            RandomSource random(seed);
            shufflePairs(doc, random);

            // Places are only exchanged.
            std::vector<double> after;
            for (const ObjDataTyp& o : doc.objects)
                after.push_back(o.Ky);
            EXPECT_TRUE(std::is_permutation(before.begin(), before.end(), after.begin()));
            // Static right elements never leave their line's row.
            for (const ObjDataTyp& o : doc.objects) {
                if (o.Sline == kPairLine && o.FrageNummer < 0) {
                    EXPECT_TRUE(atHome(o));
                }
            }
            if (c.allAway) {
                for (int i : queryElements(doc))
                    EXPECT_FALSE(atHome(doc.objects[i])) << "element " << i;
            }
            // A chain stays together: the hidden copy stands in its middle
            // element's row, and the third element's line starts there.
            if (c.columns == 3) {
                for (int r = 0; r < c.rows; ++r) {
                    const int middle = 2 * r + 1;
                    const int copy = middle + 2 * c.rows - 1;
                    EXPECT_EQ(doc.objects[copy].Ky, doc.objects[middle].Ky);
                    EXPECT_EQ(doc.objects[copy + 1].Sy, doc.objects[copy].Ky);
                }
            }
        }
    }
}

TEST(PairShuffle, TheSolutionComesBackWithTheNextLayout)
{
    Document doc = pairDocument(4, 3);
    layoutPairs(doc, kPage);
    RandomSource random(5);
    shufflePairs(doc, random);
    layoutPairs(doc, kPage);
    for (int i : queryElements(doc))
        EXPECT_TRUE(atHome(doc.objects[i]));
}

TEST(PairLayout, PartnersFollowAnObjectDeletedBeforeTheElements)
{
    Document doc = pairDocument(2, 3);
    doc.newObject(ObjectKind::QueryLabel, {0, 0, 1, 1}, 1, false, 0);
    doc.newObject(ObjectKind::QueryLabel, {0, 0, 1, 1}, 2, false, 0);
    layoutPairs(doc, kPage);
    doc.deleteObject(0);
    doc.duplicateObject(0);
    doc.deleteObject(0);
    doc.deleteObject(0);

    relinkPairPartners(doc);
    for (int i = 0; i < doc.objectCount(); ++i) {
        const int partner = doc.objects[i].Partner;
        ASSERT_TRUE(doc.isValidIndex(partner));
        EXPECT_EQ(doc.objects[partner].Partner, i);
        EXPECT_EQ(doc.objects[partner].BildKenn, doc.objects[i].BildKenn);
        EXPECT_EQ(partner, i % 2 == 0 ? i + 1 : i - 1);
    }
}

TEST(PairLine, RunsFromTheAnchorToTheCardAndLosesItsMiddleOnATaskSheet)
{
    Document doc = pairDocument(2, 2);
    layoutPairs(doc, kPage);
    RandomSource random(3);
    shufflePairs(doc, random);
    Session session;
    ViewState view{session};
    QImage page(kPage, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&page);
    PainterCanvas canvas(&p);
    DrawContext ctx{&p, &canvas, &doc, &view, kPage};

    const ObjDataTyp& right = doc.objects[1];
    const auto points = pairLinePoints(ctx, right);
    EXPECT_EQ(points[0], ctx.toPicture(right.Sx, right.Sy));
    EXPECT_EQ(points[1], points[0] + QPoint(ctx.scaled(50), 0));
    EXPECT_EQ(points[3], ctx.toPicture(right.Kx, right.Ky));
    EXPECT_EQ(points[2], points[3] - QPoint(ctx.scaled(50), 0));
    ASSERT_NE(points[0].y(), points[3].y()); // shuffled into the other row

    // A centred card's line ends at its left edge.
    ObjDataTyp centred = right;
    centred.KAusr = Side::Centre;
    EXPECT_EQ(pairLinePoints(ctx, centred)[3].x(), points[3].x() - rnd(right.KBreite / 2 * 1000));

    auto middleOfLine = [&](int mode) {
        page.fill(Qt::white);
        ctx.renderMode = mode;
        drawPairElement(ctx, 1);
        const QPoint m = (points[1] + points[2]) / 2;
        return page.pixel(m) != qRgb(255, 255, 255);
    };
    // The teacher uncovers a connection with a click.
    EXPECT_FALSE(middleOfLine(RenderMode::View));
    doc.objects[1].Abdeckung = 0;
    EXPECT_TRUE(middleOfLine(RenderMode::View));
    EXPECT_TRUE(middleOfLine(RenderMode::Solution));
    EXPECT_FALSE(middleOfLine(RenderMode::Worksheet));
}
