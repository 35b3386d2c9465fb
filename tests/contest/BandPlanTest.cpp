#include "contest/BandPlan.h"

#include <gtest/gtest.h>

#include <tuple>

#include "contest/ContestPeriod.h"

namespace kerolt {
namespace {

// Each band's edges in both plans; the band list's values stand for their band.
TEST(InBandPlan, TakesEachContestsSegmentsAndTheBandValues) {
    const std::tuple<int, long, bool> cases[] = {
        {SacCw, 3510, true},      {SacCw, 3561, false},      {SacCw, 3500, true},
        {SacCw, 7040, true},      {SacCw, 7041, false},      {SacCw, 14060, true},
        {SacCw, 21071, false},    {SacCw, 28070, true},      {SacCw, 1830, false},
        {SacSsb, 3650, true},     {SacSsb, 3651, false},     {SacSsb, 3700, true},
        {SacSsb, 7100, true},     {SacSsb, 7130, true},      {SacSsb, 7120, false},
        {SacSsb, 14124, false},   {SacSsb, 14300, true},     {SacSsb, 21151, true},
        {SacSsb, 28319, false},   {SacSsb, 29000, true},     {SacSsb, 28000, true},
        {NoContest, 14000, true}, {NoContest, 14030, false},
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
    };
    for (const auto& [contest, date, time, in] : cases)
        EXPECT_EQ(InContestPeriod(contest, date, time), in) << date << ' ' << time;
}

}  // namespace
}  // namespace kerolt
