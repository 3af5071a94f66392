// Everything the month page reads that belongs to one selected year.
#pragma once

#include <string>
#include <vector>

#include "almanac/moon_phase_source.h"
#include "calendar/state.h"

namespace lunisol {

struct YearData {
  int year = 0;
  CalendarState calendar;  // day tables, December marker, 氣往亡日, last term
  MoonPhaseData moon;      // moonPhaseLists and datedNotes: "Farmer<year>" or the built-in table
};

// Recomputes the per-year data on a year choice, in the order the window
// does it: December marker (only when the month shown is December), clear the
// nine-star table, 氣往亡日, nine stars for months 1..12, hexagrams, then the
// moon phases: the first "Farmer<year>" in `moonFolders`, else the built-in
// table.
void OnYearChosen(YearData& data, int year, int month,
                  const std::vector<std::string>& moonFolders = MoonPhaseFileFolders());
// A month choice: only December needs the marker and a fresh nine-star table.
void OnMonthChosen(YearData& data, int year, int month);

}  // namespace lunisol
