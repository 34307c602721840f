#include "print/formattedtext.h"
#include "print/printgeometry.h"
#include "print/tableprint.h"
#include "print/viewprint.h"
#include "support/pdftools.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velunto;
using namespace velunto::testing;

namespace {

// An A4 PDF whose painter starts at the sheet's corner, optionally with an
// unprintable margin on every side, as a printer in full-page mode has.
struct PdfPrinter
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("druck.pdf"));
    std::unique_ptr<QPdfWriter> writer;

    explicit PdfPrinter(double unprintableMm = 0)
    {
        keepWhenAsked(dir);
        writer = std::make_unique<QPdfWriter>(path);
        const QMarginsF unprintable(unprintableMm, unprintableMm, unprintableMm, unprintableMm);
        QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, unprintable,
                           QPageLayout::Millimeter, unprintable);
        layout.setMode(QPageLayout::FullPageMode);
        writer->setPageLayout(layout);
    }
    // Ends the file.
    void finish() { writer.reset(); }
};

// The rectangle (in mm at 1 pixel per mm) of the pixels that are clearly red.
QRect redArea(const QImage& page)
{
    QRect area;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                area |= QRect(x, y, 1, 1);
        }
    return area;
}

double mm(double points)
{
    return points / kPointsPerMm;
}

} // namespace

TEST(Printing, TheViewKeepsItsSheetMarginOnAnyPrinter)
{
    // A view twice as wide as high, 17 cm wide and so 8.5 cm high.
    QImage view(400, 200, QImage::Format_RGB32);
    view.fill(Qt::red);
    ViewPrintSettings settings;
    settings.height = 8.5;

    for (const double unprintable : {0.0, 5.0}) {
        SCOPED_TRACE(unprintable);
        PdfPrinter printer(unprintable);
        const PrinterGeometry g = PrinterGeometry::of(*printer.writer);
        EXPECT_EQ(g.pageWidth, 2100);
        EXPECT_EQ(g.pageHeight, 2970);
        EXPECT_EQ(g.offsetLeft, int(unprintable * 10));
        // 2.0 cm from the sheet's edge is 1.5 cm from a 5 mm unprintable edge.
        EXPECT_EQ(viewPrintRect(settings, g), QRect(200 - g.offsetLeft, 200 - g.offsetTop, 1700, 850));
        ASSERT_EQ(printViewPicture(*printer.writer, view, settings), QString());
        printer.finish();

        EXPECT_EQ(pdfInfo(printer.path, QStringLiteral("Pages")), QStringLiteral("1"));
        EXPECT_TRUE(pdfInfo(printer.path, QStringLiteral("Page size")).startsWith("595 x 842"));
        const QImage page = pdfPage(printer.path, 1, 25.4); // 1 pixel per mm
        const QRect red = redArea(page);
        EXPECT_NEAR(red.left(), 20, 1);
        EXPECT_NEAR(red.top(), 20, 1);
        EXPECT_NEAR(red.right() + 1, 190, 1);
        EXPECT_NEAR(red.bottom() + 1, 105, 1);
    }
}

TEST(Printing, TablesFillThePageWidthAndContinueOnNewPages)
{
    PrintTable table;
    for (const int width : {40, 200, 100, 80, 80, 140})
        table.columns.push_back({width, Qt::AlignLeft});
    table.columns[0].alignment = Qt::AlignHCenter;
    table.rows.push_back({"Pos.", "Name", "Rechner", "Leistung", "Zeit", "Datum"});
    for (int r = 1; r <= 120; ++r)
        table.rows.push_back({QString::number(r), QStringLiteral("Name%1").arg(r),
                              QStringLiteral("PC-%1").arg(r), QStringLiteral("90.0"),
                              QStringLiteral("01:05"), QStringLiteral("05.03.2024")});

    PdfPrinter printer;
    const TableLayout layout = layoutTable(table, PrinterGeometry::of(*printer.writer));
    // 20000 ÷ 640 × 1800 ÷ 1800 = 31.25: a character height of 3.1 mm.
    EXPECT_EQ(layout.fontHeight, 31);
    EXPECT_EQ(layout.columnLeft.front(), 150);
    EXPECT_EQ(layout.columnLeft.back() + layout.columnWidth.back(), 2100 - 150);
    ASSERT_EQ(printTable(*printer.writer, table), QString());
    printer.finish();

    const std::vector<PdfWord> words = pdfWords(printer.path);
    const int pages = pdfInfo(printer.path, QStringLiteral("Pages")).toInt();
    ASSERT_GE(pages, 2);
    const PdfWord* name = findWord(words, QStringLiteral("Name"), 1);
    ASSERT_NE(name, nullptr);
    // Column 2 starts 40/640 of 180 mm after the 15 mm margin (1 mm inset).
    EXPECT_NEAR(mm(name->xMin), 15 + 180.0 * 40 / 640 + 1, 0.6);
    EXPECT_NEAR(mm(name->yMin), 15, 1.5);
    EXPECT_LE(mm(name->yMax - name->yMin), 4.5);
    // Every row is printed once; page 2 goes on where page 1 stopped, without
    // repeating the header, and no row passes the bottom margin.
    int lastRowOfPage1 = 0;
    for (int r = 1; r <= 120; ++r) {
        const PdfWord* w = findWord(words, QStringLiteral("Name%1").arg(r));
        ASSERT_NE(w, nullptr) << r;
        EXPECT_LE(mm(w->yMax), 297 - 15 + 0.5);
        if (w->page == 1)
            lastRowOfPage1 = r;
    }
    const PdfWord* next = findWord(words, QStringLiteral("Name%1").arg(lastRowOfPage1 + 1));
    EXPECT_EQ(next->page, 2);
    EXPECT_NEAR(mm(next->yMin), 15, 1.5);
    EXPECT_EQ(findWord(words, QStringLiteral("Rechner"), 2), nullptr);

    // A grid far wider than the page is scaled to the page; a narrow one's
    // characters stay at 4 mm.
    PrintTable wide = table;
    for (PrintTable::Column& c : wide.columns)
        c.width *= 10;
    const TableLayout wideLayout = layoutTable(wide, PrinterGeometry::of(*PdfPrinter().writer));
    EXPECT_EQ(wideLayout.fontHeight, 3);
    EXPECT_EQ(wideLayout.columnLeft.back() + wideLayout.columnWidth.back(), 1950);
    PrintTable narrow = table;
    for (PrintTable::Column& c : narrow.columns)
        c.width = 10;
    EXPECT_EQ(layoutTable(narrow, PrinterGeometry::of(*PdfPrinter().writer)).fontHeight, 40);
}

