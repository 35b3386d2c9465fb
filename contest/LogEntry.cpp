#include "contest/LogEntry.h"

#include "calls/CallList.h"
#include "common/KeroltError.h"
#include "common/Text.h"
#include "contest/ContestRules.h"
#include "contest/EntryToken.h"

#include <algorithm>

namespace kerolt {

namespace {

constexpr int MinutesPerDay = 24 * 60;

bool IsUpperLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

}  // namespace

std::string StepTime(std::string_view time, int step) {
    int t = StrToInt(Copy(time, 1, 2)) * 60 + StrToInt(Copy(time, 3, 2));
    if (step > 0) {
        t = (t + 1) % MinutesPerDay;
    } else {
        t -= 1;
        if (t < 0)
            t = MinutesPerDay - 1;
    }
    return ZeroPadded(t / 60, 2) + ZeroPadded(t % 60, 2);
}

bool IsValidTime(std::string_view time) {
    if (time.size() != 4 || !IsDigitText(time))
        return false;
    return DigitsValue(time.substr(0, 2)) <= 23 && DigitsValue(time.substr(2)) <= 59;
}

bool IsValidRst(std::string_view rst, std::size_t digits) {
    return rst.size() == digits && rst[0] >= '1' && rst[0] <= '5' &&
           std::all_of(rst.begin() + 1, rst.end(), [](char c) { return c >= '1' && c <= '9'; });
}

std::size_t ReportDigits(int contestEntry) {
    return DefaultReport(contestEntry).size();
}

bool IsReport(std::string_view rst, int contestEntry) {
    const std::size_t digits = ReportDigits(contestEntry);
    if (digits > 0)
        return IsValidRst(rst, digits);
    return IsValidRst(rst, 2) || IsValidRst(rst, 3);
}

Message ReportFault(std::string_view what, std::string_view rst, int contestEntry) {
    if (IsReport(rst, contestEntry))
        return {};
    const std::size_t digits = ReportDigits(contestEntry);
    if (digits > 0)
        return BadRstText(what, rst, digits);
    if (what == "sent")
        return Message(KT("Entry", "sent report \"%1\" is no report"), {std::string(rst)});
    return Message(KT("Entry", "received report \"%1\" is no report"), {std::string(rst)});
}

char EntryChar(EntryField field, char c) {
    return field == EntryField::Call || field == EntryField::Grid ? UpperAscii(c) : c;
}

bool AcceptsChar(EntryField field, char c) {
    switch (field) {
        case EntryField::Time:
            return IsDigit(c);
        case EntryField::Number:
            return IsDigit(c) || c == BackspaceChar;
        case EntryField::Call:
            return IsDigit(c) || IsUpperLetter(c) || c == '/' || c == '.' || c == BackspaceChar;
        case EntryField::Grid:
            return IsDigit(c) || IsUpperLetter(c) || c == '/' || c == BackspaceChar;
        case EntryField::Received:
            return IsDigit(c) || c == ' ' || c == BackspaceChar;
    }
    return false;
}

std::string FilterText(EntryField field, std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        const char mapped = EntryChar(field, c);
        // Backspace is a key, never a character of the text.
        if (mapped != BackspaceChar && AcceptsChar(field, mapped))
            kept += mapped;
    }
    if (field == EntryField::Received)
        return FilterReceived(kept);
    // A decimal point belongs to a number only, never to a call.
    if (field == EntryField::Call && !IsCallFieldNumber(kept))
        std::erase(kept, '.');
    return kept;
}

std::string PastedText(EntryField field, std::string_view text, std::size_t staying) {
    std::string kept = FilterText(field, text);
    if (field == EntryField::Call && staying + kept.size() > MaxCallLength)
        throw KeroltError(Message(
            KT("Entry",
               "The call would be %1 characters long; a call has at most %2. Nothing was pasted."),
            {std::to_string(staying + kept.size()), std::to_string(MaxCallLength)}));
    return kept;
}

