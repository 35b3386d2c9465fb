#include "contest/RigRules.h"

#include <array>
#include <cmath>

namespace kerolt {

namespace {

struct BandEdges {
    BandIndex Band;
    long LowKhz;
    long HighKhz;
};

// The widest allocation of the three IARU regions, so that a rig anywhere maps.
constexpr std::array<BandEdges, BandCount> Allocations{{
    {Band80, 3500, 4000},
    {Band40, 7000, 7300},
    {Band20, 14000, 14350},
    {Band15, 21000, 21450},
    {Band10, 28000, 29700},
}};

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

BandIndex BandFromKhz(long khz) {
    for (const BandEdges& edges : Allocations) {
        if (khz >= edges.LowKhz && khz <= edges.HighKhz)
            return edges.Band;
    }
    return NoBand;
}

bool ModeFitsContest(int contestEntry, std::string_view mode) {
    if (contestEntry == SacCw)
        return IsCw(mode);
    if (contestEntry == SacSsb)
        return IsSsb(mode);
    return true;
}

std::string RigPanelText(const std::optional<RigReading>& reading, int contestEntry) {
    if (!reading)
        return "no rig";
    std::string text = std::to_string(KhzFromHz(reading->Hz)) + " " + reading->Mode;
    if (!ModeFitsContest(contestEntry, reading->Mode))
        text += contestEntry == SacCw ? " (not CW)" : " (not SSB)";
    return text;
}

std::string FrequencyCell(std::optional<long> rigKhz, std::string_view bandEntry) {
    const BandIndex chosen = BandFromFrequency(bandEntry);
    if (rigKhz && chosen != NoBand && BandFromKhz(*rigKhz) == chosen) {
        std::string khz = std::to_string(*rigKhz);
        // The reader finds the band from the cell's text; a kHz it would place elsewhere (the
        // 10 m band above 29000) keeps the band's own text.
        if (BandFromFrequency(khz) == chosen)
            return khz;
    }
    return std::string(bandEntry);
}

std::optional<BandIndex> RigBandFollower::Follow(long khz) {
    if (lastKhz_ == khz)
        return std::nullopt;
    lastKhz_ = khz;
    const BandIndex band = BandFromKhz(khz);
    if (band == NoBand)
        return std::nullopt;
    return band;
}

}  // namespace kerolt
