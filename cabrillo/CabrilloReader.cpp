#include "cabrillo/CabrilloReader.h"

#include <optional>

#include "cabrillo/QsoLineReader.h"
#include "common/KeroltError.h"
#include "common/Text.h"
#include "common/TextFile.h"
#include "contest/ContestRules.h"

namespace kerolt {

namespace {

// The header keys are expected in column 1; the window of lines they are looked for in ends
// at line 19, which holds the CLUB line when the writer wrote one.
constexpr long HeaderWindowEnd = 19;

class FileLines {
  public:
    explicit FileLines(const std::vector<std::string>& lines) : lines_(lines) {}

    long Count() const { return static_cast<long>(lines_.size()); }

    // Line k (1-based); a line past the end is an empty line, which holds no key.
    std::string_view At(long k) const {
        if (k < 1 || k > Count()) {
            return {};
        }
        return lines_[static_cast<std::size_t>(k - 1)];
    }

    bool Holds(long k, std::string_view key) const { return Contains(At(k), key); }

  private:
    const std::vector<std::string>& lines_;
};

// The trimmed value at a fixed column, at most n characters.
std::string Value(std::string_view line, long column, long n) {
    return Trim(Copy(line, column, n));
}

// A header field set as soon as its line is met: the value from a fixed column, at most n
// characters, trimmed.
struct HeaderField {
    std::string_view key;
    long column;
    long n;
    std::optional<std::string> CabrilloStation::*field;
};

constexpr HeaderField FieldsBeforeMode[] = {
    {"CALLSIGN:", 10, 14, &CabrilloStation::CallEdit},
    {"CONTEST:", 9, 10, &CabrilloStation::ContestBox},
    {"CATEGORY-ASSISTED:", 19, 20, &CabrilloStation::AssistedComboBox},
    {"CATEGORY-BAND:", 15, 20, &CabrilloStation::BandComboBox},
};

constexpr HeaderField FieldsAfterMode[] = {
    {"CATEGORY-OPERATOR:", 19, 20, &CabrilloStation::OperatorComboBox},
    {"CATEGORY-POWER:", 16, 20, &CabrilloStation::PowerComboBox},
    {"CATEGORY-TRANSMITTER:", 22, 20, &CabrilloStation::TransmitterComboBox},
    {"CATEGORY-OVERLAY:", 18, 20, &CabrilloStation::OverlayComboBox},
    {"EMAIL:", 7, 80, &CabrilloStation::EmailEdit},
};

// A header key on line k. Without a CLUB line the first soapbox line stands inside the header
// window; its text is the entrant's own, so a key in it ("OPERATORS: SM5QQQ and SM5XYZ") must
// not overwrite a station field when the log is opened again.
bool HeaderHolds(const FileLines& lines, long k, std::string_view key) {
    return lines.Holds(k, key) && !lines.At(k).starts_with("SOAPBOX:") && !IsQsoLine(lines.At(k));
}

void ReadField(const FileLines& lines, long k, const HeaderField& f, CabrilloStation& station) {
    if (HeaderHolds(lines, k, f.key)) {
        station.*f.field = Value(lines.At(k), f.column, f.n);
    }
}

// Every QSO line after line 1, wherever it stands; a line that cannot be read is named.
void ReadQsoLines(const FileLines& lines, CabrilloFile& file) {
    std::optional<QsoLineRead> first;
    file.Rows.reserve(static_cast<std::size_t>(lines.Count()));
    for (long k = 2; k <= lines.Count(); ++k) {
        if (!IsQsoLine(lines.At(k)))
            continue;
        QsoLineRead read = ReadQsoLine(lines.At(k));
        if (!read.Taken()) {
            file.NotTaken.push_back({k, std::move(read.Why)});
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
    // A blank number (cleared in the grid before the log was saved) tells nothing to go on from.
    if (const std::string nr = Trim(last[ColNrSent]); !nr.empty())
        file.NyNrEdit = std::to_string(static_cast<long long>(StrToInt(nr)) + 1);
    file.TimeEdit = last[ColTime];
}

}  // namespace

bool IsCabrilloLog(const std::vector<std::string>& lines) {
    return lines.size() >= 5 && Contains(lines[0], "START-OF-LOG:") && Contains(lines[0], "3.0");
}

CabrilloFile ReadCabrilloLog(std::vector<std::string> fileLines, std::string_view fileName) {
    if (!IsCabrilloLog(fileLines)) {
        throw KeroltError(std::string(fileName) + " is not a Cabrillo 3.0 log");
    }
    const FileLines lines(fileLines);
    const long w = lines.Count() < HeaderWindowEnd ? lines.Count() : HeaderWindowEnd;

    CabrilloFile file;
    CabrilloStation& station = file.Station;

    // Header pass: the fields up to EMAIL are set as their line is met, so the last one
    // wins; NAME, OPERATORS and CLUB only note their line.
    long nameLine = 0;
    long operatorsLine = 0;
    long clubLine = 0;
    for (long k = 2; k <= w; ++k) {
        for (const HeaderField& f : FieldsBeforeMode) ReadField(lines, k, f, station);
        // The mode follows from the contest; the line after it is tested in its place.
        if (HeaderHolds(lines, k, "CATEGORY-MODE:")) {
            ++k;
        }
        for (const HeaderField& f : FieldsAfterMode) ReadField(lines, k, f, station);
        if (HeaderHolds(lines, k, "CLUB:")) {
            clubLine = k;
        }
        if (HeaderHolds(lines, k, "NAME:")) {
            nameLine = k;
        }
        if (HeaderHolds(lines, k, "OPERATORS:")) {
            operatorsLine = k;
        }
    }

    if (nameLine > 0) {
        station.NameEdit = Value(lines.At(nameLine), 6, 80);
    }
    long a = 2;
    while (a <= w && !HeaderHolds(lines, a, "ADDRESS:")) ++a;
    if (HeaderHolds(lines, a, "ADDRESS:")) {
        station.AdrEdit1 = Value(lines.At(a), 9, 80);
    }
    if (HeaderHolds(lines, a + 1, "ADDRESS:")) {
        station.AdrEdit2 = Value(lines.At(a + 1), 9, 80);
    }
    if (HeaderHolds(lines, a + 2, "ADDRESS:")) {
        station.AdrEdit3 = Value(lines.At(a + 2), 9, 80);
    }
    if (operatorsLine > 0) {
        station.OperatorsEdit = Value(lines.At(operatorsLine), 11, 80);
    }
    if (clubLine > 0) {
        station.ClubEdit = Value(lines.At(clubLine), 6, 80);
    }

    // Soapbox: from the first line from 11 on that starts the soapbox or the QSOs.
    long k = 11;
    while (k <= lines.Count() && !lines.Holds(k, "SOAPBOX:") && !lines.Holds(k, "QSO:")) ++k;
    // A QSO line is a QSO whatever it holds, never a soapbox line as well.
    for (; lines.Holds(k, "SOAPBOX:") && !IsQsoLine(lines.At(k)); ++k) {
        const std::string_view line = lines.At(k);
        file.Memo1.push_back(Copy(line, CharAt(line, 9) == ' ' ? 10 : 9, 80));
    }

    ReadQsoLines(lines, file);

    file.Lines = std::move(fileLines);
    return file;
}

std::string NotTakenMessage(const std::vector<NotTakenLine>& notTaken) {
    if (notTaken.empty())
        return {};
    constexpr std::size_t Shown = 20;
    std::string text = "These lines were not read as QSOs:";
    for (std::size_t i = 0; i < notTaken.size() && i < Shown; ++i)
        text += "\nline " + std::to_string(notTaken[i].Line) + ": " + notTaken[i].Why;
    if (notTaken.size() > Shown)
        text += "\nand " + std::to_string(notTaken.size() - Shown) + " more";
    return text;
}

CabrilloFile LoadCabrilloFile(const std::string& fileName) {
    return ReadCabrilloLog(ReadLines(fileName), fileName);
}

}  // namespace kerolt
