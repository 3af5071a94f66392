#include "almanac/nine_stars.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calendar/convert.h"
#include "calendar/day_tables.h"
#include "calendar/solar_terms.h"

namespace lunisol {
namespace {

using namespace colours;

int DaysIn(int y) { return 365 + IsGregorianLeapYear(y); }

bool IsJiazi(int y, int m, int d) { return DayPillar(y, m, d) == Pillar(); }

// The day of December of the year's 冬至.
int SolsticeDay(int y) { return TermDate(y, SolarTerm::kWinterSolstice)->day; }

// Every year: all stars of the year in 1..9, hexagrams in 0..71.
TEST(DayTables, EveryYearIsCompleteAndInRange) {
  for (int y = 1900; y <= 2100; ++y) {
    const NineStarTable stars = NineStarsOfYear(y);
    const DayHexagramTable hexagrams = DayHexagramsOfYear(y);
    for (int i = 0; i < DaysIn(y); ++i) {
      const int star = stars[static_cast<size_t>(i)];
      ASSERT_TRUE(star >= 1 && star <= 9) << y << " day " << i + 1 << " star " << star;
      const int hex = hexagrams[static_cast<size_t>(i)];
      ASSERT_TRUE(hex >= 0 && hex <= 71) << y << " day " << i + 1;
    }
  }
}

TEST(NineStars, WithoutMarkerDecemberAfterWinterSolsticeStaysEmpty) {
  const NineStarTable stars = ComputeNineStars(2009, 12, {});
  const int solstice = 333 + SolsticeDay(2009);  // index of 冬至 in a common year
  for (int i = 0; i < solstice; ++i) EXPECT_NE(stars[static_cast<size_t>(i)], 0) << i;
  for (int i = solstice + 1; i < 365; ++i) EXPECT_EQ(stars[static_cast<size_t>(i)], 0) << i;
  // The year's table runs on past 冬至, and the same days agree before it.
  const NineStarTable whole = NineStarsOfYear(2009);
  for (int i = 0; i < 365; ++i) EXPECT_TRUE(whole[static_cast<size_t>(i)] != 0) << i;
  EXPECT_TRUE(std::equal(stars.begin(), stars.begin() + solstice, whole.begin()));
}

TEST(NineStars, JiaziDaysCarryTheirFixedStars) {
  // The 甲子 days of a year carry 1, 7, 4, 9, 3, 6 in turn (the first may be
  // a carry from December instead).
  static constexpr int kStars[6] = {1, 7, 4, 9, 3, 6};
  for (int y : {1901, 1950, 2009, 2024, 2099}) {
    // Without the December marker, whose 一白 甲子 may come before 冬至.
    const NineStarTable stars = ComputeNineStars(y, 12, {});
    int k = 0;
    bool carried = false;
    for (int d = SolsticeDay(y - 1); d <= 31; ++d) carried |= IsJiazi(y - 1, 12, d);
    if (carried) k = 1;
    int j = 0;
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= DaysInSolarMonth(y, m); ++d, ++j) {
        if (!IsJiazi(y, m, d)) continue;
        if (k < 6) {
          EXPECT_EQ(stars[static_cast<size_t>(j)], kStars[k]) << y << "-" << m << "-" << d;
        }
        ++k;
      }
  }
}

TEST(NineStars, FirstJiaziRunsUpFourFiveSixIntoIt) {
  // Find a year whose first 甲子 is not 1 January and that has no carry.
  for (int y = 1901; y <= 2100; ++y) {
    const int td = SolsticeDay(y - 1);
    bool carried = false;
    for (int d = td; d <= 31; ++d) carried |= IsJiazi(y - 1, 12, d);
    if (carried) {
      // 1 January takes c mod 9 + 1 for a 甲子 c days before the year's end.
      int c = 0;
      for (int d = td; d <= 31; ++d)
        if (IsJiazi(y - 1, 12, d)) c = 31 - d + 1;
      EXPECT_EQ(ComputeNineStars(y, 1, {})[0], c % 9 + 1) << y;
      continue;
    }
    int first = 0;
    while (!IsJiazi(y, 1, 1 + first)) ++first;  // first 甲子 within January/February
    if (first == 0 || first > 27) continue;
    const NineStarTable stars = ComputeNineStars(y, 2, {});
    EXPECT_EQ(stars[static_cast<size_t>(first)], 1) << y;
    EXPECT_EQ(stars[static_cast<size_t>(first - 1)], 6) << y;
    if (first >= 3) {
      EXPECT_EQ(stars[static_cast<size_t>(first - 3)], 4) << y;
    }
  }
}

TEST(DecemberMarker, IsAJiaziNearTheSolsticeOrTheNextYearsFirstStar) {
  int found = 0, notFound = 0;
  for (int y = 1900; y <= 2099; ++y) {
    const DecemberMarker marker = FindDecemberMarker(y);
    ASSERT_NE(marker.value, -1);
    if (marker.found) {
      ++found;
      EXPECT_TRUE(IsJiazi(y, 12, marker.value));
    } else {
      ++notFound;
      EXPECT_EQ(marker.value, ComputeNineStars(y + 1, 2, {})[0]);
    }
  }
  EXPECT_GT(found, 0);
  EXPECT_GT(notFound, 0);
}

// A day the table has not reached keeps the colour of the cell before it
// rather than turning black.
TEST(NineStars, CellNamesTheStarOrKeepsTheColourOfTheDayBefore) {
  const int star = NineStarsOfYear(2009)[59];  // 1 March
  EXPECT_EQ(NineStarCell(star, kRed).text, kNineStarNames[static_cast<size_t>(star)]);
  EXPECT_EQ(NineStarCell(star, kRed).colour, kNineStarColours[static_cast<size_t>(star)]);
  EXPECT_EQ(NineStarCell(0, kTeal).text, u"0");
  EXPECT_EQ(NineStarCell(0, kTeal).colour, kTeal);
}

}  // namespace
}  // namespace lunisol
