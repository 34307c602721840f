#pragma once

#include <QDateTime>

namespace velunto {

// The millisecond clock of exercises and the puzzle, and the wall-clock
// time. Tests drive a fake one.
class Clock
{
  public:
    virtual ~Clock() = default;
    // A monotonic count of milliseconds; only differences mean anything.
    virtual qint64 milliseconds() const = 0;
    // The local date and time now.
    virtual QDateTime now() const = 0;
};

// std::chrono::steady_clock and the system's local time.
class SteadyClock : public Clock
{
  public:
    qint64 milliseconds() const override;
    QDateTime now() const override;
};

} // namespace velunto
