// The day's spirits and 宜/忌 for every day of 1900–2100.
#include <benchmark/benchmark.h>

#include <vector>

#include "calendar/convert.h"
#include "days/almanac_list.h"
#include "days/day_finder.h"
#include "days/day_lists.h"

namespace {

using namespace lunisol;

struct Date {
  int year, month, day;
};

std::vector<Date> EveryDay() {
  std::vector<Date> days;
  for (int y = 1900; y <= 2100; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= DaysInSolarMonth(y, m); ++d) days.push_back({y, m, d});
  return days;
}

void BM_DayLists(benchmark::State& state) {
  const std::vector<Date> days = EveryDay();
  DayLists lists;
  EvaluateDayLists(2000, 1, 1, lists);  // reads the rule tables once, outside the timing
  for (auto _ : state) {
    for (const Date& d : days) {
      EvaluateDayLists(d.year, d.month, d.day, lists);
      benchmark::DoNotOptimize(lists);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(days.size()));
  state.counters["ns/day"] = benchmark::Counter(static_cast<double>(state.iterations() * days.size()),
                                                benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DayLists)->Unit(benchmark::kMillisecond);

// The same with the almanac list built over each day's book record: the
// difference of the two per day is what the almanac list costs.
void BM_DayListsWithAlmanac(benchmark::State& state) {
  const std::vector<Date> days = EveryDay();
  DayLists lists;
  AlmanacList almanac;
  EvaluateDayLists(2000, 1, 1, lists);
  BuildAlmanacList(lists, almanac);  // reads its tables once, outside the timing
  for (auto _ : state) {
    for (const Date& d : days) {
      EvaluateDayLists(d.year, d.month, d.day, lists);
      BuildAlmanacList(lists, almanac);
      benchmark::DoNotOptimize(almanac);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(days.size()));
  state.counters["ns/day"] = benchmark::Counter(static_cast<double>(state.iterations() * days.size()),
                                                benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_DayListsWithAlmanac)->Unit(benchmark::kMillisecond);

// The same through the by-value call a view makes for one day.
void BM_DayListsByValue(benchmark::State& state) {
  const std::vector<Date> days = EveryDay();
  EvaluateDayLists(2000, 1, 1);
  for (auto _ : state)
    for (const Date& d : days) benchmark::DoNotOptimize(EvaluateDayLists(d.year, d.month, d.day));
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(days.size()));
}
BENCHMARK(BM_DayListsByValue)->Unit(benchmark::kMillisecond);

// The day finder over ten years, the longest search it takes.
void BM_ChooseTenYears(benchmark::State& state) {
  const ChooseTarget marry = *ChooseTargetByName(u"嫁娶");
  std::vector<ChosenDay> days;
  for (auto _ : state) {
    ChooseDays({marry, 2026, 1, 1, 2035, 12, 31, {BirthAnimal(1990, 1, 20), BirthAnimal(1992, 6, 1)}}, days);
    benchmark::DoNotOptimize(days);
  }
  state.counters["days"] = static_cast<double>(days.size());
}
BENCHMARK(BM_ChooseTenYears)->Unit(benchmark::kMillisecond);

}  // namespace
