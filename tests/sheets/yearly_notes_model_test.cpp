// The yearly notes sheet with its spring-ox and seasonal-day columns: the
// year tables, the small rules, a whole year label by label, the lunar-year
// versus Gregorian-year split early in January, and every year of the range.

#include "sheets/yearly_notes_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calendar/convert.h"
#include "calendar/names.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "sheets/seasonal_days_model.h"
#include "sheets/spring_ox_model.h"
#include "sheets/tables.h"
#include "tests/text_checks.h"

namespace lunisol {
namespace {

using namespace colours;

std::string U8(std::u16string_view s) { return ToUtf8(s); }

bool IsHan(char16_t c) { return c >= 0x3400 && c <= 0x9FFF; }

YearlyNotesRecord Sheet(int year, int month, int day) {
  const std::optional<YearlyNotesRecord> r = BuildYearlyNotes(year, month, day);
  EXPECT_TRUE(r.has_value());
  return r.value_or(YearlyNotesRecord{});
}

SpringOxChart ChartForYear(int year) {
  CalendarDate d;
  SolarToLunar(year, 6, 1, d);
  return BuildSpringOxChart(SpringOxInputsForYear(YearPillar(d.lunar.year), year));
}

TEST(YearGodTables, ShapeAndAgreementWithTheCycle) {
  ASSERT_EQ(kTaisuiNames.size(), 61u);
  EXPECT_TRUE(kTaisuiNames[0].empty());
  for (size_t p = 1; p <= 60; ++p) {
    ASSERT_EQ(kTaisuiNames[p].size(), 2u) << p;
    EXPECT_TRUE(IsHan(kTaisuiNames[p][0]) && IsHan(kTaisuiNames[p][1])) << p;
  }
  EXPECT_EQ(U8(kTaisuiNames[1]), "金辨");
  EXPECT_EQ(U8(kTaisuiNames[23]), "白敏");
  EXPECT_EQ(U8(kTaisuiNames[37]), "盧祕");
  EXPECT_EQ(U8(kTaisuiNames[60]), "虞程");

  for (const std::u16string_view name : kNayinNames) EXPECT_EQ(name.size(), 3u);
  EXPECT_EQ(U8(kNayinNames[0]), "海中金");
  EXPECT_EQ(U8(kNayinNames[29]), "大海水");
}

TEST(YearlyRules, ElementsColoursAndNayin) {
  EXPECT_EQ(U8(ElementColourWord(Element::kMetal)), "白");
  EXPECT_EQ(U8(ElementColourWord(Element::kWood)), "青");
  EXPECT_EQ(U8(ElementColourWord(Element::kWater)), "黑");
  EXPECT_EQ(U8(ElementColourWord(Element::kFire)), "紅");
  EXPECT_EQ(U8(ElementColourWord(Element::kEarth)), "黃");

  EXPECT_EQ(U8(NayinName(Pillar(0))), "海中金");
  EXPECT_EQ(U8(NayinName(Pillar(1))), "海中金");
  EXPECT_EQ(U8(NayinName(Pillar(2))), "爐中火");
  EXPECT_EQ(U8(NayinName(Pillar(22))), "屋上土");
  EXPECT_EQ(U8(NayinName(Pillar(59))), "大海水");
}

TEST(YearlyRules, NineStarOfTheYearAndTheRing) {
  EXPECT_EQ(YearNineStar(1999), 1);  // 9 + 9 = 18 → 9, 10 − 9
  EXPECT_EQ(YearNineStar(2009), 9);  // 9 − 9 = 0 counts as 9
  EXPECT_EQ(YearNineStar(2000), 9);
  EXPECT_EQ(YearNineStar(1900), 1);  // 10 − 0 = 10 counts as 1
  EXPECT_EQ(YearNineStar(2006), 3);
  EXPECT_EQ(YearNineStar(1988), 3);  // 8 + 8 = 16 → 7, 10 − 7

  // From star 9 the ring starts again at 一白.
  int counter = 9;
  NineStarWords w = NineStarStep(counter);
  EXPECT_EQ(w.colour, u'白');
  EXPECT_EQ(w.number, u'一');
  EXPECT_EQ(counter, 1);
  counter = 7;
  const char16_t colours[] = u"白紫白黑碧綠黃白";
  const char16_t numbers[] = u"八九一二三四五六";
  for (int i = 0; i < 8; ++i) {
    w = NineStarStep(counter);
    EXPECT_EQ(w.colour, colours[i]) << i;
    EXPECT_EQ(w.number, numbers[i]) << i;
  }
}

TEST(YearlyRules, VerseLines) {
  auto lines = SplitVerseLines(u"一\n二\n三\n四\n五");
  EXPECT_EQ(U8(lines[0]), "一");
  EXPECT_EQ(U8(lines[3]), "四");  // the fifth line is dropped
  lines = SplitVerseLines(u"甲 ，乙 。");
  EXPECT_EQ(U8(lines[0]), "甲 ，乙 。");
  EXPECT_TRUE(lines[1].empty() && lines[2].empty() && lines[3].empty());
  lines = SplitVerseLines(u"a\n\nc");
  EXPECT_EQ(U8(lines[0]), "a");
  EXPECT_TRUE(lines[1].empty());
  EXPECT_EQ(U8(lines[2]), "c");
}

TEST(YearlyRules, FirstDaysFromTheNewYear) {
  // 2006 opens on 29 January, a 戊午 day.
  EXPECT_EQ(FirstDayFromNewYear(2006, Branch::kChen), 11);  // 戊辰
  EXPECT_EQ(FirstDayFromNewYear(2006, Stem::kXin), 4);      // 辛酉
  EXPECT_EQ(FirstDayFromNewYear(2006, Branch::kChou), 8);   // 乙丑
  EXPECT_EQ(FirstDayFromNewYear(2006, Element::kWood), 3);  // 庚申
  EXPECT_EQ(FirstDayFromNewYear(2006, Branch::kWu), 1);     // the new-year day itself
  // The last lunar year of the tables cannot be converted back to a
  // Gregorian date, but its new-year day is still found.
  CalendarDate probe;
  ASSERT_LT(LunarToSolar({2100, 1, false, 1}, probe), 0);
  EXPECT_TRUE(FirstDayFromNewYear(2100, Branch::kChen).has_value());
  EXPECT_FALSE(FirstDayFromNewYear(1800, Branch::kChen).has_value());
}

TEST(YearlyNotes, Year2006LabelByLabel) {
  const YearlyNotesRecord r = Sheet(2006, 5, 1);
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(r.yearPosition, 23);
  EXPECT_EQ(U8(r.caption), " 歲 時 記 事");
  EXPECT_EQ(U8(Name(r.yearPillar)), "丙戌");
  EXPECT_EQ(U8(r.yearGodTitle.text), "太歲 丙戌 年");
  EXPECT_EQ(U8(r.yearGodName.text), "太歲姓白名敏");
  EXPECT_EQ(U8(r.nayin.text), "納音屬土");
  EXPECT_EQ(U8(r.elements.text), "干火支土");

  EXPECT_EQ(U8(r.yearDutyMansion.text), "心月狐");
  EXPECT_EQ(U8(r.secondMansion.text), "鬼金羊");
  EXPECT_EQ(U8(r.branchPair.text), "未 子");
  EXPECT_EQ(U8(r.mansionPair.text), "張 虛");
  EXPECT_EQ(U8(r.stemPair.text), "辛 丙");
  EXPECT_EQ(U8(r.yearDutyLabel.text), "年 值");
  EXPECT_EQ(U8(r.mansionLabel.text), "宿為");

  // Verse 23 has three lines, oracle 23 two.
  EXPECT_EQ(U8(r.verseLines[0].text), "太歲丙戌年 ，夏秋井無泉 。春秋多淹沒 ，耕鋤唯怨天 。");
  EXPECT_EQ(U8(r.verseLines[2].text), "桑葉初生賤 ，蠶老都賣錢 。");
  EXPECT_TRUE(r.verseLines[3].text.empty());
  EXPECT_EQ(r.verseLines[1].colour, kSheetOlive);
  EXPECT_EQ(U8(r.oracleLines[1].text), "六畜多瘟瘴 ，人民少災疾 。");
  EXPECT_TRUE(r.oracleLines[2].text.empty());
  EXPECT_EQ(r.oracleLines[0].colour, kGreen);

  EXPECT_EQ(U8(r.directionLine.text), "方    北    利    不    西    東    利    大");

  EXPECT_EQ(U8(r.yearNotes[0].text), "11  龍  治  水");
  EXPECT_EQ(U8(r.yearNotes[1].text), "4  日  得  辛");
  EXPECT_EQ(U8(r.yearNotes[2].text), "8  牛  耕  地");
  EXPECT_EQ(U8(r.yearNotes[3].text), "三  姑  把  蠶");
  EXPECT_EQ(U8(r.yearNotes[4].text), "蠶  食  3  葉");
  const Colour noteColours[5] = {kNavy, kGreen, kSheetOlive, kMaroon, kGreen};
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(r.yearNotes[i].colour, noteColours[i]) << i;

  EXPECT_EQ(U8(r.climateLine.text), "太陽寒水司天 。太陰濕土在泉 。");
  EXPECT_EQ(r.climateLine.colour, kNavy);
  EXPECT_EQ(U8(r.centreStar.text), "碧三");
  EXPECT_EQ(U8(r.starRing[0].text + r.starRing[1].text), "綠四");    // step 1, lower right
  EXPECT_EQ(U8(r.starRing[14].text + r.starRing[15].text), "黑二");  // step 8, upper left

  // 申, 酉, 戌 row of the corner words, by cell 1201..1208.
  std::u16string corners;
  for (const SheetLabel& t : r.cornerWords) corners += t.text;
  EXPECT_EQ(U8(corners), "室奏博士蠶書士力");
  const auto texts = r.TemplateTexts();
  EXPECT_EQ(texts[0], &r.yearGodTitle);
  EXPECT_EQ(texts[6], &r.cornerWords[4]);

  // 立春 2006 is a 甲子 day, six days after the 戊午 new year: the ox and
  // herdsman of a yang 戌 year.
  EXPECT_EQ(r.lichunDayPillar, Pillar(Stem::kJia, Branch::kZi));
  EXPECT_EQ(U8(r.springOx[0].text), "神    芒    牛    春");
  EXPECT_EQ(U8(r.springOx[2].text), "二寸 ，頭紅身黃腹黃角耳尾青色");
  EXPECT_EQ(U8(r.springOx[3].text), "脛黑蹄白色 ，尾左繳 ，口開 ，籠");
  EXPECT_EQ(U8(r.springOx[4].text), "頭索用白色苧繩 ，踏板縣門左扇");
  EXPECT_EQ(U8(r.springOx[6].text), "芒神高三尺六寸五分 ，面如童子");
  EXPECT_EQ(r.springOx[1].colour, kGreen);
  EXPECT_EQ(r.springOx[6].colour, kSheetOlive);

  // The earth-god days. 2006 has a leap seventh month: the second to fourth
  // 戊 days after 立秋 fall in it, but only the fifth counts, and that one
  // lies in the eighth month.
  EXPECT_EQ(U8(r.seasonalDays[2].text), "秋社日 ：農曆 閏 7 月 24 戊申 日");  // 2006 has a leap seventh month
  EXPECT_EQ(U8(r.seasonalDays[1].text), "春社日 ：農曆 2 月 21 戊申 日");

  // Creation order, which the layout's table of label places follows.
  const auto labels = r.Labels();
  ASSERT_EQ(labels.size(), 78u);
  EXPECT_EQ(labels.front(), &r.nayin);
  EXPECT_EQ(labels[15], &r.stemPair);
  EXPECT_EQ(labels[22], &r.verseLines[3]);
  EXPECT_EQ(labels[25], &r.oracleLines[2]);
  EXPECT_EQ(labels[32], &r.yearNotes[4]);
  EXPECT_EQ(labels[38], &r.springOx[5]);
  EXPECT_EQ(labels[45], &r.springOx[12]);
  EXPECT_EQ(labels[58], &r.starRing[9]);
  EXPECT_EQ(labels[76], &r.seasonalDays[11]);
  EXPECT_EQ(labels.back(), &r.ownWritingLine);
  for (const SheetLabel* l : labels)
    EXPECT_FALSE(l->text.empty() && l != &r.verseLines[3] && l != &r.oracleLines[2] && l != &r.springOx[12] &&
                 l != &r.ownWritingLine);
}

TEST(YearlyNotes, TheYearRulesOverTwelveYears) {
  // 2008 .. 2019 run through every branch, every Y mod 7 and Y mod 4 and all
  // five stem pairs. Mid-year dates, so the lunar and Gregorian years agree.
  const char16_t* singles[4] = {u"南", u"東", u"北", u"西"};  // by Y mod 4
  const char16_t* branchPairs[7] = {u"午 午", u"申 丑", u"戌 卯", u"巳 巳", u"未 子", u"寅 酉", u"亥 辰"};
  const char16_t* mansionPairs[7] = {u"角 角", u"鬼 斗", u"胃 女", u"房 房", u"張 虛", u"室 觜", u"壁 箕"};
  const size_t secondMansions[7] = {2, 14, 26, 10, 22, 6, 18};
  // By stem mod 5: 甲己, 乙庚, 丙辛, 丁壬, 戊癸.
  const char16_t* stemPairs[5] = {u"己 甲", u"乙 庚", u"辛 丙", u"丁 壬", u"癸 戊"};
  // By branch mod 6: 子午, 丑未, 寅申, 卯酉, 辰戌, 巳亥.
  const char16_t* climates[6] = {u"少陰君火司天 。陽明燥金在泉 。", u"太陰濕土司天 。太陽寒水在泉 。",
                                 u"少陽相火司天 。厥陰風木在泉 。", u"陽明燥金司天 。少陰君火在泉 。",
                                 u"太陽寒水司天 。太陰濕土在泉 。", u"厥陰風木司天 。少陽相火在泉 。"};
  const char16_t* maids[3] = {u"二", u"三", u"一"};  // by branch mod 3
  // Corner words by season (亥子丑, 寅卯辰, 巳午未, 申酉戌), in the order of
  // the cells 1201, 1205, 1202, 1206, 1207, 1203, 1208, 1204.
  const int cornerIds[8] = {1201, 1205, 1202, 1206, 1207, 1203, 1208, 1204};
  const std::u16string_view cornerRows[4] = {u"士博蠶室士力奏書", u"士力博士書奏蠶室", u"書奏力士室蠶博士",
                                             u"室蠶奏書士博力士"};
  for (int y = 2008; y <= 2019; ++y) {
    const YearlyNotesRecord r = Sheet(y, 6, 1);
    const size_t stem = static_cast<size_t>((y - 4) % 10), branch = static_cast<size_t>((y - 4) % 12);
    ASSERT_EQ(r.yearPosition, static_cast<int>((y - 4) % 60) + 1) << y;
    EXPECT_EQ(U8(r.directionLine.text), U8(Format(u"方    %s    利    不    %s    利    大",
                                                  {singles[y % 4], y % 2 == 0 ? u"西    東" : u"北    南"})))
        << y;
    EXPECT_EQ(U8(r.branchPair.text), U8(branchPairs[y % 7])) << y;
    EXPECT_EQ(U8(r.mansionPair.text), U8(mansionPairs[y % 7])) << y;
    EXPECT_EQ(U8(r.secondMansion.text), U8(kMansionFullNames[secondMansions[y % 7]])) << y;
    EXPECT_EQ(U8(r.stemPair.text), U8(stemPairs[stem % 5])) << y;
    EXPECT_EQ(U8(r.climateLine.text), U8(climates[branch % 6])) << y;
    EXPECT_EQ(U8(r.yearNotes[3].text), U8(maids[branch % 3]) + "  姑  把  蠶") << y;
    const std::u16string_view corners = cornerRows[((branch + 1) % 12) / 3];
    for (size_t i = 0; i < 8; ++i)
      EXPECT_EQ(U8(r.cornerWords[static_cast<size_t>(cornerIds[i] - 1201)].text), U8(corners.substr(i, 1)))
          << y << " cell " << cornerIds[i];
  }
}

// 2024: the second mansion is 奎, whose element is wood like every first
// mansion of a group of seven; 2023 brings 井 and 氐.
TEST(YearlyNotes, MansionsWithTheirElements) {
  const YearlyNotesRecord y2024 = Sheet(2024, 6, 15);
  EXPECT_EQ(U8(y2024.yearDutyMansion.text), "鬼金羊");
  EXPECT_EQ(U8(y2024.secondMansion.text), "奎木狼");
  const YearlyNotesRecord y2023 = Sheet(2023, 6, 15);
  EXPECT_EQ(U8(y2023.yearDutyMansion.text), "井木犴");
  EXPECT_EQ(U8(y2023.secondMansion.text), "氐土貉");
}

// A year whose Earth-Mother text is ours says so on every verse and oracle
// column that shows text; the two printed years (丙戌 2006, 甲子 1984) carry
// no such label, and no other label of the sheet has a tooltip.
TEST(YearlyNotes, EarthMotherColumnsSayWhenTheTextIsOurs) {
  struct Case {
    int year;
    bool ours;
  };
  for (const Case c : {Case{2026, true}, Case{2020, true}, Case{2006, false}, Case{1984, false}}) {
    SCOPED_TRACE(c.year);
    const YearlyNotesRecord r = Sheet(c.year, 6, 15);
    EXPECT_EQ(r.earthMotherIsOurs, c.ours);
    std::vector<const SheetLabel*> columns;
    for (const SheetLabel& l : r.verseLines) columns.push_back(&l);
    for (const SheetLabel& l : r.oracleLines) columns.push_back(&l);
    size_t labelled = 0;
    for (const SheetLabel* l : columns) {
      const bool wanted = c.ours && !l->text.empty();
      EXPECT_EQ(U8(l->tooltip), wanted ? U8(kOwnEarthMotherTip) : "") << U8(l->text);
      labelled += !l->tooltip.empty();
    }
    EXPECT_EQ(labelled > 0, c.ours);
    // The visible line says the same, for a screenshot or a print.
    EXPECT_EQ(U8(r.ownWritingLine.text), c.ours ? "本程式擬作" : "");
    for (const SheetLabel* l : r.Labels()) {
      if (std::find(columns.begin(), columns.end(), l) == columns.end()) {
        EXPECT_TRUE(l->tooltip.empty()) << U8(l->text);
      }
    }
  }
  EXPECT_EQ(U8(kOwnEarthMotherTip), "本年詩文為本程式擬作，非地母經原文");
}

TEST(YearlyNotes, BeforeTheLunarNewYearTheLunarItemsBelongToTheOldYear) {
  // 15 January 2006 is still in lunar 2005 (乙酉); the page hands " 乙酉 ".
  const YearlyNotesRecord early = Sheet(2006, 1, 15);
  const YearlyNotesRecord lunar2005 = Sheet(2005, 6, 1);
  const YearlyNotesRecord gregorian2006 = Sheet(2006, 5, 1);
  EXPECT_EQ(early.yearPosition, 22);
  EXPECT_EQ(early.lunarYear, 2005);
  EXPECT_EQ(U8(early.yearGodTitle.text), "太歲 乙酉 年");
  EXPECT_EQ(U8(early.yearGodName.text), "太歲姓蔣名崇");

  // Year god, Na Yin, verses, the year-notes column and the ox colours follow
  // the lunar year ...
  EXPECT_EQ(early.yearGodName.text, lunar2005.yearGodName.text);
  EXPECT_EQ(early.nayin.text, lunar2005.nayin.text);
  EXPECT_EQ(early.elements.text, lunar2005.elements.text);
  EXPECT_EQ(early.verseLines[0].text, lunar2005.verseLines[0].text);
  EXPECT_EQ(early.oracleLines[0].text, lunar2005.oracleLines[0].text);
  for (size_t i = 0; i < 5; ++i) EXPECT_EQ(early.yearNotes[i].text, lunar2005.yearNotes[i].text) << i;
  EXPECT_EQ(U8(early.springOx[2].text), "二寸 ，頭青身白腹黑角耳尾青色");
  EXPECT_EQ(early.stemPair.text, lunar2005.stemPair.text);
  EXPECT_EQ(early.climateLine.text, lunar2005.climateLine.text);

  // ... while the mansions, direction line, nine stars, the 立春 items and
  // the seasonal days follow the Gregorian year.
  EXPECT_EQ(early.yearDutyMansion.text, gregorian2006.yearDutyMansion.text);
  EXPECT_EQ(early.secondMansion.text, gregorian2006.secondMansion.text);
  EXPECT_EQ(early.directionLine.text, gregorian2006.directionLine.text);
  EXPECT_EQ(early.centreStar.text, gregorian2006.centreStar.text);
  EXPECT_EQ(early.lichunDayPillar, gregorian2006.lichunDayPillar);
  for (size_t i = 0; i < 12; ++i) EXPECT_EQ(early.seasonalDays[i].text, gregorian2006.seasonalDays[i].text) << i;
  EXPECT_NE(early.yearDutyMansion.text, lunar2005.yearDutyMansion.text);
}

TEST(YearlyNotes, EveryYearOfTheRangeIsComplete) {
  for (int y = kFirstTermYear; y <= kLastTermYear; ++y) {
    for (int month : {1, 12}) {
      const int day = month == 1 ? 1 : 31;
      const std::optional<YearlyNotesRecord> r = BuildYearlyNotes(y, month, day);
      ASSERT_TRUE(r.has_value()) << y;
      EXPECT_TRUE(r->complete) << y << "-" << month;
      EXPECT_EQ(r->yearGodName.text.size(), 6u) << y;
      EXPECT_FALSE(r->verseLines[0].text.empty()) << y;
      EXPECT_FALSE(r->oracleLines[0].text.empty()) << y;
      EXPECT_TRUE(r->lichunDayPillar.has_value()) << y;
      for (size_t i : {0, 1, 2, 4})
        EXPECT_NE(r->yearNotes[i].text.find_first_of(u"0123456789"), std::u16string::npos) << y << " " << i;
      // Every herdsman word fits in the seven columns.
      EXPECT_FALSE(r->springOx[11].text.empty()) << y;
      EXPECT_FALSE(r->climateLine.text.empty()) << y;
      for (const SheetLabel& t : r->cornerWords) EXPECT_EQ(t.text.size(), 1u) << y;
    }
    EXPECT_TRUE(ChartForYear(y).notShown.empty()) << y;
  }
}

TEST(SpringOx, EarFlapsByTheHourOfLichun) {
  EXPECT_EQ(U8(EarFlapsForHour(23)), "全戴");
  EXPECT_EQ(U8(EarFlapsForHour(0)), "全戴");
  EXPECT_EQ(U8(EarFlapsForHour(2)), "全戴");
  EXPECT_EQ(U8(EarFlapsForHour(3)), "全揭起左邊");
  EXPECT_EQ(U8(EarFlapsForHour(4)), "全揭起左邊");
  EXPECT_EQ(U8(EarFlapsForHour(21)), "揭起全右邊");
  EXPECT_EQ(U8(EarFlapsForHour(22)), "揭起全右邊");
  EXPECT_EQ(U8(EarFlapsForHour(7)), "左手提");
  EXPECT_EQ(U8(EarFlapsForHour(20)), "左手提");
  EXPECT_EQ(U8(EarFlapsForHour(5)), "右手提");
  EXPECT_EQ(U8(EarFlapsForHour(18)), "右手提");

  // Real 立春 moments: 1914 at 23:29, 1931 at 02:40, 1927 at 03:30, 1918 at 22:53.
  EXPECT_TRUE(Contains(ChartForYear(1914).herdsman[2].text, u"罨耳全戴"));
  EXPECT_TRUE(Contains(ChartForYear(1931).herdsman[2].text, u"罨耳全戴"));
  EXPECT_TRUE(Contains(ChartForYear(1927).herdsman[2].text, u"罨耳全揭起左邊"));
  EXPECT_TRUE(Contains(ChartForYear(1918).herdsman[2].text, u"罨耳揭起全右邊"));
}

TEST(SpringOx, HerdsmanPlaceAroundTheNewYear) {
  EXPECT_EQ(U8(HerdsmanPlace(-5)), "芒神忙與牛並立");
  EXPECT_EQ(U8(HerdsmanPlace(-6)), "芒神早忙 ，立於牛前");
  EXPECT_EQ(U8(HerdsmanPlace(5)), "芒神忙與牛並立");
  EXPECT_EQ(U8(HerdsmanPlace(6)), "芒神晚閑 ，立於牛後");
  EXPECT_EQ(U8(HerdsmanPlace(0)), "芒神忙與牛並立");

  // 立春 six days before the new year (1929), seven before (1918), four
  // after (1900) and five after (1930).
  const int years[4] = {1929, 1918, 1900, 1930};
  const int distance[4] = {-5, -6, 5, 6};
  const char16_t* place[4] = {u"並立", u"立於牛前", u"並立", u"立於牛後"};
  for (int i = 0; i < 4; ++i) {
    const SpringOxChart c = ChartForYear(years[i]);
    EXPECT_EQ(c.placeDistance, distance[i]) << years[i];
    std::u16string all;
    for (const SheetLabel& l : c.herdsman) all += l.text;
    EXPECT_TRUE(Contains(all, place[i])) << years[i] << " " << U8(all);
  }
}

// The inputs of 2006 (丙戌, 立春 on 4 February 07:27 a 甲子 day, new year on
// 29 January), with another year's pillar or 立春 day where a test says so.
SpringOxInputs Inputs2006(Pillar year = Pillar(Stem::kBing, Branch::kXu),
                          Pillar lichun = Pillar(Stem::kJia, Branch::kZi)) {
  SpringOxInputs in;
  in.year = year;
  in.lichunDay = lichun;
  in.lichunTime = ClockTime{7, 27};
  in.lichunDate = GregorianDate{2006, 2, 4};
  in.lunarNewYear = GregorianDate{2006, 1, 29};
  return in;
}

TEST(SpringOx, YangAndYinYearsAndTheHerdsmansAge) {
  SpringOxChart c = BuildSpringOxChart(Inputs2006());
  EXPECT_EQ(U8(c.ox[2].text), "脛黑蹄白色 ，尾左繳 ，口開 ，籠");
  EXPECT_EQ(U8(c.ox[3].text), "頭索用白色苧繩 ，踏板縣門左扇");
  EXPECT_EQ(U8(c.herdsman[0].text), "芒神高三尺六寸五分 ，面如童子");
  EXPECT_EQ(c.placeDistance, 7);

  // A 丁亥 year (Na Yin 土) with 立春 on a 庚辰 day.
  c = BuildSpringOxChart(Inputs2006(Pillar(Stem::kDing, Branch::kHai), Pillar(Stem::kGeng, Branch::kChen)));
  EXPECT_EQ(U8(c.ox[1].text), "二寸 ，頭紅身黑腹黃角耳尾白色");
  EXPECT_EQ(U8(c.ox[2].text), "脛黃蹄白色 ，尾右繳 ，口合 ，籠");
  EXPECT_EQ(U8(c.ox[3].text), "頭索用紅色絲繩 ，踏板縣門右扇");
  EXPECT_EQ(U8(c.herdsman[0].text), "芒神高三尺六寸五分 ，面如老人");
  EXPECT_EQ(U8(BuildSpringOxChart(Inputs2006(Pillar(Stem::kDing, Branch::kMao))).herdsman[0].text),
            "芒神高三尺六寸五分 ，面如少壯");
}

TEST(SpringOx, HerdsmanWordsFlowFromColumnToColumn) {
  // 甲子 (金) and 戊辰 (木): clothes and hair make exactly 16 characters.
  for (const Pillar pillar : {Pillar(Stem::kJia, Branch::kZi), Pillar(Stem::kWu, Branch::kChen)}) {
    const SpringOxChart c = BuildSpringOxChart(Inputs2006(Pillar(Stem::kBing, Branch::kXu), pillar));
    EXPECT_EQ(c.herdsman[1].text.size(), 16u) << U8(Name(pillar));
    EXPECT_EQ(c.herdsman[2].text.substr(0, 2), u"罨耳") << U8(Name(pillar));
  }
  const Pillar year(Stem::kBing, Branch::kXu);
  // 丙子 (水): the 18-character hair pushes 11 characters on.
  SpringOxChart c = BuildSpringOxChart(Inputs2006(year, Pillar(Stem::kBing, Branch::kZi)));
  EXPECT_EQ(U8(c.herdsman[1].text), "黃衣青腰帶 ，平梳兩髻 ，左髻在");
  EXPECT_EQ(U8(c.herdsman[2].text.substr(0, 13)), "耳前 ，右髻在耳後 ，罨耳");
  // 甲戌 (火): the same length, mirrored.
  c = BuildSpringOxChart(Inputs2006(year, Pillar(Stem::kJia, Branch::kXu)));
  EXPECT_EQ(U8(c.herdsman[1].text), "青衣白腰帶 ，平梳兩髻 ，右髻在");
  EXPECT_EQ(U8(c.herdsman[2].text.substr(0, 13)), "耳前 ，左髻在耳後 ，罨耳");
  // 丙戌 (土): one character, the blank before the comma, moves on.
  c = BuildSpringOxChart(Inputs2006(year, Pillar(Stem::kBing, Branch::kXu)));
  EXPECT_EQ(U8(c.herdsman[1].text), "青衣白腰帶 ，平梳兩髻在頂真上 ");
  EXPECT_EQ(U8(c.herdsman[2].text.substr(0, 4)), "，罨耳左");
  // Columns 4 and 5 show at most 15 characters, the others 16.
  for (size_t i = 1; i < 7; ++i) EXPECT_LE(c.herdsman[i].text.size(), i == 3 || i == 4 ? 15u : 16u) << i;
  std::u16string all;
  for (size_t i = 1; i < 7; ++i) all += c.herdsman[i].text;
  EXPECT_EQ(U8(all),
            "青衣白腰帶 ，平梳兩髻在頂真上 ，罨耳左手提 ，著褲 ，無行纏鞋子 ，鞭杖用柳枝 ，長二尺四寸五色"
            "絲結 ，芒神晚閑 ，立於牛後左邊 。");
}

// The dog days counted directly: the 庚 days from 夏至 (the third and the
// fourth) and from 立秋 (the first), by the cycle alone, whatever lunar month
// they fall in; a day in a leap month is written with 閏.
TEST(SeasonalDays, DogDaysAreCountedByTermAndStemOnly) {
  auto countGeng = [](int year, int month, int termDay, int n) {
    int seen = 0;
    for (int m = month;; ++m)
      for (int d = m == month ? termDay : 1; d <= DaysInSolarMonth(year, m); ++d) {
        CalendarDate c;
        if (SolarToLunar(year, m, d, c) <= 0 || c.dayPillar.stem() != Stem::kGeng || ++seen < n) continue;
        return U8(LunarMonthDayText(c.lunar)) + " 庚" + U8(Name(c.dayPillar.branch()));
      }
  };
  for (int year : {2009, 2012, 2020, 2023, 2025}) {
    const SeasonalDaysSheet s = BuildSeasonalDays(year);
    const int summer = TermDaysOfMonth(year, 6).second, autumn = TermDaysOfMonth(year, 8).first;
    EXPECT_EQ(U8(s.labels[4].text), "初伏日 ：農曆 " + countGeng(year, 6, summer, 3) + " 日") << year;
    EXPECT_EQ(U8(s.labels[5].text), "中伏日 ：農曆 " + countGeng(year, 6, summer, 4) + " 日") << year;
    EXPECT_EQ(U8(s.labels[6].text), "末伏日 ：農曆 " + countGeng(year, 8, autumn, 1) + " 日") << year;
  }
  // 2009 has a leap fifth month: 初伏 on 閏五月廿二 (14 July), 中伏 ten days on.
  const SeasonalDaysSheet y2009 = BuildSeasonalDays(2009);
  EXPECT_EQ(U8(y2009.labels[4].text), "初伏日 ：農曆 閏 5 月 22 庚申 日");
  EXPECT_EQ(U8(y2009.labels[5].text), "中伏日 ：農曆 6 月 3 庚午 日");
}

TEST(SeasonalDays, RealLeapMonthsAndTermDays) {
  // 1919 has a leap seventh month, which holds the fifth 戊 day after 立秋.
  std::optional<SeasonalDay> d = FindDayAfterTerm(1919, SolarTerm::kStartOfAutumn, Stem::kWu, 5);
  ASSERT_TRUE(d.has_value());
  EXPECT_EQ(U8(LunarMonthDayText(d->date)), "閏 7 月 30");  // 1919-09-23
  EXPECT_EQ(d->pillar.branch(), Branch::kYin);

  // 夏至 1916 falls on a 庚 day, which is itself the first 庚 day.
  const GregorianDate solstice = *TermDate(1916, SolarTerm::kSummerSolstice);
  CalendarDate c;
  ASSERT_GT(SolarToLunar(solstice.year, solstice.month, solstice.day, c), 0);
  ASSERT_EQ(c.dayPillar.stem(), Stem::kGeng);
  d = FindDayAfterTerm(1916, SolarTerm::kSummerSolstice, Stem::kGeng, 1);
  ASSERT_TRUE(d.has_value());
  EXPECT_EQ(d->date, c.lunar);

  // A branch search: the first 未 day from 小暑 2006 is a 丁未 day.
  d = FindDayAfterTerm(2006, SolarTerm::kMinorHeat, Branch::kWei, 1);
  ASSERT_TRUE(d.has_value());
  EXPECT_EQ(d->pillar.stem(), Stem::kDing);
  EXPECT_FALSE(FindDayAfterTerm(2006, SolarTerm::kMinorHeat, Branch::kWei, 0).has_value());
  EXPECT_FALSE(FindDayAfterTerm(1899, SolarTerm::kMinorHeat, Branch::kWei, 1).has_value());

  // 2014: nine days after 立冬 is in the leap ninth month.
  const SeasonalDaysSheet s = BuildSeasonalDays(2014);
  EXPECT_TRUE(s.complete);
  EXPECT_EQ(U8(s.labels[10].text), "入液 ：農曆 閏 9 月 24 辛卯 日");
  EXPECT_EQ(U8(s.labels[11].text), "出液 ：農曆 10 月 1 丁酉 日");
  EXPECT_EQ(U8(s.labels[9].text), "出霉 ：農曆 6 月 15 癸未 日");
  EXPECT_EQ(s.labels[10].colour, kNavy);
  EXPECT_EQ(s.labels[4].colour, kSheetOlive);
  EXPECT_EQ(s.labels[1].colour, kGreen);
  EXPECT_EQ(U8(s.labels[0].text), "日社");
  EXPECT_EQ(U8(s.labels[3].text), "日伏三");
  EXPECT_EQ(U8(s.labels[7].text), "雨 液 雨 霉");
}

TEST(SeasonalDays, DogDaysOfAYear) {
  const SeasonalDaysSheet s = BuildSeasonalDays(2006);
  EXPECT_EQ(U8(s.labels[4].text), "初伏日 ：農曆 6 月 25 庚戌 日");
  EXPECT_EQ(U8(s.labels[5].text), "中伏日 ：農曆 7 月 6 庚申 日");
  EXPECT_EQ(U8(s.labels[6].text), "末伏日 ：農曆 7 月 16 庚午 日");
  EXPECT_EQ(U8(s.labels[8].text), "入霉 ：農曆 5 月 11 丙寅 日");
}

}  // namespace
}  // namespace lunisol
