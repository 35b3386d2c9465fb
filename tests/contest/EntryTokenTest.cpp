#include "contest/EntryToken.h"

#include <gtest/gtest.h>

#include "contest/LogEntry.h"
#include "contest/RigRules.h"

namespace kerolt {
namespace {

constexpr auto Call = CallNumberKind::Call;
constexpr auto Time = CallNumberKind::Time;
constexpr auto Freq = CallNumberKind::Frequency;
constexpr auto Refused = CallNumberKind::Refused;

const char* const RangesText =
    "kHz on a contest band (3500-4000, 7000-7300, 14000-14350, 21000-21450, 28000-29700)";

// The typed text, the time field; what it is taken as: a time, or kHz on a band.
struct Row {
    const char* text;
    const char* timeField;
    CallNumberKind kind;
    const char* time = "";
    long khz = 0;
    BandIndex band = NoBand;
};

void ExpectRows(std::initializer_list<Row> rows, bool realtime = false) {
    for (const Row& r : rows) {
        const CallNumber n = ReadCallNumber(r.text, r.timeField, realtime);
        EXPECT_EQ(n.Kind, r.kind) << r.text << " at " << r.timeField;
        EXPECT_EQ(n.Time, r.time) << r.text << " at " << r.timeField;
        EXPECT_EQ(n.Khz, r.khz) << r.text;
        EXPECT_EQ(n.Band, r.band) << r.text;
    }
}

TEST(CallNumber, ACallIsNoNumber) {
    ExpectRows({{"", "1200", Call},
                {"SM5ABC", "1200", Call},
                {"5B4AB", "1200", Call},
                {"9A1", "1200", Call},
                {"14025/P", "1200", Call},
                {".5", "1200", Call}});
}

// A minute stays in the time field's hour while it is not before the field's minute (an equal
// one is a second QSO of that minute), else it rolls on to the next hour, across midnight too.
TEST(CallNumber, AMinuteTakesTheHourOfTheTimeField) {
    ExpectRows({{"03", "1358", Time, "1403"},
                {"3", "1358", Time, "1403"},
                {"59", "1358", Time, "1359"},
                {"58", "1358", Time, "1358"},
                {"57", "1358", Time, "1457"},
                {"01", "1300", Time, "1301"},
                {"00", "1300", Time, "1300"},
                {"59", "1300", Time, "1359"},
                {"0", "2359", Time, "0000"},
                {"59", "2359", Time, "2359"},
                {"58", "2359", Time, "0058"},
                {"30", "0929", Time, "0930"},
                {"60", "1358", Refused},
                {"99", "1358", Refused},
                {"05", "2500", Refused},
                {"05", "123", Refused},
                {"05", "", Refused}});
}

TEST(CallNumber, ThreeOrFourDigitsAreATimeWhenTheyMakeOne) {
    ExpectRows({{"000", "1358", Time, "0000"},
                {"959", "1358", Time, "0959"},
                {"960", "1358", Refused},
                {"0000", "1358", Time, "0000"},
                {"1413", "1358", Time, "1413"},
                {"2359", "1358", Time, "2359"},
                {"2400", "1358", Refused},
                {"1360", "1358", Refused},
                {"0960", "", Refused},
                {"1000", "", Time, "1000"}});
}

TEST(CallNumber, AFrequencyLiesOnAContestBand) {
    ExpectRows({{"3499", "1200", Refused},
                {"3500", "1200", Freq, "", 3500, Band80},
                {"3800", "1200", Freq, "", 3800, Band80},
                {"3801", "1200", Freq, "", 3801, Band80},
                {"4000", "1200", Freq, "", 4000, Band80},
                {"4001", "1200", Refused},
                {"6999", "1200", Refused},
                {"7000", "1200", Freq, "", 7000, Band40},
                {"7200", "1200", Freq, "", 7200, Band40},
                {"7201", "1200", Freq, "", 7201, Band40},
                {"7300", "1200", Freq, "", 7300, Band40},
                {"7301", "1200", Refused},
                {"13999", "1200", Refused},
                {"14000", "1200", Freq, "", 14000, Band20},
                {"14350", "1200", Freq, "", 14350, Band20},
                {"14351", "1200", Refused},
                {"20999", "1200", Refused},
                {"21000", "1200", Freq, "", 21000, Band15},
                {"21450", "1200", Freq, "", 21450, Band15},
                {"21451", "1200", Refused},
                {"27999", "1200", Refused},
                {"28000", "1200", Freq, "", 28000, Band10},
                {"29700", "1200", Freq, "", 29700, Band10},
                {"29701", "1200", Refused},
                {"1234567", "1200", Refused},
                {"014025", "1200", Refused},
                {"014025.5", "1200", Refused},
                {"10000000000000000000", "1200", Refused}});
}

// A decimal is rounded to the nearest kHz, as a rig's Hz are; a value on the band stays on it.
TEST(CallNumber, ADecimalFrequencyIsRoundedOnItsBand) {
    ExpectRows({{"14025.5", "1200", Freq, "", 14026, Band20},
                {"14025.49", "1200", Freq, "", 14025, Band20},
                {"3799.9", "1200", Freq, "", 3800, Band80},
                {"3800.0", "1200", Freq, "", 3800, Band80},
                {"3800.01", "1200", Freq, "", 3800, Band80},
                {"4000.4", "1200", Freq, "", 4000, Band80},
                {"4000.5", "1200", Refused},
                {"3499.99", "1200", Freq, "", 3500, Band80},  // as a rig reads 3499.99
                {"3499.49", "1200", Refused},
                {"3500.001", "1200", Freq, "", 3500, Band80},
                {"29699.5", "1200", Freq, "", 29700, Band10},
                {"14025.", "1200", Refused},
                {"14.025", "1200", Refused},
                {"14025.5.1", "1200", Refused},
                {"1413.5", "1200", Refused}});
}

// The clock keeps the time while realtime; a frequency is still taken.
TEST(CallNumber, RealtimeRefusesTimesOnly) {
    ExpectRows({{"03", "1358", Refused},
                {"1413", "1358", Refused},
                {"14025", "1358", Freq, "", 14025, Band20},
                {"SM5ABC", "1358", Call}},
               true);
}

TEST(CallNumber, NotesSayWhatWasTakenOrExpected) {
    const struct {
        const char* text;
        bool realtime;
        std::string note;
    } cases[] = {
        {"03", false, "time 1403"},
        {"14025", false, "frequency 14025 kHz from this QSO on"},
        {"14025.5", false, "frequency 14025.5 kHz from this QSO on, logged as 14026"},
        {"75", false, "'75' taken as nothing: expected a minute 00-59"},
        {"75", true, "'75' taken as nothing: expected a minute 00-59"},
        {"03", true, "'03' taken as nothing: Realtime is on, the clock keeps the time"},
        {"2500", false,
         std::string("'2500' taken as nothing: expected a time HHMM (hours 00-23, minutes "
                     "00-59) or ") +
             RangesText},
        {"14500", false, std::string("'14500' taken as nothing: expected ") + RangesText},
        {"7.025", false, std::string("'7.025' taken as nothing: expected ") + RangesText},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadCallNumber(c.text, "1358", c.realtime).Note.English(), c.note) << c.text;
    EXPECT_EQ(ReadCallNumber("05", "", false).Note.English(),
              "'05' taken as nothing: a minute needs the hour of a time HHMM in the time field");
}

TEST(Received, TheFieldKeepsANumberAndAReportAfterOneBlank) {
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {{"15 579", "15 579"}, {" 15", "15"},     {"15  579", "15 579"},
                 {"1234", "1234"},     {"12345", "1234"}, {"1234 579", "1234 579"},
                 {"1 5799", "1 579"},  {"1a 2", "1 2"},   {"15 5 7", "15 57"},
                 {"15 ", "15 "},       {"", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(FilterReceived(c.typed), c.kept) << c.typed;
        EXPECT_EQ(FilterText(EntryField::Received, c.typed), c.kept) << c.typed;
    }
    EXPECT_TRUE(AcceptsChar(EntryField::Received, ' '));
    EXPECT_TRUE(AcceptsChar(EntryField::Received, BackspaceChar));
    EXPECT_FALSE(AcceptsChar(EntryField::Number, ' '));
    EXPECT_EQ(MaxReceivedLength, 8U);
}

TEST(Received, TheReportAfterTheNumberIsTheQsos) {
    const char* const notCw = " after the number is not a valid RST on CW (such as 599)";
    const struct {
        const char* text;
        int contest;
        const char* nr;
        const char* rst;
        std::string note;
    } cases[] = {
        {"15", SacCw, "15", "", ""},
        {"15 ", SacCw, "15", "", ""},
        {"15 579", SacCw, "15", "579", ""},
        {"15 57", SacCw, "15", "57", std::string("the report '57'") + notCw},
        {"15 57", SacSsb, "15", "57", ""},
        {"15 579", SacSsb, "15", "579",
         "the report '579' after the number is not a valid RST on SSB (such as 59)"},
        {"15 5", SacCw, "15", "5", std::string("the report '5'") + notCw},
        {"15 5799", SacCw, "15", "5799", std::string("the report '5799'") + notCw},
        {"15 5NN", SacCw, "15", "5NN", std::string("the report '5NN'") + notCw},
        {"15 5a", NoContest, "15", "5a", "the report '5a' after the number is not a valid RST"},
    };
    for (const auto& c : cases) {
        const ReceivedEntry entry = SplitReceived(c.text);
        EXPECT_EQ(entry.Nr, c.nr) << c.text;
        EXPECT_EQ(entry.Rst, c.rst) << c.text;
        EXPECT_EQ(ReceivedNote(c.text, c.contest).English(), c.note) << c.text << ' ' << c.contest;
    }
}

// The call field keeps a decimal point only in a number, never in a call.
TEST(CallField, KeepsADecimalPointOnlyInANumber) {
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {{"14025.5", "14025.5"},
                 {"sm5.a", "SM5A"},
                 {".5", "5"},
                 {"1.2.3", "1.2.3"},
                 {"14025.5a", "140255A"}};
    for (const auto& c : cases) EXPECT_EQ(FilterText(EntryField::Call, c.typed), c.kept) << c.typed;
    EXPECT_TRUE(AcceptsChar(EntryField::Call, '.'));
    EXPECT_FALSE(AcceptsChar(EntryField::Grid, '.'));
}

// A typed frequency goes before the rig's while it is on the chosen band.
TEST(FrequencyCell, TypedGoesBeforeTheRigOnTheChosenBand) {
    const std::string b20 = FrequencyEntries()[Band20 - 1];
    const struct {
        std::optional<long> typed, rig;
        std::string band;
        std::string cell;
    } cases[] = {{14025, std::nullopt, b20, "14025"}, {14025, 14030, b20, "14025"},
                 {std::nullopt, 14030, b20, "14030"}, {7010, 14030, b20, "14030"},
                 {7010, std::nullopt, b20, b20},      {14025, std::nullopt, "", ""}};
    for (const auto& c : cases) {
        EXPECT_EQ(FrequencyCell(c.typed, c.rig, c.band), c.cell)
            << c.typed.value_or(-1) << " " << c.rig.value_or(-1) << " " << c.band;
    }
}

}  // namespace
}  // namespace kerolt
