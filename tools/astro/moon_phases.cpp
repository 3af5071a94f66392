#include "tools/astro/moon_phases.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "tools/astro/events.h"

namespace lunisol::astro {
namespace {

// A settled moment closer than this to a minute boundary is solved again to
// full precision with ELP: the single Newton step below is good to a few
// milliseconds, so only there could it name another minute than the full
// solution.
constexpr double kMinuteGuardSeconds = 1.0;

// The ELP moment of a phase from its Moon98 moment. The two theories differ
// by seconds of time, over which the elongation's rate hardly changes, so
// one Newton step with ELP's elongation at the Moon98 moment and Moon98's
// rate lands within milliseconds of ELP's own root, at a third of the cost
// of solving with ELP (which dominates the run: one ELP position costs as
// much as eight Moon98 ones).
double SettleWithElp(double moon98TT, double elongation) {
  constexpr double kStep = 1e-3;  // days
  const double rate = WrapDegrees180(MoonSunElongation(moon98TT + kStep, MoonTheory::kMoon98) -
                                     MoonSunElongation(moon98TT - kStep, MoonTheory::kMoon98)) /
                      (2 * kStep);
  const double settled =
      moon98TT - WrapDegrees180(MoonSunElongation(moon98TT, MoonTheory::kElp2000) - elongation) / rate;
  const double second = std::fmod(LocalInstantOfTT(settled).secondOfDay, 60.0);
  if (second < kMinuteGuardSeconds || second > 60.0 - kMinuteGuardSeconds)
    return LunarPhaseMoment(moon98TT, elongation, MoonTheory::kElp2000);
  return settled;
}

}  // namespace

std::vector<PhaseMoment> ComputeMoonPhases(int firstYear, int lastYear) {
  if (firstYear < kFirstPhaseYear || lastYear > kLastPhaseYear || lastYear < firstYear)
    throw std::out_of_range("moon-phase years out of range");

  // In the order of a lunation, with the elongation of each phase.
  struct Phase {
    int list;
    double elongation;
  };
  constexpr std::array<Phase, 4> kLunation{
      {{kNewMoonList, 0.0}, {kFirstQuarterList, 90.0}, {kFullMoonList, 180.0}, {kLastQuarterList, 270.0}}};

  const int firstJdn = JdnFromCivil(firstYear, 1, 1);
  const int lastJdn = JdnFromCivil(lastYear, 12, 31);
  std::vector<PhaseMoment> out;
  // One lunation of margin on each side; moments outside the years are dropped.
  for (int k = LunationNear(firstJdn) - 1; k <= LunationNear(lastJdn) + 1; ++k) {
    for (const Phase& p : kLunation) {
      const double guess = MeanNewMoon(k + p.elongation / 360.0);
      const double jd = SettleWithElp(LunarPhaseMoment(guess, p.elongation, MoonTheory::kMoon98), p.elongation);
      const LocalMinute local = LocalMinuteOfTT(jd);
      if (local.jdn >= firstJdn && local.jdn <= lastJdn) out.push_back(PhaseMoment{p.list, local});
    }
  }
  std::sort(out.begin(), out.end(), [](const PhaseMoment& a, const PhaseMoment& b) {
    return a.time.jdn != b.time.jdn ? a.time.jdn < b.time.jdn : a.time.minuteOfDay < b.time.minuteOfDay;
  });
  return out;
}

}  // namespace lunisol::astro
