// Gregorian calendar arithmetic on Julian day numbers, and the conversion of
// an instant in Terrestrial Time to the civil clocks the almanac counts its
// days in: UTC+8, and before 1929 the local mean time of Beijing.
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

// Civil clocks, as their offset from UT in seconds.
inline constexpr int kUtc8Seconds = 8 * 3600;
// Local mean time of Beijing's meridian, 116°25′ E: the clock on which the
// calendar in force until the end of 1928 reckoned its days.
inline constexpr int kBeijingMeanTimeSeconds = 7 * 3600 + 45 * 60 + 40;

// An instant on a civil clock, cut (not rounded) to the whole minute:
// almanacs print the minute in which an event happens, so 12:34:59 is 12:34.
struct LocalMinute {
  int jdn;          // civil day on that clock
  int minuteOfDay;  // 0..1439
  int hour() const { return minuteOfDay / 60; }
  int minute() const { return minuteOfDay % 60; }
};

// Seconds after midnight on a civil clock, as a real number, for reporting.
struct LocalInstant {
  int jdn;
  double secondOfDay;  // 0 <= s < 86400
};

// TT -> UT via Delta T, then the clock's offset (UTC+8 unless told).
LocalInstant LocalInstantOfTT(double jdTT, int utcOffsetSeconds = kUtc8Seconds);
LocalMinute LocalMinuteOfTT(double jdTT, int utcOffsetSeconds = kUtc8Seconds);

}  // namespace lunisol::astro
