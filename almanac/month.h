// Evaluation of one Gregorian month into the texts and colours of the page.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "almanac/colour.h"
#include "almanac/year_data.h"

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
  int termIndex = -1;
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

// Members of the window that the evaluation writes.
struct MonthTermState {
  int firstTermDay = -1;
  int secondTermDay = -1;
  int firstTermIndex = 0;
  int secondTermIndex = 0;
  int termInForce = 0;
};

// The month selector's text: "%2d" (a leading blank below 10).
std::u16string MonthSelectorText(int month);
// The window title for the month's two terms.
std::u16string WindowTitle(int firstTermIndex, int secondTermIndex);

// Evaluates year/month. `monthText` is the month selector's text (as shown,
// e.g. u" 3"). Reads `data` (which must belong to `year`), writes
// data.calendar.lastTermIndex and `terms`.
MonthAlmanac EvaluateMonth(int year, std::u16string_view monthText, YearData& data, MonthTermState& terms);
// Same, with the month selector text made from the number.
MonthAlmanac EvaluateMonth(int year, int month, YearData& data, MonthTermState& terms);

}  // namespace lunisol
