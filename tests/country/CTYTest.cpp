#include "country/CTY.h"

#include <gtest/gtest.h>

#include <tuple>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "common/KeroltError.h"
#include "common/TextFile.h"
#include "tests/support/CountryLines.h"

namespace kerolt {
namespace {

using test::EntityLine;
using Lines = std::vector<std::string>;
using Pair = std::pair<const char*, const char*>;

// Both lookups, checked against each other on every call a test makes.
std::string PrefixOf(CountryTable& table, std::string_view call) {
    const std::string c = NormalizePortableCall(call);
    EXPECT_EQ(&table.Find(c), &table.FindByWalk(c)) << call;
    return table.PrefixOf(call);
}

CountryTable FromText(const std::string& text) {
    return CountryTable::FromLines(SplitLines(text));
}

CountryTable WorkedExampleTable() {
    return FromText(R"(
Finland:                  15:  28:  EU:   41.90:   -12.43:    -1.0:  OH:
    OH;
Aland Islands:            15:  28:  EU:   41.90:   -12.43:    -1.0:  OH0:
    OH0;
Australia:                15:  28:  OC:   41.90:   -12.43:    -1.0:  VK:
    VK;
Norfolk Island:           15:  28:  OC:   41.90:   -12.43:    -1.0:  VK9N:
    VK9;
Christmas Island:         15:  28:  OC:   41.90:   -12.43:    -1.0:  VK9X:
    VK9X,
    VK9XAB;
)");
}

TEST(CountryLookup, WorkedExamples) {
    CountryTable table = WorkedExampleTable();
    const struct {
        const char* call;
        const char* prefix;
        const char* continent;
    } cases[] = {{"OH2ABC", "OH", "EU"},   {"OH0XYZ", "OH0", "EU"},  {"OH2ABC/0", "OH0", "EU"},
                 {"VK9XYZ", "VK9N", "OC"}, {"VK9XAB", "VK9X", "OC"}, {"VK2ABC", "VK", "OC"},
                 {"QQ1ABC", "***", ""},    {"VK", "VK", "OC"},       {"vk2abc", "***", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(PrefixOf(table, c.call), c.prefix) << c.call;
        EXPECT_EQ(table.ContinentOf(c.call), c.continent) << c.call;
        EXPECT_EQ(table.CurrentEntity().PrimaryPrefix, c.prefix) << c.call;
    }
}

TEST(CountryLookup, EmptyCallSearchesNothingAndKeepsCurrentEntity) {
    CountryTable table = WorkedExampleTable();
    EXPECT_EQ(table.PrefixOf(""), "-");
    EXPECT_EQ(table.CurrentEntity(), EntityRecord{});
    table.PrefixOf("OH0A");
    EXPECT_EQ(table.ContinentOf(""), "");
    EXPECT_EQ(table.PrefixOf(""), "-");
    EXPECT_EQ(table.CurrentEntity().Name, "Aland Islands");
}

TEST(CountryLookup, NormalizePortableCall) {
    const Pair cases[] = {{"SM5ABC/7", "SM7ABC/7"},
                          {"K1ABC/4", "K4ABC/4"},
                          {"OH2ABC/0", "OH0ABC/0"},
                          {"DL/SM5ABC", "DL/SM5ABC"},
                          {"OH0/SM5ABC", "OH0/SM5ABC"},
                          {"SM5ABC/P", "SM5ABC/P"},
                          {"SM5ABC/", "SM5ABC/"},
                          {"ABCD/1", "ABCD/1"},
                          {"AB1/2", "AB2/2"},
                          {"SM5ABC/7/P", "SM7ABC/7/P"},
                          {"", ""}};
    for (const auto& [call, normal] : cases) EXPECT_EQ(NormalizePortableCall(call), normal);
}

// A suffix that is a country prefix, shorter than the call before it, is the station's location;
// a modifier, a lone digit, a suffix no entity has and a whole call after the "/" are not.
TEST(CountryLookup, ASuffixThatIsAPrefixGivesTheLocation) {
    CountryTable table = test::SyntheticCountryTable();
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"W1AW/OH", "OH/W1AW", "OH"},          {"DL1ABC/OH", "OH/DL1ABC", "OH"},
        {"OH2XX/W1", "W1/OH2XX", "K"},         {"K1ABC/VE3", "VE3/K1ABC", "VE"},
        {"K1ABC/VE3/P", "VE3/K1ABC/P", "VE"},  {"DL1ABC/OH2", "OH2/DL1ABC", "OH"},
        {"DL1ABC/P", "DL1ABC/P", "DL"},        {"DL1ABC/M", "DL1ABC/M", "DL"},
        {"DL1ABC/MM", "DL1ABC/MM", "DL"},      {"DL1ABC/AM", "DL1ABC/AM", "DL"},
        {"DL1ABC/QRP", "DL1ABC/QRP", "DL"},    {"DL1ABC/A", "DL1ABC/A", "DL"},
        {"SM5ABC/7", "SM5ABC/7", "SM"},        {"DL1ABC/XY", "DL1ABC/XY", "DL"},
        {"DL1AB/OH2XY", "DL1AB/OH2XY", "DL"},  {"OH/DL1ABC", "OH/DL1ABC", "OH"},
        {"DL1ABC/", "DL1ABC/", "DL"},          {"DL1/OH", "OH/DL1", "OH"},
    };
    for (const auto& [call, located, prefix] : cases) {
        EXPECT_EQ(table.LocationCall(call), located) << call;
        EXPECT_EQ(table.PrefixOf(call), prefix) << call;
    }
    EXPECT_EQ(CountryTable().LocationCall("W1AW/OH"), "W1AW/OH");
}

TEST(CountryLookup, TiesWholeCallsAndTheThreeCharacterRule) {
    CountryTable table = FromText(R"(
United States:            15:  28:  NA:   41.90:   -12.43:    -1.0:  K:
    K,=AH6O,=KH6/W1AW,KL7;
Hawaii:                   15:  28:  OC:   41.90:   -12.43:    -1.0:  KH6:
    AH6,KH6,=K1ABC;
Alaska:                   15:  28:  NA:   41.90:   -12.43:    -1.0:  KL7:
    KL7,=KL7ABC,KL7ABCD,=AH6O,=K1ABCDEFGHIJ;
ITU HQ:                   15:  28:  EU:   41.90:   -12.43:    -1.0:  4U1I:
    =4U1ITU;
Switzerland:              15:  28:  EU:   41.90:   -12.43:    -1.0:  HB:
    HB,4U;
)");
    const struct {
        const char* call;
        const char* prefix;
        const char* why;
    } cases[] = {{"AH6O", "K", "whole call listed before the Hawaiian prefix"},
                 {"AH6OX", "KH6", "a whole call is never a prefix"},
                 {"K1ABC", "KH6", "whole call"},
                 {"K1ABCD", "K", "a whole call is never a prefix"},
                 {"KL7XYZ", "K", "the first of two entities with the same text wins"},
                 {"KL7ABC", "KL7", "the whole call beats a held three-character match"},
                 {"KL7ABCDE", "K", "a longer beginning cannot replace a held KL7"},
                 {"KH6/W1AW", "K", "whole call with a slash"},
                 {"KH6/W1AWX", "KH6", "a whole call is never a prefix"},
                 {"K1ABCDEFGHIJ", "KL7", "whole calls are kept beyond ten characters"},
                 {"K1ABCDEFGH", "K", "nor cut to ten"},
                 {"4U1ITU", "4U1I", "whole call"},
                 {"4U1ITUX", "HB", "a whole call is never a prefix"}};
    for (const auto& c : cases) {
        EXPECT_EQ(PrefixOf(table, c.call), c.prefix) << c.call << ": " << c.why;
    }
}

// Prefix texts with their whole-call marks, as loaded from one alias line.
Lines TokensOf(const std::string& aliasLine) {
    const CountryTable table = CountryTable::FromLines({EntityLine("X", "EU", "X"), aliasLine});
    Lines texts;
    for (std::int32_t i = 0; i < table.PrefixCount(); ++i) {
        const PrefixEntry& e = table.Prefixes()[static_cast<std::size_t>(i)];
        EXPECT_EQ(e.Entity, 0);
        texts.push_back((e.WholeCall ? "=" : "") + e.Text);
    }
    return texts;
}

TEST(CountryFile, AliasTokens) {
    const std::pair<const char*, Lines> cases[] = {
        {"    CK7QO(3)[2],VE7;", {"CK7QO", "VE7"}},
        {"    =VE7ABC<49.0/-123.0>{VE}~-8.0~,VE7[2](3),VA7~1~<1/2>(3);", {"=VE7ABC", "VE7", "VA7"}},
        {"    =7O2A(37)[48];", {"=7O2A"}},
        {"    ABCDEFGHIJKL,=ABCDEFGHIJKL;", {"ABCDEFGHIJ", "=ABCDEFGHIJKL"}},
        {"    A(3,B;", {"A"}},
        {"    A,B<1/2;", {"A", "B"}},
        {"    A~1,B;", {"A"}},
        {"    A[1,B];", {"A"}},
        {"    A,,=,B;  ", {"A", "B"}},
        {"    A;B;", {"A"}},
        {"    AB", {"AB"}},
        {"    ;", {}},
        {"     ", {}},
        {" (", {}},
        {"    (1)A,B;", {"B"}}};
    for (const auto& [line, tokens] : cases) EXPECT_EQ(TokensOf(line), tokens) << line;
}

// A name past its field, with the other columns moved along.
std::string LongLine() {
    std::string line = "A Name Much Longer Than Its Field:  AF:";
    line.resize(69, ' ');
    return line + "LONGPREFIX123:";
}

TEST(CountryFile, EntityLineColumns) {
    const CountryTable table = CountryTable::FromLines(
        {"Sov Mil Order of Malta:   15:  28:  EU:   41.90:   -12.43:    -1.0:  1A:",
         "Conway Reef:              32:  56:  OC:  -22.00:  -175.00:   -12.0:  3D2/c:  ",
         LongLine(), EntityLine("Short", "AS", "").substr(0, 69) + ":", "No colon at all"});
    const std::vector<EntityRecord> expected{{"1A", "Sov Mil Order of Malta", "EU"},
                                             {"3D2/c", "Conway Reef", "OC"},
                                             {"LONGPREFIX", "A Name Much Longer Than It", "AF"},
                                             {"", "Short", "AS"},
                                             {"", "", ""},
                                             UnknownEntity()};
    EXPECT_EQ(table.Entities(), expected);
}

TEST(CountryFile, LinesAndMarkedEntities) {
    // Alias lines before any entity, a blank line, marked entities (one right after another,
    // one marked in column 71).
    std::string file = R"(    XX;
Asiatic Turkey:           15:  28:  AS:   41.90:   -12.43:    -1.0:  TA:
    TA,

    YM;
European Turkey:          15:  28:  EU:   41.90:   -12.43:    -1.0:  *TA1:
    TA1;
Bear Island:              15:  28:  EU:   41.90:   -12.43:    -1.0:  *JW/b:
    =JW5X;
Svalbard:                 15:  28:  EU:   41.90:   -12.43:    -1.0:  JW:
    JW;
Vienna Intl Ctr:          15:  28:  EU:   41.90:   -12.43:    -1.0:   *4U1V:
    =4U1VIC;
)";
    file += '\x1a';  // a DOS end-of-file mark
    CountryTable table = FromText(file);
    EXPECT_EQ(table.Entities().size(), 3u);
    EXPECT_EQ(table.PrefixCount(), 3);
    const Pair cases[] = {
        {"TA1ABC", "TA"}, {"YM2A", "TA"}, {"JW5X", "JW"}, {"XX1A", "***"}, {"4U1VIC", "***"}};
    for (const auto& [call, prefix] : cases) EXPECT_EQ(PrefixOf(table, call), prefix) << call;
}

