#include "print/printgeometry.h"

#include "common/numeric.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

namespace velunto {

int PrinterGeometry::bottomLimit(int sheetMargin) const
{
    const int printableHeight = pageHeight - offsetTop - offsetBottom;
    const int margin = sheetMargin > offsetBottom ? sheetMargin - offsetBottom : 0;
    return printableHeight - margin;
}

PrinterGeometry PrinterGeometry::of(const QPagedPaintDevice& device)
{
    QPageLayout layout = device.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QRectF sheet = layout.fullRect(QPageLayout::Millimeter);
    const QMarginsF unprintable = layout.minimumMargins();
    const QRectF paint = layout.paintRect(QPageLayout::Millimeter);
    PrinterGeometry g;
    g.pageWidth = rnd(sheet.width() * 10);
    g.pageHeight = rnd(sheet.height() * 10);
    g.offsetLeft = rnd(unprintable.left() * 10);
    g.offsetTop = rnd(unprintable.top() * 10);
    g.offsetRight = rnd(unprintable.right() * 10);
    g.offsetBottom = rnd(unprintable.bottom() * 10);
    g.originLeft = rnd(paint.left() * 10);
    g.originTop = rnd(paint.top() * 10);
    return g;
}

PrintPainter::PrintPainter(QPagedPaintDevice& device)
    : m_device(device), m_geometry(PrinterGeometry::of(device)), m_painter(new QPainter)
{
    if (m_painter->begin(&device))
        setCoordinates();
}

PrintPainter::~PrintPainter()
{
    if (m_painter->isActive())
        m_painter->end();
    delete m_painter;
}

bool PrintPainter::isActive() const
{
    return m_painter->isActive();
}

void PrintPainter::setCoordinates()
{
    // Device units per 0.1 mm; printer coordinates start at the printable
    // area, the device's painter where its page layout says.
    m_painter->resetTransform();
    m_painter->scale(m_device.logicalDpiX() / 254.0, m_device.logicalDpiY() / 254.0);
    m_painter->translate(m_geometry.offsetLeft - m_geometry.originLeft,
                         m_geometry.offsetTop - m_geometry.originTop);
}

bool PrintPainter::newPage()
{
    if (!m_device.newPage())
        return false;
    setCoordinates();
    return true;
}

bool PrintPainter::end()
{
    return m_painter->end();
}

QString printFailedText()
{
    return QStringLiteral("Der Druckauftrag konnte nicht gestartet werden. Ist kein Drucker "
                          "eingerichtet, wählen Sie unter \"Einrichten...\" einen Drucker oder "
                          "die Ausgabe in eine PDF-Datei.");
}

} // namespace velunto
