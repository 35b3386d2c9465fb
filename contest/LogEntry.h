#pragma once

// The rules of the log input page's entry row: time stepping, which characters each field
// takes, the band step of Alt+B/Alt+V, the row a commit writes and the sent number after a
// commit or a deleted row.

#include <string>
#include <string_view>
#include <vector>

#include "common/Message.h"
#include "contest/QsoLog.h"

namespace kerolt {

// One minute forward (+1) or back (-1) from an HHMM text. Forward wraps at the end of the day,
// back only below "0000" ("2500" goes forward to "0101" but back to "2459"). Raises
// "'%s' is not a valid integer value" when the hours (characters 1-2) or the minutes
// (characters 3-4) hold no number.
std::string StepTime(std::string_view time, int step);

// An HHMM time of day: four digits, hours 00-23, minutes 00-59.
bool IsValidTime(std::string_view time);
// A report of exactly digits characters: readability 1-5, then strength (and on CW tone) 1-9.
bool IsValidRst(std::string_view rst, std::size_t digits);
// The digits of a report in a contest's mode: 3 on CW (599), 2 on SSB (59), 0 for NoContest.
std::size_t ReportDigits(int contestEntry);
// Whether rst is a report of the contest's mode; with NoContest (a mode not known), a report of
// either mode. The one rule of the entry row, the readers and the check: "5NN" is none.
bool IsReport(std::string_view rst, int contestEntry);
// The words for a report that IsReport refuses ("received report \"57\" is not a valid RST
// on CW"); empty when it is one.
Message ReportFault(std::string_view what, std::string_view rst, int contestEntry);

// The entry fields with a character filter, and the grid with its cell editor. The call
// field also takes decimal points while it holds a number (a frequency typed there); the
// received number takes a report after a blank.
enum class EntryField { Time, Number, Call, Grid, Received };

inline constexpr char BackspaceChar = '\b';

// The character a field receives for a typed one: the call field and the grid take letters in
// upper case; everything else as it is.
char EntryChar(EntryField field, char c);
// Whether the field takes the (already mapped) character. Backspace counts as a character; the
// time field refuses it.
bool AcceptsChar(EntryField field, char c);
// Text arriving other than by a key (pasted): mapped, refused characters dropped.
std::string FilterText(EntryField field, std::string_view text);

// The longest worked or own call: the QSO line's call columns hold it with the blank that parts
// it from the report.
inline constexpr std::size_t MaxCallLength = 13;

// Text pasted into a field that keeps `staying` of its characters, as FilterText keeps it. A call
// that would grow longer than MaxCallLength raises: cut, it would be another call.
std::string PastedText(EntryField field, std::string_view text, std::size_t staying);

// The band entry after (+1) or before (-1) selected among count entries, round at both ends;
// from no entry (-1) forward gives the first, back the last.
int StepBand(int selected, int step, int count);

// The entry row's fields in the order of the grid's columns 1 to 7.
struct QsoEntry {
    std::string Frequency;
    std::string Time;
    std::string RstSent;
    std::string NrSent;
    std::string Call;
    std::string RstRcvd;
    std::string NrRcvd;
};

// Whether Enter in the received number commits: a number typed, a call of more than two
// characters and a band chosen.
bool CanCommit(const QsoEntry& entry, bool bandChosen);

// The row a commit writes as QSO number qsoNumber; the received number loses its leading zeros
// ("0045" gives "45"). Raises when the received number is no number, and when the time is not
// four characters, a report not two or three or the call longer than MaxCallLength: such a field
// would shift every later column of the QSO line, and the file could not be read back.
QsoLog::Row CommittedRow(int qsoNumber, const QsoEntry& entry);

// The log check's words for a time that is no HHMM time, and for a report ("sent" or
// "received") that is no RST of the number of digits the contest's mode takes.
Message BadTimeText(std::string_view time);
Message BadRstText(std::string_view what, std::string_view rst, std::size_t digits);

// What the log check will find in a committed entry's time and reports, in its words; the
// reports are judged only in a chosen contest. Empty for a sound entry.
std::vector<Message> EntryFindings(const QsoEntry& entry, int contestEntry);

// The most digits of a sent number: the sent-number field shows them whole, the QSO line's
// column holds one more.
inline constexpr std::size_t MaxSentNrLength = 5;

// The sent number after a commit: one more. Raises, saying what to do, when the text is empty,
// when it is no number, and when one more would not fit MaxSentNrLength (never a smaller
// number in silence).
std::string NextSentNumber(std::string_view nrSent);
// The sent number after the last row was deleted: one less while above 0, else (a text that is
// no number too) "1".
std::string PreviousSentNumber(std::string_view nrSent);

}  // namespace kerolt
