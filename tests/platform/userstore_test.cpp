#include "platform/userstore.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velunto;

TEST(UserStore, TextsSurviveTheFileUnchanged)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/velunto.ini"));
    const QStringList texts = {
        QStringLiteral("C:\\Programme\\osk.exe"),
        QStringLiteral("a, b; c"),
        QStringLiteral("\"zitiert\""),
        QStringLiteral("  Rand  "),
        QStringLiteral("üû«JKL+-rf"),
        QStringLiteral("@Variant(x)"),
        QStringLiteral("zwei\r\nZeilen"),
        QString(),
    };
    UserStore store(path);
    for (int i = 0; i < texts.size(); ++i)
        store.write(QStringLiteral("Wert-%1").arg(i), texts[i]);
    ASSERT_TRUE(store.commit());

    const UserStore again(path);
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(again.read(QStringLiteral("Wert-%1").arg(i)), texts[i]) << i;
}

TEST(UserStore, NamesIgnoreCaseAndNothingIsWrittenBeforeCommit)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("velunto.ini"));
    UserStore store(path);
    store.write(QStringLiteral("UebOpt-ZeitLimit"), QStringLiteral("1"));
    store.write(QStringLiteral("Fremd"), QStringLiteral("bleibt"));
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_TRUE(store.commit());

    UserStore reader(path);
    EXPECT_EQ(reader.read(QStringLiteral("UebOpt-Zeitlimit")), QStringLiteral("1"));
    EXPECT_FALSE(reader.read(QStringLiteral("Opt-Sound")));

    // Writing under another spelling replaces the value instead of adding one.
    reader.write(QStringLiteral("uebopt-zeitlimit"), QStringLiteral("2"));
    ASSERT_TRUE(reader.commit());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("ZeitLimit") + bytes.count("zeitlimit") + bytes.count("Zeitlimit"), 1);
    EXPECT_EQ(UserStore(path).read(QStringLiteral("UEBOPT-ZEITLIMIT")), QStringLiteral("2"));
    EXPECT_EQ(UserStore(path).read(QStringLiteral("Fremd")), QStringLiteral("bleibt"));
}

TEST(UserStore, UnwritableFolderReportsFailure)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("datei")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // A file stands where the folder should be.
    UserStore store(dir.filePath(QStringLiteral("datei/velunto.ini")));
    store.write(QStringLiteral("Opt-Sound"), QStringLiteral("1"));
    EXPECT_FALSE(store.commit());
}
