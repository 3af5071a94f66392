// Everything the month page reads that belongs to one Gregorian year: pure
// tables, computed once when the year is chosen and only read afterwards.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "almanac/moon_phase_source.h"
#include "almanac/nine_stars.h"
#include "calendar/day_tables.h"
#include "calendar/vocabulary.h"

namespace lunisol {

struct YearData {
  int year = 0;
  NineStarTable nineStars{};             // by day of the year − 1
  DayHexagramTable hexagrams{};          // by day of the year − 1
  std::array<LunarDate, 12> wangwang{};  // the twelve 氣往亡日
  MoonPhaseData moon;                    // "Farmer<year>" or the built-in table
  MoonPhaseReport moonReport;            // where the phases came from

  // The day's nine star (0 = not known) and hexagram position (−1 = none).
  int NineStarOf(int month, int day) const;
  int HexagramOf(int month, int day) const;
};

// The tables of `year`, with its moon phases from the first "Farmer<year>"
// in `moonFolders`, else from the built-in table.
void LoadYearData(YearData& data, int year, const std::vector<std::string>& moonFolders = MoonPhaseFileFolders());

}  // namespace lunisol
