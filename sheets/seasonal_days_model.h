// The seasonal days of a Gregorian year on the yearly notes sheet: the
// earth-god days (社日), the three dog days (三伏), the plum rains (入霉,
// 出霉) and the winter rains (入液, 出液), each found from a solar term.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "sheets/yearly_notes_model.h"

namespace lunisol {

// One converted day of a scan.
struct ScannedDay {
  int stem = 0;
  int branch = 0;
  int lunarMonth = 0;  // negative in a leap month
  int lunarDay = 0;
};

// Index in `days` of the n-th day whose stem (or branch, when byBranch) is
// `wanted`, where a match that falls in a leap month does not end the count
// but moves the goal on to the next match; -1 when the scan runs out.
int NthMatchOutsideLeapMonth(std::span<const ScannedDay> days, int wanted, bool byBranch, int n);

struct SeasonalDay {
  std::u16string monthDay;    // "%d 月 %d" of the lunar month and day
  std::u16string pillarHalf;  // the branch for a stem search, the stem for a branch search
};

// The n-th day on or after the named term's day of Gregorian year `year`
// whose stem is `wanted` ("-未" searches the branch 未 instead), days of leap
// months passed over.
std::optional<SeasonalDay> FindDayAfterTerm(int year, std::u16string_view termName, std::u16string_view wanted, int n);

struct WinterRainDay {
  std::u16string monthDay;  // "%d 月 %d", or "閏 %d 月 %d" in a leap month
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
