#pragma once

#include <QHash>
#include <QImage>
#include <QSize>

namespace velunto {

// Object pictures scaled to the size they are drawn at, so that redrawing
// (zoom, uncovering, dragging) never rescales a picture that was scaled
// before. Entries are premultiplied ARGB32 for fast blits. A full compose
// marks what it used; entries not used by the last full compose are dropped.
class PictureCache
{
  public:
    // source scaled smoothly to size (a copy of source when the size fits).
    const QImage& scaled(const QImage& source, QSize size);

    void beginPass();
    void endPass();

    int size() const { return int(m_entries.size()); }
    void clear() { m_entries.clear(); }

  private:
    struct Key
    {
        qint64 picture;
        int width;
        int height;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& key, size_t seed)
    {
        return qHashMulti(seed, key.picture, key.width, key.height);
    }
    struct Entry
    {
        QImage image;
        bool used = true;
    };
    QHash<Key, Entry> m_entries;
};

} // namespace velunto
