#include "contest/MultList.h"

#include <gtest/gtest.h>

namespace kerolt {
namespace {

TEST(MultListTest, ListsPerBandInTableOrderEachSortedOnItsOwn) {
    const std::vector<MultEntry> table{
        {"K", 1, Band20},    {"DL", 3, Band20}, {"DL", 1, Band40},          {"JA", 2, NoBand},
        {"SM5", 12, Band10}, {"9A", 4, Band20}, {"VERYLO", 123456, Band10}, {"OH", 2, Band80}};
    const BandLists expected{
        {{"OH  2"}, {"DL  1"}, {"9A  4", "DL  3", "K   1"}, {}, {"SM5 12", "VERYLO 123456"}}};
    EXPECT_EQ(BuildMultLists(table), expected);
}

TEST(MultListTest, FileLinesToTheCharacter) {
    const std::string b8(8, ' ');
    const std::vector<std::string> head{"Mult List for SM5ABC",
                                        "80m     40m     20m     15m     10m",
                                        "---     ---     ---     ---     ---"};
    const auto lines = [&](std::vector<std::string> rows) {
        rows.insert(rows.begin(), head.begin(), head.end());
        rows.emplace_back(40, ' ');
        return rows;
    };
    const struct {
        const char* name;
        BandLists lists;
        std::vector<std::string> lines;
    } cases[] = {
        {"example",
         {{{}, {"DL  1"}, {"DL  3", "K   1"}, {}, {}}},
         lines({b8 + "DL  1   DL  3   " + b8 + b8, b8 + b8 + "K   1   " + b8 + b8})},
        {"empty", {}, lines({})},
        {"one band longer, long item cut",
         {{{"DL  1"}, {}, {}, {}, {"DL  1", "VERYLO 123456", "K   1"}}},
         lines({"DL  1   " + b8 + b8 + b8 + "DL  1   ", b8 + b8 + b8 + b8 + "VERYLO 1",
                b8 + b8 + b8 + b8 + "K   1   "})},
    };
    for (const auto& c : cases) EXPECT_EQ(MultListFileLines("SM5ABC", c.lists), c.lines) << c.name;
    EXPECT_EQ(MultListFileLines(" sm5abc ", {}).front(), "Mult List for  sm5abc ");
}

}  // namespace
}  // namespace kerolt
