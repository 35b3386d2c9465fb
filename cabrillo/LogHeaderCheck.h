#pragma once

// The log check's reading of the header lines: the values the QSO checks depend on, and the
// findings on the header itself.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cabrillo/LogCheck.h"
#include "contest/StationRules.h"

namespace kerolt {

// A header line's value and where it stands (line 0: the log has no such line).
struct HeaderValue {
    int Line = 0;
    std::string Value;
};

struct LogHeader {
    std::string Call;
    int Contest = -1;  // the entry of the contest list, -1 for none
    std::array<HeaderValue, static_cast<std::size_t>(Category::Overlay) + 1> Categories;
    HeaderValue Claimed;

    const HeaderValue& Of(Category id) const { return Categories[static_cast<std::size_t>(id)]; }
};

// Reads every line that is no QSO line, adds the findings on them.
LogHeader CheckLogHeader(const std::vector<std::string>& lines, std::vector<Finding>& findings);

// The categories only one entrant class may choose, against the entrant's class.
void CheckEntrantCategories(const LogHeader& header, bool scandinavian,
                            const std::string& stationClass, std::vector<Finding>& findings);

// The text in double quotes.
std::string Quoted(std::string_view s);

}  // namespace kerolt
