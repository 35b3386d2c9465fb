// What the ADIF export writes for each frequency cell, and what it leaves out and names.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <tuple>

#include "adif/Adif.h"
#include "adif/AdifWriter.h"
#include "cabrillo/CabrilloWriter.h"
#include "common/TextFile.h"
#include "tests/cabrillo/CabrilloTestSupport.h"

namespace kerolt {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// BAND is the band the QSO is scored on; FREQ only where the cell is a frequency on an amateur
// band, never one that disagrees with BAND. Each band's edges, a row inside and one outside.
TEST(BuildAdifLog, BandAndFrequencyOfACell) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {" 3500", "80m", ""},
        {"3499", "", ""},
        {"3510", "80m", "3.510"},
        {"3763", "80m", "3.763"},  // what the import kept of 3.7625
        {"3400", "", ""},
        {"4000", "80m", "4.000"},
        {"4001", "", ""},
        {"14000", "20m", ""},
        {"14350", "20m", "14.350"},
        {"14351", "", ""},
        {"29700", "10m", "29.700"},
        {"29701", "", ""},
        {"1830", "160m", "1.830"},
        {"", "", ""},
        {"14.025", "", ""},
    };
    for (const auto& [freq, band, mhz] : cases) {
        const QsoLog log =
            testing::LogOf({testing::QsoRow(freq, "1305", "599", "1", "DL1ABC", "599", "7")});
        const AdifLog adif = BuildAdifLog(testing::SampleStation(SacCw), log, "2019-09-21", {});
        const AdifDocument doc = ReadAdif(Joined(adif.Lines), "out.adi");
        ASSERT_EQ(doc.Records.size(), 1u) << freq;
        EXPECT_EQ(FieldOf(doc.Records[0], "BAND"), band) << '"' << freq << '"';
        EXPECT_EQ(FieldOf(doc.Records[0], "FREQ"), mhz) << '"' << freq << '"';
    }
}

// A row whose CALL, QSO_DATE or TIME_ON would be invalid gets no record and is named.
TEST(BuildAdifLog, LeavesOutAndNamesWhatIsNoQso) {
    const QsoLog log = testing::LogOf({
        testing::QsoRow("14000", "1305", "599", "1", "DL1ABC", "599", "7"),
        testing::QsoRow("14000", "1306", "599", "2", "599", "011", "0"),
        testing::QsoRow("14000", "13O2", "599", "3", "DL2ABC", "599", "8"),
        testing::QsoRow("14000", "2359", "599", "4", "A1", "599", "9"),
        testing::QsoRow("14000", "2400", "599", "5", "DL3ABC", "599", "10"),
        testing::QsoRow("14000", "1310", "599", "6", "", "599", "11"),
        testing::QsoRow("14000", "1311", "599", "7", "DL//P", "599", "12"),
    });
    const AdifLog adif = BuildAdifLog(testing::SampleStation(SacCw), log, "2019-09-21", {});
    const AdifDocument doc = ReadAdif(Joined(adif.Lines), "out.adi");
    ASSERT_EQ(doc.Records.size(), 2u);
    EXPECT_EQ(FieldOf(doc.Records[0], "CALL"), "DL1ABC");
    EXPECT_EQ(FieldOf(doc.Records[1], "CALL"), "A1");
    std::vector<std::string> leftOut;
    for (const Message& qso : adif.LeftOut) leftOut.push_back(qso.English());
    EXPECT_EQ(leftOut, (std::vector<std::string>{
                           "QSO 2 (599 2019-09-21 1306): \"599\" cannot be a call",
                           "QSO 3 (DL2ABC 2019-09-21 13O2): time \"13O2\" is no time",
                           "QSO 5 (DL3ABC 2019-09-21 2400): time \"2400\" is no time",
                           "QSO 6 (- 2019-09-21 1310): no call",
                           "QSO 7 (DL//P 2019-09-21 1311): \"DL//P\" cannot be a call",
                       }));
    EXPECT_EQ(EnglishLines(LeftOutMessage(adif.LeftOut)).substr(0, 53),
              "These QSOs were left out of the ADIF file:\nQSO 2 (599");
    EXPECT_EQ(EnglishLines(LeftOutMessage({})), "");
    // Twenty QSOs are named in the message, the rest counted.
    std::vector<Message> many;
    for (int i = 1; i <= 21; ++i) many.push_back("Q" + std::to_string(i));
    const std::string shown = EnglishLines(LeftOutMessage(many));
    EXPECT_NE(shown.find("\nQ20\nand 1 more"), std::string::npos) << shown;
    EXPECT_EQ(shown.find("Q21"), std::string::npos) << shown;
    many.pop_back();
    EXPECT_EQ(EnglishLines(LeftOutMessage(many)).find("more"), std::string::npos);

    // A contest date that gives no date leaves every QSO of its day out.
    const AdifLog undated = BuildAdifLog(
        testing::SampleStation(SacCw),
        testing::LogOf({testing::QsoRow("14000", "1305", "599", "1", "DL1ABC", "599", "7")}),
        "2019-09/21", {});
    ASSERT_EQ(undated.LeftOut.size(), 1u);
    EXPECT_EQ(undated.LeftOut[0].English(),
              (std::string{"QSO 1 (DL1ABC 2019-09/21 1305): date \"2019-09/21\" is no date"}));
}

