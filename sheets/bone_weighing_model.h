// Bone weighing (秤骨) of a birth moment and the saying for people born on a
// day of the selected day's lunar mansion: the six texts of the small dialog.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/hour_entries.h"
#include "calendar/vocabulary.h"

namespace lunisol {

// The items of the date bar's hour list, in the order of the hour entries
// of calendar/hour_entries.h: 子 of 0–1 h .. 亥, then the late 子 of 23–24 h.
extern const std::array<std::u16string_view, kHourEntryCount> kHourSelectorItems;

// Tooltip of the description box when the mansion's saying is this
// program's own writing rather than the almanac's.
inline constexpr std::u16string_view kOwnMansionSayingTip = u"本宿說明為本程式擬作，非傳統原文";
// The same said on the sheet itself, so a screenshot or a print carries it.
inline constexpr std::u16string_view kOwnMansionSayingLine = u"本宿說明為本程式擬作";

struct BoneWeighingRecord {
  std::u16string birthLine;    // "農曆 %d 年 %d 月 %d 日 %s 時"
  std::u16string weight;       // e.g. "三兩三"
  std::u16string verdict;      // a phrase ending in "之命"
  std::u16string song;         // two lines joined by CR LF
  std::u16string mansionName;  // one character, as in the day's mansion cell
  std::u16string description;  // "此日出生之人…"
  // Set when the saying is our own writing; the tooltip then says so.
  bool descriptionIsOurs = false;
  std::u16string descriptionTooltip;
  std::u16string ownWritingLine;  // kOwnMansionSayingLine when the saying is ours

  int yearPosition = 0;  // 1..60
  LunarDate lunar;       // the birth's lunar date
  int totalQian = 0;     // total weight in 錢 (tenths of a 兩)
  int verseIndex = 0;    // totalQian − 21
};

// The weight index of a birth moment, all in whole 錢: year by cycle place
// (1..60), lunar month 1..12, lunar day 1..30, hour branch 0..11. Returns the
// total in 錢, or −1 for an argument outside the tables.
int BoneWeightQian(int yearPosition, int lunarMonth, int lunarDay, int hour);

// The reading for the Gregorian date and the hour list's entry (0 = 子 ..
// 11 = 亥, 12 = the late 子 hour, weighed as the 子 hour of the next day, as
// the chart reads it; the birth line then gives that day's lunar date, the
// day the hour belongs to in the traditional count, which starts a day at
// 23 h). Nothing when the date does not convert (the dialog then does not
// open) or the entry is not one of the thirteen.
//
// A birth in a leap month weighs as the month it repeats: the month weight and
// the month number in the birth line are those of that month, since the
// weight table knows only the twelve ordinary months.
std::optional<BoneWeighingRecord> WeighBones(int year, int month, int day, int hour);

}  // namespace lunisol
