// The moon phases of a Gregorian month from the built-in phase table.
#pragma once

#include <array>

#include "calendar/vocabulary.h"

namespace lunisol {

// A month holds three to five phases (they come 6 to 8.6 days apart).
struct MonthMoonPhases {
  int count = 0;
  std::array<MoonPhaseEvent, 5> moments{};
};

// The phases of a Gregorian month 1900..2100 in time order; none outside the
// range.
MonthMoonPhases MoonPhasesOfMonth(int year, int month);

}  // namespace lunisol
