#include "view/board/sheetpatterns.h"

#include "common/numeric.h"
#include "document/picturecodec.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace velunto {

namespace {

void horizontal(std::vector<SheetLine>& lines, int y, int x1, int x2)
{
    lines.push_back({{x1, y}, {x2, y}});
}

void vertical(std::vector<SheetLine>& lines, int x, int y1, int y2)
{
    lines.push_back({{x, y1}, {x, y2}});
}

// Cuts every line at the picture's edges and drops what lies outside.
std::vector<SheetLine> inside(const std::vector<SheetLine>& lines, QSize size)
{
    std::vector<SheetLine> kept;
    const int w = size.width(), h = size.height();
    for (const SheetLine& l : lines) {
        int x1 = std::min(l.from.x(), l.to.x()), x2 = std::max(l.from.x(), l.to.x());
        int y1 = std::min(l.from.y(), l.to.y()), y2 = std::max(l.from.y(), l.to.y());
        if (x2 < 0 || y2 < 0 || x1 >= w || y1 >= h)
            continue;
        x1 = std::max(x1, 0);
        y1 = std::max(y1, 0);
        x2 = std::min(x2, w - 1);
        y2 = std::min(y2, h - 1);
        kept.push_back({{x1, y1}, {x2, y2}});
    }
    return kept;
}

// The distance of n lines over a height, at least one pixel.
int spacing(int height, int n)
{
    return std::max(1, height / std::max(1, n));
}

} // namespace

std::vector<SheetLine> linesPattern(QSize size, int n)
{
    std::vector<SheetLine> lines;
    const int a = spacing(size.height(), clampSheetCount(SheetKind::Lines, n));
    for (int i = 1; i <= size.height() / a; ++i)
        horizontal(lines, a * i - 1, 0, size.width() - 1);
    return inside(lines, size);
}

std::vector<SheetLine> squaresPattern(QSize size, int n)
{
    std::vector<SheetLine> lines;
    const int a = spacing(size.height(), clampSheetCount(SheetKind::Squares, n));
    for (int g = 0; g <= size.height() / a; ++g)
        horizontal(lines, a * g, 0, size.width() - 1);
    for (int g = 0; g <= size.width() / a; ++g)
        vertical(lines, a * g, 0, size.height() - 1);
    return inside(lines, size);
}

std::vector<SheetLine> stavesPattern(QSize size, int n)
{
    std::vector<SheetLine> lines;
    n = clampSheetCount(SheetKind::Staves, n);
    const double u = double(size.height()) / (9 * n + 5);
    const int s = int(std::floor(u));
    for (int r = 0; r < n; ++r)
        for (int i = 0; i < 5; ++i)
            horizontal(lines, rnd(9 * r * u) + (i + 5) * s, 0, size.width() - 1);
    return inside(lines, size);
}

std::vector<SheetLine> tablePattern(QSize size, const TableLayout& layout)
{
    const TableLayout t = clampTable(layout);
    const int w = size.width(), h = size.height();
    const int x1 = rnd(t.left * w / 100), y1 = rnd(t.top * h / 100);
    const int x2 = rnd((1 - t.right / 100) * (w - 1)), y2 = rnd((1 - t.bottom / 100) * (h - 1));
    std::vector<SheetLine> lines;
    for (int k = 0; k <= t.rows; ++k)
        horizontal(lines, y1 + rnd(double(k) * (y2 - y1) / t.rows), x1, x2);
    for (int k = 0; k <= t.columns; ++k)
        vertical(lines, x1 + rnd(double(k) * (x2 - x1) / t.columns), y1, y2);
    return inside(lines, size);
}

