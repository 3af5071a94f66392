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

// 來因宮: the palace whose stem is the birth year's own, as the 四化 (飛星)
// schools of Taiwan mark it; the 全書 has no such palace. 子 and 丑 repeat the
// stems of 寅 and 卯, so in 壬 years (子) and 辛 years (丑) two palaces carry
// the year stem;
// as Taiwanese charts do, we take the one among 寅..亥, never 子 or 丑.
int OriginalPalaceBranch(int yearStem);

// The spirits a year of branch `yearBranch` lays on `branch`: the 將前 ring
// from 將星 and the 歲前 ring from 歲建 on the year's branch, both forward
// (indices into kJiangqianNames and kSuiqianNames).
int JiangqianAt(int yearBranch, int branch);
constexpr int SuiqianAt(int yearBranch, int branch) { return Mod12(branch - yearBranch); }

// 虛歲: 1 in the lunar year of the birth, one more at each lunar new year (not
// at 立春, nor at the birthday).
constexpr int NominalAge(int birthLunarYear, int lunarYear) { return lunarYear - birthLunarYear + 1; }

// The 大限 a 虛歲 falls in, counted from the one on 命宮 (0), for a chart of
// 五行局 `bureau`; −1 in the 童限 years before the first. The twelve 大限
// cover 120 years; a reader older than that goes round the chart again from
// 命宮, as the ring of palaces has no end.
constexpr int DecadeOfAge(int bureau, int age) { return age < bureau ? -1 : ((age - bureau) / 10) % 12; }
// The palace (index into kPalaceNames) of 大限 `decade` (0..11).
constexpr int DecadePalace(bool forward, int decade) { return forward ? Mod12(-decade) : decade; }

// 斗君, the palace of a flowing year's first month (《紫微斗數全書》, the 斗君
// rule, read for any year rather than through its table of 子 years): from
// the year's branch count the months back to the birth month (正月 on the
// year's branch), then the hours forward from there (子 on that palace) to
// the birth hour. Month n of the year stands n − 1 palaces forward of it,
// and day d of a month d − 1 palaces forward of the month's; in a leap
// month's second half the days run on from its 16th.
constexpr int FirstMonthBranch(int yearBranch, int birthMonth, int birthHour) {
  return Mod12(yearBranch - (birthMonth - 1) + birthHour);
}

}  // namespace lunisol
