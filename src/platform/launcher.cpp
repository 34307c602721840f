#include "platform/launcher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace velunto {

bool DesktopLauncher::launchFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    if (info.isFile() && info.isExecutable())
        return QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath());
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

bool DesktopLauncher::openAddress(const QString& address)
{
    const QUrl url(address);
    if (!url.isValid())
        return false;
    if (url.isLocalFile() || url.scheme().isEmpty()) {
        const QString local = url.isLocalFile() ? url.toLocalFile() : address;
        if (!QFileInfo::exists(local))
            return false;
        return QDesktopServices::openUrl(QUrl::fromLocalFile(local));
    }
    return QDesktopServices::openUrl(url);
}

QString launchFailedText(const QString& path)
{
    return QStringLiteral("Die Datei \"") + path + QStringLiteral("\" kann nicht geöffnet werden.");
}

QString browserFailedText(const QString& address)
{
    return QStringLiteral("Die Datei \"") + address +
           QStringLiteral("\" kann nicht geöffnet werden. Sie benötigen einen Webbrowser (z.B. "
                          "Internet Explorer) um dieses Dokument anzusehen.");
}

} // namespace velunto
