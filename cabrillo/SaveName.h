#pragma once

// The file name proposed when a log is saved.

#include <string>
#include <string_view>

namespace kerolt {

// The callsign as it stands (not trimmed), every "/" as "-", plus ".log": "SM5QQQ/P" gives
// "SM5QQQ-P.log", an empty callsign ".log".
std::string ProposedLogName(std::string_view call);

// The Save command proposes no name for a callsign of 2 characters or fewer.
std::string SaveCommandLogName(std::string_view call);

}  // namespace kerolt
