#pragma once

#include <QLineEdit>

namespace velunto {

// The text tool's box: a borderless one-line field over the page. Enter
// hands its text over to be drawn, Esc discards it; either way the box is
// hidden and emptied.
class DrawingTextBox : public QLineEdit
{
    Q_OBJECT
  public:
    explicit DrawingTextBox(QWidget* parent);

    // The font and colour of the text to draw, and the stroke size that
    // sets the room left after the text.
    void setStyle(const QFont& font, const QColor& colour, int strokeSize);
    // PlaceTextBox: the lower-left corner at point (in the parent's
    // pixels), kept inside area; shown with the keyboard focus. A text
    // already typed stays and moves along.
    void place(QPoint lowerLeft, const QRect& area);
    // Fits the width to the text (kept inside the area) with the lower-left
    // corner in place.
    void refit();

  Q_SIGNALS:
    // Enter: the text and the box's top-left corner in the parent's pixels.
    void textAccepted(const QString& text, QPoint topLeft);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void close();

    int m_strokeSize = 1;
    QRect m_area;
    QPoint m_lowerLeft;
};

} // namespace velunto
