#pragma once

// The "Mult List" page: the worked multipliers as one sorted list per band, and the text file
// that lays those lists out side by side.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "contest/ContestRules.h"
#include "contest/Scoring.h"

namespace kerolt {

// One list of item texts per band, 80 m first.
using BandLists = std::array<std::vector<std::string>, BandCount>;

// "%-3s %d": the multiplier filled with blanks to 3 characters (never cut), a blank, the count.
std::string MultListItem(const MultEntry& entry);

// The items of the table's entries of bands 80 m to 10 m, each list sorted on its own in
// ascending text order; entries of no band are left out.
BandLists BuildMultLists(const std::vector<MultEntry>& multTable);

// The lines of the mult list file: the title with the callsign as typed, two heading lines,
// then rows of five 8-character cells up to and including the first all-blank row.
std::vector<std::string> MultListFileLines(std::string_view call, const BandLists& lists);

}  // namespace kerolt
