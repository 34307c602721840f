#include "shell/startup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velunto;
using Kind = StartRequest::Kind;

TEST(CommandLine, FoldersDocumentsAndSeriesPackages)
{
    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    QDir().mkpath(root + QStringLiteral("Themen Klasse 5"));
    const QString folder = root + QStringLiteral("Themen Klasse 5");

    struct Case
    {
        QString argument;
        Kind kind;
        QString topicRoot;
        QString file;
    };
    const Case cases[] = {
        {QString(), Kind::Nothing, QString(), QString()},
        {folder, Kind::Folder, folder + u'/', QString()},
        {folder + u'/', Kind::Folder, folder + u'/', QString()},
        {folder + QStringLiteral("/Bruch.vlt"), Kind::Document, folder + u'/',
         folder + QStringLiteral("/Bruch.vlt")},
        {folder + QStringLiteral("/alt.zyn"), Kind::Document, folder + u'/',
         folder + QStringLiteral("/alt.zyn")},
        {folder + QStringLiteral("/TEST.VLUSP"), Kind::Series, folder + u'/',
         folder + QStringLiteral("/TEST.VLUSP")},
        {folder + QStringLiteral("/serie.vlusp.vlt"), Kind::Document, folder + u'/',
         folder + QStringLiteral("/serie.vlusp.vlt")},
        // The folder of a file in a missing folder is not taken.
        {root + QStringLiteral("fehlt/a.vlt"), Kind::Document, QString(),
         root + QStringLiteral("fehlt/a.vlt")},
    };
    for (const Case& c : cases) {
        const StartRequest r = interpretCommandLine(c.argument);
        EXPECT_EQ(r.kind, c.kind) << c.argument.toStdString();
        EXPECT_EQ(r.topicRoot, c.topicRoot) << c.argument.toStdString();
        EXPECT_EQ(r.file, c.file) << c.argument.toStdString();
    }
}

TEST(CommandLine, RelativePathsStartFromTheWorkingFolder)
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath(QStringLiteral("beispiele")));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const StartRequest r = interpretCommandLine(QStringLiteral("beispiele"));
    QDir::setCurrent(before);
    EXPECT_EQ(r.kind, Kind::Folder);
    EXPECT_EQ(r.topicRoot, QDir(dir.path()).canonicalPath() + QStringLiteral("/beispiele/"));
}

TEST(DisplayCheck, LimitsAre960By720With15Bits)
{
    struct Case
    {
        int w, h, d;
        bool suitable;
    };
    const Case cases[] = {
        {960, 720, 15, true},  {1280, 1024, 24, true}, {959, 720, 15, false},
        {960, 719, 32, false}, {1920, 1080, 8, false}, {0, 0, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(displayIsSuitable(c.w, c.h, c.d), c.suitable) << c.w << "x" << c.h << "x" << c.d;

    const QString text = unsuitableDisplayText(959, 720, 15);
    EXPECT_TRUE(
        text.contains(QStringLiteral("- Auflösung: 959 x 720 Pixel\r\n- Farbtiefe: 15 Bit")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n\r\nProgramm trotzdem starten?")));
}
