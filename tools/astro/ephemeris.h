// Apparent geocentric ecliptic longitudes of the Sun and the Moon, referred
// to the true ecliptic and equinox of date. Times are Julian dates in TT.
#pragma once

namespace lunisol::astro {

enum class MoonTheory {
  // ERFA's short lunar series: fast, good to a few arcseconds (a few seconds
  // of time at a new moon). Used to find every phase.
  kMoon98,
  // ELP 2000-82B as shipped in libnova: slower, sub-arcsecond. Used to settle
  // phases whose minute or day the short series cannot decide.
  kElp2000,
};

// Degrees in [0, 360).
double SunApparentLongitude(double jdTT);
double MoonApparentLongitude(double jdTT, MoonTheory theory);

// Moon minus Sun, degrees in [0, 360): 0 new moon, 90 first quarter,
// 180 full moon, 270 last quarter.
double MoonSunElongation(double jdTT, MoonTheory theory);

// Wraps an angle in degrees into (-180, 180].
double WrapDegrees180(double degrees);

}  // namespace lunisol::astro
