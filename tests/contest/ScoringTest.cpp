#include "contest/Scoring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

#include "common/Text.h"
#include "tests/support/CountryLines.h"

namespace kerolt {
namespace {

using Lines = std::vector<std::string>;

const Lines ZeroSummary{
    "Band  QSO  Pnt  Mul", "====  ===  ===  ===", " 80m    0    0    0", " 40m    0    0    0",
    " 20m    0    0    0", " 15m    0    0    0", " 10m    0    0    0", "====  ===  ===   ==",
    "        0    0    0", "Score:      0",
};

class ScoringTest : public ::testing::Test {
  protected:
    CountryTable table_ = test::SyntheticCountryTable();
    ContestState state_;
    ScoringEngine engine_{table_, state_};

    // Scores one QSO and returns its row's Mult and P cells.
    std::pair<std::string, std::string> Log(const char* call, BandIndex band) {
        last_ = engine_.ScoreQso(call, band, "1");
        return {engine_.CurrentMult(), engine_.CurrentPoints()};
    }
    ScoreDisplay last_;
};

using Cells = std::pair<std::string, std::string>;

TEST_F(ScoringTest, ScandinavianWorkedExample) {
    EXPECT_EQ(Log("DL1ABC", Band20), Cells("DL", "2"));
    EXPECT_EQ(Log("K1ABC", Band20), Cells("K", "3"));
    EXPECT_EQ(Log("DK2XY", Band20), Cells("", "2"));
    EXPECT_EQ(Log("DL1ABC", Band40), Cells("DL", "2"));
    EXPECT_EQ(Log("DL1ABC", Band20), Cells("", "0"));
    const ScoreDisplay beforeSm = last_;
    EXPECT_EQ(Log("SM5ABC", Band20), Cells("", ""));

    EXPECT_EQ(engine_.MultTable(),
              (std::vector<MultEntry>{{"DL", 3, Band20}, {"K", 1, Band20}, {"DL", 1, Band40}}));
    EXPECT_EQ(engine_.DupeTable(),
              (std::vector<DupeEntry>{
                  {"DL1ABC", Band20}, {"K1ABC", Band20}, {"DK2XY", Band20}, {"DL1ABC", Band40}}));
    EXPECT_EQ(engine_.ClaimedScore(), 27);
    const Lines expected{
        "Band  QSO  Pnt  Mul", "====  ===  ===  ===", " 80m    0    0    0", " 40m    1    2    1",
        " 20m    4    7    2", " 15m    0    0    0", " 10m    0    0    0", "====  ===  ===   ==",
        "        5    9    3", "Score:     27",
    };
    EXPECT_EQ(engine_.ScoreSummary(), expected);
    EXPECT_EQ(beforeSm.Summary, expected);
    EXPECT_EQ(beforeSm.ClaimedScore, "27");
    EXPECT_EQ(beforeSm.EntityText, "DL Fed. Rep. of Germany");
    // Not in the contest: only the entity panel changes.
    EXPECT_FALSE(last_.Summary);
    EXPECT_FALSE(last_.ClaimedScore);
    EXPECT_EQ(last_.EntityText, "Not in contest");
}

TEST_F(ScoringTest, NonScandinavianEntrants) {
    const struct {
        const char* call;
        BandIndex band;
        const char* mult;
        const char* dxPoints;
    } qsos[] = {
        {"SM5ABC", Band40, "SM5", "3"},    {"OH0XYZ", Band20, "OH0", "1"},
        {"OZ/DL1ABC", Band20, "OZ0", "1"}, {"OJ0A", Band80, "OJ0", "3"},
        {"LA", Band20, "LA", "1"},         {"SM5XYZ", Band40, "", "3"},
        {"SM5ABC", Band40, "", "0"},       {"OX3XR", Band15, "OX3", "1"},
        {"SM5ABC", Band10, "SM5", "1"},
    };
    for (const bool european : {false, true}) {
        ContestState state{false, european, "", ""};
        ScoringEngine engine(table_, state);
        for (const auto& q : qsos) {
            engine.ScoreQso(q.call, q.band, "1");
            EXPECT_EQ(engine.CurrentMult(), q.mult) << q.call;
            const std::string points = std::string(q.dxPoints) == "0" ? "0"
                                       : european                     ? "1"
                                                                      : q.dxPoints;
            EXPECT_EQ(engine.CurrentPoints(), points) << q.call << " european " << european;
        }
        EXPECT_EQ(engine.MultTable()[0], (MultEntry{"SM5", 3, Band40}));
        EXPECT_EQ(engine.ClaimedScore(), european ? 7 * 8 : 7 * 14);

        // Non-Scandinavian calls do not count, and never become dupes.
        const ScoreDisplay display = engine.ScoreQso("DL1ABC", Band20, "1");
        EXPECT_EQ(display.EntityText, "Not in contest");
        EXPECT_FALSE(display.Summary);
        EXPECT_EQ(engine.CurrentMult() + engine.CurrentPoints(), "");
        EXPECT_FALSE(engine.IsDupe("DL1ABC", Band20));
        EXPECT_EQ(engine.ScoreQso("QQ1ABC", Band20, "1").EntityText, "Not in contest");
    }
}

// The location a suffix gives decides the class and the multiplier's area as a prefix would.
TEST(Scoring, ASuffixLocationScoresAsThePrefixForm) {
    CountryTable table = test::SyntheticCountryTable();
    const std::tuple<bool, const char*, const char*, const char*> cases[] = {
        {false, "W1AW/OH", "OH0", "1"},   {false, "DL1ABC/OH2", "OH2", "1"},
        {false, "SM5ABC/7", "SM7", "1"},  {false, "DL1ABC/P", "", ""},
        {true, "OH2XX/W1", "K", "3"},     {true, "DL1ABC/OH", "", ""},
        {true, "K1ABC/VE3", "VE", "3"},   {true, "SM5ABC/P", "", ""},
    };
    for (const auto& [scandinavian, call, mult, points] : cases) {
        ContestState state{scandinavian, true, "", ""};
        ScoringEngine engine(table, state);
        engine.ScoreQso(call, Band20, "1");
        EXPECT_EQ(Cells(engine.CurrentMult(), engine.CurrentPoints()), Cells(mult, points)) << call;
    }
    ContestState own;
    EXPECT_EQ(ClassifyStation(table, own, "OH2XX/W1"), DxClass);
    EXPECT_EQ(ClassifyStation(table, own, "W1AW/OH"), ScandinavianClass);
}

TEST_F(ScoringTest, UnknownCallScoresWithoutMultiplier) {
    EXPECT_EQ(Log("QQ1ABC", Band20), Cells("", "3"));
    EXPECT_TRUE(engine_.MultTable().empty());
    EXPECT_TRUE(engine_.IsDupe("QQ1ABC", Band20));
    EXPECT_EQ(Log("QQ1ABC", Band20), Cells("", "0"));
    EXPECT_EQ(engine_.BandTotals()[Band20], (BandTotal{2, 3, 0}));
    EXPECT_EQ(engine_.ClaimedScore(), 0);
    EXPECT_EQ(last_.EntityText, "*** Unknown");
}

TEST_F(ScoringTest, GuantanamoCountsAsK) {
    EXPECT_EQ(Log("KG4AB", Band20), Cells("KG4", "3"));
    EXPECT_EQ(Log("K1ABC", Band20), Cells("", "3"));
    EXPECT_EQ(Log("K1ABC", Band15), Cells("K", "3"));
    EXPECT_EQ(Log("KG4AB", Band15), Cells("", "3"));
    EXPECT_EQ(engine_.MultTable(), (std::vector<MultEntry>{{"K", 2, Band20}, {"K", 2, Band15}}));
}

TEST_F(ScoringTest, UnknownBandCountsInTablesButNoTotal) {
    const ScoreDisplay display = engine_.ScoreQso("DL1ABC", NoBand, "1");
    EXPECT_EQ(engine_.CurrentMult(), "DL");
    EXPECT_EQ(engine_.MultTable(), (std::vector<MultEntry>{{"DL", 1, NoBand}}));
    EXPECT_TRUE(engine_.IsDupe("DL1ABC", NoBand));
    EXPECT_EQ(display.Summary, ZeroSummary);
    EXPECT_EQ(display.ClaimedScore, "0");
}

TEST_F(ScoringTest, DupesCompareTrimmedTextCutToTheField) {
    EXPECT_FALSE(engine_.CheckAndAddDupe(" DL1ABC\t", Band20));
    EXPECT_TRUE(engine_.IsDupe("DL1ABC", Band20));
    EXPECT_FALSE(engine_.IsDupe("DL1ABC", Band40));
    EXPECT_FALSE(engine_.IsDupe("DL1AB", Band20));
    EXPECT_FALSE(engine_.IsDupe("dl1abc", Band20));

    // The longest call a field holds is stored whole and is a dupe of itself.
    const char* longCall = "DL1ABCDEFGHIJ";
    EXPECT_EQ(Log(longCall, Band20), Cells("DL", "2"));
    EXPECT_EQ(Log(longCall, Band20), Cells("", "0"));
    EXPECT_EQ(engine_.DupeTable().back(), (DupeEntry{"DL1ABCDEFGHIJ", Band20}));
    EXPECT_EQ(engine_.DupeTable().size(), 2u);

    // A long multiplier is stored cut and found again.
    EXPECT_EQ(Log("VQ9AA", Band20), Cells("VERYLONG", "3"));
    EXPECT_EQ(Log("VQ9BB", Band20), Cells("", "3"));
    EXPECT_EQ(engine_.MultTable().back(), (MultEntry{"VERYLO", 2, Band20}));
}

TEST(DupeKey, TheWholeCallUpToTheField) {
    const std::pair<const char*, const char*> cases[] = {
        {" DL1ABC\t", "DL1ABC"},
        {"DL1ABCDEFGH", "DL1ABCDEFGH"},      // 11
        {"KH6/DL1ABC/P", "KH6/DL1ABC/P"},    // 12
        {"DL1ABCDEFGHIJ", "DL1ABCDEFGHIJ"},  // 13
        {"DL1ABCDEFGHIJK", "DL1ABCDEFGHIJ"}, // 14, cut to the field
    };
    for (const auto& [call, key] : cases) EXPECT_EQ(DupeKey(call), key) << call;
}

TEST_F(ScoringTest, PortableCallsThatDifferAfterEleven) {
    Log("KH6/DL1ABC/P", Band20);
    EXPECT_FALSE(engine_.IsDupe("KH6/DL1ABC/M", Band20));
    EXPECT_EQ(engine_.CallVerdict("KH6/DL1ABC/M", Band20, "1").English().find("DUPE"),
              std::string::npos);
}

// An opened log hands over each call padded to its column; it scores as the call typed.
TEST(Scoring, CallPaddedAsReadFromAFileScoresAsTyped) {
    using test::EntityLine;
    CountryTable table = CountryTable::FromLines({
        EntityLine("Sweden", "EU", "SM"),
        "    SM;",
        EntityLine("Norway", "EU", "LA"),
        "    LA;",
        EntityLine("Italy", "EU", "I"),
        "    I;",
        EntityLine("ITU HQ", "EU", "4U1I"),
        "    =4U1ITU;",
        EntityLine("United States", "NA", "K"),
        "    K,=AH6O;",
        EntityLine("Hawaii", "OC", "KH6"),
        "    AH6,KH6;",
        EntityLine("Norfolk Island", "OC", "VK9N"),
        "    VK9;",
        EntityLine("Christmas Island", "OC", "VK9X"),
        "    VK9XAB;",
    });
    const struct {
        bool scandinavian;
        const char* call;
        const char* mult;
        const char* points;
    } cases[] = {
        {true, "4U1ITU", "4U1I", "2"}, {true, "AH6O", "K", "3"}, {true, "VK9XAB", "VK9X", "3"},
        {true, "AH6OX", "KH6", "3"},   {false, "LA", "LA", "1"}, {false, "SM5ABC", "SM5", "1"},
    };
    for (const auto& c : cases) {
        std::string padded(c.call);
        padded.resize(14, ' ');  // the width of the call's column
        for (const std::string& call : {std::string(c.call), padded}) {
            ContestState state{c.scandinavian, true, "", ""};
            ScoringEngine engine(table, state);
            engine.ScoreQso(call, Band20, "1");
            EXPECT_EQ(Cells(engine.CurrentMult(), engine.CurrentPoints()), Cells(c.mult, c.points))
                << '"' << call << '"';
        }
    }
}

// A call erased in the grid leaves a row that is no QSO, for every entrant class.
TEST_F(ScoringTest, RowWithoutACallCountsNowhere) {
    for (const bool scandinavian : {true, false}) {
        state_.OwnScandinavian = scandinavian;
        for (const char* call : {"", "   ", " \t"}) {
            EXPECT_EQ(Log(call, Band20), Cells("", "")) << '"' << call << '"';
        }
    }
    EXPECT_TRUE(engine_.MultTable().empty());
    EXPECT_TRUE(engine_.DupeTable().empty());
    EXPECT_EQ(engine_.BandTotals()[Band20].Qsos, 0);
}

TEST_F(ScoringTest, StoresGrowPastTheOldCapacity) {
    // Appended rather than "W" + text, which g++ 12 at -O3 takes for an overlapping copy.
    const auto numbered = [](char letter, int i) {
        std::string text(1, letter);
        text += std::to_string(i);
        return text;
    };
    for (int i = 0; i < 4000; ++i) {
        EXPECT_FALSE(engine_.CheckAndAddDupe(numbered('W', i), Band20));
        EXPECT_TRUE(engine_.AddMult(Band80, numbered('M', i)));
    }
    EXPECT_EQ(engine_.DupeTable().size(), 4000u);
    EXPECT_EQ(engine_.MultTable().size(), 4000u);
    EXPECT_TRUE(engine_.IsDupe("W3999", Band20));
    EXPECT_FALSE(engine_.AddMult(Band80, "M3999"));
    EXPECT_EQ(engine_.MultTable().back().Count, 2);
}

TEST(DisplayText, PadLeftWidensInsteadOfCutting) {
    const struct {
        long long n;
        int width;
        const char* text;
    } cases[] = {
        {0, 5, "    0"},
        {27, 7, "     27"},
        {-5, 4, "  -5"},
        {12345, 5, "12345"},
        {123456, 5, "123456"},
        {7, 0, "7"},
        {7, -3, "7"},
        {1, 30, "                    1"},
        {-2147483648LL, 7, "-2147483648"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PadLeft(c.n, c.width), c.text) << c.n << ' ' << c.width;
    }
    EXPECT_EQ(EntityStatusText({"VK9X", "Christmas Island with a much longer name", "OC"}),
              "VK9X Christmas Island with a much lon");
}

QsoLog MakeLog(const std::vector<std::pair<std::string, std::string>>& qsos) {
    QsoLog log;
    for (const auto& [freq, call] : qsos) {
        const int row = log.QsoCounter++;
        log.AddRow();
        log.SetCell(row, ColRow, std::to_string(row));
        log.SetCell(row, ColFreq, freq);
        log.SetCell(row, ColCall, call);
        log.SetCell(row, ColMult, "stale");
        log.SetCell(row, ColPoints, "stale");
    }
    return log;
}

TEST_F(ScoringTest, RescoreEmptyLogShowsZeroState) {
    Log("DL1ABC", Band20);
    QsoLog log;
    const ScoreDisplay display = engine_.RescoreLog(log);
    EXPECT_EQ(display.Summary, ZeroSummary);
    EXPECT_EQ(display.ClaimedScore, "0");
    EXPECT_FALSE(display.EntityText);
    EXPECT_TRUE(engine_.DupeTable().empty());
    EXPECT_TRUE(engine_.MultTable().empty());
    EXPECT_EQ(log.RowAt(0), QsoLog::Headings());
    EXPECT_EQ(log.RowAt(1), QsoLog::Row{});
}

TEST_F(ScoringTest, RescoreRefreshesScoreWhenLastRowIsNotInContest) {
    QsoLog log = MakeLog({{"14000", "DL1ABC"}, {" 7000", "K1ABC"}, {"14000", "SM5ABC"}});
    Log("JA1XYZ", Band80);  // an earlier state the display must not keep
    const ScoreDisplay display = engine_.RescoreLog(log);
    EXPECT_EQ(display.EntityText, "Not in contest");
    EXPECT_EQ(display.ClaimedScore, "10");
    ASSERT_TRUE(display.Summary);
    EXPECT_EQ((*display.Summary)[9], "Score:     10");
    EXPECT_EQ(log.Cell(1, ColMult) + log.Cell(2, ColPoints) + log.Cell(3, ColPoints), "DL3");
    EXPECT_EQ(log.RowAt(4), QsoLog::Row{});
}

// The worked example logged in one piece and re-scored, with a 000 QSO and a row of no band:
// every cell and total written out.
TEST_F(ScoringTest, RescoreGivesTheWorkedExampleCells) {
    QsoLog log = MakeLog({{"14000", "DL1ABC"},
                          {"14000", "K1ABC"},
                          {"14000", "DK2XY"},
                          {" 7000", "DL1ABC"},
                          {"14000", "DL1ABC"},
                          {"14000", "SM5ABC"},
                          {"21000", "K2XX"},
                          {"24890", "JA1XYZ"},
                          {"21000", "K1ABC    "}});
    for (int row = 1; row <= log.QsoRowCount(); ++row) log.SetCell(row, ColNrRcvd, "5");
    log.SetCell(7, ColNrRcvd, "000");
    state_.ContestDate = "2018-09-15";
    engine_.ScoreQso("OH2BH", Band80, "1");  // stores not empty before the re-scoring
    const ScoreDisplay display = engine_.RescoreLog(log);

    std::string cells;
    for (int row = 1; row <= log.QsoRowCount(); ++row)
        cells += log.Cell(row, ColMult) + ' ' + log.Cell(row, ColPoints) + ',';
    EXPECT_EQ(cells, "DL 2,K 3, 2,DL 2, 0, , 0,JA 3,K 3,");
    EXPECT_EQ(engine_.MultTable(), (std::vector<MultEntry>{{"DL", 3, Band20},
                                                           {"K", 1, Band20},
                                                           {"DL", 1, Band40},
                                                           {"JA", 1, NoBand},
                                                           {"K", 1, Band15}}));
    EXPECT_EQ(engine_.DupeTable().size(), 7u);
    EXPECT_EQ(engine_.BandTotals()[Band15], (BandTotal{2, 3, 1}));
    EXPECT_EQ(engine_.BandTotals()[NoBand], (BandTotal{}));
    EXPECT_EQ(display.ClaimedScore, "48");  // 4 mults x 12 points
    EXPECT_EQ(display.EntityText, "K United States of America");
}

// One row changed and only its call's and multiplier's rows scored again, against the whole
// log scored again: the edges where a first QSO moves, appears or goes.
TEST_F(ScoringTest, RescoreRowMovesTheFirstQsoOfACall) {
    struct Edit {
        int Row;
        const char* Freq;
        const char* Call;
        const char* Cells;
    } edits[] = {
        {1, "14000", "K1ABC", "K 3,DL 2, 0,"},   // the first of two goes: the second counts
        {2, "14000", "K1ABC", "DL 2,K 3, 0,"},    // a new second: the third dupes the first
        {3, "14000", "DL2XX", "DL 2, 0, 2,"},     // the third leaves the dupe for its own call
        {3, " 7000", "DL1ABC", "DL 2, 0,DL 2,"},  // the third leaves the band: a mult there
        {1, "14000", "", " ,DL 2, 0,"},            // an erased call is no QSO
        {1, "14000", "SM5ABC", " ,DL 2, 0,"},      // nor is a Scandinavian's
    };
    for (const Edit& e : edits) {
        QsoLog log = MakeLog({{"14000", "DL1ABC"}, {"14000", "DL1ABC"}, {"14000", "DL1ABC"}});
        engine_.RescoreLog(log);
        log.SetCell(e.Row, ColFreq, e.Freq);
        log.SetCell(e.Row, ColCall, e.Call);
        engine_.RescoreRow(log, e.Row);
        std::string cells;
        for (int row = 1; row <= 3; ++row)
            cells += log.Cell(row, ColMult) + ' ' + log.Cell(row, ColPoints) + ',';
        EXPECT_EQ(cells, e.Cells) << e.Row << e.Call;
    }
}

// Random edits, commits and removals of the last row, each followed by RescoreRow on one
// engine and RescoreLog on another: cells, stores, totals and display agree every time.
TEST(RescoreRow, AgreesWithRescoreLogOverRandomChanges) {
    const char* calls[] = {"DL1ABC", "DL1ABC ", "DK2XY", "K1ABC", "KG4AA", "JA1XYZ", "SM5ABC",
                           "OH2BH", "OH0X", "OH2BH/0", "LA9Z", "XX9ZZ", "", "VQ9A", "OZ1A"};
    const char* freqs[] = {"3500", "7000", "14000", "21000", "28000", "24890", "1"};
    const char* numbers[] = {"1", "5", "0", "000"};
    for (const bool scandinavian : {true, false}) {
        CountryTable incrementalTable = test::SyntheticCountryTable();
        CountryTable wholeTable = test::SyntheticCountryTable();
        ContestState state;
        state.OwnScandinavian = scandinavian;
        state.OwnEuropean = false;
        state.ContestDate = "2019-09-21";
        ScoringEngine incremental(incrementalTable, state);
        ScoringEngine whole(wholeTable, state);
        QsoLog log;
        std::mt19937 random(scandinavian ? 7 : 11);
        const auto pick = [&](const auto& pool) {
            return std::string(pool[random() % std::size(pool)]);
        };
        const auto row = [&] {
            QsoLog::Row r;
            r[ColFreq] = pick(freqs);
            r[ColCall] = pick(calls);
            r[ColNrRcvd] = pick(numbers);
            return r;
        };
        for (int i = 0; i < 40; ++i) incremental.ScoreRow(log, log.AppendQso(row()));
        for (int step = 0; step < 600; ++step) {
            const unsigned what = random() % 10;
            ScoreDisplay display;
            if (what == 0) {
                display = incremental.ScoreRow(log, log.AppendQso(row()));
            } else if (what == 1 && log.QsoRowCount() > 1) {
                const int last = log.QsoRowCount();
                log.RemoveLastQso();
                display = incremental.RescoreRow(log, last);
            } else {
                const int changed = 1 + static_cast<int>(random() % log.QsoRowCount());
                const QsoLog::Row r = row();
                for (const int col : {ColFreq, ColCall, ColNrRcvd}) {
                    if (random() % 2 == 0)
                        log.SetCell(changed, col, r[col]);
                }
                display = incremental.RescoreRow(log, changed);
            }
            QsoLog fresh = log;
            const ScoreDisplay expected = whole.RescoreLog(fresh);
            ASSERT_EQ(log.Cell(1, ColMult), fresh.Cell(1, ColMult));
            for (int r = 1; r <= log.QsoRowCount(); ++r)
                ASSERT_EQ(log.RowAt(r), fresh.RowAt(r)) << "step " << step << " row " << r;
            if (what != 0) {
                ASSERT_EQ(display.Summary, expected.Summary) << step;
                ASSERT_EQ(display.ClaimedScore, expected.ClaimedScore) << step;
                ASSERT_EQ(display.EntityText, expected.EntityText) << step;
                ASSERT_EQ(incremental.CurrentMult(), whole.CurrentMult()) << step;
                ASSERT_EQ(incremental.CurrentPoints(), whole.CurrentPoints()) << step;
            }
            ASSERT_EQ(incremental.MultTable(), whole.MultTable()) << step;
            ASSERT_EQ(incremental.DupeTable(), whole.DupeTable()) << step;
            ASSERT_EQ(incremental.BandTotals(), whole.BandTotals()) << step;
            ASSERT_EQ(incremental.ClaimedScore(), whole.ClaimedScore()) << step;
            // A commit looks up its own call only, a re-scoring every call.
            if (what != 0) {
                ASSERT_EQ(incrementalTable.CurrentEntity().PrimaryPrefix,
                          wholeTable.CurrentEntity().PrimaryPrefix) << step;
            }
            // What the stores now say of a call about to be typed agrees too.
            const std::string typed = pick(calls);
            ASSERT_EQ(incremental.CallVerdict(typed, Band20, "1").English(),
                      whole.CallVerdict(typed, Band20, "1").English()) << step;
        }
    }
}

// A QSO with no serial number given: from 2018 no points and no multiplier, though a later QSO
// with the station may bring it; before 2018 it scores as any other. A date without a year
// follows today's rules.
TEST(ZeroNumberRule, ByContestYear) {
    CountryTable table = test::SyntheticCountryTable();
    const char* const qsos[][2] = {
        {"DL1ABC", "000"}, {"DL1ABC", "12"}, {"DK2XY", "0"}, {"DK3AA", "100"}};
    const std::tuple<const char*, const char*, std::int32_t> cases[] = {
        {"2017-09-16", "DL 2, 0, 2, 2,", 6},
        {"2018-09-15", " 0,DL 0, 0, 2,", 2},
        {"", " 0,DL 0, 0, 2,", 2},
    };
    for (const auto& [date, cells, score] : cases) {
        ContestState state{true, true, ScandinavianClass, date};
        ScoringEngine engine(table, state);
        std::string logged;
        for (const auto& [call, nr] : qsos) {
            engine.ScoreQso(call, Band20, nr);
            logged += engine.CurrentMult() + ' ' + engine.CurrentPoints() + ',';
        }
        EXPECT_EQ(logged, cells) << date;
        EXPECT_EQ(engine.ClaimedScore(), score) << date;
    }
}

// One function says whether a received number scores: zero scores nothing from the 2018
// contest on, anything else always.
TEST(ReceivedNumberScores, ZeroFromTheContestOf2018On) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"000", "2017-09-16", true}, {"000", "2018-09-15", false}, {"0", "2017-10-14", true},
        {"0", "2018-10-13", false},  {" 0 ", "2026-09-19", false}, {"000", "", false},
        {"1", "2018-09-15", true},   {"010", "2026-09-19", true},  {"", "2018-09-15", true},
        {"00x", "2018-09-15", true},
    };
    for (const auto& [nr, date, scores] : cases)
        EXPECT_EQ(ReceivedNumberScores(nr, date), scores) << '"' << nr << "\" " << date;
}

