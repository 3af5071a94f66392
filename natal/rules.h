// The rule tables of chart setting, one per file under natal/data/, each
// naming its source: the 起例 (chart-setting rules) of 《紫微斗數全書》 as
// Taiwanese practice reads them. Where schools differ, the table's file says
// which reading we follow; each such choice lives in that one table:
//   leap months ........................ ChartMonth (natal/placement.h)
//   四化 of 戊, 庚 and 壬 ................ data/four_transformations.cpp
//   brightness grid .................... data/major_star_brightness.cpp
//   天魁 and 天鉞 of 庚 and 辛 ............ data/year_stem_stars.cpp
//   天馬 by year branch, not by month ... data/year_branch_stars.cpp
//   解神 by month, not by year .......... data/month_stars.cpp
//   火星 and 鈴星 starting points ......... data/fire_bell_starts.cpp
//   截空 and 旬空, 正 and 副 ............... data/void_pairs.cpp
//   天傷 and 天使 .......................... data/fixed_palace_stars.cpp
//   命主 by 命宮 branch ..................... data/master_stars.cpp
//   長生 of 土五局 ........................... data/bureaus.cpp
//   小限 direction .......................... data/minor_limit_starts.cpp
//   天廚 and 年解 (not in the 全書) ........... data/year_stem_stars.cpp,
//                                             data/year_branch_stars.cpp
//   將前 and 歲前 rings ........................ data/year_spirit_rings.cpp
//   來因宮 never on 子 or 丑 ................... OriginalPalaceBranch (placement.h)
//   four pillars by the chart's own reckoning . data/rat_stems.cpp
// and for the chart read in time (natal/horoscope.h), the common Taiwanese
// usage:
//   the flowing year turns at the lunar new year, not at 立春, and 虛歲 counts
//   lunar years ............................. NominalAge (placement.h)
//   流月 by lunar month, a leap month split
//   after its 15th day ....................... ChartMonth (placement.h)
//   流月 palaces from the year's 斗君 .......... FirstMonthBranch (placement.h)
//   童限 before the first 大限 ................ data/childhood_limits.cpp
//   大限 after the twelfth ..................... DecadeOfAge (placement.h)
//   四化 of 大限, 流年, 流月, 流日 and of each
//   palace's stem: the natal table ........... data/four_transformations.cpp
//   流年 stars ................................. data/flowing_stars.cpp
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "natal/stars.h"

