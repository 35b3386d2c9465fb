#include "ui/support/Clock.h"

#include <QDateTime>

namespace kerolt {

int SystemClock::Year() const {
    return QDate::currentDate().year();
}

QTime SystemClock::TimeOfDay() const {
    return QTime::currentTime();
}

std::chrono::sys_seconds SystemClock::UtcNow() const {
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}

}  // namespace kerolt
