// The spirits placed by the calendar rather than by month and pillar, and the
// month of the section terms the others turn on.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "almanac/lookups.h"
#include "calendar/convert.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "days/day_facts.h"
#include "days/day_lists.h"

namespace lunisol {
namespace {

SpiritId Spirit(std::u16string_view name) { return *SpiritByName(name); }

bool Has(const DayLists& d, std::u16string_view name) {
  const SpiritId id = Spirit(name);
  return d.goodSpirits.Has(id) || d.badSpirits.Has(id);
}

void ForEachDay(int fromYear, int toYear, const std::function<void(const DayLists&)>& f) {
  DayLists d;
  for (int y = fromYear; y <= toYear; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int day = 1; day <= DaysInSolarMonth(y, m); ++day) {
        ASSERT_TRUE(EvaluateDayLists(y, m, day, d));
        f(d);
      }
}

std::string Date(const DayLists& d) {
  return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

int TermDay(int year, int term) {
  const TermDays t = TermDaysOfMonth(year, term / 2 + 1);
  return term % 2 == 0 ? t.first : t.second;
}

TEST(SectionMonth, TurnsOnTheSectionTermDayAndTheOfficerRepeats) {
  for (int y : {1900, 1949, 2009, 2033, 2100})
    for (int m = 2; m <= 12; ++m) {
      const int on = TermDaysOfMonth(y, m).first;
      const DayLists before = EvaluateDayLists(y, m, on - 1), at = EvaluateDayLists(y, m, on);
      EXPECT_EQ(before.monthBranch, (m + 11) % 12) << y << "-" << m;
      EXPECT_EQ(at.monthBranch, m % 12) << y << "-" << m;
      EXPECT_EQ(at.officer, before.officer) << y << "-" << m;  // 每月交節則疊兩值日 (卷四 3b)
    }
  EXPECT_EQ(EvaluateDayLists(1900, 1, 1).monthBranch, 0);  // before 小寒: still the 子 month
}

// The page shows the officer of every day; the day lists must show the same.
TEST(SectionMonth, OfficerAgreesWithThePageOnEveryDay) {
  int disagreements = 0;
  ForEachDay(1900, 2100, [&](const DayLists& d) {
    if (OfficerAt(d.officer) != DayOfficer(d.year, d.month, d.day)) ++disagreements;
  });
  EXPECT_EQ(disagreements, 0);
}

// 四離: the day before 春分 夏至 秋分 冬至; 四絕: the day before the four 立.
TEST(TermSpirits, SeparationAndSeveranceFallOnTheEveOfTheirTerms) {
  int seen = 0;
  ForEachDay(1900, 2100, [&](const DayLists& d) {
    int term = -1;
    if (d.day < DaysInSolarMonth(d.year, d.month)) {
      const TermDays t = TermDaysOfMonth(d.year, d.month);
      term = d.day + 1 == t.first ? 2 * d.month - 2 : d.day + 1 == t.second ? 2 * d.month - 1 : -1;
    }
    const bool li = term == 5 || term == 11 || term == 17 || term == 23;
    const bool jue = term == 2 || term == 8 || term == 14 || term == 20;
    EXPECT_EQ(Has(d, u"四離"), li) << Date(d);
    EXPECT_EQ(Has(d, u"四絕"), jue) << Date(d);
    seen += li + jue;
  });
  EXPECT_EQ(seen, 201 * 8);
}

// 氣往亡 as the page counts its 氣往亡日 (the term day being the first day).
TEST(TermSpirits, TermDepartureAgreesWithThePagesCount) {
  for (int y = 1900; y < 2100; ++y) {  // the page's count gives lunar dates, whose table ends in 2100
    int found = 0;
    for (const LunarDate& t : QiWangWangDays(y)) {
      CalendarDate d;
      ASSERT_GT(LunarToSolar(t, d), 0) << y;
      EXPECT_TRUE(Has(EvaluateDayLists(d.solar.year, d.solar.month, d.solar.day), u"氣往亡")) << y;
      ++found;
    }
    EXPECT_EQ(found, 12);
  }
  int days = 0;
  ForEachDay(2009, 2009, [&](const DayLists& d) { days += Has(d, u"氣往亡"); });
  EXPECT_EQ(days, 12);
}

// 土王用事 from the sun's 27°, 117°, 207°, 297° to the eve of the next 立: a
// run of seventeen to nineteen days before each, and 母倉 turns to 巳午 in it.
TEST(TermSpirits, EarthKingDaysRunUpToEachBeginningOfSeason) {
  for (int y : {1900, 1901, 1985, 2009, 2024, 2099, 2100})
    for (int li : {2, 8, 14, 20}) {
      const int end = CivilDayNumber(y, li / 2 + 1, TermDay(y, li));
      int run = 0;
      for (int n = end - 1;; --n) {
        const auto [yy, mm, dd] = CivilDate(n);
        const DayLists d = EvaluateDayLists(yy, mm, dd);
        if (!Has(d, u"土王用事")) break;
        ++run;
        const int branch = d.dayCycle % 12;
        EXPECT_EQ(d.goodSpirits.Has(Spirit(u"母倉")), branch == 5 || branch == 6) << Date(d);
      }
      EXPECT_GE(run, 17) << y << " " << li;
      EXPECT_LE(run, 19) << y << " " << li;
      const auto [yy, mm, dd] = CivilDate(end);
      EXPECT_FALSE(Has(EvaluateDayLists(yy, mm, dd), u"土王用事"));
    }
}

// 伏社: three 庚 days (初伏 中伏 末伏) and two 戊 days (春社 秋社) a year.
TEST(TermSpirits, DogAndAltarDaysAreFiveAYear) {
  for (int y : {1900, 2009, 2100}) {
    int geng = 0, wu = 0;
    ForEachDay(y, y, [&](const DayLists& d) {
      if (!Has(d, u"伏社")) return;
      (d.dayCycle % 10 == 6 ? geng : wu) += 1;
      EXPECT_TRUE(d.dayCycle % 10 == 6 || d.dayCycle % 10 == 4) << Date(d);
    });
    EXPECT_EQ(geng, 3) << y;
    EXPECT_EQ(wu, 2) << y;
  }
}

// Lunar-day spirits: 晦日 the last day of the month, 月忌日 初五 十四 廿三,
// 反支 by the branch of the month's first day (卷六 72b), 上朔 by the stem of
// the year (陽年以年干加寅順數至亥，陰年以年干加丑順數至巳, 卷六 70b).
TEST(LunarSpirits, FollowTheLunarDateAndTheYear) {
  constexpr int kFanzhi[12] = {6, 6, 5, 5, 4, 4, 3, 3, 2, 2, 1, 1};  // 子丑6 … 戌亥1
  ForEachDay(2008, 2010, [&](const DayLists& d) {
    const DayLists next = d.day < DaysInSolarMonth(d.year, d.month) ? EvaluateDayLists(d.year, d.month, d.day + 1)
                          : d.month < 12                            ? EvaluateDayLists(d.year, d.month + 1, 1)
                                                                    : EvaluateDayLists(d.year + 1, 1, 1);
    EXPECT_EQ(Has(d, u"晦日"), next.lunarDay == 1) << Date(d);
    EXPECT_EQ(Has(d, u"月忌日"), d.lunarDay == 5 || d.lunarDay == 14 || d.lunarDay == 23) << Date(d);
    const int firstBranch = ((d.dayCycle - (d.lunarDay - 1)) % 12 + 12) % 12;
    EXPECT_EQ(Has(d, u"反支"), d.lunarDay == kFanzhi[firstBranch]) << Date(d);
    const bool beforeSpring = d.month == 1 || (d.month == 2 && d.day < TermDaysOfMonth(d.year, 2).first);
    const int stem = ((d.year - (beforeSpring ? 1 : 0) - 4) % 10 + 10) % 10;
    const int sh = stem % 2 == 0 ? (stem + 9) % 10 : (stem + 4) % 10;  // to 亥 from 寅, to 巳 from 丑
    const int branch = stem % 2 == 0 ? 11 : 5;
    EXPECT_EQ(Has(d, u"上朔"), d.dayCycle % 10 == sh && d.dayCycle % 12 == branch) << Date(d);
  });
}

// 長星 八月初二、初五 (卷九 33b): a leap eighth month counts as the eighth.
TEST(LunarSpirits, LongStarTakesALeapMonthAsItsMonth) {
  int inLeap = 0;
  for (int y = 1900; y < 2100; ++y) {
    if (LunarRow(y).leapMonth != 8) continue;
    for (int day : {2, 5}) {
      CalendarDate d;
      ASSERT_GT(LunarToSolar({y, 8, true, day}, d), 0);
      EXPECT_TRUE(Has(EvaluateDayLists(d.solar.year, d.solar.month, d.solar.day), u"長星")) << y;
      ++inLeap;
    }
    CalendarDate other;
    ASSERT_GT(LunarToSolar({y, 8, true, 3}, other), 0);
    EXPECT_FALSE(Has(EvaluateDayLists(other.solar.year, other.solar.month, other.solar.day), u"長星"));
  }
  EXPECT_GT(inLeap, 0);
}

// 朔弦望 falls on the days of the page's moon phases, four or so a month.
TEST(LunarSpirits, PhaseDaysAreTheMoonsPhases) {
  int days = 0;
  ForEachDay(2009, 2009, [&](const DayLists& d) { days += Has(d, u"朔弦望"); });
  EXPECT_GE(days, 48);
  EXPECT_LE(days, 50);
  EXPECT_TRUE(Has(EvaluateDayLists(2009, 1, 26), u"朔弦望"));  // new moon of 正月 2009
}

}  // namespace
}  // namespace lunisol
