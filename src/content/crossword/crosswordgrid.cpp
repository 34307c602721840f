#include "content/crossword/crosswordgrid.h"

#include "common/numeric.h"

#include <algorithm>

namespace velunto {

namespace {

constexpr int kLast = kCrosswordSize - 1;

} // namespace

bool isUsedCell(const QString& cell)
{
    return !cell.trimmed().isEmpty();
}

bool isStartMark(const QString& cell)
{
    return isUsedCell(cell) && cell.startsWith(u'#');
}

bool isLetterBox(const QString& cell)
{
    return isUsedCell(cell) && !cell.startsWith(u'#');
}

CrosswordArea crosswordArea(const CrosswordGrid& grid)
{
    CrosswordArea area{kCrosswordSize, -1, kCrosswordSize, -1};
    for (int r = 0; r < kCrosswordSize; ++r) {
        for (int c = 0; c < kCrosswordSize; ++c) {
            if (!isUsedCell(gridCell(grid, c, r)))
                continue;
            area.c0 = std::min(area.c0, c);
            area.c1 = std::max(area.c1, c);
            area.r0 = std::min(area.r0, r);
            area.r1 = std::max(area.r1, r);
        }
    }
    if (area.c1 < 0)
        return {};
    return area;
}

int crosswordSizeStep(const CrosswordArea& area)
{
    const int size = std::max({area.c1 - area.c0, area.r1 - area.r0, 1});
    return rnd(30.0 / size * 2.0 - 5.0);
}

bool shiftLosesEntries(const CrosswordGrid& grid, ShiftDirection direction)
{
    for (int i = 0; i < kCrosswordSize; ++i) {
        QString const* cell = nullptr;
        switch (direction) {
        case ShiftDirection::Up:
            cell = &gridCell(grid, i, 0);
            break;
        case ShiftDirection::Down:
            cell = &gridCell(grid, i, kLast);
            break;
        case ShiftDirection::Left:
            cell = &gridCell(grid, 0, i);
            break;
        case ShiftDirection::Right:
            cell = &gridCell(grid, kLast, i);
            break;
        }
        if (isUsedCell(*cell))
            return true;
    }
    return false;
}

void shiftGrid(CrosswordGrid& grid, ShiftDirection direction)
{
    int dc = 0;
    int dr = 0;
    switch (direction) {
    case ShiftDirection::Up:
        dr = -1;
        break;
    case ShiftDirection::Down:
        dr = 1;
        break;
    case ShiftDirection::Left:
        dc = -1;
        break;
    case ShiftDirection::Right:
        dc = 1;
        break;
    }
    CrosswordGrid shifted{};
    for (int r = 0; r < kCrosswordSize; ++r) {
        for (int c = 0; c < kCrosswordSize; ++c) {
            const int tc = c + dc;
            const int tr = r + dr;
            if (tc >= 0 && tc <= kLast && tr >= 0 && tr <= kLast)
                gridCell(shifted, tc, tr) = gridCell(grid, c, r);
        }
    }
    grid = std::move(shifted);
}

QString crosswordClueList(const std::array<QString, kCrosswordSize>& clues, QChar prefix)
{
    const QString crlf = QStringLiteral("\r\n");
    QString entries;
    for (int n = 0; n < kCrosswordSize; ++n) {
        if (clues[n].trimmed().isEmpty())
            continue;
        entries += prefix + QString::number(n + 1) + QStringLiteral(": ") + clues[n] + crlf + crlf;
    }
    if (entries.isEmpty())
        return {};
    return QStringLiteral(" ") + crlf + crlf + entries;
}

QString crosswordClueText(const HeaderDataTyp& header)
{
    const QString horizontal = crosswordClueList(header.KreuzFragen1, u'W');
    const QString vertical = crosswordClueList(header.KreuzFragen2, u'S');
    return horizontal.isEmpty() ? vertical : horizontal + QStringLiteral("\r\n") + vertical;
}

} // namespace velunto
