// The chart read in time, worked by hand from the rules: the 大限 (or 童限),
// 小限, 流年, 流月 and 流日 of births of each year polarity and sex, in
// childhood, on both sides of a lunar new year and in a leap month; the
// flowing year's stars and spirits; the palace stems' transformations (飛星)
// for all ten stems; the rings and 來因宮 of the natal chart.

#include "natal/horoscope.h"

#include <gtest/gtest.h>

#include <string>

#include "calendar/tables.h"
#include "calendar/text.h"

namespace lunisol {
namespace {

int BranchOf(char16_t c) { return static_cast<int>(std::u16string_view(u"子丑寅卯辰巳午未申酉戌亥").find(c)); }

NatalChart Chart(const Birth& birth) {
  const std::optional<NatalChart> c = ComputeChart(birth);
  EXPECT_TRUE(c.has_value());
  return c.value_or(NatalChart{});
}

// A span as "palace branch, stem and branch, 祿權科忌 stars", e.g.
// "辰庚辰太陽武曲太陰天同".
std::string Describe(const TimeSpan& s, bool withMutagens = true) {
  std::u16string t{kBranchNames[static_cast<size_t>(s.palaceBranch)]};
  t += kStemNames[static_cast<size_t>(s.stem)];
  t += kBranchNames[static_cast<size_t>(s.branch)];
  if (withMutagens)
    for (Star star : s.mutagens) t += StarName(star);
  return ToUtf8(t);
}

struct Reading {
  const char* what;
  Birth birth;
  SolarDate at;
  int nominalAge;
  bool childhood;
  int decadalFrom, decadalTo;
  const char* decadal;
  const char* age;  // palace branch and its stem and branch
  const char* yearly;
  const char* monthly;
  const char* daily;
};

// How each row was worked (the calendar gives the lunar date and the day's
// stem and branch):
// 陽男 1984-02-02 子 (甲子 正月初一): 火六局, 命宮 寅, forward; palace stems
//   寅丙 卯丁 辰戊 巳己 午庚 未辛 申壬 酉癸 戌甲 亥乙 子丙 丑丁. 小限 of a 子 year
//   from 戌, forward for a man. 斗君: the year's branch back 0 months, forward
//   0 hours, so 正月 stands on the year's branch.
//   1986-06-01, 丙寅 四月廿四, 丙子 day: 虛歲 3 < 6, 童限 of 3 is 疾厄 (酉 癸酉);
//   小限 戌+2 子; 流年 寅; 流月 4 寅+3 巳, 丙 year's 正月 庚寅 so 四月 癸巳;
//   流日 巳+23 辰.
//   2025-01-28, 甲辰 臘月廿九, 丁酉 day: 虛歲 41, (41−6)/10 = 3rd 大限 from 命宮
//   forward: 田宅 巳 己巳 36–45; 小限 戌+40 寅; 流年 辰; 流月 12 辰+11 卯, 甲 year's
//   臘月 丁丑; 流日 卯+28 未.
//   2025-01-29, 乙巳 正月初一, 戊戌 day: 虛歲 42, the same 大限; 小限 卯; 流年 巳;
//   流月 1 巳, 乙 year's 正月 戊寅; 流日 巳.
// 陽女 2000-08-16 寅 (庚辰 七月十七): 木三局, 命宮 午, backward; stems 寅戊 卯己
//   辰庚 巳辛 午壬 未癸 申甲 酉乙 戌丙 亥丁 子戊 丑己. 小限 of a 辰 year from 戌,
//   backward for a woman. 斗君 戌 back 6 months 辰, forward 2 hours 午.
//   2030-05-01, 庚戌 三月廿九, 丙申 day: 虛歲 31, 3rd 大限 backward: 夫妻 辰 庚辰
//   23–32; 小限 戌−30 辰; 流年 戌; 流月 3 午+2 申, 庚 year's 三月 庚辰; 流日 申+28 子.
// 陰女 2023-04-10 亥 (癸卯 閏二月二十, month 3): 土五局, 命宮 巳, forward;
//   stems 寅甲 卯乙 辰丙 巳丁 午戊 未己 申庚 酉辛 戌壬 亥癸 子甲 丑乙. 小限 of a 卯
//   year from 丑, backward for a woman. In 乙巳 斗君 is 巳 back 2 months 卯,
//   forward 11 hours 寅.
//   2025-08-08, 乙巳 閏六月十五, 己酉 day: 虛歲 3 < 5, 童限 of 3 疾厄 (子 甲子);
//   小限 丑−2 亥; 流年 巳; the leap month's first half is month 6: 寅+5 未, 乙
//   year's 六月 癸未; 流日 未+14 酉.
//   2025-08-09, 閏六月十六, 庚戌 day: its second half is month 7: 申, 甲申; 流日
//   申+15 亥.
// 陰男, the same birth as a man: backward. 小限 from 丑 forward.
//   2050-03-01, 庚午 二月初九, 庚辰 day: 虛歲 28, 3rd 大限 backward: 夫妻 卯 乙卯
//   25–34; 小限 丑+27 辰; 流年 午; 斗君 午 back 2 months 辰, forward 11 hours
//   卯; 流月 2 辰, 庚 year's 二月 己卯; 流日 辰+8 子.
const Reading kReadings[] = {
    {"陽男 in childhood",
     {1984, 2, 2, 0, Sex::kMale},
     {1986, 6, 1},
     3,
     true,
     0,
     0,
     "酉癸酉破軍巨門太陰貪狼",
     "子丙子",
     "寅丙寅天同天機文昌廉貞",
     "巳癸巳破軍巨門太陰貪狼",
     "辰丙子天同天機文昌廉貞"},
    {"陽男 on 除夕",
     {1984, 2, 2, 0, Sex::kMale},
     {2025, 1, 28},
     41,
     false,
     36,
     45,
     "巳己巳武曲貪狼天梁文曲",
     "寅丙寅",
     "辰甲辰廉貞破軍武曲太陽",
     "卯丁丑太陰天同天機巨門",
     "未丁酉太陰天同天機巨門"},
    {"陽男 on 正月初一",
     {1984, 2, 2, 0, Sex::kMale},
     {2025, 1, 29},
     42,
     false,
     36,
     45,
     "巳己巳武曲貪狼天梁文曲",
     "卯丁卯",
     "巳乙巳天機天梁紫微太陰",
     "巳戊寅貪狼太陰右弼天機",
     "巳戊戌貪狼太陰右弼天機"},
    {"陽女",
     {2000, 8, 16, 2, Sex::kFemale},
     {2030, 5, 1},
     31,
     false,
     23,
     32,
     "辰庚辰太陽武曲太陰天同",
     "辰庚辰",
     "戌庚戌太陽武曲太陰天同",
     "申庚辰太陽武曲太陰天同",
     "子丙申天同天機文昌廉貞"},
    {"陰女 in a leap month's first half",
     {2023, 4, 10, 11, Sex::kFemale},
     {2025, 8, 8},
     3,
     true,
     0,
     0,
     "子甲子廉貞破軍武曲太陽",
     "亥癸亥",
     "巳乙巳天機天梁紫微太陰",
     "未癸未破軍巨門太陰貪狼",
     "酉己酉武曲貪狼天梁文曲"},
    {"陰女 in a leap month's second half",
     {2023, 4, 10, 11, Sex::kFemale},
     {2025, 8, 9},
     3,
     true,
     0,
     0,
     "子甲子廉貞破軍武曲太陽",
     "亥癸亥",
     "巳乙巳天機天梁紫微太陰",
     "申甲申廉貞破軍武曲太陽",
     "亥庚戌太陽武曲太陰天同"},
    {"陰男",
     {2023, 4, 10, 11, Sex::kMale},
     {2050, 3, 1},
     28,
     false,
     25,
     34,
     "卯乙卯天機天梁紫微太陰",
     "辰丙辰",
     "午庚午太陽武曲太陰天同",
     "辰己卯武曲貪狼天梁文曲",
     "子庚辰太陽武曲太陰天同"},
};

TEST(Horoscope, SpansOfEachPolarityAndSexAsWorkedByHand) {
  for (const Reading& r : kReadings) {
    SCOPED_TRACE(r.what);
    const std::optional<Horoscope> h = ComputeHoroscope(Chart(r.birth), r.at);
    ASSERT_TRUE(h.has_value());
    EXPECT_EQ(h->nominalAge, r.nominalAge);
    EXPECT_EQ(h->childhood, r.childhood);
    EXPECT_EQ(h->decadalFrom, r.decadalFrom);
    EXPECT_EQ(h->decadalTo, r.decadalTo);
    EXPECT_EQ(Describe(h->decadal), r.decadal);
    EXPECT_EQ(Describe(h->age, false), r.age);
    EXPECT_EQ(Describe(h->yearly), r.yearly);
    EXPECT_EQ(Describe(h->monthly), r.monthly);
    EXPECT_EQ(Describe(h->daily), r.daily);
  }
}

// Each span names the palaces from its own 命宮, counter-clockwise, and marks
// the stars its stem transforms.
TEST(Horoscope, SpanPalaceNamesAndMarksFollowItsPalaceAndStem) {
  const std::optional<Horoscope> h = ComputeHoroscope(Chart({2000, 8, 16, 2, Sex::kFemale}), {2030, 5, 1});
  ASSERT_TRUE(h.has_value());
  // 大限 on 辰: 辰 is its 命宮, 卯 its 兄弟, 巳 its 父母.
  EXPECT_EQ(SpanPalaceRole(h->decadal, BranchOf(u'辰')), 0);
  EXPECT_EQ(SpanPalaceRole(h->decadal, BranchOf(u'卯')), 1);
  EXPECT_EQ(SpanPalaceRole(h->decadal, BranchOf(u'巳')), 11);
  EXPECT_EQ(SpanPalaceRole(h->yearly, BranchOf(u'午')), 4);  // 戌 back four: the 流年's 財帛
  EXPECT_EQ(SpanMutagen(h->yearly, Star::kTaiYang), Mutagen::kLu);
  EXPECT_EQ(SpanMutagen(h->daily, Star::kLianZhen), Mutagen::kJi);
  EXPECT_EQ(SpanMutagen(h->daily, Star::kZiWei), Mutagen::kNone);
}

// The stars and spirits of 庚戌 (2030): 流魁 丑 流鉞 未 (庚), 流昌 亥 流曲 卯, 流祿
// 申 with 流羊 酉 and 流陀 未; by 戌: 流馬 申 (寅午戌), 流鸞 巳 (卯 back ten), 流喜
// 亥 opposite, 年解 子 (戌 back ten). 將星 of 寅午戌 on 午, 歲建 on 戌.
TEST(Horoscope, FlowingYearStarsAndSpirits) {
  const std::optional<Horoscope> h = ComputeHoroscope(Chart({2000, 8, 16, 2, Sex::kFemale}), {2030, 5, 1});
  ASSERT_TRUE(h.has_value());
  std::u16string at;
  for (int8_t b : h->flowingStarBranch) at += kBranchNames[static_cast<size_t>(b)];
  EXPECT_EQ(ToUtf8(at), "丑未亥卯申酉未申巳亥子");                    // 流魁 … 年解 in FlowingStar order
  EXPECT_EQ(h->jiangqian[static_cast<size_t>(BranchOf(u'午'))], 0);   // 將星
  EXPECT_EQ(h->jiangqian[static_cast<size_t>(BranchOf(u'巳'))], 11);  // 亡神
  EXPECT_EQ(h->suiqian[static_cast<size_t>(BranchOf(u'戌'))], 0);     // 歲建
  EXPECT_EQ(h->suiqian[static_cast<size_t>(BranchOf(u'申'))], 10);    // 弔客
}

// Every date from the birth on is read, none before it; the 大限 always
// holds the 虛歲, and after the twelfth the chart is gone round again.
TEST(Horoscope, DatesBeforeTheBirthGiveNothingAndEveryAgeHasItsDecade) {
  const NatalChart c = Chart({2023, 4, 10, 11, Sex::kFemale});
  EXPECT_FALSE(ComputeHoroscope(c, {2023, 4, 9}).has_value());
  EXPECT_TRUE(ComputeHoroscope(c, {2023, 4, 10}).has_value());
  EXPECT_FALSE(ComputeHoroscope(c, {2101, 1, 1}).has_value());
  EXPECT_FALSE(ComputeHoroscope(c, {2024, 2, 30}).has_value());
  // The late 子 hour of 除夕 is a birth on 正月初一: 除夕 itself is before it.
  const NatalChart late = Chart({2024, 2, 9, 12, Sex::kMale});
  EXPECT_FALSE(ComputeHoroscope(late, {2024, 2, 9}).has_value());
  EXPECT_EQ(ComputeHoroscope(late, {2024, 2, 10})->nominalAge, 1);

  const NatalChart old = Chart({1900, 3, 1, 5, Sex::kMale});
  for (int y = 1901; y <= 2100; y += 3) {
    const std::optional<Horoscope> h = ComputeHoroscope(old, {y, 6, 1});
    ASSERT_TRUE(h.has_value());
    if (h->childhood) continue;
    EXPECT_LE(h->decadalFrom, h->nominalAge);
    EXPECT_GE(h->decadalTo, h->nominalAge);
    const ChartPalace& p =
        old.palaces[static_cast<size_t>(old.palaceAtBranch[static_cast<size_t>(h->decadal.palaceBranch)])];
    EXPECT_EQ((h->decadalFrom - p.decadalFrom) % 120, 0) << y;
  }
}

// The time bar's jump to a 大限: the same month and day in the lunar year of
// that 虛歲, its 正月初一 when that day is still in the year before, never
// before the birth, nothing past 2100.
TEST(Horoscope, DateAtAgeKeepsTheDayInTheLunarYearOfTheAge) {
  const NatalChart c = Chart({2000, 8, 16, 2, Sex::kFemale});          // 庚辰, born on 七月十七
  EXPECT_EQ(DateAtAge(c, 23, {2030, 5, 1}), (SolarDate{2022, 5, 1}));  // 壬寅 is 23
  // 2022-01-15 is still 辛丑: 壬寅's 正月初一 is 2022-02-01.
  EXPECT_EQ(DateAtAge(c, 23, {2030, 1, 15}), (SolarDate{2022, 2, 1}));
  EXPECT_EQ(DateAtAge(c, 1, {2030, 5, 1}), (SolarDate{2000, 8, 16}));
  EXPECT_EQ(DateAtAge(c, 24, {2024, 2, 29}), (SolarDate{2023, 2, 28}));
  EXPECT_FALSE(DateAtAge(c, 102, {2030, 5, 1}).has_value());
  EXPECT_EQ(ComputeHoroscope(c, *DateAtAge(c, 33, {2030, 1, 15}))->nominalAge, 33);
}

// 宮干四化 of the 陽女 chart above, whose twelve palaces carry all ten stems
// (寅戊 … 亥丁, 子戊 丑己). Its stars: 紫微 午, 天機 巳, 太陽 卯, 武曲 寅, 天同 丑,
// 廉貞 戌, 天府 戌, 太陰 亥, 貪狼 子, 巨門 丑, 天相 寅, 天梁 卯, 七殺 辰, 破軍 申,
// 左輔 戌, 右弼 辰, 文昌 申, 文曲 午. Each row: the palace's branch, then where
// its 祿, 權, 科 and 忌 fly, then the transformations that land at home (自化).
TEST(Flights, EachPalaceStemFliesItsFourAndMarksItsOwn) {
  const NatalChart c = Chart({2000, 8, 16, 2, Sex::kFemale});
  struct Row {
    char16_t branch;
    const char16_t* to;  // 祿權科忌
    const char* self;
  };
  const Row rows[] = {
      {u'寅', u"子亥辰巳", ""},    // 戊: 貪狼 太陰 右弼 天機
      {u'卯', u"寅子卯午", "科"},  // 己: 武曲 貪狼 天梁 文曲
      {u'辰', u"卯寅亥丑", ""},    // 庚: 太陽 武曲 太陰 天同
      {u'巳', u"丑卯午申", ""},    // 辛: 巨門 太陽 文曲 文昌
      {u'午', u"卯午戌寅", "權"},  // 壬: 天梁 紫微 左輔 武曲
      {u'未', u"申丑亥子", ""},    // 癸: 破軍 巨門 太陰 貪狼
      {u'申', u"戌申寅卯", "權"},  // 甲: 廉貞 破軍 武曲 太陽
      {u'酉', u"巳卯午亥", ""},    // 乙: 天機 天梁 紫微 太陰
      {u'戌', u"丑巳申戌", "忌"},  // 丙: 天同 天機 文昌 廉貞
      {u'亥', u"亥丑巳丑", "祿"},  // 丁: 太陰 天同 天機 巨門
      {u'子', u"子亥辰巳", "祿"},  // 戊 again: 貪狼 is at home here
      {u'丑', u"寅子卯午", ""},    // 己 again
  };
  for (const Row& r : rows) {
    const ChartPalace& p = c.palaces[static_cast<size_t>(c.palaceAtBranch[static_cast<size_t>(BranchOf(r.branch))])];
    SCOPED_TRACE(ToUtf8(std::u16string(1, r.branch)));
    std::u16string to, self;
    for (size_t k = 0; k < 4; ++k) {
      to += kBranchNames[static_cast<size_t>(p.flights[k].toBranch)];
      if (SelfTransformations(p)[k]) self += kMutagenNames[k + 1];
    }
    EXPECT_EQ(ToUtf8(to), ToUtf8(r.to));
    EXPECT_EQ(ToUtf8(self), r.self);
  }
}

// The natal rings of the 辰 year: 將星 on 子 (申子辰), 歲建 on 辰; 來因宮 on 辰,
// the palace of the year's stem 庚 (五虎遁 戊寅 己卯 庚辰). 子 and 丑 repeat the
// stems of 寅 and 卯: in a 辛 year (庚寅 辛卯 … 辛丑) 丑 and in a 壬 year (壬寅 …
// 壬子) 子 carries the year stem too, and is passed over.
TEST(NatalRings, SpiritsAndOriginalPalaceByTheBirthYear) {
  const NatalChart c = Chart({2000, 8, 16, 2, Sex::kFemale});
  std::u16string jiangqian, suiqian, original;
  for (int b = 0; b < 12; ++b) {
    const ChartPalace& p = c.palaces[static_cast<size_t>(c.palaceAtBranch[static_cast<size_t>(b)])];
    jiangqian += kJiangqianNames[static_cast<size_t>(p.jiangqian)].substr(0, 1);
    suiqian += kSuiqianNames[static_cast<size_t>(p.suiqian)].substr(0, 1);
    if (p.isOriginalPalace) original += kBranchNames[static_cast<size_t>(b)];
  }
  // 子..亥: 將 攀 歲 息 華 劫 災 天 指 咸 月 亡; 白 天 弔 病 歲 晦 喪 貫 官 小 大 龍.
  EXPECT_EQ(ToUtf8(jiangqian), "將攀歲息華劫災天指咸月亡");
  EXPECT_EQ(ToUtf8(suiqian), "白天弔病歲晦喪貫官小大龍");
  EXPECT_EQ(ToUtf8(original), "辰");
  for (int year = 1991; year <= 1992; ++year) {  // 辛未 and 壬申
    const NatalChart r = Chart({year, 6, 1, 0, Sex::kMale});
    int count = 0, at = -1;
    for (const ChartPalace& p : r.palaces)
      if (p.isOriginalPalace) ++count, at = p.branch;
    EXPECT_EQ(count, 1);
    EXPECT_EQ(at, year == 1991 ? BranchOf(u'卯') : BranchOf(u'寅'));
  }
  EXPECT_EQ(MinorLimitAges(c.palaces[0]).front(), 5);
  EXPECT_EQ(MinorLimitAges(c.palaces[0]).back(), 113);
}

}  // namespace
}  // namespace lunisol
