#include "cabrillo/CabrilloReader.h"
#include "cabrillo/QsoLineReader.h"

#include <gtest/gtest.h>

#include <optional>

#include "CabrilloTestSupport.h"
#include "cabrillo/CabrilloWriter.h"
#include "common/KeroltError.h"
#include "common/Text.h"

namespace kerolt {
namespace {

using testing::LogOf;
using testing::QsoRow;
using testing::SampleStation;
using Lines = std::vector<std::string>;

// The message a failing read raises, or "" when it reads.
std::string ReadError(const Lines& lines) {
    try {
        ReadCabrilloLog(lines, "x.log");
    } catch (const KeroltError& e) {
        return e.what();
    }
    return "";
}

Lines WrittenLog(int contest, const std::vector<QsoLog::Row>& rows, const char* date) {
    return BuildCabrilloLog(SampleStation(contest), LogOf(rows), date);
}

// The writer's 18 fixed header lines with a first line of its own.
Lines Header(std::string first = "START-OF-LOG: 3.0") {
    Lines lines = WrittenLog(SacCw, {}, "");
    lines.resize(18);
    lines[0] = std::move(first);
    return lines;
}

TEST(ReadCabrilloLog, ReadsBackWhatTheWriterWrote) {
    const Lines text = WrittenLog(SacSsb,
                                  {
                                      QsoRow(" 3500", "0130", "59", "1", "OH2QQQ", "57", "23"),
                                      QsoRow("14000", "1402", "59", "1234", "K1QQQ", "59", "7"),
                                  },
                                  "2019-10-12");
    const CabrilloFile file = ReadCabrilloLog(text, "x.log");
    EXPECT_EQ(file.Lines, text);

    const CabrilloStation& s = file.Station;
    EXPECT_EQ(s.CallEdit, "SM5QQQ");
    EXPECT_EQ(s.ContestBox, "SAC-SSB");
    EXPECT_EQ(s.AssistedComboBox, "NON-ASSISTED");
    EXPECT_EQ(s.BandComboBox, "ALL");
    EXPECT_EQ(s.OperatorComboBox, "SINGLE-OP");
    EXPECT_EQ(s.PowerComboBox, "LOW");
    EXPECT_EQ(s.TransmitterComboBox, "ONE");
    EXPECT_EQ(s.OverlayComboBox, "");  // found, and empty: the empty overlay entry
    EXPECT_EQ(s.EmailEdit, "sm5qqq@example.org");
    EXPECT_EQ(s.NameEdit, "Sven Svensson");
    EXPECT_EQ(s.AdrEdit1, "Storgatan 1");
    EXPECT_EQ(s.AdrEdit2, "123 45 Stad");
    EXPECT_EQ(s.AdrEdit3, "Sweden");
    EXPECT_EQ(s.OperatorsEdit, "SM5QQQ");
    EXPECT_EQ(s.ClubEdit, "SK0QQ");
    EXPECT_EQ(file.Memo1, (Lines{"Fine conditions", "", " 73 "}));

    ASSERT_EQ(file.Rows.size(), 2u);
    const QsoLog::Row first{"1",   " 3500",  "0130", "59 ", "     1", "OH2QQQ        ",
                            "57 ", "    23", "",     ""};
    const QsoLog::Row second{"2",   "14000",  "1402", "59 ", "  1234", "K1QQQ         ",
                             "59 ", "     7", "",     ""};
    EXPECT_EQ(file.Rows[0], first);
    EXPECT_EQ(file.Rows[1], second);
    EXPECT_EQ(file.ContestDate, "2019-10-12");
    EXPECT_EQ(file.NyNrEdit, "1235");
    EXPECT_EQ(file.TimeEdit, "1402");
}

TEST(ReadCabrilloLog, RefusesWhatIsNoCabrillo3Log) {
    const std::string refused = "x.log is not a Cabrillo 3.0 log";
    const Lines header = Header();
    EXPECT_EQ(ReadError({}), refused);
    EXPECT_EQ(ReadError(Lines(header.begin(), header.begin() + 4)), refused);
    EXPECT_EQ(ReadError(Header("START-OF-LOG: 2.0")), refused);
    EXPECT_EQ(ReadError(Header("3.0")), refused);
    EXPECT_EQ(ReadError(Header("START-OF-LOG:")), refused);
    EXPECT_EQ(ReadError(Header("")), refused);
    // Five lines are enough, and both texts anywhere on the first line.
    EXPECT_EQ(ReadError(Lines(header.begin(), header.begin() + 5)), "");
    EXPECT_EQ(ReadError(Header("3.0 START-OF-LOG:")), "");
    EXPECT_FALSE(IsCabrilloLog(Header("START-OF-LOG: 2.0")));
    EXPECT_TRUE(IsCabrilloLog(Header()));
}

// The header is every line that is no QSO line: a tag far down is read as well as one near the
// top, and one after a QSO line too.
TEST(ReadCabrilloLog, HeaderIsEveryLineThatIsNoQso) {
    Lines lines = Header();
    lines.insert(lines.begin() + 2, 30, "X-FILLER: x");
    lines.push_back("CLUB: SK0QQ");
    lines.push_back("NAME: Late");
    lines.push_back("QSO:  3500 CW 2019-09-21 1305 SM5QQQ        599      1 OH2QQQ        599     23");
    lines.push_back("NAME: After the QSOs");
    const CabrilloFile file = ReadCabrilloLog(lines, "x.log");
    EXPECT_EQ(file.Station.ClubEdit, "SK0QQ");
    EXPECT_EQ(file.Station.NameEdit, "After the QSOs");
    EXPECT_EQ(file.Station.AdrEdit3, "Sweden");
    EXPECT_EQ(file.KeptHeaderLines.size(), 30u);
    EXPECT_TRUE(file.NotRead.empty());
    EXPECT_EQ(file.Rows.size(), 1u);
}

TEST(ReadCabrilloLog, HeaderTagRules) {
    Lines lines{
        "start-of-log: 3.0",
        "CALLSIGN: SM5AAA",
        "CATEGORY-MODE: CW",
        "category-band: 80m",          // any case
        "CALLSIGN: sm5qqq/abcdefgh",   // the last one wins, upper case, cut to 13 characters
        "CONTEST: SAC-CW-LONGNAME",
        "CATEGORY-POWER: ABCDEFGHIJKLMNOPQRSTUVWXYZ",
        "NAME: First",
        "  Name :   Second  ",
        "EMAIL: " + std::string(85, 'e'),
        "OPERATORS:",
        "CLAIMED-SCORE: 999",
        "CATEGORY-MODE: SSB",
        "a line without a tag",
        "",
        "CATEGORY-TRANSMITTER: Category-Transmitter",  // the longest list text, whole
    };
    const CabrilloFile file = ReadCabrilloLog(lines, "x.log");
    const CabrilloStation& s = file.Station;
    EXPECT_EQ(s.CallEdit, "SM5QQQ/ABCDEF");
    EXPECT_EQ(s.ContestBox, "SAC-CW-LO");
    EXPECT_EQ(s.BandComboBox, "80m");
    EXPECT_EQ(s.PowerComboBox, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(s.TransmitterComboBox, "Category-Transmitter");
    EXPECT_EQ(s.NameEdit, "Second");
    EXPECT_EQ(s.EmailEdit, std::string(79, 'e'));
    EXPECT_EQ(s.OperatorsEdit, "");
    EXPECT_FALSE(s.AssistedComboBox || s.OperatorComboBox || s.OverlayComboBox || s.StationComboBox || s.AdrEdit1 || s.ClubEdit);
    // Lines the writer makes anew are not kept; a line without a tag is named.
    EXPECT_TRUE(file.KeptHeaderLines.empty());
    EXPECT_EQ(file.NotRead, (std::vector<NotTakenLine>{{14, "no header tag"}}));
}

// The address lines are one group: any one given sets all three; a fourth is kept.
TEST(ReadCabrilloLog, AddressLinesAreOneGroup) {
    const struct {
        Lines given;
        std::optional<std::string> a1, a2, a3;
        Lines kept;
    } cases[] = {
        {{}, std::nullopt, std::nullopt, std::nullopt, {}},
        {{"ADDRESS: One"}, "One", "", "", {}},
        {{"ADDRESS: One", "NAME: Between", "ADDRESS: Two"}, "One", "Two", "", {}},
        {{"ADDRESS: 1", "ADDRESS: 2", "ADDRESS: 3", "ADDRESS: 4"}, "1", "2", "3", {"ADDRESS: 4"}},
    };
    for (const auto& c : cases) {
        Lines lines{"START-OF-LOG: 3.0", "CALLSIGN: SM5QQQ", "CONTEST: SAC-CW"};
        lines.insert(lines.end(), c.given.begin(), c.given.end());
        lines.insert(lines.end(), {"X-A: 1", "END-OF-LOG:"});
        const CabrilloFile file = ReadCabrilloLog(lines, "x.log");
        EXPECT_EQ(file.Station.AdrEdit1, c.a1) << c.given.size();
        EXPECT_EQ(file.Station.AdrEdit2, c.a2) << c.given.size();
        EXPECT_EQ(file.Station.AdrEdit3, c.a3) << c.given.size();
        Lines kept = c.kept;
        kept.push_back("X-A: 1");
        EXPECT_EQ(file.KeptHeaderLines, kept) << c.given.size();
    }
}

TEST(ReadCabrilloLog, SoapboxLines) {
    Lines lines = Header();
    lines.insert(lines.end(), {
                                  "SOAPBOX: plain",
                                  "SOAPBOX:no space",
                                  "SOAPBOX: ",
                                  "SOAPBOX:",
                                  "SOAPBOX:   lead and trail  ",
                                  "SOAPBOX: " + std::string(85, 's'),
                                  "SOAPBOX: 120 QSO: per hour",
                                  "QSO: 14000 CW",
                                  "SOAPBOX: after the QSOs",
                              });
    const CabrilloFile file = ReadCabrilloLog(lines, "x.log");
    EXPECT_EQ(file.Memo1, (Lines{"plain", "no space", "", "", "  lead and trail  ",
                                 std::string(80, 's'), "120 QSO: per hour", "after the QSOs"}));
    EXPECT_TRUE(file.Rows.empty());
}

// A header value holding a tag stays the value of its own tag.
TEST(ReadCabrilloLog, KeysInsideHeaderValues) {
    Lines lines = WrittenLog(SacCw, {QsoRow(" 3500", "1305", "599", "1", "OH2QQQ", "599", "23")},
                             "2019-09-21");
    lines[14] = "NAME: SOAPBOX: Hi";
    lines[15] = "ADDRESS: QSO: street";
    lines[9] = "CATEGORY-OVERLAY: QSO:";
    const CabrilloFile file = ReadCabrilloLog(lines, "x.log");
    EXPECT_EQ(file.Memo1, (Lines{"Fine conditions", "", " 73 "}));
    EXPECT_EQ(file.Station.NameEdit, "SOAPBOX: Hi");
    EXPECT_EQ(file.Station.AdrEdit1, "QSO: street");
    EXPECT_EQ(file.Station.OverlayComboBox, "QSO:");
    EXPECT_EQ(file.Rows.size(), 1u);
}

// A soapbox line holding other tags is a soapbox line.
TEST(ReadCabrilloLog, KeysInTheSoapboxLeaveTheStationFieldsAlone) {
    StationData station = SampleStation(SacCw);
    station.ClubEdit = "";
    station.Memo1 = {"OPERATORS: SM5QQQ and SM5XYZ, NAME: CLUB: EMAIL: CALLSIGN: X",
                     "CATEGORY-MODE: mixed"};
    const Lines lines = BuildCabrilloLog(station, LogOf({}), "2019-09-21");
    ASSERT_EQ(lines[18], "SOAPBOX: " + station.Memo1[0]);
    const CabrilloFile file = ReadCabrilloLog(lines, "x.log");
    EXPECT_EQ(file.Station.OperatorsEdit, "SM5QQQ");
    EXPECT_EQ(file.Station.NameEdit, "Sven Svensson");
    EXPECT_EQ(file.Station.EmailEdit, "sm5qqq@example.org");
    EXPECT_EQ(file.Station.CallEdit, "SM5QQQ");
    EXPECT_FALSE(file.Station.ClubEdit.has_value());
    EXPECT_EQ(file.Memo1, station.Memo1);
}

// Between the QSO lines: blank lines pass, tag lines are header lines.
TEST(ReadCabrilloLog, LinesBetweenQsos) {
    const std::string q1 =
        "QSO:  3500 CW 2019-09-22 0130 SM5QQQ        599      1 OH2QQQ        599     23";
    const std::string q2 =
        "QSO: 14000 CW 2019-09-22 0131 SM5QQQ        599      2 DL1QQQ        599    105";
    Lines lines = Header();
    lines.insert(lines.end(), {"SOAPBOX: one", "", q1, "END-OF-LOG:", "", "SOAPBOX: late",
                               "CLUB: late", q2, "END-OF-LOG:", ""});
    const CabrilloFile file = ReadCabrilloLog(lines, "x.log");
    EXPECT_EQ(file.Memo1, (Lines{"one", "late"}));
    EXPECT_EQ(file.Station.ClubEdit, "late");
    EXPECT_TRUE(file.NotRead.empty());
    ASSERT_EQ(file.Rows.size(), 2u);
    EXPECT_EQ(file.Rows[0][ColRow], "1");
    EXPECT_EQ(file.Rows[1][ColRow], "2");
    EXPECT_EQ(file.Rows[1][ColCall], "DL1QQQ        ");
    EXPECT_EQ(file.ContestDate, "2019-09-21");
    EXPECT_EQ(file.NyNrEdit, "3");
    EXPECT_EQ(file.TimeEdit, "0131");
}

TEST(ReadCabrilloLog, ContestDateFromTheFirstQso) {
    const std::string tail = " SM5QQQ        599      1 OH2QQQ        599     23";
    const struct {
        std::string qso;
        const char* date;
    } cases[] = {
        {"QSO:  3500 CW 2019-09-22 0130" + tail, "2019-09-21"},
        {"QSO:  3500 CW 2019-09-22 1305" + tail, "2019-09-22"},
        {"QSO:  3500 CW 2016-10-09 0005" + tail, "2016-10-08"},
        {"QSO:  3500 CW 2016-10-09 1200" + tail, "2016-10-09"},
    };
    for (const auto& c : cases) {
        Lines lines = Header();
        lines.push_back(c.qso);
        EXPECT_EQ(ReadCabrilloLog(lines, "x.log").ContestDate, c.date) << c.qso;
    }
}

TEST(ReadCabrilloLog, HeaderOnlyFileLeavesTheLogPositionAlone) {
    Lines lines = Header();
    lines.push_back("SOAPBOX: only words");
    lines.push_back("END-OF-LOG:");
    const CabrilloFile file = ReadCabrilloLog(lines, "x.log");
    EXPECT_TRUE(file.Rows.empty());
    EXPECT_EQ(file.Memo1, Lines{"only words"});
    EXPECT_FALSE(file.ContestDate || file.NyNrEdit || file.TimeEdit);
}

// A first day that cannot be read fails the whole file, after every row was seen.
TEST(ReadCabrilloLog, BadNumbersFailTheWholeFile) {
    const std::string good =
        "QSO:  3500 CW 2019-09-21 1305 SM5QQQ        599      1 OH2QQQ        599     23";
    struct Case {
        Lines qsos;
        const char* error;
    };
    const Case cases[] = {
        {{"QSO:  3500 CW 2019-09-x2 0130 SM5QQQ        599      1 OH2QQQ        599     23"},
         "'x2' is not a valid integer value"},
        // A line too short to be read is not taken, so it reads no day: Kerolt never writes a
        // line without date and time.
        {{"QSO: 14000 CW"}, ""},
        // A last "Nr" that is no number gives no next number.
        {{good, "QSO:  3500 CW 2019-09-21 1306 SM5QQQ        599  12a   OH2QQQ        599     23"},
         ""},
        // Kerolt's row with the fields after the report blank: taken, and no next number.
        {{good, "QSO:  3500 CW 2019-09-21 1306 SM5QQQ        599"}, ""},
        // A day that is no number is never read from 1200 on; a bad "Nr" before the last
        // row is never read either.
        {{"QSO:  3500 CW 2019-09-xx 1305 SM5QQQ        599    abc OH2QQQ        599     23", good},
         ""},
    };
    for (const Case& c : cases) {
        Lines lines = Header();
        lines.insert(lines.end(), c.qsos.begin(), c.qsos.end());
        EXPECT_EQ(ReadError(lines), c.error);
    }
}

// Another program's layout, with QSO lines in the header and numbers written "001", reads into
// the rows of Kerolt's own file of the same QSOs; a line that cannot be read is named.
TEST(ReadCabrilloLog, ReadsAnyLayoutIntoKeroltsCells) {
    const CabrilloFile own =
        ReadCabrilloLog(WrittenLog(SacCw,
                                   {QsoRow(" 3500", "1305", "599", "1", "OH2QQQ", "599", "23"),
                                    QsoRow("14000", "0130", "599", "12", "DL1QQQ", "599", "105")},
                                   "2019-09-21"),
                        "own.log");
    const CabrilloFile other = ReadCabrilloLog(
        {"START-OF-LOG: 3.0", "CALLSIGN: SM5QQQ",
         "QSO: 3500 CW 2019-09-21 1305 SM5QQQ 599 001 OH2QQQ 599 023",
         "  QSO:  14000  CW  2019-09-22  0130  SM5QQQ  599  12  DL1QQQ  599  105  0",
         "QSO: 7000 CW 2019-09-22 0131 SM5QQQ 599 13 SM5AAA 599", "END-OF-LOG:"},
        "other.log");
    EXPECT_EQ(other.Rows, own.Rows);
    EXPECT_EQ(other.ContestDate, own.ContestDate);
    EXPECT_EQ(other.NotTaken, (std::vector<NotTakenLine>{{5, "no received number"}}));
    EXPECT_NE(EnglishLines(NotTakenMessage(other.NotTaken)).find("line 5: no received number"),
              std::string::npos);
    EXPECT_EQ(EnglishLines(NotTakenMessage(own.NotTaken)), "");
}

// Why a QSO line is not read: the first field missing, or more after the received number than
// a transmitter number.
TEST(ReadQsoLine, NamesWhatIsMissingOrTooMuch) {
    const std::string line = "QSO: 14000 CW 2019-09-21 1305 SM5QQQ 599 1 DL1QQQ 599 7";
    const std::pair<std::string, std::string> cases[] = {
        {"QSO:", "no frequency"},
        {line, ""},
        {line + " 1", ""},
        {line + " X", "\"X\" after the received number"},
        {line + " 1 2", "\"1\" after the received number"},
        {line.substr(0, line.size() - 6), "no received report"},
    };
    for (const auto& [text, why] : cases) EXPECT_EQ(ReadQsoLine(text).Why.English(), why) << text;
}

// Another program's line is taken when each field is of its kind, with its values as written
// (the log check names a wrong one); it is left out only when its fields stand shifted. A row
// just inside and one just outside each rule.
TEST(ReadQsoLine, OtherLayoutsFieldsMustStandInPlace) {
    const auto line = [](const char* date, const char* time, const char* rstSent,
                         const char* nrSent, const char* call, const char* rstRcvd,
                         const char* nrRcvd) {
        return std::string("QSO: 3510 CW ") + date + ' ' + time + " SM5QQQ " + rstSent + ' ' +
               nrSent + ' ' + call + ' ' + rstRcvd + ' ' + nrRcvd;
    };
    const char* const d = "2026-09-19";
    const std::pair<std::string, std::string> cases[] = {
        // the sent number left out: a report where the call should be
        {"QSO: 3510 CW 2026-09-19 1400 SM5QQQ 599 006 599 011 0",
         "call \"599\" is a number, not a call"},
        {"QSO: 3510 CW 2026-09-19 1400 SM5QQQ 599 006 5NN 011 0",
         "call \"5NN\" is a number, not a call"},
        {"QSO: 3510 CW 2026-09-19 1400 599 006 DL1ABC 599 011 0",
         "sent call \"599\" is a number, not a call"},
        {line(d, "1400", "599", "006", "DL1ABC", "599", "011"), ""},
        {line(d, "1400", "599", "006", "A1", "599", "011"), ""},
        {line(d, "1400", "599", "006", "5NNN", "599", "011"), ""},
        {line(d, "1400", "599", "006", "DLABC", "599", "011"), ""},
        {line(d, "1400", "599", "006", "DL1AB//P", "599", "011"), ""},
        {line(d, "1400", "5NN", "006", "DL1ABC", "011", "7"), ""},
        {line(d, "1400", "5", "006", "DL1ABC", "59", "7"), ""},
        {line(d, "1400", "599", "6a", "DL1ABC", "599", "-7"), ""},
        {line(d, "13O2", "599", "006", "DL1ABC", "599", "7"), ""},
        {line(d, "130", "599", "006", "DL1ABC", "599", "7"), ""},
        // the time left out
        {"QSO: 3510 CW 2026-09-19 SM5QQQ 599 006 DL1ABC 599 011 0",
         "sent call \"599\" is a number, not a call"},
        {line(d, "2400", "599", "006", "DL1ABC", "599", "7"), ""},
        {line("2019-09/21", "1400", "599", "1", "DL1ABC", "599", "7"),
         "date \"2019-09/21\" is no date"},
        {line("2026-09-31", "1400", "599", "1", "DL1ABC", "599", "7"), ""},
        // the frequency left out: the mode stands where the frequency should
        {"QSO: CW 2026-09-19 1400 SM5QQQ 599 006 DL1ABC 599 011 0", "date \"1400\" is no date"},
    };
    for (const auto& [text, why] : cases) EXPECT_EQ(ReadQsoLine(text).Why.English(), why) << text;

    // A station that gave no number, in another program's layout: the cell Kerolt writes.
    const QsoLineRead zero = ReadQsoLine(line(d, "1400", "599", "006", "DL1ABC", "599", "000"));
    EXPECT_EQ(zero.Row[ColNrRcvd], "     0");
    EXPECT_EQ(zero.Row[ColNrSent], "     6");
}

// Calls are read upper case, from Kerolt's columns and from another program's fields alike.
TEST(ReadQsoLine, CallsComeOutUpperCase) {
    for (const char* line :
         {"QSO: 14000 CW 2019-09-21 1305 sm5qqq        599      1 dl1aaa        599      7",
          "qso: 14000 CW 2019-09-21 1305 sm5qqq 599 1 dl1aaa 599 7"}) {
        const QsoLineRead read = ReadQsoLine(line);
        EXPECT_TRUE(read.Taken()) << line;
        EXPECT_EQ(read.Row[ColCall], "DL1AAA        ") << line;
        EXPECT_EQ(read.Value(QsoSource::Cell, ColCall), "DL1AAA") << line;
        EXPECT_EQ(read.Value(QsoSource::OwnCall), "SM5QQQ") << line;
    }
    // Kerolt's columns cut across another program's fields: read by the fields.
    const QsoLineRead read = ReadQsoLine("QSO: 14025 CW 2026-09-19 1201 SM5QQQ 599 2 K1AR 599 17");
    EXPECT_EQ(read.Row, QsoRow("14025", "1201", "599", "     2", "K1AR          ", "599", "    17"));
}

// What Open tells beyond the log, in one message.
TEST(OpenMessage, NamesWhatTheFileHoldsBeyondItsLog) {
    CabrilloFile file;
    EXPECT_EQ(EnglishLines(OpenMessage(file)), "");
    file.NotTaken = {{30, "no received number"}};
    file.XQsoLines = {"X-QSO: a", "X-QSO: b"};
    file.NotRead = {{4, "no header tag"}};
    file.Lost = {{6, 0x141}};
    EXPECT_EQ(EnglishLines(OpenMessage(file)),
              "These lines were not read as QSOs:\nline 30: no received number\n\n"
              "2 X-QSO lines are kept as X-QSO lines: not scored, no dupes, in no total.\n\n"
              "These lines were not read:\nline 4: no header tag\n\n"
              "Saving over the file leaves these lines out.\n\n"
              "The file is UTF-8; these characters have no Latin-1 form and became \"?\":\n"
              "line 6: U+0141");
    file = CabrilloFile{};
    file.XQsoLines = {"X-QSO: a"};
    EXPECT_EQ(EnglishLines(OpenMessage(file)),
              "1 X-QSO line is kept as an X-QSO line: not scored, no dupe, in no total.");
    EXPECT_FALSE(DiffersFromItsFile(file));
    file.Lost = {{6, 0x141}};
    EXPECT_TRUE(DiffersFromItsFile(file));
    file = CabrilloFile{};
    file.NotTaken = {{30, "no received number"}};
    EXPECT_EQ(EnglishLines(OpenMessage(file)),
              "These lines were not read as QSOs:\nline 30: no received number\n\n"
              "Saving over the file leaves these lines out.");
    EXPECT_TRUE(DiffersFromItsFile(file));
}

// Lines Kerolt wrote from rows with blank or short cells: each reads into the cells it was
// written from, and those cells write it again byte for byte.
TEST(ReadQsoLine, KeroltsOwnLinesWithBlankColumns) {
    const struct {
        const char* line;
        const char* ownCall;
        QsoLog::Row row;
    } cases[] = {
        // the own call cleared on the station page
        {"QSO:  3500 CW 2019-09-21 1305               599      1 OH2QQQ        599     23", "",
         testing::QsoRow(" 3500", "1305", "599", "     1", "OH2QQQ        ", "599", "    23")},
        // no sent report, a received report of one character
        {"QSO:  3500 CW 2019-09-21 1305 SM5QQQ               1 OH2QQQ        5      23", "SM5QQQ",
         testing::QsoRow(" 3500", "1305", "", "     1", "OH2QQQ        ", "5", "    23")},
        // no call and no received number
        {"QSO: 14000 CW 2019-09-21 1306 SM5QQQ        599      2             599      ", "SM5QQQ",
         testing::QsoRow("14000", "1306", "599", "     2", "", "599", "")},
        // no frequency and no sent number
        {"QSO:   CW 2019-09-21 1307 SM5QQQ        599       DL1ABC        599      7", "SM5QQQ",
         testing::QsoRow("", "1307", "599", "", "DL1ABC        ", "599", "     7")},
    };
    for (const auto& c : cases) {
        const QsoLineRead read = ReadQsoLine(c.line);
        ASSERT_TRUE(read.Taken()) << c.line << ": " << read.Why.English();
        EXPECT_EQ(read.Row, c.row) << c.line;
        EXPECT_EQ(read.Value(QsoSource::OwnCall), c.ownCall) << c.line;
        EXPECT_EQ(CabrilloQsoLine(read.Row, c.ownCall, "CW", "2019-09-21"), c.line);
        // A text editor that cut the line's trailing blanks changes nothing.
        EXPECT_EQ(ReadQsoLine(TrimRight(c.line)).Row, c.row) << c.line;
    }
}

// A whole log saved with blank fields opens with every QSO and writes the same file again.
TEST(ReadCabrilloLog, OwnFileWithBlankFieldsReadsBackByteForByte) {
    StationData station = SampleStation(SacCw);
    station.CallEdit = "";
    const Lines text =
        BuildCabrilloLog(station,
                         LogOf({QsoRow(" 3500", "1305", "599", "1", "OH2QQQ", "599", "23"),
                                QsoRow("14000", "1306", "", "2", "DL1ABC", "5", "7"),
                                QsoRow(" 7000", "1307", "599", "3", "", "599", ""),
                                QsoRow("", "1308", "599", "", "K1ABC", "599", "12")}),
                         "2019-09-21");
    const CabrilloFile file = ReadCabrilloLog(text, "x.log");
    EXPECT_EQ(file.NotTaken, std::vector<NotTakenLine>{});
    ASSERT_EQ(file.Rows.size(), 4u);
    EXPECT_EQ(file.NyNrEdit, std::nullopt);  // the last row's sent number is blank
    EXPECT_EQ(file.TimeEdit, "1308");
    station.CallEdit = file.Station.CallEdit.value_or("x");
    EXPECT_EQ(BuildCabrilloLog(station, LogOf(file.Rows), *file.ContestDate), text);
}

// A QSO line is read as a QSO only: a key in it fills no station field and no soapbox line.
TEST(ReadCabrilloLog, NoHeaderKeyFromAQsoLine) {
    Lines lines{"START-OF-LOG: 3.0", "CALLSIGN: SM5QQQ", "CONTEST: SAC-CW"};
    while (lines.size() < 10) lines.push_back("X-FILLER: " + std::to_string(lines.size()));
    lines.push_back(
        "QSO:  3500 CW 2019-09-21 1305 SM5QQQ        599      1 SOAPBOX:      599     23");
    lines.push_back(
        "QSO:  3500 CW 2019-09-21 1306 SM5QQQ        599      2 ADDRESS:      599     24");
    lines.push_back(
        "QSO:  3500 CW 2019-09-21 1307 SM5QQQ        599      3 NAME:         599     25");
    lines.push_back("END-OF-LOG:");
    const CabrilloFile file = ReadCabrilloLog(lines, "x.log");
    EXPECT_EQ(file.Station.AdrEdit1, std::nullopt);
    EXPECT_EQ(file.Station.NameEdit, std::nullopt);
    EXPECT_EQ(file.Memo1, Lines{});
    ASSERT_EQ(file.Rows.size(), 3u);
    EXPECT_EQ(file.Rows[0][ColCall], "SOAPBOX:      ");
    EXPECT_EQ(file.Rows[1][ColCall], "ADDRESS:      ");
}

TEST(LoadCabrilloFile, MissingFileCannotBeOpened) {
    const std::string name = "/nonexistent-kerolt-folder/x.log";
    try {
        LoadCabrilloFile(name);
        FAIL() << "no error";
    } catch (const KeroltError& e) {
        EXPECT_EQ(e.what(), "Cannot open file " + name);
    }
}

}  // namespace
}  // namespace kerolt
