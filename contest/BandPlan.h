#pragma once

// Frequencies in kHz: the amateur band that holds one, and the contest's band plan.

#include <optional>
#include <span>
#include <string_view>

#include "contest/ContestRules.h"

namespace kerolt {

struct AmateurBand {
    std::string_view Name;  // "160 m"
    long Low, High;         // kHz, both inclusive
    BandIndex Contest;      // NoBand for a band the contest does not use
};

// The frequency of a QSO line or a grid cell: whole kHz, digits only (leading zeros count for
// nothing: "0000014000" is 14000).
std::optional<long> FrequencyKhz(std::string_view text);

// The decimal places of a unit below the kHz: a value in kHz has none, one in MHz three.
inline constexpr int KhzPlaces = 0;
inline constexpr int MhzPlaces = 3;
// A decimal frequency ("14025.5" in kHz, "14.0255" in MHz) as whole kHz, rounded half up as a
// rig's reading is: the one rounding of a typed, a read and a rig's frequency. Nothing for a
// text that is no such number (digits, at most one point with digits before it).
std::optional<long> RoundedKhz(std::string_view text, int places);

// The contest bands as the amateur bands that hold them, in band order.
std::span<const AmateurBand> ContestAmateurBands();

// The amateur band that holds khz; null when none does.
const AmateurBand* AmateurBandOf(long khz);
// The contest band that holds khz; NoBand outside the five.
BandIndex ContestBandOfKhz(long khz);

struct Segment {
    long Low, High;  // kHz, both inclusive
};

// The band plan holds from this year on.
inline constexpr int BandPlanSince = 2017;

// Where a contest may be worked on a band: empty for NoContest or a band it does not use.
std::span<const Segment> BandPlan(int contestEntry, BandIndex band);

// True when khz lies in the contest's band plan, or is the band value that the band list
// writes for the whole band (3500, 7000, ...).
bool InBandPlan(int contestEntry, long khz);

}  // namespace kerolt
