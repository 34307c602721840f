#pragma once

#include "exercise/elements.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <functional>

namespace velunto {

// What an element widget tells the window around it. Pointer positions are
// in pixels of the exercise area.
struct ElementInput
{
    std::function<void(int element, QPoint area)> pressed;
    std::function<void(QPoint area)> moved;
    std::function<void()> released;
    // The keys of a focused card: Space or Enter takes it and drops it,
    // digits, letters and arrows choose the target, Esc puts it back.
    std::function<bool(int element, int key, const QString& text)> key;
    std::function<void(int element)> focusLost;
    std::function<void(int element, const QString& text)> typed;
    std::function<void(int element)> clicked;
};

// A card, an answer box or a cross element: a panel with a caption or a
// picture. It shows a clear frame while it has the keyboard focus.
class ElementPanel : public QWidget
{
    Q_OBJECT
  public:
    ElementPanel(int element, const ElementInput& input, QWidget* parent);

    int element() const { return m_element; }
    void show(const Element& e, const QImage& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    QPoint areaPoint(QPointF local) const;

    int m_element;
    const ElementInput& m_input;
    Element m_shown;
    QImage m_picture;
    QImage m_scaled; // the picture at the panel's size
    QFont m_font;    // the caption's font, fitted when caption or size change
    bool m_dragging = false;
};

// A text box of text entry: the answer length as a grey hint that is no
// text (an untouched box is empty), typed text in blue.
class ElementTextBox : public QLineEdit
{
    Q_OBJECT
  public:
    ElementTextBox(int element, const ElementInput& input, QWidget* parent);
    int element() const { return m_element; }
    void show(const Element& e, const QString& fontFamily, int characterHeight);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int m_element;
    const ElementInput& m_input;
};

// The check button ("Weiter").
class ElementButton : public QPushButton
{
    Q_OBJECT
  public:
    ElementButton(int element, const ElementInput& input, QWidget* parent);
    int element() const { return m_element; }
    void show(const Element& e);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    int m_element;
};

// The frame around the target under a dragged card.
class TargetFrame : public QWidget
{
  public:
    explicit TargetFrame(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velunto
