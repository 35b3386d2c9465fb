#pragma once

// The contest's results for the open log: the table by band, the score, the operating time,
// the rates, the QSOs per clock hour, and the plain-text summary for score-reporting sites.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Message.h"
#include "contest/ContestPeriod.h"
#include "contest/ContestRules.h"
#include "contest/QsoLog.h"
#include "contest/Scoring.h"

namespace kerolt {

// What counts as a QSO of the contest, in the score table beside the log, the results window
// and the summary alike: a row the scoring found in the contest, on a contest band. Dupes and
// QSOs worth no points count; a row not in the contest is logged but counted nowhere.

// One line of the results table.
struct BandResult {
    int Qsos = 0;       // QSOs of the contest on the band, as the scoring counted them
    int Dupes = 0;      // of those, the ones that repeat an earlier call on the band
    int ZeroPoint = 0;  // of those, the others that earn nothing (received number 000)
    int Points = 0;
    int Mults = 0;

    bool operator==(const BandResult&) const = default;
};

inline constexpr int ContestHours = 24;
// A pause of this many minutes or more is a break, not operating time.
inline constexpr int BreakMinutes = 30;

// Every figure but the not-counted ones is of the QSOs of the contest.
struct ContestResults {
    // Indexed by band; index NoBand stays zero.
    std::array<BandResult, BandCount + 1> Bands{};
    BandResult Total;
    std::int32_t Score = 0;
    int FirstToLastMinutes = 0;
    int OnAirMinutes = 0;  // breaks of BreakMinutes or more left out
    int BestHourQsos = 0;  // the most QSOs in any 60 minutes
    int UntimedQsos = 0;   // QSOs whose time is no HHMM time: in no time figure
    // QSOs per hour of the contest (hour 0 begins at 1200 on the contest date), by band.
    std::array<std::array<int, BandCount + 1>, ContestHours> PerHour{};
    // Rows logged that count as no QSO: not in the contest, and on no contest band.
    int NotInContest = 0;
    int OffBand = 0;
};

// "1 QSO", "0 QSOs", "2 QSOs".
Message QsoCount(int n);

// "80m" ... "10m"; "other" for NoBand.
std::string ResultsBandName(BandIndex band);

// The UTC clock hour at which hour h of the contest begins: 12..23, then 0..11.
int ClockHourOf(int contestHour);

// Whether a row counts as a QSO of the contest: scored (its P cell holds points, 0 for a dupe
// or a received 000 included) on one of the five bands, as the score table counts it. The
// results, the rate line and the help count these rows, and no others.
bool CountsInContest(const QsoLog& log, int row);

// The table from the rows and the engine's totals, as the last scoring left them.
ContestResults BuildResults(const QsoLog& log, const ScoringEngine& scoring,
                            std::string_view contestDate);

// The figures beside the table: score, times, the best hour, and the rows not counted (a line
// only when there are any).
std::vector<Message> ResultsFigures(const ContestResults& results);

// QSOs that count (CountsInContest) in the 60 minutes up to the latest one's time, and the rate of the latest ten QSOs per
// hour (none while fewer than two QSOs or all in one minute).
struct RateLine {
    int LastHourQsos = 0;
    std::optional<int> LastTenRate;

    bool operator==(const RateLine&) const = default;
};
RateLine BuildRateLine(const QsoLog& log, std::string_view contestDate);
Message RateLineText(const RateLine& rate);

// Minutes as "20 h 7 min".
Message Duration(int minutes);

// Who sent the log, for the summary. Categories are the category lists' texts; a list that
// shows its placeholder, or the empty overlay, is left out.
struct SummaryStation {
    std::string Call;
    std::string Contest;
    std::vector<std::string> Categories;
};
// The lines that score-reporting sites ask for, in English as they take them: call, contest,
// categories, QSOs (dupes in, as everywhere) with the dupes beside them and multipliers per band,
// score and operating time.
std::vector<std::string> ResultsSummary(const SummaryStation& station,
                                        const ContestResults& results);

}  // namespace kerolt
