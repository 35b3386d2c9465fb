#pragma once

// What opening a Cabrillo file does to the station page's values.

#include <string>
#include <string_view>
#include <vector>

#include "cabrillo/CabrilloReader.h"
#include "cabrillo/StationData.h"

namespace kerolt {

// The entries each station list holds at the moment of opening.
struct StationLists {
    std::vector<std::string> Contest, Assisted, Band, Operator, Power, Transmitter, Overlay;
};

// Station values after opening: fields whose key the file lacks keep `current`'s value; a list
// value selects the entry equal to it ignoring letter case (the result holds that entry's
// exact text), or no entry (empty text) when none is equal; ContestIndex follows the contest
// entry chosen (NoContest when none). Memo1 becomes the file's soapbox lines.
StationData ApplyCabrilloStation(const CabrilloFile& file, StationData current,
                                 const StationLists& lists);

}  // namespace kerolt
