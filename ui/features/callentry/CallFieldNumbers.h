#pragma once

// A minute, a time or a frequency typed in the call field and ended by Space.

#include <QObject>

namespace kerolt {

class TForm1;

class CallFieldNumbers : public QObject {
    Q_OBJECT
  public:
    explicit CallFieldNumbers(TForm1& form);

    // Takes the call field's number as a minute, a time or a frequency, or refuses it with a
    // note; false when the field holds a call.
    bool TakeCallNumber();

  private:
    TForm1& form_;
};

}  // namespace kerolt
