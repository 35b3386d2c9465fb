#include "contest/Results.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <unordered_set>

#include "common/Text.h"
#include "contest/LogEntry.h"
#include "contest/StationRules.h"

namespace kerolt {

namespace {

constexpr int MinutesPerHour = 60;
constexpr int RateSpan = 10;

// The contest minutes of the rows with a usable time, in log order. Thousands of rows share
// the 1,440 times of a day: each time is placed in the contest once.
std::vector<int> ContestMinutesOf(const QsoLog& log, std::string_view contestDate) {
    std::vector<std::optional<int>> placed(24 * MinutesPerHour);
    std::vector<bool> known(placed.size());
    std::vector<int> minutes;
    minutes.reserve(static_cast<std::size_t>(log.QsoRowCount()));
    for (int row = 1; row <= log.QsoRowCount(); ++row) {
        if (!CountsInContest(log, row))
            continue;
        const std::string& time = log.Cell(row, ColTime);
        if (!IsValidTime(time))
            continue;
        const auto at = static_cast<std::size_t>(DigitsValue(time.substr(0, 2)) * MinutesPerHour +
                                                 DigitsValue(time.substr(2, 2)));
        if (!known[at]) {
            placed[at] = ContestMinute(contestDate, time);
            known[at] = true;
        }
        if (placed[at])
            minutes.push_back(*placed[at]);
    }
    return minutes;
}

void AddTo(BandResult& sum, const BandResult& band) {
    sum.Qsos += band.Qsos;
    sum.Dupes += band.Dupes;
    sum.ZeroPoint += band.ZeroPoint;
    sum.Points += band.Points;
    sum.Mults += band.Mults;
}

void TimeFigures(const std::vector<int>& minutes, ContestResults& results) {
    if (minutes.empty())
        return;
    results.FirstToLastMinutes = minutes.back() - minutes.front();
    std::size_t first = 0;
    for (std::size_t i = 0; i < minutes.size(); ++i) {
        if (i > 0 && minutes[i] - minutes[i - 1] < BreakMinutes)
            results.OnAirMinutes += minutes[i] - minutes[i - 1];
        while (minutes[i] - minutes[first] >= MinutesPerHour) ++first;
        results.BestHourQsos = std::max(results.BestHourQsos, static_cast<int>(i - first + 1));
    }
}

bool IsCategoryEntry(const std::string& text) {
    if (text.empty())
        return false;
    for (const auto* entries : {&AssistedEntries(), &BandEntries(), &OperatorEntries(),
                                &TransmitterEntries(), &PowerEntries(), &OverlayEntries()}) {
        if (std::find(entries->begin(), entries->end(), text) != entries->end())
            return true;
    }
    return false;
}

std::string Field(const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

}  // namespace

Message QsoCount(int n) {
    if (n == 1)
        return Message(KT("Results", "%1 QSO"), {std::to_string(n)});
    return Message(KT("Results", "%1 QSOs"), {std::to_string(n)});
}

std::string ResultsBandName(BandIndex band) {
    return band == NoBand ? "other" : std::string(BandName(band));
}

int ClockHourOf(int contestHour) {
    return (ContestStartHour + contestHour) % 24;
}

bool CountsInContest(const QsoLog& log, int row) {
    // The scoring leaves both cells empty for a QSO not in the contest, and counts no QSO of a
    // band that is none of the contest's.
    return !log.Cell(row, ColPoints).empty() &&
           IsContestBand(BandFromFrequency(log.Cell(row, ColFreq)));
}

ContestResults BuildResults(const QsoLog& log, const ScoringEngine& scoring,
                            std::string_view contestDate) {
    ContestResults results;
    // A dupe repeats a call that an earlier QSO counted (a row with points, 0 included).
    std::unordered_set<std::string> counted;
    std::vector<int> minutes;
    minutes.reserve(static_cast<std::size_t>(log.QsoRowCount()));
    for (int row = 1; row <= log.QsoRowCount(); ++row) {
        const BandIndex band = BandFromFrequency(log.Cell(row, ColFreq));
        const std::string& points = log.Cell(row, ColPoints);
        if (!CountsInContest(log, row)) {
            ++(points.empty() ? results.NotInContest : results.OffBand);
            continue;
        }
        std::string key = DupeKey(log.Cell(row, ColCall));
        key.push_back(static_cast<char>('0' + band));
        BandResult& line = results.Bands[band];
        if (!counted.insert(key).second && points == "0") {
            ++line.Dupes;
        } else if (points == "0") {
            ++line.ZeroPoint;
        }
        if (const auto minute = ContestMinute(contestDate, log.Cell(row, ColTime))) {
            ++results.PerHour[static_cast<std::size_t>(*minute / MinutesPerHour)][band];
            minutes.push_back(*minute);
        } else {
            ++results.UntimedQsos;
        }
    }
    // The QSOs, points and multipliers are the engine's, as the score table beside the log.
    for (int band = Band80; band <= BandCount; ++band) {
        results.Bands[band].Qsos = scoring.BandTotals()[band].Qsos;
        results.Bands[band].Points = scoring.BandTotals()[band].Points;
        results.Bands[band].Mults = scoring.BandTotals()[band].Mults;
    }
    for (const BandResult& line : results.Bands) AddTo(results.Total, line);
    results.Score = scoring.ClaimedScore();
    std::sort(minutes.begin(), minutes.end());
    TimeFigures(minutes, results);
    return results;
}

std::vector<Message> ResultsFigures(const ContestResults& results) {
    std::vector<Message> lines{
        Message(KT("Results", "Score: %1"), {std::to_string(results.Score)}),
        Message(KT("Results", "Operating time: %1"), {Duration(results.FirstToLastMinutes)}),
        Message(KT("Results", "On the air: %1 (breaks of %2 min or more left out)"),
                {Duration(results.OnAirMinutes), std::to_string(BreakMinutes)}),
        Message(KT("Results", "Best 60 min: %1"), {QsoCount(results.BestHourQsos)})};
    if (results.UntimedQsos > 0)
        lines.emplace_back(KT("Results", "Without a time: %1"),
                           std::vector<Message>{QsoCount(results.UntimedQsos)});
    if (results.NotInContest > 0)
        lines.emplace_back(KT("Results", "Not in the contest, not counted: %1"),
                           std::vector<Message>{QsoCount(results.NotInContest)});
    if (results.OffBand > 0)
        lines.emplace_back(KT("Results", "On no contest band, not counted: %1"),
                           std::vector<Message>{QsoCount(results.OffBand)});
    return lines;
}

RateLine BuildRateLine(const QsoLog& log, std::string_view contestDate) {
    // Only the last hour and the last ten QSOs count: no sort of the whole log.
    std::vector<int> minutes = ContestMinutesOf(log, contestDate);
    RateLine rate;
    if (minutes.empty())
        return rate;
    const int last = *std::max_element(minutes.begin(), minutes.end());
    rate.LastHourQsos = static_cast<int>(std::count_if(
        minutes.begin(), minutes.end(), [&](int m) { return m > last - MinutesPerHour; }));
    const int taken = std::min(static_cast<int>(minutes.size()), RateSpan);
    const auto tenth = minutes.begin() + (taken - 1);
    std::nth_element(minutes.begin(), tenth, minutes.end(), std::greater<>());
    const int span = last - *tenth;
    // Ten QSOs make nine gaps: the rate is gaps per hour.
    if (span > 0)
        rate.LastTenRate = ((taken - 1) * MinutesPerHour + span / 2) / span;
    return rate;
}

Message RateLineText(const RateLine& rate) {
    const Message lastTen =
        rate.LastTenRate ? Message(KT("Results", "%1/h"), {std::to_string(*rate.LastTenRate)})
                         : Message("-");
    return Message(KT("Results", "Last 60 min: %1  Last 10: %2"),
                   {std::to_string(rate.LastHourQsos), lastTen});
}

Message Duration(int minutes) {
    return Message(KT("Results", "%1 h %2 min"), {std::to_string(minutes / MinutesPerHour),
                                                  std::to_string(minutes % MinutesPerHour)});
}

std::vector<std::string> ResultsSummary(const SummaryStation& station,
                                        const ContestResults& results) {
    std::string categories;
    for (const std::string& text : station.Categories) {
        if (IsCategoryEntry(text))
            categories += (categories.empty() ? "" : " ") + text;
    }
    std::vector<std::string> lines{"Call: " + station.Call, "Contest: " + station.Contest,
                                   "Categories: " + categories, "Band  QSOs Dupes  Mults"};
    const auto line = [](const std::string& label, const BandResult& band) {
        return (label + "    ").substr(0, 5) + Field(std::to_string(band.Qsos), 5) +
               Field(std::to_string(band.Dupes), 6) + Field(std::to_string(band.Mults), 7);
    };
    for (int band = Band80; band <= BandCount; ++band)
        lines.push_back(line(ResultsBandName(static_cast<BandIndex>(band)), results.Bands[band]));
    lines.push_back(line("Total", results.Total));
    lines.push_back("Score: " + std::to_string(results.Score));
    lines.push_back("Operating time: " + Duration(results.FirstToLastMinutes).English() +
                    " (on the air " + Duration(results.OnAirMinutes).English() + ")");
    return lines;
}

}  // namespace kerolt
