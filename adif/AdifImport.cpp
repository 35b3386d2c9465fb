#include "adif/AdifImport.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
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
    BadDate,
    BadTime,
    OtherMode,
    OtherBand,
    OutsidePeriod,
    NoNumber,
    Unfit,
    RefusalCount
};

constexpr std::string_view RefusalTexts[] = {"no call",
                                             "no valid date (YYYYMMDD)",
                                             "no valid time (HHMM)",
                                             "in another mode",
                                             "not on a contest band",
                                             "outside the contest period",
                                             "no received number",
                                             "not fit for the log"};
static_assert(std::size(RefusalTexts) == RefusalCount);

// The most QSOs named one by one in the message; the counts cover the rest.
constexpr std::size_t NamedMost = 20;
// A commit's words quote the field it refuses, at any length.
constexpr std::size_t UnfitWordsMost = 100;

// ---- Reading the records

// The fields of one record that decide whether it is taken.
struct AdifQso {
    std::size_t Number = 0;  // its place in the file, from 1
    const AdifRecord* Record = nullptr;
    std::string Call, Date, Time, Mode;
    std::optional<long> Khz;
    BandIndex Band = NoBand;
};

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

std::vector<AdifQso> ReadQsos(const AdifDocument& doc) {
    std::vector<AdifQso> qsos;
    qsos.reserve(doc.Records.size());
    for (const AdifRecord& r : doc.Records) {
        AdifQso q;
        q.Number = qsos.size() + 1;
        q.Record = &r;
        q.Call = UpperAscii(Trim(FieldOf(r, "CALL")));
        q.Date = Trim(FieldOf(r, "QSO_DATE"));
        q.Time = Trim(FieldOf(r, "TIME_ON"));
        q.Mode = Trim(FieldOf(r, "MODE"));
        q.Khz = Kilohertz(FieldOf(r, "FREQ"));
        // BAND rules over FREQ: a logger may keep a frequency of the last QSO.
        const std::string bandName = Trim(FieldOf(r, "BAND"));
        q.Band = !bandName.empty() ? BandFromAdifName(bandName)
                 : q.Khz           ? ContestBandOfKhz(*q.Khz)
                                   : NoBand;
        qsos.push_back(std::move(q));
    }
    return qsos;
}

// ---- Choosing the contest

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

// ---- Taking or refusing each QSO

// An ADIF date: YYYYMMDD, a day the calendar has.
bool IsAdifDate(std::string_view date) {
    if (date.size() != 8 || !IsDigitText(date))
        return false;
    std::string iso(date.substr(0, 4));
    iso.append("-").append(date.substr(4, 2)).append("-").append(date.substr(6, 2));
    return IsCalendarDate(iso);
}

// An ADIF time: HHMM or HHMMSS of a day.
bool IsAdifTime(std::string_view time) {
    if (time.size() == 6)
        return IsValidTime(time.substr(0, 4)) && IsDigitText(time.substr(4)) &&
               DigitsValue(time.substr(4)) <= 59;
    return IsValidTime(time);
}

// The contest's date in a year, "YYYY-MM-DD"; the period itself is the contest's own rule.
struct Period {
    std::string ContestDate;
};

