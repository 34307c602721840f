#include "common/numeric.h"
#include "document/picturecodec.h"
#include "view/board/sheetpatterns.h"

#include <gtest/gtest.h>

using namespace velunto;

namespace {

std::vector<int> rowsOf(const std::vector<SheetLine>& lines)
{
    std::vector<int> ys;
    for (const SheetLine& l : lines)
        if (l.from.y() == l.to.y())
            ys.push_back(l.from.y());
    return ys;
}

int countVertical(const std::vector<SheetLine>& lines)
{
    int n = 0;
    for (const SheetLine& l : lines)
        n += l.from.x() == l.to.x() && l.from.y() != l.to.y();
    return n;
}

} // namespace

TEST(SheetPatterns, LinesAndStaves)
{
    // "Linien weit (10)" on a sheet 700 pixels high.
    const std::vector<int> lines = rowsOf(linesPattern({1000, 700}, 10));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines.front(), 69);
    EXPECT_EQ(lines[1], 139);
    EXPECT_EQ(lines.back(), 699);

    // "Notenlinien weit (3)" on 640 pixels: u = 20, s = 20.
    const std::vector<int> staves = rowsOf(stavesPattern({800, 640}, 3));
    ASSERT_EQ(staves.size(), 15u);
    EXPECT_EQ(std::vector<int>(staves.begin(), staves.begin() + 5),
              (std::vector<int>{100, 120, 140, 160, 180}));
    EXPECT_EQ(staves[5], 280);

    // Squares: lines every a = H div n pixels in both directions, none on
    // the edge beyond the picture.
    const auto squares = squaresPattern({100, 60}, 6);
    EXPECT_EQ(rowsOf(squares), (std::vector<int>{0, 10, 20, 30, 40, 50}));
    EXPECT_EQ(countVertical(squares), 10);
}

TEST(SheetPatterns, TableInsideItsMargins)
{
    // "Tabelle 6x2": seven horizontal and three vertical lines inside 5 %.
    const auto lines = tablePattern({1000, 700}, {6, 2, 5, 5, 5, 5});
    EXPECT_EQ(rowsOf(lines).size(), 7u);
    EXPECT_EQ(countVertical(lines), 3);
    for (const SheetLine& l : lines) {
        EXPECT_GE(l.from.x(), 50);
        EXPECT_LE(l.to.x(), 949);
        EXPECT_GE(l.from.y(), 35);
        EXPECT_LE(l.to.y(), 664);
    }
    EXPECT_EQ(rowsOf(lines).front(), 35);
    EXPECT_EQ(rowsOf(lines).back(), rnd(0.95 * 699));
}

TEST(SheetPatterns, LineatureRows)
{
    // Class 1 and 2: four lines per row with side lines; class 3 two; class
    // 4 one. The rows follow each other without overlapping.
    const struct
    {
        int schoolClass, horizontalPerRow, verticalPerRow;
    } classes[] = {{1, 4, 2}, {2, 4, 2}, {3, 2, 2}, {4, 1, 0}};
    for (const auto& c : classes) {
        for (const QSize size : {QSize(800, 600), QSize(1920, 1080), QSize(300, 2000)}) {
            const auto lines = lineaturePattern(size, c.schoolClass, 5);
            const std::vector<int> rows = rowsOf(lines);
            EXPECT_EQ(int(rows.size()), 5 * c.horizontalPerRow) << c.schoolClass;
            EXPECT_EQ(countVertical(lines), 5 * c.verticalPerRow) << c.schoolClass;
            EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end())) << c.schoolClass;
            EXPECT_GE(rows.front(), rnd(size.height() * 0.05));
            EXPECT_LE(rows.back(), rnd((size.height() - 1) * 0.95));
        }
    }
    // Class 1 on 1000 x 700, 3 rows: y1 = 35, y2 = 664, D = 629, h = 126.
    const std::vector<int> first = rowsOf(lineaturePattern({1000, 700}, 1, 3));
    EXPECT_EQ(std::vector<int>(first.begin(), first.begin() + 4),
              (std::vector<int>{60, 99, 148, 187}));
}

