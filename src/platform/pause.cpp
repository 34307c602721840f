#include "platform/pause.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace velunto {

void BlockingPauses::pause(int milliseconds)
{
    if (milliseconds <= 0 || QCoreApplication::instance() == nullptr)
        return;
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace velunto
