#include "cabrillo/LogCheck.h"

#include <algorithm>
#include <map>
#include <optional>
#include <ostream>
#include <utility>

#include "cabrillo/ApplyStation.h"
#include "cabrillo/CabrilloReader.h"
#include "cabrillo/CabrilloWriter.h"
#include "cabrillo/LogHeaderCheck.h"
#include "cabrillo/QsoLineReader.h"
#include "common/KeroltError.h"
#include "common/Text.h"
#include "common/TextFile.h"
#include "contest/BandPlan.h"
#include "contest/ContestPeriod.h"
#include "contest/ContestRules.h"
#include "contest/LogEntry.h"
#include "contest/Scoring.h"
#include "contest/StationRules.h"

namespace kerolt {

namespace {

// Nothing for a text that is no number of at most 32 bits.
std::optional<long> Number(std::string_view s) {
    const int value = DigitsValue(s);
    if (value < 0)
        return std::nullopt;
    return value;
}

class Checker {
  public:
    Checker(CountryTable& table, const CallList* known) : table_(table), known_(known) {}

    std::vector<Finding> Run(const std::vector<std::string>& lines) {
        header_ = CheckLogHeader(lines, findings_);
        contest_ = header_.Contest;
        call_ = header_.Call;
        Entrant();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (IsQsoLine(lines[i]))
                Qso(Line(i), ReadQsoLine(lines[i]));
        }
        ClaimedScore();
        std::stable_sort(findings_.begin(), findings_.end(),
                         [](const Finding& a, const Finding& b) { return a.Line < b.Line; });
        return std::move(findings_);
    }

  private:
    static int Line(std::size_t index) { return static_cast<int>(index) + 1; }

    void Problem(int line, Message message) {
        findings_.push_back({line, FindingLevel::Problem, std::move(message)});
    }
    void Note(int line, Message message) {
        findings_.push_back({line, FindingLevel::Note, std::move(message)});
    }

    void Entrant() {
        if (call_.empty() || !table_.Loaded())
            return;
        const std::string stationClass = ClassifyStation(table_, state_, call_);
        entrantKnown_ = true;
        CheckEntrantCategories(header_, state_.OwnScandinavian, stationClass, findings_);
    }

    void Qso(int line, const QsoLineRead& qso) {
        if (!qso.Taken()) {
            Problem(line, Message(KT("Check", "QSO line not read: %1"), {qso.Why}));
            return;
        }
        const std::string& freq = qso.Value(QsoSource::Cell, ColFreq);
        const std::string& date = qso.Value(QsoSource::Date);
        const BandIndex band = Band(line, freq, date);

        // A mode of the other contest is named as such; the reports follow the contest.
        const std::string& written = qso.Value(QsoSource::Mode);
        const bool modeKnown = written == "CW" || written == "PH";
        const std::string_view expected = contest_ < 0 ? written : CabrilloQsoMode(contest_);
        if (modeKnown && written != expected)
            Problem(line,
                    Message(KT("Check", "mode %1 does not fit %2"), {written, ContestName()}));
        const std::string mode = modeKnown ? std::string(expected) : written;
        const std::size_t rstDigits = mode == "CW" ? 3 : mode == "PH" ? 2 : 0;
        if (rstDigits == 0) {
            Problem(line, Message(KT("Check", "mode \"%1\" is neither CW nor PH"), {mode}));
        } else {
            for (const auto& [what, cell] :
                 {std::pair{"sent", ColRstSent}, std::pair{"received", ColRstRcvd}}) {
                const std::string rst = qso.Value(QsoSource::Cell, cell);
                if (!IsValidRst(rst, rstDigits))
                    Problem(line, BadRstText(what, rst, rstDigits));
            }
        }

        const std::string& time = qso.Value(QsoSource::Cell, ColTime);
        Time(line, time);
        Period(line, date, time);
        SentNumber(line, qso.Value(QsoSource::Cell, ColNrSent));

        if (rows_.empty())
            FirstQso(date, time);
        const std::string& call = qso.Value(QsoSource::Cell, ColCall);
        const std::string& received = qso.Value(QsoSource::Cell, ColNrRcvd);
        const std::optional<long> nr = Number(received);
        if (!nr)
            Problem(line,
                    Message(KT("Check", "received number \"%1\" is not a number"), {received}));
        else if (!ReceivedNumberScores(received, contestDate_.value_or("")))
            Note(line, Message(KT("Check",
                                  "received number 0: the QSO gives no points and no multiplier")));
        else if (*nr > 0)
            ReceivedOrder(line, call, *nr);

        const std::string& sentCall = qso.Value(QsoSource::OwnCall);
        if (!call_.empty() && !EqualIgnoringCase(sentCall, call_))
            Problem(line, Message(KT("Check", "sent call %1 differs from CALLSIGN %2"),
                                  {sentCall, call_}));
        rows_.push_back(qso.Row);

        if (call.empty()) {
            Problem(line, Message(KT("Check", "no worked call")));
            return;
        }
        if (!CanBeCall(call)) {
            Problem(line, Message(KT("Check", "\"%1\" cannot be a call"), {call}));
            return;
        }
        if (!call_.empty() && EqualIgnoringCase(BaseCall(call), BaseCall(call_)))
            Problem(line, Message(KT("Check", "QSO with the entrant's own call %1"), {call}));
        if (band != NoBand)
            OffBand(line, band);
        if (InContest(line, call))
            Dupe(line, call, band);
        PossibleBust(line, call);
    }

