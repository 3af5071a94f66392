// Conversion and per-year recomputation over the whole range.
#include <benchmark/benchmark.h>

#include <vector>

#include "almanac/nine_stars.h"
#include "calendar/convert.h"
#include "calendar/day_tables.h"
#include "calendar/solar_terms.h"

namespace {

using namespace lunisol;

std::vector<GregorianDate> AllSolarDays() {
  std::vector<GregorianDate> days;
  for (int y = 1900; y <= 2100; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= DaysInSolarMonth(y, m); ++d) days.push_back({y, m, d});
  return days;
}

void BM_SolarToLunarEveryDay(benchmark::State& state) {
  const std::vector<GregorianDate> days = AllSolarDays();
  for (auto _ : state) {
    for (const GregorianDate& g : days) {
      CalendarDate c;
      benchmark::DoNotOptimize(SolarToLunar(g.year, g.month, g.day, c));
      benchmark::DoNotOptimize(c);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(days.size()));
}
BENCHMARK(BM_SolarToLunarEveryDay)->Unit(benchmark::kMillisecond);

void BM_LunarToSolarEveryDay(benchmark::State& state) {
  std::vector<LunarDate> lunar;
  for (const GregorianDate& g : AllSolarDays()) {
    CalendarDate c;
    if (SolarToLunar(g.year, g.month, g.day, c) < 0 || c.lunar.year >= 2100) continue;
    lunar.push_back(c.lunar);
  }
  for (auto _ : state) {
    for (const LunarDate& l : lunar) {
      CalendarDate c;
      benchmark::DoNotOptimize(LunarToSolar(l, c));
      benchmark::DoNotOptimize(c);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lunar.size()));
}
BENCHMARK(BM_LunarToSolarEveryDay)->Unit(benchmark::kMillisecond);

// What a year choice costs: 氣往亡日, December marker, nine stars, hexagrams.
void BM_YearRecomputationEveryYear(benchmark::State& state) {
  for (auto _ : state) {
    for (int y = 1900; y <= 2100; ++y) {
      benchmark::DoNotOptimize(QiWangWangDays(y));
      benchmark::DoNotOptimize(NineStarsOfYear(y));
      benchmark::DoNotOptimize(DayHexagramsOfYear(y));
    }
  }
  state.SetItemsProcessed(state.iterations() * 201);
}
BENCHMARK(BM_YearRecomputationEveryYear)->Unit(benchmark::kMillisecond);

}  // namespace
