#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "common/TextFile.h"
#include "contest/LogYear.h"
#include "contest/StationRules.h"
#include "ui/support/Clock.h"
#include "ui/widgets/ComboLists.h"
#include "ui/support/CoreText.h"
#include "ui/support/Keys.h"
#include "ui/widgets/PageControl.h"
#include "ui/mainwindow/Unit1.h"

// The station page ("Data input"): its handlers, the Enter chain, the station data to and
// from the controls, and the work of leaving the page.

namespace kerolt {

// --- Station data ---------------------------------------------------------------------------

StationData TForm1::StationDataFromControls() const {
    StationData data;
    data.CallEdit = ToCore(CallEdit->text());
    data.ContestBox = ToCore(ListText(ContestBox));
    data.ContestIndex = ContestBox->currentIndex();
    data.AssistedComboBox = ToCore(ListText(AssistedComboBox));
    data.BandComboBox = ToCore(ListText(BandComboBox));
    data.OperatorComboBox = ToCore(ListText(OperatorComboBox));
    data.PowerComboBox = ToCore(ListText(PowerComboBox));
    data.TransmitterComboBox = ToCore(ListText(TransmitterComboBox));
    data.StationComboBox = ToCore(ListText(StationComboBox));
    data.OverlayComboBox = ToCore(ListText(OverlayComboBox));
    data.EmailEdit = ToCore(EmailEdit->text());
    data.OperatorsEdit = ToCore(OperatorsEdit->text());
    data.ClamedScoreEdit = ToCore(ClamedScoreEdit->text());
    data.NameEdit = ToCore(NameEdit->text());
    data.AdrEdit1 = ToCore(AdrEdit1->text());
    data.AdrEdit2 = ToCore(AdrEdit2->text());
    data.AdrEdit3 = ToCore(AdrEdit3->text());
    data.ClubEdit = ToCore(ClubEdit->text());
    data.Memo1 = Memo1Lines();
    data.KeptHeaderLines = keptHeaderLines_;
    data.XQsoLines = xQsoLines_;
    return data;
}

std::vector<std::string> TForm1::Memo1Lines() const {
    // The memo ends each line with a line end, as a file does.
    return SplitLines(ToCore(Memo1->toPlainText()));
}

void TForm1::SetMemo1Lines(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines) text += ToUi(line) + QLatin1Char('\n');
    Memo1->setPlainText(text);
}

void TForm1::CallEditChange() {
    PageControl1->setTabVisible(
        LogInputPage, LogInputAvailable(ContestBox->currentIndex(),
                                        static_cast<std::size_t>(CallEdit->text().size())));
}

void TForm1::ContestBoxChange() {
    // Choosing the contest may show the page, never hide it.
    if (LogInputAvailable(ContestBox->currentIndex(),
                          static_cast<std::size_t>(CallEdit->text().size())))
        PageControl1->setTabVisible(LogInputPage, true);
}

// The station classes as the window names them; the core's are the English ones.
[[maybe_unused]] constexpr const char* StationClassNames[] = {
    QT_TRANSLATE_NOOP("StationClass", "Scandinavian"),
    QT_TRANSLATE_NOOP("StationClass", "Non Scandinavian"),
    QT_TRANSLATE_NOOP("StationClass", "Non Scandinavian-DX"),
};

void TForm1::CallEditExit() {
    const QString call = CallEdit->text();
    SetPanelText(CallPanel, call);
    const std::string stationClass = ClassifyStation(countryTable_, doc_.State(), ToCore(call));
    MyCall->setText(call);
    Label12->setText(QCoreApplication::translate("StationClass", stationClass.c_str()));
    const ClassChoices choices = ChoicesForClass(stationClass == ScandinavianClass);
    // Replacing entries keeps the text shown; a restricted list shows its one entry.
    if (choices.Restricted)
        SelectEntry(BandComboBox, 0);
    ReplaceEntries(BandComboBox, ToUi(choices.Band));
    ReplaceEntries(OverlayComboBox, ToUi(choices.Overlay));
    if (choices.Restricted)
        SelectEntry(OverlayComboBox, 0);
    OverlayComboBox->setVisible(!choices.Restricted);
    ReplaceEntries(TransmitterComboBox, ToUi(choices.Transmitter));
}

void TForm1::OperatorComboBoxChange() {
    const std::vector<std::string> choices = TransmitterChoices(OperatorComboBox->currentIndex());
    // A single transmitter choice is made for the user.
    if (choices.size() == 1)
        SelectEntry(TransmitterComboBox, 0);
    ReplaceEntries(TransmitterComboBox, ToUi(choices));
}

bool TForm1::EnterMovesTo(QKeyEvent* key, QWidget* next) {
    if (!IsEnter(key))
        return false;
    next->setFocus(Qt::TabFocusReason);
    return true;
}

bool TForm1::CallEditKeyPress(QKeyEvent* key) {
    return EnterMovesTo(key, ContestBox);
}

bool TForm1::OperatorsEditKeyPress(QKeyEvent* key) {
    return EnterMovesTo(key, NameEdit);
}

bool TForm1::NameEditKeyPress(QKeyEvent* key) {
    return EnterMovesTo(key, AdrEdit1);
}

bool TForm1::AdrEdit1KeyPress(QKeyEvent* key) {
    return EnterMovesTo(key, AdrEdit2);
}

bool TForm1::AdrEdit2KeyPress(QKeyEvent* key) {
    return EnterMovesTo(key, AdrEdit3);
}

bool TForm1::AdrEdit3KeyPress(QKeyEvent* key) {
    return EnterMovesTo(key, ClamedScoreEdit);
}

bool TForm1::ClamedScoreEditKeyPress(QKeyEvent* key) {
    return EnterMovesTo(key, ClubEdit);
}

bool TForm1::ClubEditKeyPress(QKeyEvent* key) {
    return EnterMovesTo(key, Memo1);
}

LogPageDefaults TForm1::FollowContestDate() {
    // An opened log keeps its year: mending last year's log must not move its QSO dates.
    const LogPageDefaults defaults = ::kerolt::PrepareLogPage(
        ContestBox->currentIndex(), ContestYear(openedContestDate_, clock_.Year()));
    // A year without a calendar row keeps the contest date.
    if (!defaults.ContestDate.empty())
        doc_.SetContestDate(defaults.ContestDate);
    return defaults;
}

void TForm1::PrepareLogPage() {
    SyncStation();
    const LogPageDefaults defaults = FollowContestDate();
    // No contest keeps the reports.
    ShowDefaultReports(defaults.Report);
    MyCall->setText(CallEdit->text());
    DateLabel->setText(ToUi(QsoDate(doc_.ContestDate(), ToCore(TimeEdit->text()))));
}

void TForm1::ShowDefaultReports(const std::string& report) {
    if (report.empty())
        return;
    TREdit->setText(ToUi(report));
    RREdit->setText(ToUi(report));
}

}  // namespace kerolt
