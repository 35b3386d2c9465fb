// The country-file loader on arbitrary text, then lookups of calls taken from that text:
// nothing may read past a line or crash, and the index must agree with the walk.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/TextFile.h"
#include "country/CTY.h"

namespace {

void Check(kerolt::CountryTable& table, const std::string& call) {
    // The call as the lookup reads it: a location suffix first, then a portable suffix.
    const std::string c = kerolt::NormalizePortableCall(table.LocationCall(call));
    if (&table.Find(c) != &table.FindByWalk(c))
        std::abort();
    const kerolt::EntityRecord before = table.CurrentEntity();
    const std::string prefix = table.PrefixOf(call);
    const std::string continent = table.ContinentOf(call);
    if (call.empty()) {
        if (prefix != "-" || !continent.empty() || table.CurrentEntity() != before)
            std::abort();
    } else if (table.CurrentEntity() != table.Find(c) ||
               prefix != table.CurrentEntity().PrimaryPrefix ||
               continent != table.CurrentEntity().Continent) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto lines = kerolt::SplitLines(text);
    kerolt::CountryTable table = kerolt::CountryTable::FromLines(lines);

    // Calls that hit the table: its own prefix texts, with something after them and cut
    // short, and the beginnings of the input's lines.
    int checked = 0;
    for (const auto& e : table.Prefixes()) {
        if (++checked > 16)
            break;
        Check(table, e.Text);
        Check(table, e.Text + "1AB/7");
        Check(table, e.Text.substr(0, e.Text.size() / 2));
    }
    for (std::size_t i = 0; i < lines.size() && i < 8; ++i) Check(table, lines[i].substr(0, 14));
    Check(table, "");
    return 0;
}
