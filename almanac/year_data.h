// Everything the month page reads that belongs to one selected year.
#pragma once

#include <string>
#include <vector>

#include "almanac/moon_phase_source.h"
#include "calendar/state.h"

namespace lunisol {

struct YearData {
  int year = 0;
  CalendarState calendar;      // day tables, December marker, 氣往亡日, last term
  MoonPhaseData moon;          // moonPhaseLists and datedNotes: "Farmer<year>" or the built-in table
  MoonPhaseReport moonReport;  // where the phases came from
};

// Computes the per-year data of `year` for the page of `month`: 氣往亡日, the
// nine stars (with the December marker only when the month is December), the
// day hexagrams, then the moon phases: the first "Farmer<year>" in
// `moonFolders`, else the built-in table.
void LoadYearData(YearData& data, int year, int month,
                  const std::vector<std::string>& moonFolders = MoonPhaseFileFolders());
// Brings data loaded for another month of the same year up to `month`: only
// December needs more, the marker and with it the nine stars after 冬至.
void RefreshYearDataForMonth(YearData& data, int year, int month);

}  // namespace lunisol
