#pragma once

// The log as the user works on it: the station data, the QSO rows, the contest date, the file
// it came from and whether it changed since it was saved or opened. Every change goes through
// one of its operations, which validates, re-scores, rebuilds the Cabrillo text, marks the
// document changed or saved, and tells the listener once.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cabrillo/CabrilloWriter.h"
#include "cabrillo/StationData.h"
#include "common/Message.h"
#include "contest/ContestRules.h"
#include "contest/QsoLog.h"
#include "contest/Scoring.h"
#include "country/CTY.h"

namespace kerolt {

// What one operation changed, for the views that follow it.
struct DocumentChange {
    // The rows were replaced (Open, Import, New); the views start again.
    bool Reset = false;
    // Rows whose cells changed, 1-based log rows; First > Last for none. After a commit or a
    // deleted row the row count differs too.
    int FirstRow = 1;
    int LastRow = 0;
    // Further rows whose score cells changed with them.
    std::vector<int> ScoredRows;
    bool StationChanged = false;
    // Only the saved state or the file changed (Save).
    bool SavedOnly = false;
};

// Why a grid cell's text cannot be taken, in the status bar's words; empty when it can. The
// rules are the entry row's: a frequency names a contest band (a band value or a kHz on it),
// a time is HHMM, a report has the digits of the contest's mode, numbers are digits, a call has
// letters and digits. The row number, multiplier and points are the program's.
Message CellRefusal(int col, std::string_view text, int contestEntry);
// The cell as the document keeps a taken text: blanks around it gone, the received number
// without leading zeros, as a commit writes it.
std::string CellValue(int col, std::string_view text);

// The QSOs a backup holds: its QSO lines when it is a Cabrillo 3.0 log, else none.
int BackupQsoCount(const std::vector<std::string>& lines);

class LogDocument {
  public:
    using Listener = std::function<void(const DocumentChange&)>;

    explicit LogDocument(CountryTable& table);

    void SetListener(Listener listener) { listener_ = std::move(listener); }

    const StationData& Station() const { return station_; }
    const QsoLog& Log() const { return log_; }
    const std::string& ContestDate() const { return state_.ContestDate; }
    const std::string& FileName() const { return fileName_; }
    bool Modified() const { return modified_; }
    // The Cabrillo text of the document as it stands, rebuilt after every change.
    const std::vector<std::string>& CabrilloLines() const { return lines_; }
    // The scoring of the last change.
    const ScoreDisplay& Score() const { return score_; }
    ScoringEngine& Scoring() { return scoring_; }
    const ScoringEngine& Scoring() const { return scoring_; }
    ContestState& State() { return state_; }
    const ContestState& State() const { return state_; }

    // The station page as it stands when the window opens: the document's start, no change.
    void StartWith(const StationData& station);

    // --- Changes ----------------------------------------------------------------------------
    // A committed row (from CommittedRow) as the next QSO; returns its log row.
    int CommitQso(const QsoLog::Row& row);
    // The cell's new text, when the rules take it; else the refusal and the old value stays.
    // The same value again is no change.
    Message EditCell(int row, int col, std::string_view text);
    // False, and nothing changes, without a QSO.
    bool RemoveLastQso();
    // The station page's values. A new callsign classifies the entrant again, and every change
    // re-scores (the class steers the scoring). Equal data is no change.
    void SetStation(const StationData& station);
    void SetContestDate(const std::string& date);
    // Open, Import and New: the whole document replaced. modified says whether it differs from
    // fileName's text (an import, lines left out of an opened file, a new log).
    void Replace(const StationData& station, const std::vector<QsoLog::Row>& rows,
                 const std::string& contestDate, const std::string& fileName, bool modified);
    // The text was written to fileName.
    void MarkSaved(const std::string& fileName);
    // For a caller that knows better (a test's set-up): the changed mark alone.
    void SetModified(bool modified);

    // Whether a cell holds what the rules would refuse (it came in so from a file).
    bool CellIsBad(int row, int col) const;

  private:
    // The whole log, or only what one changed (or removed last) row can change.
    void Rescore(int changedRow = 0, std::vector<int>* rescored = nullptr);
    void Changed(const DocumentChange& change, bool modified);

    CountryTable& table_;
    ContestState state_;
    ScoringEngine scoring_;
    StationData station_;
    QsoLog log_;
    std::string fileName_;
    bool modified_ = false;
    CabrilloLogBuilder builder_;
    std::vector<std::string> lines_;
    ScoreDisplay score_;
    Listener listener_;
};

}  // namespace kerolt
