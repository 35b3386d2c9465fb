#include "cabrillo/LogDocument.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "cabrillo/CabrilloReader.h"
#include "cabrillo/LogCheck.h"
#include "tests/cabrillo/CabrilloTestSupport.h"
#include "tests/support/CountryLines.h"

namespace kerolt {
namespace {

using testing::QsoRow;
using testing::SampleStation;

struct CellCase {
    int col;
    const char* text;
    int contest;
    bool taken;
};

class CellRuleTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellRuleTest, FollowsTheEntryRow) {
    const CellCase& c = GetParam();
    EXPECT_EQ(CellRefusal(c.col, c.text, c.contest).Empty(), c.taken)
        << c.col << " " << c.text << ": " << CellRefusal(c.col, c.text, c.contest).English();
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CellRuleTest,
    ::testing::Values(CellCase{ColTime, "2359", SacCw, true}, CellCase{ColTime, "2400", SacCw, false},
                      CellCase{ColTime, "2599", SacCw, false}, CellCase{ColTime, "13020", SacCw, false},
                      CellCase{ColTime, "0059", SacCw, true}, CellCase{ColTime, "0060", SacCw, false},
                      CellCase{ColFreq, " 3500", SacCw, true}, CellCase{ColFreq, "14025", SacCw, true},
                      CellCase{ColFreq, "abc99999", SacCw, false}, CellCase{ColFreq, "99999", SacCw, false},
                      CellCase{ColFreq, "", SacCw, false},
                      CellCase{ColRstSent, "599", SacCw, true}, CellCase{ColRstSent, "5999", SacCw, false},
                      CellCase{ColRstRcvd, "59", SacCw, false}, CellCase{ColRstRcvd, "59", SacSsb, true},
                      CellCase{ColRstRcvd, "599", SacSsb, false}, CellCase{ColRstRcvd, "5NN", SacCw, false},
                      CellCase{ColRstSent, "59", NoContest, true},
                      CellCase{ColNrSent, "123456", SacCw, true}, CellCase{ColNrSent, "1234567", SacCw, false},
                      CellCase{ColNrSent, "12a", SacCw, false}, CellCase{ColNrRcvd, "0045", SacCw, true},
                      CellCase{ColNrRcvd, "12345", SacCw, false}, CellCase{ColNrRcvd, "", SacCw, false},
                      CellCase{ColCall, "OX3XR", SacCw, true}, CellCase{ColCall, "OXXR", SacCw, false},
                      CellCase{ColCall, "DL1ABCDEFGHIJ", SacCw, true},
                      CellCase{ColCall, "DL1ABCDEFGHIJK", SacCw, false},
                      CellCase{ColMult, "1", SacCw, false}, CellCase{ColRow, "1", SacCw, false}),
    [](const ::testing::TestParamInfo<CellCase>& info) {
        return "Row" + std::to_string(info.index);
    });

TEST(CellValueTest, KeepsWhatACommitWrites) {
    EXPECT_EQ(CellValue(ColNrRcvd, " 0045"), "45");
    EXPECT_EQ(CellValue(ColCall, "ox3xr "), "OX3XR");
    EXPECT_EQ(CellValue(ColTime, " 1305"), "1305");
}

class LogDocumentTest : public ::testing::Test {
  protected:
    void SetUp() override {
        doc_.SetListener([this](const DocumentChange& c) {
            ++told_;
            last_ = c;
        });
    }

    // W1AW's log of three QSOs, as opened from its file.
    void OpenSample(const std::string& call = "W1AW") {
        StationData station = SampleStation(SacCw);
        station.CallEdit = call;
        doc_.Replace(station,
                     {QsoRow("14025", "1300", "599", "1", "SM5AAA", "599", "1"),
                      QsoRow("14025", "1301", "599", "2", "OH2BBB", "599", "2"),
                      QsoRow(" 7000", "1302", "599", "3", "OX3LX", "599", "3")},
                     "2019-09-21", "w1aw.log", false);
        told_ = 0;
    }

    bool TextHas(const std::string& part) const {
        const auto& lines = doc_.CabrilloLines();
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.find(part) != std::string::npos; });
    }

    CountryTable table_ = test::SyntheticCountryTable();
    LogDocument doc_{table_};
    int told_ = 0;
    DocumentChange last_;
};

