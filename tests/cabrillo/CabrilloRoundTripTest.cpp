// Random logs written, read back as the window applies a file, and written again give the
// same text.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <random>

#include "CabrilloTestSupport.h"
#include "cabrillo/CabrilloReader.h"
#include "cabrillo/CabrilloWriter.h"
#include "common/Text.h"
#include "common/TextFile.h"
#include "contest/ContestRules.h"

namespace kerolt {
namespace {

using Lines = std::vector<std::string>;

const Lines& MasterCalls() {
    static const Lines calls = [] {
        Lines result;
        std::ifstream in(KEROLT_MASTER_SCP);
        std::string line;
        while (std::getline(in, line)) {
            line = Trim(line);
            if (!line.empty() && line[0] != '#' && line.size() <= 13) {
                result.push_back(line);
            }
        }
        return result;
    }();
    return calls;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

// What the window does with a file: found fields replace the controls' texts (the lists hold
// the texts the writer wrote), the soapbox replaces the memo, the rows become the log.
void Apply(const CabrilloFile& file, StationData& station, QsoLog& log) {
    const CabrilloStation& s = file.Station;
    auto set = [](const std::optional<std::string>& value, std::string& field) {
        if (value) {
            field = *value;
        }
    };
    set(s.CallEdit, station.CallEdit);
    if (s.ContestBox) {
        station.ContestIndex = EqualIgnoringCase(*s.ContestBox, "SAC-CW")    ? SacCw
                               : EqualIgnoringCase(*s.ContestBox, "SAC-SSB") ? SacSsb
                                                                             : NoContest;
        station.ContestBox = station.ContestIndex == SacCw    ? "SAC-CW"
                             : station.ContestIndex == SacSsb ? "SAC-SSB"
                                                              : "";
    }
    set(s.AssistedComboBox, station.AssistedComboBox);
    set(s.BandComboBox, station.BandComboBox);
    set(s.OperatorComboBox, station.OperatorComboBox);
    set(s.PowerComboBox, station.PowerComboBox);
    set(s.TransmitterComboBox, station.TransmitterComboBox);
    set(s.OverlayComboBox, station.OverlayComboBox);
    set(s.EmailEdit, station.EmailEdit);
    set(s.NameEdit, station.NameEdit);
    set(s.AdrEdit1, station.AdrEdit1);
    set(s.AdrEdit2, station.AdrEdit2);
    set(s.AdrEdit3, station.AdrEdit3);
    set(s.OperatorsEdit, station.OperatorsEdit);
    set(s.ClubEdit, station.ClubEdit);
    station.Memo1 = file.Memo1;

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
        s.CallEdit = Pick(MasterCalls());
        s.ContestIndex = contest;
        s.ContestBox = contest == SacCw ? "SAC-CW" : "SAC-SSB";
        s.AssistedComboBox = Pick({"NON-ASSISTED", "ASSISTED"});
        s.BandComboBox = Pick({"ALL", "80M", "40M", "20M", "15M", "10M"});
        s.OperatorComboBox = Pick({"SINGLE-OP", "MULTI-OP", "CHECKLOG"});
        s.PowerComboBox = Pick({"HIGH", "LOW", "QRP"});
        s.TransmitterComboBox = Pick({"ONE", "UNLIMITED"});
        s.OverlayComboBox = Pick({"", "ROOKIE", "TB-WIRES"});
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
        static const Lines bands{" 3500", " 7000", "14000", "21000", "28000"};
        const std::string report = contest == SacCw ? "599" : "59";
        std::vector<QsoLog::Row> rows;
        std::size_t nr = 1 + Below(3);
        for (std::size_t n = Below(300); n > 0; --n) {
            char time[5];
            std::snprintf(time, sizeof time, "%02zu%02zu", Below(24), Below(60));
            rows.push_back(testing::QsoRow(Pick(bands), time, report, std::to_string(nr),
                                           Pick(MasterCalls()), Below(4) ? report : "57",
                                           std::to_string(1 + Below(Below(2) ? 999999 : 3000))));
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
    ASSERT_GT(MasterCalls().size(), 1000u) << KEROLT_MASTER_SCP;
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

}  // namespace
}  // namespace kerolt
