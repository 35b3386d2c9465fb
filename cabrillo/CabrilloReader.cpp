#include "cabrillo/CabrilloReader.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "cabrillo/QsoLineReader.h"
#include "common/KeroltError.h"
#include "common/Text.h"
#include "common/TextFile.h"
#include "contest/ContestRules.h"

namespace kerolt {

namespace {

// A header field: its tag, the most characters its control takes, where it goes.
struct HeaderField {
    std::string_view tag;
    std::size_t most;
    std::optional<std::string> CabrilloStation::*field;
};

constexpr HeaderField HeaderFields[] = {
    {"CALLSIGN", 13, &CabrilloStation::CallEdit},
    {"CONTEST", 9, &CabrilloStation::ContestBox},
    {"CATEGORY-ASSISTED", 20, &CabrilloStation::AssistedComboBox},
    {"CATEGORY-BAND", 20, &CabrilloStation::BandComboBox},
    {"CATEGORY-OPERATOR", 20, &CabrilloStation::OperatorComboBox},
    {"CATEGORY-POWER", 20, &CabrilloStation::PowerComboBox},
    {"CATEGORY-TRANSMITTER", 20, &CabrilloStation::TransmitterComboBox},
    {"CATEGORY-STATION", 20, &CabrilloStation::StationComboBox},
    {"CATEGORY-OVERLAY", 20, &CabrilloStation::OverlayComboBox},
    {"EMAIL", 79, &CabrilloStation::EmailEdit},
    {"NAME", 79, &CabrilloStation::NameEdit},
    {"OPERATORS", 79, &CabrilloStation::OperatorsEdit},
    {"CLUB", 79, &CabrilloStation::ClubEdit},
};

constexpr std::size_t AddressMost = 79;
constexpr std::size_t SoapboxMost = 80;

// Lines the writer makes anew from the log itself: read for nothing, kept for nothing.
constexpr std::string_view RemadeTags[] = {"START-OF-LOG", "CATEGORY-MODE", "CREATED-BY",
                                           "CLAIMED-SCORE", "END-OF-LOG"};

// A header line's tag (trimmed, upper case) and what follows its colon; no tag when the line
// has no colon or nothing before it.
struct TagLine {
    std::string tag;
    std::string_view rest;
};

std::optional<TagLine> SplitTag(std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    std::string tag = UpperAscii(TrimView(line.substr(0, colon)));
    if (tag.empty() || std::any_of(tag.begin(), tag.end(), IsBlank))
        return std::nullopt;
    return TagLine{std::move(tag), line.substr(colon + 1)};
}

// The value after the colon: trimmed, at most `most` characters.
std::string Value(std::string_view rest, std::size_t most) {
    return TrimRight(Cut(TrimView(rest), most));
}

bool IsRemade(std::string_view tag) {
    for (const std::string_view t : RemadeTags) {
        if (tag == t)
            return true;
    }
    return false;
}

// Every QSO line and X-QSO line, in file order.
void ReadQsoLines(const std::vector<std::string>& lines, CabrilloFile& file) {
    std::optional<QsoLineRead> first;
    file.Rows.reserve(lines.size());
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (IsXQsoLine(line)) {
            file.XQsoLines.push_back(line);
            continue;
        }
        if (!IsQsoLine(line))
            continue;
        QsoLineRead read = ReadQsoLine(line);
        if (!read.Taken()) {
            file.NotTaken.push_back({static_cast<long>(i) + 1, std::move(read.Why)});
            continue;
        }
        read.Row[ColRow] = std::to_string(file.Rows.size() + 1);
        if (!first)
            first = read;
        file.Rows.push_back(std::move(read.Row));
    }
    if (!first)
        return;
    file.ContestDate = ContestDateFromFirstQso(first->Value(QsoSource::Date),
                                               first->Value(QsoSource::Cell, ColTime));
    const QsoLog::Row& last = file.Rows.back();
    // A blank number (cleared in the grid before the log was saved) or one that is no number
    // tells nothing to go on from.
    if (const int nr = DigitsValue(Trim(last[ColNrSent])); nr >= 0)
        file.NyNrEdit = std::to_string(static_cast<long long>(nr) + 1);
    file.TimeEdit = last[ColTime];
}

}  // namespace

bool IsXQsoLine(std::string_view line) {
    constexpr std::string_view key = "X-QSO:";
    const std::string_view t = TrimView(line);
    return t.size() >= key.size() && EqualIgnoringCase(t.substr(0, key.size()), key);
}

bool IsCabrilloLog(const std::vector<std::string>& lines) {
    if (lines.size() < 5)
        return false;
    const std::string first = UpperAscii(lines[0]);
    return Contains(first, "START-OF-LOG:") && Contains(first, "3.0");
}

