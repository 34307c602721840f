#include "common/numeric.h"
#include "content/crossword/crosswordgrid.h"
#include "content/crossword/crosswordlayout.h"
#include "content/crossword/crosswordnavigation.h"
#include "document/document.h"
#include "document/documenttypes.h"
#include "document/objectkinds.h"
#include "support/fixedwidthcanvas.h"
#include "view/objectpainter.h"
#include "view/viewstate.h"

#include <gtest/gtest.h>

#include <QPainter>

using namespace velunto;

namespace {

const QSize kPage(1000, 700);

// Writes word into the grid from (column, row), across or down.
void put(CrosswordGrid& grid, int column, int row, const QString& word, bool across = true)
{
    for (int i = 0; i < word.size(); ++i)
        gridCell(grid, across ? column + i : column, across ? row : row + i) = word.mid(i, 1);
}

Document crosswordDocument()
{
    Document doc;
    doc.header.DokTyp = DokTyp::Crossword;
    doc.header.EinrueckRand = defaultEinrueckRand(DokTyp::Crossword);
    return doc;
}

} // namespace

TEST(CrosswordGrid, UsedAreaAndSizeStep)
{
    CrosswordGrid grid{};
    EXPECT_EQ(crosswordArea(grid).columns(), 1);
    EXPECT_EQ(crosswordArea(grid).c0, 0);
    EXPECT_EQ(crosswordArea(grid).r1, 0);

    gridCell(grid, 4, 7) = QStringLiteral("   "); // blanks: unused
    gridCell(grid, 3, 2) = QStringLiteral("#");   // a bare mark still counts
    put(grid, 5, 9, QStringLiteral("HAUS"));
    const CrosswordArea a = crosswordArea(grid);
    EXPECT_EQ(a.c0, 3);
    EXPECT_EQ(a.c1, 8);
    EXPECT_EQ(a.r0, 2);
    EXPECT_EQ(a.r1, 9);

    struct Case
    {
        int extent; // largest of c1 - c0 and r1 - r0
        int step;
    };
    for (const Case& c : {Case{0, 55}, Case{1, 55}, Case{5, 7}, Case{9, 2}, Case{10, 1},
                          Case{20, -2}, Case{29, -3}}) {
        SCOPED_TRACE(c.extent);
        EXPECT_EQ(crosswordSizeStep({0, c.extent, 3, 3}), c.step);
        EXPECT_EQ(crosswordSizeStep({2, 2, 0, c.extent}), c.step);
    }
}

TEST(CrosswordGrid, ShiftAsksOnlyWhenAnEntryWouldBeLost)
{
    struct Case
    {
        ShiftDirection direction;
        int column; // of the entry on the edge that direction loses
        int row;
        int movedColumn; // where an entry at (10, 10) goes
        int movedRow;
    };
    for (const Case& c :
         {Case{ShiftDirection::Left, 0, 12, 9, 10}, Case{ShiftDirection::Right, 29, 3, 11, 10},
          Case{ShiftDirection::Up, 8, 0, 10, 9}, Case{ShiftDirection::Down, 21, 29, 10, 11}}) {
        SCOPED_TRACE(int(c.direction));
        CrosswordGrid grid{};
        gridCell(grid, 10, 10) = QStringLiteral("#W1");
        EXPECT_FALSE(shiftLosesEntries(grid, c.direction));
        gridCell(grid, c.column, c.row) = QStringLiteral("Ä");
        EXPECT_TRUE(shiftLosesEntries(grid, c.direction));

        shiftGrid(grid, c.direction);
        EXPECT_EQ(gridCell(grid, c.movedColumn, c.movedRow), QStringLiteral("#W1"));
        EXPECT_TRUE(gridCell(grid, 10, 10).isEmpty());
        int used = 0;
        for (const QString& cell : grid)
            used += isUsedCell(cell);
        EXPECT_EQ(used, 1); // the edge entry is gone
    }
}

TEST(CrosswordGrid, ClueText)
{
    HeaderDataTyp h;
    EXPECT_TRUE(crosswordClueText(h).isEmpty());
    h.KreuzFragen2[1] = QStringLiteral("Baum");
    h.KreuzFragen2[4] = QStringLiteral("  ");
    EXPECT_EQ(crosswordClueText(h), QStringLiteral(" \r\n\r\nS2: Baum\r\n\r\n"));
    h.KreuzFragen1[0] = QStringLiteral("Tier");
    h.KreuzFragen1[2] = QStringLiteral("Stadt am Rhein");
    EXPECT_EQ(crosswordClueText(h),
              QStringLiteral(" \r\n\r\nW1: Tier\r\n\r\nW3: Stadt am Rhein\r\n\r\n\r\n"
                             " \r\n\r\nS2: Baum\r\n\r\n"));
}

