#include "contest/StationRules.h"

#include <gtest/gtest.h>

#include <tuple>

#include <algorithm>

#include "contest/ContestRules.h"

namespace kerolt {
namespace {

TEST(LogInputAvailable, NeedsAContestAndThreeCharacters) {
    const struct {
        int contest;
        std::size_t length;
        bool available;
    } cases[] = {{NoContest, 14, false}, {SacCw, 2, false},  {SacCw, 3, true},
                 {SacSsb, 3, true},      {SacSsb, 0, false}, {NoContest, 3, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(LogInputAvailable(c.contest, c.length), c.available)
            << c.contest << ' ' << c.length;
    }
}

bool Offers(const std::vector<std::string>& entries, const std::string& entry) {
    return std::find(entries.begin(), entries.end(), entry) != entries.end();
}

TEST(ChoicesForClass, OnlyScandinaviansPickABandAnOverlayOrMoreTransmitters) {
    const ClassChoices scandinavian = ChoicesForClass(true);
    EXPECT_FALSE(scandinavian.Restricted);
    EXPECT_TRUE(Offers(scandinavian.Band, "20M"));
    EXPECT_TRUE(Offers(scandinavian.Overlay, "ROOKIE"));
    EXPECT_TRUE(Offers(scandinavian.Transmitter, "UNLIMITED"));

    const ClassChoices other = ChoicesForClass(false);
    EXPECT_TRUE(other.Restricted);
    EXPECT_EQ(other.Band, (std::vector<std::string>{"ALL", "LOW-BAND"}));
    EXPECT_EQ(other.Overlay, std::vector<std::string>{""});
    EXPECT_EQ(other.Transmitter, std::vector<std::string>{"ONE"});
}

// Only an overlay or station never picked goes without its header line; the others keep theirs.
TEST(WritesCategoryLine, AnOptionalListNeverPickedHasNone) {
    const std::tuple<Category, const char*, bool> cases[] = {
        {Category::Overlay, "Category-Overlay", false}, {Category::Overlay, "CATEGORY-OVERLAY", false},
        {Category::Overlay, "", true},                  {Category::Overlay, "ROOKIE", true},
        {Category::Power, "Category-Power", true},      {Category::Band, "ALL", true},
        {Category::Station, "Category-Station", false}, {Category::Station, " ", false},
        {Category::Station, "PORTABLE", true},
    };
    for (const auto& [id, value, written] : cases)
        EXPECT_EQ(WritesCategoryLine(id, value), written) << value;
}

TEST(TransmitterChoices, SingleOpLeavesOneTransmitter) {
    for (int op = 0; op < static_cast<int>(OperatorEntries().size()); ++op) {
        const bool single = OperatorEntries()[static_cast<std::size_t>(op)] == "SINGLE-OP";
        EXPECT_EQ(TransmitterChoices(op).size() == 1, single) << op;
        EXPECT_EQ(TransmitterChoices(op).front(), "ONE");
    }
}

}  // namespace
}  // namespace kerolt
