#include "cabrillo/LogCheck.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <optional>
#include <ostream>
#include <utility>

#include "cabrillo/CabrilloReader.h"
#include "cabrillo/QsoLine.h"
#include "common/KeroltError.h"
#include "common/Text.h"
#include "common/TextFile.h"
#include "contest/ContestRules.h"
#include "contest/LogEntry.h"
#include "contest/StationRules.h"

namespace kerolt {

namespace {

// A QSO line's field as the reader takes it, trimmed.
std::string Take(std::string_view line, const QsoLineField& f) {
    return Trim(Copy(line, f.Column, f.Width));
}

constexpr const QsoLineField& FreqField = QsoField(QsoSource::Cell, ColFreq);
constexpr const QsoLineField& ModeField = QsoField(QsoSource::Mode);
constexpr const QsoLineField& TimeField = QsoField(QsoSource::Cell, ColTime);
constexpr const QsoLineField& RstSentField = QsoField(QsoSource::Cell, ColRstSent);
constexpr const QsoLineField& NrSentField = QsoField(QsoSource::Cell, ColNrSent);
constexpr const QsoLineField& CallField = QsoField(QsoSource::Cell, ColCall);
constexpr const QsoLineField& RstRcvdField = QsoField(QsoSource::Cell, ColRstRcvd);
constexpr const QsoLineField& NrRcvdField = QsoField(QsoSource::Cell, ColNrRcvd);

// The category lists' prompt texts, which the writer copies when no entry was chosen.
constexpr std::pair<std::string_view, std::string_view> Placeholders[] = {
    {"CONTEST", "Contest"},
    {"CATEGORY-ASSISTED", "Category-Assisted"},
    {"CATEGORY-BAND", "Category-Band"},
    {"CATEGORY-OPERATOR", "Category-Operator"},
    {"CATEGORY-TRANSMITTER", "Category-Transmitter"},
    {"CATEGORY-POWER", "Category-Power"},
    {"CATEGORY-OVERLAY", "Category-Overlay"},
};

std::optional<long> Number(std::string_view s) {
    if (!IsDigitText(s))
        return std::nullopt;
    return std::stol(std::string(s));
}

// Minutes since Saturday 12:00, the contest's start; nothing for a time that is no HHMM.
std::optional<int> ContestMinute(std::string_view time) {
    if (!IsValidTime(time))
        return std::nullopt;
    const int hours = (time[0] - '0') * 10 + (time[1] - '0');
    const int minutes = (time[2] - '0') * 10 + (time[3] - '0');
    return (hours * 60 + minutes + 12 * 60) % (24 * 60);
}

std::string Quoted(std::string_view s) {
    // Appended piece by piece: g++ 12 at -O3 warns falsely (-Wrestrict) on "\"" + string.
    std::string quoted;
    quoted.reserve(s.size() + 2);
    quoted += '"';
    quoted += s;
    quoted += '"';
    return quoted;
}

class Checker {
  public:
    Checker(CountryTable& table, const CallList* known) : table_(table), known_(known) {}

    std::vector<Finding> Run(const std::vector<std::string>& lines) {
        std::size_t i = 0;
        for (; i < lines.size() && !lines[i].starts_with("QSO:"); ++i) Header(Line(i), lines[i]);
        Entrant();
        for (; i < lines.size(); ++i) {
            if (lines[i].starts_with("QSO:"))
                Qso(Line(i), lines[i]);
        }
        std::stable_sort(findings_.begin(), findings_.end(),
                         [](const Finding& a, const Finding& b) { return a.Line < b.Line; });
        return std::move(findings_);
    }

  private:
    static int Line(std::size_t index) { return static_cast<int>(index) + 1; }

    void Problem(int line, std::string message) {
        findings_.push_back({line, FindingLevel::Problem, std::move(message)});
    }
    void Note(int line, std::string message) {
        findings_.push_back({line, FindingLevel::Note, std::move(message)});
    }

