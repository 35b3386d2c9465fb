#include "ui/Clock.h"

#include <QDateTime>

namespace kerolt {

int SystemClock::Year() const {
    return QDate::currentDate().year();
}

QTime SystemClock::TimeOfDay() const {
    return QTime::currentTime();
}

}  // namespace kerolt
