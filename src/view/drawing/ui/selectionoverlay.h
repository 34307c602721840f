#pragma once

#include "view/drawing/drawingtools.h"

#include <QLabel>
#include <QWidget>

#include <optional>

namespace velunto {

// The label above the area selection; dragging it moves the selection.
class SelectionLabel : public QLabel
{
    Q_OBJECT
  public:
    explicit SelectionLabel(QWidget* parent);

  Q_SIGNALS:
    // Pointer positions in the parent's pixels.
    void dragStarted(QPointF position);
    void dragged(QPointF position);
    void dragEnded(QPointF position);
    void entered();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

  private:
    bool m_dragging = false;
};

// What the area tool shows over the page: hair lines through the pointer,
// the selection's edges as black one-pixel lines, and its label. The overlay
// lets every mouse event through to the page; only the label takes them.
class SelectionOverlay : public QWidget
{
    Q_OBJECT
  public:
    SelectionOverlay(const DrawingTools& tools, QWidget* page);

    SelectionLabel* label() const { return m_label; }
    // The pointer over the page (hair lines), or none.
    void setPointer(std::optional<QPoint> pointer);
    // Shows the selection as the tools hold it now.
    void refresh();

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const DrawingTools& m_tools;
    SelectionLabel* m_label;
    std::optional<QPoint> m_pointer;
};

} // namespace velunto