std::vector<SheetLine> lineaturePattern(QSize size, int schoolClass, int n)
{
    const int c = std::clamp(schoolClass, 1, 4);
    n = clampSheetCount(SheetKind(int(SheetKind::Lineature1) + c - 1), n);
    const int w = size.width(), h = size.height();
    const int x1 = rnd(w * 5 / 100.0), y1 = rnd(h * 5 / 100.0);
    const int x2 = rnd((w - 1) * 0.95), y2 = rnd((h - 1) * 0.95);
    const int d = y2 - y1;
    const double f = c == 1 ? 0.6 : 0.7;
    const double g = c == 1 ? 0.2 : 0.15;
    const int rowHeight = rnd(double(d) / n * f);
    std::vector<SheetLine> lines;
    for (int r = 0; r < n; ++r) {
        const int l1 = y1 + rnd(double(r) * d / n + rowHeight * g);
        const int l2 = l1 + rnd(rowHeight * 75 / 245.0);
        const int l3 = l2 + rnd(rowHeight * 95 / 245.0);
        const int l4 = l3 + rnd(rowHeight * 75 / 245.0);
        if (c <= 2) {
            for (const int y : {l1, l2, l3, l4})
                horizontal(lines, y, x1, x2);
            vertical(lines, x1, l1, l4);
            vertical(lines, x2, l1, l4);
        } else if (c == 3) {
            horizontal(lines, l2, x1, x2);
            horizontal(lines, l3, x1, x2);
            vertical(lines, x1, l2, l3);
            vertical(lines, x2, l2, l3);
        } else {
            horizontal(lines, l3, x1, x2);
        }
    }
    return inside(lines, size);
}

std::vector<SheetLine> sheetPattern(SheetKind kind, QSize size, int count,
                                    const TableLayout& table)
{
    switch (kind) {
    case SheetKind::Blank:
        return {};
    case SheetKind::Lines:
        return linesPattern(size, count);
    case SheetKind::Squares:
        return squaresPattern(size, count);
    case SheetKind::Staves:
        return stavesPattern(size, count);
    case SheetKind::Table:
        return tablePattern(size, table);
    case SheetKind::Lineature1:
    case SheetKind::Lineature2:
    case SheetKind::Lineature3:
    case SheetKind::Lineature4:
        return lineaturePattern(size, int(kind) - int(SheetKind::Lineature1) + 1, count);
    }
    return {};
}

void paintSheetLines(QImage& picture, const std::vector<SheetLine>& lines, const QColor& colour)
{
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const SheetLine& l : inside(lines, picture.size()))
        p.fillRect(QRect(l.from, l.to), colour);
}

int clampSheetCount(SheetKind kind, int n)
{
    int most = 200;
    switch (kind) {
    case SheetKind::Staves:
    case SheetKind::Lineature1:
    case SheetKind::Lineature2:
        most = 20;
        break;
    case SheetKind::Lineature3:
        most = 50;
        break;
    case SheetKind::Lineature4:
        most = 100;
        break;
    default:
        break;
    }
    return std::clamp(n, 1, most);
}

TableLayout clampTable(TableLayout t)
{
    t.rows = std::clamp(t.rows, 1, 200);
    t.columns = std::clamp(t.columns, 1, 200);
    for (double* m : {&t.left, &t.right, &t.top, &t.bottom})
        *m = std::isnan(*m) ? 0.0 : std::clamp(*m, 0.0, 100.0);
    return t;
}

int& SheetCounts::of(SheetKind kind)
{
    switch (kind) {
    case SheetKind::Squares:
        return squares;
    case SheetKind::Staves:
        return staves;
    case SheetKind::Lineature1:
    case SheetKind::Lineature2:
    case SheetKind::Lineature3:
    case SheetKind::Lineature4:
        return lineature[int(kind) - int(SheetKind::Lineature1)];
    default:
        return lines;
    }
}

