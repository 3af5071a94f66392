#include <gtest/gtest.h>

#include "almanac/month.h"
#include "almanac/year_data.h"
#include "calendar/day_tables.h"
#include "calendar/solar_terms.h"
#include "calendar/text.h"
#include "sheets/tables.h"
#include "sheets/yearly_notes_model.h"

namespace lunisol {
namespace {

const std::string kMoonDir = std::string(LUNISOL_TEST_DATA_DIR) + "/moon";

TEST(YearData, MonthChoiceOfDecemberCompletesTheNineStars) {
  YearData may, december;
  OnYearChosen(may, 2009, 5, "/nonexistent");
  OnYearChosen(december, 2009, 12, "/nonexistent");
  EXPECT_EQ(may.calendar.decemberMarker, -1);
  EXPECT_NE(december.calendar.decemberMarker, -1);
  EXPECT_EQ(may.calendar.nineStarTable[364], 0) << "after 冬至 nothing is known without the marker";
  OnMonthChosen(may, 2009, 12);
  EXPECT_EQ(may.calendar.nineStarTable, december.calendar.nineStarTable);
  EXPECT_EQ(may.calendar.dayHexagramTable, december.calendar.dayHexagramTable);
  // A month choice other than December changes nothing.
  const CalendarState before = may.calendar;
  OnMonthChosen(may, 2009, 6);
  EXPECT_EQ(may.calendar.nineStarTable, before.nineStarTable);
}

TEST(YearData, YearChoiceSetsTheLichunPillarAndWangwangDays) {
  YearData data;
  OnYearChosen(data, 2009, 1, "/nonexistent");
  CalendarState probe;
  int y = 0, m = 0, d = 0;
  ASSERT_TRUE(FindSolarTermDate(probe, 2009, u"立春", y, m, d));
  EXPECT_EQ(data.calendar.lichunDayPillar, probe.lichunDayPillar);
  for (const LunarTriple& w : data.calendar.qiWangWangDays) EXPECT_NE(w.day, 0);
  EXPECT_TRUE(data.moon.datedNotes.empty());
  for (const auto& list : data.moon.moonPhaseLists) EXPECT_TRUE(list.empty());
}

TEST(YearData, TheYearsMoonFileIsReadAgainOnEveryYearChoice) {
  YearData data;
  OnYearChosen(data, 2009, 5, kMoonDir);
  ASSERT_FALSE(data.moon.moonPhaseLists[2].empty());
  // The page shows the file's new moon of the month on its day.
  const std::u16string& first = data.moon.moonPhaseLists[2][0];
  ASSERT_GE(first.size(), 8u);
  MonthTermState terms;
  const int month = (first[0] - u'0') * 10 + (first[1] - u'0');
  const int day = (first[2] - u'0') * 10 + (first[3] - u'0');
  const MonthAlmanac page = EvaluateMonth(2009, month, data, terms);
  bool shown = false;
  for (const MonthColumn& c : page.columns)
    if (c.kind == ColumnKind::kDay && c.day == day) shown = c.record.noteA.text.find(u"朔 ") != std::u16string::npos;
  EXPECT_TRUE(shown);
  // Another year without a file empties the lists.
  OnYearChosen(data, 2010, 5, kMoonDir);
  for (const auto& list : data.moon.moonPhaseLists) EXPECT_TRUE(list.empty());
  EXPECT_TRUE(data.moon.datedNotes.empty());
}

}  // namespace
}  // namespace lunisol


namespace lunisol {
namespace {

TEST(YearlySheetHandover, PillarAndYearGodAgreeAfterANewYearInsideTheMonth) {
  // 18 February 2007 is lunar 1/1 of 丁亥; the 20th belongs to 丁亥 while the
  // month's first day (and so the page title) still belongs to 丙戌.
  EXPECT_EQ(YearPillarTextOfDate(2007, 2, 20), u" 丁亥 ");
  EXPECT_EQ(YearPillarTextOfDate(2007, 2, 1), u" 丙戌 ");
  const auto r = BuildYearlyNotes(YearPillarTextOfDate(2007, 2, 20), 2007, 2, 20);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->yearGodTitle.text, u"太歲 丁亥 年");
  EXPECT_EQ(r->yearGodName.text, Format(u"太歲姓%c名%c", {kTaisuiNames[24].substr(0, 1), kTaisuiNames[24].substr(1, 1)}));
  EXPECT_EQ(YearPillarTextOfDate(1899, 1, 5), u"");
}

}  // namespace
}  // namespace lunisol
