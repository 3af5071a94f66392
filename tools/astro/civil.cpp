#include "tools/astro/civil.h"

#include <cmath>

#include "tools/astro/delta_t.h"

namespace lunisol::astro {

int JdnFromCivil(int year, int month, int day) {
  // Count from March so that the leap day ends the counting year.
  const int a = (14 - month) / 12;
  const int y = year + 4800 - a;
  const int m = month + 12 * a - 3;
  return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

CivilDate CivilFromJdn(int jdn) {
  const int a = jdn + 32044;
  const int b = (4 * a + 3) / 146097;
  const int c = a - 146097 * b / 4;
  const int d = (4 * c + 3) / 1461;
  const int e = c - 1461 * d / 4;
  const int m = (5 * e + 2) / 153;
  CivilDate out;
  out.day = e - (153 * m + 2) / 5 + 1;
  out.month = m + 3 - 12 * (m / 10);
  out.year = 100 * b + d - 4800 + m / 10;
  return out;
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
