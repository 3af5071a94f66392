#include "almanac/year_data.h"

#include "calendar/day_tables.h"
#include "calendar/solar_terms.h"

namespace lunisol {

void OnYearChosen(YearData& data, int year, int month, const std::vector<std::string>& moonFolders) {
  CalendarState& s = data.calendar;
  data.year = year;
  if (month == 12)
    FindDecemberMarker(s, year);
  else
    s.decemberMarker = -1;
  s.nineStarTable.fill(0);
  ComputeWangwangDays(s, year);
  ComputeNineStars(s, year, 12);
  ComputeDayHexagrams(s, year);
  LoadMoonPhases(year, data.moon, moonFolders);
}

void OnMonthChosen(YearData& data, int year, int month) {
  if (month != 12) return;
  CalendarState& s = data.calendar;
  FindDecemberMarker(s, year);
  s.nineStarTable.fill(0);
  ComputeNineStars(s, year, 12);
}

}  // namespace lunisol
