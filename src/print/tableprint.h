#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QPagedPaintDevice;

namespace velunto {

struct PrinterGeometry;

// A grid to print as it stands on screen: each column's width in pixels and
// its alignment, the rows' cells, the first fixedRows being headers.
struct PrintTable
{
    struct Column
    {
        int width = 0;
        Qt::Alignment alignment = Qt::AlignLeft;
    };
    std::vector<Column> columns;
    std::vector<QStringList> rows;
    int fixedRows = 1;
};

// Where a table's parts lie on the page, in printer coordinates.
struct TableLayout
{
    std::vector<int> columnLeft;
    std::vector<int> columnWidth;
    int fontHeight = 0; // at most 40, 4 mm
    int rowHeight = 0;
    int top = 0;         // of the first row on every page
    int bottomLimit = 0; // no row reaches below
};

// Margins of 15 mm on every side; the columns scaled so that together they
// fill the width between the margins.
TableLayout layoutTable(const PrintTable& table, const PrinterGeometry& geometry);

// Prints the table row by row, continuing on a new page when a row would
// pass the bottom margin (the header is not repeated). Empty text on
// success, else what went wrong.
QString printTable(QPagedPaintDevice& device, const PrintTable& table);

} // namespace velunto
