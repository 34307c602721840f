#include "platform/soundplayer.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include <algorithm>

namespace velunto {

namespace {

// A wave that is still playing after its own length and this margin has
// gone wrong somewhere; the wait ends anyway.
constexpr int kWaitMargin = 500;
constexpr int kLongestWait = 10000;

class SoundEffectPlayer : public SoundPlayer
{
  public:
    explicit SoundEffectPlayer(const QAudioDevice& device) : m_device(device) {}

    void play(const QString& file, bool waitUntilDone) override
    {
        stop();
        m_effect = std::make_unique<QSoundEffect>(m_device);
        m_effect->setSource(QUrl::fromLocalFile(file));
        m_effect->play();
        if (!waitUntilDone)
            return;
        const int length = wavDurationMs(file);
        if (length <= 0)
            return;
        const int limit = std::min(length + kWaitMargin, kLongestWait);
        QEventLoop loop;
        QTimer::singleShot(limit, &loop, &QEventLoop::quit);
        QObject::connect(m_effect.get(), &QSoundEffect::playingChanged, &loop, [&] {
            if (!m_effect->isPlaying() && m_effect->status() != QSoundEffect::Loading)
                loop.quit();
        });
        QObject::connect(m_effect.get(), &QSoundEffect::statusChanged, &loop, [&] {
            if (m_effect->status() == QSoundEffect::Error)
                loop.quit();
        });
        if (m_effect->status() != QSoundEffect::Error)
            loop.exec(QEventLoop::ExcludeUserInputEvents);
    }

    void stop() override
    {
        if (m_effect)
            m_effect->stop();
    }

  private:
    QAudioDevice m_device;
    std::unique_ptr<QSoundEffect> m_effect;
};

} // namespace

std::unique_ptr<SoundPlayer> makeSoundPlayer()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return std::make_unique<SilentSoundPlayer>();
    return std::make_unique<SoundEffectPlayer>(device);
}

int wavDurationMs(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = f.read(4096);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    qsizetype pos = 12;
    // Walks the chunks up to "data"; its size over the byte rate of "fmt "
    // is the playing time.
    while (pos + 8 <= head.size()) {
        const QByteArray id = head.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(head.constData() + pos + 4);
        if (id == "fmt " && pos + 8 + 12 <= head.size())
            byteRate = qFromLittleEndian<quint32>(head.constData() + pos + 8 + 8);
        if (id == "data") {
            if (byteRate == 0)
                return -1;
            return int(std::min<quint64>(quint64(size) * 1000 / byteRate, kLongestWait));
        }
        pos += 8 + qsizetype(size) + (size & 1);
    }
    return -1;
}

} // namespace velunto
