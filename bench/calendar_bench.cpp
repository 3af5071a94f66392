// Conversion and per-year recomputation over the whole range.
#include <benchmark/benchmark.h>

#include <vector>

#include "almanac/nine_stars.h"
#include "calendar/convert.h"
#include "calendar/day_tables.h"
#include "calendar/solar_terms.h"

namespace {

using namespace lunisol;

std::vector<CalendarDate> AllSolarDays() {
  std::vector<CalendarDate> days;
  for (int y = 1900; y <= 2100; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= DaysInSolarMonth(y, m); ++d) {
        CalendarDate c;
        c.solarYear = y;
        c.solarMonth = m;
        c.solarDay = d;
        days.push_back(c);
      }
  return days;
}

void BM_SolarToLunarEveryDay(benchmark::State& state) {
  const std::vector<CalendarDate> days = AllSolarDays();
  for (auto _ : state) {
    for (CalendarDate c : days) {
      benchmark::DoNotOptimize(ConvertDate(c));
      benchmark::DoNotOptimize(c);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(days.size()));
}
BENCHMARK(BM_SolarToLunarEveryDay)->Unit(benchmark::kMillisecond);

void BM_LunarToSolarEveryDay(benchmark::State& state) {
  std::vector<CalendarDate> lunar;
  for (CalendarDate c : AllSolarDays()) {
    if (ConvertDate(c) < 0 || c.lunarYear >= 2100) continue;
    c.lunarToSolar = 1;
    lunar.push_back(c);
  }
  for (auto _ : state) {
    for (CalendarDate c : lunar) {
      benchmark::DoNotOptimize(ConvertDate(c));
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
      CalendarState s;
      ComputeWangwangDays(s, y);
      FindDecemberMarker(s, y);
      s.nineStarTable.fill(0);
      ComputeNineStars(s, y, 12);
      ComputeDayHexagrams(s, y);
      benchmark::DoNotOptimize(s);
    }
  }
  state.SetItemsProcessed(state.iterations() * 201);
}
BENCHMARK(BM_YearRecomputationEveryYear)->Unit(benchmark::kMillisecond);

}  // namespace
