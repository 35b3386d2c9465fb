// Loading the packaged country file, and looking up every call of the callsign list through
// the index and through the walk over the whole prefix list.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "common/TextFile.h"
#include "country/CTY.h"
#include "tests/support/PackagedData.h"

namespace {

using kerolt::CountryTable;
using kerolt::test::PackagedCountryFile;
using kerolt::test::SkipWithoutPackagedData;

const CountryTable& Packaged() {
    return kerolt::test::PackagedCountryTable();
}

// The calls as the lookup sees them: normalised once, so only the search is timed.
const std::vector<std::string>& Calls() {
    static const std::vector<std::string> calls = [] {
        std::vector<std::string> result;
        for (const auto& call : kerolt::test::MasterCalls())
            result.push_back(kerolt::NormalizePortableCall(call));
        return result;
    }();
    return calls;
}

// Time per item, next to the time per iteration.
void PerItem(benchmark::State& state, std::size_t items) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * items));
    state.counters["per_item"] = benchmark::Counter(
        static_cast<double>(items),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_FromLines(benchmark::State& state) {
    if (SkipWithoutPackagedData(state))
        return;
    const auto lines = kerolt::ReadLines(PackagedCountryFile);
    for (auto _ : state) {
        CountryTable table = CountryTable::FromLines(lines);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_FromLines)->Unit(benchmark::kMillisecond);

// The whole start-up load: finding the file, reading it, building the table and its index.
void BM_LoadCountryTable(benchmark::State& state) {
    if (SkipWithoutPackagedData(state))
        return;
    const std::string folder = std::filesystem::path(PackagedCountryFile).parent_path().string();
    for (auto _ : state) {
        CountryTable table = kerolt::LoadCountryTable(folder);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_LoadCountryTable)->Unit(benchmark::kMillisecond);

void BM_FindIndex(benchmark::State& state) {
    if (SkipWithoutPackagedData(state))
        return;
    const CountryTable& table = Packaged();
    const auto& calls = Calls();
    for (auto _ : state) {
        for (const auto& c : calls) benchmark::DoNotOptimize(&table.Find(c));
    }
    PerItem(state, calls.size());
}
BENCHMARK(BM_FindIndex)->Unit(benchmark::kMillisecond);

void BM_FindByWalk(benchmark::State& state) {
    if (SkipWithoutPackagedData(state))
        return;
    const CountryTable& table = Packaged();
    const auto& calls = Calls();
    for (auto _ : state) {
        for (const auto& c : calls) benchmark::DoNotOptimize(&table.FindByWalk(c));
    }
    PerItem(state, calls.size());
}
BENCHMARK(BM_FindByWalk)->Unit(benchmark::kMillisecond);

// What a key release in the call field costs: normalising, the index, the copy to
// CurrentEntity.
void BM_PrefixOf(benchmark::State& state) {
    if (SkipWithoutPackagedData(state))
        return;
    CountryTable table = Packaged();
    const auto& calls = Calls();
    for (auto _ : state) {
        for (const auto& c : calls) benchmark::DoNotOptimize(table.PrefixOf(c));
    }
    PerItem(state, calls.size());
}
BENCHMARK(BM_PrefixOf)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
