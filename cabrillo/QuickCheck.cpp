#include "cabrillo/QuickCheck.h"

#include <algorithm>

#include "common/Text.h"

namespace kerolt {

namespace {

constexpr std::size_t MaxEmptyLines = 15;
constexpr std::size_t MinNiceLines = 201;

}  // namespace

Message QuickCheckVerdict(const std::vector<std::string>& lines) {
    if (lines.size() <= MaxEmptyLines)
        return Message(KT("Check", "Empty log"));
    if (lines.size() >= MinNiceLines)
        return Message(KT("Check", "Pass, Nice job"));
    const bool hasQso = std::any_of(lines.begin(), lines.end(),
                                    [](const std::string& line) { return Contains(line, "QSO"); });
    return hasQso ? Message(KT("Check", "Pass Ok")) : Message(KT("Check", "Pass No QSO"));
}

}  // namespace kerolt
