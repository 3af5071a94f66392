#include "tools/astro/ephemeris.h"

#include <erfa.h>
#include <libnova/lunar.h>

#include <cmath>

namespace lunisol::astro {
namespace {

constexpr double kMjdZero = 2400000.5;
constexpr double kArcsecToRad = M_PI / (180.0 * 3600.0);
constexpr double kRadToDeg = 180.0 / M_PI;
// Speed of light in au per day, for the Moon's light time.
constexpr double kLightAuPerDay = 173.1446326846693;
constexpr double kKmPerAu = 149597870.7;
// Sum of the annual aberration and the Sun's light-time displacement for a
// Sun at 1 au; it scales with 1 / distance.
constexpr double kSolarAberrationArcsec = -20.4898;
// Mean obliquity of the J2000 ecliptic (IAU 2006), to bring ELP's ecliptic
// coordinates onto the J2000 mean equator.
constexpr double kObliquityJ2000Arcsec = 84381.406;

// Rotation from the GCRS to the true equator and equinox of date, and the
// true obliquity of date that turns that equator into the ecliptic of date.
struct FrameOfDate {
  double rnpb[3][3];
  double trueObliquity;
};

FrameOfDate FrameAt(double jdTT) {
  const double d2 = jdTT - kMjdZero;
  FrameOfDate f;
  // One call for the matrix and the nutation it is built from: the IAU 2000A
  // nutation series is the costly part of every Moon98 position.
  double dpsi = 0.0, deps = 0.0, meanObliquity = 0.0;
  double rb[3][3], rp[3][3], rbp[3][3], rn[3][3];
  eraPn06a(kMjdZero, d2, &dpsi, &deps, &meanObliquity, rb, rp, rbp, rn, f.rnpb);
  f.trueObliquity = meanObliquity + deps;
  return f;
}

// Ecliptic longitude of date (radians, unwrapped) of a GCRS direction.
double EclipticLongitude(const FrameOfDate& f, const double gcrs[3]) {
  double v[3];
  eraRxp(const_cast<double(*)[3]>(f.rnpb), const_cast<double*>(gcrs), v);
  const double ce = std::cos(f.trueObliquity), se = std::sin(f.trueObliquity);
  const double x = v[0];
  const double y = v[1] * ce + v[2] * se;
  return std::atan2(y, x);
}

double NormalizeDegrees(double deg) {
  double r = std::fmod(deg, 360.0);
  if (r < 0.0) r += 360.0;
  return r;
}

// Apparent direction of the geocentric Moon in the GCRS (au).
//
// Seen from the geocentre the Moon shares the Earth's motion, so annual
// aberration and the Earth's displacement during the light time cancel to
// first order: what remains is the Moon's own motion over its ~1.3 s of light
// time, i.e. its geometric place at t - tau. The velocity for that small step
// comes from ERFA's series whichever theory gives the position, which saves a
// second evaluation of the long ELP series.
void ApparentMoonGcrs(double jdTT, MoonTheory theory, double out[3]) {
  double pv[2][3];
  eraMoon98(kMjdZero, jdTT - kMjdZero, pv);
  double pos[3] = {pv[0][0], pv[0][1], pv[0][2]};
  if (theory == MoonTheory::kElp2000) {
    // libnova gives rectangular km on the inertial mean ecliptic and equinox
    // of J2000 (it applies Laskar's precession itself) with no nutation, for
    // a JD in dynamical time. Turn it to the J2000 mean equator, then undo
    // the frame bias so that the same GCRS rotation as the Sun's applies.
    struct ln_rect_posn m;
    ln_get_lunar_geo_posn(jdTT, &m, 0.0);
    const double eps0 = kObliquityJ2000Arcsec * kArcsecToRad;
    const double ce = std::cos(eps0), se = std::sin(eps0);
    double meanJ2000[3] = {m.X / kKmPerAu, (m.Y * ce - m.Z * se) / kKmPerAu, (m.Y * se + m.Z * ce) / kKmPerAu};
    double rb[3][3], rp[3][3], rbp[3][3];
    eraBp06(kMjdZero, jdTT - kMjdZero, rb, rp, rbp);
    eraTrxp(rb, meanJ2000, pos);
  }
  const double tau = std::sqrt(pos[0] * pos[0] + pos[1] * pos[1] + pos[2] * pos[2]) / kLightAuPerDay;
  for (int i = 0; i < 3; ++i) out[i] = pos[i] - tau * pv[1][i];
}

double SunLongitudeIn(const FrameOfDate& frame, double jdTT) {
  double pvh[2][3], pvb[2][3];
  eraEpv00(kMjdZero, jdTT - kMjdZero, pvh, pvb);
  double sun[3] = {-pvh[0][0], -pvh[0][1], -pvh[0][2]};
  const double distance = std::sqrt(sun[0] * sun[0] + sun[1] * sun[1] + sun[2] * sun[2]);
  const double lon = EclipticLongitude(frame, sun) + kSolarAberrationArcsec / distance * kArcsecToRad;
  return NormalizeDegrees(lon * kRadToDeg);
}

double MoonLongitudeIn(const FrameOfDate& frame, double jdTT, MoonTheory theory) {
  double moon[3];
  ApparentMoonGcrs(jdTT, theory, moon);
  return NormalizeDegrees(EclipticLongitude(frame, moon) * kRadToDeg);
}

}  // namespace

double WrapDegrees180(double degrees) {
  double r = NormalizeDegrees(degrees);
  if (r > 180.0) r -= 360.0;
  return r;
}

double SunApparentLongitude(double jdTT) { return SunLongitudeIn(FrameAt(jdTT), jdTT); }

double MoonApparentLongitude(double jdTT, MoonTheory theory) { return MoonLongitudeIn(FrameAt(jdTT), jdTT, theory); }

double MoonSunElongation(double jdTT, MoonTheory theory) {
  const FrameOfDate frame = FrameAt(jdTT);
  return NormalizeDegrees(MoonLongitudeIn(frame, jdTT, theory) - SunLongitudeIn(frame, jdTT));
}

}  // namespace lunisol::astro
