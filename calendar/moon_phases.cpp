#include "calendar/moon_phases.h"

#include "calendar/tables.h"

namespace lunisol {

MonthMoonPhases MoonPhasesOfMonth(int year, int month) {
  MonthMoonPhases out;
  if (year < kFirstTermYear || year > kLastTermYear || month < 1 || month > 12) return out;
  const auto m = static_cast<size_t>((year - kFirstTermYear) * 12 + month - 1);
  const size_t first = MoonPhaseMonths[m] >> 2, end = MoonPhaseMonths[m + 1] >> 2;
  int phase = MoonPhaseMonths[m] & 3;
  for (size_t i = first; i < end && out.count < static_cast<int>(out.moments.size()); ++i) {
    const int minutes = MoonPhaseMinutes[i];
    out.moments[static_cast<size_t>(out.count++)] = {
        PhaseAt(phase), month, minutes / 1440 + 1, {minutes % 1440 / 60, minutes % 60}};
    ++phase;
  }
  return out;
}

}  // namespace lunisol
