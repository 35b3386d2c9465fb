#pragma once

// A SAC log from the ADIF file of another logger: which QSOs are taken, and the result in the
// shape that opening a Cabrillo file gives, so the window applies both the same way.

#include <cstdint>
#include <string>

#include "adif/Adif.h"
#include "cabrillo/CabrilloReader.h"
#include "cabrillo/StationData.h"

namespace kerolt {

struct AdifImport {
    // Lines stay empty: the Cabrillo text is built from the station page and the log. Memo1
    // keeps the soapbox the page has.
    CabrilloFile File;
    // Empty when every QSO was taken; else how many were not and why, naming them.
    std::string Message;
};

// The contest: the first CONTEST_ID "SAC-CW"/"SAC-SSB", else the first QSO's MODE that is CW
// or SSB, else the contest the page has. A QSO is taken when it has a call, a date (YYYYMMDD,
// a day of the calendar) and a time (HHMM or HHMMSS of a day),
// is in the contest's mode, on one of its bands (BAND, else FREQ) and inside the period from
// 1200 on the contest's Saturday to 1159 the next day, by the calendar of its year, and in the
// same contest as the first QSO taken, has a received number (SRX, else SRX_STRING) and fits
// the rules of a commit (CommittedRow). Taken QSOs are ordered by date and time. The station
// call comes from STATION_CALLSIGN (or OPERATOR) only when the page has none.
AdifImport ImportAdif(const AdifDocument& doc, const StationData& current);

// The largest file taken: a contest log in ADIF is well under 1 MB; a whole logbook exported by
// mistake is refused before it is read.
inline constexpr std::uintmax_t MaxAdifFileBytes = 16 * 1024 * 1024;

// Reads the whole file and imports it; raises "%s is larger than 16 MB; ...", "Cannot open file
// %s" and ReadAdif's errors.
AdifImport LoadAdifFile(const std::string& fileName, const StationData& current);

}  // namespace kerolt
