// Whole charts, one behaviour a test: the fourteen major stars around 紫微
// and 天府, the four transformations of each stem, the direction of the
// rings and the 大限, leap-month births, the two 子 hours, stars the book
// ties together, and the births that give no chart.

#include "natal/chart.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <set>
#include <string>

#include "calendar/convert.h"
#include "calendar/tables.h"
#include "calendar/text.h"

namespace lunisol {
namespace {

int BranchOf(char16_t c) { return static_cast<int>(std::u16string_view(u"子丑寅卯辰巳午未申酉戌亥").find(c)); }

NatalChart Chart(int y, int m, int d, int hour, Sex sex) {
  const std::optional<NatalChart> c = ComputeChart({y, m, d, hour, sex});
  EXPECT_TRUE(c.has_value()) << y << "-" << m << "-" << d;
  return c.value_or(NatalChart{});
}

int At(const NatalChart& c, Star s) { return c.starBranch[Index(s)]; }

// The twelve classical layouts of the major stars, one for each branch 紫微
// can stand on (子 first). Each row gives the branches of 紫微 天機 太陽 武曲
// 天同 廉貞 天府 太陰 貪狼 巨門 天相 天梁 七殺 破軍, and shows the pairs the
// books name: 紫府 同宮 in 寅申, 紫貪 in 卯酉, 紫相 in 辰戌, 紫殺 in 巳亥, 紫破 in
// 丑未.
constexpr std::array<std::u16string_view, 12> kMajorLayouts{
    u"子亥酉申未辰辰巳午未申酉戌寅", u"丑子戌酉申巳卯辰巳午未申酉丑", u"寅丑亥戌酉午寅卯辰巳午未申子",
    u"卯寅子亥戌未丑寅卯辰巳午未亥", u"辰卯丑子亥申子丑寅卯辰巳午戌", u"巳辰寅丑子酉亥子丑寅卯辰巳酉",
    u"午巳卯寅丑戌戌亥子丑寅卯辰申", u"未午辰卯寅亥酉戌亥子丑寅卯未", u"申未巳辰卯子申酉戌亥子丑寅午",
    u"酉申午巳辰丑未申酉戌亥子丑巳", u"戌酉未午巳寅午未申酉戌亥子辰", u"亥戌申未午卯巳午未申酉戌亥卯",
};

TEST(MajorStars, TianFuSeriesMirrorsZiWeiInEveryLayout) {
  std::set<int> seen;
  for (int m = 1; m <= 12; ++m)
    for (int d = 1; d <= 28; d += 3)
      for (int h = 0; h < 12; h += 1) {
        const NatalChart c = Chart(2000, m, d, h, Sex::kMale);
        const int ziWei = At(c, Star::kZiWei);
        seen.insert(ziWei);
        const std::u16string_view layout = kMajorLayouts[static_cast<size_t>(ziWei)];
        for (int s = 0; s < kMajorStarCount; ++s)
          ASSERT_EQ(c.starBranch[static_cast<size_t>(s)], BranchOf(layout[static_cast<size_t>(s)]))
              << ToUtf8(kStarNames[static_cast<size_t>(s)]) << " with 紫微 on branch " << ziWei;
      }
  EXPECT_EQ(seen.size(), 12u);
}

// 十干四化: 祿, 權, 科, 忌 of each stem as the verse lists them.
constexpr std::array<std::u16string_view, 10> kTransformations{
    u"廉貞破軍武曲太陽", u"天機天梁紫微太陰", u"天同天機文昌廉貞", u"太陰天同天機巨門", u"貪狼太陰右弼天機",
    u"武曲貪狼天梁文曲", u"太陽武曲太陰天同", u"巨門太陽文曲文昌", u"天梁紫微左輔武曲", u"破軍巨門太陰貪狼",
};

TEST(FourTransformations, EachStemTransformsItsFourStars) {
  for (int stem = 0; stem < 10; ++stem) {
    const NatalChart c = Chart(1984 + stem, 6, 15, 3, Sex::kFemale);  // 1984 is 甲子
    ASSERT_EQ(c.yearStem, stem);
    std::map<Mutagen, std::u16string> found;
    for (const ChartPalace& p : c.palaces) {
      for (const PlacedStar& s : p.majorStars)
        if (s.mutagen != Mutagen::kNone) found[s.mutagen] += StarName(s.star);
      for (const PlacedStar& s : p.minorStars)
        if (s.mutagen != Mutagen::kNone) found[s.mutagen] += StarName(s.star);
      for (const PlacedStar& s : p.otherStars) EXPECT_EQ(s.mutagen, Mutagen::kNone);
    }
    const std::u16string got = found[Mutagen::kLu] + found[Mutagen::kQuan] + found[Mutagen::kKe] + found[Mutagen::kJi];
    EXPECT_EQ(ToUtf8(got), ToUtf8(kTransformations[static_cast<size_t>(stem)])) << "stem " << stem;
  }
}

// 陽男 and 陰女 go clockwise (to the 父母 palace), 陰男 and 陽女 the other way
// (to 兄弟): the second 大限, 沐浴 after 長生 and 力士 after 博士 all follow.
TEST(Direction, DecadesAndRingsByYearPolarityAndSex) {
  struct Case {
    int year;
    Sex sex;
    bool forward;
  };
  for (const Case& k : {Case{1984, Sex::kMale, true}, Case{1985, Sex::kMale, false}, Case{1984, Sex::kFemale, false},
                        Case{1985, Sex::kFemale, true}}) {
    const NatalChart c = Chart(k.year, 7, 10, 5, k.sex);
    EXPECT_EQ(c.forward, k.forward) << k.year;
    const ChartPalace& soul = c.palaces[0];
    const ChartPalace& next = c.palaces[k.forward ? 11 : 1];
    EXPECT_EQ(soul.decadalFrom, c.bureau);
    EXPECT_EQ(soul.decadalTo, c.bureau + 9);
    EXPECT_EQ(next.decadalFrom, c.bureau + 10) << k.year;
    EXPECT_EQ(c.palaces[k.forward ? 1 : 11].decadalFrom, c.bureau + 110) << k.year;
    const int step = k.forward ? 1 : -1;
    for (const ChartPalace& p : c.palaces) {
      const ChartPalace& after =
          c.palaces[static_cast<size_t>(c.palaceAtBranch[static_cast<size_t>((p.branch + step + 12) % 12)])];
      EXPECT_EQ(after.changsheng, (p.changsheng + 1) % 12);
      EXPECT_EQ(after.boshi, (p.boshi + 1) % 12);
    }
    EXPECT_EQ(c.palaces[static_cast<size_t>(c.palaceAtBranch[static_cast<size_t>(At(c, Star::kLuCun))])].boshi, 0);
  }
}

SolarDate Gregorian(int lunarYear, int lunarMonth, int lunarDay) {
  CalendarDate d;
  EXPECT_GT(LunarToSolar(LunarDateFromSigned(lunarYear, lunarMonth, lunarDay), d), 0);
  return {d.solar.year, d.solar.month, d.solar.day};
}

// A leap month's first fifteen days read as the month it repeats, the rest
// (to the 29th or 30th) as the month after: 命宮 and 左輔 move with it.
TEST(LeapMonth, FirstHalfIsTheMonthBeforeSecondHalfTheMonthAfter) {
  struct Case {
    int year, month, day, chartMonth;
  };
  // 2023 has a 29-day leap second month, 2017 a 30-day leap sixth month, 2033
  // a leap eleventh month.
  for (const Case& k : {Case{2023, -2, 1, 2}, Case{2023, -2, 15, 2}, Case{2023, -2, 16, 3}, Case{2023, -2, 29, 3},
                        Case{2017, -6, 30, 7}, Case{2033, -11, 16, 12}}) {
    const SolarDate g = Gregorian(k.year, k.month, k.day);
    const NatalChart c = Chart(g.year, g.month, g.day, 4, Sex::kMale);
    EXPECT_EQ(c.lunarMonth, k.month);
    EXPECT_EQ(c.lunarDay, k.day);
    EXPECT_EQ(c.chartMonth, k.chartMonth) << k.year << " leap " << -k.month << " day " << k.day;
    EXPECT_EQ(c.soulBranch, (2 + k.chartMonth - 1 - 4 + 12) % 12);
    EXPECT_EQ(At(c, Star::kZuoFu), (4 + k.chartMonth - 1) % 12);
  }
}

// The early 子 hour (0–1 h) is the first hour of the date entered: it never
// moves the birth to the next day, month or year.
TEST(RatHour, EarlyRatHourBelongsToTheDateEntered) {
  const NatalChart a = Chart(2000, 8, 16, 0, Sex::kMale);
  EXPECT_EQ(a.lunarDay, 17);
  EXPECT_EQ(a.soulBranch, BranchOf(u'申'));  // the seventh month's palace, counted back no hours
  EXPECT_EQ(a.bodyBranch, BranchOf(u'申'));
  EXPECT_TRUE(a.palaces[0].isBodyPalace);

  const NatalChart newYear = Chart(2024, 2, 10, 0, Sex::kMale);  // 甲辰 正月初一
  EXPECT_EQ(newYear.lunarYear, 2024);
  EXPECT_EQ(newYear.yearStem, 0);
  EXPECT_EQ(newYear.yearBranch, 4);
  const NatalChart eve = Chart(2024, 2, 9, 0, Sex::kMale);  // 癸卯 臘月三十
  EXPECT_EQ(eve.lunarYear, 2023);
  EXPECT_EQ(eve.lunarMonth, 12);
  EXPECT_EQ(eve.lunarDay, 30);
  EXPECT_EQ(eve.yearStem, 9);
}

void ExpectSameChart(const NatalChart& a, const NatalChart& b) {
  EXPECT_EQ(a.chartDate, b.chartDate);
  EXPECT_EQ(a.chartHour, b.chartHour);
  EXPECT_EQ(a.lunarYear * 10000 + a.lunarMonth * 100 + a.lunarDay,
            b.lunarYear * 10000 + b.lunarMonth * 100 + b.lunarDay);
  EXPECT_EQ(a.yearStem * 12 + a.yearBranch, b.yearStem * 12 + b.yearBranch);
  EXPECT_EQ(a.soulBranch * 12 + a.bodyBranch, b.soulBranch * 12 + b.bodyBranch);
  EXPECT_EQ(a.bureau, b.bureau);
  EXPECT_EQ(a.starBranch, b.starBranch);
  for (size_t i = 0; i < 12; ++i) {
    EXPECT_EQ(a.palaces[i].branch, b.palaces[i].branch);
    EXPECT_EQ(a.palaces[i].stem, b.palaces[i].stem);
    EXPECT_EQ(a.palaces[i].decadalFrom, b.palaces[i].decadalFrom);
    EXPECT_EQ(a.palaces[i].minorLimitAge, b.palaces[i].minorLimitAge);
  }
}

// The late 子 hour (23–24 h, the hour list's thirteenth entry) is the 子 hour
// of the next day: on a month's last day it charts the next month's first,
// on 除夕 the new year's first day, with the new year's stem and branch.
TEST(RatHour, LateRatHourIsTheNextDaysRatHour) {
  struct Case {
    int y, m, d;
    SolarDate next;
  };
  for (const Case& k : {Case{2000, 8, 16, {2000, 8, 17}}, Case{2000, 8, 31, {2000, 9, 1}},
                        Case{2023, 12, 31, {2024, 1, 1}}, Case{2024, 2, 9, {2024, 2, 10}}}) {
    SCOPED_TRACE(k.y * 10000 + k.m * 100 + k.d);
    const NatalChart late = Chart(k.y, k.m, k.d, 12, Sex::kFemale);
    EXPECT_EQ(late.birth.hour, 12);
    EXPECT_EQ(late.birth.day, k.d);
    EXPECT_EQ(late.chartDate, k.next);
    ExpectSameChart(late, Chart(k.next.year, k.next.month, k.next.day, 0, Sex::kFemale));
  }
  // 除夕 of 癸卯 at 23:30 is a birth of 甲辰, on 正月初一.
  const NatalChart eve = Chart(2024, 2, 9, 12, Sex::kMale);
  EXPECT_EQ(eve.lunarYear, 2024);
  EXPECT_EQ(eve.lunarMonth * 100 + eve.lunarDay, 101);
  EXPECT_EQ(eve.yearStem, 0);
  // The late 子 hour of the calendar's last day would chart a day past it.
  EXPECT_FALSE(ComputeChart({2100, 12, 31, 12, Sex::kMale}).has_value());
}

std::string Pillars(const NatalChart& c) {
  std::u16string s;
  for (const ChartPillar& p : c.pillars) {
    s += kStemNames[static_cast<size_t>(p.stem)];
    s += kBranchNames[static_cast<size_t>(p.branch)];
  }
  return ToUtf8(s);
}

// The four pillars as the chart reckons them. 2000-08-16 is 丙午, the 17th
// of the seventh month of 庚辰: 庚 years start 正月 at 戊寅, so the seventh is
// 甲申; 丙 days start the 子 hour at 戊子, so 寅 is 庚寅. The late 子 hour is
// the next day's (丁未, 丁 days start at 庚子). 2023-04-10 (戊戌, 癸卯 閏二月二十)
// reads as month 3: 癸 years start at 甲寅, so 丙辰; 戊 days start at 壬子,
// so 亥 is 癸亥.
TEST(Pillars, YearMonthDayAndHourAsTheChartReckonsThem) {
  EXPECT_EQ(Pillars(Chart(2000, 8, 16, 2, Sex::kFemale)), "庚辰甲申丙午庚寅");
  EXPECT_EQ(Pillars(Chart(2000, 8, 16, 12, Sex::kFemale)), "庚辰甲申丁未庚子");
  EXPECT_EQ(Pillars(Chart(2023, 4, 10, 11, Sex::kFemale)), "癸卯丙辰戊戌癸亥");
}

// Pairs the rules tie together, so that a slip in one table row shows: 擎羊
// and 陀羅 flank 祿存, 天喜 faces 紅鸞, and 左輔/右弼, 文昌/文曲, 地空/地劫,
// 龍池/鳳閣, 天哭/天虛 mirror each other.
TEST(TiedStars, FlankFaceAndMirrorEachOther) {
  for (int y = 1984; y < 1996; ++y)
    for (int m = 1; m <= 12; m += 1) {
      const NatalChart c = Chart(y, m, 20, (y + m) % 12, Sex::kMale);
      auto sum = [&](Star a, Star b) { return (At(c, a) + At(c, b)) % 12; };
      EXPECT_EQ(At(c, Star::kQingYang), (At(c, Star::kLuCun) + 1) % 12);
      EXPECT_EQ(At(c, Star::kTuoLuo), (At(c, Star::kLuCun) + 11) % 12);
      EXPECT_EQ(At(c, Star::kTianXi), (At(c, Star::kHongLuan) + 6) % 12);
      EXPECT_EQ(sum(Star::kZuoFu, Star::kYouBi), 2);
      EXPECT_EQ(sum(Star::kWenChang, Star::kWenQu), 2);
      EXPECT_EQ(sum(Star::kDiKong, Star::kDiJie), 10);
      EXPECT_EQ(sum(Star::kLongChi, Star::kFengGe), 2);
      EXPECT_EQ(sum(Star::kTianKu, Star::kTianXu), 0);
    }
}

// Every day of the range, at an hour and sex that vary with it, gives a
// whole chart: each star in exactly one palace, one body palace, a month the
// rules can read.
TEST(Inputs, EveryDayOfTheRangeGivesAWholeChart) {
  int n = 0;
  for (int y = 1900; y <= 2100; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= DaysInSolarMonth(y, m); ++d, ++n) {
        const std::optional<NatalChart> c = ComputeChart({y, m, d, n % 13, n % 2 ? Sex::kFemale : Sex::kMale});
        if (y == 2100 && m == 12 && d == 31 && n % 13 == 12) continue;  // its late 子 hour is past the range
        ASSERT_TRUE(c.has_value()) << y << "-" << m << "-" << d;
        ASSERT_GE(c->chartMonth, 1);
        ASSERT_LE(c->chartMonth, 12);
        size_t stars = 0;
        int bodies = 0;
        for (const ChartPalace& p : c->palaces) {
          stars += p.majorStars.size() + p.minorStars.size() + p.otherStars.size();
          bodies += p.isBodyPalace;
        }
        ASSERT_EQ(stars, static_cast<size_t>(kStarCount)) << y << "-" << m << "-" << d;
        ASSERT_EQ(bodies, 1);
      }
}

TEST(Inputs, OutsideTheCalendarGiveNoChart) {
  EXPECT_TRUE(ComputeChart({1900, 1, 1, 0, Sex::kMale}).has_value());
  EXPECT_TRUE(ComputeChart({2100, 12, 31, 11, Sex::kFemale}).has_value());
  EXPECT_FALSE(ComputeChart({1899, 12, 31, 0, Sex::kMale}).has_value());
  EXPECT_FALSE(ComputeChart({1899, 12, 31, 12, Sex::kMale}).has_value());  // its next day is in range, it is not
  EXPECT_FALSE(ComputeChart({2101, 1, 1, 0, Sex::kMale}).has_value());
  EXPECT_FALSE(ComputeChart({2023, 2, 29, 0, Sex::kMale}).has_value());
  EXPECT_FALSE(ComputeChart({2023, 2, 29, 12, Sex::kMale}).has_value());
  EXPECT_FALSE(ComputeChart({2023, 13, 1, 0, Sex::kMale}).has_value());
  EXPECT_FALSE(ComputeChart({2023, 5, 1, 13, Sex::kMale}).has_value());
  EXPECT_FALSE(ComputeChart({2023, 5, 1, -1, Sex::kMale}).has_value());
  EXPECT_FALSE(ComputeChart({2023, 5, 1, 0, static_cast<Sex>(2)}).has_value());
}

}  // namespace
}  // namespace lunisol
