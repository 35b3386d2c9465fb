#include "cabrillo/LogDocument.h"

#include <algorithm>
#include <exception>

#include "calls/CallList.h"
#include "common/Text.h"
#include "cabrillo/CabrilloReader.h"
#include "contest/EntryToken.h"
#include "contest/LogEntry.h"

namespace kerolt {

namespace {

bool IsNumberText(std::string_view text, std::size_t most) {
    return !text.empty() && text.size() <= most && IsDigitText(text);
}

// to becomes from, each line copied only when it differs: a change touches a few lines of
// thousands, and copying them all would cost more than the rest of the change.
void AssignChanged(std::vector<std::string>& to, const std::vector<std::string>& from) {
    to.resize(from.size());
    for (std::size_t i = 0; i < from.size(); ++i) {
        if (to[i] != from[i])
            to[i] = from[i];
    }
}

}  // namespace

Message CellRefusal(int col, std::string_view text, int contestEntry) {
    const std::string value = Trim(text);
    switch (col) {
        case ColFreq:
            if (BandFromFrequency(value) == NoBand)
                return Message(KT("Document", "frequency \"%1\" is on no contest band"), {value});
            return {};
        case ColTime:
            if (IsValidTime(value))
                return {};
            return BadTimeText(value);
        case ColRstSent:
        case ColRstRcvd:
            return ReportFault(col == ColRstSent ? "sent" : "received", value, contestEntry);
        case ColNrSent:
            if (IsNumberText(value, 6))
                return {};
            return Message(KT("Document", "sent number \"%1\" is not a number"), {value});
        case ColNrRcvd:
            if (IsNumberText(value, MaxReceivedNrLength))
                return {};
            return Message(KT("Document", "received number \"%1\" is not a number"), {value});
        case ColCall:
            if (value.size() > MaxCallLength)
                return Message(KT("Document", "call \"%1\" is longer than %2 characters"),
                               {value, std::to_string(MaxCallLength)});
            if (CanBeCall(value))
                return {};
            return Message(KT("Document", "\"%1\" cannot be a call: a call has letters and digits"),
                           {value});
        default:
            return Message(KT("Document", "the program fills this column"));
    }
}

std::string CellValue(int col, std::string_view text) {
    std::string value = Trim(text);
    if (col == ColNrRcvd && IsDigitText(value))
        value = std::to_string(StrToInt(value));
    if (col == ColCall)
        value = UpperAscii(value);
    return value;
}

LogDocument::LogDocument(CountryTable& table) : table_(table), scoring_(table, state_) {
    lines_ = builder_.Build(station_, log_, state_.ContestDate);
}

void LogDocument::StartWith(const StationData& station) {
    station_ = station;
    lines_ = builder_.Build(station_, log_, state_.ContestDate);
}

void LogDocument::Changed(const DocumentChange& change, bool modified) {
    modified_ = modified;
    // A build that fails (a time before noon without a contest date) keeps the old text; the
    // change itself stays done, is told, and the next build tries again.
    std::exception_ptr failed;
    try {
        AssignChanged(lines_, builder_.Build(station_, log_, state_.ContestDate));
    } catch (...) {
        failed = std::current_exception();
    }
    if (listener_)
        listener_(change);
    if (failed)
        std::rethrow_exception(failed);
}

void LogDocument::Rescore(int changedRow, std::vector<int>* rescored) {
    score_ = changedRow > 0 ? scoring_.RescoreRow(log_, changedRow, rescored)
                            : scoring_.RescoreLog(log_);
    if (score_.ClaimedScore)
        station_.ClamedScoreEdit = *score_.ClaimedScore;
}

int LogDocument::CommitQso(const QsoLog::Row& row) {
    const int written = log_.AppendQso(row);
    score_ = scoring_.ScoreRow(log_, written);
    if (score_.ClaimedScore)
        station_.ClamedScoreEdit = *score_.ClaimedScore;
    DocumentChange change;
    change.FirstRow = written;
    change.LastRow = written;
    Changed(change, true);
    return written;
}

Message LogDocument::EditCell(int row, int col, std::string_view text) {
    if (row < 1 || row > log_.QsoRowCount())
        return Message(KT("Document", "no QSO in this row"));
    if (Message why = CellRefusal(col, text, station_.ContestIndex); !why.Empty())
        return why;
    std::string value = CellValue(col, text);
    if (value == log_.Cell(row, col))
        return {};
    log_.SetCell(row, col, std::move(value));
    DocumentChange change;
    Rescore(row, &change.ScoredRows);
    change.FirstRow = row;
    change.LastRow = row;
    Changed(change, true);
    return {};
}

bool LogDocument::RemoveLastQso() {
    const int last = log_.QsoRowCount();
    if (!log_.RemoveLastQso())
        return false;
    DocumentChange change;
    Rescore(last, &change.ScoredRows);
    // The row that went is the empty row at the end now.
    change.FirstRow = last;
    change.LastRow = last;
    Changed(change, true);
    return true;
}

void LogDocument::SetStation(const StationData& station) {
    StationData next = station;
    // The claimed score is the document's, whatever a control shows.
    next.ClamedScoreEdit = station_.ClamedScoreEdit;
    if (next == station_)
        return;
    const bool newCall = next.CallEdit != station_.CallEdit;
    station_ = std::move(next);
    if (newCall)
        ClassifyStation(table_, state_, station_.CallEdit);
    Rescore();
    DocumentChange change;
    change.StationChanged = true;
    change.FirstRow = 1;
    change.LastRow = log_.QsoRowCount();
    Changed(change, true);
}

void LogDocument::SetContestDate(const std::string& date) {
    if (date == state_.ContestDate)
        return;
    state_.ContestDate = date;
    // The year decides the zero-number rule.
    Rescore();
    DocumentChange change;
    change.FirstRow = 1;
    change.LastRow = log_.QsoRowCount();
    // The date is written only in the QSO lines: an empty log's text stays the same.
    Changed(change, modified_ || log_.QsoRowCount() > 0);
}

void LogDocument::Replace(const StationData& station, const std::vector<QsoLog::Row>& rows,
                          const std::string& contestDate, const std::string& fileName,
                          bool modified) {
    station_ = station;
    ClassifyStation(table_, state_, station_.CallEdit);
    state_.ContestDate = contestDate;
    log_.SetQsos(rows);
    fileName_ = fileName;
    Rescore();
    DocumentChange change;
    change.Reset = true;
    change.StationChanged = true;
    change.FirstRow = 1;
    change.LastRow = log_.QsoRowCount();
    Changed(change, modified);
}

void LogDocument::MarkSaved(const std::string& fileName) {
    fileName_ = fileName;
    modified_ = false;
    DocumentChange change;
    change.SavedOnly = true;
    if (listener_)
        listener_(change);
}

void LogDocument::SetModified(bool modified) {
    if (modified == modified_)
        return;
    modified_ = modified;
    DocumentChange change;
    change.SavedOnly = true;
    if (listener_)
        listener_(change);
}

bool LogDocument::CellIsBad(int row, int col) const {
    if (row < 1 || row > log_.QsoRowCount() || col < ColFreq || col > ColNrRcvd)
        return false;
    return !CellRefusal(col, log_.Cell(row, col), station_.ContestIndex).Empty();
}

int BackupQsoCount(const std::vector<std::string>& lines) {
    if (!IsCabrilloLog(lines))
        return 0;
    return static_cast<int>(std::count_if(lines.begin() + 1, lines.end(), [](const std::string& l) {
        return l.find("QSO:") != std::string::npos;
    }));
}

}  // namespace kerolt
