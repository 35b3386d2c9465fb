#pragma once

// The system clock as the window reads it: the year that picks the contest date and the
// local time of day of the realtime clock. Tests put a fixed day and time in its place.

#include <QTime>

namespace kerolt {

class Clock {
  public:
    virtual ~Clock() = default;
    virtual int Year() const = 0;
    virtual QTime TimeOfDay() const = 0;
};

class SystemClock : public Clock {
  public:
    int Year() const override;
    QTime TimeOfDay() const override;
};

}  // namespace kerolt