TEST_F(LogDocumentTest, OpenedLogIsUnchangedAndScored) {
    OpenSample();
    EXPECT_FALSE(doc_.Modified());
    EXPECT_EQ(doc_.FileName(), "w1aw.log");
    EXPECT_EQ(doc_.Log().QsoRowCount(), 3);
    EXPECT_FALSE(doc_.Log().Cell(3, ColPoints).empty());
    EXPECT_TRUE(TextHas("CLAIMED-SCORE: " + doc_.Station().ClamedScoreEdit));
}

// Every change after a save marks the document changed, tells once and is in the text.
struct ChangeCase {
    const char* what;
    std::function<void(LogDocument&)> change;
    const char* inText;     // a part of the text after the change, or ""
    const char* notInText;  // a part gone, or ""
};

TEST_F(LogDocumentTest, EveryChangeAfterASaveIsMarkedToldAndWritten) {
    const ChangeCase cases[] = {
        {"grid edit",
         [](LogDocument& d) { EXPECT_EQ(d.EditCell(3, ColCall, "OX3XR").English(), ""); }, "OX3XR",
         "OX3LX"},
        {"delete last row", [](LogDocument& d) { EXPECT_TRUE(d.RemoveLastQso()); }, "OH2BBB",
         "OX3LX"},
        {"station name",
         [](LogDocument& d) {
             StationData s = d.Station();
             s.NameEdit = "Hiram";
             d.SetStation(s);
         },
         "NAME: Hiram", ""},
        {"commit",
         [](LogDocument& d) {
             d.CommitQso(QsoRow("21025", "1400", "599", "4", "LA1CCC", "599", "4"));
         },
         "LA1CCC", ""},
        {"contest date", [](LogDocument& d) { d.SetContestDate("2020-09-19"); }, "2020-09-19", ""},
    };
    for (const ChangeCase& c : cases) {
        OpenSample();
        doc_.MarkSaved("w1aw.log");
        told_ = 0;
        c.change(doc_);
        EXPECT_TRUE(doc_.Modified()) << c.what;
        EXPECT_EQ(told_, 1) << c.what;
        EXPECT_TRUE(!*c.inText || TextHas(c.inText)) << c.what;
        EXPECT_TRUE(!*c.notInText || !TextHas(c.notInText)) << c.what;
    }
}

TEST_F(LogDocumentTest, NoChangeLeavesTheSavedMark) {
    OpenSample();
    StationData same = doc_.Station();
    same.ClamedScoreEdit = "999";  // the program's field, not the user's
    doc_.SetStation(same);
    EXPECT_EQ(doc_.EditCell(3, ColCall, "OX3LX").English(), "");
    EXPECT_NE(doc_.EditCell(1, ColTime, "2599").English(), "");
    EXPECT_NE(doc_.EditCell(4, ColTime, "1200").English(), "");
    EXPECT_FALSE(doc_.Modified());
    EXPECT_EQ(told_, 0);
}

TEST_F(LogDocumentTest, RefusedEditKeepsTheOldValue) {
    OpenSample();
    EXPECT_EQ(doc_.EditCell(1, ColTime, "2599").English(),
              "time \"2599\" is not a valid HHMM time");
    EXPECT_EQ(doc_.EditCell(1, ColFreq, "abc99999").English(),
              "frequency \"abc99999\" is on no contest band");
    EXPECT_EQ(doc_.Log().Cell(1, ColTime), "1300");
    EXPECT_EQ(doc_.Log().Cell(1, ColFreq), "14025");
}

TEST_F(LogDocumentTest, EditedCellIsRescored) {
    OpenSample();
    const std::string before = doc_.Station().ClamedScoreEdit;
    // The second QSO becomes a dupe of the first.
    EXPECT_EQ(doc_.EditCell(2, ColCall, "SM5AAA").English(), "");
    EXPECT_EQ(doc_.Log().Cell(2, ColPoints), "0");
    EXPECT_NE(doc_.Station().ClamedScoreEdit, before);
}

TEST_F(LogDocumentTest, NewCallsignClassifiesAndRescores) {
    OpenSample("W1AW");
    const std::string dx = doc_.Station().ClamedScoreEdit;
    StationData s = doc_.Station();
    s.CallEdit = "TF3XX";
    doc_.SetStation(s);
    EXPECT_EQ(doc_.State().StationClass, ScandinavianClass);
    EXPECT_NE(doc_.Station().ClamedScoreEdit, dx);
    EXPECT_TRUE(TextHas("CLAIMED-SCORE: " + doc_.Station().ClamedScoreEdit));
}

