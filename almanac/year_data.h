// Everything the month page reads that belongs to one selected year.
#pragma once

#include <string>

#include "almanac/moon_phase_file.h"
#include "calendar/state.h"

namespace lunisol {

struct YearData {
  int year = 0;
  CalendarState calendar;  // day tables, December marker, 氣往亡日, last term
  MoonPhaseData moon;      // moonPhaseLists and datedNotes of "Farmer<year>"
};

// Recomputes the per-year data on a year choice, in the order the window
// does it: December marker (only when the month shown is December), clear the
// nine-star table, 氣往亡日, nine stars for months 1..12, hexagrams, then the
// moon-phase file from `directory` (missing file: no entries).
void OnYearChosen(YearData& data, int year, int month, const std::string& directory = ".");
// A month choice: only December needs the marker and a fresh nine-star table.
void OnMonthChosen(YearData& data, int year, int month);

}  // namespace lunisol
