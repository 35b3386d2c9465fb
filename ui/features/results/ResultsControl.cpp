#include "ui/features/results/ResultsControl.h"

#include <QAction>
#include <QBoxLayout>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QResizeEvent>
#include <QTimer>

#include <algorithm>

#include "contest/Results.h"
#include "ui/support/CoreText.h"
#include "ui/widgets/Fonts.h"
#include "ui/features/results/ResultsWindow.h"
#include "ui/mainwindow/Unit1.h"

namespace kerolt {

namespace {

// The rate line in a box of its own, outside any layout: its text changes nearly every QSO,
// and a label in the page's layout lays out, and so repaints, the whole window at each new
// text. The box takes the height the wrapped text needs, and asks for a layout only when
// that changes.
class RateBox : public QWidget {
  public:
    explicit RateBox(QLabel* label) : label_(label) {
        label_->setParent(this);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        Fit();
    }

    void Fit() {
        const int needed = std::max(label_->heightForWidth(std::max(width(), 1)), 1);
        if (needed != minimumHeight() || needed != maximumHeight())
            setFixedHeight(needed);
    }

  protected:
    void resizeEvent(QResizeEvent*) override {
        label_->setGeometry(rect());
        // A height set while the layout places the box is lost: fit once it is done.
        QTimer::singleShot(0, this, [this] { Fit(); });
    }

  private:
    QLabel* label_;
};

}  // namespace

ResultsControl::ResultsControl(TForm1& form) : QObject(&form), form_(form) {
    setObjectName(QStringLiteral("ResultsControl"));
    // A section of its own just above the menu's last command, "Exit".
    QMenu* file = form.FileMenu();
    QAction* exit = file->actions().constLast();
    command_ = new QAction(tr("&Results..."), file);
    command_->setObjectName(QStringLiteral("Results1"));
    file->insertAction(exit, command_);
    file->insertSeparator(exit);

    // Below the summary beside the grid.
    rateLine_ = new QLabel;
    rateLine_->setObjectName(QStringLiteral("RateLabel"));
    rateLine_->setFont(PixelFont(QStringLiteral("Courier New"), 11));
    rateLine_->setText(Translate(RateLineText(RateLine())));
    // A long line wraps in the column beside the grid instead of widening it over the grid.
    rateLine_->setWordWrap(true);
    rateLine_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    rateBox_ = new RateBox(rateLine_);
    form.BesideGridBox()->insertWidget(1, rateBox_);

    connect(command_, &QAction::triggered, this, [this] { form_.Guard([this] { Open(); }); });
    connect(&form, &TForm1::Scored, this, [this] { form_.Guard([this] { Show(); }); });
}

void ResultsControl::Open() {
    if (!window_) {
        window_ = new ResultsWindow(&form_);
        connect(window_, &ResultsWindow::CopySummaryRequested, this,
                [this] { form_.Guard([this] { CopySummary(); }); });
    }
    // A minimized window comes back as it was before, maximized or not.
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
    Show();
}

void ResultsControl::Show() {
    const ContestState& state = form_.State();
    // A wrapping label lays the page out again on every set, the same text too.
    const QString rate = Translate(RateLineText(BuildRateLine(form_.Log(), state.ContestDate)));
    if (rate != rateLine_->text()) {
        rateLine_->setText(rate);
        static_cast<RateBox*>(rateBox_)->Fit();
    }
    if (window_ && window_->isVisible())
        window_->ShowResults(BuildResults(form_.Log(), form_.Scoring(), state.ContestDate));
}

void ResultsControl::CopySummary() {
    const StationData data = form_.StationDataFromControls();
    const SummaryStation station{
        data.CallEdit,
        data.ContestBox,
        {data.OperatorComboBox, data.BandComboBox, data.PowerComboBox, data.AssistedComboBox,
         data.TransmitterComboBox, data.OverlayComboBox}};
    const std::vector<std::string> lines = ResultsSummary(
        station, BuildResults(form_.Log(), form_.Scoring(), form_.State().ContestDate));
    QGuiApplication::clipboard()->setText(ToUi(lines).join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

}  // namespace kerolt
