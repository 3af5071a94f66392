// Gregorian <-> lunar date conversion and the small Gregorian helpers.
#pragma once

#include "calendar/vocabulary.h"

namespace lunisol {

// One day as the calendar knows it.
struct CalendarDate {
  GregorianDate solar;
  LunarDate lunar;
  int weekday = 0;  // 0 = Sunday
  Pillar dayPillar;
  Mansion mansion = Mansion::kHorn;  // filled in the Gregorian-to-lunar direction only
  friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

inline constexpr int kBadYear = -1;
inline constexpr int kBadMonth = -2;
inline constexpr int kBadDay = -3;

// The lunar date of a Gregorian date. Returns the lunar year's place in the
// sexagenary cycle (1 = 甲子 .. 60), or −1/−2/−3 for a bad year, month or day;
// `out` receives the filled record only when the date converts.
int SolarToLunar(int year, int month, int day, CalendarDate& out);
// The Gregorian date of a lunar date, returning as SolarToLunar does.
int LunarToSolar(const LunarDate& date, CalendarDate& out);

int IsGregorianLeapYear(int year);
int DaysInSolarMonth(int year, int month);
// Day 1..366 of the Gregorian year.
int DayOfYear(int year, int month, int day);
// The pillar of any Gregorian day, counted from 1 January 2000 (戊午).
Pillar DayPillar(int year, int month, int day);

}  // namespace lunisol
