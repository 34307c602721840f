#pragma once

#include <QString>

#include <memory>

namespace velunto {

// Plays WAV files for the exercise feedback. A machine without an audio
// device plays nothing, never waits and never reports an error.
class SoundPlayer
{
  public:
    virtual ~SoundPlayer() = default;
    // Stops what plays and plays file; with waitUntilDone returns when it has
    // finished (the window is repainted meanwhile, input waits).
    virtual void play(const QString& file, bool waitUntilDone) = 0;
    virtual void stop() = 0;
};

// Plays nothing: for tests and for machines without sound.
class SilentSoundPlayer : public SoundPlayer
{
  public:
    void play(const QString&, bool) override {}
    void stop() override {}
};

// The player of this computer: Qt Multimedia when an audio output exists,
// otherwise a silent one.
std::unique_ptr<SoundPlayer> makeSoundPlayer();

// The playing time of a PCM WAV file in milliseconds from its header; -1
// when the file is no readable WAV file.
int wavDurationMs(const QString& file);

} // namespace velunto
