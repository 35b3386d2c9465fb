#include "contest/Results.h"

#include <gtest/gtest.h>

#include "tests/support/CountryLines.h"

namespace kerolt {
namespace {

struct Qso {
    const char* freq;
    const char* time;
    const char* call;
};

// A Scandinavian entrant's log: dupes, a Scandinavian call, a break of exactly the break
// length, the second day, a frequency of no contest band and a QSO without a time.
const Qso KnownLog[] = {
    {"14000", "1203", "DL1ABC"}, {"14000", "1205", "K1ABC"},  {"14000", "1209", "DL1ABC"},
    {"14000", "1214", "SM5ABC"}, {" 7000", "1233", "DL1ABC"}, {" 7000", "1303", "K1ABC"},
    {" 3500", "0015", "DK2XY"},  {"24890", "0020", "DL1ABC"}, {"21000", "", "K2XX"},
};

class ResultsTest : public ::testing::Test {
  protected:
    // The first n QSOs of the known log, scored.
    const QsoLog& Logged(std::size_t n) {
        for (std::size_t i = 0; i < n; ++i)
            log_.AppendQso({"", KnownLog[i].freq, KnownLog[i].time, "599", "1", KnownLog[i].call,
                            "599", "1", "", ""});
        engine_.RescoreLog(log_);
        return log_;
    }

