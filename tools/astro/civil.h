// Gregorian calendar arithmetic on Julian day numbers, and the conversion of
// an instant in Terrestrial Time to the civil clock of UTC+8 that the almanac
// counts its days in.
#pragma once

#include <cstdint>

namespace lunisol::astro {

struct CivilDate {
  int year;
  int month;  // 1..12
  int day;    // 1..31
};

// Julian day number of a Gregorian date (1 January 2000 is 2451545). The
// same numbering serves any clock: a day number names a civil date.
int JdnFromCivil(int year, int month, int day);
CivilDate CivilFromJdn(int jdn);

// The civil date (in the same time scale) on which a Julian date falls.
int JdnOfJulianDate(double jd);

// 0 = Sunday .. 6 = Saturday.
inline int WeekdayOfJdn(int jdn) { return (jdn + 1) % 7; }
// Sexagenary day index, 0 = 甲子; 1 January 2000 (JDN 2451545) is 戊午 = 54.
inline int CycleIndexOfJdn(int jdn) { return (jdn + 49) % 60; }

bool IsLeapYear(int year);
int DaysInYear(int year);

// An instant on the UTC+8 clock, cut (not rounded) to the whole minute:
// almanacs print the minute in which an event happens, so 12:34:59 is 12:34.
struct LocalMinute {
  int jdn;          // civil day in UTC+8
  int minuteOfDay;  // 0..1439
  int hour() const { return minuteOfDay / 60; }
  int minute() const { return minuteOfDay % 60; }
};

// Seconds after local (UTC+8) midnight, as a real number, for reporting.
struct LocalInstant {
  int jdn;
  double secondOfDay;  // 0 <= s < 86400
};

// TT -> UT via Delta T, then +8 h.
LocalInstant LocalInstantOfTT(double jdTT);
LocalMinute LocalMinuteOfTT(double jdTT);

}  // namespace lunisol::astro
