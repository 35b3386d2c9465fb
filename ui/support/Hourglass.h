#pragma once

#include <QApplication>

namespace kerolt {

// The hourglass for as long as the scope lasts: it goes on every way out, an error included.
class Hourglass {
  public:
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

}  // namespace kerolt
