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
#include "cabrillo/StationData.h"
#include "contest/ContestRules.h"
#include "contest/LogEntry.h"
#include "contest/QsoLog.h"
#include "contest/Scoring.h"
#include "country/CTY.h"
#include "ui/Guarded.h"
#include "ui/PageControl.h"
#include "ui/Prompts.h"

class QAction;
class QBoxLayout;
class QComboBox;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTimer;

namespace kerolt {

struct CabrilloFile;
class Clock;
class PartialCalls;
class QsoGridModel;
class TAboutBox;
class TForm3;

// Page indices of PageControl1; a page keeps its index whether its tab is shown or not.
enum PageIndex : int { DataInputPage = 0, LogInputPage = 1, CabrilloLogPage = 2, MultListPage = 3 };

// Status bar panels, left to right.
enum PanelIndex : int {
    FilePanel = 0,
    CallPanel = 1,
    AutoSavePanel = 2,
    RealtimePanel = 3,
    EntityPanel = 4
};

class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    TForm1(CountryTable& countryTable, Prompts& prompts, Clock& clock, QWidget* parent = nullptr);
    ~TForm1() override;

    // The About box and the help window, created right after this window.
    void SetSecondaryWindows(TAboutBox* aboutBox, TForm3* form3);

    // The station data as the controls hold them, for the Cabrillo writer. A list whose entry
    // was never chosen hands over its placeholder text, since that is what it shows.
    StationData StationDataFromControls() const;

    // The soapbox lines. The memo holds each line followed by a line end, so the caret line
    // after the last line end is no line of its own.
    std::vector<std::string> Memo1Lines() const;
    void SetMemo1Lines(const std::vector<std::string>& lines);

    QString PanelText(int panel) const;
    void SetPanelText(int panel, const QString& text);

    // What a scoring tells the window: the summary in ResList, the claimed score on the
    // station page, the entity in status panel 4; an absent part leaves its control as it is.
    void ShowScore(const ScoreDisplay& display);

    // The Cabrillo text, as the "Cabrillo log" page holds it.
    const std::vector<std::string>& CabrilloLines() const { return cabrilloLines_; }
    void SetCabrilloLines(const std::vector<std::string>& lines);
    // Rebuilds the text from the station controls and the log. A build that fails raises and
    // leaves the old text.
    void RebuildCabrilloLog();

    // The score summary keeps to its own lines, leaving the rest of its column below it;
    // false: it takes what the column gives it.
    void KeepSummaryToItsLines(bool keep);

    CountryTable& Countries() { return countryTable_; }
    ContestState& State() { return state_; }
    QsoLog& Log() { return log_; }
    ScoringEngine& Scoring() { return scoring_; }
    QsoGridModel& GridModel() { return *gridModel_; }
    Prompts& Dialogs() { return prompts_; }
    bool LogSaved() const { return logSaved_; }
    void SetLogSaved(bool saved) { logSaved_ = saved; }

    // Runs fn as an event's handling: an error it raises is shown and ends there.
    template <typename Fn>
    void Guard(Fn&& fn) {
        Guarded(prompts_, std::forward<Fn>(fn));
    }

    // A handler as a slot for connect, run inside the error wrapper; the signal's arguments
    // are handed on.
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
    // Selects band entry by program, as a chosen band; a frequency typed earlier goes with it
    // (Unit1LogInput.cpp).
    void SelectBand(int entry);
    // A frequency typed, whole kHz: the QSOs' frequency until the band is chosen again or the
    // rig moves.
    void KeepTypedKhz(long khz);
    QString TypedTime() const;
    void SetTypedTime(const QString& time);
    bool RealtimeOn() const;

    // --- Files (Unit1Files.cpp) ------------------------------------------------------------
    void Open1Click();
    // Reads the chosen file into the station page, the log and the Cabrillo page.
    void LoadCabrilloLog();
    void Save1Click();
    // Rebuilds the Cabrillo text and writes it to the file the user chooses, proposedName
    // offered; the log counts as saved after. False when the user chose no file; a failed
    // write raises.
    bool SaveLogAs(const QString& proposedName);
    // Asked before the window closes; false keeps it open.
    bool FormCloseQuery();
    // Unsaved QSOs are offered a save, under the callsign's name, before they go; false keeps
    // them (the window stays open, another log is not opened).
    enum class SaveOccasion { Opening, Exit };
    bool MaySaveFirst(SaveOccasion occasion);
    // Applies a read file to the station page, the log and the Cabrillo page, as Open does.
    void ShowOpenedFile(const CabrilloFile& file);

    // --- Page changes (Unit1Pages.cpp) -------------------------------------------------------
    // Runs when the user is about to leave page leavingPage.
    void PageControl1Changing(int leavingPage);
    // Runs after the user arrived at the page now shown.
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
    // A rig's frequency in whole kHz while it answers: a QSO committed on its band carries it.
    void SetRigKhz(std::optional<long> khz) { rigKhz_ = khz; }

