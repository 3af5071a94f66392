// The thirteen entries of the hour list a birth is picked from: the twelve
// double hours 子 (0–1 h) to 亥 (21–23 h) of the date, then the late 子 hour
// (晚子, 23–24 h). Taiwanese reckoning turns the day at 23:00, so the late 子
// hour is the 子 hour of the next day: on a month's last day it falls in the
// next month, on 除夕 in the next lunar year. Every reader of the hour list
// goes through HourMomentOf, so no one of them moves the day alone.
#pragma once

#include <optional>

#include "calendar/convert.h"

namespace lunisol {

inline constexpr int kHourEntryCount = 13;
inline constexpr int kLateRatHour = 12;  // the entry of the late 子 hour

// A Gregorian day and the hour branch (0 = 子 .. 11 = 亥) on it.
struct HourMoment {
  int year = 0, month = 0, day = 0;
  int branch = 0;
};

// The day after a valid Gregorian date.
inline HourMoment NextDay(int year, int month, int day) {
  const GregorianDate next = CivilDate(CivilDayNumber(year, month, day) + 1);
  return {next.year, next.month, next.day, 0};
}

// The day and branch hour-list entry `entry` (0..12) stands for on the
// Gregorian date given; nothing for another entry or a date that does not
// exist. The late 子 hour of 2100-12-31 gives a day past the calendar's
// years: the caller's conversion refuses it.
inline std::optional<HourMoment> HourMomentOf(int year, int month, int day, int entry) {
  if (entry < 0 || entry >= kHourEntryCount || month < 1 || month > 12 || day < 1 ||
      day > DaysInSolarMonth(year, month))
    return std::nullopt;
  if (entry == kLateRatHour) return NextDay(year, month, day);
  return HourMoment{year, month, day, entry};
}

}  // namespace lunisol
