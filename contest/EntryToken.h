#pragma once

// Numbers typed where the call goes, ended by Space: a minute, a time of day or a frequency,
// each taken for what it alone can be (no call is all digits, and no contest frequency is a
// time HHMM). And the received-number field that takes the report after the number
// ("15 579"), so a report off the default costs no trip to the report field.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "common/Message.h"
#include "contest/ContestRules.h"

namespace kerolt {

// Whether the call field holds a number rather than a call: a digit first, then digits and
// decimal points only.
bool IsCallFieldNumber(std::string_view text);

enum class CallNumberKind { Call, Time, Frequency, Refused };

struct CallNumber {
    CallNumberKind Kind = CallNumberKind::Call;
    std::string Time;  // HHMM, for a time or a minute
    long Khz = 0;      // whole kHz, for a frequency
    BandIndex Band = NoBand;
    Message Note;  // what was taken, or why nothing was
};

// What the call field's text stands for when Space ends it. One or two digits: the minute,
// in the hour of timeField, or in the next hour when the minute is before timeField's
// (midnight wraps); an equal minute keeps the time, as two QSOs of one minute do. Three or four digits that make a time HMM or HHMM: that time. A whole or
// decimal kHz value on a contest band (the amateur band that holds it, as for the rig and the
// log check): that frequency, rounded half up to whole kHz as a rig's reading is. Times are refused while realtime (the clock
// keeps the time), and a minute while timeField holds no time HHMM. A call gives Kind Call.
CallNumber ReadCallNumber(std::string_view text, std::string_view timeField, bool realtime);

// The received-number field: at most this many digits, then a blank and a report.
inline constexpr std::size_t MaxReceivedNrLength = 4;
inline constexpr std::size_t MaxReceivedLength = MaxReceivedNrLength + 1 + 3;

struct ReceivedEntry {
    std::string Nr;
    std::string Rst;  // empty: no report typed, the report field's holds
};
// The number and the report typed after it ("15 579"); "15" and "15 " have no report.
ReceivedEntry SplitReceived(std::string_view text);
// What the field keeps of any text: digits, one blank after the number, at most
// MaxReceivedNrLength digits before it and three after.
std::string FilterReceived(std::string_view text);
// Why the field's text cannot be logged as it stands: a report after the number that is no
// report of the contest's mode (IsReport: "57" on CW, "5NN", one digit); empty when it can.
Message ReceivedNote(std::string_view text, int contestEntry);

}  // namespace kerolt
