#include "common/Message.h"

#include <gtest/gtest.h>

#include "common/KeroltError.h"
#include "common/MessageLines.h"

namespace kerolt {
namespace {

TEST(FillTemplate, FillsEachMarkerOnceInOnePass) {
    struct Case {
        const char* pattern;
        std::vector<std::string> values;
        const char* filled;
    } cases[] = {
        {"%1 and %2", {"a", "b"}, "a and b"},
        {"%2 before %1", {"a", "b"}, "b before a"},
        {"%1 %1", {"x"}, "x x"},
        {"%1", {"%2"}, "%2"},  // a value is never filled again
        {"%1 %2", {"%2", "b"}, "%2 b"},
        {"%2", {"a"}, "%2"},  // a marker without a value stays
        {"%1", {}, "%1"},
        {"%0 %", {"a"}, "%0 %"},  // no marker: %0, a lone % at the end
        {"100%", {"a"}, "100%"},
        {"%%1", {"a"}, "%a"},
        {"%9", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, "9"},
        {"%10", {"a"}, "a0"},  // one digit: %1 then 0
        {"", {"a"}, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FillTemplate(c.pattern, c.values), c.filled) << c.pattern;
}

TEST(Message, EnglishFillsNestedTemplatesAndKeepsValues) {
    struct Case {
        Message message;
        const char* english;
    } cases[] = {
        {Message("SM5%1"), "SM5%1"},  // a value is as written
        {Message(), ""},
        {Message(KT("Test", "line %1: %2"), {"7", Message(KT("Test", "no %1"), {"call"})}),
         "line 7: no call"},
        {Message(KT("Test", "%1"), {Message(KT("Test", "%2 stays"))}), "%2 stays"},
        {Message(KT("Test", "%1 and %2"), {"%2"}), "%2 and %2"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.message.English(), c.english) << c.english;
    EXPECT_TRUE(Message().Empty());
    EXPECT_FALSE(Message(KT("Test", "")).Empty());  // a template, even an empty one
}

TEST(Message, LinesJoinAndAnEmptyMessageIsAnEmptyLine) {
    EXPECT_EQ(EnglishLines({}), "");
    EXPECT_EQ(EnglishLines({Message("a")}), "a");
    EXPECT_EQ(EnglishLines({Message("a"), Message(), Message(KT("Test", "b %1"), {"c"})}),
              "a\n\nb c");
}

TEST(KeroltError, WhatIsTheEnglishText) {
    const KeroltError e(Message(KT("Files", "Cannot open file %1"), {"a%1.log"}));
    EXPECT_STREQ(e.what(), "Cannot open file a%1.log");
    EXPECT_TRUE(e.Text().IsTemplate());
}

}  // namespace
}  // namespace kerolt
