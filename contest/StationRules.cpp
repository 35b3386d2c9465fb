#include "contest/StationRules.h"

namespace kerolt {

namespace {
constexpr std::size_t MinimumCallLength = 3;
constexpr int SingleOpEntry = 0;
}  // namespace

const std::vector<std::string>& AssistedEntries() {
    static const std::vector<std::string> entries{"NON-ASSISTED", "ASSISTED"};
    return entries;
}

const std::vector<std::string>& BandEntries() {
    static const std::vector<std::string> entries{"ALL", "80M", "40M", "20M", "15M", "10M"};
    return entries;
}

const std::vector<std::string>& OperatorEntries() {
    static const std::vector<std::string> entries{"SINGLE-OP", "MULTI-OP", "CHECKLOG"};
    return entries;
}

const std::vector<std::string>& TransmitterEntries() {
    static const std::vector<std::string> entries{"ONE", "UNLIMITED"};
    return entries;
}

const std::vector<std::string>& PowerEntries() {
    static const std::vector<std::string> entries{"HIGH", "LOW", "QRP"};
    return entries;
}

const std::vector<std::string>& OverlayEntries() {
    static const std::vector<std::string> entries{"", "ROOKIE", "TB-WIRES"};
    return entries;
}

ClassChoices ChoicesForClass(bool scandinavian) {
    if (scandinavian)
        return {false, BandEntries(), OverlayEntries(), TransmitterEntries()};
    return {
        true, {BandEntries().front()}, {OverlayEntries().front()}, {TransmitterEntries().front()}};
}

std::vector<std::string> TransmitterChoices(int operatorIndex) {
    if (operatorIndex == SingleOpEntry)
        return {TransmitterEntries().front()};
    return TransmitterEntries();
}

bool LogInputAvailable(int contestIndex, std::size_t callLength) {
    return contestIndex >= 0 && callLength >= MinimumCallLength;
}

}  // namespace kerolt
