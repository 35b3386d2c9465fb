// The Cabrillo reader on arbitrary file contents: it may refuse the file, never misbehave.

#include <cstddef>
#include <cstdint>
#include <string>

#include "cabrillo/CabrilloReader.h"
#include "cabrillo/QsoLine.h"
#include "common/KeroltError.h"
#include "common/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        // As a file is opened: decoded first (UTF-8 or Latin-1), then read.
        const kerolt::DecodedText decoded = kerolt::DecodeFileText(text);
        if (decoded.Text.size() > text.size() || (!decoded.Utf8 && decoded.Text != text))
            __builtin_trap();
        const kerolt::CabrilloFile file =
            kerolt::ReadCabrilloLog(kerolt::SplitLines(decoded.Text), "fuzz");
        // What the window relies on: every row has a number and a field in each column.
        const auto callWidth = static_cast<std::size_t>(
            kerolt::QsoField(kerolt::QsoSource::Cell, kerolt::ColCall).Width);
        for (const auto& row : file.Rows) {
            if (row[kerolt::ColRow].empty() || row[kerolt::ColCall].size() > callWidth) {
                __builtin_trap();
            }
        }
        // A next number comes from the last row (none when its number is blank).
        if (file.NyNrEdit && file.Rows.empty()) {
            __builtin_trap();
        }
        // Every QSO line after line 1 is taken or named, once.
        if (file.Rows.size() + file.NotTaken.size() + file.XQsoLines.size() +
                file.KeptHeaderLines.size() + file.NotRead.size() >
            file.Lines.size())
            __builtin_trap();
        for (const auto& notTaken : file.NotTaken) {
            if (notTaken.Line < 2 || notTaken.Line > static_cast<long>(file.Lines.size()) ||
                notTaken.Why.Empty())
                __builtin_trap();
        }
    } catch (const kerolt::KeroltError&) {
    }
    return 0;
}
