#include "contest/RigRules.h"

#include "contest/BandPlan.h"

#include <array>
#include <cmath>

namespace kerolt {

namespace {

// Beyond any amateur band a rig tunes; guards the conversion to long.
constexpr double HighestHz = 1e12;

bool IsCw(std::string_view mode) {
    return mode == "CW" || mode == "CWR";
}

bool IsSsb(std::string_view mode) {
    return mode == "USB" || mode == "LSB";
}

}  // namespace

long KhzFromHz(double hz) {
    if (!(hz > 0) || hz > HighestHz)
        return 0;
    return std::lround(hz / 1000.0);
}

bool ModeFitsContest(int contestEntry, std::string_view mode) {
    if (contestEntry == SacCw)
        return IsCw(mode);
    if (contestEntry == SacSsb)
        return IsSsb(mode);
    return true;
}

Message RigPanelText(const std::optional<RigReading>& reading, int contestEntry) {
    if (!reading)
        return Message(KT("Rig", "no rig"));
    const std::string khz = std::to_string(KhzFromHz(reading->Hz));
    if (ModeFitsContest(contestEntry, reading->Mode))
        return Message(KT("Rig", "%1 %2"), {khz, reading->Mode});
    if (contestEntry == SacCw)
        return Message(KT("Rig", "%1 %2 (not CW)"), {khz, reading->Mode});
    return Message(KT("Rig", "%1 %2 (not SSB)"), {khz, reading->Mode});
}

std::string FrequencyCell(std::optional<long> rigKhz, std::string_view bandEntry) {
    const BandIndex chosen = BandFromFrequency(bandEntry);
    if (rigKhz && chosen != NoBand && ContestBandOfKhz(*rigKhz) == chosen)
        return std::to_string(*rigKhz);
    return std::string(bandEntry);
}

std::string FrequencyCell(std::optional<long> typedKhz, std::optional<long> rigKhz,
                          std::string_view bandEntry) {
    const BandIndex chosen = BandFromFrequency(bandEntry);
    if (typedKhz && chosen != NoBand && ContestBandOfKhz(*typedKhz) == chosen)
        return std::to_string(*typedKhz);
    return FrequencyCell(rigKhz, bandEntry);
}

std::optional<BandIndex> RigBandFollower::Follow(long khz) {
    if (lastKhz_ == khz)
        return std::nullopt;
    lastKhz_ = khz;
    const BandIndex band = ContestBandOfKhz(khz);
    if (band == NoBand)
        return std::nullopt;
    return band;
}

}  // namespace kerolt