    std::string ContestName() const {
        return contest_ < 0 ? std::string() : ContestEntries()[static_cast<std::size_t>(contest_)];
    }

    // The band the QSO is scored on; a frequency on no contest band is named.
    BandIndex Band(int line, const std::string& freq, const std::string& date) {
        const BandIndex band = BandFromFrequency(freq);
        const std::optional<long> khz = FrequencyKhz(freq);
        const AmateurBand* amateur = khz ? AmateurBandOf(*khz) : nullptr;
        if (band == NoBand) {
            if (amateur)
                Problem(line, Message(KT("Check", "frequency \"%1\" is on no contest band (%2)"),
                                      {freq, std::string(amateur->Name)}));
            else
                Problem(line,
                        Message(KT("Check", "frequency \"%1\" is on no contest band"), {freq}));
            return NoBand;
        }
        const int year = DigitsValue(Copy(date, 1, 4));
        if (contest_ >= 0 && year >= BandPlanSince && !InBandPlan(contest_, *khz))
            Note(line, Message(KT("Check", "frequency %1 is outside the %2 band plan on %3"),
                               {freq, ContestName(), BandText(band)}));
        return band;
    }

    // "80 m" of Band80.
    static std::string BandText(BandIndex band) {
        const std::string_view name = BandName(band);
        return std::string(name.substr(0, name.size() - 1)) + " m";
    }

    // A single-band entry works its band only; LOW-BAND is 80 and 40 m.
    void OffBand(int line, BandIndex band) {
        const HeaderValue& entry = header_.Of(Category::Band);
        if (FindEntryIgnoringCase(CategoryEntries(Category::Band), entry.Value) <= 0)
            return;
        const bool lowBand = EqualIgnoringCase(entry.Value, LowBandEntry);
        if (lowBand ? band != Band80 && band != Band40
                    : !EqualIgnoringCase(BandName(band), entry.Value))
            Problem(line, Message(KT("Check", "QSO on %1 in a CATEGORY-BAND %2 entry"),
                                  {BandText(band), entry.Value}));
    }

    // From Saturday 1200 to Sunday 1159 UTC of the contest's weekend in the QSO's year.
    void Period(int line, const std::string& date, const std::string& time) {
        if (!IsCalendarDate(date)) {
            Problem(line, Message(KT("Check", "date \"%1\" is no date"), {date}));
            return;
        }
        if (contest_ >= 0 && IsValidTime(time) && !InContestPeriod(contest_, date, time))
            Problem(line, Message(KT("Check",
                                     "QSO at %1 %2 is outside %3 (from %4 1200 to the "
                                     "next day 1159 UTC)"),
                                  {date, time, ContestName(), ContestPeriodStart(contest_, date)}));
    }

    // A station's numbers only grow: a lower one than it gave before is a copying slip.
    void ReceivedOrder(int line, const std::string& call, long nr) {
        const auto [it, added] = received_.try_emplace(call, nr, line);
        if (added)
            return;
        if (nr < it->second.first)
            Note(line, Message(KT("Check", "%1 gave %2 on line %3, now %4: a copying slip?"),
                               {call, std::to_string(it->second.first),
                                std::to_string(it->second.second), std::to_string(nr)}));
        else
            it->second = {nr, line};
    }

