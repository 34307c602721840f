#include "view/drawing/ui/selectionoverlay.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace velunto {

SelectionLabel::SelectionLabel(QWidget* parent) : QLabel(parent)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(255, 255, 225));
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    setCursor(Qt::SizeAllCursor);
    hide();
}

void SelectionLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    Q_EMIT dragStarted(mapToParent(event->position()));
}

void SelectionLabel::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging)
        Q_EMIT dragged(mapToParent(event->position()));
}

void SelectionLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    Q_EMIT dragEnded(mapToParent(event->position()));
}

void SelectionLabel::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    Q_EMIT entered();
}

SelectionOverlay::SelectionOverlay(const DrawingTools& tools, QWidget* page)
    : QWidget(page), m_tools(tools), m_label(new SelectionLabel(page))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(page->rect());
    page->installEventFilter(this);
    connect(m_label, &SelectionLabel::entered, this, [this] { setPointer(std::nullopt); });
    show();
}

bool SelectionOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void SelectionOverlay::setPointer(std::optional<QPoint> pointer)
{
    if (pointer == m_pointer)
        return;
    m_pointer = pointer;
    update();
}

void SelectionOverlay::refresh()
{
    const AreaSelection& s = m_tools.selection();
    if (m_tools.tool() != Tool::Area || !s.exists()) {
        m_label->hide();
        if (m_tools.tool() != Tool::Area)
            m_pointer.reset();
        update();
        return;
    }
    m_label->setText(selectionLabelText(s, m_tools.pictureOffset()));
    m_label->adjustSize();
    m_label->move(s.left, std::max(0, s.top - m_label->height()));
    m_label->show();
    m_label->raise();
    update();
}

void SelectionOverlay::paintEvent(QPaintEvent*)
{
    if (m_tools.tool() != Tool::Area)
        return;
    QPainter p(this);
    p.setPen(QPen(Qt::black, 0));
    if (m_pointer) {
        p.setPen(QPen(QColor(0, 0, 0, 160), 0, Qt::DotLine));
        p.drawLine(m_pointer->x(), 0, m_pointer->x(), height());
        p.drawLine(0, m_pointer->y(), width(), m_pointer->y());
    }
    const AreaSelection& s = m_tools.selection();
    if (s.exists()) {
        p.setPen(QPen(Qt::black, 0));
        p.drawRect(QRect(s.left, s.top, s.right - s.left - 1, s.bottom - s.top - 1));
    }
}

} // namespace velunto
