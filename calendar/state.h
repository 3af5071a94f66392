// Calendar state a window keeps between calls: the term last seen, the 立春
// day pillar, and the per-year day tables of the selected year.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace lunisol {

struct LunarTriple {
  int32_t year = 0;
  int32_t month = 0;  // negative for a leap month
  int32_t day = 0;
  friend bool operator==(const LunarTriple&, const LunarTriple&) = default;
};

inline constexpr int32_t kNoTerm = 99;

struct CalendarState {
  // Index of the term found by the latest successful SolarTermOnDay; 99 = none.
  int32_t lastTermIndex = kNoTerm;
  // Day pillar (stem, branch) of the 立春 day last looked up.
  std::u16string lichunDayPillar;
  // Day nine star by day of year − 1: 1..9, 0 = not computed (filled by
  // almanac/nine_stars.h, which also owns the December marker below).
  std::array<int32_t, 366> nineStarTable{};
  // Day hexagram position by day of year − 1: 0..71, −1 = not computed.
  std::array<int32_t, 366> dayHexagramTable = [] {
    std::array<int32_t, 366> a{};
    a.fill(-1);
    return a;
  }();
  // Day of December on which the 一白 甲子 near 冬至 falls (found = true), or
  // the star of 1 January of the next year (found = false); −1 = not computed.
  int32_t decemberMarker = -1;
  bool decemberMarkerFound = false;
  // The twelve 氣往亡日 of the selected year.
  std::array<LunarTriple, 12> qiWangWangDays{};
};

}  // namespace lunisol
