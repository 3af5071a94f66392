#include "calendar/day_tables.h"

#include <gtest/gtest.h>

#include "calendar/convert.h"
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
    const std::optional<GregorianDate> d = LastJiaziDay(y);
    ASSERT_TRUE(d) << y;
    EXPECT_EQ(DayPillar(d->year, d->month, d->day), Pillar()) << y;
    EXPECT_LT(CivilDayNumber(y, 12, 31) - CivilDayNumber(*d), 60);
  }
  EXPECT_FALSE(LastJiaziDay(1898));
}

TEST(DayPillar, AgreesWithTheConverter) {
  for (int y : {1899, 1950, 2000, 2100})
    for (int m = 1; m <= 12; ++m) {
      CalendarDate d;
      if (SolarToLunar(y, m, 15, d) < 0) continue;
      EXPECT_EQ(DayPillar(y, m, 15), d.dayPillar);
    }
  EXPECT_EQ(DayPillar(2000, 1, 1).index(), 54);
}

TEST(DayHexagrams, DirectionFollowsThePatternOfTheYearItStarted) {
  for (int y : {1984, 1985, 2009, 2010}) {
    const DayHexagramTable table = DayHexagramsOfYear(y);
    const std::optional<GregorianDate> jiazi = LastJiaziDay(y);
    ASSERT_TRUE(jiazi);
    const int i = CivilDayNumber(*jiazi) - CivilDayNumber(y, 1, 1);
    const bool back = HasLeapMonthPattern(y);
    EXPECT_EQ(table[static_cast<size_t>(i)], back ? 71 : 0) << y;
    if (i + 1 < DaysIn(y)) {
      EXPECT_EQ(table[static_cast<size_t>(i + 1)], back ? 70 : 1) << y;
    }
    // Days before it continue last year's count without a break.
    const bool prevBack = HasLeapMonthPattern(y - 1);
    for (int k = 1; k < i; ++k) {
      const int step = prevBack ? -1 : 1;
      EXPECT_EQ(table[static_cast<size_t>(k)], ((table[static_cast<size_t>(k - 1)] + step) % 72 + 72) % 72);
    }
  }
}

}  // namespace
}  // namespace lunisol
