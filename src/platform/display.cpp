#include "platform/display.h"

#include <QGuiApplication>
#include <QScreen>

namespace velunto {

DisplayMode primaryDisplayMode()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    const QSize size = screen->size();
    return {size.width(), size.height(), screen->depth()};
}

int logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || screen->logicalDotsPerInch() <= 0)
        return 96;
    return qRound(screen->logicalDotsPerInch());
}

bool isRealDisplay()
{
    if (!qEnvironmentVariableIsEmpty("VELUNTO_NO_DISPLAY_CHECK"))
        return false;
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

} // namespace velunto
