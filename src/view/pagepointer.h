#pragma once

#include <QPointF>
#include <QtCore/qnamespace.h>

namespace velunto {

// A press, move or release of the mouse (or pen, or finger) over a view of
// the page, as the core sees it: where on the page, in page fractions, and
// which buttons. The view converts its pixels; the logic behind stays the
// same at every zoom and in every view.
struct PagePointer
{
    // Page fractions, not clamped: beside the page they lie outside 0..1.
    QPointF page;
    // The pointer is over the shown part of the page.
    bool onPage = false;
    // The button pressed or released; Qt::NoButton for a move.
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons buttons = Qt::NoButton; // the buttons held
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// Takes pointer input on the page before the learning view handles it: the
// object editor while it is open, the drawing tools for their tools, the
// exercise. A handler returns true when it took the input. The handler added
// last is asked first.
class PagePointerHandler
{
  public:
    virtual ~PagePointerHandler() = default;
    virtual bool pagePressed(const PagePointer& pointer) = 0;
    virtual bool pageMoved(const PagePointer& pointer) = 0;
    virtual bool pageReleased(const PagePointer& pointer) = 0;
};

} // namespace velunto
