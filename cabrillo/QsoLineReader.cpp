#include "cabrillo/QsoLineReader.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "cabrillo/CabrilloWriter.h"
#include "calls/CallList.h"
#include "common/Text.h"
#include "contest/ContestPeriod.h"
#include "contest/ContestRules.h"
#include "contest/LogEntry.h"

namespace kerolt {

namespace {

// Why a line that ends early is no QSO, by the first field it lacks, in the order of
// QsoLineFields.
const std::array<TextTemplate, QsoLineFields.size()> MissingField{
    KT("Reader", "no frequency"),
    KT("Reader", "no mode"),
    KT("Reader", "no date"),
    KT("Reader", "no time"),
    KT("Reader", "no sent call"),
    KT("Reader", "no sent report"),
    KT("Reader", "no sent number"),
    KT("Reader", "no call"),
    KT("Reader", "no received report"),
    KT("Reader", "no received number")};

constexpr std::string_view QsoKey = "QSO:";

std::string_view AfterKey(std::string_view line) {
    return TrimView(line).substr(QsoKey.size());
}

bool IsOwnMode(std::string_view mode) {
    return mode == CabrilloQsoMode(SacCw) || mode == CabrilloQsoMode(SacSsb);
}

using RawFields = std::array<std::string_view, QsoLineFields.size()>;

std::string_view RawField(const RawFields& raw, QsoSource source, int cell = -1) {
    return raw[static_cast<std::size_t>(&QsoField(source, cell) - QsoLineFields.data())];
}

// Kerolt writes no date only where the contest date was empty and the time was from 1200 on;
// before 1200 such a line could not be written at all.
bool CouldBeOwnDate(const RawFields& raw) {
    return !TrimView(RawField(raw, QsoSource::Date)).empty() ||
           !TextLess(RawField(raw, QsoSource::Cell, ColTime), ContestStartTime);
}

void TakeOwnFields(const RawFields& raw, QsoLineRead& read) {
    for (std::size_t i = 0; i < QsoLineFields.size(); ++i) {
        read.Values[i] = TrimView(raw[i]);
        if (QsoLineFields[i].Source == QsoSource::Cell)
            read.Row[static_cast<std::size_t>(QsoLineFields[i].Cell)] = raw[i];
    }
}

// The line in Kerolt's own columns: taken from them when writing those fields again gives
// the line back. This keeps every line Kerolt wrote exact, a glued 14-character call and a
// blank column (an own call cleared on the station page) too.
bool ReadOwnColumns(std::string_view line, bool exact, QsoLineRead& read) {
    if (!line.starts_with(QsoLineStart))
        return false;
    RawFields raw;
    for (std::size_t i = 0; i < QsoLineFields.size(); ++i) {
        const QsoLineField& f = QsoLineFields[i];
        // The columns as Copy takes them, without a copy.
        const auto from = std::min(static_cast<std::size_t>(f.Column - 1), line.size());
        raw[i] = line.substr(from, static_cast<std::size_t>(f.Width));
        // Kerolt always writes its mode: a line without one was made by someone else.
        if (f.Source == QsoSource::Mode && !IsOwnMode(raw[i]))
            return false;
        // Each field holds one word or nothing: columns that cut across another program's
        // fields ("SM5QQQ 599 2 K") are no Kerolt line, however its length fits.
        const std::string_view word = TrimView(raw[i]);
        if (std::any_of(word.begin(), word.end(), IsBlank))
            return false;
    }
    if (!CouldBeOwnDate(raw))
        return false;
    const std::string joined = JoinQsoFields(raw);
    if (exact ? joined != line : TrimRightView(joined) != TrimRightView(line))
        return false;
    TakeOwnFields(raw, read);
    return true;
}

// A line Kerolt wrote from cells shorter than its columns: a short or empty cell gives a
// shorter field and moves the rest of the line left. Each field is searched for as the writer
// lays out one word or nothing, with the blanks a cell read from the columns keeps; the cells
// found write the line back unchanged. A field ends where the next can start, so the search
// goes back a field when a later one finds no fit.
class OwnFieldSearch {
  public:
    // Exact: the fields must give the line to its last character; else the line may have lost
    // its trailing blanks.
    OwnFieldSearch(std::string_view line, bool exact)
        : line_(line),
          exact_(exact),
          stride_(line.size() + (exact ? 1 : Reach)),
          failed_(QsoLineFields.size() * stride_, false) {}

