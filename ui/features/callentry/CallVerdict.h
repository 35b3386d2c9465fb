#pragma once

// What the call typed in the entry row would score on the chosen band, beside the row.

#include <QObject>

class QLabel;

namespace kerolt {

class TForm1;

class CallVerdict : public QObject {
    Q_OBJECT
  public:
    // Takes the rest of form's entry row; follows the call, the received number and the band.
    explicit CallVerdict(TForm1& form);

    void ShowCallVerdict();

  private:
    TForm1& form_;
    QLabel* VerdictLabel = nullptr;
};

}  // namespace kerolt
