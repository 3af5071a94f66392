// The calendar's vocabulary: the one day number, the sixty pillars and their
// Na Yin, the leap flag of a lunar date, and the one table of names.
#include "calendar/vocabulary.h"

#include <gtest/gtest.h>

#include <string>

#include "calendar/convert.h"
#include "calendar/names.h"
#include "calendar/tables.h"

namespace lunisol {
namespace {

TEST(CivilDayNumber, CountsEveryDayOfTheRangeOnceAndRoundTrips) {
  EXPECT_EQ(CivilDayNumber(1970, 1, 1), 0);
  EXPECT_EQ(CivilDayNumber(1969, 12, 31), -1);
  EXPECT_EQ(CivilDayNumber(2000, 1, 1), 10957);
  // 1900 and 2100 have no 29 February, 2000 has.
  EXPECT_EQ(CivilDayNumber(1900, 3, 1) - CivilDayNumber(1900, 2, 28), 1);
  EXPECT_EQ(CivilDayNumber(2000, 3, 1) - CivilDayNumber(2000, 2, 28), 2);
  EXPECT_EQ(CivilDayNumber(2100, 3, 1) - CivilDayNumber(2100, 2, 28), 1);
  int expected = CivilDayNumber(1899, 1, 1);
  for (int y = 1899; y <= 2101; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= DaysInSolarMonth(y, m); ++d) {
        ASSERT_EQ(CivilDayNumber(y, m, d), expected) << y << "-" << m << "-" << d;
        ASSERT_EQ(CivilDate(expected), (GregorianDate{y, m, d})) << expected;
        ++expected;
      }
  EXPECT_EQ(expected - CivilDayNumber(1899, 1, 1), 203 * 365 + 49);
}

TEST(Pillar, SixtyPillarsOfStemAndBranch) {
  for (int i = 0; i < 60; ++i) {
    const Pillar p(i);
    EXPECT_EQ(p.stem(), StemAt(i));
    EXPECT_EQ(p.branch(), BranchAt(i));
    EXPECT_TRUE(Pairs(p.stem(), p.branch()));
    EXPECT_EQ(Pillar(p.stem(), p.branch()), p);
    EXPECT_EQ(p + 1, Pillar(i + 1));
    // Both pillars of a pair share their Na Yin.
    EXPECT_EQ(NayinElement(p), NayinElement(Pillar(i ^ 1)));
    EXPECT_EQ(Name(NayinElement(p)), kNayinNames[static_cast<size_t>(i / 2)].substr(2)) << i;
  }
  EXPECT_EQ(Pillar(-1), Pillar(59));
  EXPECT_FALSE(Pairs(Stem::kJia, Branch::kChou));
  EXPECT_EQ(Name(Pillar(Stem::kJi, Branch::kChou)), u"己丑");
  EXPECT_EQ(NayinName(Pillar(Stem::kJi, Branch::kChou)), u"霹靂火");
  EXPECT_EQ(NayinElement(Pillar(Stem::kRen, Branch::kXu)), Element::kWater);
  EXPECT_EQ(NayinElement(Pillar(Stem::kWu, Branch::kChen)), Element::kWood);
  // Lunar years: 1864 and 1924 open a cycle; 2009 is 己丑, 1900 庚子.
  EXPECT_EQ(YearPillar(1864), Pillar());
  EXPECT_EQ(YearPillar(1924), Pillar());
  EXPECT_EQ(Name(YearPillar(2009)), u"己丑");
  EXPECT_EQ(Name(YearPillar(1900)), u"庚子");
}

TEST(StemsAndBranches, CountRoundTheirCyclesWithTheirElements) {
  EXPECT_EQ(StemAt(-1), Stem::kGui);
  EXPECT_EQ(BranchAt(12), Branch::kZi);
  EXPECT_EQ(Branch::kHai + 1, Branch::kZi);
  EXPECT_EQ(Opposite(Branch::kZi), Branch::kWu);
  EXPECT_EQ(Opposite(Branch::kHai), Branch::kSi);
  EXPECT_EQ(SolarTerm::kWinterSolstice + 1, SolarTerm::kMinorCold);
  EXPECT_TRUE(IsYang(Stem::kRen));
  EXPECT_FALSE(IsYang(Stem::kGui));
  // 甲乙寅卯 木, 丙丁巳午 火, 戊己辰戌丑未 土, 庚辛申酉 金, 壬癸亥子 水.
  const std::u16string stems = u"木木火火土土金金水水", branches = u"水土木木土火火土金金土水";
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Name(ElementOf(StemAt(i)))[0], stems[static_cast<size_t>(i)]) << i;
  for (int i = 0; i < 12; ++i) EXPECT_EQ(Name(ElementOf(BranchAt(i)))[0], branches[static_cast<size_t>(i)]) << i;
  EXPECT_EQ(GregorianMonthOf(SolarTerm::kStartOfSpring), 2);
  EXPECT_TRUE(IsSectionTerm(SolarTerm::kStartOfSpring));
  EXPECT_FALSE(IsSectionTerm(SolarTerm::kWinterSolstice));
}

TEST(LunarDate, LeapMonthsKeepTheirNumberAndFlag) {
  for (int m = -12; m <= 12; ++m) {
    const LunarDate d = LunarDateFromSigned(2033, m, 1);
    EXPECT_EQ(SignedMonth(d), m);
    EXPECT_EQ(d.leap, m < 0);
  }
  // 22 December 2033 opens 閏十一月; the month after it is 十二月.
  CalendarDate leap, next;
  ASSERT_GT(SolarToLunar(2033, 12, 22, leap), 0);
  ASSERT_GT(SolarToLunar(2034, 1, 20, next), 0);
  EXPECT_EQ(leap.lunar, (LunarDate{2033, 11, true, 1}));
  EXPECT_EQ(next.lunar, (LunarDate{2033, 12, false, 1}));
  EXPECT_FALSE(leap.lunar == (LunarDate{2033, 11, false, 1}));
  // Only the year's own leap month converts back.
  CalendarDate out;
  EXPECT_EQ(LunarToSolar({2033, 10, true, 1}, out), kBadMonth);
  EXPECT_EQ(LunarToSolar({2009, 5, true, 30}, out), kBadDay);  // 閏五月 2009 has 29 days
  EXPECT_GT(LunarToSolar({2009, 5, true, 29}, out), 0);
}

TEST(Names, OneTableForEveryFact) {
  for (int i = 0; i < 60; ++i)
    EXPECT_EQ(Name(Pillar(i)), std::u16string(Name(StemAt(i))) + std::u16string(Name(BranchAt(i))));
  for (int t = 0; t < 24; ++t) EXPECT_EQ(SolarTermIndex(Name(TermAt(t))), t);
  EXPECT_EQ(SolarTermIndex(u"中秋"), -1);
  EXPECT_EQ(Animal(Branch::kChen), u"龍");
  EXPECT_EQ(Name(Mansion::kNeck), u"亢");
  EXPECT_EQ(FullName(Mansion::kWall), u"壁水俞");
}

}  // namespace
}  // namespace lunisol