TEST(CrosswordLayout, BoxesFillTheWidthCappedByTheHeight)
{
    Document doc = crosswordDocument();
    // One row of ten letters: ten boxes across the grid's share of the width.
    gridCell(doc.header.KreuzGitter, 2, 5) = QStringLiteral("#W1");
    put(doc.header.KreuzGitter, 3, 5, QStringLiteral("ABCDEFGHIJ"));
    CrosswordBoxes wide = crosswordBoxes(doc.header, kPage);
    EXPECT_DOUBLE_EQ(wide.size, 0.72 * 0.93 / 11 * 998);
    EXPECT_EQ(crosswordSizeStep(wide.area), 1);
    // The box of cell (3, 5) starts after the mark's box; boxes share 2 pixels.
    const QRect box = wide.boxRect(kPage, 3, 5);
    EXPECT_EQ(box.left(), rnd((wide.bw + 0.035) * 1000));
    EXPECT_EQ(box.top(), rnd(0.035 * 700));
    EXPECT_EQ(wide.boxRect(kPage, 4, 5).left(), box.right() - 1);

    // A column of twenty letters is limited by the height.
    Document tall = crosswordDocument();
    put(tall.header.KreuzGitter, 0, 0, QStringLiteral("ABCDEFGHIJKLMNOPQRST"), false);
    EXPECT_DOUBLE_EQ(crosswordBoxes(tall.header, kPage).size, 0.93 / 20 * 698);
}

TEST(CrosswordLayout, OneLetterObjectPerBoxRowByRow)
{
    Document doc = crosswordDocument();
    doc.header.KreuzFarben[3] = 0x00AA00;
    CrosswordGrid& g = doc.header.KreuzGitter;
    gridCell(g, 4, 2) = QStringLiteral("#S1");
    put(g, 4, 3, QStringLiteral("OBST"), false);
    gridCell(g, 3, 4) = QStringLiteral("#W2");
    gridCell(g, 5, 4) = QStringLiteral("ST"); // several characters are one box
    gridCell(g, 6, 4) = QStringLiteral(" ");
    doc.newObject(ObjectKind::QueryLabel, {0, 0, 1, 1}, 1, false, 0);

    layoutCrossword(doc, kPage);
    layoutCrossword(doc, kPage);

    ASSERT_EQ(doc.objectCount(), 6);
    EXPECT_EQ(doc.header.TextCol, 0x00AA00);
    const CrosswordBoxes boxes = crosswordBoxes(doc.header, kPage);
    struct Expected
    {
        const char* text;
        int column;
        int row;
    };
    const Expected expected[] = {{"O", 4, 3}, {"B", 4, 4}, {"ST", 5, 4}, {"S", 4, 5}, {"T", 4, 6}};
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        const ObjDataTyp& o = doc.objects[k + 1];
        EXPECT_EQ(o.Typ, ObjectKind::CrosswordCell);
        EXPECT_EQ(o.Text, QString::fromUtf8(expected[k].text));
        EXPECT_EQ(o.FrageNummer, 0);
        EXPECT_EQ(o.KAusr, Side::Centre);
        EXPECT_EQ(o.Fsize, 10); // rows 2 to 6: size 4
        EXPECT_EQ(o.Farbe, 0x00AA00);
        const QPointF centre = boxes.centre(expected[k].column, expected[k].row);
        EXPECT_DOUBLE_EQ(o.Kx, centre.x());
        EXPECT_DOUBLE_EQ(o.Ky, centre.y());
        EXPECT_DOUBLE_EQ(o.Kx, (expected[k].column - 3 + 0.5) * boxes.bw + 0.035);
    }
}

TEST(CrosswordLayout, PaintsBoxesMarksAndTitledClues)
{
    Document doc = crosswordDocument();
    CrosswordGrid& g = doc.header.KreuzGitter;
    gridCell(g, 0, 0) = QStringLiteral("#W1");
    put(g, 1, 0, QStringLiteral("ZUG"));
    doc.header.KreuzFragen1[0] = QStringLiteral("fährt auf Schienen");
    doc.header.KreuzFragen2[0] = QStringLiteral("wächst im Wald");
    doc.header.KreuzFarben[0] = 0x00FFFF;
    doc.header.KreuzFarben[1] = 0xFF0000;

    QImage page(kPage, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::white);
    QPainter p(&page);
    velunto::testing::FixedWidthCanvas canvas;
    Session session;
    ViewState view{session};
    DrawContext ctx{&p, &canvas, &doc, &view, kPage};
    paintCrossword(ctx);

    const CrosswordBoxes boxes = crosswordBoxes(doc.header, kPage);
    const QRect box = boxes.boxRect(kPage, 2, 0);
    EXPECT_EQ(page.pixel(box.center()), qRgb(255, 255, 0));
    EXPECT_EQ(page.pixel(box.topLeft() + QPoint(1, 1)), qRgb(0, 0, 255));
    EXPECT_EQ(page.pixel(box.topLeft() + QPoint(2, 2)), qRgb(255, 255, 0));
    EXPECT_EQ(page.pixel(boxes.boxRect(kPage, 0, 0).center()), qRgb(255, 255, 255));

    // The mark is drawn without its "#"; each title stands on the blank first
    // line of its list.
    auto drawn = [&](const QString& text) {
        for (const auto& t : canvas.texts)
            if (t.text == text)
                return t;
        ADD_FAILURE() << text.toStdString();
        return velunto::testing::FixedWidthCanvas::Text{};
    };
    EXPECT_EQ(drawn(QStringLiteral("W1")).colour, doc.header.KreuzFarben[2]);
    std::vector<int> blankLines;
    for (const auto& t : canvas.texts)
        if (t.text == u" ")
            blankLines.push_back(t.y);
    ASSERT_EQ(blankLines.size(), 2u);
    const QRect area = crosswordClueArea(doc.header, kPage);
    EXPECT_EQ(drawn(QStringLiteral("Waagerecht")).y, area.top());
    EXPECT_EQ(drawn(QStringLiteral("Waagerecht")).y, blankLines[0]);
    EXPECT_EQ(drawn(QStringLiteral("Senkrecht")).y, blankLines[1]);
    EXPECT_EQ(drawn(QStringLiteral("Senkrecht")).colour, doc.header.KreuzFarben[5]);
    EXPECT_EQ(drawn(QStringLiteral("W1: fährt auf")).colour, doc.header.KreuzFarben[4]);
}

