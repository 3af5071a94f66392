// The natal chart read in time (行運): for one date, the 大限 (or 童限), the
// 小限, the 流年, the 流月 and the 流日, each a palace of the chart taken as
// its own 命宮, with its stem and branch and its four transformations, and
// the stars and spirit rings of the flowing year. A plain record of typed
// facts over a NatalChart; the school choices it follows are listed at the
// top of natal/rules.h.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "natal/chart.h"

namespace lunisol {

// One span of time read on the chart: the branch its 命宮 stands on, its own
// stem and branch, and the stars its stem transforms (祿, 權, 科, 忌).
//   大限 and 童限: the palace's stem and branch;
//   小限: the palace's stem and branch (its stem's 四化 are not read);
//   流年: the lunar year's stem and branch (the palace is on that branch);
//   流月: the month's stem (五虎遁 from the year's) and branch (寅 for 正月);
//   流日: the day's stem and branch.
struct TimeSpan {
  int palaceBranch = 0;
  int stem = 0, branch = 0;
  std::array<Star, 4> mutagens{};
};

// The palace name (index into kPalaceNames) a span gives the palace on
// `branch`: 命宮 on its own branch, 兄弟 one back, and so on round the chart.
constexpr int SpanPalaceRole(const TimeSpan& span, int branch) { return ((span.palaceBranch - branch) % 12 + 12) % 12; }
// The transformation (祿 … 忌, or none) a span gives `star`.
Mutagen SpanMutagen(const TimeSpan& span, Star star);

struct Horoscope {
  SolarDate date;
  int lunarYear = 0, lunarMonth = 0, lunarDay = 0;  // of the date; lunarMonth −n in a leap month
  int flowMonth = 0;                                // 1..12: the month the 流月 reads (ChartMonth of the date)
  int nominalAge = 0;                               // 虛歲
  // The 大限: in the 童限 years before the first, the 童限 palace, and
  // decadalFrom = decadalTo = 0.
  bool childhood = false;
  int decadalFrom = 0, decadalTo = 0;
  TimeSpan decadal, age, yearly, monthly, daily;
  // The branch each flowing star of the year stands on, by FlowingStar id.
  std::array<int8_t, kFlowingStarCount> flowingStarBranch{};
  // The year's 將前 and 歲前 spirits on each branch 子..亥 (indices into
  // kJiangqianNames and kSuiqianNames).
  std::array<int8_t, 12> jiangqian{}, suiqian{};
};

// The chart read on `date`. Nothing when the date is not a Gregorian date in
// 1900..2100 or falls before the day charted.
std::optional<Horoscope> ComputeHoroscope(const NatalChart& chart, const SolarDate& date);

// A date on which the chart's 虛歲 is `nominalAge`, for a time bar's jump
// to a 大限: `near`'s month and day in that lunar year's Gregorian year when
// they fall in it, otherwise its 正月初一; never before the day charted.
// Nothing when that lunar year is past the calendar's last.
std::optional<SolarDate> DateAtAge(const NatalChart& chart, int nominalAge, const SolarDate& near);

}  // namespace lunisol
