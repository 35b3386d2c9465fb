#include "contest/ContestRules.h"

#include <gtest/gtest.h>

#include <chrono>

#include "common/KeroltError.h"
#include "tests/support/CountryLines.h"

namespace kerolt {
namespace {

// A cell's band is the contest band whose amateur band holds its kHz: each band's edges, a row
// just inside and one just outside.
TEST(BandFromFrequency, ByTheAmateurBandsEdges) {
    const struct {
        const char* text;
        BandIndex band;
    } cases[] = {
        {"3499", NoBand},  {"3500", Band80},     {"4000", Band80},  {"4001", NoBand},
        {"6999", NoBand},  {"7000", Band40},     {"7300", Band40},  {"7301", NoBand},
        {"13999", NoBand}, {"14000", Band20},    {"14350", Band20}, {"14351", NoBand},
        {"20999", NoBand}, {"21000", Band15},    {"21450", Band15}, {"21451", NoBand},
        {"27999", NoBand}, {"28000", Band10},    {"29700", Band10}, {"29701", NoBand},
        {" 3500", Band80}, {"\t7000\r", Band40}, {"3400", NoBand},  {"1800", NoBand},
        {"24890", NoBand}, {"50000", NoBand},    {"14", NoBand},    {"14.025", NoBand},
        {"", NoBand},      {"    ", NoBand},     {"x3500", NoBand}, {"35 00", NoBand},
        {"014000", Band20}, {"0000014000", Band20}, {"00000000000000014000", Band20},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BandFromFrequency(c.text), c.band) << '"' << c.text << '"';
    }
}

// The lists the window offers, and the band each band entry stands for.
TEST(Entries, HoldTheContestsTexts) {
    EXPECT_EQ(FrequencyEntries(),
              (std::vector<std::string>{" 3500", " 7000", "14000", "21000", "28000"}));
    const BandIndex bands[] = {Band80, Band40, Band20, Band15, Band10};
    for (std::size_t i = 0; i < std::size(bands); ++i)
        EXPECT_EQ(BandFromFrequency(FrequencyEntries()[i]), bands[i]) << i;
    EXPECT_EQ(ContestEntries(), (std::vector<std::string>{"SAC-CW", "SAC-SSB"}));
    EXPECT_EQ(DefaultReport(SacCw), "599");
    EXPECT_EQ(DefaultReport(SacSsb), "59");
    EXPECT_EQ(DefaultReport(NoContest), "");
}

TEST(IsScandinavianPrefix, ComparesWholeTexts) {
    for (const char* prefix :
         {"SM", "OH", "OH0", "LA", "OZ", "TF", "OX", "OJ0", "OY", "JX", "JW"}) {
        EXPECT_TRUE(IsScandinavianPrefix(prefix)) << prefix;
    }
    for (const char* prefix : {"SM0", "OH1", "-", "sm", "", "S", "OJ", "***", "DL"}) {
        EXPECT_FALSE(IsScandinavianPrefix(prefix)) << prefix;
    }
}

// Typed on the station page or read from an opened log, the class follows one rule.
TEST(Classify, SameRuleForTypedAndOpenedCallsigns) {
    const struct {
        bool countryFile;
        const char* call;
        const char* stationClass;
        bool scandinavian;
        bool european;
    } cases[] = {
        {true, "SM5ABC", ScandinavianClass, true, true},
        {true, "OH0XYZ", ScandinavianClass, true, true},
        {true, "DL1ABC", EuropeanClass, false, true},
        {true, "K1ABC", DxClass, false, false},
        {true, "OX3XR", ScandinavianClass, true, false},  // Greenland lies in NA
        {true, "QQ1ABC", DxClass, false, false},
        {true, "", DxClass, false, false},  // nothing looked up yet
        {false, "SM5ABC", DxClass, false, false},
        {false, "DL1ABC", DxClass, false, false},
    };
    for (const auto& c : cases) {
        CountryTable table = c.countryFile ? test::SyntheticCountryTable() : CountryTable();
        ContestState state;
        EXPECT_EQ(ClassifyStation(table, state, c.call), c.stationClass) << c.call;
        EXPECT_EQ(state.StationClass, c.stationClass) << c.call;
        EXPECT_EQ(state.OwnScandinavian, c.scandinavian) << c.call;
        EXPECT_EQ(state.OwnEuropean, c.european) << c.call;
    }
    // An empty call keeps the entity of the previous lookup.
    CountryTable table = test::SyntheticCountryTable();
    ContestState state;
    ClassifyStation(table, state, "DL1ABC");
    EXPECT_EQ(ClassifyStation(table, state, ""), EuropeanClass);
}

TEST(ContestCalendar, RuleReproducesEveryPublishedRow) {
    ASSERT_EQ(ContestCalendar().size(), 18u);
    int year = 2002;
    for (const ContestCalendarRow& row : ContestCalendar()) {
        EXPECT_EQ(row.Year, year++);
        EXPECT_EQ(ContestRuleDate(SacCw, row.Year), row.SacCw);
        EXPECT_EQ(ContestRuleDate(SacSsb, row.Year), row.SacSsb);
        EXPECT_EQ(ContestCalendarDate(SacCw, row.Year), row.SacCw);
        EXPECT_EQ(ContestCalendarDate(SacSsb, row.Year), row.SacSsb);
    }
}

TEST(ContestCalendar, YearsWithoutRowFollowTheRule) {
    EXPECT_EQ(ContestCalendarDate(SacCw, 2026), "2026-09-19");
    EXPECT_EQ(ContestCalendarDate(SacSsb, 2026), "2026-10-10");
    EXPECT_EQ(ContestCalendarDate(SacCw, 2001), "2001-09-15");
    EXPECT_EQ(ContestCalendarDate(SacSsb, 2001), "2001-09-22");
    EXPECT_EQ(ContestCalendarDate(NoContest, 2026), "");
    EXPECT_EQ(ContestCalendarDate(SacCw, 0), "");

    // Every rule date is a Saturday whose weekend lies in the contest's month.
    using namespace std::chrono;
    for (int y = 1980; y <= 2100; ++y) {
        for (int entry : {SacCw, SacSsb}) {
            const std::string date = ContestCalendarDate(entry, y);
            ASSERT_EQ(date.size(), 10u);
            const year_month_day ymd{year{y}, month{unsigned(std::stoi(date.substr(5, 2)))},
                                     day{unsigned(std::stoi(date.substr(8, 2)))}};
            ASSERT_TRUE(ymd.ok()) << date;
            EXPECT_EQ(weekday{sys_days{ymd}}, Saturday) << date;
            EXPECT_EQ(year_month_day{sys_days{ymd} + days{1}}.month(), ymd.month()) << date;
        }
    }
}

TEST(PrepareLogPage, GivesDateAndReportOfTheChosenContest) {
    const LogPageDefaults ssb = PrepareLogPage(SacSsb, 2011);
    EXPECT_EQ(ssb.ContestDate, "2011-10-08");
    EXPECT_EQ(ssb.Report, "59");
    const LogPageDefaults cw = PrepareLogPage(SacCw, 2025);
    EXPECT_EQ(cw.ContestDate, "2025-09-20");
    EXPECT_EQ(cw.Report, "599");
    const LogPageDefaults none = PrepareLogPage(NoContest, 2025);
    EXPECT_EQ(none.ContestDate + none.Report, "");
}

// The date, or the message of the error raised instead.
template <class F>
std::string Outcome(F f) {
    try {
        return f();
    } catch (const KeroltError& error) {
        return error.what();
    }
}

TEST(QsoDate, BeforeNoonIsTheNextDay) {
    const struct {
        const char* contestDate;
        const char* time;
        const char* date;
    } cases[] = {
        {"2011-10-08", "0930", "2011-10-09"},
        {"2011-10-08", "1159", "2011-10-09"},
        {"2011-10-08", "1200", "2011-10-08"},
        {"2011-10-08", "", "2011-10-09"},     // the empty text is smaller than "1200"
        {"2011-10-08", "930", "2011-10-08"},  // "9" > "1"
        {"2019-09-30", "0000", "2019-10-01"},
        {"2019-12-31", "0000", "2020-01-01"},
        {"2024-02-28", "0000", "2024-02-29"},
        {"2023-02-28", "0000", "2023-03-01"},
        {"", "1200", ""},  // the day is never read from noon on
        {"", "0930", "'' is not a valid integer value"},
        {"2019-09-2x", "0930", "'2x' is not a valid integer value"},
        // Only the day has to be a number; a text that forms no date only has its day
        // changed, as it always did.
        {"abcd-09-21", "0930", "abcd-09-22"},
        {"2019-Sp-30", "0930", "2019-Sp-31"},
        {"2019/09/30", "0930", "2019/09/31"},
        {"2019-13-05", "0000", "2019-13-06"},
        {"2019-09-31", "0000", "2019-09-32"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Outcome([&] { return QsoDate(c.contestDate, c.time); }), c.date)
            << c.contestDate << ' ' << c.time;
    }
}

TEST(ContestDateFromFirstQso, BeforeNoonIsTheDayBefore) {
    const struct {
        const char* date;
        const char* time;
        const char* contestDate;
    } cases[] = {
        {"2016-10-09", "0005", "2016-10-08"},
        {"2016-10-09", "1200", "2016-10-09"},
        {"2016-10-01", "0005", "2016-09-30"},
        {"2017-01-01", "0000", "2016-12-31"},
        {"2024-03-01", "1159", "2024-02-29"},
        {"2016-10-xx", "0005", "'xx' is not a valid integer value"},
        {"20x6-10-01", "0005", "20x6-10-00"},
        {"2011-09-1", "0005", "2011-09-00"},
        {"2011-09-+1", "0005", "2011-09-00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Outcome([&] { return ContestDateFromFirstQso(c.date, c.time); }), c.contestDate)
            << c.date << ' ' << c.time;
    }
}

}  // namespace
}  // namespace kerolt
