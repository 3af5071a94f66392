#include "almanac/nine_stars.h"

#include <gtest/gtest.h>

#include "calendar/convert.h"
#include "calendar/day_tables.h"
#include "calendar/solar_terms.h"

namespace lunisol {
namespace {

using namespace colours;

int DaysIn(int y) { return 365 + IsGregorianLeapYear(y); }

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

TEST(NineStars, WithoutMarkerDecemberAfterWinterSolsticeStaysEmpty) {
  CalendarState s;
  ComputeNineStars(s, 2009, 12);
  int y = 0, m = 0, d = 0;
  ASSERT_TRUE(FindSolarTermDate(s, 2009, u"冬至", y, m, d));
  const int solstice = 333 + d;  // index of 冬至 in a common year
  for (int i = 0; i < solstice; ++i) EXPECT_NE(s.nineStarTable[static_cast<size_t>(i)], 0) << i;
  for (int i = solstice + 1; i < 365; ++i) EXPECT_EQ(s.nineStarTable[static_cast<size_t>(i)], 0) << i;
}

TEST(NineStars, JiaziDaysCarryTheirFixedStars) {
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

TEST(NineStars, FirstJiaziRunsUpFourFiveSixIntoIt) {
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

// A day the table has not reached keeps the colour of the cell before it
// rather than turning black.
TEST(NineStars, CellNamesTheStarOrKeepsTheColourOfTheDayBefore) {
  CalendarState s;
  FillNineStarTable(s, 2009, 5);
  const int star = NineStarOfDay(s, 2009, 3, 1);
  EXPECT_EQ(star, s.nineStarTable[59]);
  EXPECT_EQ(NineStarCell(star, kRed).text, kNineStarNames[static_cast<size_t>(star)]);
  EXPECT_EQ(NineStarCell(star, kRed).colour, kNineStarColours[static_cast<size_t>(star)]);
  EXPECT_EQ(NineStarOfDay(s, 2009, 12, 31), 0) << "no marker: after 冬至 nothing is known";
  EXPECT_EQ(NineStarCell(0, kTeal).text, u"0");
  EXPECT_EQ(NineStarCell(0, kTeal).colour, kTeal);
  FillNineStarTable(s, 2009, 12);
  EXPECT_NE(NineStarOfDay(s, 2009, 12, 31), 0);
}

}  // namespace
}  // namespace lunisol