TEST(CrosswordLayout, LetterBoxesCoveredOpenAndSolved)
{
    Document doc = crosswordDocument();
    put(doc.header.KreuzGitter, 0, 0, QStringLiteral("JA"));
    layoutCrossword(doc, kPage);
    QImage page(kPage, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&page);
    PainterCanvas canvas(&p);
    Session session;
    ViewState view{session};
    DrawContext ctx{&p, &canvas, &doc, &view, kPage};
    const CrosswordBoxes boxes = crosswordBoxes(doc.header, kPage);
    const QRect inside = boxes.boxRect(kPage, 1, 0).adjusted(2, 2, -2, -2);

    auto paint = [&](int cover, bool running) {
        page.fill(Qt::white);
        session.setMode(running ? AppMode::Exercise : AppMode::LearningView);
        doc.objects[1].Abdeckung = cover;
        EXPECT_EQ(drawCrosswordCell(ctx, 1), inside);
        int white = 0;
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                white += page.pixel(x, y) == qRgb(255, 255, 255);
        return white;
    };
    const int all = inside.width() * inside.height();
    EXPECT_EQ(paint(-1, false), 0);    // the covered box fills it
    EXPECT_EQ(paint(-5, true), 0);     // an open box of a run: covered, with its number
    const int letter = paint(0, true); // the letter, once solved
    EXPECT_LT(letter, all);
    EXPECT_GT(letter, all / 3);
}

TEST(CrosswordNavigation, TypingMovesAlongTheWord)
{
    Document doc = crosswordDocument();
    CrosswordGrid& g = doc.header.KreuzGitter;
    gridCell(g, 1, 1) = QStringLiteral("#W1");
    put(g, 2, 1, QStringLiteral("HAMSTER"));
    gridCell(g, 2, 0) = QStringLiteral("#S1");
    put(g, 2, 1, QStringLiteral("HUND"), false);
    gridCell(g, 4, 0) = QStringLiteral("#S2");
    put(g, 4, 1, QStringLiteral("MAUS"), false);
    doc.newObject(ObjectKind::QueryLabel, {0, 0, 1, 1}, 1, false, 0);
    layoutCrossword(doc, QSize(1000, 700)); // the builder's page: any page gives the same cells
    const CrosswordCells cells(doc);

    auto at = [&](int column, int row) { return cells.objectAt(column, row); };
    ASSERT_GE(at(2, 1), 0);
    EXPECT_EQ(doc.objects[at(2, 3)].Text, QStringLiteral("N"));
    EXPECT_EQ(cells.cellOf(at(5, 1)), QPoint(5, 1));
    EXPECT_EQ(cells.cellOf(0), QPoint(-1, -1)); // the label is no letter box
    EXPECT_EQ(at(1, 1), -1);                    // a start mark has no object

    using D = CrosswordCells::Direction;
    struct Case
    {
        QPoint box;
        QPoint previous; // (-1, -1): the pupil clicked into the box
        D direction;
        QPoint next; // (-1, -1): the end of the word
    };
    const QPoint none(-1, -1);
    for (const Case& c : {Case{{2, 1}, none, D::Across, {3, 1}},   // a crossing: across first
                          Case{{2, 2}, {2, 1}, D::Down, {2, 3}},   // went down from H
                          Case{{4, 1}, {3, 1}, D::Across, {5, 1}}, // on along HAMSTER
                          Case{{4, 2}, none, D::Down, {4, 3}},     // only a word down
                          Case{{8, 1}, {7, 1}, D::Across, none},   // the last letter
                          Case{{2, 4}, {2, 3}, D::Down, none}}) {
        SCOPED_TRACE(::testing::Message() << c.box.x() << "," << c.box.y());
        const int box = at(c.box.x(), c.box.y());
        const int previous = c.previous.x() < 0 ? -1 : at(c.previous.x(), c.previous.y());
        const D direction = cells.directionAt(box, previous);
        EXPECT_EQ(direction, c.direction);
        const int next = cells.next(box, direction);
        EXPECT_EQ(next, c.next.x() < 0 ? -1 : at(c.next.x(), c.next.y()));
    }
}
