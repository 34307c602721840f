#include "shell/programfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace velunto {

QString withTrailingSlash(const QString& path)
{
    if (path.isEmpty() || path.endsWith(u'/'))
        return path;
    return path + u'/';
}

QString existingFolder(const QString& folder)
{
    if (folder.trimmed().isEmpty())
        return {};
    const QFileInfo info(folder);
    if (!info.isDir())
        return {};
    return withTrailingSlash(info.absoluteFilePath());
}

QString folderSetting(const QString& text)
{
    if (text.trimmed().isEmpty())
        return {};
    return withTrailingSlash(text);
}

ProgramFolders ProgramFolders::below(const QString& resourceDir, const QString& dataDir)
{
    ProgramFolders f;
    f.program = withTrailingSlash(QDir::cleanPath(QDir(resourceDir).absolutePath()));
    f.sound = f.program + QStringLiteral("sound/");
    f.help = f.program + QStringLiteral("hilfe/");
    f.gallery = f.program + QStringLiteral("bildergalerie/");
    f.configFile = f.program + QStringLiteral("config.ini");
    f.samples = f.program + QStringLiteral("beispiele/");

    f.userData = withTrailingSlash(QDir::cleanPath(QDir(dataDir).absolutePath()));
    f.chronicle = f.userData + QStringLiteral("chronik/");
    f.exchange = f.userData + QStringLiteral("tauschboerse/");
    f.protocols = f.userData + QStringLiteral("protokolle/");
    f.bestLists = f.userData + QStringLiteral("bestenlisten/");
    f.communication = f.userData + QStringLiteral("kom/");
    f.topics = f.userData + QStringLiteral("themen/");
    return f;
}

ProgramFolders ProgramFolders::locate(const QString& applicationDir)
{
    QString resources = qEnvironmentVariable("VELUNTO_RESOURCE_DIR");
    if (resources.isEmpty()) {
        // Installed: <prefix>/bin/velunto beside <prefix>/share/velunto.
        const QString installed = applicationDir + QStringLiteral("/../share/velunto");
        resources =
            QFileInfo(installed).isDir() ? installed : QStringLiteral(VELUNTO_SOURCE_DIR "/data");
    }
    QString data = qEnvironmentVariable("VELUNTO_DATA_DIR");
    if (data.isEmpty())
        data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
               QStringLiteral("/velunto");
    return below(resources, data);
}

void ProgramFolders::createWritableFolders() const
{
    for (const QString& folder : {chronicle, exchange, protocols, bestLists, communication})
        QDir().mkpath(folder);
}

QString ProgramFolders::userTopicFolder() const
{
    if (QFileInfo(topics).isDir())
        return topics;
    // The samples are gathered beside it and the folder appears in one
    // step, so that an interrupted first start is simply repeated.
    if (!QDir().mkpath(userData))
        return {};
    QTemporaryDir staging(userData + QStringLiteral("themen-XXXXXX"));
    if (!staging.isValid())
        return {};
    const QFileInfoList documents = QDir(samples).entryInfoList(
        {QStringLiteral("*.vlt"), QStringLiteral("*.zyn")}, QDir::Files, QDir::Name);
    for (const QFileInfo& document : documents) {
        const QString copy = staging.filePath(document.fileName());
        if (!QFile::copy(document.absoluteFilePath(), copy))
            return {};
        // Installed samples may be read-only; the teacher's copies are not.
        QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::WriteOwner);
    }
    if (!QDir().rename(staging.path(), QDir::cleanPath(topics)))
        return QFileInfo(topics).isDir() ? topics : QString();
    staging.setAutoRemove(false);
    return topics;
}

} // namespace velunto
