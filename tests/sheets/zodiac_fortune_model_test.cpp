// The zodiac fortune sheet: which fortune row each animal gets, the year
// whose branch it reads for a date, the head lines of a tab and the monthly
// columns coloured by their ratings.

#include "sheets/zodiac_fortune_model.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

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

TEST(FortuneYearBranch, TheLunarYearOfTheSelectedDay) {
  EXPECT_EQ(FortuneYearBranch(2006, 6, 1), 11);  // 丙戌
  EXPECT_EQ(FortuneYearBranch(1984, 6, 1), 1);   // 甲子
  EXPECT_EQ(FortuneYearBranch(2007, 6, 1), 12);  // 丁亥
  // 18 February 2007 opens 丁亥, though February began in 丙戌.
  EXPECT_EQ(FortuneYearBranch(2007, 2, 20), 12);
  EXPECT_EQ(FortuneYearBranch(1800, 6, 1), 0);
}

TEST(FortuneSheet, ZiYearFirstTab) {
  const ZodiacFortuneSheet s = OpenZodiacFortune(2008, 6, 1);  // 戊子
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
    // The head lines first, then the monthly columns.
    EXPECT_EQ(group.Cells()[4], &group.unlucky);
    EXPECT_EQ(group.Cells()[5], &group.monthly.columns[0]);
  }
  EXPECT_EQ(U8(s.groups[0].title.text), "歲 太 安");
  EXPECT_EQ(U8(s.groups[0].ages.text), "01, 13, 25, 37, 49, 61, 73, 85, 97");
}

TEST(FortuneSheet, XuYearOtherTabs) {
  ZodiacFortuneSheet s = OpenZodiacFortune(2006, 6, 1);  // 丙戌
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

  // A date the calendar does not know leaves the head lines as created.
  const ZodiacFortuneSheet none = OpenZodiacFortune(1800, 6, 1);
  EXPECT_EQ(none.yearBranchNumber, 0);
  EXPECT_EQ(U8(none.groups[1].title.text), "制病符");
  EXPECT_EQ(none.groups[1].row, 0);
}

TEST(MonthlyFortune, RatingsColourTheMonthsAndLoseTheirDigit) {
  MonthlyColumnSet set = MakeMonthlyColumnSet();
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

TEST(FortuneSheet, TheYearIsTheLunarYearOfTheSelectedDay) {
  // 2006-01-15 is still lunar 乙酉: 酉 rows under that year's number.
  const ZodiacFortuneSheet before = OpenZodiacFortune(2006, 1, 15);
  EXPECT_EQ(U8(before.caption), " 2005 年 12 生 肖 流 年 運 勢");
  EXPECT_EQ(before.yearBranchNumber, 10);
  EXPECT_EQ(before.groups[0].row, 10);  // 鼠 in a 酉 year
  // 2007-02-20 is two days into 丁亥, though February began in 丙戌.
  const ZodiacFortuneSheet after = OpenZodiacFortune(2007, 2, 20);
  EXPECT_EQ(U8(after.caption), " 2007 年 12 生 肖 流 年 運 勢");
  EXPECT_EQ(after.yearBranchNumber, 12);
  EXPECT_EQ(OpenZodiacFortune(2007, 2, 17).yearBranchNumber, 11);  // 除夕, still 戌
}

}  // namespace
}  // namespace lunisol
