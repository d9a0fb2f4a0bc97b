// Computing one purple-star chart with its star file read from disk, as the window does for each
// birth it receives; and the four pillars of a birth. The goal: a chart in under 1 ms.
#include "suite/charts/FourPillars.h"
#include "suite/charts/PurpleStarChart.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

velmora::charts::BirthRecord birth() {
    velmora::charts::BirthRecord b{};
    b.year = 1962;
    b.month = 12;
    b.day = 31;
    b.hour = 0;
    b.minute = 5;
    b.sex = 0;
    return b;
}

void BM_PurpleStarChartWithItsFile(benchmark::State& state) {
    auto chart = std::make_unique<velmora::charts::PurpleStarChart>();
    for (auto _ : state) {
        chart->birth = birth();
        const auto outcome = velmora::charts::ComputePurpleStarChart(
            *chart, 41, CHART_DEVICE_DATA_DIR "/saotuvi.dat");
        if (outcome.starFile != velmora::files::ReadStatus::Ok || !outcome.birthValid)
            state.SkipWithError("saotuvi.dat not built");
        benchmark::DoNotOptimize(chart->palaces[0].starCount);
    }
}
BENCHMARK(BM_PurpleStarChartWithItsFile)->Unit(benchmark::kMicrosecond);

void BM_FourPillars(benchmark::State& state) {
    velmora::charts::PillarSet set;
    for (auto _ : state) {
        velmora::charts::receiveBirth(set, birth());
        benchmark::DoNotOptimize(set.years[9].index);
    }
}
BENCHMARK(BM_FourPillars)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