std::optional<Period> PeriodIn(int contest, int year) {
    std::string date = ContestCalendarDate(contest, year);
    if (date.size() != 10)
        return std::nullopt;
    return Period{std::move(date)};
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

// What the records gave: the QSOs taken, and the refused ones counted and named.
class Taking {
  public:
    explicit Taking(int contest) : contest_(contest) {}

    void TakeOrRefuse(const AdifQso& q) {
        std::optional<Period> own;
        if (const std::optional<Refusal> why = RefusalOf(q, own)) {
            Refuse(q, *why, RefusalTexts[*why]);
            return;
        }
        // The row as a commit of the entry row would write it, under the same rules.
        QsoLog::Row row;
        try {
            row = RowOf(q);
        } catch (const KeroltError& e) {
            Refuse(q, Unfit, ShownText(e.what(), UnfitWordsMost));
            return;
        }
        if (!FirstPeriod)
            FirstPeriod = own;
        if (StationCall.empty())
            StationCall = Trim(FieldOf(*q.Record, "STATION_CALLSIGN"));
        if (StationCall.empty())
            StationCall = Trim(FieldOf(*q.Record, "OPERATOR"));
        Taken.push_back({q.Date, std::move(row)});
    }

    std::vector<Candidate> Taken;
    std::optional<Period> FirstPeriod;  // of the first QSO taken
    std::string StationCall;
    std::array<std::size_t, RefusalCount> Counts{};
    std::string Named;  // the first NamedMost refused QSOs, a line each
    std::size_t Refused = 0;

  private:
    // The first rule the QSO breaks; own becomes the period of its year once its date counts.
    std::optional<Refusal> RefusalOf(const AdifQso& q, std::optional<Period>& own) {
        if (q.Call.empty())
            return NoCall;
        if (!IsAdifDate(q.Date))
            return BadDate;
        if (!IsAdifTime(q.Time))
            return BadTime;
        if (contest_ == NoContest || (q.Mode.empty() ? ContestOfId(FieldOf(*q.Record, "CONTEST_ID"))
                                                     : ContestOfMode(q.Mode)) != contest_)
            return OtherMode;
        if (q.Band == NoBand)
            return OtherBand;
        own = PeriodOf(DigitsValue(q.Date.substr(0, 4)));
        if (!own ||
            !InContestPeriod(
                contest_, Copy(q.Date, 1, 4) + "-" + Copy(q.Date, 5, 2) + "-" + Copy(q.Date, 7, 2),
                Copy(q.Time, 1, 4)) ||
            (FirstPeriod && FirstPeriod->ContestDate != own->ContestDate))
            return OutsidePeriod;
        if (NumberOf(*q.Record, "SRX").empty())
            return NoNumber;
        return std::nullopt;
    }

    // Raises what a commit raises for a field that would not fit the QSO line.
    QsoLog::Row RowOf(const AdifQso& q) const {
        // The frequency itself where it lies on the QSO's band, else the band's own text.
        const bool exact = q.Khz && ContestBandOfKhz(*q.Khz) == q.Band;
        const std::string report = DefaultReport(contest_);
        const std::string sent = Trim(FieldOf(*q.Record, "RST_SENT"));
        const std::string rcvd = Trim(FieldOf(*q.Record, "RST_RCVD"));
        return CommittedRow(
            0, {exact ? std::to_string(*q.Khz)
                      : FrequencyEntries()[static_cast<std::size_t>(q.Band - 1)],
                q.Time.substr(0, 4), sent.empty() ? report : sent, NumberOf(*q.Record, "STX"),
                q.Call, rcvd.empty() ? report : rcvd, NumberOf(*q.Record, "SRX")});
    }

    void Refuse(const AdifQso& q, Refusal why, std::string_view words) {
        ++Counts[why];
        if (++Refused <= NamedMost)
            Named += "\nQSO " + std::to_string(q.Number) + " (" +
                     (q.Call.empty() ? "-" : ShownText(q.Call)) + " " + ShownText(q.Date) + " " +
                     ShownText(q.Time) + "): " + std::string(words);
    }

    // The period of a year, remembered: a file's QSOs come from one year or a few.
    std::optional<Period> PeriodOf(int year) {
        if (const auto it = periods_.find(year); it != periods_.end())
            return it->second;
        return periods_[year] = PeriodIn(contest_, year);
    }

    int contest_;
    std::map<int, std::optional<Period>> periods_;
};

// The log of the QSOs taken, in the order of their dates and times, and what the page gets.
CabrilloFile LogOf(Taking& taking, int contest, const StationData& current) {
    std::vector<Candidate>& taken = taking.Taken;
    // The rows stay where they are; only their order is sorted.
    std::vector<std::size_t> order(taken.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return std::tie(taken[a].Date, taken[a].Row[ColTime]) <
               std::tie(taken[b].Date, taken[b].Row[ColTime]);
    });

    CabrilloFile file;
    file.Memo1 = current.Memo1;
    file.Rows.reserve(taken.size());
    for (const std::size_t i : order) {
        taken[i].Row[ColRow] = std::to_string(file.Rows.size() + 1);
        file.Rows.push_back(std::move(taken[i].Row));
    }
    if (file.Rows.empty())
        return file;
    if (contest != NoContest)
        file.Station.ContestBox = ContestEntries()[static_cast<std::size_t>(contest)];
    if (IsBlankText(current.CallEdit) && !taking.StationCall.empty())
        file.Station.CallEdit = UpperAscii(taking.StationCall);
    file.ContestDate = taking.FirstPeriod->ContestDate;
    const QsoLog::Row& last = file.Rows.back();
    const int nr = DigitsValue(last[ColNrSent]);
    if (nr >= 0)
        file.NyNrEdit = std::to_string(static_cast<long long>(nr) + 1);
    // The next QSO typed goes on from the last one taken.
    file.TimeEdit = last[ColTime];
    return file;
}

// Empty when every record was taken.
std::string MessageOf(const Taking& taking, std::size_t records, std::size_t taken) {
    if (records == 0)
        return "The file holds no QSO.";
    if (taking.Refused == 0)
        return {};
    std::string message = std::to_string(taken) + " of " + std::to_string(records) +
                          (records == 1 ? " QSO" : " QSOs") + " taken; not taken:";
    for (std::size_t k = 0; k < RefusalCount; ++k) {
        if (taking.Counts[k] > 0) {
            message += '\n';
            message += std::to_string(taking.Counts[k]);
            message += ' ';
            message += RefusalTexts[k];
        }
    }
    message += "\n" + taking.Named;
    if (taking.Refused > NamedMost)
        message += "\nand " + std::to_string(taking.Refused - NamedMost) + " more";
    return message;
}

}  // namespace

AdifImport ImportAdif(const AdifDocument& doc, const StationData& current) {
    const std::vector<AdifQso> qsos = ReadQsos(doc);
    const int contest = ChooseContest(doc, current.ContestIndex);
    Taking taking(contest);
    for (const AdifQso& q : qsos) taking.TakeOrRefuse(q);

    AdifImport result;
    result.File = LogOf(taking, contest, current);
    result.Message = MessageOf(taking, qsos.size(), result.File.Rows.size());
    return result;
}

AdifImport LoadAdifFile(const std::string& fileName, const StationData& current) {
    // Read on the window's thread: a file far beyond any contest log is refused before it is,
    // a pipe too.
    return ImportAdif(ReadAdif(ReadTextAtMost(fileName, MaxAdifFileBytes), fileName), current);
}

}  // namespace kerolt