    void ClaimedScore() {
        const HeaderValue& claim = header_.Claimed;
        // An empty claim claims nothing.
        if (claim.Value.empty() || !entrantKnown_)
            return;
        const std::optional<long> claimed = Number(claim.Value);
        // A first date that gives no contest date is named at its QSO.
        if (!rows_.empty() && !contestDate_)
            return;
        state_.ContestDate = contestDate_.value_or("");
        QsoLog log;
        for (const QsoLog::Row& row : rows_) log.AppendQso(row);
        ScoringEngine engine(table_, state_);
        engine.RescoreLog(log);
        const std::string score = std::to_string(engine.ClaimedScore());
        if (!claimed || *claimed != engine.ClaimedScore())
            Note(claim.Line,
                 Message(KT("Check", "CLAIMED-SCORE \"%1\" differs from the log's score %2"),
                         {claim.Value, score}));
    }

    // The contest date the log is scored under, as opening it would set it.
    void FirstQso(const std::string& date, const std::string& time) {
        try {
            contestDate_ = ContestDateFromFirstQso(date, time);
        } catch (const KeroltError&) {
            contestDate_.reset();
        }
    }

    void Time(int line, const std::string& time) {
        const std::optional<int> minute = ContestMinute("", time);
        if (!minute) {
            Problem(line, BadTimeText(time));
            return;
        }
        if (*minute < lastMinute_)
            Problem(line, Message(KT("Check", "time %1 is earlier than the QSO before it (%2)"),
                                  {time, lastTime_}));
        lastMinute_ = *minute;
        lastTime_ = time;
    }

    void SentNumber(int line, const std::string& text) {
        const std::optional<long> nr = Number(text);
        if (!nr) {
            Problem(line, Message(KT("Check", "sent number \"%1\" is not a number"), {text}));
            return;
        }
        const long expected = lastSent_ + 1;
        if (*nr == lastSent_)
            Problem(line, Message(KT("Check", "sent number %1 repeats"), {text}));
        else if (*nr < lastSent_)
            Problem(line, Message(KT("Check", "sent number %1 comes after %2"),
                                  {text, std::to_string(lastSent_)}));
        else if (*nr == expected + 1)
            Problem(line,
                    Message(KT("Check", "sent number %1 is missing"), {std::to_string(expected)}));
        else if (*nr > expected)
            Problem(line, Message(KT("Check", "sent numbers %1 to %2 are missing"),
                                  {std::to_string(expected), std::to_string(*nr - 1)}));
        lastSent_ = *nr;
    }

    // False when the country is unknown or the QSO is outside the contest.
    bool InContest(int line, const std::string& call) {
        if (!table_.Loaded())
            return true;
        const std::string prefix = table_.PrefixOf(call);
        if (prefix == UnknownEntity().PrimaryPrefix) {
            Problem(line, Message(KT("Check", "no country found for %1"), {call}));
            return false;
        }
        if (entrantKnown_ && IsScandinavianPrefix(prefix) == state_.OwnScandinavian) {
            Note(line, state_.OwnScandinavian
                           ? Message(KT("Check",
                                        "%1 is not in the contest (Scandinavian with "
                                        "Scandinavian): no points"),
                                     {call})
                           : Message(KT("Check",
                                        "%1 is not in the contest (non-Scandinavian with "
                                        "non-Scandinavian): no points"),
                                     {call}));
            return false;
        }
        return true;
    }

    void Dupe(int line, const std::string& call, BandIndex band) {
        const auto [it, added] = worked_.try_emplace({DupeKey(call), static_cast<int>(band)}, line);
        if (!added)
            Note(line,
                 Message(KT("Check", "%1 is a dupe of line %2: it stays in the log at 0 points"),
                         {call, std::to_string(it->second)}));
    }

    void PossibleBust(int line, const std::string& call) {
        if (known_ == nullptr || known_->Size() == 0 || known_->Knows(call))
            return;
        const std::vector<std::string_view> near = known_->Neighbours(call);
        if (near.empty())
            return;
        constexpr std::size_t Shown = 3;
        std::string list;
        for (std::size_t k = 0; k < near.size() && k < Shown; ++k)
            list += (k > 0 ? ", " : "") + std::string(near[k]);
        if (near.size() > Shown)
            list += ", ...";
        Note(line, Message(KT("Check", "%1 is not a known contest call; did you mean %2?"),
                           {call, list}));
    }

