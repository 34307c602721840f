#include "view/drawing/ui/drawingtextbox.h"

#include "view/drawing/drawingtools.h"

#include <QFontMetrics>
#include <QKeyEvent>

namespace velunto {

DrawingTextBox::DrawingTextBox(QWidget* parent) : QLineEdit(parent)
{
    setFrame(false);
    setTextMargins(0, 0, 0, 0);
    setContentsMargins(0, 0, 0, 0);
    setToolTip(QStringLiteral("Text übernehmen mit Enter, abbrechen mit ESC"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Base, QColor(240, 240, 240));
    setPalette(p);
    hide();
    connect(this, &QLineEdit::textChanged, this, &DrawingTextBox::refit);
}

void DrawingTextBox::setStyle(const QFont& font, const QColor& colour, int strokeSize)
{
    setFont(font);
    QPalette p = palette();
    QColor opaque = colour;
    opaque.setAlpha(255);
    p.setColor(QPalette::Text, opaque);
    setPalette(p);
    m_strokeSize = strokeSize;
    refit();
}

void DrawingTextBox::place(QPoint lowerLeft, const QRect& area)
{
    m_area = area;
    m_lowerLeft = lowerLeft;
    refit();
    show();
    raise();
    setFocus();
}

void DrawingTextBox::refit()
{
    const QFontMetrics metrics(font());
    const QSize size = textBoxSize(metrics.horizontalAdvance(text()), metrics.height(),
                                   m_strokeSize, m_area.width());
    const QRect box = m_area.isEmpty() ? QRect(QPoint(m_lowerLeft.x(), m_lowerLeft.y() -
                                                                           size.height() + 1),
                                               size)
                                       : placeTextBox(m_lowerLeft, size, m_area);
    setGeometry(box);
}

void DrawingTextBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QString typed = text();
        const QPoint topLeft = geometry().topLeft();
        close();
        Q_EMIT textAccepted(typed, topLeft);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DrawingTextBox::close()
{
    hide();
    clear();
}

} // namespace velunto
