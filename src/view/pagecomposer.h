#pragma once

#include "view/drawcache.h"
#include "view/objectpainter.h"
#include "view/pagegeometry.h"

#include <QImage>
#include <QRect>

#include <array>
#include <functional>
#include <vector>

namespace velunto {

class Document;
class ViewState;

// Composes the page picture of the learning view from the Document and the
// view state, and keeps it up to date as objects change.
//
// Pictures, all of the page picture's size, premultiplied ARGB32:
// - ground: the BaseImage on its HtgdCol margin zone, the grid of the object
//   editor and what the content types paint under the objects;
// - background: ground plus the fixed objects (the page without anything
//   that moves or changes);
// - page: the composed page with every object (PagePicture as composed,
//   without drawings; the drawing tools keep their own copy).
//
// A change of one object repaints only its rectangle: the rectangle is
// restored from ground and every object reaching into it is drawn again in
// the order of a full compose, clipped to the rectangle, so that lower and
// higher objects look exactly as after a full compose.
class PageComposer
{
  public:
    // Where content types paint: onto the canvas after the BaseImage (the
    // cluster baskets), when the page is ready (question builders), into the
    // background before the fixed objects (cloze text, tables, crossword), and
    // after the objects before the query fields are drawn on top.
    enum class Stage { Canvas, PageReady, Background, AfterObjects };
    using StageHook = std::function<void(Stage, DrawContext&)>;

    PageComposer(Document& document, ViewState& view);

    ObjectPainter& objectPainter() { return m_painter; }
    void addStageHook(StageHook hook) { m_hooks.push_back(std::move(hook)); }

    // Redraw: fits the page into the viewport at the current zoom, then
    // composes ground, background and page.
    void redraw();
    // RefreshObjects: composes background and page again from ground (after
    // objects moved or changed in many places).
    void refreshObjects();
    // Repaints the given rectangle of the page picture; returns the part of
    // the page picture that changed.
    QRect redrawArea(const QRect& area);
    // Repaints one object where it was and where it is now.
    QRect redrawObject(int index);
    // ToggleCover: flips a coverable object between covered and uncovered and
    // repaints it. Returns the changed rectangle, empty when the object is not
    // coverable.
    QRect toggleCover(int index);

    const QImage& page() const { return m_page; }
    const QImage& background() const { return m_background; }
    const QImage& ground() const { return m_ground; }
    const PageExtent& extent() const { return m_extent; }
    // What object index painted at the last compose, in page-picture pixels.
    QRect paintedRect(int index) const;

    int cachedDrawingCount() const { return m_cache.size(); }

  private:
    struct Pass
    {
        std::vector<int> objects; // in drawing order
        size_t afterObjectsHook;  // position of the AfterObjects hook in objects
    };

    void composeGround();
    Pass drawingOrder() const;
    DrawContext context(QPainter& painter, TextCanvas& canvas);
    void runHooks(Stage stage, DrawContext& ctx);
    // Draws the objects of pass from position start on; with a clip only
    // those reaching into it. fixedOnly draws just the fixed objects.
    void paintObjects(QImage& target, const Pass& pass, size_t start, const QRect& clip,
                      bool fixedOnly);
    QImage scaledBaseImage(QSize size);

    Document& m_document;
    ViewState& m_view;
    ObjectPainter m_painter;
    DrawCache m_cache;
    std::vector<StageHook> m_hooks;
    PageExtent m_extent;

    // The BaseImage on HtgdCol at a size, kept while its inputs stay.
    struct CanvasKey
    {
        qint64 base = 0;
        QSize size;
        RectD margins;
        ColorRef colour = -1;
        int opacity = -1;
        bool operator==(const CanvasKey&) const = default;
    };
    struct Canvas
    {
        CanvasKey key;
        QImage picture;
    };
    std::array<Canvas, 2> m_canvases;
    QImage m_reducedBase; // the BaseImage scaled down to at most ~2000 pixels
    qint64 m_reducedKey = 0;
    double m_reducedLimit = 0.0;

    QImage m_ground;
    QImage m_background;
    QImage m_page;
    std::vector<QRect> m_painted;
};

} // namespace velunto
