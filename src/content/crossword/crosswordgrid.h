#pragma once

#include "document/records.h"

#include <QString>

#include <array>

namespace velunto {

// The crossword grid: 30 x 30 cells, stored row by row (KreuzGitter). A cell
// is unused (empty or blanks only), a start mark (text beginning with "#",
// drawn without the "#") or a letter box whose text is its solution.
using CrosswordGrid = std::array<QString, kCrosswordSize * kCrosswordSize>;

inline QString& gridCell(CrosswordGrid& grid, int column, int row)
{
    return grid[row * kCrosswordSize + column];
}
inline const QString& gridCell(const CrosswordGrid& grid, int column, int row)
{
    return grid[row * kCrosswordSize + column];
}

bool isUsedCell(const QString& cell);
bool isStartMark(const QString& cell);
bool isLetterBox(const QString& cell);

// The used area: the smallest and largest column and row of a used cell; all
// four are 0 when no cell is used.
struct CrosswordArea
{
    int c0 = 0;
    int c1 = 0;
    int r0 = 0;
    int r1 = 0;

    int columns() const { return c1 - c0 + 1; }
    int rows() const { return r1 - r0 + 1; }
};

CrosswordArea crosswordArea(const CrosswordGrid& grid);

// The size step of the letters: rnd(30 / size x 2 - 5) with size the larger
// extent of the area minus one, at least 1.
int crosswordSizeStep(const CrosswordArea& area);

enum class ShiftDirection { Up, Left, Right, Down };

// True when shifting the grid one cell that way would push a used cell off
// its edge (row 0 up, column 0 left, column 29 right, row 29 down).
bool shiftLosesEntries(const CrosswordGrid& grid, ShiftDirection direction);

// Shifts every cell one cell that way; the row or column moving out is lost,
// the one moving in is empty.
void shiftGrid(CrosswordGrid& grid, ShiftDirection direction);

// The clue text drawn beside the grid: the horizontal list ("W" + number +
// ": " + clue for every clue that is not blank, each followed by an empty line, after a
// first line holding one blank and an empty line), CR LF, then the vertical
// list built the same way with "S". A list without clues is left out.
QString crosswordClueList(const std::array<QString, kCrosswordSize>& clues, QChar prefix);
QString crosswordClueText(const HeaderDataTyp& header);

} // namespace velunto
