// Files written by hand from the Cabrillo 3.0 format page as other loggers write them: each is
// opened, saved and opened again; the page, the rows and the kept lines are written out.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "CabrilloTestSupport.h"
#include "cabrillo/ApplyStation.h"
#include "cabrillo/CabrilloReader.h"
#include "cabrillo/CabrilloWriter.h"
#include "common/TextFile.h"
#include "contest/StationRules.h"

namespace kerolt {
namespace {

using Lines = std::vector<std::string>;
using testing::QsoRow;

std::string CorpusFile(const char* name) {
    return std::string(KEROLT_CORPUS_DIR) + "/" + name;
}

const StationLists& Lists() {
    static const StationLists lists{ContestEntries(),
                                    CategoryEntries(Category::Assisted),
                                    CategoryEntries(Category::Band),
                                    CategoryEntries(Category::Operator),
                                    CategoryEntries(Category::Power),
                                    CategoryEntries(Category::Transmitter),
                                    CategoryEntries(Category::Overlay)};
    return lists;
}

// What the window holds after opening a file in a fresh window, and the text Save writes.
struct Opened {
    CabrilloFile File;
    StationData Station;
    std::vector<QsoLog::Row> Rows;  // columns 1-7
    Lines Text;
};

Opened Open(const std::string& name) {
    Opened o;
    o.File = LoadCabrilloFile(name);
    o.Station = ApplyCabrilloStation(o.File, testing::FreshStation(), Lists());
    QsoLog log;
    for (const QsoLog::Row& row : o.File.Rows) {
        QsoLog::Row cells{};
        for (int c = ColFreq; c <= ColNrRcvd; ++c) cells[c] = row[c];
        o.Rows.push_back(cells);
        log.AppendQso(row);
    }
    o.Text = BuildCabrilloLog(o.Station, log, o.File.ContestDate.value_or(""));
    return o;
}

std::string ScratchName(const char* tag) {
    return (std::filesystem::temp_directory_path() /
            ("kerolt-corpus-" + std::to_string(::getpid()) + "-" + tag + ".log"))
        .string();
}

// Opened, saved, opened again: the second save is the first, byte for byte.
Opened OpenSaveOpen(const char* name) {
    const Opened first = Open(CorpusFile(name));
    const std::string saved = ScratchName("1"), again = ScratchName("2");
    WriteLines(saved, first.Text);
    const Opened second = Open(saved);
    WriteLines(again, second.Text);
    EXPECT_EQ(ReadText(again), ReadText(saved)) << name;
    EXPECT_TRUE(second.Station == first.Station) << name;
    EXPECT_EQ(second.Rows, first.Rows) << name;
    std::filesystem::remove(saved);
    std::filesystem::remove(again);
    return first;
}

QsoLog::Row Cells(std::string freq, std::string time, std::string rstSent, std::string nrSent,
                  std::string call, std::string rstRcvd, std::string nrRcvd) {
    QsoLog::Row row = QsoRow(std::move(freq), std::move(time), std::move(rstSent),
                             std::move(nrSent), std::move(call), std::move(rstRcvd),
                             std::move(nrRcvd));
    return row;
}

TEST(CabrilloCorpus, EveryHeaderTag) {
    const Opened o = OpenSaveOpen("all-tags-lf.log");
    const StationData& s = o.Station;
    EXPECT_EQ(s.CallEdit, "SM5QQQ");
    EXPECT_EQ(s.ContestBox, "SAC-CW");
    EXPECT_EQ(s.ContestIndex, SacCw);
    EXPECT_EQ(s.AssistedComboBox, "NON-ASSISTED");
    EXPECT_EQ(s.BandComboBox, "ALL");
    EXPECT_EQ(s.OperatorComboBox, "SINGLE-OP");
    EXPECT_EQ(s.PowerComboBox, "LOW");
    EXPECT_EQ(s.TransmitterComboBox, "ONE");
    EXPECT_EQ(s.StationComboBox, "PORTABLE");
    EXPECT_EQ(s.OverlayComboBox, "CLASSIC");
    EXPECT_EQ(s.EmailEdit, "sm5qqq@example.org");
    EXPECT_EQ(s.NameEdit, "Sven Svensson");
    EXPECT_EQ(s.AdrEdit1, "Storgatan 1");
    EXPECT_EQ(s.AdrEdit2, "Box 12");
    EXPECT_EQ(s.AdrEdit3, "");
    EXPECT_EQ(s.OperatorsEdit, "SM5QQQ");
    EXPECT_EQ(s.ClubEdit, "SK0QQ");
    EXPECT_EQ(s.Memo1, (Lines{"Fine conditions", "73"}));
    EXPECT_EQ(s.KeptHeaderLines,
              (Lines{"LOCATION: DX", "CATEGORY-TIME: 24-HOURS", "CERTIFICATE: YES",
                     "GRID-LOCATOR: JO89", "ADDRESS-CITY: Stad", "ADDRESS-STATE-PROVINCE: AB",
                     "ADDRESS-POSTALCODE: 123 45", "ADDRESS-COUNTRY: Sweden",
                     "OFFTIME: 2026-09-19 1800 2026-09-19 2200", "DEBUG: 0",
                     "X-INSTRUCTIONS: none"}));
    EXPECT_EQ(s.XQsoLines, Lines{"X-QSO: 14025 CW 2026-09-19 1202 SM5QQQ 599 3 W1AW 599 9"});
    EXPECT_EQ(o.Rows, (std::vector<QsoLog::Row>{
                          Cells("14025", "1200", "599", "     1", "DL1AAA        ", "599", "     5"),
                          Cells("14025", "1201", "599", "     2", "K1AR          ", "599", "    17"),
                          Cells(" 7012", "0130", "599", "     3", "OH2BH         ", "599", "   120"),
                      }));
    EXPECT_EQ(o.File.ContestDate, "2026-09-19");
    EXPECT_EQ(o.File.NyNrEdit, "4");
    EXPECT_TRUE(o.File.NotTaken.empty() && o.File.NotRead.empty() && !o.File.Utf8);
    // Kerolt's own header first, the kept lines after it, the X-QSO lines after the QSOs.
    EXPECT_EQ(o.Text[9], "CATEGORY-STATION: PORTABLE");
    EXPECT_EQ(o.Text[22], "LOCATION: DX");
    EXPECT_EQ(o.Text[o.Text.size() - 2], s.XQsoLines[0]);
}

TEST(CabrilloCorpus, Utf8LowerCaseTabsAndALongHeader) {
    const Opened o = OpenSaveOpen("nordic-utf8-crlf.log");
    const StationData& s = o.Station;
    EXPECT_TRUE(o.File.Utf8);
    EXPECT_EQ(o.File.Lost, (std::vector<LostCharacter>{{22, 0x2014}}));
    EXPECT_EQ(s.CallEdit, "SM5AAA");
    EXPECT_EQ(s.ContestBox, "SAC-SSB");
    EXPECT_EQ(s.ContestIndex, SacSsb);
    EXPECT_EQ(s.AssistedComboBox, "ASSISTED");
    EXPECT_EQ(s.BandComboBox, "20M");
    EXPECT_EQ(s.OperatorComboBox, "SINGLE-OP");
    EXPECT_EQ(s.PowerComboBox, "HIGH");
    EXPECT_EQ(s.TransmitterComboBox, "ONE");
    EXPECT_EQ(s.StationComboBox, "FIXED");
    EXPECT_EQ(s.OverlayComboBox, "Category-Overlay");  // the file gives none
    EXPECT_EQ(s.EmailEdit, "bj\xF6rn@example.se");
    EXPECT_EQ(s.NameEdit, "Bj\xF6rn \xC5str\xF6m");
    EXPECT_EQ(s.AdrEdit1, "\xC5gatan 5");
    EXPECT_EQ(s.AdrEdit2, "");
    EXPECT_EQ(s.AdrEdit3, "");
    EXPECT_EQ(s.ClubEdit, "SK5AA \xD6sterg\xF6tlands Radioklubb");
    EXPECT_EQ(s.Memo1, Lines{"Tack f\xF6r kontakterna ? 73"});
    EXPECT_EQ(s.KeptHeaderLines,
              (Lines{"location: DX", "address-city: Link\xF6ping", "address-postalcode: 582 22",
                     "address-country: Sweden", "grid-locator: JO88",
                     "category-time: 12-HOURS"}));
    EXPECT_TRUE(s.XQsoLines.empty());
    EXPECT_EQ(o.Rows, (std::vector<QsoLog::Row>{
                          Cells("14200", "1200", "59 ", "     1", "DL1AAA        ", "59 ", "     1"),
                          Cells("14200", "1203", "59 ", "     2", "JA1ABC        ", "57 ", "    14"),
                      }));
    EXPECT_EQ(o.File.NyNrEdit, "3");
}

TEST(CabrilloCorpus, Latin1CrAndXQsoLines) {
    const Opened o = OpenSaveOpen("nordic-latin1-cr.log");
    const StationData& s = o.Station;
    EXPECT_FALSE(o.File.Utf8);
    EXPECT_EQ(s.CallEdit, "OH2QQQ");
    EXPECT_EQ(s.OperatorComboBox, "MULTI-OP");
    EXPECT_EQ(s.TransmitterComboBox, "UNLIMITED");
    EXPECT_EQ(s.PowerComboBox, "QRP");
    EXPECT_EQ(s.StationComboBox, "Category-Station");
    EXPECT_EQ(s.NameEdit, "Bj\xF6rn \xC5str\xF6m");
    // One address line given: the other two are emptied with it.
    EXPECT_EQ(s.AdrEdit1, "\xD6stra v\xE4gen 3, \xC5" "bo");
    EXPECT_EQ(s.AdrEdit2, "");
    EXPECT_EQ(s.AdrEdit3, "");
    EXPECT_EQ(s.ClubEdit, "SK5AA \xD6sterg\xF6tlands Radioklubb");
    EXPECT_EQ(s.OperatorsEdit, "OH2QQQ OH2\xC5\xC4\xD6");
    EXPECT_TRUE(s.KeptHeaderLines.empty());
    EXPECT_EQ(s.XQsoLines,
              (Lines{"X-QSO:  3520 CW 2026-09-19 1211 OH2QQQ        599 0002   DL1AAA        "
                     "599 0002   0",
                     "x-qso: 21025 CW 2026-09-19 1300 OH2QQQ        599 0004   K1AR          "
                     "599 0099   1"}));
    EXPECT_EQ(o.Rows, (std::vector<QsoLog::Row>{
                          Cells(" 3520", "1210", "599", "     1", "DL1AAA        ", "599", "     1"),
                          Cells(" 3521", "1213", "599", "     3", "DL2BBB        ", "599", "    41"),
                          Cells("28010", "1305", "599", "     5", "W1AW          ", "579", "   100"),
                      }));
    EXPECT_EQ(o.File.NyNrEdit, "6");
}

TEST(CabrilloCorpus, OneBlankBetweenFields) {
    const Opened o = OpenSaveOpen("single-blank-crlf.log");
    const StationData& s = o.Station;
    EXPECT_EQ(s.CallEdit, "LA9QQQ");
    EXPECT_EQ(s.ContestIndex, SacSsb);
    EXPECT_EQ(s.BandComboBox, "40M");
    EXPECT_EQ(s.NameEdit, "");
    EXPECT_EQ(s.AdrEdit1, "");
    EXPECT_TRUE(s.KeptHeaderLines.empty() && s.XQsoLines.empty() && s.Memo1.empty());
    EXPECT_EQ(o.Rows, (std::vector<QsoLog::Row>{
                          Cells(" 7055", "1500", "59 ", "     1", "DL1AAA        ", "59 ", "     1"),
                          Cells(" 7055", "1502", "59 ", "     2", "G4ABC         ", "59 ", "    23"),
                      }));
    EXPECT_EQ(o.File.ContestDate, "2026-10-10");
}

}  // namespace
}  // namespace kerolt
