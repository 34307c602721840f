#include "view/drawing/drawingsurface.h"

#include "view/drawing/strokes.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace velunto {

namespace {

QImage premultiplied(QImage picture)
{
    if (picture.format() != QImage::Format_ARGB32_Premultiplied)
        picture.convertTo(QImage::Format_ARGB32_Premultiplied);
    return picture;
}

// Copies area of source into target at the same place (both of one size and
// format).
void copyArea(QImage& target, const QImage& source, const QRect& area)
{
    const QRect a = area & target.rect() & source.rect();
    if (a.isEmpty())
        return;
    const int bytes = a.width() * 4;
    for (int y = a.top(); y <= a.bottom(); ++y)
        std::memcpy(target.scanLine(y) + a.left() * 4, source.constScanLine(y) + a.left() * 4,
                    bytes);
}

} // namespace

void DrawingSurface::setPictures(QImage shown, const QImage* page, QPoint origin)
{
    m_shown = premultiplied(std::move(shown));
    m_page = page ? page : &m_ownPage;
    m_origin = origin;
    ++m_generation;
    m_preview.clear();
    m_columns = (m_shown.width() + kTile - 1) / kTile;
    m_rows = (m_shown.height() + kTile - 1) / kTile;
    if (m_saved.size() != m_shown.size())
        m_saved = QImage(m_shown.size(), QImage::Format_ARGB32_Premultiplied);
    m_tileSaved.assign(size_t(m_columns) * m_rows, false);
    m_savedBounds = {};
    m_undoAvailable = false;
}

void DrawingSurface::setPictures(QImage shown, QImage page, QPoint origin)
{
    m_ownPage = premultiplied(std::move(page));
    setPictures(std::move(shown), &m_ownPage, origin);
}

void DrawingSurface::copyFromPage(QImage& target, const QRect& area) const
{
    // Beyond the page (a page smaller than the shown picture) stays as it is.
    const QImage& page = *m_page;
    const QRect a = area & target.rect() & page.rect().translated(-m_origin);
    if (a.isEmpty())
        return;
    if (page.format() != target.format()) {
        QPainter p(&target);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(a.topLeft(), page, a.translated(m_origin));
        return;
    }
    const int bytes = a.width() * 4;
    for (int y = a.top(); y <= a.bottom(); ++y)
        std::memcpy(target.scanLine(y) + a.left() * 4,
                    page.constScanLine(y + m_origin.y()) + (a.left() + m_origin.x()) * 4, bytes);
}

void DrawingSurface::takeUndoSnapshot()
{
    std::fill(m_tileSaved.begin(), m_tileSaved.end(), false);
    m_savedBounds = {};
    m_undoAvailable = true;
}

void DrawingSurface::aboutToChange(const QRect& area)
{
    if (!m_undoAvailable)
        return;
    const QRect a = area & m_shown.rect();
    if (a.isEmpty())
        return;
    for (int row = a.top() / kTile; row <= a.bottom() / kTile; ++row) {
        for (int column = a.left() / kTile; column <= a.right() / kTile; ++column) {
            const int i = tileIndex(column, row);
            if (m_tileSaved[i])
                continue;
            const QRect tile = QRect(column * kTile, row * kTile, kTile, kTile) & m_shown.rect();
            copyArea(m_saved, m_shown, tile);
            m_tileSaved[i] = true;
            m_savedBounds |= tile;
        }
    }
}

QRegion DrawingSurface::undo()
{
    if (!m_undoAvailable)
        return {};
    m_undoAvailable = false;
    if (m_savedBounds.isEmpty())
        return {};
    // Runs of saved tiles in each row of tiles, restored row by row.
    std::vector<QRect> restored;
    for (int row = m_savedBounds.top() / kTile; row <= m_savedBounds.bottom() / kTile; ++row) {
        const int last = m_savedBounds.right() / kTile;
        for (int column = m_savedBounds.left() / kTile; column <= last; ++column) {
            if (!m_tileSaved[tileIndex(column, row)])
                continue;
            int end = column;
            while (end < last && m_tileSaved[tileIndex(end + 1, row)])
                ++end;
            const QRect run = QRect(column * kTile, row * kTile, (end - column + 1) * kTile, kTile) &
                              m_shown.rect();
            copyArea(m_shown, m_saved, run);
            restored.push_back(run);
            column = end;
        }
    }
    m_savedBounds = {};
    m_preview.clear();
    QRegion changed;
    changed.setRects(restored.data(), int(restored.size()));
    return changed;
}

QRect DrawingSurface::invertPreview()
{
    for (const QPoint& p : m_preview)
        aboutToChange(QRect(p, QSize(1, 1)));
    return invertPixels(m_shown, m_preview);
}

QRect DrawingSurface::setPreview(std::vector<QPoint> pixels)
{
    QRect changed = invertPreview();
    m_preview = std::move(pixels);
    changed |= invertPreview();
    return changed;
}

void DrawingSurface::renew(const QRect& area, const QImage& page)
{
    const QRect a = area & m_shown.rect();
    if (a.isEmpty())
        return;
    // The rubber band stays over the renewed pixels.
    invertPreview();
    if (m_page == &m_ownPage)
        m_ownPage = premultiplied(page);
    copyFromPage(m_shown, a);
    copyFromPage(m_saved, a);
    invertPreview();
}

QRect DrawingSurface::restoreFromComposed(const QRect& area)
{
    const QRect a = area & m_shown.rect();
    if (a.isEmpty())
        return {};
    aboutToChange(a);
    copyFromPage(m_shown, a);
    return a;
}

} // namespace velunto
