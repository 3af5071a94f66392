#include "almanac/year_data.h"

#include "calendar/convert.h"
#include "calendar/solar_terms.h"

namespace lunisol {

void LoadYearData(YearData& data, int year, const std::vector<std::string>& moonFolders) {
  data.year = year;
  data.wangwang = QiWangWangDays(year);
  data.nineStars = NineStarsOfYear(year);
  data.hexagrams = DayHexagramsOfYear(year);
  data.moonReport = LoadMoonPhases(year, data.moon, moonFolders);
}

int YearData::NineStarOf(int month, int day) const {
  return nineStars[static_cast<size_t>(DayOfYear(year, month, day) - 1)];
}

int YearData::HexagramOf(int month, int day) const {
  return hexagrams[static_cast<size_t>(DayOfYear(year, month, day) - 1)];
}

}  // namespace lunisol
