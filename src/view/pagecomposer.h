#pragma once

#include "document/documentchange.h"
#include "view/drawcache.h"
#include "view/hittest.h"
#include "view/objectpainter.h"
#include "view/pagegeometry.h"
#include "view/session.h"

#include <QImage>
#include <QRect>

#include <array>
#include <functional>
#include <vector>

namespace velunto {

class Document;
class ViewState;

// Composes the page picture of one view from the Document, the session and
// the view's state, and keeps it up to date by itself: it follows the
// Document's and the session's notifications and repaints what they name,
// then tells its owner (setPageChanged) which part of the page changed.
//
// Pictures, all of the page picture's size in device pixels (ViewState::
// composedSize: twice the control's pixels on a screen scaled to 200 %), so
// that the page is drawn sharp; premultiplied ARGB32. Rectangles given and
// returned here are in these pixels.
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
class PageComposer : private DocumentObserver, private SessionObserver
{
  public:
    // The content type of the document paints at these stages (ContentType::
    // composeStage); hooks added here paint after it.
    using Stage = ComposeStage;
    using StageHook = ComposeStageFn;

    PageComposer(Document& document, ViewState& view);
    ~PageComposer() override;
    PageComposer(const PageComposer&) = delete;
    PageComposer& operator=(const PageComposer&) = delete;

    ObjectPainter& objectPainter() { return m_painter; }
    void addStageHook(StageHook hook) { m_hooks.push_back(std::move(hook)); }

    // Called after the page picture changed by itself, with the part that
    // changed; recomposed is set when the whole page was composed again (it
    // may have another size, and whatever was drawn over it is gone).
    using PageChanged = std::function<void(const QRect& area, bool recomposed)>;
    void setPageChanged(PageChanged changed) { m_changed = std::move(changed); }

    // Redraw: fits the page into the viewport at the current zoom, then
    // composes ground and page.
    void redraw();
    // RefreshObjects: composes the page again from ground (after
    // objects moved or changed in many places).
    void refreshObjects();
    // Repaints the given rectangle of the page picture; returns the part of
    // the page picture that changed.
    QRect redrawArea(const QRect& area);
    // Repaints one object where it was and where it is now.
    QRect redrawObject(int index);

    const QImage& page() const { return m_page; }
    // Composed when asked for: a full compose draws the page straight from
    // ground and skips this copy.
    const QImage& background();
    const QImage& ground() const { return m_ground; }
    const PageExtent& extent() const { return m_extent; }
    // What object index painted at the last compose, in device pixels.
    QRect paintedRect(int index) const;
    // Where the cards were drawn: this view's hit geometry.
    const DrawnCards& cards() const { return m_cards; }
    const ViewState& view() const { return m_view; }

    int cachedDrawingCount() const { return m_cache.size(); }

  private:
    void documentChanged(const DocumentChange& change) override;
    void sessionChanged(const Session& session, const SessionChange& change) override;
    void tell(const QRect& area, bool recomposed);

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
    PageChanged m_changed;
    PageExtent m_extent;
    bool m_composed = false; // a page was composed since the composer was made

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
    bool m_backgroundDone = false; // m_background shows the current objects
    QImage m_page;
    std::vector<QRect> m_painted;
    DrawnCards m_cards;
};

} // namespace velunto