CabrilloFile ReadCabrilloLog(std::vector<std::string> fileLines, std::string_view fileName) {
    if (!IsCabrilloLog(fileLines)) {
        throw KeroltError(
            Message(KT("Reader", "%1 is not a Cabrillo 3.0 log"), {std::string(fileName)}));
    }
    CabrilloFile file;
    CabrilloStation& station = file.Station;

    // The header: every line that is no QSO or X-QSO line, its tags in any order (a header
    // line after a QSO line too). A field given twice takes the later.
    std::vector<std::string> addresses;
    for (std::size_t i = 1; i < fileLines.size(); ++i) {
        const std::string_view line = fileLines[i];
        if (IsQsoLine(line) || IsXQsoLine(line))
            continue;
        const long k = static_cast<long>(i) + 1;
        const std::optional<TagLine> tag = SplitTag(line);
        if (!tag) {
            if (!IsBlankText(line))
                file.NotRead.push_back({k, Message(KT("Reader", "no header tag"))});
            continue;
        }
        const HeaderField* field = nullptr;
        for (const HeaderField& f : HeaderFields) {
            if (tag->tag == f.tag)
                field = &f;
        }
        if (field) {
            station.*field->field = Value(tag->rest, field->most);
        } else if (tag->tag == "ADDRESS" && addresses.size() < 3) {
            addresses.push_back(Value(tag->rest, AddressMost));
        } else if (tag->tag == "SOAPBOX") {
            // The writer puts one blank after the colon; the text keeps its own.
            const std::string_view rest = tag->rest;
            file.Memo1.push_back(Cut(rest.substr(rest.starts_with(' ') ? 1 : 0), SoapboxMost));
        } else if (!IsRemade(tag->tag)) {
            // A fourth ADDRESS line too: kept after the three the page holds.
            file.KeptHeaderLines.emplace_back(line);
        }
    }
    // The address lines are one group: a file that gives any gives all three.
    if (!addresses.empty()) {
        addresses.resize(3);
        station.AdrEdit1 = addresses[0];
        station.AdrEdit2 = addresses[1];
        station.AdrEdit3 = addresses[2];
    }
    // The own call is upper case, as the page's field forces it.
    if (station.CallEdit)
        station.CallEdit = UpperAscii(*station.CallEdit);

    ReadQsoLines(fileLines, file);

    file.Lines = std::move(fileLines);
    return file;
}

namespace {

constexpr std::size_t Shown = 20;

// The first Shown lines of a list, and how many more there are.
void ListLines(MessageLines& text, std::size_t count,
               const std::function<Message(std::size_t)>& line) {
    for (std::size_t i = 0; i < count && i < Shown; ++i) text.push_back(line(i));
    if (count > Shown)
        text.push_back(Message(KT("Reader", "and %1 more"), {std::to_string(count - Shown)}));
}

Message LineWhy(long line, const Message& why) {
    return Message(KT("Reader", "line %1: %2"), {std::to_string(line), why});
}

}  // namespace

MessageLines NotTakenMessage(const std::vector<NotTakenLine>& notTaken) {
    if (notTaken.empty())
        return {};
    MessageLines text{Message(KT("Reader", "These lines were not read as QSOs:"))};
    ListLines(text, notTaken.size(),
              [&](std::size_t i) { return LineWhy(notTaken[i].Line, notTaken[i].Why); });
    return text;
}

bool DiffersFromItsFile(const CabrilloFile& file) {
    return !file.NotTaken.empty() || !file.NotRead.empty() || !file.Lost.empty();
}

MessageLines OpenMessage(const CabrilloFile& file) {
    MessageLines text = NotTakenMessage(file.NotTaken);
    const auto paragraph = [&] {
        if (!text.empty())
            text.emplace_back();
    };
    if (const std::size_t n = file.XQsoLines.size(); n > 0) {
        paragraph();
        text.push_back(n == 1 ? Message(KT("Reader",
                                           "%1 X-QSO line is kept as an X-QSO line: not "
                                           "scored, no dupe, in no total."),
                                        {std::to_string(n)})
                              : Message(KT("Reader",
                                           "%1 X-QSO lines are kept as X-QSO lines: not "
                                           "scored, no dupes, in no total."),
                                        {std::to_string(n)}));
    }
    if (!file.NotRead.empty()) {
        paragraph();
        text.push_back(Message(KT("Reader", "These lines were not read:")));
        ListLines(text, file.NotRead.size(), [&](std::size_t i) {
            return LineWhy(file.NotRead[i].Line, file.NotRead[i].Why);
        });
    }
    if (!file.NotTaken.empty() || !file.NotRead.empty()) {
        paragraph();
        text.push_back(Message(KT("Reader", "Saving over the file leaves these lines out.")));
    }
    if (!file.Lost.empty()) {
        paragraph();
        text.push_back(Message(KT("Reader",
                                  "The file is UTF-8; these characters have no Latin-1 "
                                  "form and became \"?\":")));
        ListLines(text, file.Lost.size(), [&](std::size_t i) {
            return LineWhy(static_cast<long>(file.Lost[i].Line), CodePointName(file.Lost[i].Code));
        });
    }
    return text;
}

CabrilloFile LoadCabrilloFile(const std::string& fileName) {
    InputLines input = ReadInputLines(fileName);
    CabrilloFile file = ReadCabrilloLog(std::move(input.Lines), fileName);
    file.Utf8 = input.Utf8;
    file.Lost = std::move(input.Lost);
    return file;
}

}  // namespace kerolt
