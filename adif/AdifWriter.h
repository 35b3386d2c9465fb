#pragma once

// The ADIF 3.1 file of a log, for logbooks and QSL services: a header, then one record per
// QSO, dupes included.

#include <chrono>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "adif/Adif.h"
#include "cabrillo/CabrilloReader.h"
#include "cabrillo/StationData.h"
#include "contest/QsoLog.h"

namespace kerolt {

// The ADIF text of a log and the QSOs it leaves out.
struct AdifLog {
    std::vector<std::string> Lines;
    // One text per QSO left out: "QSO 3 (599 2026-09-19 1400): "599" cannot be a call".
    std::vector<Message> LeftOut;
};

// One record per QSO row: CALL, QSO_DATE, TIME_ON, BAND, FREQ (only for a frequency on an
// amateur band, not a band's own text), MODE and CONTEST_ID (with a contest chosen), RST_SENT,
// RST_RCVD, STX and SRX as integers (STX_STRING/SRX_STRING for a number that is no integer),
// STATION_CALLSIGN, and OPERATOR when the operators field names exactly one. Empty values are
// left out. BAND is the band the QSO is scored on. A row whose call cannot be a call, whose
// date is no date or whose time is no HHMM time gets no record and is named instead. Raises
// like QsoDate when a QSO before "1200" needs the day of an empty contest date.
AdifLog BuildAdifLog(const StationData& station, const QsoLog& log, std::string_view contestDate,
                     std::chrono::sys_seconds created);

// The one message that names the QSOs left out; empty when none was.
MessageLines LeftOutMessage(const std::vector<Message>& leftOut);

// The proposed name of the export: the callsign with every "/" as "-", plus ".adi".
std::string ProposedAdifName(std::string_view call);

// Why the log cannot be exported, in the user's words; empty when it can. Without a callsign
// the file would be named ".adi" and its records name no station; without QSOs it would hold
// nothing.
Message AdifExportRefusal(std::string_view call, const QsoLog& log);

// The ADIF text of a read Cabrillo log: its QSO rows, with the callsign, contest and operators
// its header gives.
AdifLog AdifFromCabrillo(const CabrilloFile& file, std::chrono::sys_seconds created);

// Exit codes of the command line's export.
inline constexpr int AdifWritten = 0;
inline constexpr int AdifWrittenWithout = 1;
inline constexpr int AdifNotWritten = 2;

// The command line's export: the log read as File, Open reads it, the ADIF text written to
// outName, or to out when outName is empty. AdifWritten when every QSO line went out;
// AdifWrittenWithout when lines that could not be read or QSOs left out are named on err and
// the rest was written; AdifNotWritten and the message on err when the log cannot be read (no
// Cabrillo 3.0 log) or the file, or out, cannot be written.
int RunAdifExport(const std::string& logName, const std::string& outName,
                  std::chrono::sys_seconds created, std::ostream& out, std::ostream& err);

}  // namespace kerolt
