#pragma once

#include "document/records.h"
#include "view/session.h"

#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QSizeF>

#include <array>

namespace velunto {

enum class ScrollDirection { Left, Right, Up, Down };

// The colour around the page where the window is larger than the page picture.
inline const QColor kViewSurround{0x5A, 0x5A, 0x5A};

// The state of one view of the page: what it shows (zoom, visible part,
// layers) and the mapping between page fractions, page-picture pixels and the
// pixels of its page control. Everything that all views follow alike (mode,
// tool, numbering, question, object editor) is the Session's.
//
// The page picture is the page fitted into the viewport and multiplied by the
// zoom factor. Where it is smaller than the viewport it is centred; the part
// of the control it covers is the shown rectangle. Screen coordinates are
// pixels of the page control.
class ViewState
{
  public:
    explicit ViewState(Session& session) : m_session(&session) {}

    // The session this view follows.
    const Session& session() const { return *m_session; }
    Session& session() { return *m_session; }

    static constexpr int kZoomSteps = 5;
    // 1.0, 1.25, 1.5, 1.75, 2.0; indices outside 0..4 are clamped.
    static double zoomFactor(int index);

    // --- viewport and page picture ---------------------------------------------

    void setViewport(QSize size) { m_viewport = size; }
    QSize viewport() const { return m_viewport; }
    // Where the viewport lies in the control: (0, 0) unless an exercise keeps
    // the right part of the control for its elements.
    void setViewportOrigin(QPoint origin) { m_origin = origin; }
    QPoint viewportOrigin() const { return m_origin; }

    // Computes the page picture size for a page of pageSize (in any unit) and
    // gives Ansicht the viewport's share of it, keeping its centre. An empty
    // viewport or page still gives a picture of at least 1 x 1.
    void fitPage(QSizeF pageSize);

    QSize pictureSize() const { return m_picture; }
    // The pixels of the screen per control pixel (2 on a screen scaled to
    // 200 %). The page is composed in device pixels: composedSize() is the
    // page picture in them, and the composer draws at that size so that text
    // and lines stay sharp. Everything else here stays in control pixels.
    void setDevicePixelRatio(double ratio);
    double devicePixelRatio() const { return m_ratio; }
    QSize composedSize() const;
    QPoint pageToComposed(double fx, double fy) const;
    // A rectangle of the page picture in device pixels, and back (taking in
    // every pixel it touches).
    QRect pictureToComposed(const QRect& picture) const;
    QRect composedToPicture(const QRect& composed) const;
    // Width / height of the page picture: the aspect that the automatic card
    // side compares directions with.
    double pictureAspect() const;
    // The part of the control that shows the page picture.
    QRect shownRect() const;
    // Top-left of the visible part inside the page picture.
    QPoint visibleOrigin() const;

    QPoint pageToPicture(double fx, double fy) const;
    QPoint pageToScreen(double fx, double fy) const;
    // Clamped to 0..1.
    QPointF screenToPage(QPointF screen) const;
    // The same without clamping: beside the page it lies outside 0..1.
    QPointF screenToPageUnclamped(QPointF screen) const;
    // Where a page point lies on the control, unrounded.
    QPointF pageToScreenF(QPointF page) const;

    // --- zoom and visible part -------------------------------------------------

    int zoomIndex() const { return m_zoom; }
    // Returns false (and changes nothing) when the index stays the same.
    bool setZoomIndex(int index);
    // The index that zoom in / zoom out lead to (100 % -> 150 % -> 200 %).
    int zoomInIndex() const;
    int zoomOutIndex() const;

    // The visible part of the page in page fractions ("Ansicht").
    const RectD& ansicht() const { return m_ansicht; }
    void setAnsicht(const RectD& visible);
    // Moves Ansicht by a tenth of its width or height, staying on the page.
    void scroll(ScrollDirection direction);
    // Moves the page with the mouse by a distance in screen pixels.
    void panBy(QPointF screenDelta);

    // --- what is shown ---------------------------------------------------------

    // "Basisbild", "Texte und Bilder", "Infopunkte", "Layout" by Ebene.
    std::array<bool, 4> layers{true, true, true, true};
    // True when objects of this Ebene are drawn and clickable; an exercise
    // shows every layer, and an Ebene outside 0..3 counts as shown.
    bool layerShown(int layer) const;

  private:
    Session* m_session;
    QSize m_viewport{0, 0};
    QPoint m_origin{0, 0};
    QSize m_picture{1, 1};
    double m_ratio = 1.0;
    int m_zoom = 0;
    RectD m_ansicht{0.0, 0.0, 1.0, 1.0};
};

} // namespace velunto
