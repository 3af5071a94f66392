#include "almanac/year_data.h"

#include <gtest/gtest.h>

#include "almanac/month.h"
#include "calendar/day_tables.h"
#include "calendar/names.h"
#include "calendar/solar_terms.h"
#include "calendar/text.h"
#include "sheets/tables.h"
#include "sheets/yearly_notes_model.h"

namespace lunisol {
namespace {

const std::string kMoonDir = std::string(LUNISOL_TEST_DATA_DIR) + "/moon";

// A year's tables are pure: loading the same year twice gives the same
// tables, whatever was loaded before, and they reach past 冬至.
TEST(YearData, TablesOfAYearArePureAndWhole) {
  YearData a, b;
  LoadYearData(a, 2009, {});
  LoadYearData(b, 1950, {});
  LoadYearData(b, 2009, {});
  EXPECT_EQ(a.nineStars, b.nineStars);
  EXPECT_EQ(a.hexagrams, b.hexagrams);
  EXPECT_EQ(a.wangwang, b.wangwang);
  EXPECT_EQ(a.nineStars, NineStarsOfYear(2009));
  EXPECT_NE(a.NineStarOf(12, 31), 0);
  EXPECT_EQ(a.HexagramOf(1, 1), a.hexagrams[0]);
  for (const LunarDate& w : a.wangwang) EXPECT_NE(w.day, 0);
  EXPECT_EQ(a.wangwang, QiWangWangDays(2009));
}

// The first day of the month page whose noteA holds `label`, or 0.
int PhaseDayOnThePage(const YearData& data, int month, std::u16string_view label) {
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
  LoadYearData(data, 2009, folders);
  MoonPhaseData file, table;
  ASSERT_TRUE(ReadMoonPhaseFile(2009, file, kMoonDir));
  MoonPhasesFromTable(2009, table);
  ASSERT_NE(file.phases, table.phases) << "the sample must differ from the table to tell them apart";
  EXPECT_EQ(data.moon, file);
  EXPECT_FALSE(data.moon.notes.empty());

  LoadYearData(data, 2010, folders);
  MoonPhasesFromTable(2010, table);
  EXPECT_EQ(data.moon, table);
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
  EXPECT_EQ(Name(r->yearPillar), u"丁亥");
  EXPECT_EQ(r->yearGodTitle.text, u"太歲 丁亥 年");
  EXPECT_EQ(r->yearGodName.text,
            Format(u"太歲姓%c名%c", {kTaisuiNames[24].substr(0, 1), kTaisuiNames[24].substr(1, 1)}));
  const auto first = BuildYearlyNotes(2007, 2, 1);
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(Name(first->yearPillar), u"丙戌");
  EXPECT_FALSE(BuildYearlyNotes(1899, 1, 5).has_value());
}

}  // namespace
}  // namespace lunisol
