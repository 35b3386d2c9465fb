#pragma once

// The ADIF 3.1 file of a log, for logbooks and QSL services: a header, then one record per
// QSO, dupes included.

#include <chrono>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cabrillo/CabrilloReader.h"
#include "cabrillo/StationData.h"
#include "contest/QsoLog.h"

namespace kerolt {

// One record per QSO row: CALL, QSO_DATE, TIME_ON, BAND, FREQ (only for a real frequency, not
// a band's own text), MODE and CONTEST_ID (with a contest chosen), RST_SENT, RST_RCVD, STX and
// SRX as integers (STX_STRING/SRX_STRING for a number that is no integer), STATION_CALLSIGN,
// and OPERATOR when the operators field names exactly one. Empty values are left out. Raises
// like QsoDate when a QSO before "1200" needs the day of an empty contest date.
std::vector<std::string> BuildAdifLog(const StationData& station, const QsoLog& log,
                                      std::string_view contestDate,
                                      std::chrono::sys_seconds created);

// The proposed name of the export: the callsign with every "/" as "-", plus ".adi".
std::string ProposedAdifName(std::string_view call);

// Why the log cannot be exported, in the user's words; empty when it can. Without a callsign
// the file would be named ".adi" and its records name no station; without QSOs it would hold
// nothing.
std::string AdifExportRefusal(std::string_view call, const QsoLog& log);

// The ADIF text of a read Cabrillo log: its QSO rows, with the callsign, contest and operators
// its header gives.
std::vector<std::string> AdifFromCabrillo(const CabrilloFile& file,
                                          std::chrono::sys_seconds created);

// The command line's export: the log read as File, Open reads it, the ADIF text written to
// outName, or to out when outName is empty. 0 when written; 2 and the message on err when the
// log cannot be read (no Cabrillo 3.0 log) or the file cannot be written.
int RunAdifExport(const std::string& logName, const std::string& outName,
                  std::chrono::sys_seconds created, std::ostream& out, std::ostream& err);

}  // namespace kerolt