    void Header(int line, std::string_view text) {
        const std::size_t colon = text.find(':');
        if (colon == std::string_view::npos)
            return;
        const std::string_view tag = text.substr(0, colon);
        const std::string value = Trim(text.substr(colon + 1));
        for (const auto& [key, placeholder] : Placeholders) {
            if (tag != key)
                continue;
            if (EqualIgnoringCase(value, placeholder))
                Problem(line, std::string(key) + " has no value: the list still shows " +
                                  Quoted(placeholder));
            // An opened log whose list showed its prompt comes back with no entry chosen.
            else if (value.empty() && key != "CATEGORY-OVERLAY")
                Problem(line, std::string(key) + " has no value");
        }
        if (tag == "CALLSIGN") {
            callLine_ = line;
            call_ = value;
        } else {
            for (ClassLimited& c : classLimited_) {
                if (tag == c.Tag)
                    c = {c.Tag, line, value};
            }
        }
    }

    void Entrant() {
        if (callLine_ == 0) {
            Problem(1, "no CALLSIGN line");
            return;
        }
        if (call_.empty()) {
            Problem(callLine_, "CALLSIGN is empty");
            return;
        }
        if (!table_.Loaded())
            return;
        const std::string stationClass = ClassifyStation(table_, state_, call_);
        entrantKnown_ = true;
        if (state_.OwnScandinavian)
            return;
        // What the station page would have let this entrant choose.
        const ClassChoices allowed = ChoicesForClass(false);
        const std::vector<std::string>* lists[][2] = {
            {&BandEntries(), &allowed.Band},
            {&OverlayEntries(), &allowed.Overlay},
            {&TransmitterEntries(), &allowed.Transmitter},
        };
        for (std::size_t i = 0; i < std::size(lists); ++i) {
            const ClassLimited& c = classLimited_[i];
            const auto holds = [&](const std::vector<std::string>* list) {
                return std::any_of(list->begin(), list->end(), [&](const std::string& e) {
                    return EqualIgnoringCase(e, c.Value);
                });
            };
            if (c.Line > 0 && holds(lists[i][0]) && !holds(lists[i][1]))
                Problem(c.Line, std::string(c.Tag) + " " + c.Value +
                                    " is open to Scandinavian stations only; " + call_ + " is " +
                                    stationClass);
        }
    }

    void Qso(int line, std::string_view text) {
        const std::string freq = Take(text, FreqField);
        const BandIndex band = BandFromFrequency(freq);
        if (band == NoBand)
            Problem(line, "frequency " + Quoted(freq) + " is on no contest band");

        const std::string mode = Take(text, ModeField);
        const std::size_t rstDigits = mode == "CW" ? 3 : mode == "PH" ? 2 : 0;
        if (rstDigits == 0) {
            Problem(line, "mode " + Quoted(mode) + " is neither CW nor PH");
        } else {
            const char* modeName = rstDigits == 3 ? "CW" : "SSB";
            for (const auto& [what, field] :
                 {std::pair{"sent", &RstSentField}, std::pair{"received", &RstRcvdField}}) {
                const std::string rst = Take(text, *field);
                if (!IsValidRst(rst, rstDigits))
                    Problem(line, std::string(what) + " report " + Quoted(rst) +
                                      " is not a valid RST on " + modeName);
            }
        }

        Time(line, Take(text, TimeField));
        SentNumber(line, Take(text, NrSentField));

        const std::string received = Take(text, NrRcvdField);
        const std::optional<long> nr = Number(received);
        if (!nr)
            Problem(line, "received number " + Quoted(received) + " is not a number");
        else if (*nr == 0)
            Note(line, "received number 0: the QSO gives no points and no multiplier");

        const std::string call = Take(text, CallField);
        if (call.empty()) {
            Problem(line, "no worked call");
            return;
        }
        if (InContest(line, call))
            Dupe(line, call, band);
        PossibleBust(line, call);
    }

