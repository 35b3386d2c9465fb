#include "cabrillo/QsoLineReader.h"

#include <algorithm>
#include <vector>

#include "cabrillo/CabrilloWriter.h"
#include "common/Text.h"

namespace kerolt {

namespace {

// The fields' names, in the order of QsoLineFields.
constexpr std::array<std::string_view, QsoLineFields.size()> FieldNames{
    "frequency",       "mode",           "date",        "time",
    "sent call",       "sent report",    "sent number", "call",
    "received report", "received number"};

constexpr std::string_view QsoKey = "QSO:";

std::string_view AfterKey(std::string_view line) {
    return TrimView(line).substr(QsoKey.size());
}

// The line in Kerolt's own columns: taken from them when writing those fields again gives
// the line back. This keeps every line Kerolt wrote exact, a glued 14-character call too.
bool ReadOwnColumns(std::string_view line, QsoLineRead& read) {
    if (!line.starts_with(QsoLineStart))
        return false;
    std::array<std::string_view, QsoLineFields.size()> raw;
    for (std::size_t i = 0; i < QsoLineFields.size(); ++i) {
        const QsoLineField& f = QsoLineFields[i];
        // The columns as Copy takes them, without a copy.
        const auto from = std::min(static_cast<std::size_t>(f.Column - 1), line.size());
        raw[i] = line.substr(from, static_cast<std::size_t>(f.Width));
        if (TrimView(raw[i]).empty())
            return false;
    }
    if (TrimRightView(JoinQsoFields(raw)) != TrimRightView(line))
        return false;
    for (std::size_t i = 0; i < QsoLineFields.size(); ++i) {
        read.Values[i] = TrimView(raw[i]);
        if (QsoLineFields[i].Source == QsoSource::Cell)
            read.Row[static_cast<std::size_t>(QsoLineFields[i].Cell)] = raw[i];
    }
    return true;
}

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

}  // namespace

const std::string& QsoLineRead::Value(QsoSource source, int cell) const {
    return Values[static_cast<std::size_t>(&QsoField(source, cell) - QsoLineFields.data())];
}

bool IsQsoLine(std::string_view line) {
    return TrimView(line).starts_with(QsoKey);
}

QsoLineRead ReadQsoLine(std::string_view line) {
    QsoLineRead read;
    if (!IsQsoLine(line)) {
        read.Why = "no QSO line";
        return read;
    }
    if (ReadOwnColumns(line, read))
        return read;

    const std::vector<std::string_view> words = Words(AfterKey(line));
    const std::size_t fields = QsoLineFields.size();
    if (words.size() < fields) {
        read.Why = "no " + std::string(FieldNames[words.size()]);
        return read;
    }
    // One more field may follow: the transmitter number of a multi-transmitter log.
    if (words.size() > fields + 1 || (words.size() == fields + 1 && !IsDigitText(words.back()))) {
        read.Why = "\"" + std::string(words[fields]) + "\" after the received number";
        return read;
    }
    for (std::size_t i = 0; i < fields; ++i) {
        const QsoLineField& f = QsoLineFields[i];
        read.Values[i] = words[i];
        if (f.Source == QsoSource::Cell)
            read.Row[static_cast<std::size_t>(f.Cell)] =
                Copy(QsoFieldText(f, CellValue(f, words[i])), 1, f.Width);
    }
    return read;
}

}  // namespace kerolt
