#pragma once

// Unit1: the main window Form1 with its menus, status bar, dialogs, timer and four pages. Its
// members are defined by page, each group in the file named at its heading.

#include <QEvent>
#include <QMainWindow>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cabrillo/CabrilloWriter.h"
#include "cabrillo/LogDocument.h"
#include "cabrillo/StationData.h"
#include "contest/ContestRules.h"
#include "contest/LogEntry.h"
#include "contest/QsoLog.h"
#include "contest/Scoring.h"
#include "country/CTY.h"
#include "ui/support/Guarded.h"
#include "ui/widgets/PageControl.h"
#include "ui/support/Prompts.h"
#include "ui/mainwindow/Unit1Controls.h"

class QBoxLayout;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;

namespace kerolt {

struct CabrilloFile;
class Clock;
class PartialCalls;
class QsoGridModel;
class TAboutBox;
class TForm3;

// The controls are declared apart (Unit1Controls.h), as a form's generated part would be.
class TForm1 : public QMainWindow, public TForm1Controls {
    Q_OBJECT
  public:
    TForm1(CountryTable& countryTable, Prompts& prompts, Clock& clock, QWidget* parent = nullptr);
    ~TForm1() override;

    // The About box and the help window, created right after this window.
    void SetSecondaryWindows(TAboutBox* aboutBox, TForm3* form3);

    // The station data as the controls show them (a list never chosen from: its placeholder).
    StationData StationDataFromControls() const;

    // The soapbox lines; the caret line after the memo's last line end is no line of its own.
    std::vector<std::string> Memo1Lines() const;
    void SetMemo1Lines(const std::vector<std::string>& lines);

    QString PanelText(int panel) const;
    void SetPanelText(int panel, const QString& text);

    // A scoring's summary, claimed score and entity shown; an absent part leaves its control.
    void ShowScore(const ScoreDisplay& display);

    // The Cabrillo text, as the "Cabrillo log" page holds it.
    const std::vector<std::string>& CabrilloLines() const { return cabrilloLines_; }
    void SetCabrilloLines(const std::vector<std::string>& lines);
    // The station controls into the document, then its text onto the page. A build that fails
    // raises and leaves the old text.
    void RebuildCabrilloLog();
    // The right-click menu of an entry field, built for the moment: copy, paste, select all.
    QMenu* EntryFieldMenu(QLineEdit* field, EntryField kind);

    // The score summary keeps to its own lines, leaving the rest of its column below it;
    // false: it takes what the column gives it.
    void KeepSummaryToItsLines(bool keep);

    CountryTable& Countries() { return countryTable_; }
    // The open log: every change goes through it, the views follow its notification.
    const LogDocument& Document() const { return doc_; }
    ContestState& State() { return doc_.State(); }
    const QsoLog& Log() const { return doc_.Log(); }
    ScoringEngine& Scoring() { return doc_.Scoring(); }
    QsoGridModel& GridModel() { return *gridModel_; }
    Prompts& Dialogs() { return prompts_; }
    // Whether the document is as it was saved or opened.
    bool LogSaved() const { return !doc_.Modified(); }
    void SetLogSaved(bool saved) { doc_.SetModified(!saved); }
    // A grid cell's new text through the document; false, with the reason in the status bar,
    // when the rules refuse it.
    bool EditGridCell(int logRow, int col, const QString& text);
    // At start: offers to open Last.log when it holds QSOs that are in no saved file.
    void OfferBackup();

    // Runs fn as an event's handling: an error it raises is shown and ends there.
    template <typename Fn>
    void Guard(Fn&& fn) {
        Guarded(prompts_, std::forward<Fn>(fn));
    }

    // A handler as a slot for connect, run inside the error wrapper, with the signal's arguments.
    template <typename... Args>
    auto Slot(void (TForm1::*handler)(Args...)) {
        return [this, handler](Args... args) { Guard([&] { (this->*handler)(args...); }); };
    }

    // --- Window, menus and clock (Unit1.cpp) ---------------------------------------------
    void FormCreate();
    void Exit1Click();
    void HowTo1Click();
    void About1Click();
    void Realtime1Click();
    void AutoSave1Click();
    void Timer1Timer();
    void New1Click();

