#include "cabrillo/CabrilloWriter.h"

#include "common/Text.h"
#include "contest/ContestRules.h"

namespace kerolt {

namespace {

// A right-aligned number field: of five blanks + text + tail, at most n characters from the
// text's length on, so longer numbers keep their last digits and an empty one gives a shorter
// field.
void AppendRightAligned(std::string& line, std::string_view text, std::string_view tail, long n) {
    std::string s;
    s.reserve(5 + text.size() + tail.size());
    s = "     ";
    s += text;
    s += tail;
    line += Copy(s, static_cast<long>(text.size()), n);
}

// text followed by `spaces` blanks, cut to n.
void AppendLeftAligned(std::string& line, std::string_view text, std::size_t spaces,
                       std::size_t n) {
    const std::size_t taken = text.size() < n ? text.size() : n;
    line.append(text.substr(0, taken));
    const std::size_t room = n - taken;
    line.append(spaces < room ? spaces : room, ' ');
}

}  // namespace

std::string_view CabrilloQsoMode(int contestIndex) {
    return contestIndex == SacCw ? "CW" : "PH";
}

std::string CabrilloQsoLine(const QsoLog::Row& row, std::string_view ownCall, std::string_view mode,
                            std::string_view contestDate) {
    const std::string& time = row[ColTime];
    const std::string date = QsoDate(contestDate, time);

    std::string line;
    line.reserve(80);
    line = "QSO: ";
    const std::string freq = Trim(row[ColFreq]);
    line += Copy(" " + freq, static_cast<long>(freq.size()) - 3, 5);
    line += ' ';
    line += mode;
    line += ' ';
    line += date;
    line += ' ';
    line += time;
    line += ' ';
    AppendLeftAligned(line, ownCall, 14, 14);
    AppendLeftAligned(line, row[ColRstSent], 2, 4);
    AppendRightAligned(line, row[ColNrSent], " ", 7);
    AppendLeftAligned(line, row[ColCall], 12, 14);
    AppendLeftAligned(line, row[ColRstRcvd], 2, 4);
    AppendRightAligned(line, row[ColNrRcvd], "", 7);
    return line;
}

std::vector<std::string> BuildCabrilloLog(const StationData& station, const QsoLog& log,
                                          const std::string& contestDate) {
    const int qsoRows = log.QsoRowCount();
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(qsoRows) + station.Memo1.size() + 21);

    lines.push_back("START-OF-LOG: 3.0");
    lines.push_back("CALLSIGN: " + Trim(station.CallEdit));
    lines.push_back("CONTEST: " + station.ContestBox);
    lines.push_back("CATEGORY-ASSISTED: " + station.AssistedComboBox);
    lines.push_back("CATEGORY-BAND: " + station.BandComboBox);
    lines.push_back(station.ContestIndex == SacCw ? "CATEGORY-MODE: CW" : "CATEGORY-MODE: SSB");
    lines.push_back("CATEGORY-OPERATOR: " + station.OperatorComboBox);
    lines.push_back("CATEGORY-POWER: " + station.PowerComboBox);
    lines.push_back("CATEGORY-TRANSMITTER: " + station.TransmitterComboBox);
    lines.push_back("CATEGORY-OVERLAY: " + station.OverlayComboBox);
    lines.push_back("EMAIL: " + station.EmailEdit);
    lines.push_back(CabrilloCreatedBy);
    lines.push_back("OPERATORS: " + station.OperatorsEdit);
    lines.push_back("CLAIMED-SCORE: " + station.ClamedScoreEdit);
    lines.push_back("NAME: " + station.NameEdit);
    lines.push_back("ADDRESS: " + station.AdrEdit1);
    lines.push_back("ADDRESS: " + station.AdrEdit2);
    lines.push_back("ADDRESS: " + station.AdrEdit3);
    if (!Trim(station.ClubEdit).empty()) {
        lines.push_back("CLUB: " + station.ClubEdit);
    }
    for (const auto& memoLine : station.Memo1) lines.push_back("SOAPBOX: " + memoLine);

    const std::string_view mode = CabrilloQsoMode(station.ContestIndex);
    for (int r = 1; r <= qsoRows; ++r) {
        lines.push_back(CabrilloQsoLine(log.RowAt(r), station.CallEdit, mode, contestDate));
    }
    lines.push_back("END-OF-LOG:");
    return lines;
}

}  // namespace kerolt
