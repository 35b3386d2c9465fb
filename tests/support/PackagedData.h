#pragma once

// The packaged country file and callsign list (the hamradio-files package), loaded once for
// the tests and the benchmarks that use real data. Where either file is missing, a test is
// skipped and a benchmark reports a skip, with the same message.

#include <filesystem>
#include <string>
#include <vector>

#include "common/Text.h"
#include "common/TextFile.h"
#include "country/CTY.h"

namespace kerolt::test {

inline constexpr const char* PackagedCountryFile = KEROLT_PACKAGED_CTY;
inline constexpr const char* PackagedCallList = KEROLT_MASTER_SCP;

// Empty when both files are there, else the message that a skip gives.
inline std::string MissingPackagedData() {
    for (const char* file : {PackagedCountryFile, PackagedCallList}) {
        if (!std::filesystem::exists(file))
            return std::string("packaged data missing: ") + file;
    }
    return {};
}

inline const CountryTable& PackagedCountryTable() {
    static const CountryTable table = LoadCountryFile(PackagedCountryFile);
    return table;
}

// The calls of the callsign list in file order: trimmed, without comments and blank lines.
inline const std::vector<std::string>& MasterCalls() {
    static const std::vector<std::string> calls = [] {
        std::vector<std::string> result;
        for (const std::string& line : ReadLines(PackagedCallList)) {
            std::string call = Trim(line);
            if (!call.empty() && call[0] != '#')
                result.push_back(std::move(call));
        }
        return result;
    }();
    return calls;
}

// For a benchmark: true (and the benchmark reports the skip) when the data are missing.
template <class BenchmarkState>
bool SkipWithoutPackagedData(BenchmarkState& state) {
    const std::string missing = MissingPackagedData();
    if (!missing.empty())
        state.SkipWithError(missing.c_str());
    return !missing.empty();
}

}  // namespace kerolt::test

// For a test: skips it when the data are missing.
#define KEROLT_SKIP_WITHOUT_PACKAGED_DATA()                                                  \
    if (const std::string missing = ::kerolt::test::MissingPackagedData(); !missing.empty()) \
    GTEST_SKIP() << missing
