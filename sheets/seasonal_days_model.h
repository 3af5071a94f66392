// The seasonal days of a Gregorian year on the yearly notes sheet: the
// earth-god days (社日), the three dog days (三伏), the plum rains (入霉,
// 出霉) and the winter rains (入液, 出液), each found from a solar term.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "calendar/vocabulary.h"
#include "sheets/yearly_notes_model.h"

namespace lunisol {

// "%d 月 %d" of a lunar month and day, "閏 %d 月 %d" in a leap month.
std::u16string LunarMonthDayText(const LunarDate& date);

struct SeasonalDay {
  LunarDate date;
  Pillar pillar;
};

// The n-th day on or after a term's day of Gregorian year `year` whose stem
// (or branch) is `wanted`. The days are counted by the solar term and the
// cycle alone: a leap month is as good a month for them as any, so it
// neither stops nor skips the count.
std::optional<SeasonalDay> FindDayAfterTerm(int year, SolarTerm term, Stem wanted, int n);
std::optional<SeasonalDay> FindDayAfterTerm(int year, SolarTerm term, Branch wanted, int n);
// The day `daysAfter` days after a term's day.
std::optional<SeasonalDay> DayAfterTerm(int year, SolarTerm term, int daysAfter);

struct SeasonalDaysSheet {
  // "日社", 春社, 秋社, "日伏三", 初伏, 中伏, 末伏, "雨 液 雨 霉", 入霉, 出霉,
  // 入液, 出液: the sheet's creation order.
  std::array<SheetLabel, 12> labels;
  bool complete = true;  // false when a search found no day
};

SeasonalDaysSheet BuildSeasonalDays(int year);

}  // namespace lunisol
