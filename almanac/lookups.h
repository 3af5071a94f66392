// Per-day lookups behind the cells of a day column: names, officer, month
// pillar, clash, 歲煞, the 60-row tables and the colour rules.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "almanac/colour.h"

namespace lunisol {

extern const std::array<std::u16string_view, 12> kOfficerNames;
// Index = lunar day 1..30 (slot 0 empty); written right to left ("一初").
extern const std::array<std::u16string_view, 31> kLunarDayNames;
extern const std::array<std::u16string_view, 7> kWeekdayNames;

int DayOfYear(int year, int month, int day);
// Index of the pillar text (stem then branch) among the 60 cycle names,
// stored in `index`; returns that row of kJoyWealthDirections, or empty
// (index untouched) for a text that is not a pillar.
std::u16string_view DayCycleIndex(std::u16string_view pillar, int& index);
// Sexagenary index of lunar month m (1..12) in the year of cycle index yearIndex.
int MonthPillarIndex(int yearIndex, int month);
// Officer (建除) of the Gregorian date, one of kOfficerNames.
std::u16string_view DayOfficer(int year, int month, int day);
Colour OfficerColour(std::u16string_view officer);

Colour StemColour(std::u16string_view stem);
Colour BranchColour(std::u16string_view text);
Colour DirectionColour(std::u16string_view text);
Colour NayinColour(std::u16string_view element);
// By mansion mod 7; 4..6 follow the lunar day cell's colour.
Colour MansionColour(int mansion, Colour lunarDayColour);
Colour LunarDayColour(int lunarDay);

struct ColouredText {
  std::u16string text;
  Colour colour;
};
// "沖%s%2d": the animal the day clashes with and the age of those born in
// the clashing pillar's year, for a lunar year of cycle index yearIndex.
ColouredText ClashText(int dayStem, int dayBranch, int yearIndex);
ColouredText YearShaText(int dayBranch);
// 月煞 direction of a month pillar's branch.
std::u16string_view MonthShaDirection(int monthPillarIndex);

}  // namespace lunisol