TEST(CountryFile, EmptyFileAndNoFile) {
    CountryTable empty = CountryTable::FromLines({});
    EXPECT_TRUE(empty.Loaded());
    EXPECT_EQ(empty.Entities(), std::vector<EntityRecord>{UnknownEntity()});
    EXPECT_EQ(empty.PrefixCount(), 0);
    EXPECT_EQ(PrefixOf(empty, "K1ABC"), "***");

    CountryTable none;
    EXPECT_FALSE(none.Loaded());
    EXPECT_EQ(none.Entities(), std::vector<EntityRecord>{EntityRecord{}});
    EXPECT_EQ(none.Prefixes().size(), 2u);
    EXPECT_EQ(PrefixOf(none, "K1ABC"), "");
    EXPECT_EQ(none.ContinentOf("K1ABC"), "");
    EXPECT_EQ(none.PrefixOf(""), "-");
}

class CountryFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("kerolt-cty-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Write(const char* name, const std::string& prefix) {
        std::ofstream(dir_ / name)
            << EntityLine(prefix, "EU", prefix) << "\r\n    " << prefix << ";\r\n";
        return (dir_ / name).string();
    }
    std::filesystem::path dir_;
};

TEST_F(CountryFolder, FindsUpperCaseThenLowerCaseThenPackaged) {
    const std::string folder = dir_.string();
    EXPECT_EQ(FindCountryFile(folder, (dir_ / "none").string()), "");
    const std::string packaged = Write("packaged.dat", "SM");
    EXPECT_EQ(FindCountryFile(folder, packaged), packaged);
    const std::string lower = Write("cty.dat", "OH");
    EXPECT_EQ(FindCountryFile(folder, packaged), lower);
    EXPECT_EQ(LoadCountryTable(folder).PrefixOf("OH2A"), "OH");
    const std::string upper = Write("CTY.DAT", "LA");
    EXPECT_EQ(FindCountryFile(folder, packaged), upper);
    EXPECT_EQ(LoadCountryTable(folder).PrefixOf("LA2A"), "LA");
    EXPECT_FALSE(LoadCountryFile("").Loaded());
}

TEST_F(CountryFolder, UnreadableFileStopsTheLoad) {
    std::filesystem::create_directory(dir_ / "CTY.DAT");
    const std::string name = (dir_ / "CTY.DAT").string();
    try {
        LoadCountryTable(dir_.string());
        FAIL() << "no error";
    } catch (const KeroltError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + name);
    }
}

}  // namespace
}  // namespace kerolt
