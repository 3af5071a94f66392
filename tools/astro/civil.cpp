#include "tools/astro/civil.h"

#include <cmath>

#include "calendar/vocabulary.h"
#include "tools/astro/delta_t.h"

namespace lunisol::astro {

// The calendar's one day count, moved to the Julian day numbers: day 0 of
// CivilDayNumber is 1970-01-01, JDN 2440588.
constexpr int kJdnOfDayZero = 2440588;

int JdnFromCivil(int year, int month, int day) { return CivilDayNumber(year, month, day) + kJdnOfDayZero; }

CivilDate CivilFromJdn(int jdn) {
  const GregorianDate d = lunisol::CivilDate(jdn - kJdnOfDayZero);
  return CivilDate{d.year, d.month, d.day};
}

int JdnOfJulianDate(double jd) { return static_cast<int>(std::floor(jd + 0.5)); }

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInYear(int year) { return IsLeapYear(year) ? 366 : 365; }

LocalInstant LocalInstantOfTT(double jdTT, int utcOffsetSeconds) {
  const double deltaT = DeltaTForJulianDate(jdTT);
  // Keep the day and its fraction apart so that the fraction keeps its
  // precision (a whole Julian date in a double resolves only ~40 us).
  const double shifted = jdTT + 0.5 + utcOffsetSeconds / 86400.0;
  double dayPart = std::floor(shifted);
  double seconds = (shifted - dayPart) * 86400.0 - deltaT;
  while (seconds < 0.0) {
    seconds += 86400.0;
    dayPart -= 1.0;
  }
  while (seconds >= 86400.0) {
    seconds -= 86400.0;
    dayPart += 1.0;
  }
  return LocalInstant{static_cast<int>(dayPart), seconds};
}

LocalMinute LocalMinuteOfTT(double jdTT, int utcOffsetSeconds) {
  const LocalInstant t = LocalInstantOfTT(jdTT, utcOffsetSeconds);
  return LocalMinute{t.jdn, static_cast<int>(std::floor(t.secondOfDay / 60.0))};
}

}  // namespace lunisol::astro
