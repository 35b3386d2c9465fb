// ADIF out and back in, the choice of QSOs an import takes, and files that are no ADIF. The
// export is also read by an independent parser (scripts/check-adif.sh).

#include <gtest/gtest.h>

#include <chrono>

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
    return "<call:" + std::to_string(call.size()) + ">" + call + "<qso_date:8>" + date +
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
    EXPECT_EQ(back.Message, "");
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
        {Qso("OH2XY", "2019092", "1300", "<BAND:3>40m<MODE:2>CW"), "no date or time"},
        {Qso("", "20190921", "1300", "<BAND:3>40m<MODE:2>CW"), "no call"},
        {Qso("OH2XY", "20190921", "1300", "<BAND:3>40m<MODE:2>CW<SRX:0>"), "no received number"},
        {Qso("OH2XY", "20190921", "1300", "<BAND:3>40m<MODE:2>CW<RST_RCVD:4>5999"),
         "The report '5999' is not two or three digits"},
    };
    for (const auto& c : cases) {
        const AdifImport import = Import(first + c.record);
        EXPECT_EQ(import.File.Rows.size(), c.refusal.empty() ? 2u : 1u) << c.record;
        EXPECT_NE(import.Message.find(c.refusal), std::string::npos) << c.record;
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
