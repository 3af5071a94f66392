// The tables the calendar export reads beside the almanac's own: the names
// of lunar months and days, of the moon's phases, and which of the page's
// occasions count as festivals.
#pragma once

#include <array>
#include <string_view>

namespace lunisol {

// 望, 下弦, 朔, 上弦: indexed by the phase lists of calendar/moon_phases.h.
extern const std::array<std::u16string_view, 4> kMoonPhaseNames;

// Occasions of the page's lunar table (almanac/data/lunar_festivals.cpp)
// that are festivals; every other occasion there is a deity's day or an
// observance.
extern const std::array<std::u16string_view, 13> kLunarTableFestivals;

// A festival kept on the day of a solar term.
struct TermFestival {
  int term;  // 0 = 小寒 … 23 = 冬至
  std::u16string_view name;
};
extern const std::array<TermFestival, 2> kTermFestivals;

}  // namespace lunisol
