// Gregorian <-> lunar date conversion and the small Gregorian helpers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lunisol {

// The caller fills lunarToSolar and the input half; ConvertDate fills the rest.
struct CalendarDate {
  int32_t lunarToSolar = 0;  // 0: Gregorian in, lunar out; otherwise lunar in
  int32_t solarYear = 0;
  int32_t solarMonth = 0;  // 1..12
  int32_t solarDay = 0;    // 1..31
  int32_t lunarYear = 0;   // numbered by the Gregorian year of its new year
  int32_t lunarMonth = 0;  // 1..12, or -n for the leap month after month n
  int32_t lunarDay = 0;    // 1..30
  int32_t weekday = 0;     // 0 = Sunday
  int32_t dayStem = 0;     // 0 = 甲
  int32_t dayBranch = 0;   // 0 = 子
  int32_t mansion = 0;     // 0 = 角; Gregorian-to-lunar direction only
};

inline constexpr int kBadYear = -1;
inline constexpr int kBadMonth = -2;
inline constexpr int kBadDay = -3;

// Returns the lunar year's position in the sexagenary cycle (1 = 甲子 .. 60),
// or -1/-2/-3 for a bad year, month or day (the record is then untouched).
int ConvertDate(CalendarDate& date);

// ConvertDate in one direction: (year, month, day) is the Gregorian date
// for SolarToLunar and the lunar date for LunarToSolar. `out` receives the
// filled record only when the date converts.
int SolarToLunar(int year, int month, int day, CalendarDate& out);
int LunarToSolar(int year, int month, int day, CalendarDate& out);

int IsGregorianLeapYear(int year);
int DaysInSolarMonth(int year, int month);
// Days from 1 January 1800 (day 1) to the date given as "YYYYMMDD".
int DayNumber(std::u16string_view yyyymmdd);
// "%04d%02d%02d" of a date, the text DayNumber reads.
std::u16string DateKey8(int year, int month, int day);

}  // namespace lunisol
