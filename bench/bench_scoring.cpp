// Re-scoring a large log: the grid runs RescoreLog every time the user leaves it.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "common/Text.h"
#include "contest/Results.h"
#include "contest/Scoring.h"
#include "tests/support/PackagedData.h"

namespace {

using namespace kerolt;
using test::MasterCalls;
using test::SkipWithoutPackagedData;

// The engine's lookups set CurrentEntity, so it needs a table of its own.
CountryTable& PackagedTable() {
    static CountryTable table = test::PackagedCountryTable();
    return table;
}

// A log of real calls spread over the five bands, with the dupes a random draw brings.
QsoLog MakeLog(int qsoCount) {
    const std::vector<std::string>& freqs = FrequencyEntries();
    const std::vector<std::string>& calls = MasterCalls();
    std::mt19937 rng(2026);
    QsoLog log;
    for (int i = 0; i < qsoCount; ++i) {
        const int row = log.QsoCounter++;
        log.AddRow();
        log.SetCell(row, ColRow, std::to_string(row));
        log.SetCell(row, ColFreq, freqs[rng() % freqs.size()]);
        log.SetCell(row, ColTime, "1234");
        log.SetCell(row, ColCall, calls[rng() % calls.size()]);
    }
    return log;
}

ContestState EntrantState(int entrantClass) {
    switch (entrantClass) {
        case 0:
            return {true, true, ScandinavianClass, ""};
        case 1:
            return {false, true, EuropeanClass, ""};
        default:
            return {false, false, DxClass, ""};
    }
}

// Argument: 0 Scandinavian, 1 European, 2 DX entrant.
void BM_RescoreLog5000(benchmark::State& bench) {
    if (SkipWithoutPackagedData(bench))
        return;
    const ContestState state = EntrantState(static_cast<int>(bench.range(0)));
    ScoringEngine engine(PackagedTable(), state);
    QsoLog log = MakeLog(5000);
    for (auto _ : bench) {
        ScoreDisplay display = engine.RescoreLog(log);
        benchmark::DoNotOptimize(display);
    }
    bench.SetItemsProcessed(bench.iterations() * 5000);
}
BENCHMARK(BM_RescoreLog5000)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The dupe check of every key release, against the stores of a 5,000-QSO log.
void BM_IsDupe(benchmark::State& bench) {
    if (SkipWithoutPackagedData(bench))
        return;
    const ContestState state = EntrantState(0);
    ScoringEngine engine(PackagedTable(), state);
    QsoLog log = MakeLog(5000);
    engine.RescoreLog(log);
    const std::vector<std::string>& calls = MasterCalls();
    std::size_t i = 0;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(engine.IsDupe(calls[i % calls.size()], Band20));
        ++i;
    }
}
BENCHMARK(BM_IsDupe);

// The results window (argument 0) and the rate line after each commit (1), for a 5,000-QSO log
// spread over the contest's 24 hours.
void BM_Results5000(benchmark::State& bench) {
    if (SkipWithoutPackagedData(bench))
        return;
    const ContestState state = EntrantState(0);
    ScoringEngine engine(PackagedTable(), state);
    QsoLog log = MakeLog(5000);
    for (int row = 1; row <= log.QsoRowCount(); ++row) {
        const int minute = (row * 24 * 60 / 5000 + 12 * 60) % (24 * 60);
        log.SetCell(row, ColTime, ZeroPadded(minute / 60 * 100 + minute % 60, 4));
    }
    engine.RescoreLog(log);
    for (auto _ : bench) {
        if (bench.range(0) == 0) {
            benchmark::DoNotOptimize(BuildResults(log, engine, "2026-09-19"));
        } else {
            benchmark::DoNotOptimize(BuildRateLine(log, "2026-09-19"));
        }
    }
}
BENCHMARK(BM_Results5000)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
