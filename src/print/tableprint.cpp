#include "print/tableprint.h"

#include "common/numeric.h"
#include "print/printgeometry.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace velunto {

namespace {

constexpr int kMargin = 150; // 15 mm
constexpr int kCellInset = 10;

QFont tableFont(int height)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, height));
    return font;
}

} // namespace

TableLayout layoutTable(const PrintTable& table, const PrinterGeometry& geometry)
{
    TableLayout layout;
    const int printable = std::max(0, geometry.pageWidth - 2 * kMargin);
    long long screenWidth = 0;
    for (const PrintTable::Column& c : table.columns)
        screenWidth += std::max(0, c.width);
    int x = geometry.left(kMargin);
    long long before = 0;
    for (const PrintTable::Column& c : table.columns) {
        // Each edge is placed from the widths before it, so that rounding
        // never adds up across columns.
        const int start = screenWidth > 0 ? rnd(double(before) * printable / screenWidth) : 0;
        before += std::max(0, c.width);
        const int end = screenWidth > 0 ? rnd(double(before) * printable / screenWidth) : 0;
        layout.columnLeft.push_back(x + start);
        layout.columnWidth.push_back(end - start);
    }
    layout.fontHeight =
        screenWidth > 0 ? std::min(40, rnd(20000.0 / double(screenWidth) * printable / 1800.0)) : 40;
    layout.fontHeight = std::max(1, layout.fontHeight);
    layout.rowHeight = std::max(1, rnd(QFontMetricsF(tableFont(layout.fontHeight)).height()));
    layout.top = geometry.top(kMargin);
    layout.bottomLimit = geometry.bottomLimit(kMargin);
    return layout;
}

QString printTable(QPagedPaintDevice& device, const PrintTable& table)
{
    PrintPainter print(device);
    if (!print.isActive())
        return printFailedText();
    const TableLayout layout = layoutTable(table, print.geometry());
    QPainter& p = print.painter();
    p.setFont(tableFont(layout.fontHeight));
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine));
    p.setBackgroundMode(Qt::TransparentMode);

    const int right = layout.columnLeft.empty()
                          ? 0
                          : layout.columnLeft.back() + layout.columnWidth.back();
    const int left = layout.columnLeft.empty() ? 0 : layout.columnLeft.front();
    int y = layout.top;
    for (size_t r = 0; r < table.rows.size(); ++r) {
        if (y + layout.rowHeight > layout.bottomLimit && y > layout.top) {
            if (!print.newPage())
                return printFailedText();
            p.setFont(tableFont(layout.fontHeight));
            p.setPen(QPen(Qt::black, 2, Qt::SolidLine));
            y = layout.top;
        }
        const QStringList& cells = table.rows[r];
        for (size_t c = 0; c < table.columns.size() && c < size_t(cells.size()); ++c) {
            const QRect cell(layout.columnLeft[c], y, layout.columnWidth[c], layout.rowHeight);
            p.save();
            p.setClipRect(cell);
            const QRect text = cell.adjusted(kCellInset, 0, -kCellInset, 0);
            p.drawText(text, int(table.columns[c].alignment | Qt::AlignVCenter), cells[qsizetype(c)]);
            p.restore();
        }
        y += layout.rowHeight;
        if (int(r) + 1 == table.fixedRows)
            p.drawLine(left, y, right, y);
    }
    return print.end() ? QString() : printFailedText();
}

} // namespace velunto
