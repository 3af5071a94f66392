#include "almanac/year_data.h"

#include "almanac/nine_stars.h"
#include "calendar/day_tables.h"
#include "calendar/solar_terms.h"

namespace lunisol {

void LoadYearData(YearData& data, int year, int month, const std::vector<std::string>& moonFolders) {
  data.year = year;
  ComputeWangwangDays(data.calendar, year);
  FillNineStarTable(data.calendar, year, month);
  ComputeDayHexagrams(data.calendar, year);
  data.moonReport = LoadMoonPhases(year, data.moon, moonFolders);
}

void RefreshYearDataForMonth(YearData& data, int year, int month) {
  if (month == 12) FillNineStarTable(data.calendar, year, month);
}

}  // namespace lunisol