const std::vector<SheetMenuEntry>& boardSheetMenu()
{
    static const std::vector<SheetMenuEntry> menu = [] {
        std::vector<SheetMenuEntry> m;
        const QString blank = QStringLiteral("Leeres Blatt");
        m.push_back({blank, QStringLiteral("Leeres Blatt - weiß"), SheetKind::Blank, 1, 0, 0xFFFFFF});
        m.push_back({blank, QStringLiteral("Leeres Blatt - tafelgrün"), SheetKind::Blank, 1, 0,
                     kBlackboardGreen});
        m.push_back({blank, QStringLiteral("Leeres Blatt - frei..."), SheetKind::Blank, 0});
        const auto counted = [&m](const QString& submenu, const QString& prefix, SheetKind kind,
                                  std::array<int, 3> counts) {
            const char* const widths[] = {"weit", "mittel", "eng"};
            // Squares are named by their size, the others by their spacing.
            const char* const sizes[] = {"groß", "mittel", "klein"};
            for (int i = 0; i < 3; ++i) {
                const char* word = kind == SheetKind::Squares ? sizes[i] : widths[i];
                m.push_back({submenu,
                             QStringLiteral("%1 %2 (%3)")
                                 .arg(prefix, QString::fromUtf8(word))
                                 .arg(counts[i]),
                             kind, counts[i]});
            }
            m.push_back({submenu, prefix + QStringLiteral(" frei..."), kind, 0});
        };
        counted(QStringLiteral("Linien"), QStringLiteral("Linien"), SheetKind::Lines, {10, 15, 20});
        counted(QStringLiteral("Kariert"), QStringLiteral("Kariert"), SheetKind::Squares,
                {20, 30, 40});
        counted(QStringLiteral("Notenlinien"), QStringLiteral("Notenlinien"), SheetKind::Staves,
                {3, 5, 7});
        const QString table = QStringLiteral("Tabelle");
        for (const int rows : {6, 12})
            for (const int columns : {2, 3, 4})
                m.push_back({table, QStringLiteral("Tabelle %1x%2").arg(rows).arg(columns),
                             SheetKind::Table, rows, columns});
        m.push_back({table, QStringLiteral("Tabelle frei..."), SheetKind::Table, 0});
        const std::array<int, 3> lineatures[] = {{3, 5, 7}, {4, 6, 8}, {6, 9, 12}, {8, 12, 16}};
        for (int c = 1; c <= 4; ++c) {
            const QString name = QStringLiteral("Lineatur %1. Klasse").arg(c);
            counted(name, name, SheetKind(int(SheetKind::Lineature1) + c - 1), lineatures[c - 1]);
        }
        return m;
    }();
    return menu;
}

QString freeSheetDialogTitle(SheetKind kind)
{
    switch (kind) {
    case SheetKind::Lines:
        return QStringLiteral("Blatt mit Linien");
    case SheetKind::Squares:
        return QStringLiteral("Kariertes Blatt");
    case SheetKind::Staves:
        return QStringLiteral("Blatt mit Notenlinien");
    case SheetKind::Table:
        return QStringLiteral("Blatt mit Tabelle");
    case SheetKind::Lineature1:
    case SheetKind::Lineature2:
    case SheetKind::Lineature3:
    case SheetKind::Lineature4:
        return QStringLiteral("Lineatur %1. Klasse")
            .arg(int(kind) - int(SheetKind::Lineature1) + 1);
    case SheetKind::Blank:
        break;
    }
    return {};
}

QSize boardSheetSize(QSize area, const PageRatioPresets& presets, bool fullPage)
{
    qint64 width = std::max(1, area.width());
    qint64 height = std::max(1, area.height());
    if (presets.art == 1 && !fullPage) {
        const qint64 b = std::max(1, presets.breite);
        const qint64 r = std::max(1, presets.hoehe);
        const qint64 covering = rnd(double(width) * r / b);
        if (covering >= height)
            height = covering;
        else
            width = rnd(double(b) * height / r);
    }
    // A very long ratio must not ask for an absurd picture: shrink both
    // sides alike until it is one the program can hold.
    const double factor =
        std::min({1.0, double(kMaxPictureSide) / width, double(kMaxPictureSide) / height,
                  std::sqrt(double(kMaxPicturePixels) / (double(width) * height))});
    if (factor < 1.0) {
        width = std::max<qint64>(1, qint64(width * factor));
        height = std::max<qint64>(1, qint64(height * factor));
    }
    return QSize(int(width), int(height));
}

QRect fitIntoSelection(QSize picture, QSize selection)
{
    const double pw = std::max(1, picture.width()), ph = std::max(1, picture.height());
    const int W = std::max(1, selection.width()), H = std::max(1, selection.height());
    int width = W, height = H;
    if (ph / H > pw / W)
        width = std::max(1, rnd(H * pw / ph));
    else
        height = std::max(1, rnd(W * ph / pw));
    return QRect(rnd((W - width) / 2.0), rnd((H - height) / 2.0), width, height);
}

} // namespace velunto
