// The natal chart (紫微斗數命盤) of a birth: a plain record of typed facts
// that a view places without reading any text. Names come from the tables in
// natal/stars.h and calendar/tables.h.
#pragma once

#include <array>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "natal/stars.h"

namespace lunisol {

enum class Sex : uint8_t { kMale, kFemale };

struct SolarDate {
  int year = 0, month = 0, day = 0;
  friend constexpr auto operator<=>(const SolarDate&, const SolarDate&) = default;
};
// A Gregorian date of the calendar's years, 1900..2100.
bool IsCalendarDate(const SolarDate& date);

// A birth as the date bar gives it: a Gregorian date in 1900..2100 and the
// entry of the hour list, 0 = 子 (0–1 h) .. 11 = 亥, or 12 = the late 子 hour
// (23–24 h), which is charted as the 子 hour of the next day
// (calendar/hour_entries.h).
struct Birth {
  int year = 0, month = 0, day = 0;
  int hour = 0;
  Sex sex = Sex::kMale;
};

struct PlacedStar {
  Star star = Star::kZiWei;
  Brightness brightness = Brightness::kNone;  // graded for the fourteen major stars only
  Mutagen mutagen = Mutagen::kNone;
};

// The stars of one kind in one palace, in the order of the Star ids.
template <size_t N>
struct StarList {
  std::array<PlacedStar, N> items{};
  size_t count = 0;

  const PlacedStar* begin() const { return items.data(); }
  const PlacedStar* end() const { return items.data() + count; }
  size_t size() const { return count; }
  bool empty() const { return count == 0; }
  const PlacedStar& operator[](size_t i) const { return items[i]; }
  void push_back(const PlacedStar& s) { items[count++] = s; }
};

// One of the four transformations a palace's stem flies (宮干四化, 飛星): the
// star it transforms and the branch that star stands on.
struct Flight {
  Star star = Star::kZiWei;
  int8_t toBranch = 0;
};

struct ChartPalace {
  int stem = 0;    // 0 = 甲, by 五虎遁 from the year stem
  int branch = 0;  // 0 = 子
  bool isBodyPalace = false;
  StarList<kMajorStarCount> majorStars;
  StarList<kMinorStarCount> minorStars;
  StarList<kOtherStarCount> otherStars;
  int changsheng = 0;                  // index into kChangshengNames
  int boshi = 0;                       // index into kBoshiNames
  int decadalFrom = 0, decadalTo = 0;  // 大限, in 虛歲
  int minorLimitAge = 0;               // 小限: first 虛歲 (1..12) spent here, then every twelve years
  int jiangqian = 0;                   // index into kJiangqianNames, by the birth year
  int suiqian = 0;                     // index into kSuiqianNames, by the birth year
  bool isOriginalPalace = false;       // 來因宮
  // 祿, 權, 科, 忌 of the palace's stem; a flight back to this palace's own
  // branch is a 自化.
  std::array<Flight, 4> flights{};
};

// The 小限 ages of a palace, ascending: its first and every twelfth after,
// ten in all (to 109 … 120).
std::array<int, 10> MinorLimitAges(const ChartPalace& palace);
// Whether the palace's stem transforms a star in the palace itself (自化):
// by transformation 祿, 權, 科, 忌.
std::array<bool, 4> SelfTransformations(const ChartPalace& palace);

// One of the chart's four pillars as numbers (0 = 甲, 0 = 子).
struct ChartPillar {
  int stem = 0, branch = 0;
};

struct NatalChart {
  Birth birth;  // as given, the late 子 hour included
  // The day and hour charted: the birth's date and hour, or for the late 子
  // hour the next day's 子 hour.
  SolarDate chartDate;
  int chartHour = 0;
  // The lunar date of chartDate as converted; lunarMonth is −n in the leap month
  // after month n.
  int lunarYear = 0, lunarMonth = 0, lunarDay = 0;
  // The month every month rule reads, 1..12: the leap month resolved (see
  // ChartMonth in natal/placement.h).
  int chartMonth = 0;
  int yearStem = 0, yearBranch = 0;  // of the lunar year (it turns at the lunar new year, not at 立春)
  // Year, month, day and hour as the chart reckons them: the lunar year's,
  // the chart month's (五虎遁 from the year stem, 正月 on 寅), the day's, and
  // the hour's (五鼠遁 from the day stem).
  std::array<ChartPillar, 4> pillars{};
  bool yangYear = true;                // the year stem is yang (甲丙戊庚壬)
  bool forward = true;                 // 陽男 and 陰女 run clockwise, 陰男 and 陽女 counter-clockwise
  int soulBranch = 0, bodyBranch = 0;  // 命宮 and 身宮
  int bodyPalace = 0;                  // index into palaces of the 身宮
  int bureau = 0;                      // 五行局 number: 2 水, 3 木, 4 金, 5 土, 6 火
  Star soulStar = Star::kZiWei;        // 命主
  Star bodyStar = Star::kZiWei;        // 身主
  // The twelve palaces from 命宮, in the order of kPalaceNames.
  std::array<ChartPalace, 12> palaces;
  // Index into palaces of the palace on each branch 子..亥.
  std::array<int, 12> palaceAtBranch{};
  // The branch every star stands on, by Star id.
  std::array<int8_t, kStarCount> starBranch{};
};

// The chart of a birth. Nothing when the birth's date or the day charted is
// not a Gregorian date in 1900..2100, the hour is not 0..12, or the sex is not one of the two.
std::optional<NatalChart> ComputeChart(const Birth& birth);

// "水二局" … "火六局" for a 五行局 number 2..6; empty otherwise.
std::u16string_view BureauName(int bureau);
// "陽男", "陰男", "陽女" or "陰女".
std::u16string_view PolaritySexName(bool yangYear, Sex sex);

}  // namespace lunisol
