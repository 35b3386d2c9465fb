#include "contest/BandPlan.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "contest/ContestPeriod.h"

namespace kerolt {
namespace {

// Half a kHz and more rounds up, less rounds down, for a typed kHz and an ADIF MHz alike.
TEST(RoundedKhz, HalfUpInEachUnit) {
    const std::tuple<const char*, int, std::optional<long>> cases[] = {
        {"14025.4", KhzPlaces, 14025},   {"14025.5", KhzPlaces, 14026},
        {"14025.49", KhzPlaces, 14025},  {"14025", KhzPlaces, 14025},
        {" 3500 ", KhzPlaces, 3500},     {"0014025", KhzPlaces, 14025},
        {"14.0254", MhzPlaces, 14025},   {"14.0255", MhzPlaces, 14026},
        {"3.7625", MhzPlaces, 3763},     {"21.3125", MhzPlaces, 21313},
        {"7.3", MhzPlaces, 7300},        {"14", MhzPlaces, 14000},
        {"14.", MhzPlaces, {}},          {".5", KhzPlaces, {}},
        {"14,025", MhzPlaces, {}},       {"14.02.5", MhzPlaces, {}},
        {"", KhzPlaces, {}},             {"999999999", KhzPlaces, 999999999},
        {"1000000000", KhzPlaces, {}},   {"1000000.1", MhzPlaces, {}},
    };
    for (const auto& [text, places, khz] : cases)
        EXPECT_EQ(RoundedKhz(text, places), khz) << text << ' ' << places;
}

// A cell's kHz: digits only, leading zeros counting for nothing.
TEST(FrequencyKhz, DigitsWithoutLeadingZeros) {
    const std::pair<const char*, std::optional<long>> cases[] = {
        {"014000", 14000},     {"0000014000", 14000}, {"00000000000003500", 3500},
        {"1000000000", {}},    {"14000.0", {}},       {" 7000", 7000},
    };
    for (const auto& [text, khz] : cases) EXPECT_EQ(FrequencyKhz(text), khz) << text;
}

// Each segment's edges in both plans, a kHz just inside and one just outside; the band list's
// values (3500, 7000, ...) stand for their whole band.
TEST(InBandPlan, TakesEachContestsSegmentsAndTheBandValues) {
    const std::tuple<int, long, bool> cases[] = {
        {SacCw, 3509, false},   {SacCw, 3510, true},      {SacCw, 3560, true},
        {SacCw, 3561, false},   {SacCw, 3500, true},      {SacCw, 6999, false},
        {SacCw, 7000, true},    {SacCw, 7040, true},      {SacCw, 7041, false},
        {SacCw, 13999, false},  {SacCw, 14000, true},     {SacCw, 14060, true},
        {SacCw, 14061, false},  {SacCw, 20999, false},    {SacCw, 21000, true},
        {SacCw, 21070, true},   {SacCw, 21071, false},    {SacCw, 27999, false},
        {SacCw, 28000, true},   {SacCw, 28070, true},     {SacCw, 28071, false},
        {SacCw, 1830, false},   {SacSsb, 3599, false},    {SacSsb, 3600, true},
        {SacSsb, 3650, true},   {SacSsb, 3651, false},    {SacSsb, 3699, false},
        {SacSsb, 3700, true},   {SacSsb, 3800, true},     {SacSsb, 3801, false},
        {SacSsb, 7059, false},  {SacSsb, 7060, true},     {SacSsb, 7100, true},
        {SacSsb, 7101, false},  {SacSsb, 7129, false},    {SacSsb, 7130, true},
        {SacSsb, 7200, true},   {SacSsb, 7201, false},    {SacSsb, 14124, false},
        {SacSsb, 14125, true},  {SacSsb, 14300, true},    {SacSsb, 14301, false},
        {SacSsb, 21150, false}, {SacSsb, 21151, true},    {SacSsb, 21450, true},
        {SacSsb, 21451, false}, {SacSsb, 28319, false},   {SacSsb, 28320, true},
        {SacSsb, 29000, true},  {SacSsb, 29001, false},   {SacSsb, 28000, true},
        {SacSsb, 3510, false},  {NoContest, 14000, true}, {NoContest, 14030, false},
    };
    for (const auto& [contest, khz, in] : cases)
        EXPECT_EQ(InBandPlan(contest, khz), in) << contest << ' ' << khz;
}

// Saturday 1200 to Sunday 1159 of the year's weekend, by the calendar or the rule.
TEST(InContestPeriod, SaturdayNoonToSundayNoon) {
    const std::tuple<int, const char*, const char*, bool> cases[] = {
        {SacCw, "2019-09-21", "1200", true},   {SacCw, "2019-09-21", "1159", false},
        {SacCw, "2019-09-22", "1159", true},   {SacCw, "2019-09-22", "1200", false},
        {SacSsb, "2023-10-14", "2359", true},  {SacSsb, "2023-10-15", "0000", true},
        {SacSsb, "2023-10-07", "1300", false}, {SacCw, "2019-09-31", "1300", false},
        {SacCw, "2019-09/21", "1300", false},  {SacCw, "2019-09-21", "12O0", false},
        {SacCw, "2019-09-22", "2400", false},  {SacSsb, "2017-10-14", "1200", true},
        {SacSsb, "2017-10-15", "1159", true},  {SacSsb, "2017-10-15", "1200", false},
    };
    for (const auto& [contest, date, time, in] : cases)
        EXPECT_EQ(InContestPeriod(contest, date, time), in) << date << ' ' << time;
}

// The Saturday of the weekend a QSO is in, for its edition and the calendar of its year.
TEST(ContestWeekendOf, TheSaturdayOfTheWeekendAQsoIsIn) {
    const std::tuple<int, const char*, const char*, const char*> cases[] = {
        {SacSsb, "2026-10-10", "1200", "2026-10-10"},
        {SacSsb, "2026-10-10", "1159", ""},
        {SacSsb, "2026-10-11", "1159", "2026-10-10"},
        {SacSsb, "2026-10-11", "1200", ""},
        {SacCw, "2026-10-10", "1300", ""},
        {SacCw, "2026-09-20", "0000", "2026-09-19"},
        {SacCw, "2019-09-21", "1300", "2019-09-21"},
        {NoContest, "2026-10-10", "1300", ""},
        {SacCw, "2026-09-31", "1300", ""},
        {SacCw, "2026-09-19", "2400", ""},
    };
    for (const auto& [contest, date, time, weekend] : cases)
        EXPECT_EQ(ContestWeekendOf(contest, date, time), weekend) << date << ' ' << time;
}

TEST(ContestPeriodText, SaturdayNoonToSundayAMinuteBefore) {
    EXPECT_EQ(ContestPeriodText("2026-10-10").English(), "2026-10-10 1200 to 2026-10-11 1159 UTC");
    EXPECT_EQ(ContestPeriodText("2026-09-30").English(), "2026-09-30 1200 to 2026-10-01 1159 UTC");
}

// Minute 0 is Saturday 1200, minute 1439 Sunday 1159; the day comes from the contest date.
TEST(ContestMinute, FromSaturdayNoon) {
    const std::tuple<const char*, const char*, std::optional<int>> cases[] = {
        {"2019-09-21", "1200", 0},
        {"2019-09-21", "1159", 1439},
        {"2019-09-21", "2359", 719},
        {"2019-09-21", "0000", 720},
        {"", "1200", 0},
        {"", "1159", 1439},
        {"2019-09-21", "2400", {}},
        {"2019-09-21", "1260", {}},
        {"2019-09-21", "12O0", {}},
        {"2019-09-21", "120", {}},
        {"2019-09-21", "12000", {}},
    };
    for (const auto& [contestDate, time, minute] : cases)
        EXPECT_EQ(ContestMinute(contestDate, time), minute) << contestDate << ' ' << time;
}

}  // namespace
}  // namespace kerolt
