#include "common/filemessages.h"

namespace velunto {

QString fileMissingMessage(const QString& path)
{
    return QStringLiteral("Die Datei \"%1\" existiert nicht.").arg(path);
}

QString fileReadErrorMessage(const QString& path)
{
    return QStringLiteral("Die Datei \"") + path +
           QStringLiteral("\" kann nicht gelesen werden. Mögliche Ursachen:\r\n"
                          "- Datei existiert nicht\r\n"
                          "- Ungültiges Dateiformat\r\n"
                          "- Fehlende Lesezugriffsberechtigung im Netzwerk");
}

QString fileWriteErrorMessage(const QString& path)
{
    return QStringLiteral("Die Datei \"") + path +
           QStringLiteral("\" kann nicht geschrieben werden. Mögliche Ursachen:\r\n"
                          "- Ungültiger Ordner oder Dateiname\r\n"
                          "- Fehlende Schreibzugriffsberechtigung im Netzwerk");
}

} // namespace velunto