TEST_F(LogDocumentTest, ReplaceTakesItsOwnDateAndChangedMark) {
    OpenSample();
    doc_.Replace(SampleStation(SacCw), {}, "2026-09-19", "", true);
    EXPECT_EQ(doc_.ContestDate(), "2026-09-19");
    EXPECT_TRUE(doc_.Modified());
    EXPECT_TRUE(last_.Reset);
    EXPECT_EQ(doc_.Log().QsoRowCount(), 0);
    EXPECT_EQ(doc_.Station().ClamedScoreEdit, "0");
}

TEST_F(LogDocumentTest, SaveClearsTheMarkAndNamesTheFile) {
    OpenSample();
    doc_.CommitQso(QsoRow("21025", "1400", "599", "4", "LA1CCC", "599", "4"));
    doc_.MarkSaved("other.log");
    EXPECT_FALSE(doc_.Modified());
    EXPECT_EQ(doc_.FileName(), "other.log");
    EXPECT_TRUE(last_.SavedOnly);
}

TEST_F(LogDocumentTest, CellsThatCameInBadAreKnown) {
    StationData station = SampleStation(SacCw);
    doc_.Replace(station, {QsoRow("14025", "2400", "5NN", "1", "SM5AAA", "599", "1")},
                 "2019-09-21", "bad.log", false);
    EXPECT_TRUE(doc_.CellIsBad(1, ColTime));
    EXPECT_TRUE(doc_.CellIsBad(1, ColRstSent));
    EXPECT_FALSE(doc_.CellIsBad(1, ColRstRcvd));
    EXPECT_FALSE(doc_.CellIsBad(1, ColPoints));
    EXPECT_EQ(doc_.EditCell(1, ColTime, "2359").English(), "");
    EXPECT_FALSE(doc_.CellIsBad(1, ColTime));
}

}  // namespace
}  // namespace kerolt

namespace kerolt {
namespace {

Finding Problem(int line, std::string why) {
    return {line, FindingLevel::Problem, std::move(why)};
}
Finding Note(int line, std::string why) {
    return {line, FindingLevel::Note, std::move(why)};
}

TEST(CheckVerdictTest, PassOkOnlyWithoutAProblem) {
    EXPECT_EQ(EnglishLines(CheckVerdict({})), "Pass Ok");
    EXPECT_EQ(EnglishLines(CheckVerdict({Note(20, "possible bust")})),
              "Pass Ok, 1 note\nline 20: note: possible bust");
    EXPECT_EQ(EnglishLines(CheckVerdict({Note(20, "n"), Problem(21, "bad time")})),
              "1 problem, 1 note\nline 21: problem: bad time\nline 20: note: n");
    std::vector<Finding> many;
    for (int line = 1; line <= 8; ++line) many.push_back(Problem(line, "p"));
    const std::string verdict = EnglishLines(CheckVerdict(many));
    EXPECT_TRUE(verdict.starts_with("8 problems, 0 notes\nline 1: problem: p\n")) << verdict;
    EXPECT_TRUE(verdict.ends_with("line 5: problem: p\n... and 3 more")) << verdict;
}

// The first line counts each kind, singular at one; five findings are all named.
TEST(CheckVerdictTest, CountsSingularAtOneAndNamesFive) {
    struct Case {
        std::size_t problems, notes;
        const char* first;
        std::size_t lines;
    } cases[] = {
        {0, 1, "Pass Ok, 1 note", 2},        {0, 2, "Pass Ok, 2 notes", 3},
        {1, 0, "1 problem, 0 notes", 2},     {1, 2, "1 problem, 2 notes", 4},
        {2, 1, "2 problems, 1 note", 4},     {0, 5, "Pass Ok, 5 notes", 6},
        {5, 1, "5 problems, 1 note", 7},  // five named, then "... and 1 more"
    };
    for (const auto& c : cases) {
        std::vector<Finding> findings;
        for (std::size_t i = 0; i < c.problems; ++i) findings.push_back(Problem(1, "p"));
        for (std::size_t i = 0; i < c.notes; ++i) findings.push_back(Note(2, "n"));
        const MessageLines verdict = CheckVerdict(findings);
        ASSERT_EQ(verdict.size(), c.lines) << c.first;
        EXPECT_EQ(verdict.front().English(), c.first);
    }
}

}  // namespace
}  // namespace kerolt
