#include "adif/AdifImport.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <map>
#include <optional>
#include <tuple>

#include "common/KeroltError.h"
#include "common/Text.h"
#include "common/TextFile.h"
#include "contest/BandPlan.h"
#include "contest/ContestPeriod.h"
#include "contest/ContestRules.h"
#include "contest/LogEntry.h"

namespace kerolt {

namespace {

enum Refusal : std::size_t {
    NoCall,
    NoDateOrTime,
    OtherMode,
    OtherBand,
    OutsidePeriod,
    NoNumber,
    Unfit,
    RefusalCount
};

constexpr std::string_view RefusalTexts[] = {"no call",
                                             "no date or time",
                                             "in another mode",
                                             "not on a contest band",
                                             "outside the contest period",
                                             "no received number",
                                             "not fit for the log"};
static_assert(std::size(RefusalTexts) == RefusalCount);

// The most QSOs named one by one in the message; the counts cover the rest.
constexpr std::size_t NamedMost = 20;

int ContestOfMode(std::string_view mode) {
    if (EqualIgnoringCase(mode, "CW"))
        return SacCw;
    // USB and LSB stand as modes in files of older ADIF versions.
    for (std::string_view ssb : {"SSB", "USB", "LSB"}) {
        if (EqualIgnoringCase(mode, ssb))
            return SacSsb;
    }
    return NoContest;
}

int ContestOfId(std::string_view id) {
    const int entry = static_cast<int>(
        std::find_if(ContestEntries().begin(), ContestEntries().end(),
                     [&](const std::string& e) { return EqualIgnoringCase(e, Trim(id)); }) -
        ContestEntries().begin());
    return entry < static_cast<int>(ContestEntries().size()) ? entry : NoContest;
}

int ChooseContest(const AdifDocument& doc, int current) {
    for (const AdifRecord& r : doc.Records) {
        if (const int c = ContestOfId(FieldOf(r, "CONTEST_ID")); c != NoContest)
            return c;
    }
    for (const AdifRecord& r : doc.Records) {
        if (const int c = ContestOfMode(Trim(FieldOf(r, "MODE"))); c != NoContest)
            return c;
    }
    return current;
}

// FREQ in MHz ("14.025") as whole kHz; nothing for a text that is no such number.
std::optional<long> Kilohertz(std::string_view mhz) {
    const std::string text = Trim(mhz);
    const std::size_t dot = text.find('.');
    const std::string whole = text.substr(0, dot);
    std::string fraction = dot == std::string::npos ? "" : text.substr(dot + 1);
    if (!IsDigitText(whole) || (!fraction.empty() && !IsDigitText(fraction)) || whole.size() > 6)
        return std::nullopt;
    fraction = Cut(fraction + "000", 3);
    return static_cast<long>(DigitsValue(whole)) * 1000 + DigitsValue(fraction);
}

// "YYYY-MM-DD" and the next day, both as ADIF dates (YYYYMMDD).
struct Period {
    std::string ContestDate, Saturday, Sunday;
};

std::optional<Period> PeriodIn(int contest, int year) {
    const std::string date = ContestCalendarDate(contest, year);
    if (date.size() != 10)
        return std::nullopt;
    const std::chrono::year_month_day sat{
        std::chrono::year(year),
        std::chrono::month(static_cast<unsigned>(DigitsValue(date.substr(5, 2)))),
        std::chrono::day(static_cast<unsigned>(DigitsValue(date.substr(8, 2))))};
    const std::chrono::year_month_day sun{std::chrono::sys_days(sat) + std::chrono::days(1)};
    const auto adif = [](const std::chrono::year_month_day& d) {
        return ZeroPadded(static_cast<int>(d.year()), 4) +
               ZeroPadded(static_cast<int>(static_cast<unsigned>(d.month())), 2) +
               ZeroPadded(static_cast<int>(static_cast<unsigned>(d.day())), 2);
    };
    return Period{date, adif(sat), adif(sun)};
}

// The period of a year, remembered: a file's QSOs come from one year or a few.
std::optional<Period> PeriodOf(int contest, int year, std::map<int, std::optional<Period>>& known) {
    if (const auto it = known.find(year); it != known.end())
        return it->second;
    return known[year] = PeriodIn(contest, year);
}

// The number of an integer field, or of its _STRING field when that holds one.
std::string NumberOf(const AdifRecord& r, const std::string& name) {
    const std::string value = Trim(FieldOf(r, name));
    if (IsDigitText(value))
        return value;
    const std::string text = Trim(FieldOf(r, name + "_STRING"));
    return IsDigitText(text) ? text : std::string();
}

struct Candidate {
    std::string Date;  // sort key with the row's time
    QsoLog::Row Row;
};

}  // namespace

AdifImport ImportAdif(const AdifDocument& doc, const StationData& current) {
    const int contest = ChooseContest(doc, current.ContestIndex);
    std::optional<Period> period;
    std::map<int, std::optional<Period>> periods;
    std::string stationCall;
    std::vector<Candidate> taken;
    std::array<std::size_t, RefusalCount> counts{};
    std::string named;
    std::size_t refused = 0;

    for (std::size_t i = 0; i < doc.Records.size(); ++i) {
        const AdifRecord& r = doc.Records[i];
        const std::string call = UpperAscii(Trim(FieldOf(r, "CALL")));
        const std::string date = Trim(FieldOf(r, "QSO_DATE"));
        const std::string time = Trim(FieldOf(r, "TIME_ON"));
        const std::string mode = Trim(FieldOf(r, "MODE"));
        const std::optional<long> khz = Kilohertz(FieldOf(r, "FREQ"));
        const std::string bandName = Trim(FieldOf(r, "BAND"));
        const BandIndex band = !bandName.empty() ? BandFromAdifName(bandName)
                               : khz             ? ContestBandOfKhz(*khz)
                                                 : NoBand;

        std::optional<Refusal> why;
        std::optional<Period> own;
        if (call.empty())
            why = NoCall;
        else if (!IsDigitText(date) || date.size() != 8 || !IsDigitText(time) ||
                 (time.size() != 4 && time.size() != 6))
            why = NoDateOrTime;
        else if (contest == NoContest || (mode.empty() ? ContestOfId(FieldOf(r, "CONTEST_ID"))
                                                       : ContestOfMode(mode)) != contest)
            why = OtherMode;
        else if (band == NoBand)
            why = OtherBand;
        else if (own = PeriodOf(contest, DigitsValue(date.substr(0, 4)), periods);
                 !own ||
                 !InContestPeriod(
                     contest, Copy(date, 1, 4) + "-" + Copy(date, 5, 2) + "-" + Copy(date, 7, 2),
                     Copy(time, 1, 4)) ||
                 (period && period->ContestDate != own->ContestDate))
            why = OutsidePeriod;

        const std::string received = NumberOf(r, "SRX");
        if (!why && received.empty())
            why = NoNumber;
        // The row as a commit of the entry row would write it, under the same rules.
        QsoLog::Row row;
        std::string unfit;
        if (!why) {
            // The frequency itself where it lies on the QSO's band, else the band's own text.
            const std::string kilohertz = khz ? std::to_string(*khz) : std::string();
            const bool exact = khz && ContestBandOfKhz(*khz) == band;
            const std::string report = DefaultReport(contest);
            const std::string sent = Trim(FieldOf(r, "RST_SENT"));
            const std::string rcvd = Trim(FieldOf(r, "RST_RCVD"));
            try {
                row = CommittedRow(
                    0, {exact ? kilohertz : FrequencyEntries()[static_cast<std::size_t>(band - 1)],
                        time.substr(0, 4), sent.empty() ? report : sent, NumberOf(r, "STX"), call,
                        rcvd.empty() ? report : rcvd, received});
            } catch (const KeroltError& e) {
                why = Unfit;
                unfit = e.what();
            }
        }
        if (why) {
            ++counts[*why];
            if (++refused <= NamedMost)
                named += "\nQSO " + std::to_string(i + 1) + " (" + (call.empty() ? "-" : call) +
                         " " + date + " " + time +
                         "): " + (unfit.empty() ? std::string(RefusalTexts[*why]) : unfit);
            continue;
        }
        if (!period)
            period = own;
        if (stationCall.empty())
            stationCall = Trim(FieldOf(r, "STATION_CALLSIGN"));
        if (stationCall.empty())
            stationCall = Trim(FieldOf(r, "OPERATOR"));
        taken.push_back({date, std::move(row)});
    }

    // The rows stay where they are; only their order is sorted.
    std::vector<std::size_t> order(taken.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::tie(taken[a].Date, taken[a].Row[ColTime]) <
               std::tie(taken[b].Date, taken[b].Row[ColTime]);
    });

