#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "tools/astro/civil.h"
#include "tools/astro/events.h"
#include "tools/astro/lunar_calendar.h"
#include "tools/calgen/tables.h"

namespace {

using namespace lunisol::astro;
using namespace lunisol::calgen;

// The full run takes a few seconds; build once for the whole suite.
class GeneratedTables : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { tables_ = new TableSet(BuildTables()); }
  static void TearDownTestSuite() {
    delete tables_;
    tables_ = nullptr;
  }
  static TableSet* tables_;

  static bool Mentions(const std::vector<std::string>& problems, const std::string& part) {
    return std::any_of(problems.begin(), problems.end(),
                       [&](const std::string& p) { return p.find(part) != std::string::npos; });
  }
  static LunarRow& Row(TableSet& t, int year) { return t.lunarRows[year - kFirstLunarYear]; }
};

TableSet* GeneratedTables::tables_ = nullptr;

TEST_F(GeneratedTables, PassEveryCheck) {
  const auto problems = CheckTables(*tables_);
  for (const auto& p : problems) ADD_FAILURE() << p;
}

TEST_F(GeneratedTables, ChecksCatchBrokenLunarRows) {
  {
    TableSet t = *tables_;
    Row(t, 1950).bigMonth[3] ^= 1;  // a month a day longer or shorter
    const auto problems = CheckTables(t);
    EXPECT_TRUE(Mentions(problems, "lunar year 1950: does not end where 1951 begins"));
  }
  {
    TableSet t = *tables_;
    Row(t, 1977).weekdayBase = (Row(t, 1977).weekdayBase + 1) % 7;
    EXPECT_TRUE(Mentions(CheckTables(t), "weekday base breaks the day count"));
  }
  {
    TableSet t = *tables_;
    Row(t, 2001).cycleBase = (Row(t, 2001).cycleBase + 59) % 60;
    EXPECT_TRUE(Mentions(CheckTables(t), "cycle base breaks the day count"));
  }
  {
    TableSet t = *tables_;
    Row(t, 2033).leapMonth = 0;  // a plausible common year, but one month short
    const auto problems = CheckTables(t);
    EXPECT_TRUE(Mentions(problems, "lunar year 2033: does not end where 2034 begins"));
    EXPECT_TRUE(Mentions(problems, "years with a leap month, want 74"));
    EXPECT_TRUE(Mentions(problems, "lunar row 2033"));
  }
  {
    TableSet t = *tables_;
    // Lunar 1916 begun on 4 February, as the UTC+8 day of its new moon says.
    Row(t, 1915).bigMonth[11] = 1;
    Row(t, 1916).newYearEve += 1;
    Row(t, 1916).bigMonth[0] = 0;
    const auto problems = CheckTables(t);
    ASSERT_EQ(1u, problems.size());
    EXPECT_TRUE(Mentions(problems, "1916-02-03 is lunar month 12 day 30, want the first day of month 1"));
  }
  {
    TableSet t = *tables_;
    Row(t, 2100).bigMonth[12] ^= 1;  // only the sample row notices
    const auto problems = CheckTables(t);
    EXPECT_EQ(1u, problems.size());
    EXPECT_TRUE(Mentions(problems, "lunar row 2100"));
  }
}

TEST_F(GeneratedTables, ChecksCatchBrokenTermData) {
  {
    TableSet t = *tables_;
    t.termTimes[2009 - kFirstTermYear][1] = "0641";
    EXPECT_TRUE(Mentions(CheckTables(t), "term 1 of 2009 begins at 0641, want 0640"));
  }
  {
    TableSet t = *tables_;
    t.termDays[1950 - kFirstTermYear][4] = 2;  // 驚蟄 on 2 March
    const auto problems = CheckTables(t);
    EXPECT_TRUE(Mentions(problems, "terms of 1950: term 4 on day 2"));
    EXPECT_TRUE(Mentions(problems, "byte of month 3"));
  }
  {
    TableSet t = *tables_;
    t.termBytes[2100 - kFirstTermYear][0] = 0x95;
    EXPECT_TRUE(Mentions(CheckTables(t), "term bytes of 2100"));
  }
}

TEST_F(GeneratedTables, ThirteenthFlagOfACommonYearIsTheNextYearsFirstMonth) {
  for (int y = kFirstLunarYear; y < kLastLunarYear; ++y) {
    const LunarRow& r = tables_->lunarRows[y - kFirstLunarYear];
    if (r.leapMonth == 0) {
      EXPECT_EQ(tables_->lunarRows[y + 1 - kFirstLunarYear].bigMonth[0], r.bigMonth[12]) << y;
    }
  }
}

