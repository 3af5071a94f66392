// One day column of the month page, evaluated from the facts of its day.
#pragma once

#include <string>
#include <string_view>

#include "almanac/colour.h"
#include "almanac/month.h"
#include "almanac/year_data.h"
#include "calendar/convert.h"
#include "calendar/state.h"

namespace lunisol {

// Everything the rules of one day read. ReadDay fills the day's own facts;
// the month walk (almanac/month.cpp) adds what the days before it hand on.
struct DayContext {
  int year = 0;
  int month = 0;
  int day = 0;
  CalendarDate date;       // lunar date, day pillar, weekday, mansion
  int lunarYearIndex = 0;  // cycle index of the lunar year the day belongs to
  int cycleIndex = 0;      // the day pillar among the sixty
  int term = -1;           // the term beginning on the day, or −1
  int nineStar = 0;        // 1..9 from the year's table, 0 = not computed
  int hexagram = -1;       // 0..71 from the year's table, −1 = not computed
  std::u16string dayKey;   // "MMDD", the key of moon phases and dated notes
  // Handed on by the days before it:
  int termInForce = 0;        // the season's term: the latest begun by this day
  int lunarMonthPillar = -1;  // pillar of the lunar month whose first day this month has met
  Colour dayBeforeStarColour = colours::kBlack;

  std::u16string_view StemName() const;
  std::u16string_view BranchName() const;
};

// The day's own facts from the calendar and the year's tables; false when
// the date does not convert. The term lookup records the term in
// state.lastTermIndex, as every term lookup does.
bool ReadDay(CalendarState& state, int year, int month, int day, DayContext& out);

// Fills every cell of the day's column but the day number's text, in the
// order the rules build on each other (notes and warnings are appended).
void EvaluateDay(const DayContext& day, const YearData& data, DayAlmanacRecord& record);

}  // namespace lunisol