int StepBand(int selected, int step, int count) {
    if (count <= 0)
        return -1;
    if (selected < 0 || selected >= count)
        return step > 0 ? 0 : count - 1;
    return (selected + step + count) % count;
}

bool CanCommit(const QsoEntry& entry, bool bandChosen) {
    return !entry.NrRcvd.empty() && entry.Call.size() > 2 && bandChosen;
}

QsoLog::Row CommittedRow(int qsoNumber, const QsoEntry& entry) {
    if (entry.Time.size() != 4)
        throw KeroltError(
            Message(KT("Entry", "The time '%1' is not four digits (HHMM)"), {entry.Time}));
    for (const std::string& report : {entry.RstSent, entry.RstRcvd}) {
        if (report.size() < 2 || report.size() > 3)
            throw KeroltError(
                Message(KT("Entry", "The report '%1' is not two or three digits"), {report}));
    }
    if (entry.Call.size() > MaxCallLength)
        throw KeroltError(Message(KT("Entry", "The call '%1' is longer than %2 characters"),
                                  {entry.Call, std::to_string(MaxCallLength)}));
    if (!CanBeCall(entry.Call))
        throw KeroltError(Message(
            KT("Entry", "'%1' cannot be a call: a call has letters and digits"), {entry.Call}));
    QsoLog::Row row;
    row[ColRow] = std::to_string(qsoNumber);
    row[ColFreq] = entry.Frequency;
    row[ColTime] = entry.Time;
    row[ColRstSent] = entry.RstSent;
    row[ColNrSent] = entry.NrSent;
    row[ColCall] = entry.Call;
    row[ColRstRcvd] = entry.RstRcvd;
    row[ColNrRcvd] = std::to_string(StrToInt(entry.NrRcvd));
    return row;
}

Message BadTimeText(std::string_view time) {
    return Message(KT("Entry", "time \"%1\" is not a valid HHMM time"), {std::string(time)});
}

Message BadRstText(std::string_view what, std::string_view rst, std::size_t digits) {
    const bool sent = what == "sent";
    const TextTemplate text =
        digits == 3 ? (sent ? KT("Entry", "sent report \"%1\" is not a valid RST on CW")
                            : KT("Entry", "received report \"%1\" is not a valid RST on CW"))
                    : (sent ? KT("Entry", "sent report \"%1\" is not a valid RST on SSB")
                            : KT("Entry", "received report \"%1\" is not a valid RST on SSB"));
    return Message(text, {std::string(rst)});
}

std::vector<Message> EntryFindings(const QsoEntry& entry, int contestEntry) {
    std::vector<Message> findings;
    if (!IsValidTime(entry.Time))
        findings.push_back(BadTimeText(entry.Time));
    for (const auto& [what, rst] :
         {std::pair{"sent", &entry.RstSent}, {"received", &entry.RstRcvd}}) {
        if (contestEntry != NoContest && !IsReport(*rst, contestEntry))
            findings.push_back(ReportFault(what, *rst, contestEntry));
    }
    return findings;
}

std::string NextSentNumber(std::string_view nrSent) {
    if (IsBlankText(nrSent))
        throw KeroltError(
            Message(KT("Entry",
                       "The sent number is empty: type the number this QSO was given in the "
                       "sent Nr field, then Enter again")));
    std::string next = std::to_string(static_cast<long long>(StrToInt(nrSent)) + 1);
    if (next.size() > MaxSentNrLength)
        throw KeroltError(Message(
            KT("Entry",
               "The sent number %1 would have more than %2 digits, which the QSO line cannot hold"),
            {next, std::to_string(MaxSentNrLength)}));
    return next;
}

std::string PreviousSentNumber(std::string_view nrSent) {
    int n = 0;
    try {
        n = StrToInt(nrSent);
    } catch (const KeroltError&) {
        n = 0;
    }
    return n > 0 ? std::to_string(n - 1) : "1";
}

}  // namespace kerolt