    // --- Components -------------------------------------------------------------------------
    PageControl* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;  // "Data input"
    QWidget* TabSheet2 = nullptr;  // "Log input"
    QWidget* TabSheet3 = nullptr;  // "Cabrillo log"
    QWidget* TabSheet5 = nullptr;  // "Mult List"

    // Station page.
    QLineEdit* CallEdit = nullptr;
    QLineEdit* OperatorsEdit = nullptr;
    QLineEdit* NameEdit = nullptr;
    QLineEdit* AdrEdit1 = nullptr;
    QLineEdit* AdrEdit2 = nullptr;
    QLineEdit* AdrEdit3 = nullptr;
    QLineEdit* EmailEdit = nullptr;
    QLineEdit* ClubEdit = nullptr;
    QFrame* ScandPanel = nullptr;
    QLabel* Label12 = nullptr;
    QComboBox* ContestBox = nullptr;
    QComboBox* AssistedComboBox = nullptr;
    QComboBox* BandComboBox = nullptr;
    QComboBox* OperatorComboBox = nullptr;
    QComboBox* TransmitterComboBox = nullptr;
    QComboBox* PowerComboBox = nullptr;
    QComboBox* OverlayComboBox = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLineEdit* ClamedScoreEdit = nullptr;

    // Log input page.
    QComboBox* FrekvensEdit = nullptr;
    QLineEdit* TimeEdit = nullptr;
    QLineEdit* TREdit = nullptr;
    QLineEdit* NyNrEdit = nullptr;
    QLineEdit* CallWkdInput = nullptr;
    QLineEdit* RREdit = nullptr;
    QLineEdit* NrInput = nullptr;
    QTableView* SG = nullptr;
    QLabel* MyCall = nullptr;
    QLabel* DateLabel = nullptr;
    QPlainTextEdit* ResList = nullptr;
    QPushButton* Button2 = nullptr;  // "Sent"
    QPushButton* Button1 = nullptr;  // "Received"

    // Cabrillo log page.
    QListWidget* CabrilloLog = nullptr;
    QLabel* CheckSummary = nullptr;  // the log check's count of problems and notes

    // Mult list page, one list per band.
    QListWidget* List80 = nullptr;
    QListWidget* List40 = nullptr;
    QListWidget* List20 = nullptr;
    QListWidget* List15 = nullptr;
    QListWidget* List10 = nullptr;

    // Menus and commands.
    QAction* Open1 = nullptr;
    QAction* Save1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* Realtime1 = nullptr;
    QAction* AutoSave1 = nullptr;
    QAction* Check1 = nullptr;
    QAction* HowTo1 = nullptr;
    QAction* About1 = nullptr;
    QAction* MenuKey1 = nullptr;  // F10: into the menu bar
    QMenu* PopupMenu1 = nullptr;  // of the grid SG
    QAction* Deletelastrow1 = nullptr;
    QMenu* PopupMenu2 = nullptr;  // of the "Mult List" page
    QAction* SaveMultList1 = nullptr;

    FileDialogSettings OpenDialog1;
    FileDialogSettings SaveDialog1;
    FileDialogSettings SaveDialog2;

    QTimer* Timer1 = nullptr;

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

  public:
    // The right-click menu of an entry field, built for the moment: copy, paste, select all.
    QMenu* EntryFieldMenu(QLineEdit* field, EntryField kind);

  private:
    void StepTimeBy(int step);
    void StepBandBy(int step);
    QsoEntry EntryFromControls() const;
    void RemoveStaleBackups();
    // Writes the rebuilt Cabrillo text to Last.log.
    void BackUpLog();
    // The grid's re-scored cells, summary, claimed score and entity panel shown.
    void ShowRescoredLog();
    // Hooks a cell editor of the grid: its filter and leaving the grid from it.
    void PrepareCellEditor(QLineEdit* editor);
    void WatchGridExit(QWidget* widget);

    void ShowOpenedStation(const CabrilloFile& file);
    void ShowOpenedLog(const CabrilloFile& file);

    // Unit1MultList.cpp: the mult table's lists, one per band.
    void ShowMultLists();

    // Unit1Check.cpp: marks the Cabrillo page's lines with the log check's findings.
    void ShowLogCheck(const std::vector<std::string>& lines);

    // Unit1StatusBar.cpp: the panels' widths from the bar's font, now and whenever it changes.
    void BuildStatusPanels();

    CountryTable& countryTable_;
    Prompts& prompts_;
    Clock& clock_;
    ContestState state_;
    QsoLog log_;
    ScoringEngine scoring_;
    bool logSaved_ = true;
    // The contest date of the last opened log with QSOs; empty before one was opened.
    std::string openedContestDate_;
    QsoGridModel* gridModel_ = nullptr;
    CabrilloLogBuilder cabrilloBuilder_;
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
