// The zodiac fortune sheet (12 生肖流年運勢): for a lunar year, four animals
// at a time with their year star, ages, lucky and unlucky stars, and a verse,
// a comment and twelve month texts coloured by their rating. Where each text
// sits is layout/zodiac_fortune_layout.h.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "sheets/sheet_label.h"

namespace lunisol {

// Row 1..12 of the fortune table for the animal of branch `animalBranch` in a
// year of branch `yearBranch` (both 0 = 子 .. 11 = 亥).
int fortuneRow(int yearBranch, int animalBranch);

// The lunar year whose fortunes the sheet shows for the selected Gregorian
// date: the lunar year the date itself belongs to, as the yearly notes read
// it. Its branch 1 (子) .. 12 (亥); 0 for a date that does not convert.
int FortuneYearBranch(int year, int month, int day);

// One animal's fifteen vertical columns: verse, comment, the heading
// "每月運勢 ：" and the twelve months.
struct MonthlyColumnSet {
  std::array<SheetLabel, 15> columns;
};
// A set as the dialog creates it: the heading, and navy for the verse, the
// comment and the heading.
MonthlyColumnSet MakeMonthlyColumnSet();
// Fills the set from row r (1..12). A text ending in a rating digit gets that
// rating's colour ('0' green, '1' maroon, '2' olive) and loses the digit; any
// other text keeps the slot's colour.
void ShowMonthlyFortune(int row, MonthlyColumnSet& set);

struct ZodiacGroup {
  SheetLabel animal, title, ages, lucky, unlucky;
  int row = 0;  // fortune row shown, 0 before the first fill
  MonthlyColumnSet monthly;

  // The five head lines (ZodiacLine in the layout), then the fifteen columns.
  std::array<const SheetLabel*, 20> Cells() const;
};

// What the dialog holds while it is open.
struct ZodiacFortuneSheet {
  std::u16string caption;
  std::array<std::u16string, 3> tabCaptions;
  int yearBranchNumber = 0;  // 1..12; 0 = not set
  int selectedTab = 0;
  std::array<ZodiacGroup, 4> groups;  // right to left
};

// Opens the sheet for the selected Gregorian date, showing tab 0.
ZodiacFortuneSheet OpenZodiacFortune(int year, int month, int day);
// Shows tab 0 (鼠牛虎兔), 1 (龍蛇馬羊) or 2 (猴雞狗豬); other values are ignored.
void FillZodiacTab(ZodiacFortuneSheet& sheet, int tab);

}  // namespace lunisol
