#pragma once

// Reads one Cabrillo QSO line by its white-space separated fields, as the format defines it
// and log robots read it, whatever program laid the line out. The cells come out as Kerolt's
// own columns hold them, so a line Kerolt wrote reads back unchanged and another program's
// line reads into the cells of the same QSO written by Kerolt.

#include <array>
#include <string>
#include <string_view>

#include "cabrillo/QsoLine.h"
#include "common/Message.h"
#include "contest/QsoLog.h"

namespace kerolt {

struct QsoLineRead {
    // Each field in the order of QsoLineFields, as the line writes it (no blanks around it).
    std::array<std::string, QsoLineFields.size()> Values;
    // Columns 1-7 as Kerolt's columns hold them; "Row", "Mult" and "P" are empty.
    QsoLog::Row Row;
    // Empty when the line was read; else why not ("no received number").
    Message Why;

    bool Taken() const { return Why.Empty(); }
    const std::string& Value(QsoSource source, int cell = -1) const;
};

// A line that starts with "QSO:" after optional blanks.
bool IsQsoLine(std::string_view line);

// The fields of a QSO line: frequency, mode, date, time, sent call, sent report, sent number,
// call, received report, received number, and an optional transmitter number after them.
QsoLineRead ReadQsoLine(std::string_view line);

}  // namespace kerolt
