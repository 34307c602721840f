#pragma once

#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace velunto {

// A printer's page in units of 0.1 mm, as every print routine of the program
// sees it: the physical sheet and the unprintable margins at its edges.
// Printer coordinates start at the top left of the printable area, y down.
struct PrinterGeometry
{
    int pageWidth = 2100; // the physical sheet
    int pageHeight = 2970;
    int offsetLeft = 0; // unprintable margins
    int offsetTop = 0;
    int offsetRight = 0;
    int offsetBottom = 0;
    // Where the device's painter starts, from the sheet's corner: the corner
    // itself for a printer in full-page mode, else the page's margins.
    int originLeft = 0;
    int originTop = 0;

    // A margin measured from the sheet's edge, in printer coordinates: the
    // unprintable margin on its side is already part of it.
    int left(int sheetMargin) const { return sheetMargin > offsetLeft ? sheetMargin - offsetLeft : 0; }
    int top(int sheetMargin) const { return sheetMargin > offsetTop ? sheetMargin - offsetTop : 0; }
    // The lowest y a print may reach with a bottom margin measured from the
    // sheet's edge.
    int bottomLimit(int sheetMargin) const;

    static PrinterGeometry of(const QPagedPaintDevice& device);
};

// A painter on a paged device in printer coordinates (0.1 mm from the top
// left of the printable area). isActive() is false when the job could not
// start.
class PrintPainter
{
  public:
    explicit PrintPainter(QPagedPaintDevice& device);
    ~PrintPainter();
    PrintPainter(const PrintPainter&) = delete;
    PrintPainter& operator=(const PrintPainter&) = delete;

    bool isActive() const;
    QPainter& painter() { return *m_painter; }
    const PrinterGeometry& geometry() const { return m_geometry; }
    // Starts a new page with the same coordinates; false when the device
    // refuses.
    bool newPage();
    // Ends the job; false when the device reports an error.
    bool end();

  private:
    void setCoordinates();

    QPagedPaintDevice& m_device;
    PrinterGeometry m_geometry;
    QPainter* m_painter;
};

// Printing failed: the text for the message box.
QString printFailedText();

} // namespace velunto
