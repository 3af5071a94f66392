// The day finder (擇日): the days of a range on which an activity is noted
// 宜 and not 忌, leaving out the days that clash with the reader's zodiac
// animal, each with the spirits that made it suitable and the day's 值神.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "days/spirit_set.h"

namespace lunisol {

// A search covers at most ten years of days.
inline constexpr int kMaxChooseDays = 3653;
inline constexpr int kBadChooseRange = -1;  // a date out of 1900–2100, or `to` before `from`
inline constexpr int kChooseRangeTooLong = -2;

struct ChooseRequest {
  ActivityId activity{};
  int fromYear = 0, fromMonth = 0, fromDay = 0;
  int toYear = 0, toMonth = 0, toDay = 0;
  // The branch of the reader's zodiac animal (0 = 子, 鼠); none: no day is
  // left out for a clash.
  std::optional<int> animal;
};

struct ChosenDay {
  int year = 0, month = 0, day = 0;
  int lunarYear = 0, lunarMonth = 0, lunarDay = 0;  // lunarMonth < 0 in a leap month
  int dayGod = 0;                                   // kDayGodNames
  bool yellowPath = false;
  SpiritSet because;  // what made the activity 宜
  int goodSpirits = 0, badSpirits = 0;
};

// The animal of the lunar year that begins in Gregorian year `year`.
int ZodiacAnimalOfYear(int year);
// The animal a day clashes with, as the page's 沖 cell names it.
int ClashedAnimal(int dayCycle);

// Fills `out` with the chosen days in date order; 0, or kBadChooseRange or
// kChooseRangeTooLong (out cleared). A 諸事不宜 day notes no 宜, so it never
// appears.
int ChooseDays(const ChooseRequest& request, std::vector<ChosenDay>& out);

// Our own "best first" order, not the book's: 黃道 days before 黑道 days,
// then more 吉神, then fewer 凶煞, then the earlier date.
void SortBestFirst(std::vector<ChosenDay>& days);

}  // namespace lunisol
