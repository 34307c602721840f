#include "shell/programfolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velunto;

namespace {

void writeFile(const QString& path, QFileDevice::Permissions permissions = {})
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("VLT-2.21");
    file.close();
    if (permissions)
        file.setPermissions(permissions);
}

QStringList fileNames(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

TEST(TopicFolder, TheFirstStartCopiesTheSamplesOnce)
{
    QTemporaryDir dir;
    const ProgramFolders folders = ProgramFolders::below(dir.filePath(QStringLiteral("share")),
                                                         dir.filePath(QStringLiteral("daten")));
    QDir().mkpath(folders.samples);
    // Installed files are read-only for the teacher.
    writeFile(folders.samples + QStringLiteral("01-fluss.vlt"), QFileDevice::ReadOwner);
    writeFile(folders.samples + QStringLiteral("alt.zyn"));
    writeFile(folders.samples + QStringLiteral("README.md"));

    EXPECT_EQ(folders.userTopicFolder(), folders.topics);
    EXPECT_EQ(fileNames(folders.topics), QStringList({"01-fluss.vlt", "alt.zyn"}));
    EXPECT_TRUE(QFile::permissions(folders.topics + QStringLiteral("01-fluss.vlt")) &
                QFileDevice::WriteOwner);
    EXPECT_EQ(fileNames(folders.userData), QStringList()); // nothing left beside it

    // What the teacher deleted stays deleted.
    ASSERT_TRUE(QFile::remove(folders.topics + QStringLiteral("alt.zyn")));
    EXPECT_EQ(folders.userTopicFolder(), folders.topics);
    EXPECT_EQ(fileNames(folders.topics), QStringList({"01-fluss.vlt"}));
}

TEST(TopicFolder, WithoutSamplesItIsEmptyAndWithoutADataFolderThereIsNone)
{
    QTemporaryDir dir;
    const ProgramFolders bare = ProgramFolders::below(dir.filePath(QStringLiteral("share")),
                                                      dir.filePath(QStringLiteral("daten")));
    EXPECT_EQ(bare.userTopicFolder(), bare.topics);
    EXPECT_TRUE(fileNames(bare.topics).isEmpty());

    // The data folder cannot be made where a file stands.
    writeFile(dir.filePath(QStringLiteral("datei")));
    const ProgramFolders blocked = ProgramFolders::below(
        dir.filePath(QStringLiteral("share")), dir.filePath(QStringLiteral("datei/daten")));
    EXPECT_TRUE(blocked.userTopicFolder().isEmpty());
}
