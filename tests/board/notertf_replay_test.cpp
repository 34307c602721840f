#include "../../fuzz/note_rtf_entry.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace velunto;

TEST(NoteRtfReplay, SeedCorpusAndFormerCrashesKeepEveryRule)
{
    const QDir corpus(QStringLiteral(VELUNTO_SOURCE_DIR "/fuzz/corpus/note_rtf"));
    const QDir crashes(QStringLiteral(VELUNTO_SOURCE_DIR "/fuzz/crashes"));
    ASSERT_FALSE(corpus.entryList(QDir::Files).isEmpty());
    for (const QDir& dir : {corpus, crashes}) {
        for (const QString& name : dir.entryList(QDir::Files)) {
            QFile f(dir.filePath(name));
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(fuzzing::checkNoteRtf(f.readAll()), QString()) << name.toStdString();
        }
    }
}
