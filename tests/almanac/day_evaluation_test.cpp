#include "almanac/day_evaluation.h"

#include <gtest/gtest.h>

#include "calendar/text.h"
#include "tests/text_checks.h"

namespace lunisol {
namespace {

// A day's column reads the season and the lunar month's pillar from its
// context, as the month walk hands them on, not from the calendar's state.
TEST(DayEvaluation, FollowsWhatTheContextHandsOn) {
  YearData data;
  LoadYearData(data, 2009, {});
  DayContext day;
  ASSERT_TRUE(ReadDay(data, 2009, 5, 9, day));  // 甲寅, no term of its own
  EXPECT_FALSE(day.term);
  DayAlmanacRecord record;
  day.termInForce = SolarTerm::kStartOfSummer;  // summer marks 寅 days 刀砧
  EvaluateDay(day, data, record);
  EXPECT_TRUE(Contains(record.noteA.text, u"刀砧"));
  day.termInForce = SolarTerm::kStartOfSpring;  // spring does not
  EvaluateDay(day, data, record);
  EXPECT_FALSE(Contains(record.noteA.text, u"刀砧"));

  ASSERT_TRUE(ReadDay(data, 2009, 5, 24, day));  // lunar 5/1
  day.lunarMonthPillar = Pillar(6);
  EvaluateDay(day, data, record);
  EXPECT_EQ(record.noteA.text.substr(0, 8), u"農曆 5 月庚午");
  day.lunarMonthPillar = Pillar(0);
  EvaluateDay(day, data, record);
  EXPECT_EQ(record.noteA.text.substr(0, 8), u"農曆 5 月甲子");
}

}  // namespace
}  // namespace lunisol
