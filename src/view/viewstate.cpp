#include "view/viewstate.h"

#include "common/numeric.h"

#include <algorithm>
#include <cmath>

namespace velunto {

namespace {

// Puts an interval of the given width inside 0..1, keeping its width.
void placeInside(double& lo, double& hi)
{
    const double width = std::min(hi - lo, 1.0);
    lo = clampDouble(lo, 0.0, 1.0 - width);
    hi = lo + width;
}

} // namespace

double ViewState::zoomFactor(int index)
{
    return 1.0 + 0.25 * std::clamp(index, 0, kZoomSteps - 1);
}

void ViewState::fitPage(QSizeF pageSize)
{
    const double vw = std::max(1, m_viewport.width());
    const double vh = std::max(1, m_viewport.height());
    const double pw = pageSize.width() > 0.0 ? pageSize.width() : 1.0;
    const double ph = pageSize.height() > 0.0 ? pageSize.height() : 1.0;
    const double scale = std::min(vw / pw, vh / ph) * zoomFactor(m_zoom);
    m_picture = QSize(std::max(1, rnd(pw * scale)), std::max(1, rnd(ph * scale)));

    const QRect shown = shownRect();
    const double w = double(shown.width()) / m_picture.width();
    const double h = double(shown.height()) / m_picture.height();
    const double cx = (m_ansicht.left + m_ansicht.right) / 2.0;
    const double cy = (m_ansicht.top + m_ansicht.bottom) / 2.0;
    m_ansicht.left = clampDouble(cx - w / 2.0, 0.0, 1.0 - w);
    m_ansicht.top = clampDouble(cy - h / 2.0, 0.0, 1.0 - h);
    m_ansicht.right = m_ansicht.left + w;
    m_ansicht.bottom = m_ansicht.top + h;
}

double ViewState::pictureAspect() const
{
    return double(m_picture.width()) / m_picture.height();
}

QRect ViewState::shownRect() const
{
    const int vw = std::max(1, m_viewport.width());
    const int vh = std::max(1, m_viewport.height());
    const int w = std::min(vw, m_picture.width());
    const int h = std::min(vh, m_picture.height());
    return QRect(m_origin.x() + (vw - w) / 2, m_origin.y() + (vh - h) / 2, w, h);
}

QPoint ViewState::visibleOrigin() const
{
    const QRect shown = shownRect();
    const int x =
        std::clamp(rnd(m_picture.width() * m_ansicht.left), 0, m_picture.width() - shown.width());
    const int y =
        std::clamp(rnd(m_picture.height() * m_ansicht.top), 0, m_picture.height() - shown.height());
    return {x, y};
}

QPoint ViewState::pageToPicture(double fx, double fy) const
{
    return {rnd(fx * m_picture.width()), rnd(fy * m_picture.height())};
}

void ViewState::setDevicePixelRatio(double ratio)
{
    m_ratio = std::isfinite(ratio) && ratio > 0.0 ? std::clamp(ratio, 0.25, 8.0) : 1.0;
}

QSize ViewState::composedSize() const
{
    return {std::max(1, rnd(m_picture.width() * m_ratio)),
            std::max(1, rnd(m_picture.height() * m_ratio))};
}

QPoint ViewState::pageToComposed(double fx, double fy) const
{
    const QSize size = composedSize();
    return {rnd(fx * size.width()), rnd(fy * size.height())};
}

QRect ViewState::pictureToComposed(const QRect& picture) const
{
    if (m_ratio == 1.0 || picture.isNull())
        return picture;
    const int left = int(std::floor(picture.left() * m_ratio));
    const int top = int(std::floor(picture.top() * m_ratio));
    const int right = int(std::ceil((picture.right() + 1) * m_ratio));
    const int bottom = int(std::ceil((picture.bottom() + 1) * m_ratio));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRect ViewState::composedToPicture(const QRect& composed) const
{
    if (m_ratio == 1.0 || composed.isNull())
        return composed;
    const int left = int(std::floor(composed.left() / m_ratio));
    const int top = int(std::floor(composed.top() / m_ratio));
    const int right = int(std::ceil((composed.right() + 1) / m_ratio));
    const int bottom = int(std::ceil((composed.bottom() + 1) / m_ratio));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QPoint ViewState::pageToScreen(double fx, double fy) const
{
    const QRect shown = shownRect();
    const double w = m_ansicht.right - m_ansicht.left;
    const double h = m_ansicht.bottom - m_ansicht.top;
    return {shown.left() + rnd((fx - m_ansicht.left) * shown.width() / w),
            shown.top() + rnd((fy - m_ansicht.top) * shown.height() / h)};
}

QPointF ViewState::screenToPage(QPointF screen) const
{
    const QPointF page = screenToPageUnclamped(screen);
    return {clampDouble(page.x(), 0.0, 1.0), clampDouble(page.y(), 0.0, 1.0)};
}

QPointF ViewState::screenToPageUnclamped(QPointF screen) const
{
    const QRect shown = shownRect();
    const double w = m_ansicht.right - m_ansicht.left;
    const double h = m_ansicht.bottom - m_ansicht.top;
    return {m_ansicht.left + (screen.x() - shown.left()) / shown.width() * w,
            m_ansicht.top + (screen.y() - shown.top()) / shown.height() * h};
}

QPointF ViewState::pageToScreenF(QPointF page) const
{
    const QRect shown = shownRect();
    const double w = m_ansicht.right - m_ansicht.left;
    const double h = m_ansicht.bottom - m_ansicht.top;
    return {shown.left() + (page.x() - m_ansicht.left) * shown.width() / w,
            shown.top() + (page.y() - m_ansicht.top) * shown.height() / h};
}

bool ViewState::setZoomIndex(int index)
{
    index = std::clamp(index, 0, kZoomSteps - 1);
    if (index == m_zoom)
        return false;
    m_zoom = index;
    return true;
}

int ViewState::zoomInIndex() const
{
    return std::min(m_zoom + 2, kZoomSteps - 1);
}

int ViewState::zoomOutIndex() const
{
    return std::max(m_zoom - 2, 0);
}

void ViewState::setAnsicht(const RectD& visible)
{
    m_ansicht = visible;
    placeInside(m_ansicht.left, m_ansicht.right);
    placeInside(m_ansicht.top, m_ansicht.bottom);
}

void ViewState::scroll(ScrollDirection direction)
{
    const double dx = (m_ansicht.right - m_ansicht.left) * 0.1;
    const double dy = (m_ansicht.bottom - m_ansicht.top) * 0.1;
    RectD moved = m_ansicht;
    switch (direction) {
    case ScrollDirection::Left:
        moved.left -= dx;
        moved.right -= dx;
        break;
    case ScrollDirection::Right:
        moved.left += dx;
        moved.right += dx;
        break;
    case ScrollDirection::Up:
        moved.top -= dy;
        moved.bottom -= dy;
        break;
    case ScrollDirection::Down:
        moved.top += dy;
        moved.bottom += dy;
        break;
    }
    setAnsicht(moved);
}

void ViewState::panBy(QPointF screenDelta)
{
    // Dragging the page to the right shows more of its left side.
    const double dx = screenDelta.x() / m_picture.width();
    const double dy = screenDelta.y() / m_picture.height();
    setAnsicht(
        {m_ansicht.left - dx, m_ansicht.top - dy, m_ansicht.right - dx, m_ansicht.bottom - dy});
}

bool ViewState::layerShown(int layer) const
{
    if (m_session->exerciseRunning() || layer < 0 || layer >= int(layers.size()))
        return true;
    return layers[layer];
}

} // namespace velunto
