#pragma once

// The fixed rules of the SAC contest: bands, the Scandinavian set, the entrant's class, the
// calendar, default reports and QSO dates.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "country/CTY.h"

namespace kerolt {

// The contest's bands. Unscoped, so a band still indexes the per-band arrays (size
// BandCount + 1, index 0 unused).
enum BandIndex : std::uint8_t {
    NoBand = 0,
    Band80 = 1,
    Band40 = 2,
    Band20 = 3,
    Band15 = 4,
    Band10 = 5
};
inline constexpr int BandCount = 5;

// One of the five contest bands, not NoBand nor any other value.
inline constexpr bool IsContestBand(BandIndex band) {
    return band >= Band80 && band <= Band10;
}

// Selected entry of the contest list: -1 none, 0 "SAC-CW", 1 "SAC-SSB".
enum ContestEntry : int { NoContest = -1, SacCw = 0, SacSsb = 1 };

// The contest list's entries, in the order of ContestEntry.
const std::vector<std::string>& ContestEntries();

// The band of a frequency cell: the contest band whose amateur band holds the cell's whole
// number of kHz (blanks around it ignored); NoBand for a frequency off the five bands and for a
// text that is no whole number.
BandIndex BandFromFrequency(std::string_view frequencyText);
// "80m" ... "10m"; empty for NoBand.
std::string_view BandName(BandIndex band);
// The band list's entries: entry i is the frequency text of band i + 1.
const std::vector<std::string>& FrequencyEntries();

// Exactly one of SM OH OH0 LA OZ TF OX OJ0 OY JX JW.
bool IsScandinavianPrefix(std::string_view primaryPrefix);
// Those prefixes.
std::span<const std::string_view> ScandinavianPrefixList();

inline constexpr const char* ScandinavianClass = "Scandinavian";
inline constexpr const char* EuropeanClass = "Non Scandinavian";
inline constexpr const char* DxClass = "Non Scandinavian-DX";

// The process-wide state the rules own: the class flags that steer scoring, the class text,
// and the first day of the contest.
struct ContestState {
    bool OwnScandinavian = true;
    bool OwnEuropean = true;
    std::string StationClass;  // empty until the first classification
    std::string ContestDate;   // YYYY-MM-DD, empty until set
};

// Classifies the entrant, when the callsign field is left and when a log is opened; returns
// the StationClass text.
const std::string& ClassifyStation(CountryTable& table, ContestState& state, std::string_view call);

// One row of the published contest calendar.
struct ContestCalendarRow {
    int Year;
    const char* SacCw;
    const char* SacSsb;
};

// The published rows, 2002 to 2019, in year order.
std::span<const ContestCalendarRow> ContestCalendar();

// The date by the contest's rule: SAC-CW on the third Saturday of September; SAC-SSB on the
// second Saturday of October from 2011 on, one week after SAC-CW before. Empty for NoContest
// or a year outside 1..9999.
std::string ContestRuleDate(int contestEntry, int year);

// First day (Saturday) of the contest in a year, YYYY-MM-DD: the calendar row when the year has
// one, else the rule. Empty for NoContest or a year outside 1..9999.
std::string ContestCalendarDate(int contestEntry, int year);

// "599" for SAC-CW, "59" for SAC-SSB, empty for NoContest.
std::string DefaultReport(int contestEntry);

// What leaving the station page sets: the contest date and the default report of the chosen
// contest in that year. Both empty for NoContest; the window leaves a control whose value is
// empty as it is (the date can only be empty for NoContest or a year outside 1..9999).
struct LogPageDefaults {
    std::string ContestDate;
    std::string Report;
};
LogPageDefaults PrepareLogPage(int contestEntry, int year);

// The date of a QSO at a time (HHMM): the day after the contest date before "1200", else the
// contest date. Raises "'%s' is not a valid integer value" when the day must be read and is
// no number (an empty contest date gives "'' is not a valid integer value"). A valid date rolls
// over into the next month or year; any other text only has its day number changed.
std::string QsoDate(std::string_view contestDate, std::string_view time);

// The contest date from the date and time fields of an opened Cabrillo file's first QSO line:
// the day before the QSO's date when it was logged before "1200". Raises like QsoDate.
std::string ContestDateFromFirstQso(std::string_view qsoDate, std::string_view qsoTime);

}  // namespace kerolt
