// Moments of solar terms and lunar phases, as Julian dates in TT.
#pragma once

#include "tools/astro/ephemeris.h"

namespace lunisol::astro {

// Ecliptic longitude (degrees) at which solar term t begins: 0 = 小寒 at
// 285, 1 = 大寒 at 300, ..., 23 = 冬至 at 270.
double SolarTermLongitude(int term);

// The moment term t (0..23) begins in Gregorian year `year` (each term
// happens once a year, 小寒 in early January and 冬至 in late December).
double SolarTermMoment(int year, int term);

// The moment nearest to `guessTT` (within ~a week) at which the Moon-Sun
// elongation equals `elongation` degrees (0, 90, 180, 270).
double LunarPhaseMoment(double guessTT, double elongation, MoonTheory theory);

// The mean lunation number k whose mean new moon lies near jdTT, counted
// from the new moon of 6 January 2000; MeanNewMoon(k) gives its mean date.
double MeanNewMoon(double k);
int LunationNear(double jdTT);

}  // namespace lunisol::astro