    CountryTable& table_;
    const CallList* known_;
    std::vector<Finding> findings_;
    ContestState state_;
    bool entrantKnown_ = false;
    LogHeader header_;
    std::string call_;
    int contest_ = NoContest;
    std::vector<QsoLog::Row> rows_;
    std::optional<std::string> contestDate_;
    // Per call: the highest number received so far and its line.
    std::map<std::string, std::pair<long, int>> received_;
    int lastMinute_ = -1;
    std::string lastTime_;
    long lastSent_ = 0;
    std::map<std::pair<std::string, int>, int> worked_;
};

}  // namespace

std::vector<Finding> CheckCabrilloLog(const std::vector<std::string>& lines, CountryTable& table,
                                      const CallList* known) {
    return Checker(table, known).Run(lines);
}

std::string FormatFinding(std::string_view file, const Finding& finding) {
    return std::string(file) + ":" + std::to_string(finding.Line) +
           (finding.Level == FindingLevel::Problem ? ": problem: " : ": note: ") +
           finding.Message.English();
}

int RunLogCheck(const std::string& fileName, CountryTable& table, const CallList* known,
                std::ostream& out, std::ostream& err) {
    InputLines input;
    try {
        input = ReadInputLines(fileName);
        if (!IsCabrilloLog(input.Lines))
            throw KeroltError(Message(KT("Reader", "%1 is not a Cabrillo 3.0 log"), {fileName}));
    } catch (const KeroltError& e) {
        err << e.what() << '\n';
        return 2;
    }
    std::vector<Finding> findings = CheckCabrilloLog(input.Lines, table, known);
    // A UTF-8 character that Latin-1 cannot hold is read as "?": said, not hidden.
    for (const LostCharacter& lost : input.Lost)
        findings.push_back({static_cast<int>(lost.Line), FindingLevel::Note,
                            Message(KT("Check", "%1 has no Latin-1 form: read as \"?\""),
                                    {CodePointName(lost.Code)})});
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.Line < b.Line; });
    bool problem = false;
    for (const Finding& f : findings) {
        out << FormatFinding(fileName, f) << '\n';
        problem = problem || f.Level == FindingLevel::Problem;
    }
    return problem ? 1 : 0;
}

MessageLines CheckVerdict(const std::vector<Finding>& findings) {
    const auto problems = static_cast<std::size_t>(
        std::count_if(findings.begin(), findings.end(),
                      [](const Finding& f) { return f.Level == FindingLevel::Problem; }));
    const std::size_t notes = findings.size() - problems;
    const std::string p = std::to_string(problems);
    const std::string n = std::to_string(notes);
    // Each count's singular and plural are whole phrases.
    MessageLines verdict;
    if (problems == 0 && notes == 0)
        verdict.emplace_back(KT("Check", "Pass Ok"));
    else if (problems == 0)
        verdict.push_back(notes == 1 ? Message(KT("Check", "Pass Ok, %1 note"), {n})
                                     : Message(KT("Check", "Pass Ok, %1 notes"), {n}));
    else if (problems == 1)
        verdict.push_back(notes == 1 ? Message(KT("Check", "%1 problem, %2 note"), {p, n})
                                     : Message(KT("Check", "%1 problem, %2 notes"), {p, n}));
    else
        verdict.push_back(notes == 1 ? Message(KT("Check", "%1 problems, %2 note"), {p, n})
                                     : Message(KT("Check", "%1 problems, %2 notes"), {p, n}));
    // The problems are named first, each kind in line order.
    std::vector<Finding> named = findings;
    std::stable_partition(named.begin(), named.end(),
                          [](const Finding& f) { return f.Level == FindingLevel::Problem; });
    for (std::size_t i = 0; i < named.size() && i < CheckVerdictNamed; ++i) {
        const Finding& f = named[i];
        const std::string line = std::to_string(f.Line);
        verdict.push_back(f.Level == FindingLevel::Problem
                              ? Message(KT("Check", "line %1: problem: %2"), {line, f.Message})
                              : Message(KT("Check", "line %1: note: %2"), {line, f.Message}));
    }
    if (findings.size() > CheckVerdictNamed)
        verdict.push_back(Message(KT("Check", "... and %1 more"),
                                  {std::to_string(findings.size() - CheckVerdictNamed)}));
    return verdict;
}

}  // namespace kerolt
