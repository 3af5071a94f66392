// The moments of the four moon phases, as the almanac prints them.
#pragma once

#include <vector>

#include "tools/astro/civil.h"

namespace lunisol::astro {

// List numbers of the almanac's moon-phase lists.
inline constexpr int kFullMoonList = 0;      // 望, elongation 180
inline constexpr int kLastQuarterList = 1;   // 下弦, 270
inline constexpr int kNewMoonList = 2;       // 朔, 0
inline constexpr int kFirstQuarterList = 3;  // 上弦, 90

struct PhaseMoment {
  int list;          // kFullMoonList .. kFirstQuarterList
  LocalMinute time;  // UTC+8, cut to the minute
};

// Every phase whose UTC+8 date lies in the Gregorian years firstYear..
// lastYear, in time order.
//
// Phases are located with ERFA's Moon98 and settled with ELP 2000-82B, so
// the minute is right whenever the moment is more than a second or two away
// from a minute boundary. Throws std::out_of_range outside
// kFirstPhaseYear..kLastPhaseYear, where the Delta T model is only a guess.
std::vector<PhaseMoment> ComputeMoonPhases(int firstYear, int lastYear);

inline constexpr int kFirstPhaseYear = 1000;
inline constexpr int kLastPhaseYear = 3000;

}  // namespace lunisol::astro
