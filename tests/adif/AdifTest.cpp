// ADIF out and back in, the choice of QSOs an import takes, and files that are no ADIF. The
// export is also read by an independent parser (scripts/check-adif.sh).

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "adif/AdifImport.h"
#include "adif/AdifWriter.h"
#include "common/KeroltError.h"
#include "tests/cabrillo/CabrilloTestSupport.h"

using namespace kerolt;

namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

AdifImport Import(const std::string& text, const StationData& current = {}) {
    return ImportAdif(ReadAdif(text, "in.adi"), current);
}

// A general logger's record: fields in its own order and case; a received number unless more
// gives one.
std::string Qso(const std::string& call, const std::string& date, const std::string& time,
                const std::string& more) {
    return "<call:" + std::to_string(call.size()) + ">" + call +
           "<qso_date:" + std::to_string(date.size()) + ">" + date +
           "<time_on:" + std::to_string(time.size()) + ">" + time +
           (more.find("SRX") == std::string::npos ? "<srx:1>5" : "") + more + "<eor>\n";
}

}  // namespace

TEST(AdifTest, ExportReadsBackAsTheSameLog) {
    using namespace std::chrono;
    const QsoLog log = kerolt::testing::LogOf({
        kerolt::testing::QsoRow(" 3500", "1200", "59", "1", "DL1ABC", "57", "7"),
        kerolt::testing::QsoRow("14215", "2359", "59", "2", "K1AB", "59", "15"),
        kerolt::testing::QsoRow(" 3500", "0000", "59", "3", "DL1ABC", "55", "101"),
    });
    const StationData station = kerolt::testing::SampleStation(SacSsb);
    const auto created = sys_days{2019y / 10 / 14} + 13h + 5min + 9s;
    const std::string text = Joined(BuildAdifLog(station, log, "2019-10-12", created).Lines);

    const AdifDocument doc = ReadAdif(text, "out.adi");
    EXPECT_EQ(FieldOf(doc.Header, "CREATED_TIMESTAMP"), "20191014 130509");
    const AdifImport back = ImportAdif(doc, StationData{});
    EXPECT_EQ(EnglishLines(back.Message), "");
    EXPECT_EQ(back.File.Station.CallEdit, station.CallEdit);
    EXPECT_EQ(back.File.Station.ContestBox, station.ContestBox);
    EXPECT_EQ(back.File.ContestDate, "2019-10-12");
    ASSERT_EQ(back.File.Rows.size(), 3u);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(back.File.Rows[static_cast<std::size_t>(r - 1)], log.RowAt(r)) << "row " << r;
}

TEST(AdifTest, ImportTakesOnlyTheContestsQsos) {
    // SAC-CW 2019 began on Saturday 21 September at 1200 UTC.
    const std::string first = Qso("DL1ABC", "20190921", "1300", "<BAND:3>20M<MODE:2>CW");
    const struct {
        std::string record;
        std::string refusal;  // empty: taken
    } cases[] = {
        {Qso("OH2XY", "20190922", "115959", "<Band:3>10m<Mode:2>cw"), ""},
        {Qso("OH2XY", "20190921", "1200", "<FREQ:5>7.025<MODE:2>CW"), ""},
        {Qso("OH2XY", "20190921", "1200", "<FREQ:6>29.600<MODE:2>CW"), ""},
        {Qso("OH2XY", "20190921", "1159", "<BAND:3>40m<MODE:2>CW"), "outside the contest period"},
        {Qso("OH2XY", "20190922", "1200", "<BAND:3>40m<MODE:2>CW"), "outside the contest period"},
        {Qso("OH2XY", "20180915", "1300", "<BAND:3>40m<MODE:2>CW"), "outside the contest period"},
        {Qso("OH2XY", "20190921", "1300", "<BAND:4>160m<MODE:2>CW"), "not on a contest band"},
        {Qso("OH2XY", "20190921", "1300", "<FREQ:5>1.836<MODE:2>CW"), "not on a contest band"},
        {Qso("OH2XY", "20190921", "1300", "<BAND:3>40m<MODE:3>SSB"), "in another mode"},
        {Qso("OH2XY", "2019092", "1300", "<BAND:3>40m<MODE:2>CW"), "no valid date (YYYYMMDD)"},
        {Qso("", "20190921", "1300", "<BAND:3>40m<MODE:2>CW"), "no call"},
        {Qso("OH2XY", "20190921", "1300", "<BAND:3>40m<MODE:2>CW<SRX:0>"), "no received number"},
        {Qso("OH2XY", "20190921", "1300", "<BAND:3>40m<MODE:2>CW<RST_RCVD:4>5999"),
         "The report '5999' is not two or three digits"},
        {Qso("OH2XY", "20190921", "1300", "<BAND:3>40m<MODE:2>CW<RST_RCVD:3>5NN"),
         "The received report \"5NN\" is not a valid RST on CW"},
        {Qso("OH2XY", "20190921", "1300", "<BAND:3>40m<MODE:2>CW<RST_SENT:2>57"),
         "The sent report \"57\" is not a valid RST on CW"},
        {Qso("OH2XY", "20190921", "1300", "<BAND:3>40m<MODE:2>CW<RST_RCVD:3>579"), ""},
    };
    for (const auto& c : cases) {
        const AdifImport import = Import(first + c.record);
        EXPECT_EQ(import.File.Rows.size(), c.refusal.empty() ? 2u : 1u) << c.record;
        EXPECT_NE(EnglishLines(import.Message).find(c.refusal), std::string::npos) << c.record;
        EXPECT_EQ(import.File.ContestDate, "2019-09-21");
        for (const QsoLog::Row& row : import.File.Rows)
            EXPECT_NE(BandFromFrequency(row[ColFreq]), NoBand) << c.record;
    }
}