TEST(SheetPatterns, EverySizeAndCountStaysInside)
{
    const QSize sizes[] = {{1, 1}, {2, 1}, {1, 300}, {7, 3}, {50, 19}, {640, 480}, {3000, 40}};
    const int counts[] = {1, 2, 7, 20, 50, 100, 200, 100000, 0, -3};
    const SheetKind kinds[] = {SheetKind::Lines,      SheetKind::Squares,    SheetKind::Staves,
                               SheetKind::Lineature1, SheetKind::Lineature2, SheetKind::Lineature3,
                               SheetKind::Lineature4};
    for (const QSize size : sizes) {
        for (const SheetKind kind : kinds) {
            for (const int n : counts) {
                const auto lines = sheetPattern(kind, size, n);
                for (const SheetLine& l : lines) {
                    ASSERT_TRUE(QRect(QPoint(0, 0), size).contains(l.from))
                        << size.width() << "x" << size.height() << " kind " << int(kind) << " n "
                        << n;
                    ASSERT_TRUE(QRect(QPoint(0, 0), size).contains(l.to));
                }
                // Painting them touches nothing outside the picture.
                QImage picture(size, QImage::Format_RGB32);
                picture.fill(Qt::white);
                paintSheetLines(picture, lines, Qt::black);
            }
        }
        // Margins that overlap or exceed the sheet still stay inside.
        for (const TableLayout t : {TableLayout{1, 1, 100, 100, 100, 100},
                                    TableLayout{200, 200, 0, 0, 0, 0},
                                    TableLayout{0, -5, -20, 300, 60, 60}})
            for (const SheetLine& l : tablePattern(size, t))
                ASSERT_TRUE(QRect(QPoint(0, 0), size).contains(l.from) &&
                            QRect(QPoint(0, 0), size).contains(l.to));
    }
}

TEST(SheetPatterns, CountsAreClamped)
{
    EXPECT_EQ(clampSheetCount(SheetKind::Lines, 0), 1);
    EXPECT_EQ(clampSheetCount(SheetKind::Lines, 500), 200);
    EXPECT_EQ(clampSheetCount(SheetKind::Squares, 201), 200);
    EXPECT_EQ(clampSheetCount(SheetKind::Staves, 21), 20);
    EXPECT_EQ(clampSheetCount(SheetKind::Lineature2, 21), 20);
    EXPECT_EQ(clampSheetCount(SheetKind::Lineature3, 51), 50);
    EXPECT_EQ(clampSheetCount(SheetKind::Lineature4, 101), 100);
    const TableLayout t = clampTable({0, 999, -1, 101, 50, 50});
    EXPECT_EQ(t, (TableLayout{1, 200, 0, 100, 50, 50}));

    SheetCounts counts;
    EXPECT_EQ(counts.of(SheetKind::Lines), 25);
    EXPECT_EQ(counts.of(SheetKind::Squares), 50);
    EXPECT_EQ(counts.of(SheetKind::Staves), 8);
    counts.of(SheetKind::Lineature3) = 12;
    EXPECT_EQ(counts.lineature[2], 12);
}

TEST(SheetPatterns, MenuEntries)
{
    const auto& menu = boardSheetMenu();
    const auto find = [&](const char* caption) -> const SheetMenuEntry* {
        for (const SheetMenuEntry& e : menu)
            if (e.caption == QString::fromUtf8(caption))
                return &e;
        return nullptr;
    };
    ASSERT_TRUE(find("Leeres Blatt - tafelgrün"));
    EXPECT_EQ(find("Leeres Blatt - tafelgrün")->background, fromRgb(0, 64, 0));
    ASSERT_TRUE(find("Kariert klein (40)"));
    EXPECT_EQ(find("Kariert klein (40)")->count, 40);
    ASSERT_TRUE(find("Tabelle 12x4"));
    EXPECT_EQ(find("Tabelle 12x4")->columns, 4);
    ASSERT_TRUE(find("Lineatur 4. Klasse eng (16)"));
    EXPECT_EQ(find("Lineatur 4. Klasse eng (16)")->kind, SheetKind::Lineature4);
    ASSERT_TRUE(find("Notenlinien frei..."));
    EXPECT_TRUE(find("Notenlinien frei...")->free());
    EXPECT_EQ(menu.size(), 3u + 4 * 3 + 7 + 4 * 4);
}

TEST(SheetPatterns, SheetSizeAndPasteFit)
{
    EXPECT_EQ(boardSheetSize({1000, 600}, {1, 10, 7}, true), QSize(1000, 600));
    // A preset ratio: the smallest sheet of that ratio that covers the area.
    EXPECT_EQ(boardSheetSize({1000, 600}, {1, 10, 7}, false), QSize(1000, 700));
    EXPECT_EQ(boardSheetSize({1000, 800}, {1, 10, 7}, false), QSize(1143, 800));
    EXPECT_EQ(boardSheetSize({1000, 800}, {0, 10, 7}, false), QSize(1000, 800));
    // Ratios and areas of nothing still give a sheet.
    EXPECT_EQ(boardSheetSize({0, 0}, {1, 0, 0}, false), QSize(1, 1));
    const QSize extreme = boardSheetSize({1920, 1080}, {1, 1, 10000}, false);
    EXPECT_TRUE(pictureSizeAllowed(extreme.width(), extreme.height()));
    EXPECT_GE(extreme.width(), 1);

    // A 200 x 100 picture into a 100 x 100 selection: 100 x 50, 25 below
    // the top.
    EXPECT_EQ(fitIntoSelection({200, 100}, {100, 100}), QRect(0, 25, 100, 50));
    EXPECT_EQ(fitIntoSelection({100, 300}, {100, 100}), QRect(34, 0, 33, 100));
    EXPECT_EQ(fitIntoSelection({0, 0}, {10, 10}), QRect(0, 0, 10, 10));
}
