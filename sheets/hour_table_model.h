// The texts, colours and places of the hour sheet of one day: the twelve
// two-hour periods with their pillars, spirits, god directions and clashes,
// and the label column with the day's dates and notes. The dialog only
// places what BuildHourTable returns.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "almanac/colour.h"

namespace lunisol {

// One cell of the sheet, in the dialog's client pixels (left, top, right,
// bottom). `id` is the tooltip tool identifier, or -1 for a cell that has no
// tip; `tooltip` is the tip text (empty = no tip shown).
struct HourCell {
  int left = 0, top = 0, right = 0, bottom = 0;
  int id = -1;
  std::u16string text;
  Colour colour = colours::kBlack;
  std::u16string tooltip;
};

// The cells of hour k (子 = 0 .. 亥 = 11), X = 351 − 30·k.
struct HourColumn {
  HourCell range;        // "23 I 01", coloured by the hour's branch
  HourCell pillar;       // "甲子時", coloured by its stem
  HourCell good;         // 吉神 column, right; id 27100 + k
  HourCell bad;          // 凶煞 column, left; id 27200 + k
  HourCell joy;          // God-of-Joy direction, right
  HourCell wealth;       // God-of-Wealth direction, left
  HourCell sha;          // 煞 direction, left
  HourCell clashAnimal;  // clash animal, right
  HourCell opposite;     // the pillar that clashes with the hour's
};

struct HourTableRecord {
  std::u16string caption;
  int dayCycleIndex = 0;  // 0..59; stays 0 when the day pillar is not one of the 60
  std::array<std::u16string, 12> pillarList;
  std::array<std::u16string, 12> clashList;
  std::array<HourColumn, 12> hours;
  // Entry 0 of the five bottom rows: the row labels at X = 381.
  HourCell joyLabel, wealthLabel, animalLabel, shaLabel, oppositeLabel;
  HourCell lunarDateCell;  // id 27300
  HourCell noteCell;       // id 27400
  HourCell dateCell;
};

// What the almanac page hands over for one day column.
struct HourTableInputs {
  std::u16string dayPillarText;   // the day-pillar cell: branch first, stem second
  std::u16string gregorianTitle;  // the page's Gregorian month title
  std::u16string dayNumberText;   // the column's day-number cell
  std::u16string noteA;           // the column's note column A
  std::u16string warningC;        // the column's warning column C
  std::u16string noteB;           // the column's note column B
  int selectedYear = 0;           // the year selector
};

// The twelve hour pillars of a day whose stem is `dayStem` (甲/己 days start
// at 甲子, 乙/庚 at 丙子, 丙/辛 at 戊子, 丁/壬 at 庚子, 戊/癸 at 壬子); all
// empty for a text that is not a stem.
std::array<std::u16string, 12> HourPillarList(std::u16string_view dayStem);
// For each hour the pillar six places before its own, which carries the
// opposite branch; all empty for a text that is not a stem.
std::array<std::u16string, 12> HourClashList(std::u16string_view dayStem);

// "%s %s 日" of the month title and the day number.
std::u16string HourTableDateLine(std::u16string_view gregorianTitle, std::u16string_view dayNumberText);
// The lunar line of the label column: the month and day cut back out of the
// Gregorian date line, converted in `selectedYear`, followed by the note and
// warning texts. Empty when the cut-out date does not convert.
std::u16string HourTableLunarLine(std::u16string_view dateLine, int selectedYear, std::u16string_view noteA,
                                  std::u16string_view warningC);

// The good and bad spirit texts of one hour: `entry` is the hour's row of the
// hour spirits table, `clashes` whether the hour's opposite pillar holds the
// day's branch.
struct HourSpiritTexts {
  std::u16string good, bad;
  Colour goodColour, badColour;
};
HourSpiritTexts SplitHourSpirits(std::u16string_view entry, bool clashes);

HourTableRecord BuildHourTable(const HourTableInputs& inputs);

}  // namespace lunisol
