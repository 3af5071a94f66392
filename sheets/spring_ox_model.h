// The spring ox and its herdsman (春牛圖, 芒神) on the yearly notes sheet:
// five ox columns and seven herdsman columns whose words follow the year's
// stem, branch and Na Yin, the 立春 day pillar and moment, and the distance
// between 立春 and the lunar new year.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "sheets/yearly_notes_model.h"

namespace lunisol {

// "%04d%02d%02d" of the first day of Gregorian year Y that is lunar 1/1;
// empty when there is none.
std::u16string FindLunarNewYearDate(int year);

// Everything the chart depends on; built from the calendar for a real year by
// SpringOxInputsForYear, or by hand.
struct SpringOxInputs {
  char16_t yearStem = 0;
  char16_t yearBranch = 0;
  bool isYangYear = false;
  std::u16string yearNayinElement;  // one of 木火土金水
  std::u16string lichunDayPillar;   // stem, branch of the 立春 day
  std::u16string lichunTime;        // "hhmm" of the 立春 moment
  std::u16string lichunDate;        // "%04d%02d%02d" of the 立春 day
  std::u16string lunarNewYearDate;  // FindLunarNewYearDate of the same year
};

// The inputs for Gregorian year `year` whose lunar year (as the sheet shows
// it) has the stem and branch given and the cycle place `yearPosition`. The
// 立春 texts stay empty when the term cannot be found.
SpringOxInputs SpringOxInputsForYear(char16_t yearStem, char16_t yearBranch, int yearPosition, int year);

// The ear-flaps by the hour of the 立春 moment.
std::u16string_view EarFlapsForHour(int hour);
// Where the herdsman stands for d = (立春 day) − (new-year day) + 1.
std::u16string_view HerdsmanPlace(int d);

struct SpringOxChart {
  SheetLabel heading;
  std::array<SheetLabel, 5> ox;        // right to left, green
  std::array<SheetLabel, 7> herdsman;  // right to left, olive
  std::u16string notShown;             // carried past the seventh column
  int placeDistance = 0;               // d of HerdsmanPlace

  // Heading, ox columns, herdsman columns: the sheet's creation order.
  std::array<SheetLabel, 13> Labels() const;
};

SpringOxChart BuildSpringOxChart(const SpringOxInputs& in);

}  // namespace lunisol
