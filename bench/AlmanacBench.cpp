// Composing one day's reading, star files read from disk each time as the window does.
#include "VelmoraDay.h"
#include "suite/almanac/AlmanacReading.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ComposeAlmanacReading(benchmark::State& state) {
    const LICHVELMORA rec = velmora::freshDay(26, 1, 2009);
    const velmora::almanac::StarFilePaths files{ALMANAC_DEVICE_DATA_DIR "/vansutot.dat",
                                                ALMANAC_DEVICE_DATA_DIR "/vansuxau.dat"};
    for (auto _ : state) {
        auto reading = velmora::almanac::ComposeAlmanacReading(rec, files);
        if (!reading.fileIssues.empty()) state.SkipWithError("star files not built");
        benchmark::DoNotOptimize(reading.html.data());
    }
}
BENCHMARK(BM_ComposeAlmanacReading)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
