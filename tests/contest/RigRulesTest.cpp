#include "contest/RigRules.h"

#include "contest/BandPlan.h"

#include <gtest/gtest.h>

namespace kerolt {
namespace {

TEST(ContestBandOfKhz, TakesEachAllocationWithBothEdges) {
    const struct {
        long khz;
        BandIndex band;
    } cases[] = {{3499, NoBand},  {3500, Band80},  {4000, Band80},  {4001, NoBand},
                 {6999, NoBand},  {7000, Band40},  {7300, Band40},  {7301, NoBand},
                 {13999, NoBand}, {14000, Band20}, {14350, Band20}, {14351, NoBand},
                 {20999, NoBand}, {21000, Band15}, {21450, Band15}, {21451, NoBand},
                 {27999, NoBand}, {28000, Band10}, {29700, Band10}, {29701, NoBand}};
    for (const auto& c : cases) EXPECT_EQ(ContestBandOfKhz(c.khz), c.band) << c.khz;
}

// The panel carries the rounded kHz and the fit of the mode, so they are checked through it.
TEST(RigPanelText, ShowsKhzModeAndAModeThatDoesNotFit) {
    const struct {
        std::optional<RigReading> reading;
        int contest;
        const char* text;
    } cases[] = {
        {std::nullopt, SacCw, "no rig"},
        {RigReading{14025499, "CW"}, SacCw, "14025 CW"},
        {RigReading{14025500, "CWR"}, SacCw, "14026 CWR"},
        {RigReading{14025000, "USB"}, SacCw, "14025 USB (not CW)"},
        {RigReading{3750000, "LSB"}, SacSsb, "3750 LSB"},
        {RigReading{14250000, "USB"}, SacSsb, "14250 USB"},
        {RigReading{14250000, "CW"}, SacSsb, "14250 CW (not SSB)"},
        {RigReading{14250000, "PKTUSB"}, SacSsb, "14250 PKTUSB (not SSB)"},
        {RigReading{14250000, "FM"}, NoContest, "14250 FM"},
        {RigReading{-1e300, "FM"}, NoContest, "0 FM"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RigPanelText(c.reading, c.contest).English(), c.text) << c.text;
}

TEST(FrequencyCell, IsTheRigsKhzOnlyOnTheChosenBand) {
    const std::string b20 = FrequencyEntries()[Band20 - 1];
    const std::string b10 = FrequencyEntries()[Band10 - 1];
    const struct {
        std::optional<long> khz;
        std::string band;
        std::string cell;
    } cases[] = {{14025, b20, "14025"}, {std::nullopt, b20, b20},
                 {7025, b20, b20},      {10120, b20, b20},
                 {28450, b10, "28450"}, {29100, b10, "29100"},
                 {14025, "", ""},       {3525, FrequencyEntries()[Band80 - 1], "3525"}};
    for (const auto& c : cases) {
        EXPECT_EQ(FrequencyCell(c.khz, c.band), c.cell) << c.khz.value_or(-1) << " " << c.band;
    }
}

TEST(RigBandFollower, FollowsOnlyAMoveOntoAContestBand) {
    RigBandFollower follower;
    const struct {
        long khz;
        bool forgetFirst;
        std::optional<BandIndex> band;
    } steps[] = {
        {14025, false, Band20},       {14025, false, std::nullopt}, {14030, false, Band20},
        {10120, false, std::nullopt}, {7025, false, Band40},        {7025, true, Band40},
    };
    for (const auto& s : steps) {
        if (s.forgetFirst)
            follower.Forget();
        EXPECT_EQ(follower.Follow(s.khz), s.band) << s.khz;
    }
}

}  // namespace
}  // namespace kerolt
