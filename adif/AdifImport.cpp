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

constexpr TextTemplate RefusalTexts[] = {KT("Import", "no call"),
                                         KT("Import", "no valid date (YYYYMMDD)"),
                                         KT("Import", "no valid time (HHMM)"),
                                         KT("Import", "in another mode"),
                                         KT("Import", "not on a contest band"),
                                         KT("Import", "outside the contest period"),
                                         KT("Import", "no received number"),
                                         KT("Import", "not fit for the log")};
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
    // The edition of its mode (of its CONTEST_ID when it has no MODE), and the Saturday of that
    // edition's weekend it lies in; empty when it lies in none.
    int Edition = NoContest;
    std::string Weekend;
};

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
        // FREQ in MHz, rounded to whole kHz as a typed or a rig's frequency is.
        q.Khz = RoundedKhz(FieldOf(r, "FREQ"), MhzPlaces);
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

// When no record lies in a weekend: the first CONTEST_ID "SAC-CW"/"SAC-SSB", else the first
// MODE that is CW or SSB; the contest only names what the records are refused for.
int ContestOfFirstRecords(const AdifDocument& doc) {
    for (const AdifRecord& r : doc.Records) {
        if (const int c = ContestOfId(FieldOf(r, "CONTEST_ID")); c != NoContest)
            return c;
    }
    for (const AdifRecord& r : doc.Records) {
        if (const int c = ContestOfMode(Trim(FieldOf(r, "MODE"))); c != NoContest)
            return c;
    }
    return NoContest;
}

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

// One edition's weekend of one year, and how many records lie in it in that edition's mode.
struct Weekend {
    int Contest = NoContest;
    std::string Date;  // its Saturday; empty: none
    std::size_t Qsos = 0;
};

const std::string& ContestName(int contest) {
    return ContestEntries()[static_cast<std::size_t>(contest)];
}

Message WeekendText(const Weekend& w) {
    return Message(KT("Import", "%1 %2"), {ContestName(w.Contest), ContestPeriodText(w.Date)});
}

// A report of the QSO that a commit would refuse, as a sentence of its own.
Message ReportSentence(std::string_view what, std::string_view rst, int contest) {
    const bool sent = what == "sent";
    const std::size_t digits = ReportDigits(contest);
    const TextTemplate text =
        digits == 3 ? (sent ? KT("Import", "The sent report \"%1\" is not a valid RST on CW")
                            : KT("Import", "The received report \"%1\" is not a valid RST on CW"))
        : digits == 2
            ? (sent ? KT("Import", "The sent report \"%1\" is not a valid RST on SSB")
                    : KT("Import", "The received report \"%1\" is not a valid RST on SSB"))
            : (sent ? KT("Import", "The sent report \"%1\" is no report")
                    : KT("Import", "The received report \"%1\" is no report"));
    return Message(text, {std::string(rst)});
}

enum class ChosenBy { Page, Most, MostNoneOnPage, NoWeekend };

struct Choice {
    Weekend Used;  // Date empty for NoWeekend
    ChosenBy By = ChosenBy::NoWeekend;
    int Page = NoContest;
    Weekend Larger;  // the file's largest weekend, when the page's contest won over it
};

// Each QSO's edition and the weekend of it the QSO lies in.
void PlaceInWeekends(std::vector<AdifQso>& qsos) {
    for (AdifQso& q : qsos) {
        q.Edition =
            q.Mode.empty() ? ContestOfId(FieldOf(*q.Record, "CONTEST_ID")) : ContestOfMode(q.Mode);
        if (q.Edition != NoContest && IsAdifDate(q.Date) && IsAdifTime(q.Time))
            q.Weekend = ContestWeekendOf(
                q.Edition, Copy(q.Date, 1, 4) + "-" + Copy(q.Date, 5, 2) + "-" + Copy(q.Date, 7, 2),
                Copy(q.Time, 1, 4));
    }
}

// The page's contest, in its weekend with the most records, when the file has one; else the
// weekend of either edition with the most. A tie goes to the later weekend: a logbook is
// exported for the contest just worked. A page contest the file has no weekend of is passed by.
Choice ChooseWeekend(const AdifDocument& doc, const std::vector<AdifQso>& qsos, int page) {
    std::map<std::pair<int, std::string>, std::size_t> counts;
    for (const AdifQso& q : qsos) {
        if (!q.Weekend.empty())
            ++counts[{q.Edition, q.Weekend}];
    }
    const auto best = [&](bool pageOnly) {
        Weekend most;
        for (const auto& [key, n] : counts) {
            if (pageOnly && key.first != page)
                continue;
            if (n > most.Qsos || (n == most.Qsos && key.second > most.Date))
                most = {key.first, key.second, n};
        }
        return most;
    };
    Choice choice;
    choice.Page = page;
    const Weekend most = best(false);
    if (page != NoContest) {
        if (const Weekend own = best(true); own.Qsos > 0) {
            choice.Used = own;
            choice.By = ChosenBy::Page;
            if (most.Qsos > own.Qsos)
                choice.Larger = most;
            return choice;
        }
    }
    if (most.Qsos > 0) {
        choice.Used = most;
        choice.By = page != NoContest ? ChosenBy::MostNoneOnPage : ChosenBy::Most;
        return choice;
    }
    choice.Used.Contest = page != NoContest ? page : ContestOfFirstRecords(doc);
    return choice;
}

