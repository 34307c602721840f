#include "platform/inifile.h"
#include "shell/programfolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

namespace {

const QString kPackaging = QStringLiteral(VELUNTO_SOURCE_DIR "/packaging/");
const QString kAppId = QStringLiteral("de.velunto.Velunto");

struct ToolRun
{
    int exitCode = -1;
    QString output;
};

ToolRun runTool(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

// glob pattern -> MIME type of the shared-mime-info file.
std::map<QString, QString> mimeGlobs()
{
    std::map<QString, QString> globs;
    QFile file(kPackaging + QStringLiteral("velunto-mime.xml"));
    if (!file.open(QIODevice::ReadOnly))
        return globs;
    QXmlStreamReader xml(&file);
    QString type;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("mime-type"))
            type = xml.attributes().value(QStringLiteral("type")).toString();
        else if (xml.name() == QLatin1String("glob"))
            globs[xml.attributes().value(QStringLiteral("pattern")).toString()] = type;
    }
    return xml.hasError() ? std::map<QString, QString>{} : globs;
}

} // namespace

TEST(Packaging, DesktopEntryAndMetainfoPassTheirValidators)
{
    const ToolRun desktop = runTool(QStringLiteral("desktop-file-validate"),
                                    {kPackaging + kAppId + QStringLiteral(".desktop")});
    EXPECT_EQ(desktop.exitCode, 0) << desktop.output.toStdString();
    EXPECT_FALSE(desktop.output.contains(QStringLiteral("error"))) << desktop.output.toStdString();

    const ToolRun metainfo = runTool(QStringLiteral("appstreamcli"),
                                     {QStringLiteral("validate"), QStringLiteral("--no-net"),
                                      kPackaging + kAppId + QStringLiteral(".metainfo.xml")});
    EXPECT_EQ(metainfo.exitCode, 0) << metainfo.output.toStdString();
}

TEST(Packaging, FileTypesBelongToTheProgram)
{
    const std::map<QString, QString> globs = mimeGlobs();
    const QString document = QStringLiteral("application/x-velunto-document");
    const QString series = QStringLiteral("application/x-velunto-series");
    EXPECT_EQ(globs, (std::map<QString, QString>{{QStringLiteral("*.vlt"), document},
                                                 {QStringLiteral("*.zyn"), document},
                                                 {QStringLiteral("*.vlusp"), series}}));

    const auto entry = velunto::IniFile::load(kPackaging + kAppId + QStringLiteral(".desktop"));
    ASSERT_TRUE(entry);
    const QString group = QStringLiteral("Desktop Entry");
    const QStringList types =
        entry->value(group, QStringLiteral("MimeType")).value_or(QString()).split(u';');
    EXPECT_TRUE(types.contains(document) && types.contains(series))
        << types.join(u' ').toStdString();
    EXPECT_EQ(entry->value(group, QStringLiteral("Icon")), kAppId);
    EXPECT_EQ(entry->value(group, QStringLiteral("Exec")), QStringLiteral("velunto %f"));

    QSvgRenderer icon(kPackaging + kAppId + QStringLiteral(".svg"));
    EXPECT_TRUE(icon.isValid());
    EXPECT_EQ(icon.viewBox().size(), QSize(128, 128));
}

TEST(Packaging, InstallPutsEverythingWhereTheDesktopAndTheProgramLook)
{
    QTemporaryDir prefix;
    const QString buildDir = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    const ToolRun install =
        runTool(QStringLiteral("cmake"),
                {QStringLiteral("--install"), buildDir, QStringLiteral("--prefix"), prefix.path()});
    ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();

    for (const QString& file :
         {QStringLiteral("bin/velunto"),
          QStringLiteral("share/applications/") + kAppId + QStringLiteral(".desktop"),
          QStringLiteral("share/mime/packages/velunto-mime.xml"),
          QStringLiteral("share/icons/hicolor/scalable/apps/") + kAppId + QStringLiteral(".svg"),
          QStringLiteral("share/metainfo/") + kAppId + QStringLiteral(".metainfo.xml"),
          QStringLiteral("share/doc/velunto/LICENSE"), QStringLiteral("share/velunto/config.ini"),
          QStringLiteral("share/velunto/hilfe/index.html")})
        EXPECT_TRUE(QFileInfo::exists(prefix.filePath(file))) << file.toStdString();

    // The installed program takes its resources from the share folder.
    qunsetenv("VELUNTO_RESOURCE_DIR");
    const velunto::ProgramFolders folders =
        velunto::ProgramFolders::locate(prefix.filePath(QStringLiteral("bin")));
    EXPECT_EQ(QFileInfo(folders.program).canonicalFilePath(),
              QFileInfo(prefix.filePath(QStringLiteral("share/velunto"))).canonicalFilePath());
    EXPECT_TRUE(QFileInfo::exists(folders.configFile));

    // The samples are installed, and the first start of the installed program
    // copies them into a topic folder in the user's data folder.
    const QStringList samples =
        QDir(folders.samples).entryList({QStringLiteral("*.vlt")}, QDir::Files, QDir::Name);
    EXPECT_EQ(samples, QDir(QStringLiteral(VELUNTO_SOURCE_DIR "/data/beispiele"))
                           .entryList({QStringLiteral("*.vlt")}, QDir::Files, QDir::Name));
    EXPECT_FALSE(samples.isEmpty());
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("VELUNTO_RESOURCE_DIR"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("VELUNTO_DATA_DIR"), home.filePath(QStringLiteral("daten")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("VELUNTO_QUIT_AFTER_FIRST_PAINT"), QStringLiteral("1"));
    const ToolRun firstStart =
        runTool(prefix.filePath(QStringLiteral("bin/velunto")), {}, environment);
    EXPECT_EQ(firstStart.exitCode, 0) << firstStart.output.toStdString();
    EXPECT_EQ(QDir(home.filePath(QStringLiteral("daten/themen")))
                  .entryList({QStringLiteral("*.vlt")}, QDir::Files, QDir::Name),
              samples);
}
