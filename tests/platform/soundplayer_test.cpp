#include "platform/soundplayer.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace velunto;

namespace {

const QString kSounds = QStringLiteral(VELUNTO_SOURCE_DIR "/data/sound/");

} // namespace

TEST(SoundPlayer, ShippedSoundsAreShortWaves)
{
    for (const char* name : {"richtig1.wav", "falsch1.wav"}) {
        const int ms = wavDurationMs(kSounds + QString::fromLatin1(name));
        EXPECT_GT(ms, 200) << name;
        EXPECT_LT(ms, 1500) << name;
    }
}

TEST(SoundPlayer, NoWaveNoLength)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kaputt.wav"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    // A header that claims a chunk far beyond the file.
    f.write(QByteArray("RIFF\x10\x00\x00\x00WAVEdata\xff\xff\xff\x7f", 20));
    f.close();
    EXPECT_EQ(wavDurationMs(path), -1);
    EXPECT_EQ(wavDurationMs(dir.filePath(QStringLiteral("fehlt.wav"))), -1);
}

// This machine may have no audio device: playing and waiting still returns.
TEST(SoundPlayer, PlayingReturnsWithOrWithoutADevice)
{
    const auto player = makeSoundPlayer();
    player->play(kSounds + QStringLiteral("falsch1.wav"), true);
    player->play(kSounds + QStringLiteral("richtig1.wav"), false);
    player->stop();
    SUCCEED();
}
