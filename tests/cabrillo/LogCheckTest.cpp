#include "cabrillo/LogCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <tuple>

#include "CabrilloTestSupport.h"
#include "cabrillo/CabrilloWriter.h"
#include "common/TextFile.h"
#include "tests/support/CountryLines.h"

namespace kerolt {
namespace {

// A European non-Scandinavian entrant's clean log: header lines 1-18, QSO lines 19-22.
std::vector<std::string> CleanLog() {
    StationData station = testing::SampleStation(SacCw);
    station.CallEdit = "DL1QQQ";
    station.ClubEdit = "";
    station.Memo1.clear();
    station.ClamedScoreEdit = "";
    const QsoLog log = testing::LogOf({
        testing::QsoRow(" 3500", "1305", "599", "1", "SM5AAA", "599", "12"),
        testing::QsoRow(" 7000", "1310", "599", "2", "OH2BH", "579", "7"),
        testing::QsoRow("14000", "1800", "599", "3", "SM5AAA", "599", "40"),
        testing::QsoRow("14000", "0130", "599", "4", "LA1ABC", "589", "3"),
    });
    return BuildCabrilloLog(station, log, "2019-09-21");
}

const CallList& Known() {
    static const CallList list = CallList::FromLines({"SM5AAA", "OH2BH", "LA1ABC", "OZ1ABC"});
    return list;
}

// The clean log with the text at a column of a line (1-based; column 0: the whole line).
std::vector<std::string> Edited(int line, std::size_t column, const std::string& text) {
    std::vector<std::string> lines = CleanLog();
    lines[static_cast<std::size_t>(line - 1)].replace(
        column ? column - 1 : 0, column ? text.size() : std::string::npos, text);
    return lines;
}

// Each case changes the clean log and names the findings that follow, by line, level and a
// part of the message.
TEST(CheckCabrilloLog, FindsEachFault) {
    constexpr FindingLevel P = FindingLevel::Problem, N = FindingLevel::Note;
    using Findings = std::vector<std::tuple<int, FindingLevel, std::string>>;
    const std::tuple<int, std::size_t, std::string, Findings> cases[] = {
        {19, 1, "QSO:", {}},  // the clean log
        {3, 0, "CONTEST: Contest", {{3, P, "\"Contest\""}}},
        {8, 0, "CATEGORY-POWER: Category-Power", {{8, P, "CATEGORY-POWER has no value"}}},
        {7, 0, "CATEGORY-OPERATOR: ", {{7, P, "CATEGORY-OPERATOR has no value"}}},
        {10, 0, "CATEGORY-OVERLAY: Category-Overlay", {{10, P, "\"Category-Overlay\""}}},
        {2, 0, "CALLSIGN: ", {{2, P, "CALLSIGN is empty"}}},
        {2, 0, "CALL: DL1QQQ", {{1, P, "no CALLSIGN line"}}},
        {5,
         0,
         "CATEGORY-BAND: 20M",
         {{5, P, "CATEGORY-BAND 20M is open to Scandinavian"},
          {19, P, "QSO on 80 m in a CATEGORY-BAND 20M entry"},
          {20, P, "QSO on 40 m"}}},
        {10, 0, "CATEGORY-OVERLAY: ROOKIE", {{10, P, "DL1QQQ is Non Scandinavian"}}},
        {9,
         0,
         "CATEGORY-TRANSMITTER: UNLIMITED",
         {{9, P, "UNLIMITED is not open to SINGLE-OP"}, {9, P, "Scandinavian stations only"}}},
        {20, 26, "2500", {{20, P, "time \"2500\" is not a valid HHMM"}}},
        {20, 26, "1260", {{20, P, "time \"1260\""}}},
        {20, 26, "1250", {{20, P, "earlier than the QSO before it (1305)"}}},
        {20, 26, "1305", {}},  // the same minute is no step back
        {22, 26, "1150", {}},
        {19, 74, "     0", {{19, N, "received number 0"}}},
        {19, 74, "    x1", {{19, P, "received number \"x1\" is not a number"}}},
        {22, 49, "     5", {{22, P, "sent number 4 is missing"}}},
        {22, 49, "     9", {{22, P, "sent numbers 4 to 8 are missing"}}},
        {22, 49, "     3", {{22, P, "sent number 3 repeats"}}},
        {22, 49, "     2", {{22, P, "sent number 2 comes after 3"}}},
        {19, 45, "590", {{19, P, "sent report \"590\" is not a valid RST on CW"}}},
        {19, 70, "69 ", {{19, P, "received report \"69\""}}},
        {19, 12, "PH", {{19, P, "mode PH does not fit SAC-CW"}}},
        {19, 12, "RY", {{19, P, "mode \"RY\""}}},
        {19, 6, "24890", {{19, P, "frequency \"24890\" is on no contest band"}}},
        {19, 56, "XX1ABC", {{19, P, "no country found for XX1ABC"}}},
        {22,
         56,
         "SM5AAA",
         {{22, N, "SM5AAA gave 40 on line 21, now 3"}, {22, N, "SM5AAA is a dupe of line 21"}}},
        {19, 56, "DL2ABC", {{19, N, "DL2ABC is not in the contest"}}},
        {20, 56, "OH2BX", {{20, N, "OH2BX is not a known contest call; did you mean OH2BH?"}}},
        {20, 56, "OH2BH/P", {}},
        {19, 26, "1200", {}},
        {19, 26, "1159", {{19, P, "outside SAC-CW"}, {20, P, "earlier than the QSO before"}}},
        {22, 15, "2019-09-23", {{22, P, "outside SAC-CW"}}},
        {19, 15, "2019-09-31", {{19, P, "date \"2019-09-31\" is no date"}}},
        {19, 6, " 3530", {}},
        {19, 6, " 3590", {{19, N, "outside the SAC-CW band plan on 80 m"}}},
        {19, 6, " 1830", {{19, P, "on no contest band (160 m)"}}},
        {19, 6, " 3499", {{19, P, "frequency \"3499\" is on no contest band"}}},
        {19, 6, " 3400", {{19, P, "frequency \"3400\" is on no contest band"}}},
        {19, 6, " 4000", {{19, N, "outside the SAC-CW band plan on 80 m"}}},
        {19, 6, " 4001", {{19, P, "frequency \"4001\" is on no contest band"}}},
        {19, 15, "2019-09/21", {{19, P, "date \"2019-09/21\" is no date"}}},
        {19,
         0,
         "QSO: 3500 CW 2019-09/21 1305 DL1QQQ 599 1 SM5AAA 599 12",
         {{19, P, "QSO line not read: date \"2019-09/21\" is no date"},
          {20, P, "sent number 1 is missing"}}},
        {19,
         0,
         "QSO: 3500 CW 2019-09-21 1305 DL1QQQ 599 1 599 12 0",
         {{19, P, "QSO line not read: call \"599\" is a number, not a call"},
          {20, P, "sent number 1 is missing"}}},
        // Fields all there: taken as written, and what is wrong is named.
        {19,
         0,
         "QSO: 3500 CW 2019-09-31 2400 DL1QQQ 5NN 1 SM5AAA 599 12",
         {{19, P, "sent report \"5NN\""},
          {19, P, "time \"2400\""},
          {19, P, "date \"2019-09-31\" is no date"}}},
        // Calls in lower case are the calls.
        {19, 0, "qso: 3500 CW 2019-09-21 1305 dl1qqq 599 1 sm5aaa 599 12", {}},
        {2, 0, "callsign: dl1qqq", {}},
        // A line the station page always writes, missing, is named as an empty one.
        {4, 0, "X-ASSISTED: NON-ASSISTED", {{1, P, "no CATEGORY-ASSISTED line: it has no value"}}},
        {9, 0, "X-TRANSMITTER: ONE", {{1, P, "no CATEGORY-TRANSMITTER line: it has no value"}}},
        {10, 0, "X-OVERLAY:", {}},
        {8, 0, "CATEGORY-POWER: MEDIUM", {{8, P, "\"MEDIUM\" is not one of"}}},
        {6, 0, "CATEGORY-MODE: SSB", {{6, P, "does not match CONTEST"}}},
        {5, 0, "CATEGORY-BAND: LOW-BAND", {{21, P, "QSO on 20 m in a"}, {22, P, "QSO on 20 m"}}},
        {3, 0, "CONTESTS: SAC-CW", {{1, P, "no CONTEST line"}}},
        {23, 0, "", {{23, P, "no END-OF-LOG line"}}},
        {19, 31, "DL1QQX", {{19, P, "sent call DL1QQX differs from CALLSIGN DL1QQQ"}}},
        {19, 56, "DL1QQQ", {{19, P, "own call"}, {19, N, "not in the contest"}}},
        {19, 56, "SM5//A", {{19, P, "\"SM5//A\" cannot be a call"}}},
        {14, 0, "CLAIMED-SCORE: 1", {{14, N, "differs from the log's score"}}},
        {19, 0, "QSO: 3500 CW 2019-09-21 1305 DL1QQQ 599 001 SM5AAA 599 012", {}},
        {19,
         0,
         "QSO: 3500 CW 2019-09-21 1305 DL1QQQ 599 1 SM5AAA",
         {{19, P, "no received report"}, {20, P, "sent number 1 is missing"}}},
    };
    for (const auto& [line, column, text, findings] : cases) {
        CountryTable table = test::SyntheticCountryTable();
        const std::vector<Finding> found =
            CheckCabrilloLog(Edited(line, column, text), table, &Known());
        SCOPED_TRACE(text);
        ASSERT_EQ(found.size(), findings.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            const auto& [at, level, part] = findings[i];
            EXPECT_EQ(found[i].Line, at);
            EXPECT_EQ(found[i].Level, level);
            EXPECT_NE(found[i].Message.English().find(part), std::string::npos)
                << found[i].Message.English();
        }
    }
}

// The 000 note and the log's own score follow one rule: a received 0 scores in 2017 and not
// from 2018 on.
TEST(CheckCabrilloLog, ZeroNumberNoteFollowsTheContestYear) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"2017-09-16", "4", false},
        {"2018-09-15", "1", true},
    };
    for (const auto& [date, claimed, note] : cases) {
        StationData station = testing::SampleStation(SacCw);
        station.CallEdit = "DL1QQQ";
        station.ClubEdit = "";
        station.Memo1.clear();
        station.ClamedScoreEdit = claimed;
        // A 0 after a number is no copying slip: the station gave none.
        const QsoLog log =
            testing::LogOf({testing::QsoRow(" 3500", "1305", "599", "1", "SM5AAA", "599", "5"),
                            testing::QsoRow(" 7000", "1306", "599", "2", "SM5AAA", "599", "0")});
        CountryTable table = test::SyntheticCountryTable();
        const std::vector<Finding> found =
            CheckCabrilloLog(BuildCabrilloLog(station, log, date), table, &Known());
        std::vector<Finding> expected;
        if (note)
            expected.push_back({20, FindingLevel::Note,
                                "received number 0: the QSO gives no points and no multiplier"});
        EXPECT_EQ(found, expected) << date;
    }
}

