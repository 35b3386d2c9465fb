#pragma once

// A check of a Cabrillo log before it is sent: what a log-checking robot would reject
// (problems) and what deserves a second look (notes), each tied to its line.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "calls/CallList.h"
#include "common/MessageLines.h"
#include "country/CTY.h"

namespace kerolt {

enum class FindingLevel { Problem, Note };

struct Finding {
    int Line = 0;  // 1-based
    FindingLevel Level = FindingLevel::Problem;
    ::kerolt::Message Message;

    // The same finding, as the English text says it.
    bool operator==(const Finding& o) const {
        return Line == o.Line && Level == o.Level && Message.English() == o.Message.English();
    }
};

// The findings in line order. The country checks need a loaded table; the possible-bust note
// needs a non-empty call list (known may be null).
std::vector<Finding> CheckCabrilloLog(const std::vector<std::string>& lines, CountryTable& table,
                                      const CallList* known);

// The Check command's verdict: "Pass Ok" when no problem was found (with the count of notes,
// when there are any), else "N problems, N notes"; then the first CheckVerdictNamed findings,
// one a line ("line 12: problem: ..."), and how many more there are.
inline constexpr std::size_t CheckVerdictNamed = 5;
MessageLines CheckVerdict(const std::vector<Finding>& findings);

// "FILE:LINE: problem: message" or "FILE:LINE: note: message".
std::string FormatFinding(std::string_view file, const Finding& finding);

// The command-line check of a file: one formatted finding a line on out; 1 when a problem was
// found, else 0. A file that cannot be read or is no Cabrillo 3.0 log: the message on err, 2.
int RunLogCheck(const std::string& fileName, CountryTable& table, const CallList* known,
                std::ostream& out, std::ostream& err);

}  // namespace kerolt
