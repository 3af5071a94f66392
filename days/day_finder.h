// The day finder (擇日): the days of a range whose almanac list notes a word
// (or a book activity) 宜, leaving out the days that clash with the zodiac
// animal of any of the people it is for, each with the item that made it
// suitable and the day's 值神.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "days/almanac_list.h"

namespace lunisol {

// A search covers at most ten years of days.
inline constexpr int kMaxChooseDays = 3653;
inline constexpr int kBadChooseRange = -1;  // a date out of 1900–2100, or `to` before `from`
inline constexpr int kChooseRangeTooLong = -2;

// What to look for: an almanac word (嫁娶, 入宅 …) or one of the book's
// sixty (納采問名 …); a day suits it when its almanac 宜 has an item with
// that word or for that activity.
struct ChooseTarget {
  std::optional<int> word;  // AlmanacWordName
  std::optional<ActivityId> activity;
};
// The almanac's word first, then the book's name; nothing for an empty or
// unknown name.
std::optional<ChooseTarget> ChooseTargetByName(std::u16string_view name);
// "嫁娶" or "納采問名": the name the target was found by.
std::u16string_view ChooseTargetName(const ChooseTarget& target);

struct ChooseRequest {
  ChooseTarget target;
  int fromYear = 0, fromMonth = 0, fromDay = 0;
  int toYear = 0, toMonth = 0, toDay = 0;
  // The branches of the zodiac animals of the people it is for (0 = 子, 鼠);
  // a day that clashes with any of them is left out.
  std::vector<int> animals;
};

struct ChosenDay {
  int year = 0, month = 0, day = 0;
  int lunarYear = 0, lunarMonth = 0, lunarDay = 0;  // lunarMonth < 0 in a leap month
  int dayGod = 0;                                   // kDayGodNames
  bool yellowPath = false;
  AlmanacItem item;  // the 宜 item that made the day suit
  int goodSpirits = 0, badSpirits = 0;
};

// The animal of a year counted from its 立春: the year that begins in
// February of Gregorian year `year`.
int ZodiacAnimalOfYear(int year);
// The animal of someone born on the date, the year counted from 立春 (a
// birth on 1990-01-20 is of the 1989 year, 巳, the snake); −1 for a date
// outside 1900–2100 or one that does not exist.
int BirthAnimal(int year, int month, int day);
// The animal a day clashes with, as the page's 沖 cell names it.
int ClashedAnimal(int dayCycle);

// Fills `out` with the chosen days in date order; 0, or kBadChooseRange or
// kChooseRangeTooLong (out cleared). A 諸事不宜 day appears only for what the
// list still notes 宜 on it.
int ChooseDays(const ChooseRequest& request, std::vector<ChosenDay>& out);

// Our own "best first" order, not the book's: 黃道 days before 黑道 days,
// then more 吉神, then fewer 凶煞, then the earlier date.
void SortBestFirst(std::vector<ChosenDay>& days);

}  // namespace lunisol