// The command line's export of a log with a broken line: the rest is written, the line is
// named, and the exit code says so.
TEST(RunAdifExport, NamesTheBrokenLineAndExitsWithOne) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "kerolt-adif-export";
    std::filesystem::create_directories(dir);
    const std::string good =
        "QSO:  3500 CW 2026-09-19 1400 SM5QQQ        599      5 DL1ABC        599     12";
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{good}, 0, ""},
        {{good, "QSO: 3510 CW 2026-09-19 1400 SM5QQQ 599 006 599 011 0"},
         1,
         "@:24: QSO line not read: call \"599\" is a number, not a call\n"},
        {{"QSO:  3500 CW 2026-09-19 13O2 SM5QQQ        599      5 DL1ABC        599     12"},
         1,
         "@: left out: QSO 1 (DL1ABC 2026-09-19 13O2): time \"13O2\" is no time\n"},
    };
    // Calls in lower case go out in upper case.
    {
        std::vector<std::string> lines =
            BuildCabrilloLog(testing::SampleStation(SacCw), QsoLog(), "");
        lines.back() = "QSO: 3510 CW 2026-09-19 1400 sm5qqq 599 006 dl1abc 599 011";
        lines.push_back("END-OF-LOG:");
        const std::string log = (dir / "lower.log").string();
        WriteLines(log, lines);
        std::ostringstream out, err;
        EXPECT_EQ(RunAdifExport(log, "", {}, out, err), 0);
        EXPECT_NE(out.str().find("<CALL:6>DL1ABC"), std::string::npos) << out.str();
        EXPECT_NE(out.str().find("<STATION_CALLSIGN:6>SM5QQQ"), std::string::npos);
    }
    for (const auto& [qsos, code, message] : cases) {
        std::vector<std::string> lines =
            BuildCabrilloLog(testing::SampleStation(SacCw), QsoLog(), "");
        lines.pop_back();
        lines.insert(lines.end(), qsos.begin(), qsos.end());
        lines.push_back("END-OF-LOG:");
        const std::string log = (dir / "in.log").string();
        WriteLines(log, lines);
        std::ostringstream out, err;
        EXPECT_EQ(RunAdifExport(log, "", {}, out, err), code);
        std::string expected = message;
        for (std::size_t at; (at = expected.find('@')) != std::string::npos;)
            expected.replace(at, 1, log);
        EXPECT_EQ(err.str(), expected);
        EXPECT_EQ(ReadAdif(out.str(), "out.adi").Records.size(), code == 0 ? 1u : qsos.size() - 1);
    }
    std::filesystem::remove_all(dir);
}

// Output that takes nothing, as a full disk: the export says so and exits with 2.
TEST(RunAdifExport, AFailedWriteExitsWithTwo) {
    struct Full : std::streambuf {
        int overflow(int) override { return traits_type::eof(); }
    } full;
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "kerolt-adif-full";
    std::filesystem::create_directories(dir);
    const std::string log = (dir / "in.log").string();
    std::vector<std::string> lines = BuildCabrilloLog(testing::SampleStation(SacCw), QsoLog(), "");
    WriteLines(log, lines);
    std::ostream out(&full);
    std::ostringstream err;
    EXPECT_EQ(RunAdifExport(log, "", {}, out, err), AdifNotWritten);
    EXPECT_EQ(err.str(), "Cannot write the ADIF to standard output\n");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kerolt
