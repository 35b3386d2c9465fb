#include "contest/EntryToken.h"

#include <algorithm>
#include <array>

#include "common/Text.h"
#include "contest/BandPlan.h"
#include "contest/LogEntry.h"

namespace kerolt {

namespace {

// The digits of the highest band's kHz; more ("014025") are no frequency as the paper writes
// one, and never overflow.
constexpr std::size_t MaxKhzDigits = 5;

std::string BandRanges() {
    std::string text;
    for (const AmateurBand& band : ContestAmateurBands()) {
        if (!text.empty())
            text += ", ";
        text += std::to_string(band.Low) + "-" + std::to_string(band.High);
    }
    return text;
}

CallNumber Refused(std::string_view text, Message expected) {
    return {CallNumberKind::Refused,
            {},
            0,
            NoBand,
            Message(KT("Entry", "'%1' taken as nothing: %2"),
                    {std::string(text), std::move(expected)})};
}

// The whole kHz of a typed value on a contest band, and the band.
std::optional<std::pair<long, BandIndex>> TypedKhz(std::string_view text) {
    if (text.substr(0, text.find('.')).size() > MaxKhzDigits)
        return std::nullopt;
    const std::optional<long> khz = RoundedKhz(text, KhzPlaces);
    const BandIndex band = khz ? ContestBandOfKhz(*khz) : NoBand;
    if (band == NoBand)
        return std::nullopt;
    return std::pair{*khz, band};
}

CallNumber TakenTime(std::string time) {
    Message note(KT("Entry", "time %1"), {time});
    return {CallNumberKind::Time, std::move(time), 0, NoBand, std::move(note)};
}

}  // namespace

bool IsCallFieldNumber(std::string_view text) {
    return !text.empty() && IsDigit(text[0]) &&
           std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c) || c == '.'; });
}

CallNumber ReadCallNumber(std::string_view text, std::string_view timeField, bool realtime) {
    if (!IsCallFieldNumber(text))
        return {};
    const bool digitsOnly = IsDigitText(text);
    if (digitsOnly && text.size() <= 2) {
        const int minute = DigitsValue(text);
        if (minute > 59)
            return Refused(text, KT("Entry", "expected a minute 00-59"));
        if (realtime)
            return Refused(text, KT("Entry", "Realtime is on, the clock keeps the time"));
        if (!IsValidTime(timeField))
            return Refused(text,
                           KT("Entry", "a minute needs the hour of a time HHMM in the time field"));
        int hour = DigitsValue(timeField.substr(0, 2));
        if (minute < DigitsValue(timeField.substr(2)))
            hour = (hour + 1) % 24;
        return TakenTime(ZeroPadded(hour, 2) + ZeroPadded(minute, 2));
    }
    if (digitsOnly && text.size() <= 4) {
        const std::string time = ZeroPadded(DigitsValue(text), 4);
        if (IsValidTime(time)) {
            if (realtime)
                return Refused(text, KT("Entry", "Realtime is on, the clock keeps the time"));
            return TakenTime(time);
        }
    }
    if (const auto khz = TypedKhz(text)) {
        Message note =
            digitsOnly
                ? Message(KT("Entry", "frequency %1 kHz from this QSO on"), {std::string(text)})
                : Message(KT("Entry", "frequency %1 kHz from this QSO on, logged as %2"),
                          {std::string(text), std::to_string(khz->first)});
        return {CallNumberKind::Frequency, {}, khz->first, khz->second, std::move(note)};
    }
    if (digitsOnly && text.size() <= 4)
        return Refused(text, Message(KT("Entry",
                                        "expected a time HHMM (hours 00-23, minutes 00-59) "
                                        "or kHz on a contest band (%1)"),
                                     {BandRanges()}));
    return Refused(text,
                   Message(KT("Entry", "expected kHz on a contest band (%1)"), {BandRanges()}));
}

ReceivedEntry SplitReceived(std::string_view text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos)
        return {std::string(text), {}};
    return {std::string(text.substr(0, blank)), Trim(text.substr(blank + 1))};
}

std::string FilterReceived(std::string_view text) {
    std::string kept;
    std::size_t nrDigits = 0;
    std::size_t rstDigits = 0;
    bool blank = false;
    for (const char c : text) {
        if (c == ' ' && !blank && nrDigits > 0) {
            blank = true;
            kept += c;
        } else if (IsDigit(c) && (blank ? rstDigits++ < 3 : nrDigits++ < MaxReceivedNrLength)) {
            kept += c;
        }
    }
    return kept;
}

Message ReceivedNote(std::string_view text, int contestEntry) {
    const std::string rst = SplitReceived(text).Rst;
    if (rst.empty() || IsReport(rst, contestEntry))
        return {};
    const std::size_t digits = ReportDigits(contestEntry);
    const TextTemplate note =
        digits == 3
            ? KT("Entry", "the report '%1' after the number is not a valid RST on CW (such as 599)")
        : digits == 2
            ? KT("Entry", "the report '%1' after the number is not a valid RST on SSB (such as 59)")
            : KT("Entry", "the report '%1' after the number is not a valid RST");
    return Message(note, {rst});
}

}  // namespace kerolt
