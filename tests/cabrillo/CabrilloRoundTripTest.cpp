// Random logs written, read back as the window applies a file, and written again give the
// same text.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "CabrilloTestSupport.h"
#include "cabrillo/ApplyStation.h"
#include "cabrillo/CabrilloReader.h"
#include "cabrillo/CabrilloWriter.h"
#include "common/Text.h"
#include "common/TextFile.h"
#include "contest/ContestRules.h"
#include "tests/support/PackagedData.h"

namespace kerolt {
namespace {

using Lines = std::vector<std::string>;

// Calls that fit the header's callsign field.
const Lines& Calls() {
    static const Lines calls = [] {
        Lines result;
        for (const std::string& call : test::MasterCalls()) {
            if (call.size() <= 13)
                result.push_back(call);
        }
        return result;
    }();
    return calls;
}

// The entries the station lists offer, and so the values the random stations take.
const StationLists& Lists() {
    static const StationLists lists{
        ContestEntries(),
        {"NON-ASSISTED", "ASSISTED"},
        {"ALL", "80M", "40M", "20M", "15M", "10M"},
        {"SINGLE-OP", "MULTI-OP", "CHECKLOG"},
        {"HIGH", "LOW", "QRP"},
        {"ONE", "UNLIMITED"},
        {"", "ROOKIE", "TB-WIRES"},
    };
    return lists;
}

// What the window does with a file: the station values as opening sets them, the rows
// become the log.
void Apply(const CabrilloFile& file, StationData& station, QsoLog& log) {
    station = ApplyCabrilloStation(file, station, Lists());
    log.SetRowCount(2);
    for (const QsoLog::Row& row : file.Rows) {
        const int r = log.RowCount() - 1;
        log.AddRow();
        for (int c = ColRow; c <= ColNrRcvd; ++c) log.SetCell(r, c, row[c]);
    }
}

class RandomLog {
  public:
    explicit RandomLog(unsigned seed) : rng_(seed) {}

    std::string Pick(const Lines& from) { return from[Below(from.size())]; }

    // Printable 8-bit text without ':' (every key holds one) and without line ends.
    std::string Text(std::size_t maxLength, bool trimmed) {
        std::string s(Below(maxLength + 1), ' ');
        for (char& c : s) {
            do {
                c = static_cast<char>(32 + Below(224));
            } while (c == ':' || c == '\x7f');
        }
        return trimmed ? Trim(s) : s;
    }

    std::size_t Below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }

    StationData Station(int contest) {
        StationData s;
        s.CallEdit = Pick(Calls());
        s.ContestIndex = contest;
        s.ContestBox = ContestEntries()[static_cast<std::size_t>(contest)];
        s.AssistedComboBox = Pick(Lists().Assisted);
        s.BandComboBox = Pick(Lists().Band);
        s.OperatorComboBox = Pick(Lists().Operator);
        s.PowerComboBox = Pick(Lists().Power);
        s.TransmitterComboBox = Pick(Lists().Transmitter);
        s.OverlayComboBox = Pick(Lists().Overlay);
        s.EmailEdit = Text(60, true);
        s.OperatorsEdit = Text(60, true);
        s.ClamedScoreEdit = std::to_string(Below(100000));
        s.NameEdit = Text(60, true);
        s.AdrEdit1 = Text(60, true);
        s.AdrEdit2 = Text(60, true);
        s.AdrEdit3 = Text(60, true);
        s.ClubEdit = Below(2) ? Text(40, true) : "";
        for (std::size_t n = Below(5); n > 0; --n) s.Memo1.push_back(Text(80, false));
        return s;
    }

    QsoLog Log(int contest) {
        const std::string report = DefaultReport(contest);
        std::vector<QsoLog::Row> rows;
        std::size_t nr = 1 + Below(3);
        for (std::size_t n = Below(300); n > 0; --n) {
            char time[5];
            std::snprintf(time, sizeof time, "%02zu%02zu", Below(24), Below(60));
            rows.push_back(testing::QsoRow(
                Pick(FrequencyEntries()), time, report, std::to_string(nr), Pick(Calls()),
                Below(4) ? report : "57", std::to_string(1 + Below(Below(2) ? 999999 : 3000))));
            nr += Below(10) ? 1 : 1 + Below(200000);
            if (nr > 999999) {
                nr = 1;
            }
        }
        return testing::LogOf(rows);
    }

