#include "common/random.h"

#include <QTime>

namespace velunto {

void RandomSource::seedFromTimeOfDay()
{
    const QTime t = QTime::currentTime();
    m_seed = static_cast<std::uint32_t>(((t.hour() * 60 + t.minute()) * 60 + t.second()) * 1000 +
                                        t.msec());
}

RandomSource& randomSource()
{
    static RandomSource source;
    return source;
}

} // namespace velunto