// A station that gave 000 and then, on the same band, a number: in 2018 the second QSO still
// brings the multiplier the first could not, in 2017 the first already took it.
TEST(CallVerdict, ZeroNumberFirstThenTheSameStationWithANumber) {
    CountryTable table = test::SyntheticCountryTable();
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"2018-09-15", "000", "0 pts: received 000", "NEW MULT DL"},
        {"2017-09-16", "000", "NEW MULT DL", "DUPE"},
        {"2018-09-15", "1", "NEW MULT DL", "DUPE"},
    };
    for (const auto& [date, firstNr, firstVerdict, secondVerdict] : cases) {
        ContestState state{true, true, ScandinavianClass, date};
        ScoringEngine engine(table, state);
        EXPECT_EQ(engine.CallVerdict("DL1ABC", Band20, firstNr).English(), firstVerdict) << date;
        engine.ScoreQso("DL1ABC", Band20, firstNr);
        EXPECT_EQ(engine.CallVerdict("DL1ABC", Band20, "12").English(), secondVerdict) << date;
    }
}

// What a typed call would score, told before Enter, for a log holding one QSO on 20 m.
TEST(CallVerdict, OneCallOfEachKind) {
    CountryTable table = test::SyntheticCountryTable();
    const std::tuple<bool, const char*, const char*, const char*> cases[] = {
        {true, "DL1ABC", "", "DUPE"},
        {true, "DK2XY", "", "2 pts"},
        {true, "K1ABC", "5", "NEW MULT K"},
        {true, "DK2XY", "000", "0 pts: received 000"},
        {true, "OH2BH", "", "0 pts: Scandinavian with Scandinavian"},
        {false, "SM5ABC", "", "1 pt"},
        {false, "DL1ABC", "", "0 pts: not in the contest"},
        {true, "QQ1ABC", "", "3 pts: no country found"},
        {true, "2345", "", ""},
        {true, "14025.5", "", ""},
        {false, "2345", "", ""},
    };
    for (const auto& [scandinavian, call, nr, verdict] : cases) {
        ContestState state{scandinavian, true, "", ""};
        ScoringEngine engine(table, state);
        engine.ScoreQso(scandinavian ? "DL1ABC" : "SM5XYZ", Band20, "1");
        EXPECT_EQ(engine.CallVerdict(call, Band20, nr).English(), verdict) << call << ' ' << nr;
    }
}

}  // namespace
}  // namespace kerolt
