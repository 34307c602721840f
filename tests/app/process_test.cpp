#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The program itself, started as a user would start it, on temporary folders.
namespace {

struct ProgramRun
{
    QTemporaryDir dir;
    QProcess process;

    QString settingsFile() const
    {
        return dir.filePath(QStringLiteral("config/velunto/velunto.ini"));
    }
    QString dataDir() const { return dir.filePath(QStringLiteral("daten")); }

    // quitAfterFirstPaint ends the program at its first page; otherwise it
    // says so on standard output and runs on.
    bool start(bool quitAfterFirstPaint)
    {
        const QString program =
            QCoreApplication::applicationDirPath() + QStringLiteral("/../src/velunto");
        if (!QFileInfo(program).isExecutable())
            return false;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("VELUNTO_DATA_DIR"), dataDir());
        env.insert(QStringLiteral("VELUNTO_RESOURCE_DIR"), dir.filePath(QStringLiteral("prog")));
        env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        if (quitAfterFirstPaint)
            env.insert(QStringLiteral("VELUNTO_QUIT_AFTER_FIRST_PAINT"), QStringLiteral("1"));
        else
            env.insert(QStringLiteral("VELUNTO_READY_NOTICE"), QStringLiteral("1"));
        process.setProcessEnvironment(env);
        process.start(program, {dir.path()});
        return process.waitForStarted(10000);
    }
};

} // namespace

TEST(Program, StartsToItsFirstPageAndEndsWithoutWritingSettings)
{
    ProgramRun run;
    ASSERT_TRUE(run.start(true));
    ASSERT_TRUE(run.process.waitForFinished(60000)) << "the first page was never painted";
    EXPECT_EQ(run.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(run.process.exitCode(), 0) << run.process.readAllStandardError().toStdString();
    EXPECT_TRUE(QFileInfo(run.dataDir() + QStringLiteral("/chronik")).isDir());
    // Only closing the main window writes the settings.
    EXPECT_FALSE(QFileInfo::exists(run.settingsFile()));
}

TEST(Program, AKilledProgramStoresNothing)
{
    ProgramRun run;
    ASSERT_TRUE(run.start(false));
    // The program says when its first page is up: the settings are read and
    // the window is working.
    QByteArray said;
    while (!said.contains('\n') && run.process.waitForReadyRead(60000))
        said += run.process.readAllStandardOutput();
    ASSERT_EQ(said, QByteArray("velunto: bereit\n"));
    EXPECT_TRUE(QFileInfo(run.dataDir() + QStringLiteral("/kom")).isDir());
    ASSERT_EQ(run.process.state(), QProcess::Running);
    run.process.kill();
    run.process.waitForFinished(10000);
    EXPECT_FALSE(QFileInfo::exists(run.settingsFile()));
}
