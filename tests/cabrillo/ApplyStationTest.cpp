#include "cabrillo/ApplyStation.h"

#include <gtest/gtest.h>

#include <functional>

#include "CabrilloTestSupport.h"

namespace kerolt {
namespace {

TEST(FindEntryIgnoringCase, FirstEqualEntryIgnoringAsciiCase) {
    const std::vector<std::string> entries{"", "Rookie", "ROOKIE", "\xC5L"};
    const struct {
        const char* text;
        int index;
    } cases[] = {
        {"", 0}, {"rookie", 1}, {"ROOKIE", 1}, {"ROOKIE ", -1}, {"\xC5L", 3}, {"\xE5L", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindEntryIgnoringCase(entries, c.text), c.index) << '"' << c.text << '"';
    }
    EXPECT_EQ(FindEntryIgnoringCase({"ROOKIE"}, ""), -1);
}

// Each case: what the file holds, and how that changes a station page filled beforehand.
TEST(ApplyCabrilloStation, FoundFieldsReplaceListsSelectEntries) {
    const StationLists lists{ContestEntries(), {"ASSISTED"}, {"ALL"},       {"SINGLE-OP"},
                             {"HIGH", "LOW"},  {"ONE"},      {"", "ROOKIE"}};
    StationData before = testing::SampleStation(SacCw);
    before.OverlayComboBox = "ROOKIE";
    using Edit = std::function<void(CabrilloFile&, StationData&)>;
    const struct {
        const char* what;
        Edit edit;
    } cases[] = {
        {"nothing found keeps all but the memo",
         [](CabrilloFile&, StationData& s) { s.Memo1 = {}; }},
        {"texts replaced as found, also by an empty one",
         [](CabrilloFile& f, StationData& s) {
             f.Station.CallEdit = s.CallEdit = "DL1ABC";
             f.Station.ClubEdit = s.ClubEdit = "";
             f.Memo1 = s.Memo1 = {"new", ""};
         }},
        {"contest chosen ignoring case",
         [](CabrilloFile& f, StationData& s) {
             f.Station.ContestBox = "sac-ssb";
             s.ContestBox = "SAC-SSB";
             s.ContestIndex = SacSsb;
             s.Memo1 = {};
         }},
        {"unknown contest selects none",
         [](CabrilloFile& f, StationData& s) {
             f.Station.ContestBox = "SAC-RTTY";
             s.ContestBox = "";
             s.ContestIndex = NoContest;
             s.Memo1 = {};
         }},
        {"list value takes the entry's text",
         [](CabrilloFile& f, StationData& s) {
             f.Station.PowerComboBox = "high";
             s.PowerComboBox = "HIGH";
             s.Memo1 = {};
         }},
        {"value that is no entry empties the list",
         [](CabrilloFile& f, StationData& s) {
             f.Station.BandComboBox = "80M";
             s.BandComboBox = "";
             s.Memo1 = {};
         }},
        {"empty overlay selects the empty entry",
         [](CabrilloFile& f, StationData& s) {
             f.Station.OverlayComboBox = "";
             s.OverlayComboBox = "";
             s.Memo1 = {};
         }},
    };
    for (const auto& c : cases) {
        CabrilloFile file;
        StationData expected = before;
        c.edit(file, expected);
        EXPECT_TRUE(ApplyCabrilloStation(file, before, lists) == expected) << c.what;
    }
}

}  // namespace
}  // namespace kerolt
