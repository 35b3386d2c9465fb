#include "cabrillo/ApplyStation.h"

#include <gtest/gtest.h>

#include <tuple>

#include "CabrilloTestSupport.h"

namespace kerolt {
namespace {

TEST(ApplyCabrilloStation, FoundFieldsReplaceListsSelectEntries) {
    const StationLists lists{ContestEntries(), {"ASSISTED"}, {"ALL"},       {"SINGLE-OP"},
                             {"HIGH", "LOW"},  {"ONE"},      {"", "ROOKIE"}};
    StationData before = testing::SampleStation(SacCw);
    before.OverlayComboBox = "ROOKIE";
    // Nothing found keeps all but the memo, which always becomes the file's soapbox.
    StationData expected = before;
    expected.Memo1.clear();
    EXPECT_TRUE(ApplyCabrilloStation(CabrilloFile{}, before, lists) == expected);

    // Each case: a field found in the file, its value there and on the page, the contest
    // entry chosen. Texts are replaced as found, also by an empty one.
    using In = CabrilloStation;
    using On = StationData;
    const std::tuple<std::optional<std::string> In::*, std::string On::*, const char*, const char*,
                     int>
        cases[] = {
            {&In::CallEdit, &On::CallEdit, "DL1ABC", "DL1ABC", SacCw},
            {&In::ClubEdit, &On::ClubEdit, "", "", SacCw},
            {&In::ContestBox, &On::ContestBox, "sac-ssb", "SAC-SSB", SacSsb},
            {&In::ContestBox, &On::ContestBox, "SAC-RTTY", "", NoContest},
            {&In::PowerComboBox, &On::PowerComboBox, "high", "HIGH", SacCw},
            {&In::BandComboBox, &On::BandComboBox, "80M", "", SacCw},  // no entry: none chosen
            {&In::OverlayComboBox, &On::OverlayComboBox, "", "", SacCw},
        };
    for (const auto& [inFile, onPage, value, shown, contest] : cases) {
        CabrilloFile file;
        file.Station.*inFile = value;
        file.Memo1 = {"new", ""};
        expected = before;
        expected.*onPage = shown;
        expected.ContestIndex = contest;
        expected.Memo1 = file.Memo1;
        EXPECT_TRUE(ApplyCabrilloStation(file, before, lists) == expected) << value;
    }
}

}  // namespace
}  // namespace kerolt