    bool Run(QsoLineRead& read) {
        if (!line_.starts_with(QsoLineStart) || !From(0, QsoLineStart.size()) ||
            !CouldBeOwnDate(raw_))
            return false;
        TakeOwnFields(raw_, read);
        return true;
    }

  private:
    // The line's character at i; the blanks a text editor cut from the line's end come back.
    char At(std::size_t i) const { return i < line_.size() ? line_[i] : exact_ ? '\0' : ' '; }

    bool Matches(std::string_view text, std::size_t p) const {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (At(p + i) != text[i])
                return false;
        }
        return true;
    }

    // A value the writer could have been given: one word or nothing, blank only on the side a
    // cell read from the columns keeps its blanks (before a right-aligned value, after any other).
    static bool CanBeValue(const QsoLineField& f, std::string_view v) {
        const std::string_view word = TrimView(v);
        if (std::any_of(word.begin(), word.end(), IsBlank))
            return false;
        if (f.Source == QsoSource::Mode)
            return IsOwnMode(v);
        if (v.empty())
            return true;
        return f.Align == QsoAlign::Right ? !IsBlank(v.back()) : !IsBlank(v.front());
    }

    bool From(std::size_t field, std::size_t p) {
        if (field == QsoLineFields.size())
            return exact_ ? p == line_.size() : p >= line_.size() || IsBlankText(line_.substr(p));
        if (p >= stride_)
            return false;
        std::vector<bool>::reference failed = failed_[field * stride_ + p];
        if (failed)
            return false;
        const QsoLineField& f = QsoLineFields[field];
        const std::size_t rest = p < line_.size() ? line_.size() - p : 0;
        // The longest value first: a full column reads as the columns read it.
        for (std::size_t k = std::min(static_cast<std::size_t>(f.Width), rest) + 1; k-- > 0;) {
            const std::string_view v = line_.substr(std::min(p, line_.size()), k);
            if (!CanBeValue(f, v))
                continue;
            const std::string text = QsoFieldText(f, v);
            if (Matches(text, p) && From(field + 1, p + text.size())) {
                raw_[field] = v;
                return true;
            }
        }
        failed = true;
        return false;
    }

    // How far past the line's end the fields can reach: every field's columns, blank.
    static constexpr std::size_t Reach = [] {
        std::size_t columns = 1;
        for (const QsoLineField& f : QsoLineFields) columns += static_cast<std::size_t>(f.Span);
        return columns;
    }();

    std::string_view line_;
    bool exact_;
    std::size_t stride_;
    // Fields that found no fit from a position: each (field, position) is searched once.
    std::vector<bool> failed_;
    RawFields raw_;
};

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && IsBlank(text[i])) ++i;
        const std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i])) ++i;
        if (i > start)
            words.push_back(text.substr(start, i - start));
    }
    return words;
}

// A number written "001" is the number typed as "1".
std::string_view CellValue(const QsoLineField& f, std::string_view word) {
    const bool number = f.Cell == ColNrSent || f.Cell == ColNrRcvd;
    if (!number || !IsDigitText(word))
        return word;
    const std::size_t first = word.find_first_not_of('0');
    return word.substr(first == std::string_view::npos ? word.size() - 1 : first);
}

// A report where a call should stand: two or three characters, a digit first, then digits or
// the cut nines ("5NN").
bool LooksLikeReport(std::string_view w) {
    if (w.size() < 2 || w.size() > 3 || !IsDigit(w.front()))
        return false;
    return std::all_of(w.begin() + 1, w.end(), [](char c) { return IsDigit(c) || c == 'N' || c == 'n'; });
}

