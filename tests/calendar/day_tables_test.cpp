#include "calendar/day_tables.h"

#include <gtest/gtest.h>

#include "calendar/convert.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"

namespace lunisol {
namespace {

int DaysIn(int y) { return 365 + IsGregorianLeapYear(y); }

TEST(HasLeapMonthPattern, NineteenYearListMatchesTheLeapYearsOfTheTable) {
  EXPECT_TRUE(HasLeapMonthPattern(1903));
  EXPECT_TRUE(HasLeapMonthPattern(1911));
  EXPECT_TRUE(HasLeapMonthPattern(1984));
  EXPECT_FALSE(HasLeapMonthPattern(1985));
  EXPECT_FALSE(HasLeapMonthPattern(1900));
  int disagreements = 0;
  for (int y = 1901; y <= 2100; ++y)
    if (HasLeapMonthPattern(y) != (LunarRow(y).leapMonth != 0)) ++disagreements;
  // The hexagram rule's 19-year list names exactly the lunar years with a
  // leap month: a check of the generated table from an independent source.
  EXPECT_EQ(disagreements, 0);
}

TEST(LastJiaziDay, IsTheLastJiaziOfTheYear) {
  for (int y : {1899, 1900, 2009, 2100}) {
    int m = 0, d = 0;
    ASSERT_TRUE(LastJiaziDay(y, m, d)) << y;
    EXPECT_EQ(GregorianDayCycle(y, m, d), 0);
    const int after = DayNumber(DateKey8(y, 12, 31)) - DayNumber(DateKey8(y, m, d));
    EXPECT_LT(after, 60);
  }
}

TEST(GregorianDayCycle, AgreesWithTheConverter) {
  for (int y : {1899, 1950, 2000, 2100})
    for (int m = 1; m <= 12; ++m) {
      CalendarDate d;
      if (SolarToLunar(y, m, 15, d) < 0) continue;
      EXPECT_EQ(GregorianDayCycle(y, m, 15) % 10, d.dayStem);
      EXPECT_EQ(GregorianDayCycle(y, m, 15) % 12, d.dayBranch);
    }
  EXPECT_EQ(GregorianDayCycle(2000, 1, 1), 54);
}

// Every year, with the December marker computed as the window does for
// December: all entries of the year in 1..9, hexagrams in 0..71, and the
// hexagram cycle steps by one each day.
TEST(DayTables, EveryYearIsCompleteAndInRange) {
  for (int y = 1900; y <= 2100; ++y) {
    CalendarState s;
    FindDecemberMarker(s, y);
    s.nineStarTable.fill(0);
    ComputeNineStars(s, y, 12);
    ComputeDayHexagrams(s, y);
    for (int i = 0; i < DaysIn(y); ++i) {
      const int star = s.nineStarTable[static_cast<size_t>(i)];
      ASSERT_TRUE(star >= 1 && star <= 9) << y << " day " << i + 1 << " star " << star;
      const int hex = s.dayHexagramTable[static_cast<size_t>(i)];
      ASSERT_TRUE(hex >= 0 && hex <= 71) << y << " day " << i + 1;
    }
  }
}

TEST(DayTables, WithoutMarkerDecemberAfterWinterSolsticeStaysEmpty) {
  CalendarState s;
  ComputeNineStars(s, 2009, 12);
  int y = 0, m = 0, d = 0;
  ASSERT_TRUE(FindSolarTermDate(s, 2009, u"冬至", y, m, d));
  const int solstice = 333 + d;  // index of 冬至 in a common year
  for (int i = 0; i < solstice; ++i) EXPECT_NE(s.nineStarTable[static_cast<size_t>(i)], 0) << i;
  for (int i = solstice + 1; i < 365; ++i) EXPECT_EQ(s.nineStarTable[static_cast<size_t>(i)], 0) << i;
}

TEST(DayTables, JiaziDaysCarryTheirFixedStars) {
  // The 甲子 days of a year carry 1, 7, 4, 9, 3, 6 in turn (the first may be
  // a carry from December instead).
  static constexpr int kStars[6] = {1, 7, 4, 9, 3, 6};
  for (int y : {1901, 1950, 2009, 2024, 2099}) {
    CalendarState s;
    ComputeNineStars(s, y, 12);
    int k = 0;
    bool carried = false;
    {
      CalendarState probe;
      int ty = 0, tm = 0, td = 0;
      ASSERT_TRUE(FindSolarTermDate(probe, y - 1, u"冬至", ty, tm, td));
      for (int d = td; d <= 31; ++d) carried |= GregorianDayCycle(y - 1, 12, d) == 0;
    }
    if (carried) k = 1;
    int j = 0;
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= DaysInSolarMonth(y, m); ++d, ++j) {
        if (GregorianDayCycle(y, m, d) != 0) continue;
        if (k < 6) {
          EXPECT_EQ(s.nineStarTable[static_cast<size_t>(j)], kStars[k]) << y << "-" << m << "-" << d;
        }
        ++k;
      }
  }
}

TEST(DayTables, FirstJiaziRunsUpFourFiveSixIntoIt) {
  // Find a year whose first 甲子 is not 1 January and that has no carry.
  for (int y = 1901; y <= 2100; ++y) {
    CalendarState probe;
    int ty = 0, tm = 0, td = 0;
    ASSERT_TRUE(FindSolarTermDate(probe, y - 1, u"冬至", ty, tm, td));
    bool carried = false;
    for (int d = td; d <= 31; ++d) carried |= GregorianDayCycle(y - 1, 12, d) == 0;
    if (carried) {
      // 1 January takes c mod 9 + 1 for a 甲子 c days before the year's end.
      int c = 0;
      for (int d = td; d <= 31; ++d)
        if (GregorianDayCycle(y - 1, 12, d) == 0) c = 31 - d + 1;
      CalendarState s;
      ComputeNineStars(s, y, 1);
      EXPECT_EQ(s.nineStarTable[0], c % 9 + 1) << y;
      continue;
    }
    int first = 0;
    while (GregorianDayCycle(y, 1, 1 + first) != 0) ++first;  // first 甲子 within January/February
    if (first == 0 || first > 27) continue;
    CalendarState s;
    ComputeNineStars(s, y, 2);
    EXPECT_EQ(s.nineStarTable[static_cast<size_t>(first)], 1) << y;
    EXPECT_EQ(s.nineStarTable[static_cast<size_t>(first - 1)], 6) << y;
    if (first >= 3) {
      EXPECT_EQ(s.nineStarTable[static_cast<size_t>(first - 3)], 4) << y;
    }
  }
}

TEST(DayHexagrams, DirectionFollowsThePatternOfTheYearItStarted) {
  for (int y : {1984, 1985, 2009, 2010}) {
    CalendarState s;
    ComputeDayHexagrams(s, y);
    int m = 0, d = 0;
    ASSERT_TRUE(LastJiaziDay(y, m, d));
    const int i = DayNumber(DateKey8(y, m, d)) - DayNumber(DateKey8(y, 1, 1));
    const bool back = HasLeapMonthPattern(y);
    EXPECT_EQ(s.dayHexagramTable[static_cast<size_t>(i)], back ? 71 : 0) << y;
    if (i + 1 < DaysIn(y)) {
      EXPECT_EQ(s.dayHexagramTable[static_cast<size_t>(i + 1)], back ? 70 : 1) << y;
    }
    // Days before it continue last year's count without a break.
    const bool prevBack = HasLeapMonthPattern(y - 1);
    for (int k = 1; k < i; ++k) {
      const int step = prevBack ? -1 : 1;
      EXPECT_EQ(s.dayHexagramTable[static_cast<size_t>(k)],
                ((s.dayHexagramTable[static_cast<size_t>(k - 1)] + step) % 72 + 72) % 72);
    }
  }
}

TEST(DecemberMarker, IsAJiaziNearTheSolsticeOrTheNextYearsFirstStar) {
  int found = 0, notFound = 0;
  for (int y = 1900; y <= 2099; ++y) {
    CalendarState s;
    FindDecemberMarker(s, y);
    ASSERT_NE(s.decemberMarker, -1);
    if (s.decemberMarkerFound) {
      ++found;
      EXPECT_EQ(GregorianDayCycle(y, 12, s.decemberMarker), 0);
    } else {
      ++notFound;
      CalendarState next;
      ComputeNineStars(next, y + 1, 2);
      EXPECT_EQ(s.decemberMarker, next.nineStarTable[0]);
    }
  }
  EXPECT_GT(found, 0);
  EXPECT_GT(notFound, 0);
}

}  // namespace
}  // namespace lunisol
