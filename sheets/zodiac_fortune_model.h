// The zodiac fortune sheet (12 生肖流年運勢): for the lunar year on the page,
// four animals at a time with their year star, ages, lucky and unlucky stars,
// and a verse, a comment and twelve month texts coloured by their rating.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "almanac/colour.h"
#include "sheets/yearly_notes_model.h"

namespace lunisol {

// Row 1..12 of the fortune table for the animal of branch `animalBranch` in a
// year of branch `yearBranch` (both 0 = 子 .. 11 = 亥).
int fortuneRow(int yearBranch, int animalBranch);

// The year's branch as the frame takes it from the page's lunar title: the
// title up to its first "年", less its first four characters and trailing
// blanks ("農曆 丙戌 年 …" gives "戌").
std::u16string YearBranchFromLunarTitle(std::u16string_view lunarTitle);
// 子 → 1 … 亥 → 12; 0 for a text that is not a branch.
int YearBranchNumber(std::u16string_view branch);

// One animal's fifteen vertical columns: verse, comment, the heading
// "每月運勢 ：" and the twelve months.
struct MonthlyColumnSet {
  std::array<SheetLabel, 15> columns;
};
// A set as the dialog creates it for group g (0..3, right to left).
MonthlyColumnSet MakeMonthlyColumnSet(int group);
// Fills the set from row r (1..12). A text ending in a rating digit gets that
// rating's colour ('0' green, '1' maroon, '2' olive) and loses the digit; any
// other text keeps the slot's colour.
void ShowMonthlyFortune(int row, MonthlyColumnSet& set);

// A one-line static of the dialog template, placed in dialog units.
struct FortuneLine {
  int id = 0;
  int x = 0, y = 0;
  std::u16string text;
  Colour colour = colours::kBlack;
  bool leftAligned = false;  // the ages line; the others are centred
};

struct ZodiacGroup {
  FortuneLine animal, title, ages, lucky, unlucky;
  int row = 0;  // fortune row shown, 0 before the first fill
  MonthlyColumnSet monthly;
};

// What the dialog holds while it is open.
struct ZodiacFortuneSheet {
  std::u16string caption;
  std::array<std::u16string, 3> tabCaptions;
  int yearBranchNumber = 0;  // 1..12; 0 = not set
  int selectedTab = 0;
  std::array<ZodiacGroup, 4> groups;  // right to left
};

// Opens the sheet for the year branch kept by the frame and the text of the
// year selector, showing tab 0.
ZodiacFortuneSheet OpenZodiacFortune(std::u16string_view yearBranch, std::u16string_view yearSelectorText);
// Shows tab 0 (鼠牛虎兔), 1 (龍蛇馬羊) or 2 (猴雞狗豬); other values are ignored.
void FillZodiacTab(ZodiacFortuneSheet& sheet, int tab);

}  // namespace lunisol