TEST(Printing, FormattedTextHasItsTitleMarginsAndTabStop)
{
    QString text = QStringLiteral("<tit>Übungsprotokoll\r\nTeilnehmername:\tAnna\r\n"
                                  "Übungsart:\tIndividual-Übung\r\n\r\n<TIT>Detaillierter Ablauf\r\n");
    for (int i = 1; i <= 150; ++i)
        text += QStringLiteral("0:%1 - Zeile%2\r\n").arg(i % 60, 2, 10, QLatin1Char('0')).arg(i);

    PdfPrinter printer;
    ASSERT_EQ(printFormattedText(*printer.writer, text, QStringLiteral("Übungsprotokoll")),
              QString());
    printer.finish();

    EXPECT_EQ(pdfInfo(printer.path, QStringLiteral("Title")), QStringLiteral("Übungsprotokoll"));
    EXPECT_GE(pdfInfo(printer.path, QStringLiteral("Pages")).toInt(), 2);
    const std::vector<PdfWord> words = pdfWords(printer.path);
    const PdfWord* title = findWord(words, QStringLiteral("Übungsprotokoll"));
    const PdfWord* label = findWord(words, QStringLiteral("Teilnehmername:"));
    const PdfWord* value = findWord(words, QStringLiteral("Anna"));
    ASSERT_TRUE(title && label && value);
    EXPECT_NEAR(mm(title->xMin), 20, 0.5);
    EXPECT_NEAR(mm(title->yMin), 20, 1.5);
    EXPECT_NEAR(mm(label->xMin), 20, 0.5);
    EXPECT_NEAR(value->xMin - 20 * kPointsPerMm, 160, 1.5); // the tab stop at 160 points
    EXPECT_NEAR(value->yMin, label->yMin, 0.5);
    for (int i = 1; i <= 150; ++i) {
        const PdfWord* line = findWord(words, QStringLiteral("Zeile%1").arg(i));
        ASSERT_NE(line, nullptr) << i;
        EXPECT_LE(mm(line->yMax), 297 - 20 + 0.5);
    }
}

TEST(Printing, ViewExportWritesByExtensionOrNothing)
{
    QTemporaryDir dir;
    QImage view(64, 48, QImage::Format_ARGB32);
    view.fill(QColor(10, 200, 30));

    for (const char* name : {"ansicht.png", "ansicht.JPG", "ansicht.bmp"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(exportViewPicture(view, path).empty()) << name;
        QImageReader reader(path);
        EXPECT_EQ(reader.size(), view.size()) << name;
    }
    // PNG with zlib level 5 (the levels 2..5 share a mark in the stream header);
    // JPEG quality 99 (a first quantisation table of ones and twos).
    const QByteArray png = [&] {
        QFile f(dir.filePath(QStringLiteral("ansicht.png")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const qsizetype idat = png.indexOf("IDAT");
    ASSERT_GT(idat, 0);
    EXPECT_EQ(quint8(png[idat + 5]) >> 6, 1) << "zlib level 2 to 5";
    const QByteArray jpg = [&] {
        QFile f(dir.filePath(QStringLiteral("ansicht.JPG")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const qsizetype dqt = jpg.indexOf("\xff\xdb");
    ASSERT_GT(dqt, 0);
    for (int i = 0; i < 64; ++i)
        EXPECT_LE(quint8(jpg[dqt + 5 + i]), 2) << i;

    const UserMessages wrong = exportViewPicture(view, dir.filePath(QStringLiteral("ansicht.gif")));
    ASSERT_EQ(wrong.size(), 1u);
    EXPECT_EQ(wrong[0].text,
              QStringLiteral("Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung."));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("ansicht.gif"))));

    const QString nowhere = dir.filePath(QStringLiteral("fehlt/ansicht.png"));
    EXPECT_EQ(exportViewPicture(view, nowhere),
              (UserMessages{{Prompter::Kind::Error,
                             QStringLiteral("Datei konnte nicht erstellt werden:\r\n") + nowhere}}));
}