TEST(PackTermDays, UsesBothNibbles) {
  EXPECT_EQ(0x95, PackTermDays(6, 20));
  EXPECT_EQ(0xB3, PackTermDays(4, 18));
  EXPECT_EQ(0x69, PackTermDays(9, 24));
}

// The calendar rules, checked against the astronomy they were built from.
class LunarCalendarRules : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    terms_ = new SolarTermYears(ComputeSolarTerms(2007, 2035));
    calendar_ = new LunarCalendar(ComputeLunarCalendar(*terms_));
  }
  static void TearDownTestSuite() {
    delete calendar_;
    delete terms_;
  }
  static bool Holds(const LunarMonth& m, double jdTT) {
    const int day = LocalMinuteOfTT(jdTT).jdn;
    return day >= m.startJdn && day < m.startJdn + m.length;
  }
  static SolarTermYears* terms_;
  static LunarCalendar* calendar_;
};

SolarTermYears* LunarCalendarRules::terms_ = nullptr;
LunarCalendar* LunarCalendarRules::calendar_ = nullptr;

TEST_F(LunarCalendarRules, SolsticeMonthsAreElevenAndLeapMonthsLackAPrincipalTerm) {
  ASSERT_FALSE(calendar_->months.empty());
  for (const LunarMonth& m : calendar_->months) {
    bool principal = false;
    for (int y = terms_->firstYear; y <= terms_->lastYear(); ++y) {
      if (Holds(m, terms_->moment(y, 23))) {
        EXPECT_EQ(11, m.number) << CivilFromJdn(m.startJdn).year;
      }
      for (int t = 1; t < 24; t += 2) principal = principal || Holds(m, terms_->moment(y, t));
    }
    if (m.leap) {
      EXPECT_FALSE(principal);
    }
  }
}

TEST_F(LunarCalendarRules, MonthsBeginOnTheDayOfTheNewMoon) {
  for (const LunarMonth& m : calendar_->months) {
    const double jd = LunarPhaseMoment(m.startJdn + 0.5, 0.0, MoonTheory::kElp2000);
    EXPECT_EQ(m.startJdn, LocalMinuteOfTT(jd).jdn);
  }
}

TEST_F(LunarCalendarRules, MonthStartExceptionsMoveTheMonthOrFailWhenStale) {
  // A month of 30 days after one of 29 can begin a day late.
  size_t k = 1;
  while (!(calendar_->months[k - 1].length == 29 && calendar_->months[k].length == 30)) ++k;
  const int newMoon = calendar_->months[k].startJdn, nextDay = newMoon + 1;
  const LunarCalendar moved = ComputeLunarCalendar(*terms_, {{newMoon, nextDay, "test"}});
  ASSERT_EQ(moved.months.size(), calendar_->months.size());
  for (size_t i = 0; i < moved.months.size(); ++i) {
    const LunarMonth &was = calendar_->months[i], &is = moved.months[i];
    if (was.startJdn == newMoon) {
      EXPECT_EQ(nextDay, is.startJdn);
      EXPECT_EQ(was.length - 1, is.length);
      EXPECT_EQ(calendar_->months[i - 1].length + 1, moved.months[i - 1].length);
    } else if (i + 1 < moved.months.size() && calendar_->months[i + 1].startJdn != newMoon) {
      EXPECT_EQ(was.startJdn, is.startJdn);
    }
  }
  EXPECT_THROW(ComputeLunarCalendar(*terms_, {{nextDay, nextDay + 1, "no new moon that day"}}), std::runtime_error);
}

TEST_F(LunarCalendarRules, KnownLeapMonths) {
  const auto years = SplitLunarYears(*calendar_);
  auto leapOf = [&](int y) {
    for (const LunarYear& ly : years)
      if (ly.year == y) return ly.leapMonth;
    return -1;
  };
  EXPECT_EQ(5, leapOf(2009));  // leap fifth month from 23 June 2009
  EXPECT_EQ(0, leapOf(2010));
  EXPECT_EQ(4, leapOf(2012));
  EXPECT_EQ(6, leapOf(2017));
  EXPECT_EQ(11, leapOf(2033));  // the leap month after the solstice month
  // Leap fifth month of 2009 begins 23 June.
  for (const LunarMonth& m : calendar_->months)
    if (m.leap && CivilFromJdn(m.startJdn).year == 2009) {
      EXPECT_EQ(JdnFromCivil(2009, 6, 23), m.startJdn);
    }
}

}  // namespace
