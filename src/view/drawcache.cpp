#include "view/drawcache.h"

#include <QPainter>

namespace velunto {

namespace {

} // namespace

DrawKey& DrawKey::operator<<(int value)
{
    m_bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
    return *this;
}

DrawKey& DrawKey::operator<<(double value)
{
    m_bytes.append(reinterpret_cast<const char*>(&value), sizeof value);
    return *this;
}

DrawKey& DrawKey::operator<<(const QString& text)
{
    *this << int(text.size());
    m_bytes.append(reinterpret_cast<const char*>(text.constData()), text.size() * 2);
    return *this;
}

DrawKey& DrawKey::operator<<(QSize size)
{
    return *this << size.width() << size.height();
}

const QImage& DrawCache::scaled(const QImage& source, QSize size)
{
    DrawKey key;
    key << double(source.cacheKey()) << size;
    auto it = m_pictures.find(key.bytes());
    if (it == m_pictures.end()) {
        QImage image = source.size() == size
                           ? source
                           : source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image = std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        it = m_pictures.insert(key.bytes(), {std::move(image), m_pass});
    }
    it->pass = m_pass;
    return it->value;
}

const QImage& DrawCache::sprite(const DrawKey& key, QSize size,
                                const std::function<void(QPainter&)>& paint)
{
    DrawKey full = key;
    full << size;
    auto it = m_sprites.find(full.bytes());
    if (it == m_sprites.end()) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            paint(p);
        }
        it = m_sprites.insert(full.bytes(), {std::move(image), m_pass});
    }
    it->pass = m_pass;
    return it->value;
}

std::optional<DrawCache::TextFit> DrawCache::textFit(const DrawKey& key)
{
    auto it = m_fits.find(key.bytes());
    if (it == m_fits.end())
        return std::nullopt;
    it->pass = m_pass;
    return it->value;
}

void DrawCache::storeTextFit(const DrawKey& key, const TextFit& fit)
{
    m_fits.insert(key.bytes(), {fit, m_pass});
}

void DrawCache::beginPass()
{
    ++m_pass;
}

template <typename Map> void DrawCache::dropOld(Map& map)
{
    const int oldest = m_pass - 1;
    map.removeIf([oldest](const typename Map::iterator& it) { return it->pass < oldest; });
}

void DrawCache::endPass()
{
    dropOld(m_pictures);
    dropOld(m_sprites);
    dropOld(m_fits);
}

} // namespace velunto
