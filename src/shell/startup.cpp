#include "shell/startup.h"

#include "platform/display.h"
#include "platform/prompter.h"
#include "shell/programfolders.h"

#include <QDir>
#include <QFileInfo>

namespace velunto {

StartRequest interpretCommandLine(const QString& argument)
{
    StartRequest request;
    if (argument.isEmpty())
        return request;
    const QFileInfo info(QDir::current().absoluteFilePath(argument));
    if (info.isDir()) {
        request.kind = StartRequest::Kind::Folder;
        request.topicRoot = existingFolder(info.absoluteFilePath());
        return request;
    }
    request.topicRoot = existingFolder(info.absolutePath());
    if (info.fileName().isEmpty())
        return request;
    request.file = info.absoluteFilePath();
    request.kind = info.fileName().toLower().endsWith(QLatin1String(".vlusp"))
                       ? StartRequest::Kind::Series
                       : StartRequest::Kind::Document;
    return request;
}

bool displayIsSuitable(int width, int height, int depth)
{
    return width >= 960 && height >= 720 && depth >= 15;
}

QString unsuitableDisplayText(int width, int height, int depth)
{
    return QStringLiteral(
               "Ungeeigneter Grafikmodus! (Windows-Systemsteuerung / Eigenschaften von "
               "Anzeige)\r\n\r\nFür dieses Programm sollte ein Grafikmodus mit einer Auflösung "
               "von mindestens 1024 x 768 Pixel (Bildpunkte) und einer Farbtiefe von mindestens "
               "16 Bit (High Color) eingestellt sein. \r\nAktuelle Einstellungen:\r\n- "
               "Auflösung: ") +
           QString::number(width) + QStringLiteral(" x ") + QString::number(height) +
           QStringLiteral(" Pixel") + QStringLiteral("\r\n") + QStringLiteral("- Farbtiefe: ") +
           QString::number(depth) + QStringLiteral(" Bit") + QStringLiteral("\r\n\r\n") +
           QStringLiteral("Programm trotzdem starten?");
}

bool checkDisplay(Prompter& prompter)
{
    if (!isRealDisplay())
        return true;
    const DisplayMode d = primaryDisplayMode();
    if (displayIsSuitable(d.width, d.height, d.depth))
        return true;
    return prompter.message(Prompter::Kind::Warning,
                            unsuitableDisplayText(d.width, d.height, d.depth),
                            Prompter::Buttons::YesNo) == Prompter::Answer::Yes;
}

} // namespace velunto
