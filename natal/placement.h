// The counting rules of chart setting (起例) that are arithmetic rather than
// table look-ups. Branches are 0 = 子 .. 11 = 亥, stems 0 = 甲 .. 9 = 癸;
// "forward" is clockwise on the chart, towards the next branch.
#pragma once

#include <array>

namespace lunisol {

constexpr int Mod12(int n) { return ((n % 12) + 12) % 12; }

// The month the month rules read for a lunar month (−n for the leap month
// after month n) and day. A leap month has no rules of its own; we follow the
// common Taiwanese reading: days 1..15 of a leap month count as the month it
// repeats, days 16 to the end (the 29th or 30th) as the month after it. The
// split is by the day number, so the first half is always fifteen days and
// the second fourteen or fifteen. A second half after the twelfth month would
// count as the first (no such leap month falls in 1900..2100).
int ChartMonth(int lunarMonth, int lunarDay);

// 命宮: from 寅 count the months forward to the birth month, then the hours
// back from there (子 on that palace) to the birth hour.
constexpr int SoulPalaceBranch(int month, int hour) { return Mod12(2 + (month - 1) - hour); }
// 身宮: as 命宮, but the hours are counted forward.
constexpr int BodyPalaceBranch(int month, int hour) { return Mod12(2 + (month - 1) + hour); }

// The stem of the palace on a branch by 五虎遁: the year stem fixes the stem
// of 寅 and the stems run on through 卯 … 丑, so 子 and 丑 take the stems
// after 亥's.
int PalaceStem(int yearStem, int branch);

// 五行局 number (2..6) of the 納音 element of a palace's stem and branch.
int BureauOf(int stem, int branch);

// 紫微 by 五行局 and lunar day: the smallest number k with day + k divisible
// by the 局 gives the quotient q; count q from 寅 (寅 = 1), then step k
// palaces back when k is odd or forward when it is even.
int ZiWeiBranch(int bureau, int lunarDay);

// 天府 mirrors 紫微 across the 寅–申 line.
constexpr int TianFuBranch(int ziWeiBranch) { return Mod12(4 - ziWeiBranch); }

// The branches a palace is read together with (三方四正): its own, the one
// opposite it and the two in trine with it, four either way.
constexpr std::array<int, 4> ThreeSidesFourFronts(int branch) {
  return {Mod12(branch), Mod12(branch + 6), Mod12(branch + 4), Mod12(branch - 4)};
}

// 陽男 and 陰女 run their 大限, 長生 and 博士 rings forward.
constexpr bool RunsForward(bool yangYear, bool male) { return yangYear == male; }

}  // namespace lunisol
