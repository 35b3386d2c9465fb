#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

#include "contest/Results.h"
#include "ui/CoreText.h"
#include "ui/ResultsWindow.h"
#include "ui/Unit1.h"

// The results window and the rate line on the log input page; both follow every scoring.

namespace kerolt {

void TForm1::Results1Click() {
    if (!resultsWindow_) {
        resultsWindow_ = new ResultsWindow(this);
        connect(resultsWindow_, &ResultsWindow::CopySummaryRequested, this,
                Slot(&TForm1::CopySummaryClick));
    }
    // A minimized window comes back as it was before, maximized or not.
    resultsWindow_->setWindowState(resultsWindow_->windowState() & ~Qt::WindowMinimized);
    resultsWindow_->show();
    resultsWindow_->raise();
    resultsWindow_->activateWindow();
    ShowResults();
}

void TForm1::ShowResults() {
    RateLabel->setText(ToUi(RateLineText(BuildRateLine(log_, state_.ContestDate))));
    if (resultsWindow_ && resultsWindow_->isVisible())
        resultsWindow_->ShowResults(BuildResults(log_, scoring_, state_.ContestDate));
}

void TForm1::CopySummaryClick() {
    const StationData data = StationDataFromControls();
    const SummaryStation station{
        data.CallEdit,
        data.ContestBox,
        {data.OperatorComboBox, data.BandComboBox, data.PowerComboBox, data.AssistedComboBox,
         data.TransmitterComboBox, data.OverlayComboBox}};
    const std::vector<std::string> lines =
        ResultsSummary(station, BuildResults(log_, scoring_, state_.ContestDate));
    QGuiApplication::clipboard()->setText(ToUi(lines).join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

}  // namespace kerolt
