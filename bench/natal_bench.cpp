// One natal chart, as the page computes it on every change of the date bar,
// over births spread across the whole range so that no one date's path is
// measured alone.
#include <benchmark/benchmark.h>

#include <vector>

#include "natal/chart.h"

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
  const SolarDate today{2025, 6, 1};
  size_t i = 0;
  for (auto _ : state) {
    std::optional<NatalChart> chart = ComputeChart(births[i], today);
    benchmark::DoNotOptimize(chart);
    i = (i + 1) % births.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ComputeChart)->Unit(benchmark::kMicrosecond);

}  // namespace
