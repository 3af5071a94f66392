// Text tables of the month almanac: festivals, proverbs, solar-term notes and
// the per-day lookup tables indexed by the sexagenary day.
#pragma once

#include <array>
#include <string_view>

#include "almanac/lookups.h"

namespace lunisol {

// Gregorian observances: the day, the name shown and the years it is shown,
// with the source of those years.
struct SolarFestivalRow {
  int month;
  int day;
  std::u16string_view name;
  int firstYear;  // first year kept in Taiwan or the Republic; 0: not known, shown in every year
  int lastYear;   // last year under this name; 0: still kept
  std::string_view source;
  bool KeptIn(int year) const { return year >= firstYear && (lastYear == 0 || year <= lastYear); }
};
extern const std::array<SolarFestivalRow, 14> kSolarFestivals;
// Lunar festivals and deity birthdays: "MMDD" (lunar month and day) followed
// by the occasions of that day joined with " ，". The last entry, "0100除夕",
// belongs to the last day of the lunar year.
extern const std::array<std::u16string_view, 120> kLunarFestivals;
// Keys of the rows that hold only one of the almanac's moral vows
// ("此日宜立下…的願"), our own wording, on days with no observance widely
// kept in Taiwan: these rows are not observances of their day.
extern const std::array<std::u16string_view, 16> kLunarVowDays;
// One weather proverb per pair of solar terms.
extern const std::array<std::u16string_view, 12> kTermProverbs;

// Planting and fishing notes shown under a solar term, in term order.
struct TermNotes {
  std::u16string_view term;                  // the name of the term of the row
  std::u16string_view northPlanting;         // "北部 ：…"
  std::u16string_view centralSouthPlanting;  // "中部 ：…\n南部 ：…"
  std::u16string_view fishingA;
  std::u16string_view fishingB;
};
extern const std::array<TermNotes, 24> kTermNotes;

// By day stem.
extern const std::array<Direction, 10> kJoyGodDirections;
extern const std::array<Direction, 10> kWealthGodDirections;
// 60-row tables in cycle order (0 = 甲子).
extern const std::array<LuckyHours, 60> kLuckyHours;
extern const std::array<FetusGod, 60> kFetusGods;
extern const std::array<std::u16string_view, 60> kDayCodeTexts;
// 72 day hexagrams, row 9·r + (u − 1); the rows with u = 5 are the centre
// "中五禽".
extern const std::array<std::u16string_view, 72> kHexagramTexts;
constexpr bool IsCentreHexagram(int position) { return position % 9 == 4; }

}  // namespace lunisol
