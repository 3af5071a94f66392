#include "almanac/lookups.h"

#include <gtest/gtest.h>

#include <set>

#include "almanac/festivals.h"
#include "almanac/nine_stars.h"
#include "almanac/tables.h"
#include "calendar/convert.h"
#include "calendar/names.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "tests/text_checks.h"

namespace lunisol {
namespace {

using namespace colours;

TEST(DayTablesShape, SixtyRowTablesHaveTheirForm) {
  for (size_t i = 0; i < 60; ++i) {
    const LuckyHours lucky = LuckyHoursOf(Pillar(static_cast<int>(i)));
    // Each pair in hour order.
    EXPECT_LT(lucky.hours[0], lucky.hours[1]) << i;
    EXPECT_LT(lucky.hours[2], lucky.hours[3]) << i;
    EXPECT_EQ(kDayCodeTexts[i].size(), 2u);
    EXPECT_TRUE(kDayCodeTexts[i][0] >= u'1' && kDayCodeTexts[i][0] <= u'9');
  }
  using enum Branch;
  EXPECT_EQ(LuckyHoursOf(Pillar(0)).hours, (std::array<Branch, 4>{kMao, kChen, kWei, kShen}));
  EXPECT_EQ(LuckyHoursOf(Pillar(59)).hours, (std::array<Branch, 4>{kZi, kYin, kMao, kWei}));
  const FetusGod inRoom = FetusGodOf(Pillar(29));
  EXPECT_EQ(inRoom.place, u"占房床");
  EXPECT_EQ(FetusGodDirectionName(inRoom), u"房內北");
  EXPECT_EQ(FetusGodDirectionName(FetusGodOf(Pillar(0))), u"外東南");
  EXPECT_EQ(FetusGodDirectionName(FetusGodOf(Pillar(44))), u"房內東");
  EXPECT_EQ(kDayCodeTexts[59], u"6六");
  EXPECT_EQ(Name(JoyGodDirection(Stem::kGui)), u"東南");
  EXPECT_EQ(Name(WealthGodDirection(Stem::kGui)), u"正南");
  EXPECT_EQ(Name(JoyGodDirection(Stem::kJia)), u"東北");
}

TEST(DayTablesShape, HexagramRows) {
  EXPECT_EQ(kHexagramTexts[5], u"六一小畜八");
  EXPECT_EQ(kHexagramTexts[7], u"八一大畜");
  EXPECT_EQ(kHexagramTexts[0], u"一一乾一");
  EXPECT_EQ(kHexagramTexts[71], u"九九坤一");
  int centre = 0;
  for (int i = 0; i < 72; ++i) {
    const std::u16string_view h = kHexagramTexts[static_cast<size_t>(i)];
    EXPECT_EQ(IsCentreHexagram(i), h == u"中五禽") << i;
    if (IsCentreHexagram(i)) {
      ++centre;
      continue;
    }
    EXPECT_EQ(h[0], std::u16string_view(u"一二三四五六七八九")[static_cast<size_t>(i % 9)]);
    EXPECT_EQ(h[1], std::u16string_view(u"一二三四六七八九")[static_cast<size_t>(i / 9)]);
    EXPECT_GE(h.size(), 4u);
  }
  EXPECT_EQ(centre, 8);
}

TEST(FestivalTablesShape, SolarFestivalsAndProverbs) {
  for (const SolarFestivalRow& f : kSolarFestivals) {
    EXPECT_TRUE(f.month >= 1 && f.month <= 12 && f.day >= 1 && f.day <= DaysInSolarMonth(2000, f.month))
        << ToUtf8(f.name);
    EXPECT_FALSE(f.name.empty());
    // Every row says where its years come from, or that none was found.
    EXPECT_FALSE(f.source.empty()) << ToUtf8(f.name);
    EXPECT_EQ(f.firstYear == 0, f.source.starts_with("no source found")) << ToUtf8(f.name);
    EXPECT_TRUE(f.lastYear == 0 || f.lastYear >= f.firstYear) << ToUtf8(f.name);
  }
  // A day has one observance in any year.
  for (int year = 1900; year <= 2100; ++year)
    for (size_t i = 0; i < kSolarFestivals.size(); ++i)
      for (size_t j = i + 1; j < kSolarFestivals.size(); ++j) {
        const SolarFestivalRow &a = kSolarFestivals[i], &b = kSolarFestivals[j];
        EXPECT_FALSE(a.month == b.month && a.day == b.day && a.KeptIn(year) && b.KeptIn(year)) << year;
      }
  EXPECT_EQ(*SolarFestival(2009, 12, 25), u"聖誕節");
  EXPECT_EQ(*SolarFestival(1900, 1, 1), u"元旦");
  EXPECT_FALSE(SolarFestival(2009, 12, 24).has_value());
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

// Each Gregorian observance from the year it was first kept, under the name
// of its years; the page shows what the table says.
TEST(FestivalLookups, ObservancesStartInTheYearTheyWereFirstKept) {
  EXPECT_FALSE(SolarFestival(1911, 10, 10).has_value());
  EXPECT_EQ(*SolarFestival(1912, 10, 10), u"國慶日");
  EXPECT_FALSE(SolarFestival(1931, 4, 4).has_value());
  EXPECT_EQ(*SolarFestival(1932, 4, 4), u"兒童節");
  EXPECT_EQ(*SolarFestival(1990, 4, 4), u"兒童節");
  EXPECT_EQ(*SolarFestival(1991, 4, 4), u"婦幼節");
  EXPECT_EQ(*SolarFestival(2010, 4, 4), u"婦幼節");
  EXPECT_EQ(*SolarFestival(2011, 4, 4), u"兒童節");
  EXPECT_EQ(*SolarFestival(2100, 4, 4), u"兒童節");
  EXPECT_FALSE(SolarFestival(1951, 9, 28).has_value());
  EXPECT_EQ(*SolarFestival(1952, 9, 28), u"教師節");
  EXPECT_FALSE(SolarFestival(1944, 8, 8).has_value());
  EXPECT_FALSE(SolarFestival(1982, 3, 15).has_value());
  EXPECT_EQ(*SolarFestival(1983, 3, 15), u"消費者節");
  // Rows without a sourced first year keep every year.
  EXPECT_EQ(*SolarFestival(1900, 2, 14), u"西洋情人節");
}

TEST(FestivalLookups, LunarDaysTheLeapMonthAndTheEve) {
  EXPECT_TRUE(Contains(*LunarFestival({2009, 8, false, 15}, false), u"中秋節"));
  EXPECT_FALSE(LunarFestival({2020, 4, true, 8}, false).has_value());
  EXPECT_FALSE(LunarFestival({2009, 12, false, 30}, false).has_value());
  EXPECT_EQ(*LunarFestival({2009, 12, false, 30}, true), u"除夕");
  EXPECT_FALSE(LunarFestival(LunarDate{}, false).has_value());
  EXPECT_EQ(MoonPhaseText({MoonPhase::kLastQuarter, 12, 25, {6, 11}}), u"下弦 06時 11分");
  EXPECT_EQ(MoonPhaseText({MoonPhase::kFull, 1, 1, {0, 0}}), u"望 00時 00分");
  TermBar bar;
  ShowTermNotes(bar, SolarTerm::kMinorCold);
  EXPECT_EQ(bar.notes[0].text, u"北部 ：菜豆 ，菜頭 ，蘿蔔 ，皇帝豆 ，石刁柏 ，水稻 。");
  EXPECT_EQ(bar.notes[0].colour, kGreen);
  EXPECT_EQ(bar.notes[3].colour, kNavy);
  EXPECT_EQ(bar.tooltips[2], bar.notes[2].text);
  EXPECT_EQ(TermTimeText({2, 3}), u"02時03分");
}

TEST(Lookups, NamesAndStars) {
  EXPECT_EQ(kLunarDayNames[1], u"一初");
  EXPECT_EQ(kLunarDayNames[20], u"十二");
  EXPECT_EQ(kLunarDayNames[29], u"九廿");
  EXPECT_EQ(kLunarDayNames[30], u"十三");
  EXPECT_EQ(kNineStarNames[7], u"赤七");
  EXPECT_EQ(kNineStarColours[7], kGreen);
  EXPECT_EQ(kNineStarColours[8], (Colour{129, 128, 128}));
  EXPECT_EQ(Name(Officer::kBreak), u"破");
  EXPECT_EQ(Name(Direction::kNorthWest), u"西北");
}

TEST(Lookups, MonthPillarOfEveryYearStem) {
  EXPECT_EQ(MonthPillar(Pillar(0), 1), Pillar(2));   // 甲 year: 丙寅
  EXPECT_EQ(MonthPillar(Pillar(5), 1), Pillar(2));   // 己
  EXPECT_EQ(MonthPillar(Pillar(6), 1), Pillar(14));  // 庚: 戊寅
  EXPECT_EQ(MonthPillar(Pillar(7), 1), Pillar(26));
  EXPECT_EQ(MonthPillar(Pillar(8), 1), Pillar(38));
  EXPECT_EQ(MonthPillar(Pillar(4), 11), Pillar(0));  // 戊 year, month 11: 甲子
  EXPECT_EQ(MonthPillar(Pillar(9), 12), Pillar(1));  // 癸 year, month 12: 乙丑
  EXPECT_EQ(MonthShaDirection(Pillar(6)), u"北方");
  EXPECT_EQ(MonthShaDirection(Pillar(0)), u"南方");
  EXPECT_EQ(MonthShaDirection(Pillar(1)), u"東方");
  EXPECT_EQ(MonthShaDirection(Pillar(3)), u"西方");
}

TEST(Lookups, OfficerRepeatsOnSectionTermDaysAndStartsOnTheFirstTigerDay) {
  for (int y = 1900; y <= 2100; y += 7)
    for (int m = 1; m <= 12; ++m)
      for (int d = 2; d <= DaysInSolarMonth(y, m); ++d) {
        const std::optional<SolarTerm> t = TermOnDay(y, m, d);
        const int today = static_cast<int>(DayOfficer(y, m, d)), yesterday = static_cast<int>(DayOfficer(y, m, d - 1));
        const int expected = t && IsSectionTerm(*t) ? yesterday : (yesterday + 1) % 12;
        ASSERT_EQ(today, expected) << y << "-" << m << "-" << d;
      }
  // The month of 立春 is a 寅 month: its 寅 days are 建.
  for (int d = 5; d <= 28; ++d)
    if (DayPillar(2009, 2, d).branch() == Branch::kYin) {
      EXPECT_EQ(DayOfficer(2009, 2, d), Officer::kEstablish);
    }
  EXPECT_EQ(OfficerColour(Officer::kClose), kNavy);
  EXPECT_EQ(OfficerColour(Officer::kOpen), kOlive);
  EXPECT_EQ(OfficerColour(Officer::kBalance), kGreen);
  EXPECT_EQ(OfficerColour(Officer::kBreak), kMaroon);
  EXPECT_EQ(OfficerColour(Officer::kReceive), kDarkGrey);
}

TEST(Lookups, ColourRules) {
  EXPECT_EQ(StemColour(Stem::kYi), kGreen);
  EXPECT_EQ(StemColour(Stem::kDing), kMaroon);
  EXPECT_EQ(StemColour(Stem::kJi), kOlive);
  EXPECT_EQ(StemColour(Stem::kXin), kDarkGrey);
  EXPECT_EQ(StemColour(Stem::kGui), kNavy);
  EXPECT_EQ(BranchColour(Branch::kMao), kGreen);
  EXPECT_EQ(BranchColour(Branch::kZi), kBlack);
  EXPECT_EQ(BranchColour(Branch::kSi), kMaroon);
  EXPECT_EQ(BranchColour(Branch::kShen), kDarkGrey);
  EXPECT_EQ(BranchColour(Branch::kXu), kOlive);
  EXPECT_EQ(DirectionColour(Direction::kNorth), kBlack);
  EXPECT_EQ(DirectionColour(Direction::kEast), kGreen);
  EXPECT_EQ(DirectionColour(Direction::kSouthEast), kOlive);
  EXPECT_EQ(DirectionColour(Direction::kSouthWest), kPink);
  EXPECT_EQ(DirectionColour(Direction::kNorthWest), kLilac);
  EXPECT_EQ(DirectionColour(Direction::kNorthEast), kDarkGreen);
  EXPECT_EQ(ElementColour(Element::kMetal), kDarkGrey);
  EXPECT_EQ(ElementColour(Element::kWater), kNavy);
  EXPECT_EQ(MansionColour(Mansion::kDipper, kRed), kGreen);
  EXPECT_EQ(MansionColour(Mansion::kEmptiness, kRed), kGrey);
  EXPECT_EQ(MansionColour(Mansion::kRooftop, kRed), kRed);
  EXPECT_EQ(LunarDayColour(15), kRed);
  EXPECT_EQ(LunarDayColour(16), kGreen);
}

TEST(Lookups, ClashAndYearSha) {
  // A 甲子 day in a 甲子 year clashes with 戊午 (index 54): age 7.
  const ColouredText c = ClashText(Pillar(0), Pillar(0));
  EXPECT_EQ(c.text, u"沖馬 7");
  EXPECT_EQ(c.colour, kMaroon);
  EXPECT_EQ(ClashText(Pillar(5), Pillar(0)).colour, kNavy);  // 己巳 day: 豬
  EXPECT_EQ(ClashText(Pillar(5), Pillar(0)).text.substr(0, 2), u"沖豬");
  for (int y = 0; y < 60; ++y)
    for (int d = 0; d < 60; ++d) {
      const std::u16string t = ClashText(Pillar(d), Pillar(y)).text;
      ASSERT_EQ(t.size(), 4u);
      const int age = ParseDecimal(t.substr(2));
      ASSERT_TRUE(age >= 1 && age <= 60);
    }
  EXPECT_EQ(YearShaText(Branch::kShen).text, u"歲煞南");
  EXPECT_EQ(YearShaText(Branch::kYou).text, u"歲煞東");
  EXPECT_EQ(YearShaText(Branch::kXu).colour, kNavy);
  EXPECT_EQ(YearShaText(Branch::kHai).text, u"歲煞西");
}

}  // namespace
}  // namespace lunisol
