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

// Beyond every amateur band, and far from overflowing a long.
constexpr std::size_t MaxKhzDigits = 9;

std::string_view WithoutLeadingZeros(std::string_view digits) {
    while (digits.size() > 1 && digits[0] == '0') digits.remove_prefix(1);
    return digits;
}

}  // namespace

std::optional<long> FrequencyKhz(std::string_view text) {
    text = TrimView(text);
    if (!IsDigitText(text))
        return std::nullopt;
    text = WithoutLeadingZeros(text);
    if (text.size() > MaxKhzDigits)
        return std::nullopt;
    return std::stol(std::string(text));
}

std::optional<long> RoundedKhz(std::string_view text, int places) {
    text = TrimView(text);
    const std::size_t dot = text.find('.');
    const std::string_view whole = WithoutLeadingZeros(text.substr(0, dot));
    const std::string_view fraction =
        dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
    if (!IsDigitText(whole) || (dot != std::string_view::npos && !IsDigitText(fraction)) ||
        whole.size() + static_cast<std::size_t>(places) > MaxKhzDigits)
        return std::nullopt;
    long khz = std::stol(std::string(whole));
    for (int i = 0; i < places; ++i) {
        const std::size_t at = static_cast<std::size_t>(i);
        khz = khz * 10 + (at < fraction.size() ? fraction[at] - '0' : 0);
    }
    const std::size_t next = static_cast<std::size_t>(places);
    if (next < fraction.size() && fraction[next] >= '5')
        ++khz;
    return khz;
}

std::span<const AmateurBand> ContestAmateurBands() {
    // The five lie in band order among the amateur bands: 80, 40, 20, 15 and 10 m.
    static const std::array<AmateurBand, BandCount> bands = [] {
        std::array<AmateurBand, BandCount> found{};
        for (const AmateurBand& band : Bands) {
            if (band.Contest != NoBand)
                found[band.Contest - 1] = band;
        }
        return found;
    }();
    return bands;
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
