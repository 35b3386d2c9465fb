#pragma once

// Reads a Cabrillo file back into values: the station fields found, the soapbox, the header
// lines no field holds, the QSO rows, the X-QSO lines and where the log continues. The header
// is every line that is no QSO or X-QSO line, its tags in any order and any letter case. It
// changes nothing itself; the window selects the list entries, scores the rows and fills its
// pages from the result.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/MessageLines.h"
#include "common/Text.h"
#include "contest/QsoLog.h"

namespace kerolt {

// The station fields whose key the file holds, each trimmed, named by the control it goes
// to. An absent field leaves its control as it is. The list fields carry the text that the
// window looks up among the list's entries (ignoring case); an empty overlay text selects
// the empty overlay entry.
struct CabrilloStation {
    std::optional<std::string> CallEdit;
    std::optional<std::string> ContestBox;
    std::optional<std::string> AssistedComboBox;
    std::optional<std::string> BandComboBox;
    std::optional<std::string> OperatorComboBox;
    std::optional<std::string> PowerComboBox;
    std::optional<std::string> TransmitterComboBox;
    std::optional<std::string> StationComboBox;
    std::optional<std::string> OverlayComboBox;
    std::optional<std::string> EmailEdit;
    std::optional<std::string> NameEdit;
    std::optional<std::string> AdrEdit1;
    std::optional<std::string> AdrEdit2;
    std::optional<std::string> AdrEdit3;
    std::optional<std::string> OperatorsEdit;
    std::optional<std::string> ClubEdit;
};

// A line that could not be read, and why.
struct NotTakenLine {
    long Line = 0;  // 1-based
    Message Why;

    // The same line for the same reason, as the English text says it.
    bool operator==(const NotTakenLine& o) const {
        return Line == o.Line && Why.English() == o.Why.English();
    }
};

struct CabrilloFile {
    // The file's lines: they become the Cabrillo text shown on its page.
    std::vector<std::string> Lines;
    CabrilloStation Station;
    // The soapbox memo's new lines (the memo is always replaced, by none when there are none).
    std::vector<std::string> Memo1;
    // One row per QSO line after line 1 that could be read, in file order: "Row" holds the row
    // number 1..N, columns 1-7 the fields as Kerolt's columns hold them, "Mult" and "P" are
    // empty.
    std::vector<QsoLog::Row> Rows;
    // The QSO lines that could not be read; the rest of the log is taken.
    std::vector<NotTakenLine> NotTaken;
    // The header lines with a tag no field holds, whole, in file order.
    std::vector<std::string> KeptHeaderLines;
    // The X-QSO lines (QSOs the entrant asks the robot to ignore), whole, in file order.
    std::vector<std::string> XQsoLines;
    // Lines left unread: the lines that are neither QSO, X-QSO, tagged nor blank.
    std::vector<NotTakenLine> NotRead;
    // The file was UTF-8 and converted; the characters Latin-1 cannot hold became '?'.
    bool Utf8 = false;
    std::vector<LostCharacter> Lost;
    // Derived from the first QSO row; absent when the file has no QSO, and then the
    // contest date, the next number and the time all stay as they were.
    std::optional<std::string> ContestDate;
    // The next number to send: the last row's "Nr" plus one; absent when that is blank.
    std::optional<std::string> NyNrEdit;
    // The last row's "Time".
    std::optional<std::string> TimeEdit;
};

// The file is taken when it has at least 5 lines and its first line holds both
// "START-OF-LOG:" (in any letter case) and "3.0".
bool IsCabrilloLog(const std::vector<std::string>& lines);

// All or nothing: either the whole result, or it raises and nothing is to be applied.
// Raises "%s is not a Cabrillo 3.0 log" (with fileName) for a refused file, and
// "'%s' is not a valid integer value" when the first QSO's day or the last row's "Nr" is not
// a number.
CabrilloFile ReadCabrilloLog(std::vector<std::string> lines, std::string_view fileName);

// A line that starts with "X-QSO:" (any case) after optional blanks.
bool IsXQsoLine(std::string_view line);

// The one message that names the lines not taken, a line each; none when every QSO line was
// read.
MessageLines NotTakenMessage(const std::vector<NotTakenLine>& notTaken);

// What opening the file tells beyond its log: the QSO lines not taken, the X-QSO lines kept,
// other lines not read (and that a save over the file leaves them out), the characters lost
// converting UTF-8, its paragraphs apart by an empty line; none when there is nothing.
MessageLines OpenMessage(const CabrilloFile& file);

// Whether a save would not give the file back: lines were left out or characters lost. Such an
// opened log counts as changed.
bool DiffersFromItsFile(const CabrilloFile& file);

// ReadInputLines and ReadCabrilloLog; also raises "Cannot open file %s" and the size refusal.
CabrilloFile LoadCabrilloFile(const std::string& fileName);

}  // namespace kerolt
