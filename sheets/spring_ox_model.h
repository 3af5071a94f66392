// The spring ox and its herdsman (春牛圖, 芒神) on the yearly notes sheet:
// five ox columns and seven herdsman columns whose words follow the year's
// stem, branch and Na Yin, the 立春 day pillar and moment, and the distance
// between 立春 and the lunar new year.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/vocabulary.h"
#include "sheets/yearly_notes_model.h"

namespace lunisol {

// The first day of Gregorian year `year` that is lunar 1/1, if the calendar
// knows one.
std::optional<GregorianDate> LunarNewYearIn(int year);

// Everything the chart depends on; built from the calendar for a real year by
// SpringOxInputsForYear, or by hand.
struct SpringOxInputs {
  Pillar year;  // of the lunar year as the sheet shows it
  // The 立春 of the Gregorian year: its day's pillar, its moment and its
  // date, and the lunar new year of the same Gregorian year.
  std::optional<Pillar> lichunDay;
  std::optional<ClockTime> lichunTime;
  std::optional<GregorianDate> lichunDate;
  std::optional<GregorianDate> lunarNewYear;
};

// The inputs for Gregorian year `gregorianYear` whose lunar year (as the
// sheet shows it) has the pillar `year`. The 立春 facts stay empty when the
// term is outside the tables.
SpringOxInputs SpringOxInputsForYear(Pillar year, int gregorianYear);

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
