// The lunisolar calendar worked out from new moons and solar terms, with days
// counted on the UTC+8 clock.
#pragma once

#include <array>
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

// A new moon whose UTC+8 time lies so close to midnight that the short lunar
// series cannot be trusted with the day; such moons are settled with ELP.
struct CloseNewMoon {
  LocalInstant shortSeries;  // ERFA Moon98
  LocalInstant fine;         // ELP 2000-82B, the one used
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

// New moons within this many minutes of UTC+8 midnight by the short series
// are recomputed with ELP. The two theories differ by a few seconds, so the
// margin is generous on purpose.
inline constexpr int kRefineWindowMinutes = 10;

// Builds the months between the 冬至 months of terms.firstYear and
// terms.lastYear. The month holding 冬至 is month 11; a span from one such
// month to the next that holds 13 new moons gets one leap month, the first
// month in it that holds no principal term (中氣, odd term index), which
// repeats the number of the month before it. Throws std::runtime_error when
// the astronomy gives something a lunisolar calendar cannot be built from.
LunarCalendar ComputeLunarCalendar(const SolarTermYears& terms);

// A lunar year, numbered by the Gregorian year in which its month 1 day 1
// falls.
struct LunarYear {
  int year;
  int newYearJdn;
  int leapMonth;            // 0 = none, else the month the leap month follows
  std::vector<int> lengths;  // calendar order, leap month in its place
};

// The complete lunar years contained in the calendar.
std::vector<LunarYear> SplitLunarYears(const LunarCalendar& calendar);

}  // namespace lunisol::astro
