#include "shell/settings.h"

#include "shell/programfolders.h"

#include <QStandardPaths>

namespace velunto {

std::array<double, 17> GradingScale::defaultPointsThresholds()
{
    // 0 points from 0 %, then 25 % for 1 point rising by 5 % to 95 % for 15.
    std::array<double, 17> t{};
    t[0] = 0.0;
    for (int k = 1; k <= 15; ++k)
        t[k] = (25 + 5 * (k - 1)) / 100.0;
    t[16] = 1.0;
    return t;
}

std::array<QString, kStampCount> StampSettings::defaultFonts()
{
    std::array<QString, kStampCount> fonts;
    for (int k = 0; k < kStampCount; ++k)
        fonts[k] = k < 6 ? QStringLiteral("Wingdings") : QStringLiteral("Arial");
    return fonts;
}

LinkField Settings::defaultLink(int index)
{
    const QString n = QString::number(index + 1);
    return {QString(), QStringLiteral("V") + n, QStringLiteral("Programmverknüpfung ") + n};
}

std::array<LinkField, 3> Settings::defaultLinks()
{
    return {defaultLink(0), defaultLink(1), defaultLink(2)};
}

LinkField Settings::defaultKeyboard()
{
    return {defaultKeyboardProgram(), QString(), QStringLiteral("Bildschirmtastatur")};
}

QString defaultKeyboardProgram()
{
    for (const char* program : {"onboard", "florence", "matchbox-keyboard"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

Settings Settings::defaults(const ProgramFolders& folders)
{
    Settings s;
    s.network.folder = folders.communication;
    s.folders.chronicle = folders.chronicle;
    s.folders.exchange = folders.exchange;
    s.folders.protocol = folders.protocols;
    s.folders.bestList = folders.bestLists;
    s.folders.gallery = folders.gallery;
    s.keyboard = defaultKeyboard();
    return s;
}

} // namespace velunto
