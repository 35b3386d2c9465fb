#pragma once

// What opening a Cabrillo file does to the station page's values.

#include <string>
#include <string_view>
#include <vector>

#include "cabrillo/CabrilloReader.h"
#include "cabrillo/StationData.h"
#include "contest/StationRules.h"

namespace kerolt {

// The entries each station list holds at the moment of opening.
struct StationLists {
    std::vector<std::string> Contest, Assisted, Band, Operator, Power, Transmitter, Overlay;
    std::vector<std::string> Station = CategoryEntries(Category::Station);
};

// Whether the file is another station's log: it names a callsign other than the page's,
// letter case and blanks aside, while the page names one too.
bool IsAnotherStation(const CabrilloFile& file, std::string_view pageCall);

// The page's values as the file finds them before it gives its own: for another station's log
// every station field is emptied and every list shows its prompt (the contest none), as at
// start, so that nothing of the previous station is carried on; otherwise `current` as it is.
// The memo and the claimed score are left to the file and the log.
StationData ClearedForFile(const CabrilloFile& file, StationData current);

// Station values after opening: ClearedForFile, then the fields the file gives; a field whose
// key the file lacks keeps that value. A list value selects the entry equal to it ignoring letter
// case (the result holds that entry's exact text), the list's own name (its prompt, which Kerolt
// writes for a list never picked from) when the value is that name, else no entry (empty text);
// ContestIndex follows the contest entry chosen (NoContest when none). Memo1 becomes the file's
// soapbox lines, KeptHeaderLines and XQsoLines the file's.
StationData ApplyCabrilloStation(const CabrilloFile& file, StationData current,
                                 const StationLists& lists);

}  // namespace kerolt
