#include "contest/LogEntry.h"

#include <gtest/gtest.h>

#include <tuple>

#include "common/KeroltError.h"
#include "contest/ContestRules.h"

namespace kerolt {
namespace {

TEST(LogEntryTest, TimeStepsWrapOnlyForwardAtTheDay) {
    const struct {
        const char* time;
        int step;
        const char* expected;
    } cases[] = {
        {"2359", 1, "0000"}, {"0000", -1, "2359"}, {"0959", 1, "1000"}, {"1000", -1, "0959"},
        {"2500", 1, "0101"}, {"2500", -1, "2459"}, {"123", 1, "1204"},  {"12345", 1, "1235"},
    };
    for (const auto& c : cases) EXPECT_EQ(StepTime(c.time, c.step), c.expected) << c.time;
    for (const char* bad : {"12", "", "1a00", "12x5"})
        EXPECT_THROW(StepTime(bad, 1), KeroltError) << bad;
}

TEST(LogEntryTest, FieldsTakeTheirCharacters) {
    const struct {
        EntryField field;
        const char* typed;
        const char* kept;
    } cases[] = {
        {EntryField::Time, "12:a4 -\b", "124"},
        {EntryField::Number, "0x4 5+", "045"},
        {EntryField::Call, "sm5/p -x\r", "SM5/PX"},
        {EntryField::Grid, "dl1abc ;7", "DL1ABC7"},
    };
    for (const auto& c : cases) EXPECT_EQ(FilterText(c.field, c.typed), c.kept) << c.typed;
    // Backspace is a key the time field refuses, the others take.
    EXPECT_FALSE(AcceptsChar(EntryField::Time, BackspaceChar));
    EXPECT_TRUE(AcceptsChar(EntryField::Number, BackspaceChar));
}

TEST(LogEntryTest, BandStepsRoundBothEnds) {
    const struct {
        int selected, step, expected;
    } cases[] = {{4, 1, 0}, {0, -1, 4}, {-1, 1, 0}, {-1, -1, 4}, {2, 1, 3}, {2, -1, 1}};
    for (const auto& c : cases) EXPECT_EQ(StepBand(c.selected, c.step, 5), c.expected);
}

QsoEntry Entry(const char* call, const char* nr) {
    return {"14000", "1300", "599", "7", call, "599", nr};
}

TEST(LogEntryTest, CommittedRowDropsLeadingZeros) {
    const QsoLog::Row row = CommittedRow(12, Entry("DL1ABC", "0045"));
    const QsoLog::Row expected{"12", "14000", "1300", "599", "7", "DL1ABC", "599", "45", "", ""};
    EXPECT_EQ(row, expected);
    // No number, or a field that would shift the QSO line's columns.
    const struct {
        std::string QsoEntry::*field;
        const char* text;
    } refused[] = {{&QsoEntry::NrRcvd, ""},
                   {&QsoEntry::Time, "130"},
                   {&QsoEntry::Time, "13000"},
                   {&QsoEntry::RstRcvd, "5"},
                   {&QsoEntry::RstSent, ""},
                   {&QsoEntry::Call, "599"},
                   {&QsoEntry::Call, "DLABC"},
                   {&QsoEntry::Call, "DL1ABC/"}};
    for (const auto& c : refused) {
        QsoEntry entry = Entry("DL1ABC", "1");
        entry.*c.field = c.text;
        EXPECT_THROW(CommittedRow(1, entry), KeroltError) << '"' << c.text << '"';
    }
    // The shortest calls a commit takes: a letter and a digit are enough.
    for (const char* call : {"K1A", "1AB", "DL1ABC/P"})
        EXPECT_EQ(CommittedRow(1, Entry(call, "1"))[ColCall], call);
}

// One rule for a report by mode: the entry row, the ADIF import, the reader (NoContest: either
// mode) and the check.
TEST(IsReport, ByTheContestsMode) {
    const std::tuple<const char*, int, bool> cases[] = {
        {"579", SacCw, true},     {"57", SacCw, false},     {"5NN", SacCw, false},
        {"59", SacSsb, true},     {"579", SacSsb, false},   {"5N", SacSsb, false},
        {"57", NoContest, true},  {"579", NoContest, true}, {"5NN", NoContest, false},
        {"5", NoContest, false},  {"5999", NoContest, false},
    };
    for (const auto& [rst, contest, report] : cases)
        EXPECT_EQ(IsReport(rst, contest), report) << rst << ' ' << contest;
    EXPECT_EQ(ReportFault("received", "5NN", NoContest).English(),
              "received report \"5NN\" is no report");
    EXPECT_EQ(ReportFault("received", "5NN", SacCw).English(),
              "received report \"5NN\" is not a valid RST on CW");
    EXPECT_EQ(ReportFault("received", "599", SacCw).English(), "");
}

// Each side and mode has a whole sentence of its own for the translator; the report is its value.
TEST(LogEntryTest, ReportFaultsAreWholeTemplates) {
    const std::tuple<const char*, const char*, int, const char*> cases[] = {
        {"sent", "5NN", NoContest, "sent report \"%1\" is no report"},
        {"received", "5NN", NoContest, "received report \"%1\" is no report"},
        {"sent", "57", SacCw, "sent report \"%1\" is not a valid RST on CW"},
        {"received", "579", SacSsb, "received report \"%1\" is not a valid RST on SSB"},
    };
    for (const auto& [what, rst, contest, source] : cases) {
        const Message fault = ReportFault(what, rst, contest);
        EXPECT_STREQ(fault.Template().Source, source) << what << ' ' << rst;
        ASSERT_EQ(fault.Args().size(), 1u);
        EXPECT_EQ(fault.Args()[0].Value(), rst);
    }
    EXPECT_TRUE(ReportFault("sent", "599", SacCw).Empty());
}

// Time, sent and received report, contest, and the findings joined by " | ".
TEST(LogEntryTest, FindingsNameBadTimesAndReports) {
    const std::tuple<const char*, const char*, const char*, int, std::string> cases[] = {
        {"2359", "599", "519", SacCw, ""},
        {"0000", "59", "11", SacSsb, ""},
        {"2400", "599", "599", SacCw, "time \"2400\" is not a valid HHMM time"},
        {"2360", "999", "590", NoContest, "time \"2360\" is not a valid HHMM time"},
        {"1200", "699", "59", SacCw,
         "sent report \"699\" is not a valid RST on CW | received "
         "report \"59\" is not a valid RST on CW"},
        {"1200", "50", "559", SacSsb,
         "sent report \"50\" is not a valid RST on SSB | received "
         "report \"559\" is not a valid RST on SSB"},
    };
    for (const auto& [time, sent, rcvd, contest, expected] : cases) {
        std::string found;
        for (const Message& f :
             EntryFindings({"14000", time, sent, "7", "K1A", rcvd, "1"}, contest))
            found += (found.empty() ? "" : " | ") + f.English();
        EXPECT_EQ(found, expected) << time << ' ' << sent;
    }
}

TEST(LogEntryTest, SentNumberCountsOnAndBack) {
    EXPECT_EQ(NextSentNumber("9"), "10");
    EXPECT_EQ(NextSentNumber("9999"), "10000");
    EXPECT_EQ(NextSentNumber("99998"), "99999");
    EXPECT_THROW(NextSentNumber("99999"), KeroltError);
    for (const char* bad : {"", " ", "x"}) EXPECT_THROW(NextSentNumber(bad), KeroltError) << bad;
    EXPECT_EQ(PreviousSentNumber("10"), "9");
    for (const char* reset : {"0", "", "x"}) EXPECT_EQ(PreviousSentNumber(reset), "1") << reset;
}

// A file's padded columns and a typed cell are shown alike.
TEST(ShownCell, WithoutTheColumnsPadding) {
    const std::pair<const char*, const char*> cases[] = {
        {"     5", "5"}, {"DL1ABC        ", "DL1ABC"}, {" 3500", "3500"}, {"599 ", "599"}, {"", ""}};
    for (const auto& [cell, shown] : cases) EXPECT_EQ(ShownCell(cell), shown) << cell;
}

TEST(LogEntryTest, AppendedAndRemovedQsosKeepTheEmptyRowLast) {
    QsoLog log;
    EXPECT_FALSE(log.RemoveLastQso());
    EXPECT_EQ(log.AppendQso(CommittedRow(1, Entry("DL1ABC", "1"))), 1);
    EXPECT_EQ(log.AppendQso(CommittedRow(2, Entry("K1AA", "2"))), 2);
    EXPECT_EQ(log.RowCount(), 4);
    EXPECT_EQ(log.QsoCounter, 3);
    EXPECT_TRUE(log.RemoveLastQso());
    EXPECT_EQ(log.RowCount(), 3);
    EXPECT_EQ(log.QsoCounter, 2);
    EXPECT_EQ(log.RowAt(2), QsoLog::Row{});
    EXPECT_EQ(log.Cell(1, ColCall), "DL1ABC");
}

}  // namespace
}  // namespace kerolt
