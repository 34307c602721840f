#pragma once

#include "content/crossword/crosswordgrid.h"

#include <QPoint>

#include <vector>

namespace velunto {

class Document;

// Which letter object stands in which grid cell, read from the letter
// objects' positions, so that a pupil typing into the letter boxes can move
// on along the word as in a crossword on paper.
class CrosswordCells
{
  public:
    explicit CrosswordCells(const Document& document);

    // The object in grid cell (column, row), -1 when there is none.
    int objectAt(int column, int row) const;
    // The grid cell of a letter object; (-1, -1) for any other object.
    QPoint cellOf(int object) const;

    enum class Direction { Across, Down };

    // The direction a word is typed in from box: the direction of the last
    // step when the box follows previous in a word, otherwise across where
    // the box has a neighbour to the left or right, else down.
    Direction directionAt(int box, int previous) const;
    // The next box of the word, -1 at its end.
    int next(int box, Direction direction) const;

  private:
    std::vector<int> m_objects;  // by row * kCrosswordSize + column
    std::vector<QPoint> m_cells; // by object index
};

} // namespace velunto
