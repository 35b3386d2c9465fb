#pragma once

// The system clock as the window reads it: the year that picks the contest date, the local
// time of day of the realtime clock, and the moment an export records. Tests put a fixed day and
// time in its place.

#include <QTime>
#include <chrono>

namespace kerolt {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual int Year() const = 0;
    virtual QTime TimeOfDay() const = 0;
    // The moment in UTC, as files record their making.
    virtual std::chrono::sys_seconds UtcNow() const = 0;
};

class SystemClock : public Clock {
  public:
    int Year() const override;
    QTime TimeOfDay() const override;
    std::chrono::sys_seconds UtcNow() const override;
};

}  // namespace kerolt
