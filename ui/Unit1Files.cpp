#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabWidget>

#include "cabrillo/ApplyStation.h"
#include "cabrillo/CabrilloReader.h"
#include "cabrillo/SaveName.h"
#include "common/TextFile.h"
#include "ui/ComboLists.h"
#include "ui/CoreText.h"
#include "ui/QsoGridModel.h"
#include "ui/Unit1.h"

// The file commands: opening a log, saving it, and the question before the window closes.

namespace kerolt {

namespace {

// A file name as the operating system takes it, whatever the characters of the path.
std::string NativeName(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

// The hourglass for as long as the scope lasts: it goes on every way out, an error included.
class Hourglass {
  public:
    Hourglass() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Hourglass() { QApplication::restoreOverrideCursor(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

std::vector<std::string> EntriesOf(const QComboBox* list) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i) entries.push_back(ToCore(list->itemText(i)));
    return entries;
}

// Later parts replace earlier ones; an absent part leaves the one before.
void Merge(ScoreDisplay& shown, ScoreDisplay next) {
    if (next.Summary)
        shown.Summary = std::move(next.Summary);
    if (next.ClaimedScore)
        shown.ClaimedScore = std::move(next.ClaimedScore);
    if (next.EntityText)
        shown.EntityText = std::move(next.EntityText);
}

}  // namespace

// --- Open -------------------------------------------------------------------------------------

void TForm1::Open1Click() {
    if (!MayOpenOverLog())
        return;
    LoadCabrilloLog();
}

bool TForm1::MayOpenOverLog() {
    // QSOs typed since the last save live only in the window and in Last.log, which the next
    // QSO of the opened log overwrites.
    if (logSaved_)
        return true;
    switch (prompts_.Question(QStringLiteral("Do you want to save the log before opening another?"),
                              QStringLiteral("Open"), QuestionButtons::YesNoCancel)) {
        case Answer::Yes:
            Save1Click();
            return logSaved_;
        case Answer::No:
            return true;
        case Answer::Cancel:
            break;
    }
    return false;
}

void TForm1::LoadCabrilloLog() {
    const std::optional<QString> chosen = prompts_.OpenFile(OpenDialog1);
    if (!chosen)
        return;
    const Hourglass hourglass;
    // The whole file is read and checked before anything changes.
    const CabrilloFile file = LoadCabrilloFile(NativeName(*chosen));

    ShowOpenedStation(file);
    ShowOpenedLog(file);
    if (file.ContestDate) {
        state_.ContestDate = *file.ContestDate;
        openedContestDate_ = *file.ContestDate;
    }
    if (file.NyNrEdit)
        NyNrEdit->setText(ToUi(*file.NyNrEdit));
    if (file.TimeEdit)
        TimeEdit->setText(ToUi(*file.TimeEdit));
    SetCabrilloLines(file.Lines);

    PageControl1->setTabVisible(LogInputPage, true);
    PageControl1->setTabVisible(CabrilloLogPage, true);
    PageControl1->setTabVisible(MultListPage, true);
    SetPanelText(FilePanel, QFileInfo(*chosen).absoluteFilePath());
    if (const std::string notTaken = NotTakenMessage(file.NotTaken); !notTaken.empty())
        prompts_.ShowInformation(ToUi(notTaken));
}

void TForm1::ShowOpenedStation(const CabrilloFile& file) {
    {
        // The opened log shows all its pages whatever the callsign's length.
        const QSignalBlocker blocker(CallEdit);
        if (file.Station.CallEdit)
            CallEdit->setText(ToUi(*file.Station.CallEdit));
    }
    // The class and the lists it may choose from follow the opened callsign, so that every
    // value the file's entrant may choose is found among the entries.
    CallEditExit();

    const std::pair<QComboBox*, const std::optional<std::string>*> lists[] = {
        {ContestBox, &file.Station.ContestBox},
        {AssistedComboBox, &file.Station.AssistedComboBox},
        {BandComboBox, &file.Station.BandComboBox},
        {OperatorComboBox, &file.Station.OperatorComboBox},
        {PowerComboBox, &file.Station.PowerComboBox},
        {TransmitterComboBox, &file.Station.TransmitterComboBox},
        {OverlayComboBox, &file.Station.OverlayComboBox}};
    const StationLists entries{EntriesOf(ContestBox),     EntriesOf(AssistedComboBox),
                               EntriesOf(BandComboBox),   EntriesOf(OperatorComboBox),
                               EntriesOf(PowerComboBox),  EntriesOf(TransmitterComboBox),
                               EntriesOf(OverlayComboBox)};
    const StationData data = ApplyCabrilloStation(file, StationDataFromControls(), entries);
    for (const auto& [list, value] : lists) {
        if (*value)
            SelectEntry(list, FindEntryIgnoringCase(EntriesOf(list), **value));
    }
    EmailEdit->setText(ToUi(data.EmailEdit));
    NameEdit->setText(ToUi(data.NameEdit));
    AdrEdit1->setText(ToUi(data.AdrEdit1));
    AdrEdit2->setText(ToUi(data.AdrEdit2));
    AdrEdit3->setText(ToUi(data.AdrEdit3));
    OperatorsEdit->setText(ToUi(data.OperatorsEdit));
    ClubEdit->setText(ToUi(data.ClubEdit));
    SetMemo1Lines(data.Memo1);
}

void TForm1::ShowOpenedLog(const CabrilloFile& file) {
    // Re-scoring the emptied log empties the stores and shows the zero score, which stands
    // when the file holds no QSO that scores.
    log_.SetRowCount(2);
    log_.QsoCounter = 1;
    ScoreDisplay shown = scoring_.RescoreLog(log_);
    for (const QsoLog::Row& row : file.Rows) {
        const int r = log_.QsoCounter;
        for (int col = 0; col < QsoColumnCount; ++col) log_.SetCell(r, col, row[col]);
        log_.AddRow();
        log_.SetCell(r, ColRow, std::to_string(r));
        Merge(shown, scoring_.ScoreQso(row[ColCall], BandFromFrequency(row[ColFreq])));
        log_.SetCell(r, ColMult, scoring_.CurrentMult());
        log_.SetCell(r, ColPoints, scoring_.CurrentPoints());
        ++log_.QsoCounter;
    }
    GridModel().LogReset();
    ShowScore(shown);
}

// --- Save and exit ----------------------------------------------------------------------------

void TForm1::Save1Click() {
    RebuildCabrilloLog();
    const std::optional<QString> chosen =
        prompts_.SaveFile(SaveDialog1, ToUi(SaveCommandLogName(ToCore(CallEdit->text()))));
    if (!chosen)
        return;
    WriteLines(NativeName(*chosen), CabrilloLines());
    logSaved_ = true;
}

bool TForm1::FormCloseQuery() {
    if (logSaved_)
        return true;
    const QString caption = QStringLiteral("Exit ");
    switch (prompts_.Question(QStringLiteral("Do you want to save the log before exit?"), caption,
                              QuestionButtons::YesNoCancel)) {
        case Answer::Yes:
            break;
        case Answer::No:
            return true;
        case Answer::Cancel:
            return false;
    }
    const std::optional<QString> chosen =
        prompts_.SaveFile(SaveDialog1, ToUi(ProposedLogName(ToCore(CallEdit->text()))));
    if (!chosen)
        return prompts_.Question(QStringLiteral("Quit without Saving?"), caption,
                                 QuestionButtons::YesNo) == Answer::Yes;
    // A save that fails keeps the window open, so the user can try again.
    bool saved = false;
    Guard([&] {
        RebuildCabrilloLog();
        WriteLines(NativeName(*chosen), CabrilloLines());
        saved = true;
    });
    return saved;
}

}  // namespace kerolt
