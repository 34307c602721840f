#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <vector>

namespace velunto {

// The pictures the drawing tools work on: the shown picture (the visible
// part of the page with the drawings in it), the composed view (the same
// part of the page without drawings, which the eraser copies from), the
// rubber band of a shape being dragged and the one level of undo.
//
// The composed view is read straight from the composed page, which is
// shared and not copied, so showing a new visible part costs one copy.
//
// Undo keeps only what a drawing action changed: the picture is cut into
// tiles, and before a tile changes for the first time after the snapshot
// its pixels are saved. Taking a snapshot is thus free, and undoing a stroke
// restores the few tiles it touched instead of the whole picture.
class DrawingSurface
{
  public:
    static constexpr int kTile = 32;

    // Starts over with a new visible part (after a compose, a scroll or a
    // move of the visible part): shown is what the page control shows, page
    // the composed page without drawings; pixel (x, y) of the shown picture
    // is pixel (x, y) + origin of the page. The page is read where it lies,
    // so it must live as long as these pictures are shown (the composer's
    // page does). Drops the rubber band and the undo snapshot.
    void setPictures(QImage shown, const QImage* page, QPoint origin = {});
    // The same with a page of its own (a shared copy).
    void setPictures(QImage shown, QImage page, QPoint origin = {});
    // Counts the calls of setPictures, so that a drag can tell that the
    // picture under it was replaced.
    int generation() const { return m_generation; }

    QImage& shown() { return m_shown; }
    const QImage& shown() const { return m_shown; }
    QSize size() const { return m_shown.size(); }
    QRect rect() const { return m_shown.rect(); }
    // The composed view's pixel at a point of the shown picture.
    QRgb composedPixel(QPoint p) const { return m_page->pixel(p + m_origin); }

    // TakeUndoSnapshot: the state of now is what undo returns to.
    void takeUndoSnapshot();
    bool undoAvailable() const { return m_undoAvailable; }
    void dropUndo() { m_undoAvailable = false; }
    // Must be called before the pixels of area change; saves what undo needs.
    void aboutToChange(const QRect& area);
    // Restores the picture of the last snapshot; returns what changed (empty
    // when there is nothing to undo): the restored tiles, not their bounds,
    // so that a long diagonal stroke repaints only its own strip.
    QRegion undo();

    // The rubber band: these pixels are shown inverted until it is replaced
    // or cleared. Returns what changed.
    QRect setPreview(std::vector<QPoint> pixels);
    QRect clearPreview() { return setPreview({}); }
    bool hasPreview() const { return !m_preview.empty(); }

    // A part of the page was composed anew (a field covered or uncovered):
    // shown picture, composed view and undo snapshot take the new pixels of
    // page, so that neither undo nor the eraser brings the old state of the
    // field back. area is in pixels of the shown picture; page is the page
    // now (the one read already, or the new state of the surface's own).
    void renew(const QRect& area, const QImage& page);

    // The eraser: copies a rectangle of the composed view into the shown
    // picture. Returns what changed.
    QRect restoreFromComposed(const QRect& area);

  private:
    int tileIndex(int column, int row) const { return row * m_columns + column; }
    QRect invertPreview();
    void copyFromPage(QImage& target, const QRect& area) const;

    QImage m_shown;
    QImage m_ownPage;
    const QImage* m_page = &m_ownPage;
    QPoint m_origin;
    int m_generation = 0;
    QImage m_saved; // the snapshot's pixels of the saved tiles
    std::vector<bool> m_tileSaved;
    int m_columns = 0;
    int m_rows = 0;
    bool m_undoAvailable = false;
    QRect m_savedBounds;
    std::vector<QPoint> m_preview;
};

} // namespace velunto
