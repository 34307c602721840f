#include "print/viewprint.h"

#include "common/numeric.h"
#include "document/picturecodec.h"
#include "print/printgeometry.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSaveFile>

#include <zlib.h>

namespace velunto {

QRect viewPrintRect(const ViewPrintSettings& settings, const PrinterGeometry& geometry)
{
    return QRect(geometry.left(rnd(settings.left * 100)), geometry.top(rnd(settings.top * 100)),
                 rnd(settings.width * 100), rnd(settings.height * 100));
}

QString printViewPicture(QPagedPaintDevice& device, const QImage& picture,
                         const ViewPrintSettings& settings)
{
    PrintPainter print(device);
    if (!print.isActive())
        return printFailedText();
    print.painter().setRenderHint(QPainter::SmoothPixmapTransform);
    print.painter().drawImage(viewPrintRect(settings, print.geometry()), picture);
    return print.end() ? QString() : printFailedText();
}

QStringList viewExportFilters()
{
    return {QStringLiteral("Alle Dateien (*.*)"), QStringLiteral("PNG (*.png)"),
            QStringLiteral("JPEG (*.jpg)"), QStringLiteral("Bitmap (*.bmp)")};
}

UserMessages exportViewPicture(const QImage& picture, const QString& path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    QByteArray bytes;
    if (extension == u"png") {
        bytes = encodePng(picture.convertToFormat(QImage::Format_RGB32),
                          PngEncoderSettings{5, PngFilter::All, Z_DEFAULT_STRATEGY});
    } else if (extension == u"jpg") {
        bytes = encodeJpeg(picture.convertToFormat(QImage::Format_RGB32), 99);
    } else if (extension == u"bmp") {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!QImageWriter(&buffer, "bmp").write(picture.convertToFormat(QImage::Format_RGB32)))
            bytes.clear();
    } else {
        return {{Prompter::Kind::Error,
                 QStringLiteral("Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung.")}};
    }
    QSaveFile file(path);
    if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) ||
        file.write(bytes) != bytes.size() || !file.commit())
        return {{Prompter::Kind::Error,
                 QStringLiteral("Datei konnte nicht erstellt werden:\r\n") + path}};
    return {};
}

} // namespace velunto
