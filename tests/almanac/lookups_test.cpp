#include "almanac/lookups.h"

#include <gtest/gtest.h>

#include <set>

#include "almanac/festivals.h"
#include "almanac/nine_stars.h"
#include "almanac/tables.h"
#include "calendar/convert.h"
#include "calendar/cycle.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"
#include "calendar/text.h"

namespace lunisol {
namespace {

using namespace colours;

TEST(DayTablesShape, SixtyRowTablesHaveTheirForm) {
  const std::set<std::u16string_view> directions{u"東北", u"東南", u"西北", u"西南",
                                                 u"正東", u"正西", u"正南", u"正北"};
  for (size_t i = 0; i < 60; ++i) {
    const std::u16string_view jw = kJoyWealthDirections[i];
    ASSERT_EQ(jw.size(), 5u);
    EXPECT_EQ(jw[2], u',');
    EXPECT_TRUE(directions.count(jw.substr(0, 2)) && directions.count(jw.substr(3)));
    EXPECT_EQ(jw, kJoyWealthDirections[i % 10]) << "repeats with the stem";
    const std::u16string_view lucky = kLuckyHourPairs[i];
    ASSERT_EQ(lucky.size(), 5u);
    EXPECT_EQ(lucky[2], u',');
    for (size_t k : {0u, 1u, 3u, 4u})
      EXPECT_NE(std::u16string_view(u"子丑寅卯辰巳午未申酉戌亥").find(lucky[k]), std::u16string_view::npos);
    const std::u16string_view fetus = kFetusGodPlaces[i];
    ASSERT_EQ(fetus.size(), 7u);
    EXPECT_EQ(fetus[3], u',');
    bool named = false;
    for (std::u16string_view k :
         {u"正東", u"內東", u"東南", u"正南", u"內南", u"西南", u"正西", u"西北", u"正北", u"內北", u"東北"})
      named |= Contains(fetus.substr(4), k);
    EXPECT_TRUE(named) << i;
    EXPECT_EQ(kDayCodeTexts[i].size(), 2u);
    EXPECT_TRUE(kDayCodeTexts[i][0] >= u'1' && kDayCodeTexts[i][0] <= u'9');
  }
  EXPECT_EQ(kLuckyHourPairs[0], u"卯辰,未申");
  EXPECT_EQ(kLuckyHourPairs[59], u"子寅,卯未");
  EXPECT_EQ(kFetusGodPlaces[29], u"占房床,房內北");
  EXPECT_EQ(kDayCodeTexts[59], u"6六");
  EXPECT_EQ(kJoyWealthDirections[9], u"東南,正南");
}

TEST(DayTablesShape, HexagramRows) {
  EXPECT_EQ(kHexagramTexts[5], u"六一小畜八");
  EXPECT_EQ(kHexagramTexts[7], u"八一大畜");
  EXPECT_EQ(kHexagramTexts[0], u"一一乾一");
  EXPECT_EQ(kHexagramTexts[71], u"九九坤一");
  int centre = 0;
  for (size_t i = 0; i < 72; ++i) {
    const std::u16string_view h = kHexagramTexts[i];
    if (i % 9 == 4) {
      EXPECT_EQ(h, u"中五禽");
      ++centre;
      continue;
    }
    EXPECT_EQ(h[0], std::u16string_view(u"一二三四五六七八九")[i % 9]);
    EXPECT_EQ(h[1], std::u16string_view(u"一二三四六七八九")[i / 9]);
    EXPECT_GE(h.size(), 4u);
  }
  EXPECT_EQ(centre, 8);
}

TEST(FestivalTablesShape, SolarFestivalsAndProverbs) {
  std::set<std::u16string_view> keys;
  for (std::u16string_view f : kSolarFestivals) {
    ASSERT_GT(f.size(), 4u);
    const int month = ParseDecimal(f.substr(0, 2)), day = ParseDecimal(f.substr(2, 2));
    EXPECT_TRUE(month >= 1 && month <= 12 && day >= 1 && day <= DaysInSolarMonth(2000, month)) << ToUtf8(f);
    EXPECT_TRUE(keys.insert(f.substr(0, 4)).second);
  }
  EXPECT_EQ(*SolarFestival(12, 25), u"聖誕節");
  EXPECT_EQ(*SolarFestival(1, 1), u"元旦");
  EXPECT_FALSE(SolarFestival(12, 24).has_value());
  for (size_t i = 0; i < 12; ++i) {
    const std::u16string_view p = kTermProverbs[i];
    // Four seven-character lines joined by " ，".
    ASSERT_EQ(p.size(), 4 * 7 + 3 * 2u) << i;
    for (size_t k : {7u, 16u, 25u}) EXPECT_EQ(p.substr(k, 2), u" ，");
  }
  // Each proverb names a term of its own pair.
  EXPECT_TRUE(Contains(kTermProverbs[2], u"驚蟄"));
  EXPECT_TRUE(Contains(kTermProverbs[11], u"冬至"));
}

TEST(FestivalLookups, LunarKeysKeepTheirSignAndTheEve) {
  EXPECT_TRUE(Contains(*LunarFestival(8, 15, false), u"中秋節"));
  EXPECT_FALSE(LunarFestival(-4, 8, false).has_value());
  EXPECT_FALSE(LunarFestival(12, 30, false).has_value());
  EXPECT_EQ(*LunarFestival(12, 30, true), u"除夕");
  MoonPhaseData moon;
  moon.moonPhaseLists[1] = {u"12250611"};
  moon.moonPhaseLists[3] = {u"12251730"};
  EXPECT_EQ(*FindMoonPhase(moon, 1, u"1225"), u"下弦 06時 11分");
  EXPECT_EQ(*FindMoonPhase(moon, 3, u"1225"), u"上弦 17時 30分");
  EXPECT_FALSE(FindMoonPhase(moon, 0, u"1225").has_value());
  EXPECT_FALSE(FindMoonPhase(moon, 4, u"1225").has_value());
  moon.moonPhaseLists[0] = {u"1225"};  // too short to carry a time
  EXPECT_FALSE(FindMoonPhase(moon, 0, u"1225").has_value());
  TermBar bar;
  ShowTermNotes(bar, u"小寒");
  EXPECT_EQ(bar.notes[0].text, u"北部 ：菜豆 ，菜頭 ，蘿蔔 ，皇帝豆 ，石刁柏 ，水稻 。");
  EXPECT_EQ(bar.notes[0].colour, kGreen);
  EXPECT_EQ(bar.notes[3].colour, kNavy);
  EXPECT_EQ(bar.tooltips[2], bar.notes[2].text);
  TermBar other = bar;
  ShowTermNotes(other, u"中秋");
  EXPECT_EQ(other.notes[0].text, bar.notes[0].text);
  EXPECT_EQ(TermTimeText(u"0203"), u"02時03分");
}

TEST(Lookups, NamesAndDayOfYear) {
  EXPECT_EQ(kLunarDayNames[1], u"一初");
  EXPECT_EQ(kLunarDayNames[20], u"十二");
  EXPECT_EQ(kLunarDayNames[29], u"九廿");
  EXPECT_EQ(kLunarDayNames[30], u"十三");
  EXPECT_EQ(kNineStarNames[7], u"赤七");
  EXPECT_EQ(kNineStarColours[7], kGreen);
  EXPECT_EQ(kNineStarColours[8], (Colour{129, 128, 128}));
  EXPECT_EQ(DayOfYear(2009, 1, 1), 1);
  EXPECT_EQ(DayOfYear(2008, 12, 31), 366);
  EXPECT_EQ(DayOfYear(2009, 3, 1), 60);
  int index = -5;
  EXPECT_EQ(DayCycleIndex(u"乙丑", index), u"西北,東南");
  EXPECT_EQ(index, 1);
  EXPECT_EQ(DayCycleIndex(u"丑乙", index), u"");
  EXPECT_EQ(index, 1);
}

TEST(Lookups, MonthPillarOfEveryYearStem) {
  EXPECT_EQ(MonthPillarIndex(0, 1), 2);   // 甲 year: 丙寅
  EXPECT_EQ(MonthPillarIndex(5, 1), 2);   // 己
  EXPECT_EQ(MonthPillarIndex(6, 1), 14);  // 庚: 戊寅
  EXPECT_EQ(MonthPillarIndex(7, 1), 26);
  EXPECT_EQ(MonthPillarIndex(8, 1), 38);
  EXPECT_EQ(MonthPillarIndex(4, 11), 0);  // 戊 year, month 11: 甲子
  EXPECT_EQ(MonthPillarIndex(9, 12), 1);  // 癸 year, month 12: 乙丑
  EXPECT_EQ(MonthShaDirection(6), u"北方");
  EXPECT_EQ(MonthShaDirection(0), u"南方");
  EXPECT_EQ(MonthShaDirection(1), u"東方");
  EXPECT_EQ(MonthShaDirection(3), u"西方");
}

TEST(Lookups, OfficerRepeatsOnSectionTermDaysAndStartsOnTheFirstTigerDay) {
  CalendarState s;
  for (int y = 1900; y <= 2100; y += 7)
    for (int m = 1; m <= 12; ++m)
      for (int d = 2; d <= DaysInSolarMonth(y, m); ++d) {
        const int t = SolarTermOnDay(s, y, m, d);
        const std::u16string_view today = DayOfficer(y, m, d), yesterday = DayOfficer(y, m, d - 1);
        size_t a = 0, b = 0;
        while (kOfficerNames[a] != today) ++a;
        while (kOfficerNames[b] != yesterday) ++b;
        const size_t expected = (t >= 0 && t % 2 == 0) ? b : (b + 1) % 12;
        ASSERT_EQ(a, expected) << y << "-" << m << "-" << d;
      }
  // The month of 立春 is a 寅 month: its 寅 days are 建.
  for (int d = 5; d <= 28; ++d) {
    CalendarDate date;
    ASSERT_GT(SolarToLunar(2009, 2, d, date), 0);
    if (date.dayBranch == 2) {
      EXPECT_EQ(DayOfficer(2009, 2, d), u"建");
    }
  }
  EXPECT_EQ(OfficerColour(u"閉"), kNavy);
  EXPECT_EQ(OfficerColour(u"開"), kOlive);
  EXPECT_EQ(OfficerColour(u"平"), kGreen);
  EXPECT_EQ(OfficerColour(u"破"), kMaroon);
  EXPECT_EQ(OfficerColour(u"收"), kDarkGrey);
}

TEST(Lookups, ColourRules) {
  EXPECT_EQ(StemColour(u"乙"), kGreen);
  EXPECT_EQ(StemColour(u"丁"), kMaroon);
  EXPECT_EQ(StemColour(u"己"), kOlive);
  EXPECT_EQ(StemColour(u"辛"), kDarkGrey);
  EXPECT_EQ(StemColour(u"癸"), kNavy);
  EXPECT_EQ(BranchColour(u"卯辰"), kGreen);
  EXPECT_EQ(BranchColour(u"子丑"), kBlack);
  EXPECT_EQ(BranchColour(u"巳午"), kMaroon);
  EXPECT_EQ(BranchColour(u"子卯"), kBlack);
  EXPECT_EQ(BranchColour(u"申戌"), kDarkGrey);
  EXPECT_EQ(BranchColour(u"戌"), kOlive);
  EXPECT_EQ(DirectionColour(u"房內北"), kBlack);
  EXPECT_EQ(DirectionColour(u"房內東"), kGreen);
  EXPECT_EQ(DirectionColour(u"外東南"), kOlive);
  EXPECT_EQ(DirectionColour(u"西南"), kPink);
  EXPECT_EQ(DirectionColour(u"西北"), kLilac);
  EXPECT_EQ(DirectionColour(u"外東北"), kDarkGreen);
  EXPECT_EQ(NayinColour(u"金"), kDarkGrey);
  EXPECT_EQ(NayinColour(u"水"), kNavy);
  EXPECT_EQ(MansionColour(7, kRed), kGreen);
  EXPECT_EQ(MansionColour(10, kRed), kGrey);
  EXPECT_EQ(MansionColour(11, kRed), kRed);
  EXPECT_EQ(LunarDayColour(15), kRed);
  EXPECT_EQ(LunarDayColour(16), kGreen);
}

TEST(Lookups, ClashAndYearSha) {
  // A 甲子 day in a 甲子 year clashes with 戊午 (index 54): age 7.
  const ColouredText c = ClashText(0, 0, 0);
  EXPECT_EQ(c.text, u"沖馬 7");
  EXPECT_EQ(c.colour, kMaroon);
  EXPECT_EQ(ClashText(5, 5, 0).colour, kNavy);  // 巳 day: 豬
  EXPECT_EQ(ClashText(5, 5, 0).text.substr(0, 2), u"沖豬");
  for (int y = 0; y < 60; ++y)
    for (int d = 0; d < 60; ++d) {
      const std::u16string t = ClashText(d % 10, d % 12, y).text;
      ASSERT_EQ(t.size(), 4u);
      const int age = ParseDecimal(t.substr(2));
      ASSERT_TRUE(age >= 1 && age <= 60);
    }
  EXPECT_EQ(YearShaText(8).text, u"歲煞南");
  EXPECT_EQ(YearShaText(9).text, u"歲煞東");
  EXPECT_EQ(YearShaText(10).colour, kNavy);
  EXPECT_EQ(YearShaText(11).text, u"歲煞西");
}

}  // namespace
}  // namespace lunisol
