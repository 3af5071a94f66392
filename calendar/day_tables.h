// Per-year day tables: the day hexagram position, and the day counts the
// day tables share (the nine stars are in almanac/nine_stars.h).
#pragma once

#include "calendar/state.h"

namespace lunisol {

// Fills state.dayHexagramTable for every day of the year.
void ComputeDayHexagrams(CalendarState& state, int year);
// The 19-year list of years whose hexagram cycle runs backwards.
bool HasLeapMonthPattern(int year);
// Month and day of the last 甲子 day of the Gregorian year; false if none.
bool LastJiaziDay(int year, int& month, int& day);
// Sexagenary index of any Gregorian day (continuous day count).
int GregorianDayCycle(int year, int month, int day);

}  // namespace lunisol
