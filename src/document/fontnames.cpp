#include "document/fontnames.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace velunto {

bool isFontInstalled(const QString& family)
{
    // The font database needs the platform's font configuration, which only
    // a GUI application has.
    if (!qGuiApp || family.trimmed().isEmpty())
        return false;
    // hasFamily looks at installed families only; QFontInfo would report the
    // substitute that fontconfig picks for any name.
    return QFontDatabase::hasFamily(family);
}

QString installedFontOrArial(const QString& family)
{
    return isFontInstalled(family) ? family : QStringLiteral("Arial");
}

} // namespace velunto
