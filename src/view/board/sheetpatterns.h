#pragma once

#include "common/colorref.h"
#include "document/document.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

namespace velunto {

// The patterns of the board sheets ("Neues Blatt"): geometry first, as lists
// of one-pixel lines, then painted. Every pattern stays inside the picture
// and works for any picture size and count: a count that would give a line
// distance below one pixel gives one pixel, and lines that would fall on
// or beyond the picture's edge are left out or cut at it. Counts are taken
// inside the limits of clampSheetCount.

// A horizontal or vertical line one pixel wide, both ends included.
struct SheetLine
{
    QPoint from;
    QPoint to;
    bool operator==(const SheetLine&) const = default;
};

enum class SheetKind {
    Blank,
    Lines,
    Squares,
    Staves,
    Table,
    Lineature1,
    Lineature2,
    Lineature3,
    Lineature4,
};

// The table of "Tabelle ..." and "Blatt mit Tabelle": rows, columns and the
// free margins in percent of the sheet.
struct TableLayout
{
    int rows = 6;
    int columns = 3;
    double left = 5.0;
    double right = 5.0;
    double top = 5.0;
    double bottom = 5.0;
    bool operator==(const TableLayout&) const = default;
};

std::vector<SheetLine> linesPattern(QSize size, int n);
std::vector<SheetLine> squaresPattern(QSize size, int n);
std::vector<SheetLine> stavesPattern(QSize size, int n);
std::vector<SheetLine> tablePattern(QSize size, const TableLayout& table);
// schoolClass 1 to 4.
std::vector<SheetLine> lineaturePattern(QSize size, int schoolClass, int n);

// The lines of a sheet kind (the count, or the table for SheetKind::Table).
std::vector<SheetLine> sheetPattern(SheetKind kind, QSize size, int count,
                                    const TableLayout& table = {});

// Paints the lines into picture in colour, without antialiasing, cut at the
// picture's edges.
void paintSheetLines(QImage& picture, const std::vector<SheetLine>& lines, const QColor& colour);

// The counts the free dialogs accept: lines and squares 1 to 200, music
// lines 1 to 20, lineatures of class 1 and 2 1 to 20, class 3 1 to 50,
// class 4 1 to 100; table rows and columns 1 to 200, margins 0 to 100.
int clampSheetCount(SheetKind kind, int n);
TableLayout clampTable(TableLayout table);

// The counts the free dialogs remember for the run.
struct SheetCounts
{
    int lines = 25;
    int squares = 50;
    int staves = 8;
    std::array<int, 4> lineature{8, 8, 8, 8};

    int& of(SheetKind kind);
};

inline const ColorRef kSheetLineColour = fromRgb(184, 184, 184);
inline const ColorRef kBlackboardGreen = fromRgb(0, 64, 0);

// One entry of the board-sheet menu: its submenu, caption and what it makes.
// A free entry (count 0) opens the dialog of its kind.
struct SheetMenuEntry
{
    QString submenu;
    QString caption;
    SheetKind kind;
    int count = 0;   // 0 for "frei..."
    int columns = 0; // tables
    ColorRef background = 0xFFFFFF;
    bool free() const { return count == 0; }
};

const std::vector<SheetMenuEntry>& boardSheetMenu();

// The title of the free dialog of a kind ("Blatt mit Linien", ...).
QString freeSheetDialogTitle(SheetKind kind);

// NewBoardSheet's size for the picture area of the page control: the area
// itself, or, when new documents take a fixed page ratio and sheets need
// not fill the whole page, the smallest size of that ratio that covers the
// area. Every side is at least 1 and at most the largest picture the
// program reads; a ratio side below 1 counts as 1.
QSize boardSheetSize(QSize area, const PageRatioPresets& presets, bool fullPage);

// Where a picture of size goes when pasted into a selection: as large as
// fits without distortion, centred; relative to the selection's top-left.
QRect fitIntoSelection(QSize picture, QSize selection);

} // namespace velunto
