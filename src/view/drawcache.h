#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

class QPainter;

namespace velunto {

// A key made of the values a drawing depends on.
class DrawKey
{
  public:
    DrawKey& operator<<(int value);
    DrawKey& operator<<(double value);
    DrawKey& operator<<(const QString& text);
    DrawKey& operator<<(QSize size);
    const QByteArray& bytes() const { return m_bytes; }

  private:
    QByteArray m_bytes;
};

// What the page composition keeps from one compose to the next, so that a
// redraw (zoom, layers, numbering, uncovering, dragging) never does twice
// what it did before: pictures scaled to the size they are drawn at, finished
// cards as premultiplied sprites to blit, and measured card texts. A full
// compose marks what it used; what neither of the last two full composes
// used is dropped, so that going to 200 % and back finds both sizes ready.
class DrawCache
{
  public:
    // source scaled smoothly to size (source itself when the size fits).
    const QImage& scaled(const QImage& source, QSize size);

    // The sprite of key, painted by paint on a transparent picture of size
    // the first time.
    const QImage& sprite(const DrawKey& key, QSize size,
                         const std::function<void(QPainter&)>& paint);

    // A measured card text: its size and the character height that fits.
    struct TextFit
    {
        QSize size;
        int characterHeight = 0;
    };
    std::optional<TextFit> textFit(const DrawKey& key);
    void storeTextFit(const DrawKey& key, const TextFit& fit);

    void beginPass();
    void endPass();
    int size() const { return int(m_pictures.size() + m_sprites.size() + m_fits.size()); }

  private:
    template <typename T> struct Entry
    {
        T value;
        int pass = 0; // the last full compose that used the entry
    };
    template <typename Map> void dropOld(Map& map);
    int m_pass = 0;
    QHash<QByteArray, Entry<QImage>> m_pictures;
    QHash<QByteArray, Entry<QImage>> m_sprites;
    QHash<QByteArray, Entry<TextFit>> m_fits;
};

} // namespace velunto