    AdifImport result;
    CabrilloFile& file = result.File;
    file.Memo1 = current.Memo1;
    file.Rows.reserve(taken.size());
    for (const std::size_t i : order) {
        taken[i].Row[ColRow] = std::to_string(file.Rows.size() + 1);
        file.Rows.push_back(std::move(taken[i].Row));
    }
    if (!file.Rows.empty()) {
        if (contest != NoContest)
            file.Station.ContestBox = ContestEntries()[static_cast<std::size_t>(contest)];
        if (IsBlankText(current.CallEdit) && !stationCall.empty())
            file.Station.CallEdit = UpperAscii(stationCall);
        file.ContestDate = period->ContestDate;
        const QsoLog::Row& last = file.Rows.back();
        const int nr = DigitsValue(last[ColNrSent]);
        if (nr >= 0)
            file.NyNrEdit = std::to_string(static_cast<long long>(nr) + 1);
        file.TimeEdit = last[ColTime];
    }

    if (doc.Records.empty()) {
        result.Message = "The file holds no QSO.";
    } else if (refused > 0) {
        result.Message = std::to_string(file.Rows.size()) + " of " +
                         std::to_string(doc.Records.size()) + " QSOs taken; not taken:";
        for (std::size_t k = 0; k < RefusalCount; ++k) {
            if (counts[k] > 0)
                result.Message +=
                    "\n" + std::to_string(counts[k]) + " " + std::string(RefusalTexts[k]);
        }
        result.Message += "\n" + named;
        if (refused > NamedMost)
            result.Message += "\nand " + std::to_string(refused - NamedMost) + " more";
    }
    return result;
}

AdifImport LoadAdifFile(const std::string& fileName, const StationData& current) {
    return ImportAdif(ReadAdif(ReadText(fileName), fileName), current);
}

}  // namespace kerolt
