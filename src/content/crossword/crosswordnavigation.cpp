#include "content/crossword/crosswordnavigation.h"

#include "common/numeric.h"
#include "content/crossword/crosswordlayout.h"
#include "content/layoutpage.h"
#include "document/document.h"

namespace velunto {

CrosswordCells::CrosswordCells(const Document& document)
    : m_objects(kCrosswordSize * kCrosswordSize, -1),
      m_cells(document.objects.size(), QPoint(-1, -1))
{
    const CrosswordBoxes boxes = crosswordBoxes(document.header, layoutPageSize(document));
    if (boxes.bw <= 0.0 || boxes.bh <= 0.0)
        return;
    for (int i = 0; i < document.objectCount(); ++i) {
        const ObjDataTyp& o = document.objects[i];
        if (o.Typ != ObjectKind::CrosswordCell)
            continue;
        const int column = boxes.area.c0 + rnd((o.Kx - boxes.indent.left) / boxes.bw - 0.5);
        const int row = boxes.area.r0 + rnd((o.Ky - boxes.indent.top) / boxes.bh - 0.5);
        if (column < 0 || column >= kCrosswordSize || row < 0 || row >= kCrosswordSize)
            continue;
        m_objects[row * kCrosswordSize + column] = i;
        m_cells[i] = QPoint(column, row);
    }
}

int CrosswordCells::objectAt(int column, int row) const
{
    if (column < 0 || column >= kCrosswordSize || row < 0 || row >= kCrosswordSize)
        return -1;
    return m_objects[row * kCrosswordSize + column];
}

QPoint CrosswordCells::cellOf(int object) const
{
    return object >= 0 && object < int(m_cells.size()) ? m_cells[object] : QPoint(-1, -1);
}

CrosswordCells::Direction CrosswordCells::directionAt(int box, int previous) const
{
    const QPoint at = cellOf(box);
    const QPoint before = cellOf(previous);
    if (before.x() >= 0 && before == at - QPoint(0, 1))
        return Direction::Down;
    if (before.x() >= 0 && before == at - QPoint(1, 0))
        return Direction::Across;
    const bool across = objectAt(at.x() - 1, at.y()) >= 0 || objectAt(at.x() + 1, at.y()) >= 0;
    return across || objectAt(at.x(), at.y() + 1) < 0 ? Direction::Across : Direction::Down;
}

int CrosswordCells::next(int box, Direction direction) const
{
    const QPoint at = cellOf(box);
    if (at.x() < 0)
        return -1;
    return direction == Direction::Across ? objectAt(at.x() + 1, at.y())
                                          : objectAt(at.x(), at.y() + 1);
}

} // namespace velunto