    // --- Station page (Unit1Station.cpp) ---------------------------------------------------
    void CallEditChange();
    void ContestBoxChange();
    void CallEditExit();
    void OperatorComboBoxChange();
    // Enter chain of the station page; each returns true when it took the key.
    bool CallEditKeyPress(QKeyEvent* key);
    bool OperatorsEditKeyPress(QKeyEvent* key);
    bool NameEditKeyPress(QKeyEvent* key);
    bool AdrEdit1KeyPress(QKeyEvent* key);
    bool AdrEdit2KeyPress(QKeyEvent* key);
    bool AdrEdit3KeyPress(QKeyEvent* key);
    bool ClamedScoreEditKeyPress(QKeyEvent* key);
    bool ClubEditKeyPress(QKeyEvent* key);
    // The station page's work on leaving it: contest date, reports, own call, date label.
    void PrepareLogPage();
    // The entry row's sent and received reports; an empty report (no contest) keeps them.
    void ShowDefaultReports(const std::string& report);

    // --- Log input page (Unit1LogInput.cpp) ------------------------------------------------
    // Sees every key of the window before the focused control; true swallows the key.
    bool FormKeyDown(QKeyEvent* key);
    // Character filters: true refuses the typed character.
    bool TimeEditKeyPress(QKeyEvent* key);
    bool TREditKeyPress(QKeyEvent* key);
    bool NyNrEditKeyPress(QKeyEvent* key);
    bool RREditKeyPress(QKeyEvent* key);
    bool NrInputKeyPress(QKeyEvent* key);
    bool CallWkdInputKeyPress(QKeyEvent* key);
    bool SGKeyPress(QKeyEvent* key);
    bool CallWkdInputKeyDown(QKeyEvent* key);
    bool CallWkdInputKeyUp(QKeyEvent* key);
    // Enter commits the QSO typed in the entry row.
    bool NrInputKeyDown(QKeyEvent* key);
    void FrekvensEditChange();
    void TimeEditChange();
    void Deletelastrow1Click();
    void SGExit();

    // --- The entry row as the features see it (Unit1EntryRow.cpp) ---------------------------
    QString TypedCall() const;
    void ClearTypedCall();
    void SelectTypedCall();
    QString TypedNumber() const;
    BandIndex TypedBand() const;
    // Selects band entry by program, as a chosen band; a typed frequency goes with it.
    void SelectBand(int entry);
    // A typed frequency, whole kHz: the QSOs' until the band is chosen again or the rig moves.
    void KeepTypedKhz(long khz);
    QString TypedTime() const;
    void SetTypedTime(const QString& time);
    bool RealtimeOn() const;

    // --- Files (Unit1Files.cpp) ------------------------------------------------------------
    void Open1Click();
    void LoadCabrilloLog();  // the chosen file into the pages and the log
    void Save1Click();
    // Rebuilds the Cabrillo text and writes it where the user chooses; false when no file was
    // chosen, a failed write raises.
    bool SaveLogAs(const QString& proposedName);
    // Asked before the window closes; false keeps it open.
    bool FormCloseQuery();
    // A changed document is offered a save before it goes; false keeps it where it is.
    enum class SaveOccasion { Opening, Exit, New };
    bool MaySaveFirst(SaveOccasion occasion);
    // Applies a read file to the station page, then makes it the document: fileName is where
    // it came from, modified whether it differs from that file.
    void ShowOpenedFile(const CabrilloFile& file, const std::string& fileName = {},
                        bool modified = false);

    // --- Page changes (Unit1Pages.cpp) -------------------------------------------------------
    // Before the user leaves page leavingPage, and after the user arrived at another.
    void PageControl1Changing(int leavingPage);
    void PageControl1Change();

    // --- Mult list (Unit1MultList.cpp) -------------------------------------------------------
    void SaveMultList1Click();

    // --- The log check's marks and Check (Unit1Check.cpp) ------------------------------------
    void Check1Click();
    // Check partial, with the callsign list of contest stations.
    PartialCalls& Partials() { return *partials_; }

    // --- Places for the features beyond the pages ------------------------------------------
    QMenu* FileMenu() const { return fileMenu_; }
    QMenu* SetUpMenu() const { return setUpMenu_; }
    QBoxLayout* EntryRowBox() const { return entryRow_; }
    // The column right of the grid, the summary ResList at its top.
    QBoxLayout* BesideGridBox() const { return besideGridBox_; }
    // A status panel after the window's own, fitted to widestText; shown or hidden, refitted.
    void AddStatusPanel(QLabel* panel, const QString& widestText);
    void FitStatusPanels();
    // The note panel as wide as its text needs, up to the bar's room, and as many lines high.
    void FitNotePanel();
    // A rig's frequency in whole kHz while it answers: a QSO committed on its band carries it.
    void SetRigKhz(std::optional<long> khz) { rigKhz_ = khz; }

