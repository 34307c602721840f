#include "../../fuzz/note_rtf_entry.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace velunto;

TEST(NoteRtfReplay, SeedCorpusKeepsEveryRule)
{
    const QDir corpus(QStringLiteral(VELUNTO_SOURCE_DIR "/fuzz/corpus/note_rtf"));
    const QStringList files = corpus.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        QFile f(corpus.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(fuzzing::checkNoteRtf(f.readAll()), QString()) << name.toStdString();
    }
}
