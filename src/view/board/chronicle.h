#pragma once

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace velunto {

// The chronicle: screenshots of the shown picture stored during the
// program's run as PNG files in the chronicle folder, listed newest first
// and called back as board sheets.
class Chronicle
{
  public:
    struct Entry
    {
        QString caption; // "Nr. 001 - 14:05 Uhr"
        QImage thumbnail;
        int file = 0; // index into files()
    };

    struct StoreResult
    {
        bool ok = false;
        QString caption; // of the new entry
        QString error;   // the message when not ok
    };

    // Thumbnails are this size: 120 pixels high and as wide as the screen's
    // ratio makes them.
    void setThumbnailSize(QSize size);
    QSize thumbnailSize() const { return m_thumbnailSize; }
    static QSize thumbnailSizeForScreen(QSize screen);

    // Writes picture into folder (created when missing) as
    // "yyyymmdd-hhnnss-nnn.png" and puts its entry on top of the menu. A
    // screenshot that cannot be written is not counted.
    StoreResult store(const QImage& picture, const QString& folder, const QDateTime& now);

    // The screenshots stored since the start, in order of storing.
    int count() const { return int(m_files.size()); }
    const QStringList& files() const { return m_files; }
    // The menu, newest first.
    const std::vector<Entry>& entries() const { return m_entries; }

    // Forgets every screenshot (after they were deleted at closing).
    void clear();

  private:
    QSize m_thumbnailSize{171, 120};
    QStringList m_files;
    std::vector<Entry> m_entries;
};

// The folder error of StoreInChronicle.
QString chronicleFolderError(const QString& folder);

} // namespace velunto
