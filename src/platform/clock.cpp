#include "platform/clock.h"

#include <chrono>

namespace velunto {

qint64 SteadyClock::milliseconds() const
{
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
}

QDateTime SteadyClock::now() const
{
    return QDateTime::currentDateTime();
}

} // namespace velunto