// A date's shape: DDDD-DD-DD, whatever its numbers.
bool DateShaped(std::string_view w) {
    if (w.size() != 10)
        return false;
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (i == 4 || i == 7 ? w[i] != '-' : !IsDigit(w[i]))
            return false;
    }
    return true;
}

// Why fields read by words stand shifted (a field left out moves the others into its place);
// empty when each field is of its kind. Values that are wrong only in their numbers (a time
// 2400, a date 2026-09-31, a report 5NN) are taken as written: the log check names them. A
// field left out moves a report into a call's place; the date keeps its shape, as the contest
// date is taken from it.
Message WhyNoQso(const std::vector<std::string_view>& words) {
    const auto word = [&](QsoSource source, int cell = -1) {
        return words[static_cast<std::size_t>(&QsoField(source, cell) - QsoLineFields.data())];
    };
    if (!DateShaped(word(QsoSource::Date)))
        return Message(KT("Reader", "date \"%1\" is no date"),
                       {std::string(word(QsoSource::Date))});
    const auto number = [](std::string_view call) {
        return IsDigitText(call) || LooksLikeReport(call);
    };
    if (const std::string_view call = word(QsoSource::OwnCall); number(call))
        return Message(KT("Reader", "sent call \"%1\" is a number, not a call"),
                       {std::string(call)});
    if (const std::string_view call = word(QsoSource::Cell, ColCall); number(call))
        return Message(KT("Reader", "call \"%1\" is a number, not a call"), {std::string(call)});
    return {};
}

// Calls are upper case wherever they are scored, checked or exported.
void UpperCalls(QsoLineRead& read) {
    for (const QsoSource source : {QsoSource::OwnCall, QsoSource::Cell}) {
        const int cell = source == QsoSource::Cell ? ColCall : -1;
        std::string& value =
            read.Values[static_cast<std::size_t>(&QsoField(source, cell) - QsoLineFields.data())];
        value = UpperAscii(value);
    }
    read.Row[ColCall] = UpperAscii(read.Row[ColCall]);
}

}  // namespace

const std::string& QsoLineRead::Value(QsoSource source, int cell) const {
    return Values[static_cast<std::size_t>(&QsoField(source, cell) - QsoLineFields.data())];
}

bool IsQsoLine(std::string_view line) {
    const std::string_view t = TrimView(line);
    return t.size() >= QsoKey.size() && EqualIgnoringCase(t.substr(0, QsoKey.size()), QsoKey);
}

QsoLineRead ReadQsoLine(std::string_view line) {
    QsoLineRead read;
    if (!IsQsoLine(line)) {
        read.Why = Message(KT("Reader", "no QSO line"));
        return read;
    }
    // Kerolt's own line as it was written first, then as an editor may have cut its end. The
    // search comes before the plain columns: a blank cell moves the fields after it, and the
    // columns would then cut a field in two.
    for (const bool exact : {true, false}) {
        if (OwnFieldSearch(line, exact).Run(read) || ReadOwnColumns(line, exact, read)) {
            UpperCalls(read);
            return read;
        }
    }

    const std::vector<std::string_view> words = Words(AfterKey(line));
    const std::size_t fields = QsoLineFields.size();
    if (words.size() < fields) {
        read.Why = Message(MissingField[words.size()]);
        return read;
    }
    // One more field may follow: the transmitter number of a multi-transmitter log.
    if (words.size() > fields + 1 || (words.size() == fields + 1 && !IsDigitText(words.back()))) {
        read.Why =
            Message(KT("Reader", "\"%1\" after the received number"), {std::string(words[fields])});
        return read;
    }
    read.Why = WhyNoQso(words);
    if (!read.Taken())
        return read;
    for (std::size_t i = 0; i < fields; ++i) {
        const QsoLineField& f = QsoLineFields[i];
        read.Values[i] = words[i];
        if (f.Source == QsoSource::Cell)
            read.Row[static_cast<std::size_t>(f.Cell)] =
                Copy(QsoFieldText(f, CellValue(f, words[i])), 1, f.Width);
    }
    UpperCalls(read);
    return read;
}

}  // namespace kerolt
