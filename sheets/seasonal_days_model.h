// The seasonal days of a Gregorian year on the yearly notes sheet: the
// earth-god days (社日), the three dog days (三伏), the plum rains (入霉,
// 出霉) and the winter rains (入液, 出液), each found from a solar term.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "sheets/yearly_notes_model.h"

namespace lunisol {

// "%d 月 %d" of a lunar month and day, "閏 %d 月 %d" in a leap month.
std::u16string LunarMonthDayText(int lunarMonth, int lunarDay);

struct SeasonalDay {
  std::u16string monthDay;    // LunarMonthDayText of the day
  std::u16string pillarHalf;  // the branch for a stem search, the stem for a branch search
};

// The n-th day on or after the named term's day of Gregorian year `year`
// whose stem is `wanted` ("-未" searches the branch 未 instead). The days
// are counted by the solar term and the cycle alone: a leap month is as good
// a month for them as any, so it neither stops nor skips the count.
std::optional<SeasonalDay> FindDayAfterTerm(int year, std::u16string_view termName, std::u16string_view wanted, int n);

struct WinterRainDay {
  std::u16string monthDay;  // LunarMonthDayText of the day
  std::u16string pillar;    // stem, branch
};
// The lunar date `daysAfter` days after the named term's day.
std::optional<WinterRainDay> WinterRainDayAfterTerm(int year, std::u16string_view termName, int daysAfter);

struct SeasonalDaysSheet {
  // "日社", 春社, 秋社, "日伏三", 初伏, 中伏, 末伏, "雨 液 雨 霉", 入霉, 出霉,
  // 入液, 出液: the sheet's creation order.
  std::array<SheetLabel, 12> labels;
  bool complete = true;  // false when a search found no day
};

SeasonalDaysSheet BuildSeasonalDays(int year);

}  // namespace lunisol
