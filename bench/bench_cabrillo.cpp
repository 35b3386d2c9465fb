// Building the Cabrillo text of a 10,000-QSO log, and reading such a file back into values;
// the same log exported as ADIF and imported again.

#include <benchmark/benchmark.h>

#include <random>

#include "adif/AdifImport.h"
#include "adif/AdifWriter.h"
#include "cabrillo/CabrilloReader.h"
#include "cabrillo/CabrilloWriter.h"
#include "common/TextFile.h"
#include "tests/support/PackagedData.h"

namespace kerolt {
namespace {

constexpr int QsoCount = 10000;

StationData Station() {
    StationData s;
    s.CallEdit = "SM5QQQ";
    s.ContestIndex = SacCw;
    s.ContestBox = ContestEntries()[SacCw];
    s.AssistedComboBox = "NON-ASSISTED";
    s.BandComboBox = "ALL";
    s.OperatorComboBox = "SINGLE-OP";
    s.PowerComboBox = "LOW";
    s.TransmitterComboBox = "ONE";
    s.EmailEdit = "sm5qqq@example.org";
    s.OperatorsEdit = "SM5QQQ";
    s.ClamedScoreEdit = "123456";
    s.NameEdit = "Sven Svensson";
    s.AdrEdit1 = "Storgatan 1";
    s.AdrEdit2 = "123 45 Stad";
    s.AdrEdit3 = "Sweden";
    s.ClubEdit = "SK0QQ";
    s.Memo1 = {"Fine conditions on 20 m.", "73"};
    return s;
}

const QsoLog& Log() {
    static const QsoLog log = [] {
        const std::vector<std::string>& calls = test::MasterCalls();
        const std::vector<std::string>& bands = FrequencyEntries();
        std::mt19937 rng(1);
        QsoLog l;
        l.SetRowCount(QsoCount + 2);
        for (int r = 1; r <= QsoCount; ++r) {
            char time[5];
            const int minutes = (12 * 60 + r * 24 * 60 / QsoCount) % (24 * 60);
            std::snprintf(time, sizeof time, "%02d%02d", minutes / 60, minutes % 60);
            l.SetCell(r, ColRow, std::to_string(r));
            l.SetCell(r, ColFreq, bands[rng() % bands.size()]);
            l.SetCell(r, ColTime, time);
            l.SetCell(r, ColRstSent, "599");
            l.SetCell(r, ColNrSent, std::to_string(r));
            l.SetCell(r, ColCall, calls[rng() % calls.size()]);
            l.SetCell(r, ColRstRcvd, "599");
            l.SetCell(r, ColNrRcvd, std::to_string(1 + rng() % 2000));
        }
        l.QsoCounter = QsoCount + 1;
        return l;
    }();
    return log;
}

void BM_BuildCabrilloLog(benchmark::State& state) {
    if (test::SkipWithoutPackagedData(state))
        return;
    const StationData station = Station();
    const QsoLog& log = Log();
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildCabrilloLog(station, log, "2019-09-21"));
    }
}
BENCHMARK(BM_BuildCabrilloLog)->Unit(benchmark::kMillisecond);

// The lines as the file gives them; the copy the reader takes over is part of the work.
void BM_ReadCabrilloLog(benchmark::State& state) {
    if (test::SkipWithoutPackagedData(state))
        return;
    const std::vector<std::string> lines = BuildCabrilloLog(Station(), Log(), "2019-09-21");
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadCabrilloLog(lines, "bench.log"));
    }
}
BENCHMARK(BM_ReadCabrilloLog)->Unit(benchmark::kMillisecond);

// From the file's bytes: splitting into lines, then reading.
void BM_SplitAndReadCabrilloLog(benchmark::State& state) {
    if (test::SkipWithoutPackagedData(state))
        return;
    std::string text;
    for (const auto& line : BuildCabrilloLog(Station(), Log(), "2019-09-21")) {
        text += line + "\r\n";
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadCabrilloLog(SplitLines(text), "bench.log"));
    }
}
BENCHMARK(BM_SplitAndReadCabrilloLog)->Unit(benchmark::kMillisecond);

void BM_ExportAdif(benchmark::State& state) {
    if (test::SkipWithoutPackagedData(state))
        return;
    const StationData station = Station();
    const QsoLog& log = Log();
    for (auto _ : state) {
        benchmark::DoNotOptimize(BuildAdifLog(station, log, "2019-09-21", {}).Lines);
    }
}
BENCHMARK(BM_ExportAdif)->Unit(benchmark::kMillisecond);

// From the file's bytes to the rows an Open would apply.
void BM_ImportAdif(benchmark::State& state) {
    if (test::SkipWithoutPackagedData(state))
        return;
    std::string text;
    for (const auto& line : BuildAdifLog(Station(), Log(), "2019-09-21", {}).Lines)
        text += line + "\r\n";
    for (auto _ : state) {
        const AdifImport import = ImportAdif(ReadAdif(text, "bench.adi"), StationData{});
        if (import.File.Rows.size() != QsoCount)
            state.SkipWithError("QSOs not taken");
        benchmark::DoNotOptimize(import);
    }
}
BENCHMARK(BM_ImportAdif)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kerolt

BENCHMARK_MAIN();
