// Costs of the library calls the programs make: a fresh conversion, a day step, a
// year stepped day by day, a lunar-to-solar call, and rise and set times.
#include "VelmoraDay.h"
#include "VelmoraLib.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

LICHVELMORA freshRecord(int day, int month, int year) {
    return velmora::freshDay(day, month, year, 10);
}

// A fresh record; args: day, month. June reads one month table, January two
// (the day lies before lunar new year).
void BM_FreshConversion(benchmark::State& state) {
    const int day = static_cast<int>(state.range(0)), month = static_cast<int>(state.range(1));
    for (auto _ : state) {
        LICHVELMORA rec = freshRecord(day, month, 2009);
        benchmark::DoNotOptimize(rec);
    }
}
BENCHMARK(BM_FreshConversion)->Args({15, 6})->Args({20, 1})->Unit(benchmark::kMicrosecond);

void BM_DayStep(benchmark::State& state) {
    LICHVELMORA rec = freshRecord(1, 6, 2009);
    for (auto _ : state) {
        rec.nNgay = rec.nNgay % 28 + 1;
        DoiAmDuong(&rec, DAD_DUONG | DAD_NGAY);
        benchmark::DoNotOptimize(rec);
    }
}
BENCHMARK(BM_DayStep)->Unit(benchmark::kMicrosecond);

// Every day of a year, with 0x48 inside a month and 0xC0 across months and years.
void BM_StepThroughAYear(benchmark::State& state) {
    for (auto _ : state) {
        LICHVELMORA rec = freshRecord(1, 1, 2009);
        for (int i = 1; i < 365; ++i) {
            if (rec.nNgay < rec.nSoNgay) {
                rec.nNgay += 1;
                DoiAmDuong(&rec, DAD_DUONG | DAD_NGAY);
            } else {
                rec.nJD += 1;
                DoiAmDuong(&rec, DAD_JD | DAD_DUONG);
            }
        }
        benchmark::DoNotOptimize(rec);
    }
}
BENCHMARK(BM_StepThroughAYear)->Unit(benchmark::kMicrosecond);

void BM_LunarToSolar(benchmark::State& state) {
    LICHVELMORA rec = freshRecord(1, 6, 2009);
    int day = 1;
    for (auto _ : state) {
        rec.nNgayAm = day;
        day = day % 29 + 1;
        DoiAmDuong(&rec, DAD_NGAY);
        benchmark::DoNotOptimize(rec);
    }
}
BENCHMARK(BM_LunarToSolar)->Unit(benchmark::kMicrosecond);

// Rise and set at Hà Nội; arg: body (1 Sun, 2 Moon).
void BM_RiseSet(benchmark::State& state) {
    const int body = static_cast<int>(state.range(0));
    int day = 1;
    for (auto _ : state) {
        double rise, set;
        GetRiseSet(day, 3, 2009, 21.3, 105.85, 7, body, &rise, &set);
        day = day % 31 + 1;
        benchmark::DoNotOptimize(rise);
        benchmark::DoNotOptimize(set);
    }
}
BENCHMARK(BM_RiseSet)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
