#include "calendar/solar_terms.h"

#include <gtest/gtest.h>

#include "calendar/convert.h"
#include "calendar/tables.h"

namespace lunisol {
namespace {

TEST(TermOnDay, FindsTheTermOfItsDayOnly) {
  EXPECT_EQ(TermOnDay(2009, 2, 4), SolarTerm::kStartOfSpring);
  EXPECT_EQ(TermOnDay(2009, 2, 18), SolarTerm::kRainWater);
  EXPECT_FALSE(TermOnDay(2009, 2, 19));
  EXPECT_FALSE(TermOnDay(1899, 2, 4));
  EXPECT_FALSE(TermOnDay(2101, 2, 4));
  EXPECT_EQ(TermOnDay(1900, 1, 6), SolarTerm::kMinorCold);
  EXPECT_EQ(TermOnDay(1900, 1, 20), SolarTerm::kMajorCold);
}

TEST(TermDate, EveryTermFallsInItsMonthAndIsFoundOnItsDay) {
  for (int y = 1900; y <= 2100; ++y)
    for (int t = 0; t < 24; ++t) {
      const std::optional<GregorianDate> d = TermDate(y, TermAt(t));
      ASSERT_TRUE(d) << y << " " << t;
      ASSERT_EQ(d->month, t / 2 + 1);
      ASSERT_TRUE(t % 2 == 0 ? d->day >= 3 && d->day <= 9 : d->day >= 18 && d->day <= 24);
      ASSERT_EQ(TermOnDay(d->year, d->month, d->day), TermAt(t));
    }
  EXPECT_EQ(TermDate(2009, SolarTerm::kStartOfSpring), (GregorianDate{2009, 2, 4}));
  EXPECT_EQ(TermDate(2009, SolarTerm::kStartOfAutumn), (GregorianDate{2009, 8, 7}));
  EXPECT_FALSE(TermDate(1899, SolarTerm::kStartOfSpring));
}

TEST(QiWangWangDays, TwelveDatesCountedFromTheSectionTerms) {
  const std::array<LunarDate, 12> days = QiWangWangDays(2009);
  static constexpr int kTermMonth[12] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1};
  static constexpr int kN[12] = {7, 14, 21, 8, 16, 24, 9, 18, 27, 10, 20, 30};
  for (int i = 0; i < 12; ++i) {
    // The term's day is the first: walk N − 1 days on through the calendar.
    const int month = kTermMonth[i];
    int d = TermDaysOfMonth(2009, month).first + kN[i] - 1, m = month;
    while (d > DaysInSolarMonth(2009, m)) d -= DaysInSolarMonth(2009, m++);
    CalendarDate e;
    ASSERT_GT(SolarToLunar(2009, m, d, e), 0);
    EXPECT_EQ(days[static_cast<size_t>(i)], e.lunar) << i;
  }
  // 小寒 2009 is 5 January; its 30th day is 3 February.
  CalendarDate february3;
  ASSERT_GT(SolarToLunar(2009, 2, 3, february3), 0);
  EXPECT_EQ(days[11], february3.lunar);
  for (const LunarDate& d : QiWangWangDays(1899)) EXPECT_EQ(d, LunarDate{});
}

TEST(SolarTermDescriptions, OnePerTerm) {
  EXPECT_EQ(kSolarTermDescriptions.size(), 24u);
  for (size_t t = 0; t < 24; ++t) EXPECT_FALSE(kSolarTermDescriptions[t].empty());
  EXPECT_EQ(kSolarTermDescriptions[0].substr(0, 5), u"斗指戊為小");
  EXPECT_NE(kSolarTermDescriptions[2].find(u"立春"), std::u16string_view::npos);
}

}  // namespace
}  // namespace lunisol