  signals:
    // A key was released in the call field.
    void CallTyped();
    // Space was typed in the call field; a receiver that takes it sets taken.
    void CallSpace(bool* taken);
    void CallChanged();
    void NumberChanged();
    void BandChanged();
    // The log was scored and the score shown (ShowScore).
    void Scored();
    // The document changed and the window's views show it.
    void DocumentChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    using KeyHandler = bool (TForm1::*)(QKeyEvent*);

    // Unit1Layout.cpp
    void BuildLayout();
    void BuildMenus();
    void BuildStatusBar();
    void BuildStationPage();
    void SetTabOrder();
    // Unit1PagesLayout.cpp
    void BuildLogPage();
    void BuildCabrilloPage();
    void BuildMultListPage();

    // Unit1.cpp: wiring. A key handler sees the field's key events of one type before the
    // field; an exit handler runs when the focus leaves the field for another control.
    void ConnectHandlers();
    // Unit1.cpp: Realtime and AutoSave shown, and kept for the next run.
    void ShowSetUpMarks();
    void SaveSetUpMarks();
    void OnKey(QWidget* field, QEvent::Type type, KeyHandler handler);
    void OnExit(QWidget* field, void (TForm1::*handler)());
    // Unit1Pages.cpp
    void OnCurrentPageChanged(int index);

    // Unit1Station.cpp: Enter moves the focus to next, as Tab would, selecting its text.
    bool EnterMovesTo(QKeyEvent* key, QWidget* next);

    // Unit1LogInput.cpp
    void ConnectLogInputHandlers();
    // The key's character through field's filter; true refuses it.
    bool RefusedByFilter(QKeyEvent* key, EntryField field);
    // The clipboard's text into field through its filter; a call too long raises.
    void PasteInto(QLineEdit* field, EntryField kind);
    void StepTimeBy(int step);
    void StepBandBy(int step);
    QsoEntry EntryFromControls() const;
    void RemoveStaleBackups();
    // Writes the document's Cabrillo text to Last.log.
    void BackUpLog();
    // The views follow one change of the document.
    void OnDocumentChanged(const DocumentChange& change);
    // The station controls into the document (not while the window writes them itself).
    void SyncStation();
    void ConnectStationSync();
    // The title: the file's name, [*] while changed.
    void ShowDocumentName();
    // The dupe colour, the verdict and the partial list after a band or log change.
    void RefreshCallMarks();
    void OfferBackupNow();
    // The band list shows the band of the last QSO.
    void SelectLastQsoBand();
    // Hooks a cell editor of the grid: its filter and leaving the grid from it.
    void PrepareCellEditor(QLineEdit* editor);
    void WatchGridExit(QWidget* widget);

    void ShowOpenedStation(const CabrilloFile& file);
    // The document's contest date follows the contest shown, in the opened log's year.
    LogPageDefaults FollowContestDate();

    // Unit1MultList.cpp: the mult table's lists, one per band.
    void ShowMultLists();

    // Unit1Check.cpp: marks the Cabrillo page's lines with the log check's findings.
    void ShowLogCheck(const std::vector<std::string>& lines);

    // Unit1StatusBar.cpp: the panels' widths from the bar's font, now and whenever it changes.
    void BuildStatusPanels();

    CountryTable& countryTable_;
    Prompts& prompts_;
    Clock& clock_;
    LogDocument doc_;
    // While the window writes the station controls itself, their changes are not the user's.
    bool writingStation_ = false;
    bool backupUnsavedNoted_ = false;  // what the settings last heard of Last.log
    std::string openedContestDate_;  // of the open log, when it had QSOs
    // The opened file's header lines no field holds, and its X-QSO lines: written back.
    std::vector<std::string> keptHeaderLines_;
    std::vector<std::string> xQsoLines_;
    QsoGridModel* gridModel_ = nullptr;
    // The lines the "Cabrillo log" page shows, as the core's text.
    std::vector<std::string> cabrilloLines_;
    std::array<QLabel*, 5> panels_{};
    QBoxLayout* entryRow_ = nullptr;
    PartialCalls* partials_ = nullptr;
    std::vector<std::pair<QLabel*, QString>> addedPanels_;  // with the texts they must fit
    QMenu* fileMenu_ = nullptr;
    QMenu* setUpMenu_ = nullptr;
    QBoxLayout* besideGridBox_ = nullptr;
    int currentPage_ = DataInputPage;
    TAboutBox* aboutBox_ = nullptr;
    TForm3* form3_ = nullptr;
    // A frequency typed in the call field, whole kHz: the QSOs' frequency until the band is
    // chosen again or the rig moves.
    std::optional<long> typedKhz_;
    std::optional<long> rigKhz_;
};

}  // namespace kerolt
