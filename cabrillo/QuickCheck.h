#pragma once

// The quick plausibility check of the "Check" command, from the lines of the Cabrillo text.

#include <string>
#include <vector>

#include "common/Message.h"

namespace kerolt {

// "Empty log" for 15 lines or fewer, "Pass, Nice job" for more than 200, else "Pass Ok" when
// some line contains "QSO" and "Pass No QSO" when none does.
Message QuickCheckVerdict(const std::vector<std::string>& lines);

}  // namespace kerolt
