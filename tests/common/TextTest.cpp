#include "common/Text.h"

#include <gtest/gtest.h>

#include "common/KeroltError.h"

namespace kerolt {
namespace {

TEST(Text, CopyFollowsThePositionRules) {
    struct Case {
        const char* text;
        long p, n;
        const char* expected;
    } cases[] = {
        {"ABCDEF", 1, 3, "ABC"}, {"ABCDEF", 0, 2, "AB"}, {"ABCDEF", -5, 2, "AB"},
        {"ABCDEF", 5, 9, "EF"},  {"ABCDEF", 6, 1, "F"},  {"ABCDEF", 7, 1, ""},
        {"ABCDEF", 2, 0, ""},    {"ABCDEF", 2, -1, ""},  {"", 1, 5, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Copy(c.text, c.p, c.n), c.expected) << c.text << " " << c.p << " " << c.n;
    }
    EXPECT_EQ(CopyFrom("ABCDEF", 4), "DEF");
    EXPECT_EQ(CopyFrom("ABCDEF", 9), "");
    EXPECT_EQ(CharAt("AB", 2), 'B');
    EXPECT_EQ(CharAt("AB", 3), '\0');
    EXPECT_EQ(CharAt("AB", 0), '\0');
}

TEST(Text, TrimRemovesBlanksAndControlCharacters) {
    EXPECT_EQ(Trim(" \t SM5ABC \r\n"), "SM5ABC");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(TrimLeft("  A B "), "A B ");
    EXPECT_EQ(TrimRight("  A B "), "  A B");
    // Latin-1 letters are not blanks, though their char value is negative.
    EXPECT_EQ(Trim("\xC5"
                   "A\xD6"),
              "\xC5"
              "A\xD6");
}

TEST(Text, TextLessIsOrdinal) {
    EXPECT_TRUE(TextLess("", "1200"));
    EXPECT_TRUE(TextLess("0959", "1200"));
    EXPECT_TRUE(TextLess("120", "1200"));
    EXPECT_FALSE(TextLess("1200", "1200"));
    EXPECT_FALSE(TextLess("930", "1200"));
    EXPECT_TRUE(TextLess("Z", "\xC5"));
}

TEST(Text, StrToIntAcceptsOnlyWholeNumbers) {
    EXPECT_EQ(StrToInt("45"), 45);
    EXPECT_EQ(StrToInt("0045"), 45);
    EXPECT_EQ(StrToInt("  7"), 7);
    EXPECT_EQ(StrToInt("-3"), -3);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    for (const char* bad :
         {"", " ", "12 ", "1a", "+", "2147483648", "99999999999999999999", "0x10"}) {
        try {
            StrToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const KeroltError& e) {
            EXPECT_EQ(e.what(), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

TEST(Text, DigitsValueReadsDigitTextsOnly) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"0042", 42},       {"2147483647", 2147483647},
        {"2147483648", -1}, {"", -1},
        {" 1", -1},         {"-1", -1},
        {"1a", -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DigitsValue(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(FindEntryIgnoringCase, FirstEqualEntryIgnoringAsciiCase) {
    const std::vector<std::string> entries{"", "Rookie", "ROOKIE", "\xC5L"};
    const std::pair<const char*, int> cases[] = {
        {"", 0}, {"rookie", 1}, {"ROOKIE", 1}, {"ROOKIE ", -1}, {"\xC5L", 3}, {"\xE5L", -1},
    };
    for (const auto& [text, index] : cases)
        EXPECT_EQ(FindEntryIgnoringCase(entries, text), index) << '"' << text << '"';
    EXPECT_EQ(FindEntryIgnoringCase({"ROOKIE"}, ""), -1);
}

// Valid UTF-8 with non-ASCII becomes Latin-1; anything else stays byte for byte.
TEST(DecodeFileText, Utf8ToLatin1ElseAsIs) {
    const struct {
        std::string bytes;
        std::string text;
        bool utf8;
        std::vector<LostCharacter> lost;
    } cases[] = {
        {"plain ASCII\r\n", "plain ASCII\r\n", false, {}},
        {"Bj\xC3\xB6rn \xC3\x85str\xC3\xB6m", "Bj\xF6rn \xC5str\xF6m", true, {}},
        {"Bj\xF6rn", "Bj\xF6rn", false, {}},                  // Latin-1
        {"\xC3\xB6 \xF6", "\xC3\xB6 \xF6", false, {}},         // UTF-8 and Latin-1 mixed
        {"\xC3", "\xC3", false, {}},                          // cut sequence
        {"\xC0\xB6", "\xC0\xB6", false, {}},                  // overlong
        {"\xED\xA0\x80", "\xED\xA0\x80", false, {}},          // surrogate
        {"\xF4\x90\x80\x80", "\xF4\x90\x80\x80", false, {}},  // beyond U+10FFFF
        {"\xC3\xBF", "\xFF", true, {}},                        // U+00FF, the last Latin-1 one
        {"a\nb\r\nc\rd \xC4\x80", "a\nb\r\nc\rd ?", true, {{4, 0x100}}},
        {"\xF0\x9F\x93\xBB", "?", true, {{1, 0x1F4FB}}},
    };
    for (const auto& c : cases) {
        const DecodedText d = DecodeFileText(c.bytes);
        EXPECT_EQ(d.Text, c.text) << c.bytes;
        EXPECT_EQ(d.Utf8, c.utf8) << c.bytes;
        EXPECT_EQ(d.Lost, c.lost) << c.bytes;
    }
    EXPECT_EQ(CodePointName(0x2014), "U+2014");
    EXPECT_EQ(CodePointName(0x1F4FB), "U+1F4FB");
}

}  // namespace
}  // namespace kerolt
