#include "cabrillo/CabrilloWriter.h"

#include <algorithm>

#include "cabrillo/QsoLine.h"
#include "common/Text.h"
#include "common/Version.h"
#include "contest/ContestRules.h"
#include "contest/StationRules.h"

namespace kerolt {

namespace {

// Characters [from, from + n) of `lead` blanks, the value and `tail` blanks, appended without
// building that text.
void AppendWindow(std::string& line, std::size_t lead, std::string_view value, std::size_t tail,
                  std::size_t from, std::size_t n) {
    const std::size_t valueEnd = lead + value.size();
    const std::size_t end = std::min(valueEnd + tail, from + n);
    if (from < lead && from < end)
        line.append(std::min(lead, end) - from, ' ');
    const std::size_t a = std::max(from, lead);
    const std::size_t b = std::min(end, valueEnd);
    if (a < b)
        line.append(value.substr(a - lead, b - a));
    const std::size_t c = std::max(from, valueEnd);
    if (c < end)
        line.append(end - c, ' ');
}

// One field as the table describes it.
void AppendField(std::string& line, const QsoLineField& f, std::string_view value) {
    if (f.Trimmed)
        value = TrimView(value);
    const auto pad = static_cast<std::size_t>(f.Pad);
    const auto span = static_cast<std::size_t>(f.Span);
    const auto trailing = static_cast<std::size_t>(f.Span - f.Width);
    switch (f.Align) {
        case QsoAlign::Left:
            AppendWindow(line, 0, value, pad, 0, span);
            break;
        case QsoAlign::Right: {
            // From where a full-width field would start: a longer value keeps its last
            // characters, a shorter one than the padding fills gives a shorter field.
            const long start = static_cast<long>(value.size()) + f.Pad + 1 - f.Width;
            AppendWindow(line, pad, value, trailing,
                         start < 1 ? 0 : static_cast<std::size_t>(start - 1), span);
            break;
        }
        case QsoAlign::AsIs:
            AppendWindow(line, 0, value, trailing, 0, value.size() + trailing);
            break;
    }
}

}  // namespace

std::string QsoFieldText(const QsoLineField& f, std::string_view value) {
    std::string text;
    AppendField(text, f, value);
    return text;
}

std::string JoinQsoFields(const std::array<std::string_view, QsoLineFields.size()>& values) {
    std::string line;
    line.reserve(80);
    line = QsoLineStart;
    for (std::size_t i = 0; i < QsoLineFields.size(); ++i)
        AppendField(line, QsoLineFields[i], values[i]);
    return line;
}

std::string_view CabrilloQsoMode(int contestIndex) {
    return contestIndex == SacCw ? "CW" : "PH";
}

std::string CabrilloQsoLine(const QsoLog::Row& row, std::string_view ownCall, std::string_view mode,
                            std::string_view contestDate) {
    const std::string date = QsoDate(contestDate, row[ColTime]);
    std::array<std::string_view, QsoLineFields.size()> values;
    for (std::size_t i = 0; i < QsoLineFields.size(); ++i) {
        const QsoLineField& f = QsoLineFields[i];
        switch (f.Source) {
            case QsoSource::Mode:
                values[i] = mode;
                break;
            case QsoSource::Date:
                values[i] = date;
                break;
            case QsoSource::OwnCall:
                values[i] = ownCall;
                break;
            case QsoSource::Cell:
                values[i] = row[static_cast<std::size_t>(f.Cell)];
                break;
        }
    }
    return JoinQsoFields(values);
}

namespace {

void AppendHeader(std::vector<std::string>& lines, const StationData& station) {
    lines.push_back("START-OF-LOG: 3.0");
    lines.push_back("CALLSIGN: " + Trim(station.CallEdit));
    lines.push_back("CONTEST: " + station.ContestBox);
    lines.push_back("CATEGORY-ASSISTED: " + station.AssistedComboBox);
    lines.push_back("CATEGORY-BAND: " + station.BandComboBox);
    lines.push_back(station.ContestIndex == SacCw ? "CATEGORY-MODE: CW" : "CATEGORY-MODE: SSB");
    lines.push_back("CATEGORY-OPERATOR: " + station.OperatorComboBox);
    lines.push_back("CATEGORY-POWER: " + station.PowerComboBox);
    lines.push_back("CATEGORY-TRANSMITTER: " + station.TransmitterComboBox);
    // The optional lines are written only when an entry is chosen.
    if (WritesCategoryLine(Category::Station, station.StationComboBox))
        lines.push_back("CATEGORY-STATION: " + station.StationComboBox);
    if (WritesCategoryLine(Category::Overlay, station.OverlayComboBox))
        lines.push_back("CATEGORY-OVERLAY: " + station.OverlayComboBox);
    lines.push_back("EMAIL: " + station.EmailEdit);
    lines.push_back(std::string("CREATED-BY: ") + ProgramCaption);
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
    lines.insert(lines.end(), station.KeptHeaderLines.begin(), station.KeptHeaderLines.end());
}

// Only the columns a QSO line shows decide whether it must be made again.
bool SameLineCells(const QsoLog::Row& a, const QsoLog::Row& b) {
    return std::equal(a.begin() + ColFreq, a.begin() + ColNrRcvd + 1, b.begin() + ColFreq);
}

}  // namespace

std::vector<std::string> BuildCabrilloLog(const StationData& station, const QsoLog& log,
                                          const std::string& contestDate) {
    CabrilloLogBuilder builder;
    return builder.Build(station, log, contestDate);
}

const std::vector<std::string>& CabrilloLogBuilder::Build(const StationData& station,
                                                          const QsoLog& log,
                                                          const std::string& contestDate) {
    std::vector<std::string> header;
    header.reserve(station.Memo1.size() + station.KeptHeaderLines.size() + 21);
    AppendHeader(header, station);
    const std::string_view mode = CabrilloQsoMode(station.ContestIndex);
    // The QSO lines sit behind the header in lines_; they are kept only while nothing that every
    // line shows, nor their place, changed.
    // The QSO lines carry the call as the header does: a blank typed before it is no part of it.
    const std::string ownCall = Trim(station.CallEdit);
    if (ownCall != ownCall_ || mode != mode_ || contestDate != contestDate_ ||
        header.size() != headerLines_) {
        rows_.clear();
        lines_.clear();
        ownCall_ = ownCall;
        mode_ = mode;
        contestDate_ = contestDate;
        headerLines_ = header.size();
    }
    const auto qsoRows = static_cast<std::size_t>(log.QsoRowCount());
    rows_.resize(std::min(rows_.size(), qsoRows));
    const std::size_t xQsos = station.XQsoLines.size();
    lines_.resize(headerLines_ + qsoRows + xQsos + 1);
    std::move(header.begin(), header.end(), lines_.begin());
    for (std::size_t i = 0; i < qsoRows; ++i) {
        const QsoLog::Row& row = log.RowAt(static_cast<int>(i) + 1);
        if (i < rows_.size() && SameLineCells(rows_[i], row))
            continue;
        // The line is made before the row is remembered: a row whose line fails stays unmade.
        lines_[headerLines_ + i] = CabrilloQsoLine(row, ownCall_, mode_, contestDate_);
        if (i == rows_.size()) {
            rows_.push_back(row);
        } else {
            rows_[i] = row;
        }
    }
    std::copy(station.XQsoLines.begin(), station.XQsoLines.end(),
              lines_.begin() + static_cast<long>(headerLines_ + qsoRows));
    lines_.back() = "END-OF-LOG:";
    return lines_;
}

}  // namespace kerolt
