#include "view/picturecache.h"

namespace velunto {

const QImage& PictureCache::scaled(const QImage& source, QSize size)
{
    const Key key{source.cacheKey(), size.width(), size.height()};
    auto it = m_entries.find(key);
    if (it == m_entries.end()) {
        QImage image = source.size() == size
                           ? source
                           : source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        image = std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        it = m_entries.insert(key, Entry{std::move(image), true});
    }
    it->used = true;
    return it->image;
}

void PictureCache::beginPass()
{
    for (Entry& e : m_entries)
        e.used = false;
}

void PictureCache::endPass()
{
    m_entries.removeIf([](const decltype(m_entries)::iterator& it) { return !it->used; });
}

} // namespace velunto
