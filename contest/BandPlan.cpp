#include "contest/BandPlan.h"

#include <array>

#include "common/Text.h"

namespace kerolt {

namespace {

constexpr std::array<AmateurBand, 13> Bands{{
    {"160 m", 1800, 2000, NoBand},
    {"80 m", 3500, 4000, Band80},
    {"60 m", 5250, 5450, NoBand},
    {"40 m", 7000, 7300, Band40},
    {"30 m", 10100, 10150, NoBand},
    {"20 m", 14000, 14350, Band20},
    {"17 m", 18068, 18168, NoBand},
    {"15 m", 21000, 21450, Band15},
    {"12 m", 24890, 24990, NoBand},
    {"10 m", 28000, 29700, Band10},
    {"6 m", 50000, 54000, NoBand},
    {"4 m", 70000, 70500, NoBand},
    {"2 m", 144000, 148000, NoBand},
}};

// Per band 80 to 10 m; the SSB bands of 80 and 40 m have two segments each.
constexpr std::array<Segment, 5> CwPlan{
    {{3510, 3560}, {7000, 7040}, {14000, 14060}, {21000, 21070}, {28000, 28070}}};
constexpr std::array<Segment, 7> SsbPlan{{{3600, 3650},
                                          {3700, 3800},
                                          {7060, 7100},
                                          {7130, 7200},
                                          {14125, 14300},
                                          {21151, 21450},
                                          {28320, 29000}}};

}  // namespace

std::optional<long> FrequencyKhz(std::string_view text) {
    text = TrimView(text);
    if (!IsDigitText(text) || text.size() > 9)
        return std::nullopt;
    return std::stol(std::string(text));
}

const AmateurBand* AmateurBandOf(long khz) {
    for (const AmateurBand& band : Bands) {
        if (khz >= band.Low && khz <= band.High)
            return &band;
    }
    return nullptr;
}

BandIndex ContestBandOfKhz(long khz) {
    const AmateurBand* band = AmateurBandOf(khz);
    return band ? band->Contest : NoBand;
}

std::span<const Segment> BandPlan(int contestEntry, BandIndex band) {
    if (band == NoBand || (contestEntry != SacCw && contestEntry != SacSsb))
        return {};
    if (contestEntry == SacCw)
        return std::span(CwPlan).subspan(band - 1, 1);
    // 80 m: 0-1, 40 m: 2-3, then one segment a band.
    const std::size_t first = band == Band80 ? 0 : band == Band40 ? 2 : band + 1;
    const std::size_t count = band <= Band40 ? 2 : 1;
    return std::span(SsbPlan).subspan(first, count);
}

bool InBandPlan(int contestEntry, long khz) {
    const AmateurBand* band = AmateurBandOf(khz);
    if (band == nullptr || band->Contest == NoBand)
        return false;
    for (const std::string& entry : FrequencyEntries()) {
        if (FrequencyKhz(entry) == khz)
            return true;
    }
    for (const Segment& s : BandPlan(contestEntry, band->Contest)) {
        if (khz >= s.Low && khz <= s.High)
            return true;
    }
    return false;
}

}  // namespace kerolt
