#include "document/picturefile.h"

#include "common/filemessages.h"
#include "document/document.h"
#include "document/picturecodec.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace velunto {

namespace {

// Largest picture file read whole into memory; a picture file of the
// allowed size is far smaller.
constexpr qint64 kMaxPictureFileBytes = qint64(1) << 30;

std::optional<Picture> decodeBmp(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    const QSize size = reader.size();
    if (!size.isValid() || !pictureSizeAllowed(size.width(), size.height()))
        return std::nullopt;
    reader.setAllocationLimit(int(kMaxPicturePixels * 4 / (1024 * 1024)) + 1);
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_RGB32);
}

} // namespace

PictureFileResult loadPictureFile(const QString& path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension != u"bmp" && extension != u"png" && extension != u"jpg")
        return {{},
                QStringLiteral("Öffnen fehlgeschlagen wegen ungültiger Dateinamenserweiterung.")};

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxPictureFileBytes)
        return {{}, fileReadErrorMessage(path)};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{}, fileReadErrorMessage(path)};

    std::optional<Picture> picture;
    if (extension == u"png")
        picture = decodePng(bytes);
    else if (extension == u"jpg")
        picture = decodeJpeg(bytes);
    else
        picture = decodeBmp(bytes);
    if (!picture)
        return {{}, fileReadErrorMessage(path)};
    return {std::move(*picture), {}};
}

PictureFileResult insertBaseImageFromFile(Document& document, const QString& path)
{
    PictureFileResult result = loadPictureFile(path);
    if (result.ok()) {
        document.setBaseImage(result.picture);
        document.setModified();
    }
    return result;
}

} // namespace velunto
