#include "cabrillo/CabrilloWriter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <functional>

#include "CabrilloTestSupport.h"
#include "common/KeroltError.h"

namespace kerolt {
namespace {

using testing::FreshStation;
using testing::LogOf;
using testing::QsoRow;
using testing::SampleStation;
using Lines = std::vector<std::string>;

TEST(CabrilloQsoLine, WorkedExamples) {
    struct Case {
        int contest;
        const char* date;
        QsoLog::Row row;
        const char* line;
    };
    const Case cases[] = {
        {SacCw, "2019-09-21", QsoRow(" 3500", "1305", "599", "1", "OH2QQQ", "599", "23"),
         "QSO:  3500 CW 2019-09-21 1305 SM5QQQ        599      1 OH2QQQ        599     23"},
        {SacCw, "2019-09-21", QsoRow("14000", "0130", "599", "12", "DL1QQQ", "599", "105"),
         "QSO: 14000 CW 2019-09-22 0130 SM5QQQ        599     12 DL1QQQ        599    105"},
        {SacSsb, "2019-10-12", QsoRow("21000", "1402", "59", "1234", "K1QQQ", "57", "7"),
         "QSO: 21000 PH 2019-10-12 1402 SM5QQQ        59    1234 K1QQQ         57       7"},
    };
    for (const Case& c : cases) {
        const std::string line =
            CabrilloQsoLine(c.row, "SM5QQQ", CabrilloQsoMode(c.contest), c.date);
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(line.size(), 79u);
    }
}

// Values of other lengths than the program produces shift the later fields; numbers longer
// than six digits keep their last six.
TEST(CabrilloQsoLine, ShortAndLongValuesShiftOrCut) {
    struct Case {
        const char* what;
        const char* ownCall;
        QsoLog::Row row;
        const char* line;
    };
    const Case cases[] = {
        {"frequency without its leading space", "SM5QQQ",
         QsoRow("3500", "1305", "599", "1", "OH2QQQ", "599", "23"),
         "QSO:  3500 CW 2019-09-21 1305 SM5QQQ        599      1 OH2QQQ        599     23"},
        {"14-character own call", "SM5QQQ/ABCDEFG",
         QsoRow(" 3500", "1305", "599", "1", "OH2QQQ", "599", "23"),
         "QSO:  3500 CW 2019-09-21 1305 SM5QQQ/ABCDEFG599      1 OH2QQQ        599     23"},
        {"own call kept untrimmed and cut to 14", " SM5QQQ/ABCDEFGH",
         QsoRow(" 3500", "1305", "599", "1", "OH2QQQ", "599", "23"),
         "QSO:  3500 CW 2019-09-21 1305  SM5QQQ/ABCDEF599      1 OH2QQQ        599     23"},
        {"14-character worked call", "SM5QQQ",
         QsoRow(" 3500", "1305", "599", "1", "OH2QQQ/ABCDEFG", "599", "23"),
         "QSO:  3500 CW 2019-09-21 1305 SM5QQQ        599      1 OH2QQQ/ABCDEFG599     23"},
        {"one-character RST sent", "SM5QQQ",
         QsoRow(" 3500", "1305", "5", "1", "OH2QQQ", "599", "23"),
         "QSO:  3500 CW 2019-09-21 1305 SM5QQQ        5       1 OH2QQQ        599     23"},
        {"one-character worked call", "SM5QQQ",
         QsoRow(" 3500", "1305", "599", "1", "K", "599", "23"),
         "QSO:  3500 CW 2019-09-21 1305 SM5QQQ        599      1 K            599     23"},
        {"empty numbers", "SM5QQQ", QsoRow(" 3500", "1305", "599", "", "OH2QQQ", "599", ""),
         "QSO:  3500 CW 2019-09-21 1305 SM5QQQ        599       OH2QQQ        599      "},
        {"six digits", "SM5QQQ",
         QsoRow(" 3500", "1305", "599", "123456", "OH2QQQ", "599", "654321"),
         "QSO:  3500 CW 2019-09-21 1305 SM5QQQ        599 123456 OH2QQQ        599 654321"},
        {"seven digits keep the last six", "SM5QQQ",
         QsoRow(" 3500", "1305", "599", "1234567", "OH2QQQ", "599", "9876543"),
         "QSO:  3500 CW 2019-09-21 1305 SM5QQQ        599 234567 OH2QQQ        599 876543"},
        {"1159 is the next day", "SM5QQQ",
         QsoRow(" 7000", "1159", "599", "1", "OH2QQQ", "599", "23"),
         "QSO:  7000 CW 2019-09-22 1159 SM5QQQ        599      1 OH2QQQ        599     23"},
        {"1200 is the contest day", "SM5QQQ",
         QsoRow("28000", "1200", "599", "1", "OH2QQQ", "599", "23"),
         "QSO: 28000 CW 2019-09-21 1200 SM5QQQ        599      1 OH2QQQ        599     23"},
        {"empty time is the next day and an empty field", "SM5QQQ",
         QsoRow(" 3500", "", "599", "1", "OH2QQQ", "599", "23"),
         "QSO:  3500 CW 2019-09-22  SM5QQQ        599      1 OH2QQQ        599     23"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CabrilloQsoLine(c.row, c.ownCall, "CW", "2019-09-21"), c.line) << c.what;
    }
}

TEST(BuildCabrilloLog, NothingTypedGivesNineteenLines) {
    StationData station = FreshStation();
    station.Memo1 = {""};
    const Lines expected{
        "START-OF-LOG: 3.0",
        "CALLSIGN: ",
        "CONTEST: Contest",
        "CATEGORY-ASSISTED: Category-Assisted",
        "CATEGORY-BAND: Category-Band",
        "CATEGORY-MODE: SSB",
        "CATEGORY-OPERATOR: Category-Operator",
        "CATEGORY-POWER: Category-Power",
        "CATEGORY-TRANSMITTER: Category-Transmitter",
        // An overlay list never picked writes no line: the line is optional.
        "EMAIL: ",
        "CREATED-BY: Kerolt Ver 2.31 - Manual Cabrillo input for SAC",
        "OPERATORS: ",
        "CLAIMED-SCORE: ",
        "NAME: ",
        "ADDRESS: ",
        "ADDRESS: ",
        "ADDRESS: ",
        "SOAPBOX: ",
        "END-OF-LOG:",
    };
    EXPECT_EQ(BuildCabrilloLog(station, QsoLog(), ""), expected);
}

TEST(BuildCabrilloLog, FullLogInOrder) {
    StationData station = SampleStation(SacCw);
    station.CallEdit = " SM5QQQ ";
    const QsoLog log = LogOf({
        QsoRow(" 3500", "1305", "599", "1", "OH2QQQ", "599", "23"),
        QsoRow("14000", "0130", "599", "2", "DL1QQQ", "599", "105"),
    });
    const Lines expected{
        "START-OF-LOG: 3.0",
        "CALLSIGN: SM5QQQ",
        "CONTEST: SAC-CW",
        "CATEGORY-ASSISTED: NON-ASSISTED",
        "CATEGORY-BAND: ALL",
        "CATEGORY-MODE: CW",
        "CATEGORY-OPERATOR: SINGLE-OP",
        "CATEGORY-POWER: LOW",
        "CATEGORY-TRANSMITTER: ONE",
        "CATEGORY-OVERLAY: ",
        "EMAIL: sm5qqq@example.org",
        "CREATED-BY: Kerolt Ver 2.31 - Manual Cabrillo input for SAC",
        "OPERATORS: SM5QQQ",
        "CLAIMED-SCORE: 1234",
        "NAME: Sven Svensson",
        "ADDRESS: Storgatan 1",
        "ADDRESS: 123 45 Stad",
        "ADDRESS: Sweden",
        "CLUB: SK0QQ",
        "SOAPBOX: Fine conditions",
        "SOAPBOX: ",
        "SOAPBOX:  73 ",
        // The QSO lines trim the callsign as the header does.
        "QSO:  3500 CW 2019-09-21 1305 SM5QQQ        599      1 OH2QQQ        599     23",
        "QSO: 14000 CW 2019-09-22 0130 SM5QQQ        599      2 DL1QQQ        599    105",
        "END-OF-LOG:",
    };
    EXPECT_EQ(BuildCabrilloLog(station, log, "2019-09-21"), expected);

    // SAC-SSB and no contest both give SSB and PH.
    for (int contest : {SacSsb, NoContest}) {
        station.ContestIndex = contest;
        const Lines text = BuildCabrilloLog(station, log, "2019-09-21");
        EXPECT_EQ(text[5], "CATEGORY-MODE: SSB");
        EXPECT_EQ(text[22].substr(11, 2), "PH");
    }
}

TEST(BuildCabrilloLog, ClubAndSoapboxLines) {
    struct Case {
        const char* club;
        Lines memo;
        Lines tail;  // the lines between the third address and END-OF-LOG
    };
    const Case cases[] = {
        {"", {}, {}},
        {"   ", {}, {}},
        {"\t", {}, {}},
        {" SK0QQ", {}, {"CLUB:  SK0QQ"}},
        {"SK0QQ ", {"a"}, {"CLUB: SK0QQ ", "SOAPBOX: a"}},
        {"", {"", "  two  ", ""}, {"SOAPBOX: ", "SOAPBOX:   two  ", "SOAPBOX: "}},
    };
    for (const Case& c : cases) {
        StationData station = FreshStation();
        station.ClubEdit = c.club;
        station.Memo1 = c.memo;
        const Lines text = BuildCabrilloLog(station, QsoLog(), "");
        Lines expected = c.tail;
        expected.push_back("END-OF-LOG:");
        // After the third ADDRESS line, wherever the optional overlay line leaves it.
        const auto address = std::find(text.rbegin(), text.rend(), "ADDRESS: ").base();
        EXPECT_EQ(Lines(address, text.end()), expected) << "club '" << c.club << "'";
    }
}

TEST(BuildCabrilloLog, DateThatCannotBeFormedRaisesAndReturnsNothing) {
    const StationData station = SampleStation(SacCw);
    const QsoLog log = LogOf({
        QsoRow(" 3500", "1305", "599", "1", "OH2QQQ", "599", "23"),
        QsoRow(" 3500", "0130", "599", "2", "DL1QQQ", "599", "23"),
    });
    Lines text{"old text"};
    try {
        text = BuildCabrilloLog(station, log, "");
        FAIL() << "no error";
    } catch (const KeroltError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
    EXPECT_EQ(text, Lines{"old text"});

    // Without a contest date, QSOs from 1200 on still build: their date field is empty.
    const Lines afternoon = BuildCabrilloLog(station, LogOf({log.RowAt(1)}), "");
    EXPECT_EQ(afternoon[afternoon.size() - 2],
              "QSO:  3500 CW  1305 SM5QQQ        599      1 OH2QQQ        599     23");
}

// One builder follows a log through the changes a session makes; after each it must give what
// a build from scratch gives.
TEST(CabrilloLogBuilder, EveryBuildEqualsAFreshOne) {
    StationData station = SampleStation(SacCw);
    QsoLog log = LogOf({QsoRow("14000", "1305", "599", "1", "OH2QQQ", "599", "23")});
    std::string date = "2019-09-21";
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"a commit",
         [&] { log.AppendQso(QsoRow(" 7000", "0130", "599", "2", "DL1A", "599", "7")); }},
        {"a call edited", [&] { log.SetCell(2, ColCall, "DL2B"); }},
        {"a received number edited", [&] { log.SetCell(2, ColNrRcvd, "70"); }},
        {"the contest date", [&] { date = "2019-09-20"; }},
        {"the own call", [&] { station.CallEdit = "SM5QQQ/P"; }},
        {"the contest", [&] { station.ContestIndex = SacSsb; }},
        {"a soapbox line", [&] { station.Memo1.push_back("More"); }},
        {"the last row deleted", [&] { log.RemoveLastQso(); }},
    };
    CabrilloLogBuilder builder;
    for (const auto& [what, change] : changes) {
        change();
        EXPECT_EQ(builder.Build(station, log, date), BuildCabrilloLog(station, log, date)) << what;
    }
    // A build that fails leaves the next one whole.
    log.AppendQso(QsoRow(" 7000", "0130", "599", "3", "DL3C", "599", "7"));
    EXPECT_THROW(builder.Build(station, log, ""), KeroltError);
    EXPECT_EQ(builder.Build(station, log, date), BuildCabrilloLog(station, log, date));
}

}  // namespace
}  // namespace kerolt
