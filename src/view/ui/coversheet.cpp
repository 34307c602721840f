#include "view/ui/coversheet.h"

#include <QMouseEvent>
#include <QPainter>

namespace velunto {

namespace {

const QColor kSheetColour(0xC7, 0xC7, 0xB8); // 0xB8C7C7
const QColor kEdgeColour(0x9A, 0xA8, 0xA8);
constexpr int kHandle = 8; // width of the edge handles in pixels
constexpr int kMinSide = 2 * kHandle + 4;

} // namespace

CoverSheet::CoverSheet(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

Qt::Edges CoverSheet::edgesAt(QPoint p, QSize size)
{
    Qt::Edges edges;
    if (p.x() < kHandle)
        edges |= Qt::LeftEdge;
    else if (p.x() >= size.width() - kHandle)
        edges |= Qt::RightEdge;
    if (p.y() < kHandle)
        edges |= Qt::TopEdge;
    else if (p.y() >= size.height() - kHandle)
        edges |= Qt::BottomEdge;
    return edges;
}

void CoverSheet::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kSheetColour);
    p.setPen(kEdgeColour);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void CoverSheet::updateCursor(QPoint point)
{
    const Qt::Edges e = edgesAt(point, size());
    if (e == (Qt::LeftEdge | Qt::TopEdge) || e == (Qt::RightEdge | Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (e == (Qt::RightEdge | Qt::TopEdge) || e == (Qt::LeftEdge | Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (e & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (e & (Qt::TopEdge | Qt::BottomEdge))
        setCursor(Qt::SizeVerCursor);
    else
        setCursor(Qt::SizeAllCursor);
}

void CoverSheet::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_edges = edgesAt(event->position().toPoint(), size());
    m_grab = mapToParent(event->position().toPoint());
    m_startRect = geometry();
}

void CoverSheet::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging) {
        updateCursor(event->position().toPoint());
        return;
    }
    const QPoint d = mapToParent(event->position().toPoint()) - m_grab;
    QRect r = m_startRect;
    if (!m_edges) {
        r.translate(d);
    } else {
        if (m_edges & Qt::LeftEdge)
            r.setLeft(std::min(r.left() + d.x(), r.right() - kMinSide));
        if (m_edges & Qt::RightEdge)
            r.setRight(std::max(r.right() + d.x(), r.left() + kMinSide));
        if (m_edges & Qt::TopEdge)
            r.setTop(std::min(r.top() + d.y(), r.bottom() - kMinSide));
        if (m_edges & Qt::BottomEdge)
            r.setBottom(std::max(r.bottom() + d.y(), r.top() + kMinSide));
    }
    setGeometry(r);
}

void CoverSheet::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

} // namespace velunto
