// Difference between Terrestrial Time and Universal Time.
#pragma once

namespace lunisol::astro {

// TT - UT in seconds for a decimal year y, from the Espenak-Meeus (2006)
// piecewise polynomials. The published definition samples y at the middle of
// the month (year + (month - 0.5) / 12); DeltaTForJulianDate does exactly that.
double DeltaTSeconds(double y);

// Delta T for the calendar month holding the given Julian date (TT).
double DeltaTForJulianDate(double jdTT);

}  // namespace lunisol::astro
