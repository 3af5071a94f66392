// The moon phases of a Gregorian month from the built-in phase table.
#pragma once

#include <array>

namespace lunisol {

// The almanac's moon-phase lists, in the order its pages try them.
enum MoonPhase : int {
  kFullMoon = 0,      // 望
  kLastQuarter = 1,   // 下弦
  kNewMoon = 2,       // 朔
  kFirstQuarter = 3,  // 上弦
};

struct MoonPhaseMoment {
  int list = 0;  // MoonPhase
  int day = 0;   // of the month
  int hour = 0;  // UTC+8
  int minute = 0;
};

// A month holds three to five phases (they come 6 to 8.6 days apart).
struct MonthMoonPhases {
  int count = 0;
  std::array<MoonPhaseMoment, 5> moments{};
};

// The phases of a Gregorian month 1900..2100 in time order; none outside the
// range.
MonthMoonPhases MoonPhasesOfMonth(int year, int month);

}  // namespace lunisol
