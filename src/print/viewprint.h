#pragma once

#include "platform/usermessage.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

namespace velunto {

struct PrinterGeometry;

// The fields of the view print dialog "Ansicht drucken", in cm.
struct ViewPrintSettings
{
    double left = 2.0;
    double top = 2.0;
    double width = 17.0;
    double height = 17.0;
    int copies = 1; // 1..999
    bool keepAspectRatio = true;
};

// Where the view lands in printer coordinates: the margins less the
// unprintable margins, the sizes as given (cm × 100 = 0.1 mm).
QRect viewPrintRect(const ViewPrintSettings& settings, const PrinterGeometry& geometry);

// Prints picture stretched into its rectangle on one page. Empty text on
// success, else what went wrong.
QString printViewPicture(QPagedPaintDevice& device, const QImage& picture,
                         const ViewPrintSettings& settings);

// --- export ----------------------------------------------------------------------

// The filters of the save dialog "Ansicht in Bilddatei speichern".
QStringList viewExportFilters();

// Writes picture as PNG (compression level 5), JPEG (quality 99) or Windows
// bitmap by the file's extension. Another extension writes nothing. The
// file is replaced in one step. Returns the messages to show.
UserMessages exportViewPicture(const QImage& picture, const QString& path);

} // namespace velunto
