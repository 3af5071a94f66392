#include "tools/astro/events.h"

#include <cmath>
#include <stdexcept>

#include "tools/astro/civil.h"

namespace lunisol::astro {
namespace {

constexpr double kSynodicMonth = 29.530588861;
constexpr double kMeanNewMoon2000 = 2451550.09766;
constexpr double kTropicalYear = 365.2422;

// Solves wrap(f(t)) = 0 near `guess`, where f is an angle in degrees rising
// at about `rate` degrees a day. Secant steps after a first step with the
// mean rate; converges to well under a millisecond.
template <class F>
double SolveAngle(F f, double guess, double rate) {
  double t0 = guess;
  double d0 = WrapDegrees180(f(t0));
  double t1 = t0 - d0 / rate;
  for (int i = 0; i < 40; ++i) {
    const double d1 = WrapDegrees180(f(t1));
    const double slope = (d1 - d0) / (t1 - t0);
    // A secant through two nearly equal values is noise; the mean rate is a
    // safe fallback, and a slope of the wrong sign cannot happen near a root.
    const double useRate = (std::isfinite(slope) && slope > 0.3 * rate) ? slope : rate;
    const double t2 = t1 - d1 / useRate;
    t0 = t1;
    d0 = d1;
    t1 = t2;
    if (std::fabs(t1 - t0) < 1e-9) return t1;  // ~0.1 ms
  }
  throw std::runtime_error("angle solver did not converge");
}

}  // namespace

double SolarTermLongitude(int term) { return std::fmod(285.0 + 15.0 * term, 360.0); }

double SolarTermMoment(int year, int term) {
  if (term < 0 || term > 23) throw std::out_of_range("solar term index");
  // 小寒 comes about 5.5 days into January; the Sun then advances 15 degrees
  // every ~15.2 days on average.
  const double guess = JdnFromCivil(year, 1, 1) - 0.5 + 5.5 + term * kTropicalYear / 24.0;
  const double target = SolarTermLongitude(term);
  return SolveAngle([&](double t) { return SunApparentLongitude(t) - target; }, guess, 360.0 / kTropicalYear);
}

double LunarPhaseMoment(double guessTT, double elongation, MoonTheory theory) {
  return SolveAngle([&](double t) { return MoonSunElongation(t, theory) - elongation; }, guessTT,
                    360.0 / kSynodicMonth);
}

double MeanNewMoon(double k) { return kMeanNewMoon2000 + kSynodicMonth * k; }

int LunationNear(double jdTT) { return static_cast<int>(std::lround((jdTT - kMeanNewMoon2000) / kSynodicMonth)); }

}  // namespace lunisol::astro
