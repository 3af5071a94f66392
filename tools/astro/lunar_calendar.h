// The lunisolar calendar worked out from new moons and solar terms. Days are
// counted on the UTC+8 clock, except the day of a new moon before 1929, which
// the calendar then in force reckoned in Beijing mean time.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "tools/astro/civil.h"

namespace lunisol::astro {

// Term moments (TT) of consecutive Gregorian years; row i is year first + i.
struct SolarTermYears {
  int firstYear = 0;
  std::vector<std::array<double, 24>> moments;

  int lastYear() const { return firstYear + static_cast<int>(moments.size()) - 1; }
  double moment(int year, int term) const { return moments.at(year - firstYear).at(term); }
};

SolarTermYears ComputeSolarTerms(int firstYear, int lastYear);

// The clock on which the day of the new moon at jdTT is reckoned: Beijing
// mean time before 1 January of kFirstYearOnUtc8, UTC+8 from then on, when
// China's standard time replaced the meridian of Beijing for the calendar as
// well.
inline constexpr int kFirstYearOnUtc8 = 1929;
int DayClockOfNewMoon(double jdTT);

// A new moon so close to midnight that the short lunar series cannot be
// trusted with the day; such moons are settled with ELP. Before 1929 this
// also takes in those close to UTC+8 midnight, where the two clocks can name
// different days.
struct CloseNewMoon {
  LocalInstant shortSeries;  // ERFA Moon98, UTC+8
  LocalInstant fine;         // ELP 2000-82B, UTC+8: the moment used
  LocalInstant fineBeijing;  // the same moment in Beijing mean time
  int clock;                 // the clock that decides the day (DayClockOfNewMoon)
  int shortSeriesDay;        // the day Moon98 alone gives on that clock
  int day() const { return clock == kUtc8Seconds ? fine.jdn : fineBeijing.jdn; }
};

// A month that the calendar in force began on another day than our
// reckoning gives. Users compare with that calendar, so its day is kept.
struct MonthStartException {
  int reckonedJdn;   // the day of the new moon by our reckoning
  int publishedJdn;  // the day the published calendar begins the month
  std::string source;
};

struct LunarMonth {
  int startJdn;  // UTC+8 civil day of the new moon
  int length;    // 29 or 30
  int number;    // 1..12
  bool leap;     // repeats the number of the month before it
};

struct LunarCalendar {
  // Consecutive months, from the month holding the winter solstice (冬至) of
  // the first year to the last month before the one holding the solstice of
  // the last year.
  std::vector<LunarMonth> months;
  std::vector<CloseNewMoon> closeNewMoons;
};

// New moons within this many minutes of midnight by the short series are
// recomputed with ELP. The two theories differ by a few seconds, so the
// margin is generous on purpose.
inline constexpr int kRefineWindowMinutes = 10;

// Builds the months between the 冬至 months of terms.firstYear and
// terms.lastYear. The month holding 冬至 is month 11; a span from one such
// month to the next that holds 13 new moons gets one leap month, the first
// month in it that holds no principal term (中氣, odd term index), which
// repeats the number of the month before it. Term days are UTC+8 days, as the
// almanac prints them. A month whose reckoned first day is listed in
// `exceptions` begins on the published day instead. Throws
// std::runtime_error when the astronomy gives something a lunisolar calendar
// cannot be built from, or when an exception names no reckoned new moon of
// the range (a stale exception must not go unnoticed).
LunarCalendar ComputeLunarCalendar(const SolarTermYears& terms,
                                   const std::vector<MonthStartException>& exceptions = {});

// A lunar year, numbered by the Gregorian year in which its month 1 day 1
// falls.
struct LunarYear {
  int year;
  int newYearJdn;
  int leapMonth;             // 0 = none, else the month the leap month follows
  std::vector<int> lengths;  // calendar order, leap month in its place
};

// The complete lunar years contained in the calendar.
std::vector<LunarYear> SplitLunarYears(const LunarCalendar& calendar);

}  // namespace lunisol::astro
