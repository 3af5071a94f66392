#include <gtest/gtest.h>

#include <cmath>

#include "tools/astro/civil.h"
#include "tools/astro/delta_t.h"
#include "tools/astro/ephemeris.h"
#include "tools/astro/events.h"

namespace {

using namespace lunisol::astro;

TEST(DeltaT, MatchesObservedValues) {
  // Observed TT - UT (seconds); the polynomials track these within ~1 s.
  EXPECT_NEAR(-2.7, DeltaTSeconds(1900.0), 1.0);
  EXPECT_NEAR(24.0, DeltaTSeconds(1930.0), 1.0);
  EXPECT_NEAR(29.1, DeltaTSeconds(1950.0), 1.0);
  EXPECT_NEAR(42.2, DeltaTSeconds(1972.0), 1.0);
  EXPECT_NEAR(63.8, DeltaTSeconds(2000.0), 1.0);
  EXPECT_NEAR(66.1, DeltaTSeconds(2010.0), 1.0);
}

TEST(DeltaT, PiecesJoinWithoutJumps) {
  // A mistyped coefficient shows up as a step where two pieces meet.
  for (double edge : {1800.0, 1860.0, 1900.0, 1920.0, 1941.0, 1961.0, 1986.0, 2005.0, 2050.0, 2150.0}) {
    EXPECT_NEAR(DeltaTSeconds(edge - 1e-6), DeltaTSeconds(edge), 1.0) << edge;
  }
  for (double y = 1800.0; y < 2150.0; y += 0.25) {
    EXPECT_NEAR(DeltaTSeconds(y), DeltaTSeconds(y + 0.25), 1.0) << y;
  }
}

TEST(Civil, DayNumbersRoundTripAndAnchor) {
  EXPECT_EQ(2451545, JdnFromCivil(2000, 1, 1));
  EXPECT_EQ(6, WeekdayOfJdn(JdnFromCivil(2000, 1, 1)));      // Saturday
  EXPECT_EQ(1, WeekdayOfJdn(JdnFromCivil(1900, 1, 1)));      // Monday
  EXPECT_EQ(54, CycleIndexOfJdn(JdnFromCivil(2000, 1, 1)));  // 戊午
  int prev = JdnFromCivil(1898, 12, 31);
  for (int y = 1899; y <= 2101; ++y) {
    EXPECT_EQ(prev + 1, JdnFromCivil(y, 1, 1));
    EXPECT_EQ(DaysInYear(y), JdnFromCivil(y + 1, 1, 1) - JdnFromCivil(y, 1, 1)) << y;
    prev = JdnFromCivil(y, 12, 31);
  }
  for (int jdn = JdnFromCivil(1899, 1, 1); jdn < JdnFromCivil(2102, 1, 1); jdn += 7) {
    const CivilDate d = CivilFromJdn(jdn);
    EXPECT_EQ(jdn, JdnFromCivil(d.year, d.month, d.day));
  }
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2100));
}

TEST(Civil, LocalMinuteIsCutNotRounded) {
  // Build TT instants that land 59.5 s and 0.5 s into 12:34 on 5 May 2009,
  // UTC+8.
  const int jdn = JdnFromCivil(2009, 5, 5);
  const double deltaT = DeltaTSeconds(2009.0 + 4.5 / 12.0);
  auto tt = [&](double localSeconds) { return jdn - 0.5 + (localSeconds - 8 * 3600.0 + deltaT) / 86400.0; };
  const LocalMinute late = LocalMinuteOfTT(tt(12 * 3600 + 34 * 60 + 59.5));
  EXPECT_EQ(jdn, late.jdn);
  EXPECT_EQ(12, late.hour());
  EXPECT_EQ(34, late.minute());
  const LocalMinute early = LocalMinuteOfTT(tt(12 * 3600 + 34 * 60 + 0.5));
  EXPECT_EQ(34, early.minute());
  // Half a second before local midnight is still the earlier day.
  const LocalMinute beforeMidnight = LocalMinuteOfTT(tt(-0.5));
  EXPECT_EQ(jdn - 1, beforeMidnight.jdn);
  EXPECT_EQ(23, beforeMidnight.hour());
  EXPECT_EQ(59, beforeMidnight.minute());
}

// Minutes after local midnight of day (y, m, d) at which term t of year y
// begins, UTC+8.
double TermLocalMinutes(int year, int term, int month, int day) {
  const LocalInstant t = LocalInstantOfTT(SolarTermMoment(year, term));
  return (t.jdn - JdnFromCivil(year, month, day)) * 1440.0 + t.secondOfDay / 60.0;
}

TEST(SolarTerms, EquinoxesAndSolsticesOf2009) {
  // Published UT: 20 Mar 11:44, 21 Jun 05:45, 22 Sep 21:18, 21 Dec 17:47.
  EXPECT_NEAR(19 * 60 + 44, TermLocalMinutes(2009, 5, 3, 20), 1.5);
  EXPECT_NEAR(13 * 60 + 45, TermLocalMinutes(2009, 11, 6, 21), 1.5);
  EXPECT_NEAR(5 * 60 + 18, TermLocalMinutes(2009, 17, 9, 23), 1.5);
  EXPECT_NEAR(1 * 60 + 47, TermLocalMinutes(2009, 23, 12, 22), 1.5);
}

TEST(SolarTerms, SunStandsOnTheTermLongitude) {
  for (int year : {1900, 1999, 2100})
    for (int term = 0; term < 24; ++term) {
      const double jd = SolarTermMoment(year, term);
      EXPECT_NEAR(0.0, WrapDegrees180(SunApparentLongitude(jd) - SolarTermLongitude(term)), 1e-7);
      // And the term lies in its own month: 小寒 and 大寒 in January ...
      const CivilDate d = CivilFromJdn(LocalMinuteOfTT(jd).jdn);
      EXPECT_EQ(year, d.year);
      EXPECT_EQ(term / 2 + 1, d.month);
    }
}

TEST(Moon, TheTwoTheoriesAgreeToArcseconds) {
  // Moon98 scatters by ~3" (rms) about ELP. A mistake in how ELP's J2000
  // ecliptic is brought onto the ecliptic of date would show as a bias or a
  // slow wave of tens of arcseconds (nutation alone reaches 17").
  double sum = 0.0, sumSquares = 0.0;
  int n = 0;
  for (double jd = 2415020.0; jd < 2488070.0; jd += 97.13) {
    const double d = 3600.0 * WrapDegrees180(MoonApparentLongitude(jd, MoonTheory::kMoon98) -
                                             MoonApparentLongitude(jd, MoonTheory::kElp2000));
    EXPECT_LT(std::fabs(d), 15.0) << jd;
    sum += d;
    sumSquares += d * d;
    ++n;
  }
  EXPECT_LT(std::fabs(sum / n), 1.5);
  EXPECT_LT(std::sqrt(sumSquares / n), 4.0);
}

TEST(Moon, PhaseMomentsHitTheirElongation) {
  const double guess = MeanNewMoon(LunationNear(2455000.0));
  for (double e : {0.0, 90.0, 180.0, 270.0}) {
    const double jd = LunarPhaseMoment(guess + e / 360.0 * 29.53, e, MoonTheory::kElp2000);
    EXPECT_NEAR(0.0, WrapDegrees180(MoonSunElongation(jd, MoonTheory::kElp2000) - e), 1e-6);
    EXPECT_LT(std::fabs(jd - (guess + e / 360.0 * 29.53)), 1.0);
  }
}

}  // namespace
