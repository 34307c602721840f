#pragma once

#include <QWidget>

namespace velunto {

// The cover sheet: a grey sheet over the page that hides what lies under it.
// Dragging its inside moves it; its edges and corners are handles that move
// that edge (or the two edges of the corner) with the mouse.
class CoverSheet : public QWidget
{
    Q_OBJECT

  public:
    explicit CoverSheet(QWidget* parent);

    // Which edges a point (in the sheet's coordinates) grabs; none: inside.
    static Qt::Edges edgesAt(QPoint point, QSize size);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void updateCursor(QPoint point);

    bool m_dragging = false;
    Qt::Edges m_edges;
    QPoint m_grab; // mouse position in the parent at the last move
    QRect m_startRect;
};

} // namespace velunto