TEST(AdifTest, ImportTakesStationContestAndOrderFromTheFile) {
    const std::string text =
        "logger export\n<ADIF_VER:5>3.1.0<EOH>\n" +
        Qso("K1AB", "20191013", "0930", "<FREQ:8>14.20000<MODE:3>USB<SRX_STRING:3>012") +
        Qso("DL1ABC", "20191012", "1300",
            "<BAND:3>80m<MODE:3>SSB<STX:1>5<RST_RCVD:2>57<OPERATOR:6>sm5qqq");
    const AdifImport fresh = Import(text);
    EXPECT_EQ(fresh.File.Station.ContestBox, "SAC-SSB");
    EXPECT_EQ(fresh.File.Station.CallEdit, "SM5QQQ");
    ASSERT_EQ(fresh.File.Rows.size(), 2u);
    QsoLog::Row first = kerolt::testing::QsoRow(" 3500", "1300", "59", "5", "DL1ABC", "57", "5");
    first[ColRow] = "1";
    EXPECT_EQ(fresh.File.Rows[0], first);
    EXPECT_EQ(fresh.File.Rows[1][ColFreq], "14200");
    EXPECT_EQ(fresh.File.Rows[1][ColNrRcvd], "12");
    EXPECT_EQ(fresh.File.NyNrEdit, std::nullopt);

    StationData page;
    page.CallEdit = "SM6AAA";
    page.Memo1 = {"kept"};
    const AdifImport kept = Import(text, page);
    EXPECT_EQ(kept.File.Station.CallEdit, std::nullopt);
    EXPECT_EQ(kept.File.Memo1, page.Memo1);
}

TEST(AdifTest, BadFilesAreRefusedWithTheirLine) {
    const struct {
        std::string text;
        std::string message;
    } cases[] = {
        {"", "in.adi is not an ADIF file"},
        {"a text file\nwithout fields\n", "in.adi is not an ADIF file"},
        {std::string("<CALL:4>DL1A<EOR>\0\1", 19), "in.adi is not an ADIF file"},
        {"hdr<EOH>\n<CALL:4>DL1A<EOR>\n<CALL:12>DL1A<EOR>\n",
         "in.adi: line 3: the field <CALL> runs past"},
        {"<CALL:4>DL1A<EOR>\r\n<CALL:4>DL1A", "in.adi: line 2: the last record has no <EOR>"},
        {"<CALL>DL1A<EOR>", "in.adi: line 1: the field <CALL> has no length"},
        {"<CALL:4>DL1A<EOR>\r\r<CALL:4", "in.adi: line 3: the tag has no closing '>'"},
        {"<CALL:4>DL1A<EOR><EOH>", "in.adi: line 1: <EOH> after the header"},
        {"x < y<EOH>", "in.adi: line 1: '< y<EOH>' is no ADIF tag"},
    };
    for (const auto& c : cases) {
        try {
            Import(c.text);
            ADD_FAILURE() << "taken: " << c.text;
        } catch (const KeroltError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
        }
    }
}