    void Time(int line, const std::string& time) {
        const std::optional<int> minute = ContestMinute(time);
        if (!minute) {
            Problem(line, "time " + Quoted(time) + " is not a valid HHMM time");
            return;
        }
        if (*minute < lastMinute_)
            Problem(line,
                    "time " + time + " is earlier than the QSO before it (" + lastTime_ + ")");
        lastMinute_ = *minute;
        lastTime_ = time;
    }

    void SentNumber(int line, const std::string& text) {
        const std::optional<long> nr = Number(text);
        if (!nr) {
            Problem(line, "sent number " + Quoted(text) + " is not a number");
            return;
        }
        const long expected = lastSent_ + 1;
        if (*nr == lastSent_)
            Problem(line, "sent number " + text + " repeats");
        else if (*nr < lastSent_)
            Problem(line, "sent number " + text + " comes after " + std::to_string(lastSent_));
        else if (*nr == expected + 1)
            Problem(line, "sent number " + std::to_string(expected) + " is missing");
        else if (*nr > expected)
            Problem(line, "sent numbers " + std::to_string(expected) + " to " +
                              std::to_string(*nr - 1) + " are missing");
        lastSent_ = *nr;
    }

    // False when the country is unknown or the QSO is outside the contest.
    bool InContest(int line, const std::string& call) {
        if (!table_.Loaded())
            return true;
        const std::string prefix = table_.PrefixOf(call);
        if (prefix == UnknownEntity().PrimaryPrefix) {
            Problem(line, "no country found for " + call);
            return false;
        }
        if (entrantKnown_ && IsScandinavianPrefix(prefix) == state_.OwnScandinavian) {
            Note(line, call + " is not in the contest (" +
                           (state_.OwnScandinavian ? "Scandinavian with Scandinavian"
                                                   : "non-Scandinavian with non-Scandinavian") +
                           "): no points");
            return false;
        }
        return true;
    }

    void Dupe(int line, const std::string& call, BandIndex band) {
        const auto [it, added] = worked_.try_emplace({call, static_cast<int>(band)}, line);
        if (!added)
            Note(line, call + " is a dupe of line " + std::to_string(it->second) +
                           ": it stays in the log at 0 points");
    }

    void PossibleBust(int line, const std::string& call) {
        if (known_ == nullptr || known_->Size() == 0 || known_->Contains(call))
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
        Note(line, call + " is not a known contest call; did you mean " + list + "?");
    }

    CountryTable& table_;
    const CallList* known_;
    std::vector<Finding> findings_;
    ContestState state_;
    bool entrantKnown_ = false;
    int callLine_ = 0;
    std::string call_;
    // The categories that only Scandinavians may choose freely, in the order of the lists
    // checked against them.
    struct ClassLimited {
        std::string_view Tag;
        int Line = 0;
        std::string Value;
    };
    ClassLimited classLimited_[3] = {
        {"CATEGORY-BAND", 0, ""}, {"CATEGORY-OVERLAY", 0, ""}, {"CATEGORY-TRANSMITTER", 0, ""}};
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
           (finding.Level == FindingLevel::Problem ? ": problem: " : ": note: ") + finding.Message;
}

int RunLogCheck(const std::string& fileName, CountryTable& table, const CallList* known,
                std::ostream& out, std::ostream& err) {
    std::vector<std::string> lines;
    try {
        lines = ReadLines(fileName);
        if (!IsCabrilloLog(lines))
            throw KeroltError(fileName + " is not a Cabrillo 3.0 log");
    } catch (const KeroltError& e) {
        err << e.what() << '\n';
        return 2;
    }
    bool problem = false;
    for (const Finding& f : CheckCabrilloLog(lines, table, known)) {
        out << FormatFinding(fileName, f) << '\n';
        problem = problem || f.Level == FindingLevel::Problem;
    }
    return problem ? 1 : 0;
}

}  // namespace kerolt