    CountryTable table_ = test::SyntheticCountryTable();
    ContestState state_;
    ScoringEngine engine_{table_, state_};
    QsoLog log_;
};

TEST_F(ResultsTest, TableTimesAndHoursOfAKnownLog) {
    const ContestResults results = BuildResults(Logged(std::size(KnownLog)), engine_, "2026-09-19");
    // SM5ABC is not in the contest and 24890 kHz is no contest band: logged, not counted.
    const struct {
        BandIndex band;
        BandResult line;
    } bands[] = {
        {Band80, {1, 0, 0, 2, 1}}, {Band40, {2, 0, 0, 5, 2}}, {Band20, {3, 1, 0, 5, 2}},
        {Band15, {1, 0, 0, 3, 1}}, {Band10, {0, 0, 0, 0, 0}}, {NoBand, {0, 0, 0, 0, 0}},
    };
    for (const auto& [band, line] : bands) EXPECT_EQ(results.Bands[band], line) << int(band);
    EXPECT_EQ(results.Total, (BandResult{7, 1, 0, 15, 6}));
    EXPECT_EQ(results.NotInContest, 1);
    EXPECT_EQ(results.OffBand, 1);
    EXPECT_EQ(results.Score, 90);
    EXPECT_EQ(results.FirstToLastMinutes, 732);  // 1203 to 0015 the next day
    EXPECT_EQ(results.OnAirMinutes, 30);         // without the 30 and 672 minute breaks
    EXPECT_EQ(results.BestHourQsos, 4);          // 1303 is 60 minutes after 1203
    EXPECT_EQ(results.UntimedQsos, 1);

    // Hours 0 (from 1200), 1 and 12 (from 0000 the next day).
    EXPECT_EQ(results.PerHour[0], (std::array<int, BandCount + 1>{0, 0, 1, 3, 0, 0}));
    EXPECT_EQ(results.PerHour[1][Band40], 1);
    EXPECT_EQ(results.PerHour[12][Band80], 1);
    EXPECT_EQ(ClockHourOf(12), 0);

    // The score table beside the log counts the same QSOs.
    const std::vector<std::string> table = engine_.ScoreSummary();
    EXPECT_EQ(table[4], " 20m    3    5    2");
    EXPECT_EQ(table[8], "        7   15    6");

    const SummaryStation station{"SM5QQQ", "SAC-CW", {"SINGLE-OP", "Category-Power", "ALL", ""}};
    std::string text;
    for (const std::string& line : ResultsSummary(station, results)) text += line + "\n";
    EXPECT_EQ(text,
              "Call: SM5QQQ\nContest: SAC-CW\nCategories: SINGLE-OP ALL\n"
              "Band  QSOs Dupes  Mults\n"
              "80m      1     0      1\n"
              "40m      2     0      2\n"
              "20m      3     1      2\n"
              "15m      1     0      1\n"
              "10m      0     0      0\n"
              "Total    7     1      6\n"
              "Score: 90\n"
              "Operating time: 12 h 12 min (on the air 0 h 30 min)\n");

    std::string figures;
    for (const Message& line : ResultsFigures(results)) figures += line.English() + "\n";
    EXPECT_EQ(figures,
              "Score: 90\nOperating time: 12 h 12 min\n"
              "On the air: 0 h 30 min (breaks of 30 min or more left out)\n"
              "Best 60 min: 4 QSOs\nWithout a time: 1 QSO\n"
              "Not in the contest, not counted: 1 QSO\n"
              "On no contest band, not counted: 1 QSO\n");
}

TEST_F(ResultsTest, EveryRowCountsOnceWhereTheScoringPutsIt) {
    const struct {
        const char *freq, *call, *nr;
        BandResult line20;  // the 20 m line after the row
        int notInContest, offBand;
    } rows[] = {
        {"14000", "DL1ABC", "1", {1, 0, 0, 2, 1}, 0, 0},
        {"14000", "DL1ABC", "1", {2, 1, 0, 2, 1}, 0, 0},   // a dupe counts
        {"14000", "K1ABC", "000", {3, 1, 1, 2, 1}, 0, 0},  // so does a QSO worth nothing
        {"14000", "SM5ABC", "1", {3, 1, 1, 2, 1}, 1, 0},   // a Scandinavian does not
        {"14000", "", "1", {3, 1, 1, 2, 1}, 2, 0},         // nor a row without a call
        {"14350", "K2ABC", "1", {4, 1, 1, 5, 2}, 2, 0},    // the band's last kHz
        {"24890", "K3ABC", "1", {4, 1, 1, 5, 2}, 2, 1},    // 12 m: scored, on no contest band
        {"", "K4ABC", "1", {4, 1, 1, 5, 2}, 2, 2},
    };
    state_.ContestDate = "2026-09-19";
    for (const auto& row : rows) {
        log_.AppendQso({"", row.freq, "1300", "599", "1", row.call, "599", row.nr, "", ""});
        engine_.RescoreLog(log_);
        const ContestResults results = BuildResults(log_, engine_, "2026-09-19");
        EXPECT_EQ(results.Bands[Band20], row.line20) << row.freq << " " << row.call;
        EXPECT_EQ(results.Total, row.line20) << row.freq << " " << row.call;
        EXPECT_EQ(results.NotInContest, row.notInContest) << row.freq << " " << row.call;
        EXPECT_EQ(results.OffBand, row.offBand) << row.freq << " " << row.call;
        EXPECT_EQ(results.PerHour[1][Band20], row.line20.Qsos) << row.freq << " " << row.call;
    }
}

TEST(ResultsText, QsoCountsSpeakInTheSingularForOne) {
    const struct {
        int n;
        const char* text;
    } cases[] = {{0, "0 QSOs"}, {1, "1 QSO"}, {2, "2 QSOs"}, {11, "11 QSOs"}};
    for (const auto& [n, text] : cases) EXPECT_EQ(QsoCount(n).English(), text);
    // One QSO and two have templates of their own, never a glued ending.
    EXPECT_STREQ(QsoCount(1).Template().Source, "%1 QSO");
    EXPECT_STREQ(QsoCount(2).Template().Source, "%1 QSOs");
}

TEST_F(ResultsTest, RateLineOnAShortLog) {
    const struct {
        std::size_t qsos;
        RateLine rate;
        const char* text;
    } cases[] = {
        {0, {0, std::nullopt}, "Last 60 min: 0  Last 10: -"},
        {1, {1, std::nullopt}, "Last 60 min: 1  Last 10: -"},
        {2, {2, 30}, "Last 60 min: 2  Last 10: 30/h"},  // one gap of 2 minutes
        // 1203 falls out of the hour to 1303; SM5ABC at 1214 is not in the contest.
        {6, {4, 4}, "Last 60 min: 4  Last 10: 4/h"},
        // 24890 kHz is no contest band.
        {8, {1, 0}, "Last 60 min: 1  Last 10: 0/h"},
    };
    for (const auto& [qsos, rate, text] : cases) {
        log_ = QsoLog();
        const RateLine line = BuildRateLine(Logged(qsos), "2026-09-19");
        EXPECT_EQ(line, rate) << qsos;
        EXPECT_EQ(RateLineText(line).English(), text) << qsos;
    }
}

// Two QSOs a few minutes apart, either side of the break length, the hour and the contest's
// start: on-air time, the best hour and the last 60 minutes, written out.
TEST(Results, BreakAndHourEdges) {
    const struct {
        const char* first;
        const char* second;
        int onAir, bestHour, lastHour, firstToLast;
    } cases[] = {
        {"1200", "1229", 29, 2, 2, 29},   // a pause of 29 minutes is operating time
        {"1200", "1230", 0, 2, 2, 30},    // 30 minutes is a break
        {"1201", "1300", 0, 2, 2, 59},    // 59 minutes before the last is within its hour
        {"1200", "1300", 0, 1, 1, 60},    // 60 minutes before is not
        {"1159", "1200", 0, 1, 1, 1439},  // 1159 is the contest's last minute, the next day
        {"1145", "1150", 5, 2, 2, 5},
    };
    CountryTable table = test::SyntheticCountryTable();
    ContestState state;
    ScoringEngine engine(table, state);
    for (const auto& c : cases) {
        QsoLog log;
        for (const char* time : {c.first, c.second})
            log.AppendQso({"", "14000", time, "599", "1", "DL1ABC", "599", "1", "", ""});
        engine.RescoreLog(log);
        const ContestResults results = BuildResults(log, engine, "2026-09-19");
        EXPECT_EQ(results.OnAirMinutes, c.onAir) << c.first << ' ' << c.second;
        EXPECT_EQ(results.BestHourQsos, c.bestHour) << c.first << ' ' << c.second;
        EXPECT_EQ(results.FirstToLastMinutes, c.firstToLast) << c.first << ' ' << c.second;
        EXPECT_EQ(BuildRateLine(log, "2026-09-19").LastHourQsos, c.lastHour)
            << c.first << ' ' << c.second;
    }
}

// The last ten QSOs are the ten latest times, whatever order they were logged in; an
// eleventh earlier QSO does not widen the span.
TEST(Results, LastTenRateTakesTheTenLatestTimes) {
    const struct {
        std::vector<const char*> times;  // in log order
        int lastHour;
        std::optional<int> lastTen;
    } cases[] = {
        {{"1219", "1218", "1217", "1216", "1215", "1214", "1213", "1212", "1211", "1210", "1200"},
         11, 60},
        {{"1200", "1219", "1210", "1218", "1211", "1217", "1212", "1216", "1213", "1215", "1214"},
         11, 60},
        {{"1218", "1216", "1214", "1212", "1210", "1208", "1206", "1204", "1202", "1200"}, 10, 30},
        {{"1300", "1210", "1200"}, 2, 2},  // 1200 is out of the hour to 1300
    };
    CountryTable table = test::SyntheticCountryTable();
    ContestState state;
    ScoringEngine engine(table, state);
    for (const auto& c : cases) {
        QsoLog log;
        for (const char* time : c.times)
            log.AppendQso({"", "14000", time, "599", "1", "DL1ABC", "599", "1", "", ""});
        engine.RescoreLog(log);
        const RateLine rate = BuildRateLine(log, "2026-09-19");
        EXPECT_EQ(rate.LastHourQsos, c.lastHour) << c.times.size();
        EXPECT_EQ(rate.LastTenRate, c.lastTen) << c.times.size();
    }
}

}  // namespace
}  // namespace kerolt
