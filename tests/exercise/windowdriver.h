#pragma once

// Drives the exercise widgets as a pupil would: mouse presses, moves and
// releases on the element widgets, and keys.

#include "document/document.h"
#include "exercise/exerciserun.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <functional>

namespace velunto::testing {

// Runs what the widgets left for after their event handlers.
inline void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

inline void mouse(QWidget* w, QEvent::Type type, QPoint local)
{
    QMouseEvent event(type, QPointF(local), QPointF(w->mapToGlobal(local)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

inline void key(QWidget* w, int key, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

// Drags a card widget with the mouse, in four steps, until the middle of its
// left edge lies just inside target (in pixels of the exercise area), and
// lets go.
inline void dragCard(QWidget* card, const QRect& target)
{
    const QPoint grab(card->width() / 2, card->height() / 2);
    mouse(card, QEvent::MouseButtonPress, grab);
    const QPoint pointer(target.left() + 2 + grab.x(),
                         target.center().y() - card->height() / 2 + grab.y());
    for (int step = 1; step <= 4; ++step) {
        const QPoint at = card->pos() + (pointer - card->pos() - grab) * step / 4 + grab;
        mouse(card, QEvent::MouseMove, at - card->pos());
    }
    mouse(card, QEvent::MouseButtonRelease, pointer - card->pos());
    settle();
}

// The objects of the query labels of a document.
inline std::vector<int> queryLabels(const Document& doc)
{
    std::vector<int> labels;
    for (int i = 0; i < doc.objectCount(); ++i)
        if (doc.objects[i].Typ == ObjectKind::QueryLabel)
            labels.push_back(i);
    return labels;
}

} // namespace velunto::testing
