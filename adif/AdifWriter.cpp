#include "adif/AdifWriter.h"

#include <algorithm>
#include <ostream>

#include "adif/Adif.h"
#include "cabrillo/ApplyStation.h"
#include "cabrillo/SaveName.h"
#include "calls/CallList.h"
#include "common/KeroltError.h"
#include "common/Text.h"
#include "common/TextFile.h"
#include "common/Version.h"
#include "contest/BandPlan.h"
#include "contest/ContestPeriod.h"
#include "contest/ContestRules.h"
#include "contest/LogEntry.h"

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

// A frequency cell that is no band's own text ("14000") but a frequency in kHz on an amateur
// band: the one FREQ that never disagrees with the BAND of the same cell.
const AmateurBand* RealFrequencyBand(const std::string& freq) {
    const std::optional<long> khz = FrequencyKhz(freq);
    const std::vector<std::string>& bandTexts = FrequencyEntries();
    if (!khz || std::any_of(bandTexts.begin(), bandTexts.end(),
                            [&](const std::string& b) { return TrimView(b) == freq; }))
        return nullptr;
    return AmateurBandOf(*khz);
}

// The ADIF name of the band a cell is scored on; of its amateur band when that is no contest
// band ("160m").
std::string AdifBandName(BandIndex band, const AmateurBand* amateur) {
    if (band != NoBand || amateur == nullptr)
        return std::string(BandName(band));
    std::string name(amateur->Name);
    std::erase(name, ' ');
    return name;
}

// Why a row cannot be written as a record: a CALL, QSO_DATE or TIME_ON that is none.
Message WhyNoRecord(const std::string& call, const std::string& date, const std::string& time) {
    if (call.empty())
        return Message(KT("Export", "no call"));
    if (!CanBeCall(call))
        return Message(KT("Export", "\"%1\" cannot be a call"), {call});
    if (!IsCalendarDate(date))
        return Message(KT("Export", "date \"%1\" is no date"), {date});
    if (!IsValidTime(time))
        return Message(KT("Export", "time \"%1\" is no time"), {time});
    return {};
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

AdifLog BuildAdifLog(const StationData& station, const QsoLog& log, std::string_view contestDate,
                     std::chrono::sys_seconds created) {
    AdifLog adif;
    adif.Lines = {
        "ADIF export of a SAC log by Kerolt",
        AdifField("ADIF_VER", AdifVersion),
        AdifField("PROGRAMID", "Kerolt"),
        AdifField("PROGRAMVERSION", ProgramVersion),
        AdifField("CREATED_TIMESTAMP", Timestamp(created)),
        "<EOH>",
    };
    adif.Lines.reserve(adif.Lines.size() + static_cast<std::size_t>(log.QsoRowCount()));

    const bool cw = station.ContestIndex == SacCw;
    const bool contest = station.ContestIndex == SacCw || station.ContestIndex == SacSsb;
    const std::string ownCall = Trim(station.CallEdit);
    const std::string op = SingleOperator(station.OperatorsEdit);
    for (int r = 1; r <= log.QsoRowCount(); ++r) {
        const QsoLog::Row& row = log.RowAt(r);
        const std::string call = Trim(row[ColCall]);
        const std::string time = Trim(row[ColTime]);
        const std::string freq = Trim(row[ColFreq]);
        std::string date = QsoDate(contestDate, row[ColTime]);
        if (const Message why = WhyNoRecord(call, date, time); !why.Empty()) {
            adif.LeftOut.emplace_back(
                KT("Export", "QSO %1 (%2 %3 %4): %5"),
                std::vector<Message>{std::to_string(r), call.empty() ? "-" : call, date, time,
                                     why});
            continue;
        }
        date.erase(std::remove(date.begin(), date.end(), '-'), date.end());
        const AmateurBand* real = RealFrequencyBand(freq);

        Record rec;
        rec.Add("CALL", call);
        rec.Add("QSO_DATE", date);
        rec.Add("TIME_ON", time);
        rec.Add("BAND", AdifBandName(BandFromFrequency(freq), real));
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
        adif.Lines.push_back(rec.Finish());
    }
    return adif;
}

MessageLines LeftOutMessage(const std::vector<Message>& leftOut) {
    MessageLines text;
    if (leftOut.empty())
        return text;
    constexpr std::size_t Shown = 20;
    text.emplace_back(KT("Export", "These QSOs were left out of the ADIF file:"));
    for (std::size_t i = 0; i < leftOut.size() && i < Shown; ++i) text.push_back(leftOut[i]);
    if (leftOut.size() > Shown)
        text.emplace_back(KT("Export", "and %1 more"),
                                std::vector<Message>{std::to_string(leftOut.size() - Shown)});
    return text;
}

std::string ProposedAdifName(std::string_view call) {
    std::string name = ProposedLogName(call);
    return name.replace(name.size() - 4, 4, ".adi");
}

Message AdifExportRefusal(std::string_view call, const QsoLog& log) {
    if (IsBlankText(call))
        return Message(KT(
            "Export", "The log has no callsign: type it on the \"Data input\" page, then export."));
    if (log.QsoRowCount() == 0)
        return Message(KT("Export", "The log has no QSOs: there is nothing to export."));
    return {};
}

AdifLog AdifFromCabrillo(const CabrilloFile& file, std::chrono::sys_seconds created) {
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
        const CabrilloFile file = LoadCabrilloFile(logName);
        const AdifLog adif = AdifFromCabrillo(file, created);
        if (!outName.empty()) {
            WriteLines(outName, adif.Lines);
        } else {
            for (const std::string& line : adif.Lines) out << line << "\r\n";
            out.flush();
            // A full disk or a closed pipe: nothing said on err would be true of the output.
            if (!out) {
                err << "Cannot write the ADIF to standard output\n";
                return AdifNotWritten;
            }
        }
        // What did not go out is told after what did, each line and each QSO by name.
        for (const NotTakenLine& line : file.NotTaken)
            err << logName << ':' << line.Line << ": QSO line not read: " << line.Why.English()
                << '\n';
        for (const Message& qso : adif.LeftOut)
            err << logName << ": left out: " << qso.English() << '\n';
        return file.NotTaken.empty() && adif.LeftOut.empty() ? AdifWritten : AdifWrittenWithout;
    } catch (const KeroltError& e) {
        err << e.what() << '\n';
        return AdifNotWritten;
    }
}

}  // namespace kerolt
