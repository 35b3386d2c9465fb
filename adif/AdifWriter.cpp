#include "adif/AdifWriter.h"

#include <algorithm>
#include <ostream>

#include "adif/Adif.h"
#include "cabrillo/ApplyStation.h"
#include "cabrillo/SaveName.h"
#include "common/KeroltError.h"
#include "common/Text.h"
#include "common/TextFile.h"
#include "common/Version.h"
#include "contest/BandPlan.h"
#include "contest/ContestRules.h"

namespace kerolt {

namespace {

// ADIF 3.1 as this writer follows it.
constexpr std::string_view AdifVersion = "3.1.4";

std::string Timestamp(std::chrono::sys_seconds t) {
    const auto day = std::chrono::floor<std::chrono::days>(t);
    const std::chrono::year_month_day date(day);
    const std::chrono::hh_mm_ss time(t - day);
    return ZeroPadded(static_cast<int>(date.year()), 4) +
           ZeroPadded(static_cast<int>(static_cast<unsigned>(date.month())), 2) +
           ZeroPadded(static_cast<int>(static_cast<unsigned>(date.day())), 2) + " " +
           ZeroPadded(static_cast<int>(time.hours().count()), 2) +
           ZeroPadded(static_cast<int>(time.minutes().count()), 2) +
           ZeroPadded(static_cast<int>(time.seconds().count()), 2);
}

// A frequency cell that is no band's own text ("14000") but a frequency in kHz.
bool IsRealFrequency(const std::string& freq) {
    if (!IsDigitText(freq))
        return false;
    const std::vector<std::string>& bandTexts = FrequencyEntries();
    return std::none_of(bandTexts.begin(), bandTexts.end(),
                        [&](const std::string& b) { return TrimView(b) == freq; });
}

std::string Megahertz(int khz) {
    return std::to_string(khz / 1000) + "." + ZeroPadded(khz % 1000, 3);
}

// The single operator of the operators field (calls split by blanks or commas), else empty.
std::string SingleOperator(std::string_view operators) {
    std::string text(operators);
    std::replace(text.begin(), text.end(), ',', ' ');
    const std::string trimmed = Trim(text);
    return trimmed.find(' ') == std::string::npos ? trimmed : std::string();
}

class Record {
  public:
    // Left out when empty.
    void Add(std::string_view name, std::string_view data) {
        if (!data.empty())
            text_.append(AdifField(name, data));
    }
    // An integer field; a number that is no integer goes to its _STRING field.
    void AddNumber(std::string_view name, const std::string& value) {
        const int n = DigitsValue(value);
        if (n >= 0)
            Add(name, std::to_string(n));
        else
            Add(std::string(name) + "_STRING", value);
    }
    std::string Finish() { return std::move(text_.append("<EOR>")); }

  private:
    std::string text_;
};

}  // namespace

std::vector<std::string> BuildAdifLog(const StationData& station, const QsoLog& log,
                                      std::string_view contestDate,
                                      std::chrono::sys_seconds created) {
    std::vector<std::string> lines{
        "ADIF export of a SAC log by Kerolt",
        AdifField("ADIF_VER", AdifVersion),
        AdifField("PROGRAMID", "Kerolt"),
        AdifField("PROGRAMVERSION", ProgramVersion),
        AdifField("CREATED_TIMESTAMP", Timestamp(created)),
        "<EOH>",
    };
    lines.reserve(lines.size() + static_cast<std::size_t>(log.QsoRowCount()));

    const bool cw = station.ContestIndex == SacCw;
    const bool contest = station.ContestIndex == SacCw || station.ContestIndex == SacSsb;
    const std::string ownCall = Trim(station.CallEdit);
    const std::string op = SingleOperator(station.OperatorsEdit);
    for (int r = 1; r <= log.QsoRowCount(); ++r) {
        const QsoLog::Row& row = log.RowAt(r);
        const std::string time = Trim(row[ColTime]);
        const std::string freq = Trim(row[ColFreq]);
        std::string date = QsoDate(contestDate, row[ColTime]);
        date.erase(std::remove(date.begin(), date.end(), '-'), date.end());
        const bool real = IsRealFrequency(freq);
        const BandIndex band = real ? ContestBandOfKhz(DigitsValue(freq)) : BandFromFrequency(freq);

        Record rec;
        rec.Add("CALL", Trim(row[ColCall]));
        rec.Add("QSO_DATE", date);
        rec.Add("TIME_ON", time);
        rec.Add("BAND", BandName(band));
        if (real)
            rec.Add("FREQ", Megahertz(DigitsValue(freq)));
        if (contest)
            rec.Add("MODE", cw ? "CW" : "SSB");
        rec.Add("RST_SENT", Trim(row[ColRstSent]));
        rec.Add("RST_RCVD", Trim(row[ColRstRcvd]));
        rec.AddNumber("STX", Trim(row[ColNrSent]));
        rec.AddNumber("SRX", Trim(row[ColNrRcvd]));
        if (contest)
            rec.Add("CONTEST_ID", ContestEntries()[static_cast<std::size_t>(station.ContestIndex)]);
        rec.Add("STATION_CALLSIGN", ownCall);
        rec.Add("OPERATOR", op);
        lines.push_back(rec.Finish());
    }
    return lines;
}

std::string ProposedAdifName(std::string_view call) {
    std::string name = ProposedLogName(call);
    return name.replace(name.size() - 4, 4, ".adi");
}

std::string AdifExportRefusal(std::string_view call, const QsoLog& log) {
    if (IsBlankText(call))
        return "The log has no callsign: type it on the \"Data input\" page, then export.";
    if (log.QsoRowCount() == 0)
        return "The log has no QSOs: there is nothing to export.";
    return {};
}

std::vector<std::string> AdifFromCabrillo(const CabrilloFile& file,
                                          std::chrono::sys_seconds created) {
    // Only the contest list matters here; the other lists' texts are not written.
    StationLists lists;
    lists.Contest = ContestEntries();
    const StationData station = ApplyCabrilloStation(file, StationData{}, lists);
    QsoLog log;
    for (const QsoLog::Row& row : file.Rows) log.AppendQso(row);
    return BuildAdifLog(station, log, file.ContestDate.value_or(""), created);
}

int RunAdifExport(const std::string& logName, const std::string& outName,
                  std::chrono::sys_seconds created, std::ostream& out, std::ostream& err) {
    try {
        const std::vector<std::string> lines = AdifFromCabrillo(LoadCabrilloFile(logName), created);
        if (!outName.empty()) {
            WriteLines(outName, lines);
        } else {
            for (const std::string& line : lines) out << line << "\r\n";
            out.flush();
        }
        return 0;
    } catch (const KeroltError& e) {
        err << e.what() << '\n';
        return 2;
    }
}

}  // namespace kerolt
