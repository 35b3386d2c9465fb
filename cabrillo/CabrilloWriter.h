#pragma once

// The Cabrillo 3.0 text of a log: header lines from the station data, one fixed-column line
// per QSO, "END-OF-LOG:".

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "cabrillo/QsoLine.h"
#include "cabrillo/StationData.h"
#include "contest/QsoLog.h"

namespace kerolt {

// One field of a QSO line as the writer lays it out: the value and its blanks.
std::string QsoFieldText(const QsoLineField& f, std::string_view value);

// "QSO: " and the fields joined, one value per field of QsoLineFields in its order.
std::string JoinQsoFields(const std::array<std::string_view, QsoLineFields.size()>& values);

// "CW" when SAC-CW is the selected contest, "PH" otherwise.
std::string_view CabrilloQsoMode(int contestIndex);

// The QSO line of one log row (columns 1-7 are read), laid out by QsoLineFields. The fields
// are joined, so a value of another length than the program produces moves every later field.
// Raises "'%s' is not a valid integer value" when the row's time is before "1200" and the contest
// date has no day.
std::string CabrilloQsoLine(const QsoLog::Row& row, std::string_view ownCall, std::string_view mode,
                            std::string_view contestDate);

// The whole text, rebuilt from scratch. It either returns every line or raises (the date
// error above) and returns nothing, so a caller that assigns the result keeps its old text
// when the build fails.
std::vector<std::string> BuildCabrilloLog(const StationData& station, const QsoLog& log,
                                          const std::string& contestDate);

// BuildCabrilloLog for a log that changes a little between builds (a commit, a deleted row): a
// QSO line is made again only when its row's columns 1-7, the own call, the mode or the contest
// date changed since the last build. The result is BuildCabrilloLog's, line for line.
class CabrilloLogBuilder {
  public:
    // Raises as BuildCabrilloLog does; the next build is whole again whatever failed.
    const std::vector<std::string>& Build(const StationData& station, const QsoLog& log,
                                          const std::string& contestDate);

  private:
    std::string ownCall_;
    std::string_view mode_;
    std::string contestDate_;
    std::size_t headerLines_ = 0;
    std::vector<QsoLog::Row> rows_;  // the rows the QSO lines were made from
    std::vector<std::string> lines_;
};

}  // namespace kerolt
