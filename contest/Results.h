#pragma once

// The contest's results for the open log: the table by band, the score, the operating time,
// the rates, the QSOs per clock hour, and the plain-text summary for score-reporting sites.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "contest/ContestPeriod.h"
#include "contest/ContestRules.h"
#include "contest/QsoLog.h"
#include "contest/Scoring.h"

namespace kerolt {

// One line of the results table.
struct BandResult {
    int Qsos = 0;       // rows logged on the band
    int Dupes = 0;      // rows that repeat an earlier counted call on the band
    int ZeroPoint = 0;  // other rows that earn nothing (P "0", or not in the contest)
    int Points = 0;
    int Mults = 0;

    bool operator==(const BandResult&) const = default;
};

inline constexpr int ContestHours = 24;
// A pause of this many minutes or more is a break, not operating time.
inline constexpr int BreakMinutes = 30;

struct ContestResults {
    // Indexed by band; index NoBand holds the rows whose frequency is no contest band.
    std::array<BandResult, BandCount + 1> Bands{};
    BandResult Total;
    std::int32_t Score = 0;
    int FirstToLastMinutes = 0;
    int OnAirMinutes = 0;  // breaks of BreakMinutes or more left out
    int BestHourQsos = 0;  // the most QSOs in any 60 minutes
    int UntimedQsos = 0;   // rows whose time is no HHMM time: in no time figure
    // QSOs per hour of the contest (hour 0 begins at 1200 on the contest date), by band.
    std::array<std::array<int, BandCount + 1>, ContestHours> PerHour{};
};

// "80m" ... "10m"; "other" for NoBand.
std::string ResultsBandName(BandIndex band);

// The UTC clock hour at which hour h of the contest begins: 12..23, then 0..11.
int ClockHourOf(int contestHour);

// The table from the rows and the engine's totals, as the last scoring left them.
ContestResults BuildResults(const QsoLog& log, const ScoringEngine& scoring,
                            std::string_view contestDate);

// QSOs in the 60 minutes up to the latest QSO time, and the rate of the latest ten QSOs per
// hour (none while fewer than two QSOs or all in one minute).
struct RateLine {
    int LastHourQsos = 0;
    std::optional<int> LastTenRate;

    bool operator==(const RateLine&) const = default;
};
RateLine BuildRateLine(const QsoLog& log, std::string_view contestDate);
std::string RateLineText(const RateLine& rate);

// Minutes as "20 h 7 min".
std::string Duration(int minutes);

// Who sent the log, for the summary. Categories are the category lists' texts; a list that
// shows its placeholder, or the empty overlay, is left out.
struct SummaryStation {
    std::string Call;
    std::string Contest;
    std::vector<std::string> Categories;
};
// The lines that score-reporting sites ask for: call, contest, categories, QSOs (dupes left
// out) and multipliers per band, score and operating time.
std::vector<std::string> ResultsSummary(const SummaryStation& station,
                                        const ContestResults& results);

}  // namespace kerolt
