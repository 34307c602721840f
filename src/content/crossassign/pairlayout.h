#pragma once

#include "document/records.h"

#include <QSize>

namespace velunto {

class Document;
class RandomSource;
struct GapTableContent;

// A cross assignment: each row of the gap table is a pair (two columns) or
// a chain of two pairs (three columns). The elements of a pair lie side by
// side; the right-hand one carries the line that joins them (Sline 5).

constexpr int kPairLine = 5; // Sline of an element that draws its pair line

// Rows (1..16) and columns (3, or 2 for every other value).
int pairRows(const HeaderDataTyp& header);
int pairColumns(const HeaderDataTyp& header);

// Sizes in pixels of a page picture of a given size.
struct PairGeometry
{
    int columns = 2;
    int rows = 1;
    int leftX = 0;
    int topY = 0;
    int columnWidth = 0; // rnd((1 - R - L) x W / 3.3) or rnd((1 - R - L) x W x 0.5)
    int offset = 0;      // rnd(columnWidth x 0.25): the gap on each side of a pair line
    int rowHeight = 0;   // rnd((1 - T - B) x H / rows)
};

PairGeometry pairGeometry(const HeaderDataTyp& header, QSize page);

// PairLayout: deletes the objects of kinds 50..53 and builds the elements in
// solution order. Per row the left element comes first and then its partner;
// with three columns there follow, per row, a hidden copy of the middle
// element (the left side of the second pair) and the third-column element.
// Right-hand elements of cells of Art 1 or 3 are numbered 1, 2, ... (middle
// column first); all others have FrageNummer -1. Pair names (BildKenn) are
// "Paar#" and "Paar2#" followed by the row number.
void layoutPairs(Document& document, QSize page);

// The builder of the cross-assignment type: with create it lays the elements
// out on the layout page.
void buildPairs(Document& document, bool create);

// PairShuffle: moves the numbered right-hand elements into other rows, so
// that none stays at home (Ky = Sy) wherever that is possible. With three
// columns the middle elements move first, together with their second pair,
// and then the third-column elements among themselves. Only Ky (and, for
// the elements that move with a middle one, Sy) change, so every PairLayout
// restores the solution. Always ends: a column with a single element makes
// one pass, and after a bounded number of passes the elements still at home
// are exchanged with a neighbour.
void shufflePairs(Document& document, RandomSource& random);

// The elements of a run: laid out afresh in solution order, so that their
// partners and numbers fit the objects as they are now, then shuffled.
void placePairsForRun(Document& document, RandomSource& random);

// Partner of every element, taken from the order PairLayout appends them in
// (each two consecutive elements form a pair), so that it stays right after
// objects before them were deleted or duplicated.
void relinkPairPartners(Document& document);

// The cross-assignment editor's OK: the content objects of every type are
// deleted, the
// document becomes a cross assignment (1..16 rows of 2 or 3 columns) without
// cloze or question text, takes the table (see takeGapTableCells) with its
// line and text colours, is marked modified and laid out again. The column
// backgrounds stay as they are.
void applyPairContent(Document& document, const GapTableContent& content);

// A new cross assignment in a document just made empty: its type, black
// lines, the worksheet task, its indent margins and every cell a query text.
void prepareNewPairs(Document& document);

} // namespace velunto
