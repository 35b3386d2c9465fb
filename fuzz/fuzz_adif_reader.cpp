// The ADIF reader and the import on arbitrary file contents: they may refuse the file, never
// misbehave.

#include <cstddef>
#include <cstdint>
#include <string>

#include "adif/AdifImport.h"
#include "common/KeroltError.h"
#include "contest/LogEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const kerolt::AdifImport import =
            kerolt::ImportAdif(kerolt::ReadAdif(text, "fuzz"), kerolt::StationData{});
        // What the window relies on: taken QSOs come with their contest date, numbered 1..N,
        // each on a contest band at a time of the clock, which the next QSO typed goes on from.
        const auto& rows = import.File.Rows;
        if (rows.empty() == import.File.ContestDate.has_value())
            __builtin_trap();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i][kerolt::ColRow] != std::to_string(i + 1) ||
                kerolt::BandFromFrequency(rows[i][kerolt::ColFreq]) == kerolt::NoBand ||
                !kerolt::IsValidTime(rows[i][kerolt::ColTime]))
                __builtin_trap();
        }
    } catch (const kerolt::KeroltError&) {
    }
    return 0;
}