// Expected texts name the file as "@"; a case without lines has no file.
TEST(RunLogCheck, PrintsFindingsAndExitsByTheWorstLevel) {
    using Lines = std::vector<std::string>;
    const std::tuple<const char*, Lines, int, std::string, std::string> cases[] = {
        {"clean.log", CleanLog(), 0, "", ""},
        {"problem.log", Edited(20, 26, "2500"), 1,
         "@:20: problem: time \"2500\" is not a valid HHMM time\n", ""},
        {"note.log", Edited(19, 74, "     0"), 0,
         "@:19: note: received number 0: the QSO gives no points and no multiplier\n", ""},
        {"short.log", {"START-OF-LOG: 3.0", "END-OF-LOG:"}, 2, "", "@ is not a Cabrillo 3.0 log\n"},
        // UTF-8 read as UTF-8: a name in Nordic letters is no finding, a character Latin-1
        // lacks is named.
        {"utf8.log", Edited(15, 0, "NAME: Bj\xC3\xB6rn \xC5\x81"), 0,
         "@:15: note: U+0141 has no Latin-1 form: read as \"?\"\n", ""},
        {"missing.log", {}, 2, "", "Cannot open file @\n"},
    };
    for (const auto& [name, lines, exitCode, out, err] : cases) {
        const std::string file = (std::filesystem::path(::testing::TempDir()) / name).string();
        std::filesystem::remove(file);
        if (!lines.empty())
            WriteLines(file, lines);
        const auto named = [&](std::string text) {
            if (const std::size_t at = text.find('@'); at != std::string::npos)
                text.replace(at, 1, file);
            return text;
        };
        CountryTable table = test::SyntheticCountryTable();
        std::ostringstream printed, told;
        EXPECT_EQ(RunLogCheck(file, table, &Known(), printed, told), exitCode) << name;
        EXPECT_EQ(printed.str(), named(out));
        EXPECT_EQ(told.str(), named(err));
    }
}

}  // namespace
}  // namespace kerolt
