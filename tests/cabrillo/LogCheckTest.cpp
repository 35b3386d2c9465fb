#include "cabrillo/LogCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "CabrilloTestSupport.h"
#include "cabrillo/CabrilloWriter.h"
#include "common/TextFile.h"
#include "tests/support/CountryLines.h"

namespace kerolt {
namespace {

using testing::LogOf;
using testing::QsoRow;

// A European non-Scandinavian entrant's clean log: header lines 1-18, QSO lines 19-22.
std::vector<std::string> CleanLog() {
    StationData station = testing::SampleStation(SacCw);
    station.CallEdit = "DL1QQQ";
    station.ClubEdit = "";
    station.Memo1.clear();
    const QsoLog log = LogOf({
        QsoRow(" 3500", "1305", "599", "1", "SM5AAA", "599", "12"),
        QsoRow(" 7000", "1310", "599", "2", "OH2BH", "579", "7"),
        QsoRow("14000", "1800", "599", "3", "SM5AAA", "599", "40"),
        QsoRow("14000", "0130", "599", "4", "LA1ABC", "589", "3"),
    });
    return BuildCabrilloLog(station, log, "2019-09-21");
}

const CallList& Known() {
    static const CallList list = CallList::FromLines({"SM5AAA", "OH2BH", "LA1ABC", "OZ1ABC"});
    return list;
}

std::vector<Finding> Check(const std::vector<std::string>& lines) {
    CountryTable table = test::SyntheticCountryTable();
    return CheckCabrilloLog(lines, table, &Known());
}

TEST(CheckCabrilloLog, CleanLogHasNoFinding) {
    EXPECT_EQ(Check(CleanLog()), std::vector<Finding>{});
}

// Each case changes the clean log (a whole line, or the text at a column of a line) and names
// the findings that follow, by line, level and a part of the message.
TEST(CheckCabrilloLog, FindsEachFault) {
    struct Edit {
        int line;
        long column;  // 0: the whole line
        std::string text;
    };
    struct Expected {
        int line;
        FindingLevel level;
        std::string part;
    };
    struct Case {
        std::vector<Edit> edits;
        std::vector<Expected> findings;
    };
    constexpr FindingLevel P = FindingLevel::Problem;
    constexpr FindingLevel N = FindingLevel::Note;
    const Case cases[] = {
        {{{3, 0, "CONTEST: Contest"}}, {{3, P, "\"Contest\""}}},
        {{{8, 0, "CATEGORY-POWER: Category-Power"}}, {{8, P, "CATEGORY-POWER has no value"}}},
        {{{10, 0, "CATEGORY-OVERLAY: Category-Overlay"}}, {{10, P, "\"Category-Overlay\""}}},
        {{{2, 0, "CALLSIGN: "}}, {{2, P, "CALLSIGN is empty"}}},
        {{{2, 0, "CALL: DL1QQQ"}}, {{1, P, "no CALLSIGN line"}}},
        {{{5, 0, "CATEGORY-BAND: 20M"}}, {{5, P, "CATEGORY-BAND 20M is open to Scandinavian"}}},
        {{{10, 0, "CATEGORY-OVERLAY: ROOKIE"}}, {{10, P, "DL1QQQ is Non Scandinavian"}}},
        {{{9, 0, "CATEGORY-TRANSMITTER: UNLIMITED"}}, {{9, P, "Scandinavian stations only"}}},
        {{{20, 26, "2500"}}, {{20, P, "time \"2500\" is not a valid HHMM"}}},
        {{{20, 26, "1260"}}, {{20, P, "time \"1260\""}}},
        {{{20, 26, "1250"}}, {{20, P, "earlier than the QSO before it (1305)"}}},
        {{{22, 26, "1150"}}, {}},
        {{{19, 74, "     0"}}, {{19, N, "received number 0"}}},
        {{{19, 74, "    x1"}}, {{19, P, "received number \"x1\" is not a number"}}},
        {{{22, 49, "     5"}}, {{22, P, "sent number 4 is missing"}}},
        {{{22, 49, "     9"}}, {{22, P, "sent numbers 4 to 8 are missing"}}},
        {{{22, 49, "     3"}}, {{22, P, "sent number 3 repeats"}}},
        {{{22, 49, "     2"}}, {{22, P, "sent number 2 comes after 3"}}},
        {{{19, 45, "590"}}, {{19, P, "sent report \"590\" is not a valid RST on CW"}}},
        {{{19, 70, "69 "}}, {{19, P, "received report \"69\""}}},
        {{{19, 12, "PH"}},
         {{19, P, "sent report \"599\" is not a valid RST on SSB"}, {19, P, "received report"}}},
        {{{19, 12, "RY"}}, {{19, P, "mode \"RY\""}}},
        {{{19, 6, "24890"}}, {{19, P, "frequency \"24890\" is on no contest band"}}},
        {{{19, 56, "XX1ABC"}}, {{19, P, "no country found for XX1ABC"}}},
        {{{22, 56, "SM5AAA"}}, {{22, N, "SM5AAA is a dupe of line 21"}}},
        {{{19, 56, "DL2ABC"}}, {{19, N, "DL2ABC is not in the contest"}}},
        {{{20, 56, "OH2BX"}}, {{20, N, "OH2BX is not a known contest call; did you mean OH2BH?"}}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = CleanLog();
        for (const Edit& e : c.edits) {
            std::string& line = lines[static_cast<std::size_t>(e.line - 1)];
            if (e.column == 0)
                line = e.text;
            else
                line.replace(static_cast<std::size_t>(e.column - 1), e.text.size(), e.text);
        }
        const std::vector<Finding> found = Check(lines);
        SCOPED_TRACE(c.edits.front().text);
        ASSERT_EQ(found.size(), c.findings.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].Line, c.findings[i].line);
            EXPECT_EQ(found[i].Level, c.findings[i].level);
            EXPECT_NE(found[i].Message.find(c.findings[i].part), std::string::npos)
                << found[i].Message;
        }
    }
}

// Expected texts name the file as "@".
TEST(RunLogCheck, PrintsFindingsAndExitsByTheWorstLevel) {
    std::vector<std::string> withProblem = CleanLog();
    withProblem[19].replace(25, 4, "2500");
    std::vector<std::string> withNote = CleanLog();
    withNote[18].replace(73, 6, "     0");
    struct Case {
        const char* name;
        std::vector<std::string> lines;  // none: no file
        int exitCode;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {"clean.log", CleanLog(), 0, "", ""},
        {"problem.log", withProblem, 1, "@:20: problem: time \"2500\" is not a valid HHMM time\n",
         ""},
        {"note.log", withNote, 0,
         "@:19: note: received number 0: the QSO gives no points and no multiplier\n", ""},
        {"short.log", {"START-OF-LOG: 3.0", "END-OF-LOG:"}, 2, "", "@ is not a Cabrillo 3.0 log\n"},
        {"missing.log", {}, 2, "", "Cannot open file @\n"},
    };
    for (const Case& c : cases) {
        const std::string file = (std::filesystem::path(::testing::TempDir()) / c.name).string();
        std::filesystem::remove(file);
        if (!c.lines.empty())
            WriteLines(file, c.lines);
        const auto named = [&](std::string text) {
            if (const std::size_t at = text.find('@'); at != std::string::npos)
                text.replace(at, 1, file);
            return text;
        };
        CountryTable table = test::SyntheticCountryTable();
        std::ostringstream out, err;
        EXPECT_EQ(RunLogCheck(file, table, &Known(), out, err), c.exitCode) << c.name;
        EXPECT_EQ(out.str(), named(c.out));
        EXPECT_EQ(err.str(), named(c.err));
    }
}

}  // namespace
}  // namespace kerolt
