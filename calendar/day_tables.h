// Per-year day tables: the day nine star and the day hexagram position.
#pragma once

#include "calendar/state.h"

namespace lunisol {

// Fills state.nineStarTable for 1 January .. end of month lastMonth of the
// year; the caller clears the table first.
void ComputeNineStars(CalendarState& state, int year, int lastMonth);
// Sets state.decemberMarker and decemberMarkerFound for the year (may use
// the table as scratch: the caller clears it and recomputes afterwards).
void FindDecemberMarker(CalendarState& state, int year);
// Fills state.dayHexagramTable for every day of the year.
void ComputeDayHexagrams(CalendarState& state, int year);
// The 19-year list of years whose hexagram cycle runs backwards.
bool HasLeapMonthPattern(int year);
// Month and day of the last 甲子 day of the Gregorian year; false if none.
bool LastJiaziDay(int year, int& month, int& day);
// Sexagenary index of any Gregorian day (continuous day count).
int GregorianDayCycle(int year, int month, int day);

}  // namespace lunisol
