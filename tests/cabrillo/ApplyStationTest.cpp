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
            {&In::CallEdit, &On::CallEdit, "sm5qqq", "sm5qqq", SacCw},  // the same station
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

// Another station's log carries nothing of the page's station: what it does not give is emptied,
// the lists show their prompts. The same call, or no call on either side, keeps the page.
TEST(ApplyCabrilloStation, AnotherStationStartsFromAnEmptyPage) {
    const StationLists lists{ContestEntries(), {}, {}, {}, {}, {}, {}};
    const struct {
        const char* pageCall;
        std::optional<std::string> fileCall;
        bool another;
    } cases[] = {
        {"SM5QQQ", "SM5QQQ", false},     {"SM5QQQ", "sm5qqq", false}, {"SM5QQQ ", "SM5QQQ", false},
        {"SM5QQQ", std::nullopt, false}, {"SM5QQQ", "", false},       {"", "DL1ABC", false},
        {"SM5QQQ", "SM5QQQ/P", true},    {"SM5QQQ", "SM5QQ", true},   {"SM5QQQ", "DL1ABC", true},
    };
    for (const auto& c : cases) {
        StationData before = testing::SampleStation(SacCw);
        before.CallEdit = c.pageCall;
        CabrilloFile file;
        file.Station.CallEdit = c.fileCall;
        file.Station.OperatorsEdit = "OP1";
        file.Memo1 = {"new"};
        EXPECT_EQ(IsAnotherStation(file, c.pageCall), c.another) << c.pageCall;
        StationData expected = before;
        if (c.another) {
            expected = StationData{};
            expected.ContestBox = "Contest";
            expected.AssistedComboBox = "Category-Assisted";
            expected.BandComboBox = "Category-Band";
            expected.OperatorComboBox = "Category-Operator";
            expected.PowerComboBox = "Category-Power";
            expected.TransmitterComboBox = "Category-Transmitter";
            expected.StationComboBox = "Category-Station";
            expected.OverlayComboBox = "Category-Overlay";
            expected.ClamedScoreEdit = "1234";
        }
        if (c.fileCall)
            expected.CallEdit = *c.fileCall;
        expected.OperatorsEdit = "OP1";
        expected.Memo1 = {"new"};
        EXPECT_TRUE(ApplyCabrilloStation(file, before, lists) == expected) << c.pageCall;
    }
    // The contest the file gives is chosen among the cleared lists.
    CabrilloFile file;
    file.Station.CallEdit = "DL1ABC";
    file.Station.ContestBox = "SAC-SSB";
    const StationData after = ApplyCabrilloStation(file, testing::SampleStation(SacCw), lists);
    EXPECT_EQ(after.ContestBox, "SAC-SSB");
    EXPECT_EQ(after.ContestIndex, SacSsb);
    EXPECT_EQ(after.NameEdit, "");
}

}  // namespace
}  // namespace kerolt
