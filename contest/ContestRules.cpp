#include "contest/ContestRules.h"

#include "contest/BandPlan.h"
#include "contest/ContestPeriod.h"

#include <array>
#include <chrono>

#include "common/Text.h"

namespace kerolt {

namespace {

constexpr std::array<std::string_view, 11> ScandinavianPrefixes{
    "SM", "OH", "OH0", "LA", "OZ", "TF", "OX", "OJ0", "OY", "JX", "JW"};

constexpr std::array<ContestCalendarRow, 18> CalendarRows{{
    {2002, "2002-09-21", "2002-09-28"},
    {2003, "2003-09-20", "2003-09-27"},
    {2004, "2004-09-18", "2004-09-25"},
    {2005, "2005-09-17", "2005-09-24"},
    {2006, "2006-09-16", "2006-09-23"},
    {2007, "2007-09-15", "2007-09-22"},
    {2008, "2008-09-20", "2008-09-27"},
    {2009, "2009-09-19", "2009-09-26"},
    {2010, "2010-09-18", "2010-09-25"},
    {2011, "2011-09-17", "2011-10-08"},
    {2012, "2012-09-15", "2012-10-13"},
    {2013, "2013-09-21", "2013-10-12"},
    {2014, "2014-09-20", "2014-10-11"},
    {2015, "2015-09-19", "2015-10-10"},
    {2016, "2016-09-17", "2016-10-08"},
    {2017, "2017-09-16", "2017-10-14"},
    {2018, "2018-09-15", "2018-10-13"},
    {2019, "2019-09-21", "2019-10-12"},
}};

bool IsContest(int contestEntry) {
    return contestEntry == SacCw || contestEntry == SacSsb;
}

std::string FormatDate(const std::chrono::year_month_day& date) {
    return ZeroPadded(static_cast<int>(date.year()), 4) + "-" +
           ZeroPadded(static_cast<int>(static_cast<unsigned>(date.month())), 2) + "-" +
           ZeroPadded(static_cast<int>(static_cast<unsigned>(date.day())), 2);
}

// Moves a YYYY-MM-DD text by delta days. Only the day (characters 9-10) must be a number: a
// day that is none fails with the message naming those characters, as it always did. A valid
// date rolls over months and years; any other text (numbers that form no date, a year or
// month that is no number, a text of another shape) only has its day number changed.
std::string ShiftDay(std::string_view date, int delta) {
    const int day = StrToInt(Copy(date, 9, 2)) + delta;
    const std::string head = Copy(date, 1, 8);
    // Only a text shaped DDDD-DD-DD is a date; "2011-09-1" or "2011-09-+1" is not one.
    const bool dashed = date.size() == 10 && CharAt(date, 5) == '-' && CharAt(date, 8) == '-' &&
                        IsDigitText(Copy(date, 9, 2));
    const int year = dashed ? DigitsValue(Copy(date, 1, 4)) : -1;
    const int month = dashed ? DigitsValue(Copy(date, 6, 2)) : -1;

    const int readDay = day - delta;
    if (year >= 1 && year <= 9999 && month >= 1 && month <= 12 && readDay >= 1 && readDay <= 31) {
        using namespace std::chrono;
        const year_month_day read{std::chrono::year{year}, std::chrono::month{unsigned(month)},
                                  std::chrono::day{unsigned(readDay)}};
        if (read.ok()) {
            const year_month_day moved{sys_days{read} + days{delta}};
            // Within the month the text keeps its own first eight characters.
            if (moved.year() == read.year() && moved.month() == read.month()) {
                return head + ZeroPadded(day, 2);
            }
            return FormatDate(moved);
        }
    }
    return head + ZeroPadded(day, 2);
}

}  // namespace

const std::vector<std::string>& ContestEntries() {
    static const std::vector<std::string> entries{"SAC-CW", "SAC-SSB"};
    return entries;
}

BandIndex BandFromFrequency(std::string_view frequencyText) {
    // Scoring, the results, the ADIF export and the check all take a cell's band from here.
    const std::optional<long> khz = FrequencyKhz(frequencyText);
    return khz ? ContestBandOfKhz(*khz) : NoBand;
}

std::string_view BandName(BandIndex band) {
    static constexpr std::string_view Names[BandCount + 1] = {"",    "80m", "40m",
                                                              "20m", "15m", "10m"};
    return band <= BandCount ? Names[band] : Names[NoBand];
}

const std::vector<std::string>& FrequencyEntries() {
    static const std::vector<std::string> entries{" 3500", " 7000", "14000", "21000", "28000"};
    return entries;
}

std::span<const std::string_view> ScandinavianPrefixList() {
    return ScandinavianPrefixes;
}

bool IsScandinavianPrefix(std::string_view primaryPrefix) {
    for (std::string_view prefix : ScandinavianPrefixes) {
        if (prefix == primaryPrefix)
            return true;
    }
    return false;
}

// Both ways of learning the entrant's callsign use the same rule: the contest counts an OX
// entrant as Scandinavian although its continent is NA.
const std::string& ClassifyStation(CountryTable& table, ContestState& state,
                                   std::string_view call) {
    const std::string prefix = table.PrefixOf(call);
    state.OwnEuropean = table.CurrentEntity().Continent == "EU";
    state.OwnScandinavian = IsScandinavianPrefix(prefix);
    if (state.OwnScandinavian) {
        state.StationClass = ScandinavianClass;
    } else {
        state.StationClass = state.OwnEuropean ? EuropeanClass : DxClass;
    }
    return state.StationClass;
}

std::span<const ContestCalendarRow> ContestCalendar() {
    return CalendarRows;
}

std::string ContestRuleDate(int contestEntry, int year) {
    if (!IsContest(contestEntry) || year < 1 || year > 9999)
        return {};
    using namespace std::chrono;
    const std::chrono::year y{year};
    const year_month_day cw{y / September / Saturday[3]};
    if (contestEntry == SacCw)
        return FormatDate(cw);
    if (year >= 2011)
        return FormatDate(year_month_day{y / October / Saturday[2]});
    return FormatDate(year_month_day{sys_days{cw} + days{7}});
}

std::string ContestCalendarDate(int contestEntry, int year) {
    if (!IsContest(contestEntry))
        return {};
    for (const ContestCalendarRow& row : CalendarRows) {
        if (row.Year == year)
            return contestEntry == SacCw ? row.SacCw : row.SacSsb;
    }
    return ContestRuleDate(contestEntry, year);
}

std::string DefaultReport(int contestEntry) {
    if (contestEntry == SacCw)
        return "599";
    if (contestEntry == SacSsb)
        return "59";
    return {};
}

LogPageDefaults PrepareLogPage(int contestEntry, int year) {
    if (!IsContest(contestEntry))
        return {};
    return {ContestCalendarDate(contestEntry, year), DefaultReport(contestEntry)};
}

std::string QsoDate(std::string_view contestDate, std::string_view time) {
    if (!TextLess(time, ContestStartTime))
        return std::string(contestDate);
    return ShiftDay(contestDate, 1);
}

std::string ContestDateFromFirstQso(std::string_view qsoDate, std::string_view qsoTime) {
    if (!TextLess(qsoTime, ContestStartTime))
        return std::string(qsoDate);
    return ShiftDay(qsoDate, -1);
}

}  // namespace kerolt
