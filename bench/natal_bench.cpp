// One natal chart and its reading in time, as the page computes them on
// every change of the date bar, over births spread across the whole range
// so that no one date's path is measured alone; and the reading alone, as a
// change of the time bar computes it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "natal/chart.h"
#include "natal/horoscope.h"

namespace {

using namespace lunisol;

std::vector<Birth> SpreadBirths() {
  std::vector<Birth> births;
  for (int y = 1900; y <= 2100; y += 7)
    for (int m = 1; m <= 12; m += 5)
      for (int d = 1; d <= 28; d += 9) births.push_back({y, m, d, (y + m + d) % 12, d % 2 ? Sex::kMale : Sex::kFemale});
  return births;
}

void BM_ComputeChart(benchmark::State& state) {
  const std::vector<Birth> births = SpreadBirths();
  size_t i = 0;
  for (auto _ : state) {
    std::optional<NatalChart> chart = ComputeChart(births[i]);
    benchmark::DoNotOptimize(chart);
    i = (i + 1) % births.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeChart)->Unit(benchmark::kMicrosecond);

// The chart with its horoscope on a date within the births' lifetimes.
void BM_ComputeChartWithHoroscope(benchmark::State& state) {
  const std::vector<Birth> births = SpreadBirths();
  size_t i = 0;
  for (auto _ : state) {
    const Birth& b = births[i];
    std::optional<NatalChart> chart = ComputeChart(b);
    std::optional<Horoscope> h = ComputeHoroscope(*chart, {std::min(b.year + 40, 2100), 6, 1});
    benchmark::DoNotOptimize(chart);
    benchmark::DoNotOptimize(h);
    i = (i + 1) % births.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeChartWithHoroscope)->Unit(benchmark::kMicrosecond);

void BM_ComputeHoroscope(benchmark::State& state) {
  const NatalChart chart = *ComputeChart({2000, 8, 16, 2, Sex::kFemale});
  int n = 0;
  for (auto _ : state) {
    std::optional<Horoscope> h = ComputeHoroscope(chart, {2001 + n++ % 99, 1 + n % 12, 1 + n % 28});
    benchmark::DoNotOptimize(h);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeHoroscope)->Unit(benchmark::kMicrosecond);

}  // namespace
