// The checks on a call while it is typed, and the log check before submission, over the real
// callsign list and country file.

#include <benchmark/benchmark.h>

#include <random>

#include "cabrillo/CabrilloWriter.h"
#include "cabrillo/LogCheck.h"
#include "calls/CallList.h"
#include "tests/support/PackagedData.h"

namespace kerolt {
namespace {

const CallList& Known() {
    static const CallList list = LoadCallList(test::PackagedCallList);
    return list;
}

// A few hundred calls already in the log, as in a busy contest.
std::vector<std::string> LogCalls(std::size_t n) {
    std::vector<std::string> calls;
    std::mt19937 rng(2);
    for (std::size_t i = 0; i < n && Known().Size() > 0; ++i)
        calls.emplace_back(Known().At(rng() % Known().Size()));
    return calls;
}

void BM_LoadCallList(benchmark::State& state) {
    if (test::SkipWithoutPackagedData(state))
        return;
    for (auto _ : state) benchmark::DoNotOptimize(LoadCallList(test::PackagedCallList));
}
BENCHMARK(BM_LoadCallList)->Unit(benchmark::kMillisecond);

// One key release: from the 2-character start, where most calls match, to a whole call, where
// the one-away neighbours are looked up too.
void BM_CheckPartial(benchmark::State& state) {
    const char* typed[] = {"SM", "DL1", "OH2B", "K1ZZ", "SM5QQX", "9A1A"};
    if (test::SkipWithoutPackagedData(state))
        return;
    const std::string text = typed[state.range(0)];
    const std::vector<std::string> logCalls = LogCalls(500);
    Known();
    for (auto _ : state) benchmark::DoNotOptimize(CheckPartial(Known(), text, logCalls, 12));
    state.SetLabel(text);
}
BENCHMARK(BM_CheckPartial)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

std::vector<std::string> ThousandQsoLog() {
    const std::vector<std::string> calls = LogCalls(1000);
    const char* bands[] = {" 3500", " 7000", "14000", "21000", "28000"};
    std::mt19937 rng(1);
    QsoLog log;
    log.SetRowCount(static_cast<int>(calls.size()) + 2);
    for (int r = 1; r <= static_cast<int>(calls.size()); ++r) {
        char time[5];
        const int minutes =
            (12 * 60 + (r - 1) * 24 * 60 / static_cast<int>(calls.size())) % (24 * 60);
        std::snprintf(time, sizeof time, "%02d%02d", minutes / 60, minutes % 60);
        log.SetCell(r, ColRow, std::to_string(r));
        log.SetCell(r, ColFreq, bands[rng() % 5]);
        log.SetCell(r, ColTime, time);
        log.SetCell(r, ColRstSent, "599");
        log.SetCell(r, ColNrSent, std::to_string(r));
        log.SetCell(r, ColCall, calls[static_cast<std::size_t>(r - 1)]);
        log.SetCell(r, ColRstRcvd, "599");
        log.SetCell(r, ColNrRcvd, std::to_string(1 + rng() % 2000));
    }
    StationData station;
    station.CallEdit = "SM5QQQ";
    station.ContestIndex = SacCw;
    station.ContestBox = "SAC-CW";
    station.AssistedComboBox = "NON-ASSISTED";
    station.BandComboBox = "ALL";
    station.OperatorComboBox = "SINGLE-OP";
    station.PowerComboBox = "LOW";
    station.TransmitterComboBox = "ONE";
    return BuildCabrilloLog(station, log, "2019-09-21");
}

void BM_CheckCabrilloLog(benchmark::State& state) {
    if (test::SkipWithoutPackagedData(state))
        return;
    CountryTable table = test::PackagedCountryTable();
    const std::vector<std::string> lines = ThousandQsoLog();
    std::size_t findings = 0;
    for (auto _ : state) {
        const std::vector<Finding> f = CheckCabrilloLog(lines, table, &Known());
        findings = f.size();
        benchmark::DoNotOptimize(f);
    }
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_CheckCabrilloLog)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kerolt

BENCHMARK_MAIN();
