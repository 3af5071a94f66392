// Evaluation of one Gregorian month into the texts and colours of the page.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "almanac/colour.h"
#include "almanac/year_data.h"
#include "calendar/vocabulary.h"

namespace lunisol {

struct CellText {
  std::u16string text;
  Colour colour = colours::kBlack;
};

// One day column of the page.
struct DayAlmanacRecord {
  CellText dayNumberText;
  CellText weekdayText;
  Colour weekdayLabelColour = colours::kBlack;
  CellText nineStarText;
  CellText hexagramPairText;
  CellText hexagramNameText;
  CellText noteA;
  CellText noteB;
  CellText dayPillarText;  // branch then stem
  CellText naYinText;
  CellText officerText;
  CellText warningC;
  CellText warningD;
  CellText mansionText;
  CellText lunarDayText;  // reversed ("一初")
  CellText dayCodeText;
  CellText joyGodText;
  CellText wealthGodText;
  CellText luckyHoursFirst;
  CellText luckyHoursSecond;
  CellText fetusGodPlace;
  CellText fetusGodDirection;
  CellText clashText;
  CellText yearShaText;
};

enum class ColumnKind { kDay, kTerm, kEmpty };

struct MonthColumn {
  int column = 0;  // 1..33 from the right
  ColumnKind kind = ColumnKind::kEmpty;
  int day = 0;  // Gregorian day of a day column
  bool visible = true;
  DayAlmanacRecord record;
  // Tooltips of noteA, noteB, warningC, warningD (empty = none).
  std::array<std::u16string, 4> tooltips;
};

struct TermBar {
  int column = 0;  // the solar-term column it covers; 0 = not filled
  std::optional<SolarTerm> term;
  CellText name;                  // maroon
  CellText timeText;              // "hh時mm分", navy
  std::array<CellText, 4> notes;  // planting (green) ×2, fishing (navy) ×2
  std::array<std::u16string, 4> tooltips;
};

struct MonthAlmanac {
  std::u16string windowTitle;
  CellText gregorianTitle;
  CellText lunarTitle;
  CellText proverbLine;
  std::array<MonthColumn, 33> columns;
  std::array<TermBar, 2> termBars;
};

// The month's two terms, which the window keeps for its backdrop. The
// evaluation sets them from the month's days; termInForce starts at the term
// begun before the month and follows the term days through it.
struct MonthTermState {
  int firstTermDay = -1;
  int secondTermDay = -1;
  SolarTerm firstTerm = SolarTerm::kMinorCold;
  SolarTerm secondTerm = SolarTerm::kMinorCold;
  SolarTerm termInForce = SolarTerm::kMinorCold;
};

// The month selector's text: "%2d" (a leading blank below 10).
std::u16string MonthSelectorText(int month);
// "農曆 5 月庚午" ("農曆閏 4 月己巳" in a leap month): the line a day column's
// first note opens with on the first day of a lunar month.
std::u16string LunarMonthLine(const LunarDate& date, Pillar monthPillar);
// The window title for the month's two terms.
std::u16string WindowTitle(SolarTerm first, SolarTerm second);

// Evaluates month 1..12 of `year`: lays out the month's columns, evaluates
// each day (almanac/day_evaluation.h), then the titles and the term panels.
// Reads `data` (which must belong to `year`) and sets `terms`. A month
// outside 1900..2100 gives the numbered columns only and leaves `terms`
// alone.
MonthAlmanac EvaluateMonth(int year, int month, const YearData& data, MonthTermState& terms);

}  // namespace lunisol