// ---- Taking or refusing each QSO

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
    Taking(int contest, std::string weekend) : contest_(contest), weekend_(std::move(weekend)) {}

    void TakeOrRefuse(const AdifQso& q) {
        if (const std::optional<Refusal> why = RefusalOf(q)) {
            Refuse(q, *why, RefusalTexts[*why]);
            return;
        }
        // The row as a commit of the entry row would write it, under the same rules.
        QsoLog::Row row;
        try {
            row = RowOf(q);
        } catch (const KeroltError& e) {
            // Words too long for the message are cut in English, a value then.
            const std::string english = e.what();
            Refuse(q, Unfit,
                   english.size() <= UnfitWordsMost ? e.Text()
                                                    : Message(ShownText(english, UnfitWordsMost)));
            return;
        }
        if (StationCall.empty())
            StationCall = Trim(FieldOf(*q.Record, "STATION_CALLSIGN"));
        if (StationCall.empty())
            StationCall = Trim(FieldOf(*q.Record, "OPERATOR"));
        Taken.push_back({q.Date, std::move(row)});
    }

    // The records not of the contest: in another mode or outside its weekend.
    std::size_t Outside() const { return Counts[OtherMode] + Counts[OutsidePeriod]; }

    // The first NamedMost refused QSOs, a line each: first those of the contest's weekend and
    // those that fit no weekend (a logbook's other QSOs would hide them), then the others.
    std::vector<Message> Named() const {
        std::vector<Message> named;
        for (const std::vector<Message>* lines : {&named_, &namedOutside_}) {
            for (const Message& line : *lines) {
                if (named.size() < NamedMost)
                    named.push_back(line);
            }
        }
        return named;
    }

    std::vector<Candidate> Taken;
    std::string StationCall;
    std::array<std::size_t, RefusalCount> Counts{};
    std::size_t Refused = 0;

  private:
    // The first rule the QSO breaks: those outside the contest first, so that a logbook's other
    // QSOs count as outside whatever else they lack.
    std::optional<Refusal> RefusalOf(const AdifQso& q) const {
        if (!IsAdifDate(q.Date))
            return BadDate;
        if (!IsAdifTime(q.Time))
            return BadTime;
        if (contest_ == NoContest || q.Edition != contest_)
            return OtherMode;
        if (weekend_.empty() || q.Weekend != weekend_)
            return OutsidePeriod;
        if (q.Call.empty())
            return NoCall;
        if (q.Band == NoBand)
            return OtherBand;
        if (NumberOf(*q.Record, "SRX").empty())
            return NoNumber;
        return std::nullopt;
    }

    // Raises what a commit raises for a field that would not fit the QSO line.
    QsoLog::Row RowOf(const AdifQso& q) const {
        // The frequency itself where it lies on the QSO's band, else the band's own text.
        const bool exact = q.Khz && ContestBandOfKhz(*q.Khz) == q.Band;
        const std::string report = DefaultReport(contest_);
        std::string sent = Trim(FieldOf(*q.Record, "RST_SENT"));
        std::string rcvd = Trim(FieldOf(*q.Record, "RST_RCVD"));
        if (sent.empty())
            sent = report;
        if (rcvd.empty())
            rcvd = report;
        QsoLog::Row row = CommittedRow(
            0, {exact ? std::to_string(*q.Khz)
                      : FrequencyEntries()[static_cast<std::size_t>(q.Band - 1)],
                q.Time.substr(0, 4), sent, NumberOf(*q.Record, "STX"), q.Call, rcvd,
                NumberOf(*q.Record, "SRX")});
        // The rule of a typed report and of an opened log's: "5NN" or 57 on CW is refused.
        for (const auto& [what, rst] : {std::pair{"sent", &sent}, {"received", &rcvd}}) {
            if (!IsReport(*rst, contest_))
                throw KeroltError(ReportSentence(what, *rst, contest_));
        }
        return row;
    }

    void Refuse(const AdifQso& q, Refusal why, Message words) {
        ++Counts[why];
        ++Refused;
        std::vector<Message>& lines =
            why == OtherMode || why == OutsidePeriod ? namedOutside_ : named_;
        if (lines.size() < NamedMost)
            lines.emplace_back(
                KT("Import", "QSO %1 (%2 %3 %4): %5"),
                std::vector<Message>{std::to_string(q.Number),
                                     q.Call.empty() ? "-" : ShownText(q.Call), ShownText(q.Date),
                                     ShownText(q.Time), std::move(words)});
    }

    int contest_;
    std::string weekend_;  // empty: none, every QSO is outside
    std::vector<Message> named_, namedOutside_;
};

