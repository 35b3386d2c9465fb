#include "calls/CallList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

namespace kerolt {
namespace {

const CallList& SmallList() {
    static const CallList list = CallList::FromLines(
        {"# comment", "SM5AAA", "  SM5AAB ", "", "OH2BH", "DL1ABC", "K1ABC", "SM5AB", "SM5AAA"});
    return list;
}

// "CALL" plus "+log", "+typed", "~" (one away) per item, then "| More".
std::string Describe(const PartialMatches& m) {
    std::string s;
    for (const PartialMatch& item : m.Items)
        s += item.Call + (item.InLog ? "+log" : "") + (item.IsTyped ? "+typed" : "") +
             (item.OneAway ? "~" : "") + " ";
    return s + "| " + std::to_string(m.More);
}

// The file in the folder comes before the packaged one; each holds every call once, without
// comments and blank lines, whatever its line ends.
TEST(CallList, ReadsTheFolderFileBeforeThePackagedOne) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(::testing::TempDir()) / "calllist";
    fs::remove_all(dir);
    fs::create_directories(dir / "empty");
    const std::string packaged = (dir / "packaged.scp").string();
    std::ofstream(packaged) << "OH2BH\n";
    std::ofstream(dir / "MASTER.SCP", std::ios::binary)
        << "# c\r\nSM5AAA\r\n\r\n OH2BH \rSM5AAA\nK1ABC";

    const CallList fromFile = LoadCallList(FindCallListFile(dir.string(), packaged));
    for (const CallList* list : {&SmallList(), &fromFile}) {
        for (const char* call : {"SM5AAA", "OH2BH"}) EXPECT_TRUE(list->Contains(call));
        for (const char* call : {"# comment", "# c", "SM5AA", ""})
            EXPECT_FALSE(list->Contains(call));
    }
    EXPECT_EQ(SmallList().Size(), 6u);
    EXPECT_EQ(fromFile.Size(), 3u);
    EXPECT_EQ(LoadCallList(FindCallListFile((dir / "empty").string(), packaged)).Size(), 1u);
    EXPECT_EQ(FindCallListFile((dir / "empty").string(), (dir / "none").string()), "");
    EXPECT_FALSE(LoadCallList("").Contains("SM5AAA"));
    EXPECT_THROW(LoadCallList((dir / "none").string()), std::runtime_error);
}

// Lines ending in CR alone load whole; a call with a portable part is known by its base call.
TEST(CallList, KnowsCallsOfAnyLineEndsAndByTheirBaseCall) {
    std::string text;
    for (int i = 0; i < 100; ++i) text += "SM" + std::to_string(i) + "AA\r";
    const CallList list = CallList::FromText(text + "DM5RC\rDL1ABC");
    EXPECT_EQ(list.Size(), 102u);
    const std::pair<const char*, bool> cases[] = {
        {"SM99AA", true},   {"DM5RC/P", true},   {"OH/DL1ABC", true}, {"DM5RC/QRP", true},
        {"DL1ABC/5", true}, {"DM5RC/MM", true},  {"DM5RX/P", false},  {"DM5R/P", false},
        {"SM0AA", true},    {"DL1ABC/AM", true},
    };
    for (const auto& [call, known] : cases) EXPECT_EQ(list.Knows(call), known) << call;
}

// The base of a portable call is its longest part, the first of two equally long ones: the
// longer part first or later, and parts one character apart.
TEST(BaseCall, TheLongestPart) {
    const std::pair<const char*, const char*> cases[] = {
        {"DL1AB/OH2XY", "DL1AB"},   {"OH2XY/DL1ABC", "DL1ABC"},
        {"DL1ABC/OH2XY", "DL1ABC"}, {"SM5A/W1A", "SM5A"},
        {"W1A/SM5A", "SM5A"},       {"W1AB/SM5A", "W1AB"},
        {"SM5A/P", "SM5A"},         {"OH/SM5A", "SM5A"},
        {"SM5A", "SM5A"},           {"", ""},
    };
    for (const auto& [call, base] : cases) EXPECT_EQ(BaseCall(call), base) << call;
}

TEST(CanBeCall, NeedsALetterADigitAndSlashesOnlyBetweenParts) {
    const std::pair<const char*, bool> cases[] = {
        {"SM5AAA", true},  {"OH/DL1ABC", true}, {"dm5rc/p", true}, {"SMAAA", false},
        {"12345", false},  {"/SM5AA", false},   {"SM5AA/", false}, {"SM5//A", false},
        {"SM5-AA", false}, {"", false},
    };
    for (const auto& [call, can] : cases) EXPECT_EQ(CanBeCall(call), can) << call;
}

// The text typed, the calls of the log, the most items shown, and what is shown.
TEST(CheckPartial, ShowsLogCallsFirstThenContainingThenOneAway) {
    const std::tuple<const char*, std::vector<std::string>, std::size_t, const char*> cases[] = {
        {"S", {}, 10, "| 0"},
        {"H2B", {}, 10, "OH2BH | 0"},
        {"abc", {}, 10, "DL1ABC K1ABC | 0"},
        {"ABC", {"K1ABC  ", "K1ABC", "LA9ABC"}, 10, "K1ABC+log LA9ABC+log DL1ABC | 0"},
        {"OH2BH", {}, 10, "OH2BH+typed | 0"},
        {"OH2BH", {"OH2BH"}, 10, "OH2BH+log+typed | 0"},
        {"OH2BX", {}, 10, "OH2BH~ | 0"},
        {"OH2BX", {"OH2BH"}, 10, "OH2BH+log~ | 0"},
        {"SM5A", {}, 2, "SM5AAA SM5AAB | 1"},
        {"SM5AB", {}, 10, "SM5AB+typed SM5AAB~ | 0"},
        {"SM5AB", {}, 1, "SM5AB+typed | 0"},
        {"SM5AAC", {}, 1, "SM5AAA~ | 1"},
        // One away: a character changed, added or dropped.
        {"SM5AAC", {}, 10, "SM5AAA~ SM5AAB~ | 0"},
        {"SM5AA", {}, 10, "SM5AAA SM5AAB SM5AB~ | 0"},
        {"OH2BHX", {}, 10, "OH2BH~ | 0"},
        {"OH2XX", {}, 10, "| 0"},
        // A call holding the text twice is one call.
        {"AA", {}, 10, "SM5AAA SM5AAB | 0"},
        {"AA", {}, 1, "SM5AAA | 1"},
    };
    for (const auto& [typed, logCalls, maxItems, shown] : cases)
        EXPECT_EQ(Describe(CheckPartial(SmallList(), typed, logCalls, maxItems)), shown) << typed;
}

}  // namespace
}  // namespace kerolt
