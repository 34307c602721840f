#include "view/board/chronicle.h"

#include "common/filemessages.h"
#include "common/numeric.h"
#include "document/picturecodec.h"

#include <QDir>
#include <QPainter>
#include <QSaveFile>

namespace velunto {

namespace {

QImage thumbnailOf(const QImage& picture, QSize size)
{
    QImage thumbnail(size, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    if (picture.isNull())
        return thumbnail;
    const QImage scaled =
        picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter p(&thumbnail);
    p.drawImage((size.width() - scaled.width()) / 2, (size.height() - scaled.height()) / 2,
                scaled);
    return thumbnail;
}

} // namespace

QString chronicleFolderError(const QString& folder)
{
    return QStringLiteral("Verzeichnis für Chronik-Screenshots konnte nicht erstellt werden:\r\n") +
           folder;
}

QSize Chronicle::thumbnailSizeForScreen(QSize screen)
{
    const int height = std::max(1, screen.height());
    return QSize(std::max(1, rnd(double(screen.width()) * 120 / height)), 120);
}

void Chronicle::setThumbnailSize(QSize size)
{
    m_thumbnailSize = size.expandedTo(QSize(1, 1));
}

Chronicle::StoreResult Chronicle::store(const QImage& picture, const QString& folder,
                                        const QDateTime& now)
{
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {false, {}, chronicleFolderError(folder)};

    const int number = count() + 1;
    const QString nnn = QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0'));
    const QString path = QDir(folder).filePath(now.toString(QStringLiteral("yyyyMMdd-hhmmss")) +
                                               QStringLiteral("-") + nnn + QStringLiteral(".png"));
    const QImage opaque = picture.convertToFormat(QImage::Format_RGB32);
    const QByteArray png = opaque.isNull() ? QByteArray() : encodePng(opaque);
    QSaveFile file(path);
    if (png.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(png) != png.size() ||
        !file.commit())
        return {false, {}, fileWriteErrorMessage(path)};

    const QString caption = QStringLiteral("Nr. ") + nnn + QStringLiteral(" - ") +
                            now.toString(QStringLiteral("hh:mm")) + QStringLiteral(" Uhr");
    m_files << path;
    m_entries.insert(m_entries.begin(),
                     Entry{caption, thumbnailOf(opaque, m_thumbnailSize), number - 1});
    return {true, caption, {}};
}

void Chronicle::clear()
{
    m_files.clear();
    m_entries.clear();
}

} // namespace velunto
