// What the hour sheet of one day says: the twelve two-hour periods with their
// pillars, spirits, god directions and clashes, and the label column with the
// day's dates and notes. Where each cell sits is layout/hour_table_layout.h.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "almanac/month.h"
#include "calendar/vocabulary.h"
#include "sheets/hour_spirits.h"
#include "sheets/sheet_label.h"

namespace lunisol {

// The cells of hour k (子 = 0 .. 亥 = 11).
struct HourColumn {
  SheetLabel range;        // "23 I 01", coloured by the hour's branch
  SheetLabel pillar;       // "甲子時", coloured by its stem
  SheetLabel good;         // 吉神 column
  SheetLabel bad;          // 凶煞 column
  SheetLabel joy;          // God-of-Joy direction
  SheetLabel wealth;       // God-of-Wealth direction
  SheetLabel sha;          // 煞 direction
  SheetLabel clashAnimal;  // clash animal
  SheetLabel opposite;     // the pillar that clashes with the hour's

  // In the order of the rows of an hour column (HourRow in the layout).
  std::array<const SheetLabel*, 9> Cells() const;
};

struct HourTableRecord {
  std::u16string caption;
  Pillar day;
  std::array<Pillar, 12> hourPillars;
  std::array<Pillar, 12> clashPillars;
  std::array<HourColumn, 12> hours;
  // The label column: the labels of the five bottom rows, then the day's
  // lunar date with its notes, the note column and the Gregorian date.
  SheetLabel joyLabel, wealthLabel, shaLabel, animalLabel, oppositeLabel;
  SheetLabel lunarDateCell, noteCell, dateCell;

  // Every cell in the sheet's order: hour by hour, then the label column
  // (HourLabel in the layout).
  std::array<const SheetLabel*, 116> Cells() const;
};

// The twelve hour pillars of a day: 甲/己 days start at 甲子, 乙/庚 at 丙子,
// 丙/辛 at 戊子, 丁/壬 at 庚子, 戊/癸 at 壬子.
std::array<Pillar, 12> HourPillars(Stem dayStem);
// For each hour the pillar six places before its own, which carries the
// opposite branch.
std::array<Pillar, 12> HourClashPillars(Stem dayStem);

// "%s %d 日": the page's Gregorian month title and the day.
std::u16string HourTableDateLine(std::u16string_view gregorianTitle, int day);
// The lunar line of the label column for the lunar date, followed by the
// day's first note (noteA as the page shows it, less the month line the
// lunar line already says) and its first warning.
std::u16string HourTableLunarLine(const LunarDate& date, std::u16string_view noteA, std::u16string_view warningC);

// The good and bad spirit columns of one hour: `clashes` when the hour's
// opposite pillar holds the day's branch; `yangDay` for a day of a yang stem.
struct HourSpiritTexts {
  std::u16string good, bad;
  Colour goodColour, badColour;
};
HourSpiritTexts HourSpiritCells(HourSpiritSet spirits, bool yangDay, bool clashes);

// The sheet of the Gregorian date year-month-day, whose month `page` is (as
// EvaluateMonth made it): the day's pillar and lunar date come from the
// calendar, its notes and the month title from the page. Nothing when the
// page has no day column for that day or the date does not convert.
std::optional<HourTableRecord> BuildHourTable(const MonthAlmanac& page, int year, int month, int day);

}  // namespace lunisol