  private:
    std::mt19937 rng_;
};

TEST(CabrilloRoundTrip, RandomLogsWriteReadWriteTheSameText) {
    KEROLT_SKIP_WITHOUT_PACKAGED_DATA();
    ASSERT_GT(Calls().size(), 1000u);
    for (unsigned seed = 1; seed <= 60; ++seed) {
        RandomLog random(seed);
        const int contest = seed % 2 ? SacCw : SacSsb;
        const StationData station = random.Station(contest);
        const QsoLog log = random.Log(contest);
        const std::string contestDate =
            ContestCalendarDate(contest, 2002 + static_cast<int>(random.Below(23)));
        const Lines text = BuildCabrilloLog(station, log, contestDate);

        const CabrilloFile file = ReadCabrilloLog(text, "random.log");
        StationData reread;
        reread.ClamedScoreEdit = station.ClamedScoreEdit;  // recomputed by the window
        QsoLog relog;
        Apply(file, reread, relog);
        ASSERT_EQ(BuildCabrilloLog(reread, relog, file.ContestDate.value_or(contestDate)), text)
            << "seed " << seed;

        const int n = log.QsoRowCount();
        ASSERT_EQ(static_cast<int>(file.Rows.size()), n);
        for (int r = 1; r <= n; ++r) {
            const QsoLog::Row& row = file.Rows[static_cast<std::size_t>(r - 1)];
            EXPECT_EQ(row[ColRow], std::to_string(r));
            // Right-aligned numbers keep their leading spaces, calls their trailing ones.
            EXPECT_EQ(row[ColFreq], log.Cell(r, ColFreq));
            EXPECT_EQ(row[ColNrSent], Copy("     " + log.Cell(r, ColNrSent),
                                           static_cast<long>(log.Cell(r, ColNrSent).size()), 6));
            EXPECT_EQ(row[ColCall], Cut(log.Cell(r, ColCall) + std::string(14, ' '), 14));
            EXPECT_EQ(row[ColRstSent], Cut(log.Cell(r, ColRstSent) + " ", 3));
        }
        if (n > 0) {
            EXPECT_EQ(file.ContestDate, contestDate);
            EXPECT_EQ(file.NyNrEdit, std::to_string(std::stoi(log.Cell(n, ColNrSent)) + 1));
            EXPECT_EQ(file.TimeEdit, log.Cell(n, ColTime));
        }
    }
}

TEST(CabrilloRoundTrip, ThroughAFileOnDisk) {
    KEROLT_SKIP_WITHOUT_PACKAGED_DATA();
    RandomLog random(4242);
    const Lines text = BuildCabrilloLog(random.Station(SacCw), random.Log(SacCw), "2019-09-21");
    const std::string name = (std::filesystem::temp_directory_path() /
                              ("kerolt-cabrillo-" + std::to_string(::getpid()) + ".log"))
                                 .string();
    WriteLines(name, text);
    const CabrilloFile file = LoadCabrilloFile(name);
    std::filesystem::remove(name);
    EXPECT_EQ(file.Lines, text);
}

// A callsign typed with a blank in front, and rows with blank or short cells: the file reads
// back into the same rows and writes again byte for byte.
TEST(CabrilloRoundTrip, BlankInFrontOfTheCallAndBlankOrShortCells) {
    using testing::QsoRow;
    const std::vector<QsoLog::Row> rows{
        QsoRow(" 3500", "1305", "599", "1", "OH2QQQ", "599", ""),
        QsoRow(" 3500", "1306", "599", "2", "OH2QQR", "", "7"),
        QsoRow(" 7000", "1307", "5", "3", "DL1AAA", "5", "8"),
        QsoRow("14000", "1308", "", "", "K1AR", "599", "9"),
        QsoRow("14000", "1309", "599", "5", "", "599", "10"),
        QsoRow("14000", "1310", "59", "6", "W1AW", "59", "11"),
    };
    for (const char* call : {" SM5QQQ", "SM5QQQ", "  SM5QQQ "}) {
        StationData station = testing::SampleStation(SacCw);
        station.CallEdit = call;
        const Lines text = BuildCabrilloLog(station, testing::LogOf(rows), "2019-09-21");
        const CabrilloFile file = ReadCabrilloLog(text, "own.log");
        EXPECT_TRUE(file.NotTaken.empty()) << call;
        ASSERT_EQ(file.Rows.size(), rows.size()) << call;
        StationData reread;
        reread.ClamedScoreEdit = station.ClamedScoreEdit;
        QsoLog relog;
        Apply(file, reread, relog);
        EXPECT_EQ(BuildCabrilloLog(reread, relog, "2019-09-21"), text) << call;
    }
}

}  // namespace
}  // namespace kerolt
