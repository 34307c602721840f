#include "../../fuzz/load_document_entry.h"

#include "document/documentfile.h"
#include "support/sampledocuments.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace velunto;
using namespace velunto::testing;

namespace {

const QString kCorpus = QStringLiteral(VELUNTO_SOURCE_DIR "/fuzz/corpus/load_document");
const QString kCrashes = QStringLiteral(VELUNTO_SOURCE_DIR "/fuzz/crashes");

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(FuzzReplay, SeedCorpusAndFormerCrashesKeepEveryRule)
{
    int replayed = 0;
    for (const QString& folder : {kCorpus, kCrashes}) {
        const QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files)) {
            SCOPED_TRACE(name.toStdString());
            EXPECT_EQ(fuzzing::checkLoadDocument(readFile(dir.filePath(name))), QString());
            ++replayed;
        }
    }
    EXPECT_GE(replayed, int(sampleTypes().size()));
}

// The seed corpus holds a small document of every type as the writer writes
// it now; with VELUNTO_WRITE_CORPUS=1 this test writes them afresh.
TEST(FuzzReplay, SeedCorpusHoldsEveryTypeAsWrittenNow)
{
    const bool write = qEnvironmentVariableIntValue("VELUNTO_WRITE_CORPUS") == 1;
    for (const SampleType& type : sampleTypes()) {
        SCOPED_TRACE(type.name);
        Document doc;
        buildSampleDocument(doc, type.dokTyp, type.dokUnterTyp);
        const SerializedDocument serialized = serializeDocument(doc);
        ASSERT_TRUE(serialized.error.isEmpty());
        const QString path = kCorpus + u'/' + QString::fromLatin1(type.name) + ".vlt";
        if (write) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(serialized.bytes);
        }
        EXPECT_EQ(readFile(path), serialized.bytes)
            << "the writer's output changed; run test_fuzzreplay with VELUNTO_WRITE_CORPUS=1";
    }
}
