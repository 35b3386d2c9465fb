#pragma once

// The results window: the table by band, the score and times, and the rate chart of QSOs per
// clock hour stacked by band. A window of its own, so it can stay open beside the log and be
// made as large as the chart needs while the main window keeps its fixed width.

#include <QWidget>

#include "contest/Results.h"

class QBarSet;
class QLabel;
class QStackedBarSeries;
class QTableWidget;
class QValueAxis;

namespace kerolt {

class ResultsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ResultsWindow(QWidget* parent = nullptr);

    void ShowResults(const ContestResults& results);

  signals:
    // The "Copy summary" button was clicked.
    void CopySummaryRequested();

  private:
    QTableWidget* table_ = nullptr;
    QLabel* figures_ = nullptr;
    // One bar set per band, 80 m first, one value per contest hour.
    QStackedBarSeries* hourSeries_ = nullptr;
    QValueAxis* qsoAxis_ = nullptr;
};

}  // namespace kerolt