namespace lunisol {

namespace rows {

inline constexpr std::u16string_view kBranchChars = u"子丑寅卯辰巳午未申酉戌亥";
inline constexpr std::u16string_view kGradeChars = u"廟旺得利平不陷";

// Branches written as the book writes them, one character a branch, read at
// compile time: a character that is not a branch does not compile.
consteval int8_t Branch(char16_t c) {
  const size_t at = kBranchChars.find(c);
  if (at == std::u16string_view::npos) throw "not an earthly branch";
  return static_cast<int8_t>(at);
}

template <size_t M>
consteval std::array<int8_t, M - 1> Branches(const char16_t (&text)[M]) {
  std::array<int8_t, M - 1> row{};
  for (size_t i = 0; i + 1 < M; ++i) row[i] = Branch(text[i]);
  return row;
}

// Twelve brightness grades written as 廟旺得利平不陷 characters.
consteval std::array<Brightness, 12> Grades(const char16_t (&text)[13]) {
  std::array<Brightness, 12> row{};
  for (size_t i = 0; i < 12; ++i) {
    const size_t at = kGradeChars.find(text[i]);
    if (at == std::u16string_view::npos) throw "not a brightness grade";
    row[i] = static_cast<Brightness>(at + 1);
  }
  return row;
}

}  // namespace rows

// A star and the branch it stands on for each of twelve keys (lunar months
// 正..臘, hours 子..亥 or year branches 子..亥).
struct TwelveKeyRow {
  Star star;
  std::array<int8_t, 12> branch;
};
// A star and its branch for each year stem 甲..癸.
struct StemRow {
  Star star;
  std::array<int8_t, 10> branch;
};

// A star of the 紫微 or 天府 series and its distance from the series head,
// forward positive.
struct SeriesStep {
  Star star;
  int8_t offset;
};

struct Bureau {
  char16_t element;  // the 納音 element that gives it
  int8_t number;     // 2..6: the 局 number, the first 大限's first age
  std::u16string_view name;
  int8_t changshengBranch;  // where 長生 stands
};

// Stars counted from another star or palace: start on the anchor with the
// first day (or 子 year), count `step` a palace to the birth's lunar day (or
// year branch), then move `adjust` palaces more.
enum class CountFrom : uint8_t { kStar, kSoulPalace, kBodyPalace };
enum class CountBy : uint8_t { kLunarDay, kYearBranch };
struct CountedStar {
  Star star;
  CountFrom from;
  Star anchor;  // read when from is kStar
  CountBy by;
  int8_t step;
  int8_t adjust;
};

// A star that always stands in the same palace of the twelve.
struct FixedPalaceStar {
  Star star;
  int8_t palace;  // index into kPalaceNames
};

// A flowing star placed by the flowing year's stem or branch as the natal
// star `natal` is placed by the birth year's.
struct FlowingLikeNatal {
  FlowingStar star;
  Star natal;
};
// A flowing star with a row of its own by the flowing year's stem 甲..癸.
struct FlowingStemRow {
  FlowingStar star;
  std::array<int8_t, 10> branch;
};

// The two palaces of a void, the yang branch first.
struct VoidPair {
  int8_t yangBranch, yinBranch;
};

extern const std::array<SeriesStep, 6> kZiWeiSeries;
extern const std::array<SeriesStep, 8> kTianFuSeries;
// By major star in Star order, then by branch 子..亥.
extern const std::array<std::array<Brightness, 12>, kMajorStarCount> kMajorStarBrightness;
// 祿, 權, 科, 忌 of each year stem 甲..癸.
extern const std::array<std::array<Star, 4>, 10> kFourTransformations;
// The stem of 寅 for each year stem 甲..癸 (五虎遁).
extern const std::array<int8_t, 10> kTigerStems;
// The stem of the 子 hour for each day stem 甲..癸 (五鼠遁).
extern const std::array<int8_t, 10> kRatStems;
// In order of 局 number, 水二局 first.
extern const std::array<Bureau, 5> kBureaus;
extern const std::array<TwelveKeyRow, 8> kMonthStars;
extern const std::array<TwelveKeyRow, 6> kHourStars;
extern const std::array<StemRow, 8> kYearStemStars;
extern const std::array<TwelveKeyRow, 17> kYearBranchStars;
// Where 火星 and 鈴星 stand at the 子 hour, by year branch; both then count
// the hours forward.
extern const std::array<int8_t, 12> kFireStarStarts;
extern const std::array<int8_t, 12> kBellStarStarts;
// 截空 by year stem pair 甲己, 乙庚, 丙辛, 丁壬, 戊癸; 旬空 by the 旬 of the year
// pillar, 甲子旬 first.
extern const std::array<VoidPair, 5> kCutRoadVoids;
extern const std::array<VoidPair, 6> kDecadeVoids;
extern const std::array<CountedStar, 6> kCountedStars;
extern const std::array<FixedPalaceStar, 2> kFixedPalaceStars;
// 命主 by the 命宮's branch, 身主 by the year branch.
extern const std::array<Star, 12> kSoulMasters;
extern const std::array<Star, 12> kBodyMasters;
// Where the 小限 of 虛歲 1 stands, by year branch, and the step from one
// year to the next by sex (male, female).
extern const std::array<int8_t, 12> kMinorLimitStarts;
extern const std::array<int8_t, 2> kMinorLimitSteps;
// The 童限 palace (index into kPalaceNames) of 虛歲 1 to 6.
extern const std::array<int8_t, 6> kChildhoodPalaces;
// Where 將星 stands, by year branch 子..亥; 歲建 stands on the year branch.
extern const std::array<int8_t, 12> kGeneralStarStarts;
extern const std::array<FlowingLikeNatal, 9> kFlowingLikeNatal;
extern const std::array<FlowingStemRow, 2> kFlowingStemRows;

}  // namespace lunisol
