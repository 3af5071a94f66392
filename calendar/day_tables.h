// Per-year day tables: the day hexagram of every day of a Gregorian year
// (the nine stars are in almanac/nine_stars.h).
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "calendar/vocabulary.h"

namespace lunisol {

// By day of the year − 1: the position 0..71 of the day's hexagram, −1 where
// none is known (before the first 甲子 the tables reach).
using DayHexagramTable = std::array<int8_t, 366>;
DayHexagramTable DayHexagramsOfYear(int year);
// The 19-year list of years whose hexagram cycle runs backwards.
bool HasLeapMonthPattern(int year);
// The last 甲子 day of a Gregorian year the calendar covers.
std::optional<GregorianDate> LastJiaziDay(int year);

}  // namespace lunisol
