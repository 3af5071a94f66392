#include "almanac/year_data.h"

#include <gtest/gtest.h>

#include "almanac/month.h"
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
  LoadYearData(may, 2009, 5, {});
  LoadYearData(december, 2009, 12, {});
  EXPECT_EQ(may.calendar.decemberMarker, -1);
  EXPECT_NE(december.calendar.decemberMarker, -1);
  EXPECT_EQ(may.calendar.nineStarTable[364], 0) << "after 冬至 nothing is known without the marker";
  RefreshYearDataForMonth(may, 2009, 12);
  EXPECT_EQ(may.calendar.nineStarTable, december.calendar.nineStarTable);
  EXPECT_EQ(may.calendar.dayHexagramTable, december.calendar.dayHexagramTable);
  // A month choice other than December changes nothing.
  const CalendarState before = may.calendar;
  RefreshYearDataForMonth(may, 2009, 6);
  EXPECT_EQ(may.calendar.nineStarTable, before.nineStarTable);
}

TEST(YearData, YearChoiceSetsTheLichunPillarAndWangwangDays) {
  YearData data;
  LoadYearData(data, 2009, 1, {});
  CalendarState probe;
  int y = 0, m = 0, d = 0;
  ASSERT_TRUE(FindSolarTermDate(probe, 2009, u"立春", y, m, d));
  EXPECT_EQ(data.calendar.lichunDayPillar, probe.lichunDayPillar);
  for (const LunarTriple& w : data.calendar.qiWangWangDays) EXPECT_NE(w.day, 0);
}

// The first day of the month page whose noteA holds `label`, or 0.
int PhaseDayOnThePage(YearData& data, int month, std::u16string_view label) {
  MonthTermState terms;
  const MonthAlmanac page = EvaluateMonth(data.year, month, data, terms);
  for (const MonthColumn& c : page.columns)
    if (c.kind == ColumnKind::kDay && c.record.noteA.text.find(label) != std::u16string::npos) return c.day;
  return 0;
}

// A year's phases come from the first folder that holds its file, else from
// the built-in table; the file, when there is one, wins with its notes, and
// is looked for again at every year choice.
TEST(YearData, MoonPhasesFromTheYearsFileElseTheBuiltInTable) {
  const std::vector<std::string> folders{"/nonexistent", kMoonDir};
  YearData data;
  LoadYearData(data, 2009, 5, folders);
  MoonPhaseData file, table;
  ASSERT_TRUE(ReadMoonPhaseFile(2009, file, kMoonDir));
  MoonPhasesFromTable(2009, table);
  ASSERT_NE(file.moonPhaseLists, table.moonPhaseLists) << "the sample must differ from the table to tell them apart";
  EXPECT_EQ(data.moon.moonPhaseLists, file.moonPhaseLists);
  EXPECT_EQ(data.moon.datedNotes, file.datedNotes);
  EXPECT_FALSE(data.moon.datedNotes.empty());

  LoadYearData(data, 2010, 5, folders);
  MoonPhasesFromTable(2010, table);
  EXPECT_EQ(data.moon.moonPhaseLists, table.moonPhaseLists);
  EXPECT_TRUE(data.moon.datedNotes.empty());
  // Without a file the page still shows the full moon of 28 May 2010 (UTC+8).
  EXPECT_EQ(PhaseDayOnThePage(data, 5, u"望 "), 28);
}

}  // namespace
}  // namespace lunisol

namespace lunisol {
namespace {

TEST(YearlySheetHandover, PillarAndYearGodAgreeAfterANewYearInsideTheMonth) {
  // 18 February 2007 is lunar 1/1 of 丁亥; the 20th belongs to 丁亥 while the
  // month's first day (and so the page title) still belongs to 丙戌.
  const auto r = BuildYearlyNotes(2007, 2, 20);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->yearPillar, u"丁亥");
  EXPECT_EQ(r->yearGodTitle.text, u"太歲 丁亥 年");
  EXPECT_EQ(r->yearGodName.text,
            Format(u"太歲姓%c名%c", {kTaisuiNames[24].substr(0, 1), kTaisuiNames[24].substr(1, 1)}));
  const auto first = BuildYearlyNotes(2007, 2, 1);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->yearPillar, u"丙戌");
  EXPECT_FALSE(BuildYearlyNotes(1899, 1, 5).has_value());
}

}  // namespace
}  // namespace lunisol
