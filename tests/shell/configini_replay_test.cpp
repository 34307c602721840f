#include "../../fuzz/config_ini_entry.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace velunto;

TEST(CentralConfigReplay, SeedCorpusKeepsEveryRule)
{
    const QDir corpus(QStringLiteral(VELUNTO_SOURCE_DIR "/fuzz/corpus/config_ini"));
    const QStringList files = corpus.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        QFile f(corpus.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(fuzzing::checkCentralConfig(f.readAll()), QString()) << name.toStdString();
    }
    // Values out of range are the cases the rules are for.
    EXPECT_EQ(fuzzing::checkCentralConfig("[Optionen]\nOptionenDefZentral=1\nWerkzeugPos=9\n"
                                          "ArbeitsblattSkalFak=-1e400\n[Notenskala]\n"
                                          "NotenskalaDefZentral=-3\nNote2=nan\nBewertSkala=70\n"),
              QString());
}
