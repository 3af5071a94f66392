// Month evaluation over all 2,412 months of the range.
#include <benchmark/benchmark.h>

#include <vector>

#include "almanac/month.h"
#include "almanac/year_data.h"

namespace {

using namespace lunisol;

void BM_BuildYearData(benchmark::State& state) {
  for (auto _ : state) {
    for (int y = 1900; y <= 2100; ++y) {
      YearData data;
      LoadYearData(data, y);
      benchmark::DoNotOptimize(data);
    }
  }
  state.SetItemsProcessed(state.iterations() * 201);
}
BENCHMARK(BM_BuildYearData)->Unit(benchmark::kMillisecond);

void BM_EvaluateEveryMonth(benchmark::State& state) {
  std::vector<YearData> years(201);
  for (int y = 1900; y <= 2100; ++y) LoadYearData(years[static_cast<size_t>(y - 1900)], y);
  for (auto _ : state) {
    for (int y = 1900; y <= 2100; ++y)
      for (int m = 1; m <= 12; ++m) {
        MonthTermState terms;
        benchmark::DoNotOptimize(EvaluateMonth(y, m, years[static_cast<size_t>(y - 1900)], terms));
      }
  }
  state.SetItemsProcessed(state.iterations() * 2412);
}
BENCHMARK(BM_EvaluateEveryMonth)->Unit(benchmark::kMillisecond);

}  // namespace
