#include "country/CallList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
    for (const PartialMatch& item : m.Items) {
        s += item.Call + (item.InLog ? "+log" : "") + (item.IsTyped ? "+typed" : "") +
             (item.OneAway ? "~" : "") + " ";
    }
    return s + "| " + std::to_string(m.More);
}

TEST(CallList, ReadsCallsOnceSkippingCommentsAndBlanks) {
    const CallList fromText = CallList::FromText("# c\r\nSM5AAA\r\n\r\n OH2BH \rSM5AAA\nK1ABC");
    for (const CallList* list : {&SmallList(), &fromText}) {
        EXPECT_TRUE(list->Contains("SM5AAA"));
        EXPECT_TRUE(list->Contains("OH2BH"));
        EXPECT_FALSE(list->Contains("# comment"));
        EXPECT_FALSE(list->Contains("SM5AA"));
        EXPECT_FALSE(list->Contains(""));
    }
    EXPECT_EQ(SmallList().Size(), 6u);
    EXPECT_EQ(fromText.Size(), 3u);
    EXPECT_FALSE(CallList().Contains("SM5AAA"));
}

TEST(CallList, NeighboursAreOneEditAway) {
    EXPECT_EQ(SmallList().Neighbours("SM5AAC"),
              (std::vector<std::string_view>{"SM5AAA", "SM5AAB"}));
    EXPECT_EQ(SmallList().Neighbours("SM5AA"),
              (std::vector<std::string_view>{"SM5AAA", "SM5AAB", "SM5AB"}));
    EXPECT_EQ(SmallList().Neighbours("OH2BHX"), (std::vector<std::string_view>{"OH2BH"}));
    EXPECT_TRUE(SmallList().Neighbours("OH2XX").empty());
}

TEST(CheckPartial, ShowsLogCallsFirstThenContainingThenOneAway) {
    struct Case {
        const char* typed;
        std::vector<std::string> logCalls;
        std::size_t maxItems;
        const char* shown;
    };
    const Case cases[] = {
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
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Describe(CheckPartial(SmallList(), c.typed, c.logCalls, c.maxItems)), c.shown)
            << c.typed;
    }
}

TEST(CallList, FileInTheFolderBeforeThePackagedOne) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(::testing::TempDir()) / "calllist";
    fs::remove_all(dir);
    fs::create_directories(dir / "empty");
    const std::string packaged = (dir / "packaged.scp").string();
    std::ofstream(packaged) << "OH2BH\n";
    std::ofstream(dir / "MASTER.SCP") << "# list\nSM5AAA\nK1ABC\n";

    EXPECT_EQ(LoadCallList(FindCallListFile(dir.string(), packaged)).Size(), 2u);
    EXPECT_EQ(LoadCallList(FindCallListFile((dir / "empty").string(), packaged)).Size(), 1u);
    EXPECT_EQ(FindCallListFile((dir / "empty").string(), (dir / "none").string()), "");
    EXPECT_EQ(LoadCallList("").Size(), 0u);
    EXPECT_THROW(LoadCallList((dir / "none").string()), std::runtime_error);
}

}  // namespace
}  // namespace kerolt
