#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabWidget>
#include <tuple>

#include "cabrillo/ApplyStation.h"
#include "cabrillo/CabrilloReader.h"
#include "cabrillo/SaveName.h"
#include "common/TextFile.h"
#include "contest/ContestRules.h"
#include "ui/widgets/ComboLists.h"
#include "ui/support/Clock.h"
#include "ui/support/CoreLines.h"
#include "ui/support/CoreText.h"
#include "ui/support/Hourglass.h"
#include "ui/widgets/QsoGridModel.h"
#include "ui/mainwindow/Unit1.h"

// The file commands: opening a log, saving it, and the question before the window closes.

namespace kerolt {

// --- Open -------------------------------------------------------------------------------------

void TForm1::Open1Click() {
    if (!MaySaveFirst(SaveOccasion::Opening))
        return;
    LoadCabrilloLog();
}

void TForm1::LoadCabrilloLog() {
    const std::optional<QString> chosen = prompts_.OpenFile(OpenDialog1);
    if (!chosen)
        return;
    const Hourglass hourglass;
    // The whole file is read and checked before anything changes.
    const CabrilloFile file = LoadCabrilloFile(NativeName(*chosen));
    // The log is in its file, unless a save would not give the file back.
    ShowOpenedFile(file, NativeName(QFileInfo(*chosen).absoluteFilePath()), DiffersFromItsFile(file));
    if (const MessageLines message = OpenMessage(file); !message.empty())
        prompts_.ShowInformation(TranslateLines(message));
}

void TForm1::ShowOpenedFile(const CabrilloFile& file, const std::string& fileName,
                            bool modified) {
    // The log's year decides how it scores; a log without QSOs is this year's.
    openedContestDate_ = file.ContestDate ? *file.ContestDate : std::string();
    std::string contestDate = doc_.ContestDate();
    {
        const bool writing = writingStation_;
        writingStation_ = true;
        ShowOpenedStation(file);
        writingStation_ = writing;
    }
    if (file.ContestDate) {
        contestDate = *file.ContestDate;
    } else if (const LogPageDefaults defaults =
                   ::kerolt::PrepareLogPage(ContestBox->currentIndex(), clock_.Year());
               !defaults.ContestDate.empty()) {
        contestDate = defaults.ContestDate;
    }
    // The next QSO is typed with the opened contest's reports, as on arriving at the page.
    ShowDefaultReports(DefaultReport(ContestBox->currentIndex()));
    doc_.Replace(StationDataFromControls(), file.Rows, contestDate, fileName, modified);
    if (file.NyNrEdit)
        NyNrEdit->setText(ToUi(*file.NyNrEdit));
    if (file.TimeEdit)
        TimeEdit->setText(ToUi(*file.TimeEdit));
    // The same time text fires no change, yet the date beside it may be another log's.
    TimeEditChange();
    SelectLastQsoBand();

    PageControl1->setTabVisible(LogInputPage, true);
    PageControl1->setTabVisible(CabrilloLogPage, true);
    PageControl1->setTabVisible(MultListPage, true);
}

void TForm1::ShowOpenedStation(const CabrilloFile& file) {
    // Another station's log starts from the lists' prompts, before its class sets them up; its
    // fields are emptied below, from the page as it stood.
    const StationData before = StationDataFromControls();
    const StationData cleared = ClearedForFile(file, before);
    const std::pair<QComboBox*, std::string StationData::*> prompted[] = {
        {ContestBox, &StationData::ContestBox},
        {AssistedComboBox, &StationData::AssistedComboBox},
        {BandComboBox, &StationData::BandComboBox},
        {OperatorComboBox, &StationData::OperatorComboBox},
        {PowerComboBox, &StationData::PowerComboBox},
        {TransmitterComboBox, &StationData::TransmitterComboBox},
        {StationComboBox, &StationData::StationComboBox},
        {OverlayComboBox, &StationData::OverlayComboBox}};
    for (const auto& [list, value] : prompted) {
        if (cleared.*value != before.*value)
            SetListText(list, ToUi(cleared.*value));
    }
    {
        // The opened log shows all its pages whatever the callsign's length.
        const QSignalBlocker blocker(CallEdit);
        if (file.Station.CallEdit)
            CallEdit->setText(ToUi(*file.Station.CallEdit));
    }
    // The class and the lists it may choose from follow the opened callsign, so that every
    // value the file's entrant may choose is found among the entries.
    CallEditExit();

    const StationLists entries{ListEntries(ContestBox),     ListEntries(AssistedComboBox),
                               ListEntries(BandComboBox),   ListEntries(OperatorComboBox),
                               ListEntries(PowerComboBox),  ListEntries(TransmitterComboBox),
                               ListEntries(OverlayComboBox), ListEntries(StationComboBox)};
    // The page as it stood, its lists as the class now sets them up.
    StationData current = StationDataFromControls();
    current.CallEdit = before.CallEdit;
    const StationData data = ApplyCabrilloStation(file, current, entries);
    const CabrilloStation& read = file.Station;
    const std::tuple<QComboBox*, bool, const std::string&> lists[] = {
        {ContestBox, read.ContestBox.has_value(), data.ContestBox},
        {AssistedComboBox, read.AssistedComboBox.has_value(), data.AssistedComboBox},
        {BandComboBox, read.BandComboBox.has_value(), data.BandComboBox},
        {OperatorComboBox, read.OperatorComboBox.has_value(), data.OperatorComboBox},
        {PowerComboBox, read.PowerComboBox.has_value(), data.PowerComboBox},
        {TransmitterComboBox, read.TransmitterComboBox.has_value(), data.TransmitterComboBox},
        {StationComboBox, read.StationComboBox.has_value(), data.StationComboBox},
        {OverlayComboBox, read.OverlayComboBox.has_value(), data.OverlayComboBox}};
    // The core chose each entry; its own text finds it (none when the text is empty and no
    // entry is).
    for (const auto& [list, inFile, entry] : lists) {
        if (!inFile)
            continue;
        // Not an entry and not empty: the list's own name, shown again as no entry chosen.
        const int index = list->findText(ToUi(entry));
        if (index < 0 && !entry.empty())
            SetListText(list, ToUi(entry));
        else
            SelectEntry(list, index);
    }
    EmailEdit->setText(ToUi(data.EmailEdit));
    NameEdit->setText(ToUi(data.NameEdit));
    AdrEdit1->setText(ToUi(data.AdrEdit1));
    AdrEdit2->setText(ToUi(data.AdrEdit2));
    AdrEdit3->setText(ToUi(data.AdrEdit3));
    OperatorsEdit->setText(ToUi(data.OperatorsEdit));
    ClubEdit->setText(ToUi(data.ClubEdit));
    SetMemo1Lines(data.Memo1);
    keptHeaderLines_ = data.KeptHeaderLines;
    xQsoLines_ = data.XQsoLines;
}

// --- Save and exit ----------------------------------------------------------------------------

bool TForm1::SaveLogAs(const QString& proposedName) {
    RebuildCabrilloLog();
    const std::optional<QString> chosen = prompts_.SaveFile(SaveDialog1, proposedName);
    if (!chosen)
        return false;
    WriteLines(NativeName(*chosen), doc_.CabrilloLines());
    doc_.MarkSaved(NativeName(QFileInfo(*chosen).absoluteFilePath()));
    return true;
}

void TForm1::Save1Click() {
    SaveLogAs(ToUi(SaveCommandLogName(ToCore(CallEdit->text()))));
}

bool TForm1::FormCloseQuery() {
    return MaySaveFirst(SaveOccasion::Exit);
}

bool TForm1::MaySaveFirst(SaveOccasion occasion) {
    // The station page is part of the log: a field being typed in counts.
    SyncStation();
    // Changes since the last save live only in the window and in Last.log, which the next
    // change of another log overwrites.
    if (!doc_.Modified())
        return true;
    const bool closing = occasion == SaveOccasion::Exit;
    const QString caption = closing                              ? tr("Exit ", "message box title")
                            : occasion == SaveOccasion::Opening ? tr("Open", "message box title")
                                                                 : tr("New", "message box title");
    const QString text =
        closing ? tr("Do you want to save the log before exit?")
        : occasion == SaveOccasion::Opening
            ? tr("Do you want to save the log before opening another?")
            : tr("Do you want to save the log before starting a new one?");
    switch (prompts_.Question(text, caption, QuestionButtons::YesNoCancel)) {
        case Answer::Yes:
            break;
        case Answer::No:
            return true;
        case Answer::Cancel:
            return false;
    }
    // A save that fails keeps the log, so the user can try again.
    bool saved = false;
    bool chosen = true;
    Guard([&] {
        chosen = SaveLogAs(ToUi(ProposedLogName(ToCore(CallEdit->text()))));
        saved = chosen;
    });
    // Without a file chosen, the window may still close; another log waits for a saved one.
    if (!chosen && closing)
        return prompts_.Question(tr("Quit without Saving?"), caption,
                                 QuestionButtons::YesNo) == Answer::Yes;
    return saved;
}

}  // namespace kerolt
