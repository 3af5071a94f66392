// The hour sheet of a day: pillars and their opposites, the day–hour clash,
// the God-of-Wealth gap on 辛 hours, tooltips and the label column's lines.

#include "sheets/hour_table_model.h"

#include <gtest/gtest.h>

#include <string>

#include "almanac/lookups.h"
#include "calendar/convert.h"
#include "calendar/names.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "sheets/tables.h"

namespace lunisol {
namespace {

using namespace colours;

std::string U8(std::u16string_view s) { return ToUtf8(s); }

// A month page holding only the column of `day`, with the page's notes for it.
MonthAlmanac PageOf(int day, std::u16string noteA = {}, std::u16string noteB = {}) {
  MonthAlmanac page;
  page.gregorianTitle.text = u"國曆 95 年  1 月";
  MonthColumn& column = page.columns[5];
  column.kind = ColumnKind::kDay;
  column.day = day;
  column.record.noteA.text = std::move(noteA);
  column.record.noteB.text = std::move(noteB);
  return page;
}

HourTableRecord Sheet(int year, int month, int day, const MonthAlmanac& page) {
  const std::optional<HourTableRecord> r = BuildHourTable(page, year, month, day);
  EXPECT_TRUE(r.has_value());
  return r.value_or(HourTableRecord{});
}

// The sheet of the day whose pillar has cycle index `i`, counted from
// 2009-05-19, a 甲子 day.
HourTableRecord DaySheet(int i) {
  int month = 5, day = 19 + i;
  while (day > DaysInSolarMonth(2009, month)) day -= DaysInSolarMonth(2009, month++);
  return Sheet(2009, month, day, PageOf(day));
}

TEST(HourTableLists, JiaziDayPillarsAndOppositesWrapRoundTheCycle) {
  const auto pillars = HourPillars(Stem::kJia);
  const auto clashes = HourClashPillars(Stem::kJia);
  const char16_t* wantPillars[12] = {u"甲子", u"乙丑", u"丙寅", u"丁卯", u"戊辰", u"己巳",
                                     u"庚午", u"辛未", u"壬申", u"癸酉", u"甲戌", u"乙亥"};
  const char16_t* wantClashes[12] = {u"戊午", u"己未", u"庚申", u"辛酉", u"壬戌", u"癸亥",
                                     u"甲子", u"乙丑", u"丙寅", u"丁卯", u"戊辰", u"己巳"};
  for (size_t k = 0; k < 12; ++k) {
    EXPECT_EQ(U8(Name(pillars[k])), U8(wantPillars[k])) << k;
    EXPECT_EQ(U8(Name(clashes[k])), U8(wantClashes[k])) << k;
  }
}

TEST(HourTableLists, EveryStemStartsAtItsZiHourAndOppositesCarryTheOppositeBranch) {
  const char16_t* starts[10] = {u"甲子", u"丙子", u"戊子", u"庚子", u"壬子",
                                u"甲子", u"丙子", u"戊子", u"庚子", u"壬子"};
  for (int s = 0; s < 10; ++s) {
    const auto pillars = HourPillars(StemAt(s));
    const auto clashes = HourClashPillars(StemAt(s));
    EXPECT_EQ(U8(Name(pillars[0])), U8(starts[s])) << s;
    for (int k = 0; k < 12; ++k) {
      EXPECT_EQ(pillars[static_cast<size_t>(k)].branch(), BranchAt(k)) << s << "," << k;
      EXPECT_EQ(clashes[static_cast<size_t>(k)].branch(), Opposite(BranchAt(k))) << s << "," << k;
    }
  }
}

TEST(HourSpirits, EachSideInItsColumnWithoutAClash) {
  using enum HourSpirit;
  // 甲子 day, 子 hour.
  const HourSpiritTexts t = HourSpiritCells(kHourSpirits[0], true, false);
  EXPECT_EQ(U8(t.good), "吉神 ：金匱 ，大進 ，比肩 ，福德");
  EXPECT_EQ(U8(t.bad), "凶煞 ：日建");
  EXPECT_EQ(t.goodColour, kMaroon);
  EXPECT_EQ(t.badColour, kGreen);
  // An empty side says 無 rather than showing a bare label that looks cut
  // off, whichever label the table prints ("凶煞:" or "凶煞").
  ASSERT_TRUE(U8(PrintedHourSpirits(kHourSpirits[1], true)).ends_with("凶煞:"));
  const HourSpiritTexts none = HourSpiritCells(kHourSpirits[1], true, false);
  EXPECT_EQ(U8(none.bad), "凶煞 ：無");
  EXPECT_EQ(U8(none.good), "吉神 ：天德 ，功曹 ，寶光 ，貴人 ，天乙 ，羅紋 ，交貴 ，六合 ，武曲");
  EXPECT_EQ(U8(HourSpiritCells(MakeHourSpiritSet(kYuTang), false, false).bad), "凶煞 ：無");
  const HourSpiritTexts bare = HourSpiritCells(MakeHourSpiritSet(kXuanWu), false, false);
  EXPECT_EQ(U8(bare.good), "吉神 ：無");
  EXPECT_EQ(U8(bare.bad), "凶煞 ：玄武");
  // Clashing, the whole entry moves to the bad column, named the same way.
  EXPECT_EQ(U8(HourSpiritCells(MakeHourSpiritSet(kXuanWu), false, true).bad), "吉神 ：無 ，凶煞 ：玄武");
}

TEST(HourSpirits, ClashShowsTheWarningAndKeepsWhatFits) {
  using enum HourSpirit;
  // 甲子 day, 午 hour: 18 characters as the almanac prints it, too short to
  // share the good column.
  const HourSpiritSet wu = kHourSpirits[6];
  ASSERT_EQ(PrintedHourSpirits(wu, true).size(), 18u);
  const HourSpiritTexts t = HourSpiritCells(wu, true, true);
  EXPECT_EQ(U8(t.good), "日時相沖 ，不宜諸吉事 !");
  EXPECT_EQ(U8(t.bad), "吉神 ：司命 ，凶煞 ：日破 ，地兵");
  EXPECT_EQ(t.goodColour, kBlack);
  EXPECT_EQ(t.badColour, kGrey);

  // From 22 printed characters on, the bad spirits follow the warning and
  // the good spirits move to the bad column.
  const HourSpiritSet longer = MakeHourSpiritSet(kSiMing, kTianGuan, kRiPo, kDiBing);
  ASSERT_EQ(PrintedHourSpirits(longer, true).size(), 22u);
  const HourSpiritTexts long22 = HourSpiritCells(longer, true, true);
  EXPECT_EQ(U8(long22.good), "日時相沖 ，不宜諸吉事 !凶煞 ：日破 ，地兵");
  EXPECT_EQ(U8(long22.bad), "吉神 ：司命 ，天官");
}

TEST(HourTable, JiaziDayOnTheSheet) {
  const HourTableRecord r = DaySheet(0);  // 甲子
  EXPECT_EQ(r.day, Pillar());
  EXPECT_EQ(U8(r.caption), " 當日時辰吉課 ( 彭祖百忌  ：甲日不開倉,  子日不問卜 )");

  // Only the 午 hour (opposite pillar 甲子) clashes with a 子 day.
  for (size_t k = 0; k < 12; ++k) {
    const HourColumn& h = r.hours[k];
    if (k == 6) {
      EXPECT_EQ(U8(h.good.text), "日時相沖 ，不宜諸吉事 !");
      EXPECT_EQ(U8(h.bad.text), "吉神 ：司命 ，凶煞 ：日破 ，地兵");
      EXPECT_EQ(h.good.colour, kBlack);
      EXPECT_EQ(h.bad.colour, kGrey);
    } else {
      EXPECT_EQ(h.good.colour, kMaroon) << k;
      EXPECT_EQ(h.bad.colour, kGreen) << k;
      EXPECT_EQ(h.good.text.substr(0, 2), u"吉神") << k;
    }
  }
  // The 寅 hour's long entry: no clash, both parts in their own columns.
  EXPECT_EQ(U8(r.hours[2].good.text), "吉神 ：驛馬 ，福星 ，臨官 ，喜神 ，日祿");
  EXPECT_EQ(U8(r.hours[2].bad.text), "凶煞 ：天兵 ，白虎 ，時值 白虎 取諸宜事時須用 麒麟符 制化");
  EXPECT_EQ(U8(r.hours[2].bad.tooltip), U8(r.hours[2].bad.text));

  // Hour ranges, pillars and the fixed clash cells.
  EXPECT_EQ(U8(r.hours[0].range.text), "23 I 01");
  EXPECT_EQ(U8(r.hours[11].range.text), "21 I 23");
  EXPECT_EQ(r.hours[5].range.colour, BranchColour(Branch::kSi));
  EXPECT_EQ(U8(r.hours[0].pillar.text), "甲子時");
  EXPECT_EQ(r.hours[0].pillar.colour, StemColour(Stem::kJia));
  EXPECT_EQ(U8(r.hours[7].pillar.text), "辛未時");
  EXPECT_EQ(r.hours[7].pillar.colour, StemColour(Stem::kXin));
  EXPECT_EQ(U8(r.hours[2].clashAnimal.text), "沖猴");
  EXPECT_EQ(r.hours[2].clashAnimal.colour, (Colour{108, 108, 108}));
  EXPECT_EQ(U8(r.hours[2].sha.text), "煞北");
  EXPECT_EQ(r.hours[2].sha.colour, kBlack);
  EXPECT_EQ(U8(r.hours[2].opposite.text), "庚申");
  EXPECT_EQ(r.hours[2].opposite.colour, (Colour{108, 108, 108}));
  EXPECT_EQ(U8(r.hours[10].clashAnimal.text), "沖龍");
  EXPECT_EQ(r.hours[10].opposite.colour, (Colour{128, 128, 0}));
  EXPECT_EQ(U8(r.hours[7].sha.text), "煞西");
  EXPECT_EQ(r.hours[7].sha.colour, kGrey);

  EXPECT_EQ(U8(r.joyLabel.text), "喜神");
  EXPECT_EQ(r.joyLabel.colour, kMaroon);
  EXPECT_EQ(r.wealthLabel.colour, kMaroon);
  EXPECT_EQ(r.animalLabel.colour, kBlack);
  // The sheet lists its cells hour by hour, then the label column.
  const auto cells = r.Cells();
  EXPECT_EQ(cells[0], &r.hours[0].range);
  EXPECT_EQ(cells[9 * 4 + 3], &r.hours[4].bad);
  EXPECT_EQ(cells[108], &r.joyLabel);
  EXPECT_EQ(cells[115], &r.dateCell);
}

TEST(HourTable, RangesClashesAndShaOfEveryHour) {
  // These cells belong to the hour alone: two unrelated days must agree.
  const HourTableRecord a = DaySheet(2);  // 丙寅
  const HourTableRecord b = DaySheet(9);  // 癸酉
  // The clash animal's colour, hour by hour; the opposite pillar shares it.
  const Colour animalColours[12] = {{128, 0, 0},   {128, 0, 0}, {108, 108, 108}, {108, 108, 108},
                                    {128, 128, 0}, {0, 0, 128}, {0, 0, 128},     {128, 128, 0},
                                    {0, 128, 0},   {0, 128, 0}, {128, 128, 0},   {128, 0, 0}};
  // 煞 turns 南, 東, 北, 西 with the hours; each direction has its own colour.
  const char16_t* shaTexts[4] = {u"煞南", u"煞東", u"煞北", u"煞西"};
  const Colour shaColours[4] = {{128, 0, 0}, {0, 128, 0}, {0, 0, 0}, {128, 128, 128}};
  for (size_t k = 0; k < 12; ++k) {
    const int start = (2 * static_cast<int>(k) + 23) % 24;
    for (const HourTableRecord* r : {&a, &b}) {
      const HourColumn& h = r->hours[k];
      EXPECT_EQ(U8(h.range.text), U8(Format(u"%02d I %02d", {start, (start + 2) % 24}))) << k;
      EXPECT_EQ(h.range.colour, BranchColour(BranchAt(static_cast<int>(k)))) << k;
      // An hour clashes with the animal of the opposite branch.
      EXPECT_EQ(U8(h.clashAnimal.text), "沖" + U8(kZodiacAnimals[(k + 6) % 12])) << k;
      EXPECT_EQ(h.clashAnimal.colour, animalColours[k]) << k;
      EXPECT_EQ(h.opposite.text, Name(r->clashPillars[k])) << k;
      EXPECT_EQ(h.opposite.colour, animalColours[k]) << k;
      EXPECT_EQ(U8(h.sha.text), U8(shaTexts[k % 4])) << k;
      EXPECT_EQ(h.sha.colour, shaColours[k % 4]) << k;
    }
  }
}

TEST(HourTable, GodDirectionsAndTheXinHours) {
  // On a 丙 or 辛 day the 卯 hour is 辛卯; on a 甲 day the 未 hour is 辛未.
  for (int day : {2, 27, 0}) {  // 丙寅, 辛卯, 甲子
    const HourTableRecord r = DaySheet(day);
    int xinHours = 0;
    for (size_t k = 0; k < 12; ++k) {
      const HourColumn& h = r.hours[k];
      const Stem stem = r.hourPillars[k].stem();
      EXPECT_EQ(h.joy.text, Name(JoyGodDirection(stem)));
      EXPECT_EQ(h.joy.colour, DirectionColour(JoyGodDirection(stem)));
      if (stem == Stem::kXin) {
        ++xinHours;
        EXPECT_TRUE(h.wealth.text.empty()) << k;
      } else {
        EXPECT_EQ(h.wealth.text, Name(WealthGodDirection(stem))) << k;
        EXPECT_EQ(h.wealth.colour, DirectionColour(WealthGodDirection(stem)));
      }
    }
    EXPECT_EQ(xinHours, 1) << day;
  }
}

TEST(HourTable, CaptionAndTheSpiritTooltipThreshold) {
  const HourTableRecord yichou = DaySheet(1);
  EXPECT_EQ(yichou.day, Pillar(1));
  EXPECT_EQ(U8(yichou.caption), " 當日時辰吉課 ( 彭祖百忌  ：乙日不栽種,  丑日不冠帶 )");

  const HourTableRecord r = DaySheet(13);  // 丁丑
  EXPECT_EQ(r.day, Pillar(13));
  // 亥 hour: a good column of exactly 26 characters has no tip.
  ASSERT_EQ(r.hours[11].good.text.size(), 26u);
  EXPECT_TRUE(r.hours[11].good.tooltip.empty());
  // 未 hour clashes with the 丑 day: the warning and the bad spirits make 27.
  ASSERT_EQ(r.hours[7].good.text.size(), 27u);
  EXPECT_EQ(r.hours[7].good.tooltip, r.hours[7].good.text);
  EXPECT_EQ(r.hours[7].good.text.substr(0, 13), u"日時相沖 ，不宜諸吉事 !");
  // Short columns never carry a tip.
  for (const HourColumn& h : r.hours) {
    if (h.bad.text.size() <= 26) {
      EXPECT_TRUE(h.bad.tooltip.empty());
    }
  }
}

TEST(HourTableLabelColumn, DateLinesAndTheirTips) {
  EXPECT_EQ(U8(HourTableDateLine(u"國曆 95 年  1 月", 29)), "國曆 95 年  1 月 29 日");

  // The month line of the note loses "農曆 1 月", keeping the pillar (丙戌
  // 2006 opens with 庚寅); a note that does not open with the month's line
  // stays whole.
  EXPECT_EQ(U8(HourTableLunarLine(LunarDate{2006, 1, false, 1}, u"農曆 1 月庚寅", u"")), "農曆 1 月 1 日 ，庚寅");
  EXPECT_EQ(U8(HourTableLunarLine(LunarDate{2006, 1, false, 1}, u"農曆 1 月庚寅", u"月破")),
            "農曆 1 月 1 日 ，庚寅 ，月破");
  EXPECT_EQ(U8(HourTableLunarLine(LunarDate{2006, 1, false, 1}, u"", u"月破")), "農曆 1 月 1 日 ，月破");
  EXPECT_EQ(U8(HourTableLunarLine(LunarDate{2006, 1, false, 1}, u"", u"")), "農曆 1 月 1 日");
  EXPECT_EQ(U8(HourTableLunarLine(LunarDate{2006, 1, false, 2}, u"農曆 1 月庚寅", u"")),
            "農曆 1 月 2 日 ，農曆 1 月庚寅");
  // A two-digit month.
  EXPECT_EQ(U8(HourTableLunarLine(LunarDate{2005, 11, false, 1}, u"農曆 11 月戊子 ，刀砧", u"")),
            "農曆 11 月 1 日 ，戊子 ，刀砧");
  // 24 August 2006 opens the leap seventh month; 22 December 2033 the leap
  // eleventh, whose line is longest.
  EXPECT_EQ(U8(HourTableLunarLine(LunarDate{2006, 7, true, 1}, u"農曆閏 7 月丙申", u"")), "農曆閏 7 月 1 日 ，丙申");
  EXPECT_EQ(U8(HourTableLunarLine(LunarDate{2033, 11, true, 1}, u"農曆閏 11 月甲子 ，朔 02時 46分", u"")),
            "農曆閏 11 月 1 日 ，甲子 ，朔 02時 46分");

  // The lunar date is the calendar's: 29 January 2006 is lunar 1/1, 31
  // January 1900 too, 1 December 2005 lunar 11/1, 24 August 2006 閏 7/1.
  EXPECT_EQ(U8(Sheet(2006, 1, 29, PageOf(29)).lunarDateCell.text), "農曆 1 月 1 日");
  EXPECT_EQ(U8(Sheet(1900, 1, 31, PageOf(31)).lunarDateCell.text), "農曆 1 月 1 日");
  EXPECT_EQ(U8(Sheet(2005, 12, 1, PageOf(1, u"農曆 11 月戊子 ，刀砧")).lunarDateCell.text),
            "農曆 11 月 1 日 ，戊子 ，刀砧");
  EXPECT_EQ(U8(Sheet(2006, 8, 24, PageOf(24, u"農曆閏 7 月丙申")).lunarDateCell.text), "農曆閏 7 月 1 日 ，丙申");
  // No sheet for a day the page has no column for, or a date the calendar
  // does not know.
  EXPECT_FALSE(BuildHourTable(PageOf(28), 2006, 1, 29).has_value());
  EXPECT_FALSE(BuildHourTable(PageOf(29), 1800, 1, 29).has_value());

  // Tips from 22 characters on, for the lunar line and the note cell.
  std::u16string noteA = u"一二三四五六七八九";  // 12 + 9 = 21
  std::u16string noteB = u"一二三四五六七八九十一二三四五六七八九十一";
  ASSERT_EQ(noteB.size(), 21u);
  HourTableRecord r = Sheet(2006, 1, 29, PageOf(29, noteA, noteB));
  EXPECT_EQ(r.lunarDateCell.text.size(), 21u);
  EXPECT_TRUE(r.lunarDateCell.tooltip.empty());
  EXPECT_TRUE(r.noteCell.tooltip.empty());
  noteA += u"十";
  noteB += u"二";
  r = Sheet(2006, 1, 29, PageOf(29, noteA, noteB));
  EXPECT_EQ(r.lunarDateCell.text.size(), 22u);
  EXPECT_EQ(r.lunarDateCell.tooltip, r.lunarDateCell.text);
  EXPECT_EQ(r.noteCell.tooltip, noteB);

  EXPECT_EQ(U8(r.dateCell.text), "國曆 95 年  1 月 29 日");
  EXPECT_EQ(r.dateCell.colour, kBlue);
  EXPECT_EQ(r.lunarDateCell.colour, kGreen);
  EXPECT_EQ(r.noteCell.colour, kMaroon);
}

}  // namespace
}  // namespace lunisol
