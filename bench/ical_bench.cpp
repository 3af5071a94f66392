// The iCalendar export: collecting the events and writing them with libical,
// for one year as a reader exports it and for the whole range with every
// part. The byte counters give the file sizes.
#include <benchmark/benchmark.h>

#include "ical/calendar_events.h"
#include "ical/day_advice.h"
#include "ical/ical_writer.h"

namespace {

using namespace lunisol;

constexpr CalendarParts kEveryPart{CalendarPart::kTerms, CalendarPart::kFestivals, CalendarPart::kDeities,
                                   CalendarPart::kLunar, CalendarPart::kPhases,    CalendarPart::kYiJi};

const DayAdviceSource& Advice() {
  static const DayAdviceSource advice = RuleBookAdvice();
  return advice;
}

void BM_CollectEveryPart_1900_2100(benchmark::State& state) {
  const CalendarRequest request{1900, 2100, kEveryPart, &Advice()};
  size_t events = 0;
  for (auto _ : state) {
    const auto collected = CollectCalendarEvents(request);
    events = collected.size();
    benchmark::DoNotOptimize(collected.data());
  }
  state.counters["events"] = static_cast<double>(events);
}
BENCHMARK(BM_CollectEveryPart_1900_2100)->Unit(benchmark::kMillisecond);

// Builds the whole file of `request`, as lunisol-cli ical writes it.
void Export(benchmark::State& state, const CalendarRequest& request) {
  size_t bytes = 0;
  for (auto _ : state) {
    const std::string text = MakeICalendar(request);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}

void BM_ExportEveryPart_1900_2100(benchmark::State& state) { Export(state, {1900, 2100, kEveryPart, &Advice()}); }
BENCHMARK(BM_ExportEveryPart_1900_2100)->Unit(benchmark::kMillisecond);

// One year: the default parts, then with the lunar dates, then everything.
void BM_ExportYear(benchmark::State& state, CalendarParts parts) { Export(state, {2026, 2026, parts, &Advice()}); }
BENCHMARK_CAPTURE(BM_ExportYear, default_2026, kDefaultCalendarParts)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ExportYear, with_lunar_2026,
                  CalendarParts{CalendarPart::kTerms, CalendarPart::kFestivals, CalendarPart::kLunar})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ExportYear, every_part_2026, kEveryPart)->Unit(benchmark::kMicrosecond);

}  // namespace
