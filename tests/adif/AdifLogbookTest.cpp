// Import ADIF of a whole logbook: which contest and weekend it goes by, what it says of them,
// and a year's export written for the test (tools/year-logbook.py).

#include <gtest/gtest.h>

#include "adif/AdifImport.h"
#include "common/TextFile.h"
#include "tests/cabrillo/CabrilloTestSupport.h"

namespace kerolt {
namespace {

// A record in a mode, with a received number.
std::string Rec(const char* mode, const char* date, const char* time, const char* more = "") {
    return AdifField("CALL", "OH2XY") + AdifField("QSO_DATE", date) + AdifField("TIME_ON", time) +
           "<BAND:3>20m" + AdifField("MODE", mode) + "<SRX:1>5" + more + "<EOR>\n";
}

std::string Times(int n, const std::string& record) {
    std::string text;
    for (int i = 0; i < n; ++i) text += record;
    return text;
}

const std::string Cw2026 = "SAC-CW 2026-09-19 1200 to 2026-09-20 1159 UTC";
const std::string Ssb2026 = "SAC-SSB 2026-10-10 1200 to 2026-10-11 1159 UTC";
const std::string Ssb2025 = "SAC-SSB 2025-10-11 1200 to 2025-10-12 1159 UTC";
const std::string Most = ", the contest weekend with the most QSOs in the file.\n";
const std::string OnPage = ", the contest on the station page.\n";

// The message's lines up to the counts, the contest date taken, and how many QSOs.
TEST(ImportAdif, TheContestAndWeekendOfTheFilesQsos) {
    const std::string cw = Rec("CW", "20260919", "1300");
    const std::string ssb = Rec("SSB", "20261010", "1300");
    const struct {
        const char* name;
        int page;
        std::string records;
        std::string message;  // its beginning
        const char* contestDate;
        std::size_t taken;
    } cases[] = {
        {"the most", NoContest, Times(2, cw) + Times(3, ssb),
         Ssb2026 + Most +
             "3 of 5 QSOs taken, 2 outside that contest; not taken:\n2 in another mode",
         "2026-10-10", 3},
        {"the page over the most", SacCw, Times(2, cw) + Times(3, ssb),
         Cw2026 + OnPage + "The file has more QSOs (3) in " + Ssb2026 +
             ": choose SAC-SSB on the station page to take those.\n"
             "2 of 5 QSOs taken, 3 outside that contest; not taken:\n3 in another mode",
         "2026-09-19", 2},
        {"a page contest the file has no weekend of", SacCw,
         Rec("CW", "20260117", "1300") + Times(3, ssb),
         Ssb2026 + ", the contest weekend with the most QSOs in the file. It has none in SAC-CW, "
                   "the contest on the station page.\n3 of 4 QSOs taken, 1 outside that contest",
         "2026-10-10", 3},
        {"a tie: the later weekend", NoContest, Times(2, cw) + Times(2, ssb),
         Ssb2026 + Most + "2 of 4", "2026-10-10", 2},
        {"a tie: the later weekend, of CW", NoContest,
         Times(2, Rec("SSB", "20251011", "1300")) + Times(2, cw), Cw2026 + Most + "2 of 4",
         "2026-09-19", 2},
        {"the page's contest tied with the other", SacCw, Times(2, cw) + Times(2, ssb),
         Cw2026 + OnPage + "2 of 4 QSOs taken", "2026-09-19", 2},
        {"a page contest that is none", 7, Times(2, cw) + Rec("SSB", "20260117", "1300"),
         Cw2026 + Most + "2 of 3 QSOs taken, 1 outside", "2026-09-19", 2},
        {"a tie on the page's contest", SacSsb,
         Times(2, ssb) + Times(2, Rec("SSB", "20251011", "1300")) + Times(5, cw),
         Ssb2026 + OnPage + "The file has more QSOs (5) in " + Cw2026 +
             ": choose SAC-CW on the station page to take those.\n2 of 9 QSOs taken, 7 outside",
         "2026-10-10", 2},
        {"two years' SSB weekends", NoContest,
         Times(2, ssb) + Times(3, Rec("SSB", "20251012", "1159")),
         Ssb2025 + Most +
             "3 of 5 QSOs taken, 2 outside that contest; not taken:\n"
             "2 outside the contest period",
         "2025-10-11", 3},
        {"first and last minute", NoContest,
         Rec("SSB", "20261010", "1200") + Rec("SSB", "20261011", "115959") + cw,
         Ssb2026 + Most + "2 of 3 QSOs taken, 1 outside", "2026-10-10", 2},
        {"a minute before and after", NoContest,
         Rec("SSB", "20261010", "1159") + Rec("SSB", "20261011", "1200") + cw,
         Cw2026 + Most + "1 of 3 QSOs taken, 2 outside", "2026-09-19", 1},
        {"a SAC-CW record first, on an ordinary day", NoContest,
         Rec("CW", "20260117", "0920", "<CONTEST_ID:6>SAC-CW") +
             Times(3, Rec("SSB", "20261010", "1300", "<CONTEST_ID:7>SAC-SSB")),
         Ssb2026 + Most + "3 of 4 QSOs taken, 1 outside", "2026-10-10", 3},
        {"no mode: the CONTEST_ID's", NoContest,
         Times(2, cw) + Times(3,
                              "<CALL:5>OH2XY<QSO_DATE:8>20261010<TIME_ON:4>1300<BAND:3>20m"
                              "<SRX:1>5<CONTEST_ID:7>sac-ssb<EOR>\n"),
         Ssb2026 + Most + "3 of 5", "2026-10-10", 3},
        {"no weekend", SacSsb, Rec("SSB", "20261003", "1300") + Rec("FT8", "20261010", "1300"),
         "No QSO lies in a SAC-CW or SAC-SSB weekend (Saturday 1200 to Sunday 1159 UTC).\n"
         "0 of 2 QSOs taken; not taken:\n1 in another mode\n1 outside the contest period",
         "", 0},
    };
    for (const auto& c : cases) {
        StationData page;
        page.ContestIndex = c.page;
        const AdifImport import = ImportAdif(ReadAdif(c.records, "in.adi"), page);
        EXPECT_EQ(EnglishLines(import.Message).substr(0, c.message.size()), c.message) << c.name;
        EXPECT_EQ(import.File.ContestDate.value_or(""), c.contestDate) << c.name;
        EXPECT_EQ(import.File.Rows.size(), c.taken) << c.name;
    }
}

// QSOs of the weekend that are refused are named before a logbook's other QSOs.
TEST(ImportAdif, TheWeekendsRefusedQsosAreNamedFirst) {
    std::string records = Times(22, Rec("SSB", "20261003", "1300"));
    records += Rec("SSB", "20261010", "1300") + Rec("SSB", "20261010", "1400", "<RST_RCVD:4>5999");
    const std::string message = EnglishLines(ImportAdif(ReadAdif(records, "in.adi"), {}).Message);
    const std::string named = message.substr(message.find("\n\n"));
    EXPECT_TRUE(named.starts_with(
        "\n\nQSO 24 (OH2XY 20261010 1400): The report '5999' is not two or three digits\n"
        "QSO 1 (OH2XY 20261003 1300): outside the contest period\n"))
        << named;
    EXPECT_TRUE(
        named.ends_with("\nQSO 19 (OH2XY 20261003 1300): outside the contest period\n"
                        "and 3 more"))
        << named;
}

// A year's export: everyday QSOs, CQ-WW-CW, 14 CW records marked SAC-CW on ordinary days, the
// 38 QSOs of SAC-SSB 2026, some calls and field names in lower case.
TEST(ImportAdif, AYearsLogbook) {
    const std::string text = ReadText(KEROLT_ADIF_FIXTURES "/year-logbook.adi");
    const AdifDocument doc = ReadAdif(text, "year-logbook.adi");
    ASSERT_EQ(doc.Records.size(), 300u);

    const AdifImport fresh = ImportAdif(doc, {});
    EXPECT_EQ(fresh.File.Station.ContestBox, "SAC-SSB");
    EXPECT_EQ(fresh.File.Station.CallEdit, "SM5QQQ");  // "sm5qqq" in the first QSO taken
    EXPECT_EQ(fresh.File.ContestDate, "2026-10-10");
    ASSERT_EQ(fresh.File.Rows.size(), 38u);
    QsoLog::Row first = kerolt::testing::QsoRow("14189", "1200", "59", "1", "ES7TZF", "59", "303");
    first[ColRow] = "1";
    QsoLog::Row last = kerolt::testing::QsoRow("14340", "1159", "59", "38", "SP6EO", "57", "291");
    last[ColRow] = "38";
    EXPECT_EQ(fresh.File.Rows.front(), first);
    EXPECT_EQ(fresh.File.Rows.back(), last);
    EXPECT_EQ(EnglishLines(fresh.Message).substr(0, EnglishLines(fresh.Message).find("QSO 2 ")),
              Ssb2026 + Most +
                  "38 of 300 QSOs taken, 261 outside that contest; not taken:\n"
                  "176 in another mode\n"
                  "1 not on a contest band\n"
                  "85 outside the contest period\n"
                  "\n"
                  "QSO 185 (OZ6KDK 20261010 1530): not on a contest band\n"
                  "QSO 1 (YL3BJ 20260104 1541): outside the contest period\n");
    EXPECT_TRUE(EnglishLines(fresh.Message).ends_with("\nand 242 more")) << EnglishLines(fresh.Message);

    // On the page, SAC-CW takes its weekend: three everyday QSOs without numbers.
    StationData cw;
    cw.ContestIndex = SacCw;
    const AdifImport chosen = ImportAdif(doc, cw);
    EXPECT_TRUE(chosen.File.Rows.empty());
    EXPECT_EQ(EnglishLines(chosen.Message).substr(0, EnglishLines(chosen.Message).find("\n\n")),
              Cw2026 + OnPage + "The file has more QSOs (39) in " + Ssb2026 +
                  ": choose SAC-SSB on the station page to take those.\n"
                  "0 of 300 QSOs taken, 297 outside that contest; not taken:\n"
                  "184 in another mode\n"
                  "113 outside the contest period\n"
                  "3 no received number");
}

}  // namespace
}  // namespace kerolt
