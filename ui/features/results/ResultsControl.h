#pragma once

// The results: the "File, Results..." command and its window, the rate line beside the grid,
// and the summary copied for score-reporting sites. Both the rate line and the open window
// follow every scoring.

#include <QObject>

class QAction;
class QLabel;

namespace kerolt {

class ResultsWindow;
class TForm1;

class ResultsControl : public QObject {
    Q_OBJECT
  public:
    // Places its command and rate line in form and lives as long as form.
    explicit ResultsControl(TForm1& form);

  private:
    void Open();
    // The rate line, and the results window while it is open, from the log as it now stands.
    void Show();
    void CopySummary();

    TForm1& form_;
    QAction* command_ = nullptr;
    QLabel* rateLine_ = nullptr;
    QWidget* rateBox_ = nullptr;  // holds rateLine_ outside the page's layout
    ResultsWindow* window_ = nullptr;  // made when first asked for
};

}  // namespace kerolt
