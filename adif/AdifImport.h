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
    MessageLines Message;
};

// The contest and its weekend: among the weekends (Saturday 1200 to Sunday 1159 UTC, by the
// calendar of each year) of SAC-CW and SAC-SSB that the file's records lie in, each record
// counted for the edition of its MODE (CW; SSB, USB or LSB), else of its CONTEST_ID, the one of
// the page's contest with the most records when the file has one, else the one with the most;
// a tie goes to the later weekend. A QSO is taken when it has a date (YYYYMMDD, a day of the
// calendar) and a time (HHMM or HHMMSS of a day), lies in that weekend in the contest's mode,
// and has a call, one of the contest's bands (BAND, else FREQ), a received number (SRX, else
// SRX_STRING) and fits the rules of a commit (CommittedRow). Taken QSOs are ordered by date
// and time. The message names the contest and period and why, counts the records outside it
// and names the refused ones, those inside the weekend first. The station call comes from
// STATION_CALLSIGN (or OPERATOR) only when the page has none.
AdifImport ImportAdif(const AdifDocument& doc, const StationData& current);

// The largest file taken: a contest log in ADIF is well under 1 MB; a whole logbook exported by
// mistake is refused before it is read.
inline constexpr std::uintmax_t MaxAdifFileBytes = 16 * 1024 * 1024;

// Reads the whole file and imports it; raises "%s is larger than 16 MB; ...", "Cannot open file
// %s" and ReadAdif's errors.
AdifImport LoadAdifFile(const std::string& fileName, const StationData& current);

}  // namespace kerolt
