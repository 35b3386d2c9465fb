#include "cabrillo/LogHeaderCheck.h"

#include "cabrillo/ApplyStation.h"
#include "cabrillo/QsoLineReader.h"
#include "common/Text.h"
#include "contest/ContestRules.h"

namespace kerolt {

namespace {

constexpr int MostAddressLines = 4;

std::string Joined(const std::vector<std::string>& values) {
    std::string text;
    for (const std::string& v : values) {
        if (!v.empty())
            text += (text.empty() ? "" : ", ") + v;
    }
    return text;
}

bool Holds(Category id, std::string_view value) {
    return FindEntryIgnoringCase(CategoryEntries(id), value) >= 0;
}

class HeaderChecker {
  public:
    explicit HeaderChecker(std::vector<Finding>& findings) : findings_(findings) {}

    LogHeader Run(const std::vector<std::string>& lines) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (!IsQsoLine(lines[i]))
                Line(static_cast<int>(i) + 1, lines[i]);
        }
        Complete(lines.empty() ? 1 : static_cast<int>(lines.size()));
        return std::move(header_);
    }

  private:
    void Problem(int line, Message message) {
        findings_.push_back({line, FindingLevel::Problem, std::move(message)});
    }

    void Line(int line, std::string_view text) {
        const std::size_t colon = text.find(':');
        if (colon == std::string_view::npos)
            return;
        const std::string tag = UpperAscii(TrimView(text.substr(0, colon)));
        const std::string value = Trim(text.substr(colon + 1));
        for (const CategoryRule& rule : CategoryTable()) {
            if (tag == rule.Tag) {
                header_.Categories[static_cast<std::size_t>(rule.Id)] = {line, value};
                CategoryValue(line, rule, value);
            }
        }
        if (tag == "CALLSIGN") {
            callLine_ = line;
            header_.Call = UpperAscii(value);
        } else if (tag == "ADDRESS" && ++addresses_ == MostAddressLines + 1) {
            Problem(line, Message(KT("Check", "more than four ADDRESS lines")));
        } else if (tag == "CLAIMED-SCORE") {
            header_.Claimed = {line, value};
        } else if (tag == "END-OF-LOG") {
            endLine_ = line;
        }
    }

    void CategoryValue(int line, const CategoryRule& rule, const std::string& value) {
        const std::string tag(rule.Tag);
        if (!rule.Prompt.empty() && EqualIgnoringCase(value, rule.Prompt))
            Problem(line, Message(KT("Check", "%1 has no value: the list still shows \"%2\""),
                                  {tag, std::string(rule.Prompt)}));
        // An opened log whose list showed its prompt comes back with no entry chosen.
        else if (value.empty() && rule.Id != Category::Overlay)
            Problem(line, Message(KT("Check", "%1 has no value"), {tag}));
        else if (!Holds(rule.Id, value))
            Problem(line, Message(KT("Check", "%1 \"%2\" is not one of %3"),
                                  {tag, value, Joined(CategoryEntries(rule.Id))}));
    }

    // The lines a log must hold, and the categories that must agree with each other.
    void Complete(int lastLine) {
        if (callLine_ == 0)
            Problem(1, Message(KT("Check", "no CALLSIGN line")));
        else if (header_.Call.empty())
            Problem(callLine_, Message(KT("Check", "CALLSIGN is empty")));
        if (header_.Of(Category::Contest).Line == 0)
            Problem(1, Message(KT("Check", "no CONTEST line")));
        // The lines the station page always writes: missing is as empty.
        for (const Category id : {Category::Assisted, Category::Band, Category::Operator,
                                  Category::Power, Category::Transmitter}) {
            if (header_.Of(id).Line == 0)
                Problem(1, Message(KT("Check", "no %1 line: it has no value"),
                                   {std::string(CategoryOf(id).Tag)}));
        }
        if (endLine_ == 0)
            Problem(lastLine, Message(KT("Check", "no END-OF-LOG line")));
        header_.Contest =
            FindEntryIgnoringCase(ContestEntries(), header_.Of(Category::Contest).Value);
        const HeaderValue& mode = header_.Of(Category::Mode);
        // The mode entries stand in the order of the contests.
        const int modeIndex = FindEntryIgnoringCase(CategoryEntries(Category::Mode), mode.Value);
        if (header_.Contest >= 0 && modeIndex >= 0 && modeIndex != header_.Contest)
            Problem(
                mode.Line,
                Message(KT("Check", "CATEGORY-MODE %1 does not match CONTEST %2"),
                        {mode.Value, ContestEntries()[static_cast<std::size_t>(header_.Contest)]}));
        const HeaderValue& op = header_.Of(Category::Operator);
        const HeaderValue& tx = header_.Of(Category::Transmitter);
        const int opIndex = FindEntryIgnoringCase(OperatorEntries(), op.Value);
        if (opIndex >= 0 && Holds(Category::Transmitter, tx.Value) &&
            FindEntryIgnoringCase(TransmitterChoices(opIndex), tx.Value) < 0)
            Problem(tx.Line, Message(KT("Check", "CATEGORY-TRANSMITTER %1 is not open to %2"),
                                     {tx.Value, op.Value}));
    }

    std::vector<Finding>& findings_;
    LogHeader header_;
    int callLine_ = 0;
    int addresses_ = 0;
    int endLine_ = 0;
};

}  // namespace

LogHeader CheckLogHeader(const std::vector<std::string>& lines, std::vector<Finding>& findings) {
    return HeaderChecker(findings).Run(lines);
}

void CheckEntrantCategories(const LogHeader& header, bool scandinavian,
                            const std::string& stationClass, std::vector<Finding>& findings) {
    // What the station page would have let this entrant choose.
    for (const Category id : {Category::Band, Category::Overlay, Category::Transmitter}) {
        const HeaderValue& c = header.Of(id);
        if (c.Line > 0 && Holds(id, c.Value) &&
            FindEntryIgnoringCase(CategoryEntries(id, scandinavian), c.Value) < 0)
            findings.push_back(
                {c.Line, FindingLevel::Problem,
                 scandinavian
                     ? Message(
                           KT("Check", "%1 %2 is open to non-Scandinavian stations only; %3 is %4"),
                           {std::string(CategoryOf(id).Tag), c.Value, header.Call, stationClass})
                     : Message(
                           KT("Check", "%1 %2 is open to Scandinavian stations only; %3 is %4"),
                           {std::string(CategoryOf(id).Tag), c.Value, header.Call, stationClass})});
    }
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

}  // namespace kerolt
