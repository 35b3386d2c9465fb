// The log check and the call list on arbitrary file contents: findings or a refusal, never a
// fault. The same bytes serve as the log and as the list of known calls.

#include <cstddef>
#include <cstdint>
#include <string>

#include "cabrillo/LogCheck.h"
#include "common/KeroltError.h"
#include "common/TextFile.h"
#include "calls/CallList.h"
#include "tests/support/CountryLines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static kerolt::CountryTable table = kerolt::test::SyntheticCountryTable();
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const kerolt::CallList known = kerolt::CallList::FromText(text);
        const auto lines = kerolt::SplitLines(text);
        for (const kerolt::Finding& finding : kerolt::CheckCabrilloLog(lines, table, &known)) {
            // Every finding points at a line of the file.
            if (finding.Line < 1 || static_cast<std::size_t>(finding.Line) > lines.size() + 1)
                __builtin_trap();
        }
        if (!lines.empty())
            kerolt::CheckPartial(known, lines.front(), lines, 12);
    } catch (const kerolt::KeroltError&) {
    }
    return 0;
}
