#include "platform/standarddialogs.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace velunto {

bool useGermanStandardDialogs(QCoreApplication& app)
{
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_de"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace velunto
