#include "calendar/solar_terms.h"

#include <gtest/gtest.h>

#include "calendar/convert.h"
#include "calendar/cycle.h"
#include "calendar/day_tables.h"
#include "calendar/tables.h"

namespace lunisol {
namespace {

TEST(SolarTermOnDay, FindsTheTermAndRecordsIt) {
  CalendarState s;
  EXPECT_EQ(SolarTermOnDay(s, 2009, 2, 4), 2);
  EXPECT_EQ(s.lastTermIndex, 2);
  EXPECT_EQ(SolarTermOnDay(s, 2009, 2, 18), 3);
  EXPECT_EQ(s.lastTermIndex, 3);
  EXPECT_EQ(SolarTermOnDay(s, 2009, 2, 19), -1);
  EXPECT_EQ(s.lastTermIndex, 3) << "a miss must not clear the last term";
  EXPECT_EQ(SolarTermOnDay(s, 1899, 2, 4), -1);
  EXPECT_EQ(SolarTermOnDay(s, 2101, 2, 4), -1);
  EXPECT_EQ(SolarTermOnDay(s, 1900, 1, 6), 0);
  EXPECT_EQ(SolarTermOnDay(s, 1900, 1, 20), 1);
}

TEST(SolarTermOnDay, EveryMonthHasExactlyItsTwoTerms) {
  CalendarState s;
  for (int y = 1900; y <= 2100; ++y)
    for (int m = 1; m <= 12; ++m) {
      int first = -1, second = -1, fi = -7, si = -7;
      MonthSolarTerms(s, y, m, first, second, fi, si);
      ASSERT_EQ(fi, 2 * m - 2) << y << "-" << m;
      ASSERT_EQ(si, 2 * m - 1) << y << "-" << m;
      ASSERT_TRUE(first >= 3 && first <= 9 && second >= 18 && second <= 24);
    }
}

TEST(MonthSolarTerms, AugustTwoThousandNine) {
  CalendarState s;
  int first = -1, second = -1, fi = 0, si = 0;
  MonthSolarTerms(s, 2009, 8, first, second, fi, si);
  EXPECT_EQ(first, 7);
  EXPECT_EQ(second, 23);
  EXPECT_EQ(fi, 14);
  EXPECT_EQ(si, 15);
}

TEST(FindSolarTermDate, FindsLichunAndSetsItsPillar) {
  CalendarState s;
  int y = 0, m = 0, d = 0;
  ASSERT_TRUE(FindSolarTermDate(s, 2009, u"立春", y, m, d));
  EXPECT_EQ(y, 2009);
  EXPECT_EQ(m, 2);
  EXPECT_EQ(d, 4);
  CalendarDate date;
  ASSERT_GT(SolarToLunar(2009, 2, 4, date), 0);
  EXPECT_EQ(s.lichunDayPillar, kCycleNames[static_cast<size_t>(CycleIndexOf(date.dayStem, date.dayBranch))]);
  // Other terms leave the 立春 pillar alone.
  const std::u16string pillar = s.lichunDayPillar;
  ASSERT_TRUE(FindSolarTermDate(s, 2010, u"冬至", y, m, d));
  EXPECT_EQ(m, 12);
  EXPECT_EQ(s.lichunDayPillar, pillar);
  y = m = d = 42;
  EXPECT_FALSE(FindSolarTermDate(s, 2009, u"中秋", y, m, d));
  EXPECT_FALSE(FindSolarTermDate(s, 1899, u"立春", y, m, d));
  EXPECT_EQ(y + m + d, 126) << "outputs untouched when nothing is found";
}

TEST(SolarTermTime, ReadsTheTimeTable) {
  EXPECT_EQ(SolarTermTime(1900, 0), u"0203");
  EXPECT_EQ(SolarTermTime(2009, 2), u"0049");
  EXPECT_EQ(SolarTermTime(2100, 23), u"0350");
  EXPECT_EQ(SolarTermTime(1899, 0), u"");
  EXPECT_EQ(SolarTermTime(2009, 24), u"");
}

TEST(LunarDateAfterTerm, CountsTheTermDayAsTheFirst) {
  CalendarState s;
  LunarTriple t;
  LunarDateAfterTerm(s, 2009, u"立春", 7, t);
  CalendarDate expected;
  ASSERT_GT(SolarToLunar(2009, 2, 10, expected), 0);
  EXPECT_EQ(t, (LunarTriple{expected.lunarYear, expected.lunarMonth, expected.lunarDay}));
  // 小寒 2009 is 5 January; 30 days on crosses into February.
  LunarDateAfterTerm(s, 2009, u"小寒", 30, t);
  ASSERT_GT(SolarToLunar(2009, 2, 3, expected), 0);
  EXPECT_EQ(t, (LunarTriple{expected.lunarYear, expected.lunarMonth, expected.lunarDay}));
  // N ≤ 0 and unknown names leave the result alone.
  const LunarTriple before = t;
  LunarDateAfterTerm(s, 2009, u"立春", 0, t);
  EXPECT_EQ(t, before);
  LunarDateAfterTerm(s, 2009, u"不是節氣", 3, t);
  EXPECT_EQ(t, before);
}

TEST(ComputeWangwangDays, TwelveDatesInSectionTermOrder) {
  CalendarState s;
  ComputeWangwangDays(s, 2009);
  static constexpr int kTermMonth[12] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1};
  static constexpr int kN[12] = {7, 14, 21, 8, 16, 24, 9, 18, 27, 10, 20, 30};
  for (int i = 0; i < 12; ++i) {
    CalendarState probe;
    int y = 0, m = 0, d = 0;
    ASSERT_TRUE(FindSolarTermDate(probe, 2009, kSolarTermNames[static_cast<size_t>(2 * (kTermMonth[i] - 1))], y, m, d));
    // Walk N − 1 days on through the Gregorian calendar.
    d += kN[i] - 1;
    while (d > DaysInSolarMonth(y, m)) d -= DaysInSolarMonth(y, m++);
    CalendarDate e;
    ASSERT_GT(SolarToLunar(y, m, d, e), 0);
    EXPECT_EQ(s.qiWangWangDays[static_cast<size_t>(i)], (LunarTriple{e.lunarYear, e.lunarMonth, e.lunarDay})) << i;
  }
}

TEST(SolarTermDescriptions, OnePerTerm) {
  EXPECT_EQ(kSolarTermDescriptions.size(), 24u);
  for (size_t t = 0; t < 24; ++t) EXPECT_FALSE(kSolarTermDescriptions[t].empty());
  EXPECT_EQ(kSolarTermDescriptions[0].substr(0, 5), u"斗指戊為小");
  EXPECT_NE(kSolarTermDescriptions[2].find(u"立春"), std::u16string_view::npos);
}

}  // namespace
}  // namespace lunisol
