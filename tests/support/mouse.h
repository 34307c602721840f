#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace velunto::testing {

// Sends one mouse event at pos (widget pixels) straight to w.
inline void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
                      Qt::MouseButtons held)
{
    QMouseEvent e(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

inline void click(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonPress, pos, button, button);
    sendMouse(w, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

// Press at from, one move to to, release there.
inline void drag(QWidget* w, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(w, QEvent::MouseButtonPress, from, button, button);
    sendMouse(w, QEvent::MouseMove, to, Qt::NoButton, button);
    sendMouse(w, QEvent::MouseButtonRelease, to, button, Qt::NoButton);
}

} // namespace velunto::testing
