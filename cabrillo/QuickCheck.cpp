#include "cabrillo/QuickCheck.h"

#include <algorithm>

#include "common/Text.h"

namespace kerolt {

namespace {

constexpr std::size_t MaxEmptyLines = 15;
constexpr std::size_t MinNiceLines = 201;

}  // namespace

std::string QuickCheckVerdict(const std::vector<std::string>& lines) {
    if (lines.size() <= MaxEmptyLines)
        return "Empty log";
    if (lines.size() >= MinNiceLines)
        return "Pass, Nice job";
    const bool hasQso = std::any_of(lines.begin(), lines.end(),
                                    [](const std::string& line) { return Contains(line, "QSO"); });
    return std::string("Pass ") + (hasQso ? "Ok" : "No QSO");
}

}  // namespace kerolt
