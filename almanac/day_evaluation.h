// One day column of the month page, evaluated from the facts of its day.
#pragma once

#include <optional>

#include "almanac/colour.h"
#include "almanac/month.h"
#include "almanac/year_data.h"
#include "calendar/convert.h"
#include "calendar/vocabulary.h"

namespace lunisol {

// Everything the rules of one day read. ReadDay fills the day's own facts;
// the month walk (almanac/month.cpp) adds what the days before it hand on.
struct DayContext {
  int year = 0;
  int month = 0;
  int day = 0;
  CalendarDate date;                        // lunar date, day pillar, weekday, mansion
  Pillar lunarYear;                         // the pillar of the lunar year the day belongs to
  std::optional<SolarTerm> term;            // the term beginning on the day
  int nineStar = 0;                         // 1..9 from the year's table, 0 = not known
  int hexagram = -1;                        // 0..71 from the year's table, −1 = none
  std::optional<MoonPhaseEvent> moonPhase;  // the phase the page shows on the day
  // Handed on by the days before it:
  SolarTerm termInForce = SolarTerm::kMinorCold;  // the season's term: the latest begun by this day
  std::optional<Pillar> lunarMonthPillar;         // of the lunar month whose first day this month has met
  Colour dayBeforeStarColour = colours::kBlack;
};

// The day's own facts from the calendar and the year's tables; false when
// the date does not convert.
bool ReadDay(const YearData& data, int year, int month, int day, DayContext& out);

// Fills every cell of the day's column but the day number's text, in the
// order the rules build on each other (notes and warnings are appended).
void EvaluateDay(const DayContext& day, const YearData& data, DayAlmanacRecord& record);

}  // namespace lunisol
