// The zodiac fortune sheet: which fortune row each animal gets, the year
// branch taken from the page's lunar title, the head lines of a tab and the
// monthly columns coloured by their ratings.

#include "sheets/zodiac_fortune_model.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "almanac/month.h"
#include "almanac/year_data.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "sheets/tables.h"

namespace lunisol {
namespace {

using namespace colours;

std::string U8(std::u16string_view s) { return ToUtf8(s); }

TEST(FortuneRow, ZiAndXuYears) {
  // 子 year: 鼠 is 安太歲 (row 1), 牛 12, 虎 11, 兔 10, 豬 2.
  EXPECT_EQ(fortuneRow(0, 0), 1);
  EXPECT_EQ(fortuneRow(0, 1), 12);
  EXPECT_EQ(fortuneRow(0, 2), 11);
  EXPECT_EQ(fortuneRow(0, 3), 10);
  EXPECT_EQ(fortuneRow(0, 11), 2);
  // 戌 year: 鼠 11 (制天狗), 狗 1, 龍 7 (歲破).
  EXPECT_EQ(fortuneRow(10, 0), 11);
  EXPECT_EQ(fortuneRow(10, 10), 1);
  EXPECT_EQ(fortuneRow(10, 4), 7);
  // Every year hands each row to exactly one animal.
  for (int yb = 0; yb < 12; ++yb) {
    std::set<int> rows;
    for (int a = 0; a < 12; ++a) rows.insert(fortuneRow(yb, a));
    EXPECT_EQ(rows.size(), 12u);
    EXPECT_EQ(*rows.begin(), 1);
    EXPECT_EQ(*rows.rbegin(), 12);
  }
}

TEST(FortuneYearBranch, TakenFromTheLunarTitle) {
  EXPECT_EQ(U8(YearBranchFromLunarTitle(u"農曆 丙戌 年 1 月 1 日 至 2 月 2 日 ，生肖 : 狗 ，庚寅 月 ，月煞 : 北方")),
            "戌");
  EXPECT_EQ(U8(YearBranchFromLunarTitle(u"農曆 甲子 年")), "子");
  EXPECT_EQ(YearBranchNumber(u"子"), 1);
  EXPECT_EQ(YearBranchNumber(u"戌"), 11);
  EXPECT_EQ(YearBranchNumber(u"亥"), 12);
  EXPECT_EQ(YearBranchNumber(u"甲"), 0);
  EXPECT_EQ(YearBranchNumber(u"子 "), 0);
  EXPECT_EQ(YearBranchNumber(u""), 0);
}

TEST(FortuneSheet, ZiYearFirstTab) {
  const ZodiacFortuneSheet s = OpenZodiacFortune(u"子", u"2008");
  EXPECT_EQ(U8(s.caption), " 2008 年 12 生 肖 流 年 運 勢");
  EXPECT_EQ(s.yearBranchNumber, 1);
  EXPECT_EQ(s.selectedTab, 0);
  EXPECT_EQ(U8(s.tabCaptions[0]), " 兔虎牛鼠 ");
  EXPECT_EQ(U8(s.tabCaptions[2]), " 豬狗雞猴");

  const char16_t* animals[4] = {u"鼠", u"牛", u"虎", u"兔"};
  const int rows[4] = {1, 12, 11, 10};
  const Colour animalColours[4] = {kBlack, kSheetOlive, kGreen, kGreen};
  for (size_t g = 0; g < 4; ++g) {
    const ZodiacGroup& group = s.groups[g];
    EXPECT_EQ(U8(group.animal.text), U8(animals[g]));
    EXPECT_EQ(group.row, rows[g]);
    const auto& row = kZodiacFortuneTable[static_cast<size_t>(rows[g] - 1)];
    EXPECT_EQ(group.title.text, row[0]);
    EXPECT_EQ(group.ages.text, row[1]);
    EXPECT_EQ(group.lucky.text, row[2]);
    EXPECT_EQ(group.unlucky.text, row[3]);
    EXPECT_EQ(group.animal.colour, animalColours[g]) << g;
    EXPECT_EQ(group.title.colour, (Colour{128, 128, 0}));
    EXPECT_EQ(group.lucky.colour, kMaroon);
    EXPECT_EQ(group.unlucky.colour, kGreen);
    EXPECT_EQ(group.ages.colour, kBlack);
    EXPECT_TRUE(group.ages.leftAligned);
    EXPECT_FALSE(group.title.leftAligned);
    EXPECT_EQ(group.animal.id, 1207 + 5 * static_cast<int>(g));
    EXPECT_EQ(group.unlucky.id, 1211 + 5 * static_cast<int>(g));
  }
  EXPECT_EQ(U8(s.groups[0].title.text), "歲 太 安");
  EXPECT_EQ(U8(s.groups[0].ages.text), "01, 13, 25, 37, 49, 61, 73, 85, 97");
  EXPECT_EQ(s.groups[0].animal.x, 318);
  EXPECT_EQ(s.groups[3].unlucky.x, 2);
  EXPECT_EQ(s.groups[3].unlucky.y, 41);
}

TEST(FortuneSheet, XuYearOtherTabs) {
  ZodiacFortuneSheet s = OpenZodiacFortune(u"戌", u"2006");
  EXPECT_EQ(s.groups[0].row, 11);
  EXPECT_EQ(U8(s.groups[0].title.text), "狗 天 制");

  FillZodiacTab(s, 1);
  EXPECT_EQ(s.selectedTab, 1);
  EXPECT_EQ(U8(s.groups[0].animal.text), "龍");
  EXPECT_EQ(U8(s.groups[0].title.text), "破 歲 (歲 太 安)");
  EXPECT_EQ(s.groups[0].animal.colour, kSheetOlive);
  EXPECT_EQ(s.groups[1].animal.colour, kMaroon);
  EXPECT_EQ(s.groups[3].animal.colour, kSheetOlive);

  FillZodiacTab(s, 2);
  EXPECT_EQ(U8(s.groups[2].animal.text), "狗");
  EXPECT_EQ(s.groups[2].row, 1);
  EXPECT_EQ(U8(s.groups[2].title.text), "歲 太 安");
  EXPECT_EQ(U8(s.groups[3].animal.text), "豬");
  EXPECT_EQ(s.groups[0].animal.colour, kGrey);
  EXPECT_EQ(s.groups[3].animal.colour, kBlack);
  // The star colours are set once and stay.
  EXPECT_EQ(s.groups[1].lucky.colour, kMaroon);

  FillZodiacTab(s, 3);  // not a tab
  EXPECT_EQ(s.selectedTab, 2);
  EXPECT_EQ(U8(s.groups[2].animal.text), "狗");

  // A branch the sheet does not know leaves the head lines as created.
  const ZodiacFortuneSheet none = OpenZodiacFortune(u"?", u"2006");
  EXPECT_EQ(none.yearBranchNumber, 0);
  EXPECT_EQ(U8(none.groups[1].title.text), "制病符");
  EXPECT_EQ(none.groups[1].row, 0);
}

TEST(MonthlyFortune, RatingsColourTheMonthsAndLoseTheirDigit) {
  MonthlyColumnSet set = MakeMonthlyColumnSet(0);
  EXPECT_EQ(U8(set.columns[2].text), "每月運勢 ：");
  for (size_t k = 0; k < 3; ++k) EXPECT_EQ(set.columns[k].colour, kNavy) << k;
  for (size_t k = 3; k < 15; ++k) {
    EXPECT_EQ(set.columns[k].colour, kBlack) << k;
    EXPECT_TRUE(set.columns[k].text.empty()) << k;
  }

  ShowMonthlyFortune(1, set);
  EXPECT_EQ(U8(set.columns[0].text), "詩曰 ：太歲當頭坐 ，無災也有禍 ；用功勿過勞 ，凡事提防好");
  EXPECT_EQ(U8(set.columns[1].text),
            "今年沖犯太歲 ，宜於正月初九或十五日 ，安奉並參拜 太歲 ，多行善事 ，可逢凶化吉 。");
  EXPECT_EQ(set.columns[0].colour, kNavy);
  EXPECT_EQ(set.columns[1].colour, kNavy);
  EXPECT_EQ(U8(set.columns[2].text), "每月運勢 ：");
  EXPECT_EQ(U8(set.columns[3].text), "一月 ：月干進貴行善道 ，災消禍散福祿高 ；宜防親友無情 ，兄弟失義");
  EXPECT_EQ(set.columns[3].colour, kGreen);
  EXPECT_EQ(U8(set.columns[6].text), "四月 ：善德生香消百災 ，否極泰來人光彩 ：百事漸通 ；戒貪非份之財");
  EXPECT_EQ(set.columns[6].colour, kMaroon);
  EXPECT_EQ(U8(set.columns[14].text), "十二月 ：吉人天相月令平 ，多行善道財福臨 ；莫貪不義 ，注意身體欠安");
  EXPECT_EQ(set.columns[14].colour, kSheetOlive);

  // Every month of every row is shown without its digit, in its rating's colour.
  for (int row = 1; row <= 12; ++row) {
    ShowMonthlyFortune(row, set);
    const auto& texts = kZodiacFortuneTable[static_cast<size_t>(row - 1)];
    for (size_t m = 0; m < 12; ++m) {
      const std::u16string_view stored = texts[6 + m];
      const SheetLabel& slot = set.columns[3 + m];
      EXPECT_EQ(slot.text, stored.substr(0, stored.size() - 1)) << row << "," << m;
      const Colour want = stored.back() == u'0' ? kGreen : stored.back() == u'1' ? kMaroon : kSheetOlive;
      EXPECT_EQ(slot.colour, want) << row << "," << m;
    }
    EXPECT_EQ(set.columns[0].colour, kNavy);
  }
  // Row 2, month 1 is a good month.
  ShowMonthlyFortune(2, set);
  EXPECT_EQ(set.columns[3].colour, kMaroon);
  EXPECT_NE(set.columns[3].text.back(), u'1');
}

TEST(MonthlyFortune, ColumnPlaces) {
  const MonthlyColumnSet g0 = MakeMonthlyColumnSet(0);
  EXPECT_EQ(g0.columns[0].rect, (SheetRect{833, 104, 845, 618}));
  EXPECT_EQ(g0.columns[1].rect, (SheetRect{819, 104, 833, 618}));
  EXPECT_EQ(g0.columns[14].rect, (SheetRect{637, 104, 651, 618}));
  const MonthlyColumnSet g1 = MakeMonthlyColumnSet(1);
  EXPECT_EQ(g1.columns[0].rect, (SheetRect{622, 104, 634, 618}));
  const MonthlyColumnSet g2 = MakeMonthlyColumnSet(2);
  EXPECT_EQ(g2.columns[0].rect, (SheetRect{410, 104, 424, 618}));
  EXPECT_EQ(g2.columns[14].rect, (SheetRect{214, 104, 228, 618}));
  const MonthlyColumnSet g3 = MakeMonthlyColumnSet(3);
  EXPECT_EQ(g3.columns[0].rect, (SheetRect{199, 104, 213, 618}));
  EXPECT_EQ(g3.columns[13].rect, (SheetRect{17, 104, 31, 618}));
  EXPECT_EQ(g3.columns[14].rect, (SheetRect{4, 104, 17, 618}));
}

TEST(FortuneSheet, JanuaryBeforeTheNewYearShowsTheOldBranchUnderTheNewYear) {
  // January 2006 starts in lunar 乙酉: the page's title gives 酉 while the
  // year selector reads 2006.
  YearData data;
  LoadYearData(data, 2006, 1);
  MonthTermState terms;
  const MonthAlmanac month = EvaluateMonth(2006, 1, data, terms);
  const std::u16string branch = YearBranchFromLunarTitle(month.lunarTitle.text);
  EXPECT_EQ(U8(branch), "酉");
  const ZodiacFortuneSheet s = OpenZodiacFortune(branch, u"2006");
  EXPECT_EQ(U8(s.caption), " 2006 年 12 生 肖 流 年 運 勢");
  EXPECT_EQ(s.yearBranchNumber, 10);
  EXPECT_EQ(s.groups[0].row, 10);  // 鼠 in a 酉 year
}

}  // namespace
}  // namespace lunisol
