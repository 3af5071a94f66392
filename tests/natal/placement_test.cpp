// The two look-up tables every chart starts from, transcribed from the
// classical tables rather than derived from the counting rules the code uses:
// 紫微 by 五行局 and lunar day, and the 五行局 by year stem and 命宮 branch.

#include "natal/placement.h"

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace lunisol {
namespace {

int BranchOf(char16_t c) { return static_cast<int>(std::u16string_view(u"子丑寅卯辰巳午未申酉戌亥").find(c)); }

// 起紫微星表: the branch of 紫微 for lunar days 1 to 30, left to right, one row
// per 五行局.
constexpr std::array<std::u16string_view, 5> kZiWeiTable{
    u"丑寅寅卯卯辰辰巳巳午午未未申申酉酉戌戌亥亥子子丑丑寅寅卯卯辰",  // 水二局
    u"辰丑寅巳寅卯午卯辰未辰巳申巳午酉午未戌未申亥申酉子酉戌丑戌亥",  // 木三局
    u"亥辰丑寅子巳寅卯丑午卯辰寅未辰巳卯申巳午辰酉午未巳戌未申午亥",  // 金四局
    u"午亥辰丑寅未子巳寅卯申丑午卯辰酉寅未辰巳戌卯申巳午亥辰酉午未",  // 土五局
    u"酉午亥辰丑寅戌未子巳寅卯亥申丑午卯辰子酉寅未辰巳丑戌卯申巳午",  // 火六局
};

TEST(ZiWei, EveryBureauAndLunarDayAsTheClassicalTable) {
  for (int bureau = 2; bureau <= 6; ++bureau) {
    const std::u16string_view row = kZiWeiTable[static_cast<size_t>(bureau - 2)];
    ASSERT_EQ(row.size(), 30u);
    for (int day = 1; day <= 30; ++day)
      EXPECT_EQ(ZiWeiBranch(bureau, day), BranchOf(row[static_cast<size_t>(day - 1)]))
          << "局 " << bureau << ", day " << day;
  }
}

// 定五行局表: rows by year stem (甲己, 乙庚, 丙辛, 丁壬, 戊癸), columns by the
// 命宮's branch (子丑, 寅卯, 辰巳, 午未, 申酉, 戌亥).
constexpr int kBureauTable[5][6] = {
    {2, 6, 3, 5, 4, 6}, {6, 5, 4, 3, 2, 5}, {5, 3, 2, 4, 6, 3}, {3, 4, 6, 2, 5, 4}, {4, 2, 5, 6, 3, 2},
};

TEST(Bureau, PalaceStemAndNayinGiveTheClassicalTable) {
  for (int stem = 0; stem < 10; ++stem)
    for (int branch = 0; branch < 12; ++branch)
      EXPECT_EQ(BureauOf(PalaceStem(stem, branch), branch), kBureauTable[stem % 5][branch / 2])
          << "stem " << stem << ", branch " << branch;
}

TEST(ChartMonth, LeapMonthSplitsAfterItsFifteenthDay) {
  EXPECT_EQ(ChartMonth(4, 30), 4);
  EXPECT_EQ(ChartMonth(-2, 1), 2);
  EXPECT_EQ(ChartMonth(-2, 15), 2);
  EXPECT_EQ(ChartMonth(-2, 16), 3);
  EXPECT_EQ(ChartMonth(-6, 30), 7);
  EXPECT_EQ(ChartMonth(-12, 16), 1);
}

}  // namespace
}  // namespace lunisol