// The file name and the line are values; the fault is a template of its own inside the line's.
TEST(AdifTest, ParseErrorsNestTheirFault) {
    try {
        ReadAdif("<CALL>DL1A<EOR>", "in.adi");
        ADD_FAILURE() << "read";
    } catch (const KeroltError& e) {
        const Message& text = e.Text();
        EXPECT_STREQ(text.Template().Source, "%1: line %2: %3");
        ASSERT_EQ(text.Args().size(), 3u);
        EXPECT_EQ(text.Args()[0].Value(), "in.adi");
        EXPECT_EQ(text.Args()[1].Value(), "1");
        EXPECT_STREQ(text.Args()[2].Template().Source, "the field <%1> has no length");
    }
}

TEST(AdifTest, ImportTakesOnlyDatesAndTimesOfTheCalendarAndTheClock) {
    // SAC-CW 2019: Saturday 21 September 1200 to Sunday 22 September 1159.
    const std::string first = Qso("DL1ABC", "20190921", "1300", "<BAND:3>20M<MODE:2>CW");
    const struct {
        const char* date;
        const char* time;
        const char* refusal;  // empty: taken
    } cases[] = {
        {"20190921", "2359", ""},
        {"20190921", "2400", "no valid time (HHMM)"},
        {"20190921", "2575", "no valid time (HHMM)"},
        {"20190921", "1259", ""},
        {"20190921", "1260", "no valid time (HHMM)"},
        {"20190922", "115959", ""},
        {"20190922", "115960", "no valid time (HHMM)"},
        {"20190921", "13000", "no valid time (HHMM)"},
        {"20190921", "130", "no valid time (HHMM)"},
        {"20190921", "", "no valid time (HHMM)"},
        {"20190921", "13:0", "no valid time (HHMM)"},
        {"20190930", "1300", "outside the contest period"},
        {"20190931", "1300", "no valid date (YYYYMMDD)"},
        {"20190900", "1300", "no valid date (YYYYMMDD)"},
        {"20191321", "1300", "no valid date (YYYYMMDD)"},
        {"201909211", "1300", "no valid date (YYYYMMDD)"},
        {"2019-9-21", "1300", "no valid date (YYYYMMDD)"},
        {"", "1300", "no valid date (YYYYMMDD)"},
    };
    for (const auto& c : cases) {
        const std::string record = Qso("OH2XY", c.date, c.time, "<BAND:3>40m<MODE:2>CW");
        const AdifImport import = Import(first + record);
        if (*c.refusal == '\0') {
            EXPECT_EQ(EnglishLines(import.Message), "") << c.date << " " << c.time;
            EXPECT_EQ(import.File.Rows.size(), 2u) << c.date << " " << c.time;
            continue;
        }
        const char* outside =
            std::string_view(c.refusal) == "outside the contest period" ? "1" : "0";
        EXPECT_EQ(EnglishLines(import.Message),
                  std::string("SAC-CW 2019-09-21 1200 to 2019-09-22 1159 UTC, the "
                              "contest weekend with the most QSOs in the file.\n"
                              "1 of 2 QSOs taken, ") +
                      outside + " outside that contest; not taken:\n1 " + c.refusal +
                      "\n\nQSO 2 (OH2XY " + c.date + " " + c.time + "): " + c.refusal);
        ASSERT_EQ(import.File.Rows.size(), 1u) << c.date << " " << c.time;
        // The next QSO typed goes on from the time of the last one taken.
        EXPECT_EQ(import.File.TimeEdit, "1300") << c.date << " " << c.time;
    }
}

TEST(AdifTest, ImportTakesTheFrequencyWhereItLiesOnTheBand) {
    const struct {
        const char* band;  // empty: none in the record
        const char* freq;
        const char* row;  // the row's frequency; empty: refused as on no contest band
    } cases[] = {
        {"", "14.025", "14025"},
        {"", "14.0255", "14026"},  // rounded half up, as a rig's reading
        {"", "14.0254", "14025"},
        {"", "3.7625", "3763"},
        {"", "21.3125", "21313"},
        {"", "7.3004", "7300"},
        {"", "7.3005", ""},  // 7301
        {"", "14", "14000"},
        {"", " 7.3 ", "7300"},
        {"", "7.301", ""},
        {"", "13.999", ""},
        {"", "14025", ""},  // 14025 MHz
        {"", "14,025", ""},
        {"", "", ""},
        {"20m", "14.350", "14350"},
        {"20m", "14.351", "14000"},
        {"20m", "13.999", "14000"},
        {"20m", "7.025", "14000"},  // BAND and FREQ disagree: BAND holds
        {"20m", "", "14000"},
        {"40M", "14.025", " 7000"},
        {"12m", "14.025", ""},
    };
    for (const auto& c : cases) {
        std::string more = "<MODE:2>CW";
        if (*c.band != '\0')
            more += AdifField("BAND", c.band);
        if (*c.freq != '\0')
            more += AdifField("FREQ", c.freq);
        const AdifImport import = Import(Qso("OH2XY", "20190921", "1300", more));
        if (*c.row == '\0') {
            EXPECT_TRUE(import.File.Rows.empty()) << c.band << " " << c.freq;
            EXPECT_NE(EnglishLines(import.Message).find("): not on a contest band"), std::string::npos)
                << c.band << " " << c.freq;
        } else {
            ASSERT_EQ(import.File.Rows.size(), 1u) << c.band << " " << c.freq;
            EXPECT_EQ(import.File.Rows[0][ColFreq], c.row) << c.band << " " << c.freq;
        }
    }
}

