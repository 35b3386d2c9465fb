#pragma once

// What the station page offers: the log's header categories with their values and which
// entrant class may choose which, and when the "Log input" page comes within reach.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kerolt {

// The single-band entry of the non-Scandinavians: 80 and 40 m.
inline constexpr std::string_view LowBandEntry = "LOW-BAND";

// The header categories of a log, in the order of the category table.
enum class Category {
    Contest,
    Assisted,
    Band,
    Mode,
    Operator,
    Power,
    Transmitter,
    Station,
    Overlay
};

struct CategoryValue {
    std::string Text;
    bool Scandinavian = true;  // open to Scandinavian entrants
    bool Others = true;        // open to the other entrants
};

struct CategoryRule {
    Category Id;
    std::string_view Tag;     // the header key without its colon: "CATEGORY-POWER"
    std::string_view Prompt;  // the list's text while no entry is chosen; empty: no list
    std::vector<CategoryValue> Values;
};

// The one table of categories, in Category order: the station page's lists, opening a log and
// the log check all take their tags, prompts and values from it.
const std::vector<CategoryRule>& CategoryTable();
const CategoryRule& CategoryOf(Category id);
// Every value's text, in table order.
const std::vector<std::string>& CategoryEntries(Category id);
// The values open to an entrant class, in table order.
std::vector<std::string> CategoryEntries(Category id, bool scandinavian);

const std::vector<std::string>& AssistedEntries();
const std::vector<std::string>& BandEntries();
const std::vector<std::string>& OperatorEntries();
const std::vector<std::string>& TransmitterEntries();
const std::vector<std::string>& PowerEntries();
// The first entry is the empty overlay.
const std::vector<std::string>& OverlayEntries();

// Whether the header takes a line for the category's value. The overlay and station lines are
// optional and most entrants have none: such a list never picked (still showing its prompt)
// gives no line, nor does an empty station value. Every other category has its line, whatever
// it shows.
bool WritesCategoryLine(Category id, std::string_view value);

// The lists that depend on the entrant's class. Only Scandinavians may pick a single band or
// an overlay, or more than one transmitter; the others get "ALL" or "LOW-BAND", the empty
// overlay and "ONE".
struct ClassChoices {
    bool Restricted = false;  // the band list starts at its first entry, the overlay is fixed
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
