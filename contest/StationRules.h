#pragma once

// What the station page offers: the entries of the category lists for each entrant class and
// operator category, and when the "Log input" page comes within reach.

#include <cstddef>
#include <string>
#include <vector>

namespace kerolt {

const std::vector<std::string>& AssistedEntries();
const std::vector<std::string>& BandEntries();
const std::vector<std::string>& OperatorEntries();
const std::vector<std::string>& TransmitterEntries();
const std::vector<std::string>& PowerEntries();
// The first entry is the empty overlay.
const std::vector<std::string>& OverlayEntries();

// The lists that depend on the entrant's class. Only Scandinavians may pick a single band or
// an overlay, or more than one transmitter; the others get "ALL", the empty overlay and "ONE"
// as their only entries.
struct ClassChoices {
    bool Restricted = false;  // the band and overlay lists are fixed to their one entry
    std::vector<std::string> Band;
    std::vector<std::string> Overlay;
    std::vector<std::string> Transmitter;
};
ClassChoices ChoicesForClass(bool scandinavian);

// The transmitter entries for the selected operator entry: SINGLE-OP leaves only "ONE".
std::vector<std::string> TransmitterChoices(int operatorIndex);

// The "Log input" tab is shown once a contest is chosen and the callsign has at least three
// characters.
bool LogInputAvailable(int contestIndex, std::size_t callLength);

}  // namespace kerolt