TEST(AdifTest, MessagesCutLongTextsFromTheFile) {
    const std::string twenty(20, 'K');
    const struct {
        std::string text;
        std::string shown;
    } cases[] = {
        {"", ""},
        {twenty, twenty},
        {twenty + "Z", twenty + "..."},
    };
    for (const auto& c : cases) EXPECT_EQ(ShownText(c.text), c.shown);

    const std::string call = twenty + "ABCDE";
    const AdifImport import = Import(Qso(call, "20190921", "1300", "<BAND:3>40m<MODE:2>CW") +
                                     Qso("OH2XY", "20190921", "1300" + twenty, "<MODE:2>CW"));
    EXPECT_EQ(EnglishLines(import.Message),
              "SAC-CW 2019-09-21 1200 to 2019-09-22 1159 UTC, the contest weekend with the most "
              "QSOs in the file.\n0 of 2 QSOs taken, 0 outside that contest; not taken:\n"
              "1 no valid time (HHMM)\n"
              "1 not fit for the log\n\n"
              "QSO 1 (" +
                  twenty + "... 20190921 1300): The call '" + call +
                  "' is longer than 13 characters\n"
                  "QSO 2 (OH2XY 20190921 1300" +
                  std::string(16, 'K') + "...): no valid time (HHMM)");
    // The commit's words quote the whole field; they are cut after 100 characters.
    const std::string longCall(120, 'W');
    const std::string words =
        EnglishLines(
            Import(Qso(longCall, "20190921", "1300", "<BAND:3>40m<MODE:2>CW")).Message);
    EXPECT_EQ(words.substr(words.find("): ") + 3), ShownText("The call '" + longCall, 100));

    try {
        Import("<" + call + ">");
        ADD_FAILURE();
    } catch (const KeroltError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "in.adi: line 1: the field <" + twenty + "...> has no length");
    }
}

TEST(AdifTest, FilesLargerThanAContestLogCouldBeAreRefusedUnread) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("kerolt-adif-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string record =
        Qso("OH2XY", "20190921", "1300", "<BAND:3>40m<MODE:2>CW<CONTEST_ID:6>SAC-CW");
    const struct {
        std::uintmax_t size;
        const char* refusal;  // empty: read
    } cases[] = {
        {16 * 1024 * 1024, ""},
        {16 * 1024 * 1024 + 1, " is larger than 16 MB, the most Kerolt reads"},
    };
    for (const auto& c : cases) {
        const std::string name = (dir / "big.adi").string();
        {
            std::ofstream out(name, std::ios::binary);
            out << record << std::string(c.size - record.size(), ' ');
        }
        ASSERT_EQ(fs::file_size(name), c.size);
        try {
            EXPECT_EQ(LoadAdifFile(name, {}).File.Rows.size(), 1u);
            EXPECT_EQ(*c.refusal, '\0') << c.size;
        } catch (const KeroltError& e) {
            EXPECT_EQ(std::string(e.what()), name + c.refusal);
        }
    }
    fs::remove_all(dir);
}

// The export refuses a log whose file would be named ".adi", or hold nothing.
TEST(AdifTest, ExportNeedsACallsignAndAQso) {
    const QsoLog empty;
    const QsoLog one = kerolt::testing::LogOf({kerolt::testing::QsoRow(
        "14000", "1305", "599", "     1", "DL1ABC        ", "599", "    12")});
    const std::string noCall =
        "The log has no callsign: type it on the \"Data input\" page, then export.";
    const std::string noQsos = "The log has no QSOs: there is nothing to export.";
    const struct {
        const char* call;
        const QsoLog* log;
        std::string refusal;
    } cases[] = {{"", &one, noCall},
                 {"  ", &one, noCall},
                 {"", &empty, noCall},
                 {"S", &empty, noQsos},
                 {"SM5QQQ", &one, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(AdifExportRefusal(c.call, *c.log).English(), c.refusal) << c.call;
}