// The log of the QSOs taken, in the order of their dates and times, and what the page gets.
CabrilloFile LogOf(Taking& taking, const Weekend& used, const StationData& current) {
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
    file.Station.ContestBox = ContestName(used.Contest);
    if (IsBlankText(current.CallEdit) && !taking.StationCall.empty())
        file.Station.CallEdit = UpperAscii(taking.StationCall);
    file.ContestDate = used.Date;
    const QsoLog::Row& last = file.Rows.back();
    const int nr = DigitsValue(last[ColNrSent]);
    if (nr >= 0)
        file.NyNrEdit = std::to_string(static_cast<long long>(nr) + 1);
    // The next QSO typed goes on from the last one taken.
    file.TimeEdit = last[ColTime];
    return file;
}

// Which contest and period the import went by, and why: a line, and a second one when the
// file has more QSOs in another weekend.
void AddChoice(const Choice& choice, std::vector<Message>& lines) {
    if (choice.By == ChosenBy::NoWeekend) {
        lines.emplace_back(
            KT("Import", "No QSO lies in a %1 or %2 weekend (Saturday %3 to Sunday %4 UTC)."),
            std::vector<Message>{ContestName(SacCw), ContestName(SacSsb),
                                 std::string(ContestStartTime), std::string(ContestEndTime)});
        return;
    }
    const Message used = WeekendText(choice.Used);
    if (choice.By == ChosenBy::Page)
        lines.emplace_back(KT("Import", "%1, the contest on the station page."),
                           std::vector<Message>{used});
    else if (choice.By == ChosenBy::Most)
        lines.emplace_back(KT("Import", "%1, the contest weekend with the most QSOs in the file."),
                           std::vector<Message>{used});
    else
        lines.emplace_back(KT("Import",
                              "%1, the contest weekend with the most QSOs in the file. "
                              "It has none in %2, the contest on the station page."),
                           std::vector<Message>{used, ContestName(choice.Page)});
    if (choice.Larger.Qsos > 0)
        lines.emplace_back(
            KT("Import",
               "The file has more QSOs (%1) in %2: choose %3 on the "
               "station page to take those."),
            std::vector<Message>{std::to_string(choice.Larger.Qsos), WeekendText(choice.Larger),
                                 ContestName(choice.Larger.Contest)});
}

// Empty when every record was taken.
MessageLines MessageOf(const Taking& taking, const Choice& choice, std::size_t records,
                       std::size_t taken) {
    MessageLines message;
    if (records == 0) {
        message.emplace_back(KT("Import", "The file holds no QSO."));
        return message;
    }
    if (taking.Refused == 0)
        return message;
    std::vector<Message>& lines = message;
    AddChoice(choice, lines);
    const std::vector<Message> counts{std::to_string(taken), std::to_string(records),
                                      std::to_string(taking.Outside())};
    if (choice.By == ChosenBy::NoWeekend)
        lines.emplace_back(records == 1 ? KT("Import", "%1 of %2 QSO taken; not taken:")
                                        : KT("Import", "%1 of %2 QSOs taken; not taken:"),
                           counts);
    else
        lines.emplace_back(
            records == 1 ? KT("Import", "%1 of %2 QSO taken, %3 outside that contest; not taken:")
                         : KT("Import", "%1 of %2 QSOs taken, %3 outside that contest; not taken:"),
            counts);
    for (std::size_t k = 0; k < RefusalCount; ++k) {
        if (taking.Counts[k] > 0)
            lines.emplace_back(
                KT("Import", "%1 %2"),
                std::vector<Message>{std::to_string(taking.Counts[k]), RefusalTexts[k]});
    }
    // A blank line before the QSOs named.
    lines.emplace_back("");
    for (Message& line : taking.Named()) lines.push_back(std::move(line));
    if (taking.Refused > NamedMost)
        lines.emplace_back(KT("Import", "and %1 more"),
                           std::vector<Message>{std::to_string(taking.Refused - NamedMost)});
    return message;
}

}  // namespace

AdifImport ImportAdif(const AdifDocument& doc, const StationData& current) {
    std::vector<AdifQso> qsos = ReadQsos(doc);
    PlaceInWeekends(qsos);
    const bool onPage = current.ContestIndex >= 0 &&
                        current.ContestIndex < static_cast<int>(ContestEntries().size());
    const Choice choice = ChooseWeekend(doc, qsos, onPage ? current.ContestIndex : NoContest);
    Taking taking(choice.Used.Contest, choice.Used.Date);
    for (const AdifQso& q : qsos) taking.TakeOrRefuse(q);

    AdifImport result;
    result.File = LogOf(taking, choice.Used, current);
    result.Message = MessageOf(taking, choice, qsos.size(), result.File.Rows.size());
    return result;
}

AdifImport LoadAdifFile(const std::string& fileName, const StationData& current) {
    // Read on the window's thread: a file far beyond any contest log is refused before it is,
    // a pipe too.
    return ImportAdif(ReadAdif(ReadTextAtMost(fileName, MaxAdifFileBytes), fileName), current);
}

}  // namespace kerolt
