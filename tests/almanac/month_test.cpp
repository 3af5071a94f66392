#include "almanac/month.h"

#include <gtest/gtest.h>

#include "almanac/festivals.h"
#include "almanac/lookups.h"
#include "almanac/rules.h"
#include "almanac/tables.h"
#include "calendar/convert.h"
#include "calendar/moon_phases.h"
#include "calendar/names.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "tests/text_checks.h"

namespace lunisol {
namespace {

using namespace colours;

struct Evaluated {
  YearData data;
  MonthTermState terms;
  MonthAlmanac month;
};

// The month without moon-phase lines, whose place in noteA the tests below
// work out by hand; the phase lines have tests of their own.
Evaluated Evaluate(int year, int month) {
  Evaluated e;
  LoadYearData(e.data, year, {});
  e.data.moon = {};
  e.month = EvaluateMonth(year, month, e.data, e.terms);
  return e;
}

const MonthColumn& DayColumn(const MonthAlmanac& m, int day) {
  for (const MonthColumn& c : m.columns)
    if (c.kind == ColumnKind::kDay && c.day == day) return c;
  static MonthColumn none;
  ADD_FAILURE() << "no column for day " << day;
  return none;
}

bool Has(const std::u16string& text, std::u16string_view part) { return Contains(text, part); }

// The term in force on a date, worked out from the term table alone.
SolarTerm TermInForce(int y, int m, int d) {
  const uint8_t b = SolarTermTable[static_cast<size_t>(y - 1900)][static_cast<size_t>(m - 1)];
  if (d >= 15 + (b & 15)) return TermAt(2 * m - 1);
  if (d >= 15 - (b >> 4)) return TermAt(2 * m - 2);
  return TermAt(2 * m - 3);
}

TEST(MonthLayout, TwentyEightDayFebruaryWithTermsOnFourAndNineteen) {
  int year = 0;
  for (int y = 1901; y <= 2100 && !year; ++y) {
    const uint8_t b = SolarTermTable[static_cast<size_t>(y - 1900)][1];
    if (!IsGregorianLeapYear(y) && 15 - (b >> 4) == 4 && 15 + (b & 15) == 19) year = y;
  }
  ASSERT_NE(year, 0);
  const Evaluated e = Evaluate(year, 2);
  const auto& cols = e.month.columns;
  EXPECT_EQ(cols[4].kind, ColumnKind::kTerm);   // column 5
  EXPECT_EQ(cols[20].kind, ColumnKind::kTerm);  // column 21
  EXPECT_FALSE(cols[4].visible);
  for (int c = 1; c <= 4; ++c) EXPECT_EQ(cols[static_cast<size_t>(c - 1)].day, c);
  for (int c = 6; c <= 20; ++c) EXPECT_EQ(cols[static_cast<size_t>(c - 1)].day, c - 1);
  for (int c = 22; c <= 30; ++c) EXPECT_EQ(cols[static_cast<size_t>(c - 1)].day, c - 2);
  for (int c = 31; c <= 33; ++c) {
    EXPECT_EQ(cols[static_cast<size_t>(c - 1)].kind, ColumnKind::kEmpty);
    EXPECT_FALSE(cols[static_cast<size_t>(c - 1)].visible);
  }
  EXPECT_EQ(e.month.termBars[0].column, 5);
  EXPECT_EQ(e.month.termBars[1].column, 21);
  EXPECT_EQ(e.month.termBars[0].name.text, u"立春");
  EXPECT_EQ(e.month.termBars[1].name.text, u"雨水");
}

TEST(MonthLayout, ThirtyOneDayMonthUsesAllColumns) {
  const Evaluated e = Evaluate(2009, 8);
  int days = 0, termColumns = 0;
  for (const MonthColumn& c : e.month.columns) {
    EXPECT_NE(c.kind, ColumnKind::kEmpty);
    days += c.kind == ColumnKind::kDay;
    termColumns += c.kind == ColumnKind::kTerm;
  }
  EXPECT_EQ(days, 31);
  EXPECT_EQ(termColumns, 2);
  EXPECT_EQ(e.month.columns[32].day, 31);
  // 立秋 on 7 August, 處暑 on the 23rd: their columns follow their days.
  EXPECT_EQ(e.month.columns[7].kind, ColumnKind::kTerm);
  EXPECT_EQ(e.month.columns[24].kind, ColumnKind::kTerm);
  EXPECT_EQ(e.terms.firstTermDay, 7);
  EXPECT_EQ(e.terms.secondTerm, SolarTerm::kEndOfHeat);
  EXPECT_EQ(e.month.termBars[0].timeText.text, TermTimeText(*TermTime(2009, SolarTerm::kStartOfAutumn)));
  EXPECT_EQ(e.month.windowTitle, std::u16string(u"Lunisol 農民曆 (1900 ~ 2100) { ") +
                                     std::u16string(kSolarTermDescriptions[14]) + u" }，{ " +
                                     std::u16string(kSolarTermDescriptions[15]) + u" }");
}

TEST(MonthTitles, EraYearsAndTheSelectorsMonthText) {
  EXPECT_EQ(Evaluate(2009, 3).month.gregorianTitle.text, u"國曆 98 年  3 月");
  EXPECT_EQ(Evaluate(1911, 12).month.gregorianTitle.text, u"宣統 3 年 12 月");
  EXPECT_EQ(Evaluate(1912, 1).month.gregorianTitle.text, u"國曆 1 年  1 月");
  EXPECT_EQ(Evaluate(1900, 5).month.gregorianTitle.text, u"光緒 26 年  5 月");
  EXPECT_EQ(Evaluate(1909, 7).month.gregorianTitle.text, u"宣統 元年  7 月");
  EXPECT_EQ(Evaluate(1910, 10).month.gregorianTitle.text, u"宣統 2 年 10 月");
  EXPECT_EQ(Evaluate(2009, 3).month.gregorianTitle.colour, kBlue);
}

TEST(MonthTitles, MonthAcrossTheLunarNewYear) {
  // 26 January 2009 is lunar 1/1 of 己丑: the title names the first day's
  // year (戊子) with the last day's animal (牛).
  const Evaluated e = Evaluate(2009, 1);
  EXPECT_EQ(e.month.lunarTitle.text, u"農曆 戊子 年 12 月 6 日 至 1 月 6 日 ，生肖 : 牛 ，丙寅 月 ，月煞 : 北方");
  EXPECT_EQ(e.month.lunarTitle.colour, kRed);
  EXPECT_EQ(e.month.proverbLine.text, kTermProverbs[0]);
  const MonthColumn& newYear = DayColumn(e.month, 26);
  EXPECT_EQ(newYear.record.noteA.text, u"農曆 1 月丙寅");
  EXPECT_TRUE(Has(newYear.record.noteB.text, u"春節"));
  EXPECT_TRUE(Has(DayColumn(e.month, 25).record.noteB.text, u"除夕"));
}

TEST(MonthTitles, LeapMonthLinesAndTitleDates) {
  const Evaluated e = Evaluate(2009, 6);
  const MonthColumn& first = DayColumn(e.month, 23);  // leap 5/1
  EXPECT_EQ(first.record.noteA.text.substr(0, 9), u"農曆閏 5 月庚午");
  EXPECT_TRUE(Has(e.month.lunarTitle.text, u"至 閏 5 月 8 日"));
  // No lunar festival and no 九毒日 in a leap month: leap 5/5 is 27 June.
  const MonthColumn& fifth = DayColumn(e.month, 27);
  EXPECT_EQ(fifth.record.lunarDayText.text, u"五初");
  EXPECT_FALSE(Has(fifth.record.noteB.text, u"端午"));
  EXPECT_FALSE(Has(fifth.record.warningC.text + fifth.record.warningD.text, u"九毒日"));
  EXPECT_FALSE(Has(fifth.record.noteA.text, u"楊公忌日"));
}

// The title texts a reader sees every month: the two term descriptions in
// the window title and the month's weather proverb.
TEST(MonthTitles, TermDescriptionsAndProverbReadAsWritten) {
  const std::u16string february = Evaluate(2024, 2).month.windowTitle;
  EXPECT_TRUE(Has(february, u"大寒後十五日，斗指東北維，為立春，時春氣始至")) << ToUtf8(february);
  const std::u16string november = Evaluate(2024, 11).month.windowTitle;
  EXPECT_TRUE(Has(november, u"斗指己，斯時天一積陰，寒未深而雪未大，故名小雪也")) << ToUtf8(november);
  const std::u16string december = Evaluate(2024, 12).month.windowTitle;
  EXPECT_TRUE(Has(december, u"時陰極之至，陽氣始至，日行南至，北半球，晝最短而夜最長也")) << ToUtf8(december);
  EXPECT_TRUE(Has(Evaluate(2024, 5).month.proverbLine.text, u"寄生蝗蟲損稻禾"));
}

// The 離 palace row of the day hexagrams, as the day cells show it: 離 (not
// the simplified 离) and 家 for 家人.
TEST(MonthEvaluation, HexagramCellsOfTheLiPalace) {
  bool li = false, family = false;
  for (int m = 1; m <= 12 && !(li && family); ++m) {
    const Evaluated e = Evaluate(2024, m);
    for (const MonthColumn& c : e.month.columns) {
      if (c.kind != ColumnKind::kDay) continue;
      const DayAlmanacRecord& r = c.record;
      if (r.hexagramPairText.text == u"三三") {
        li = true;
        EXPECT_EQ(ToUtf8(r.hexagramNameText.text), "離一");
      }
      if (r.hexagramPairText.text == u"六三") {
        family = true;
        EXPECT_EQ(ToUtf8(r.hexagramNameText.text), "家四");
      }
    }
  }
  EXPECT_TRUE(li && family);
}

// Three days of May 2009 worked out by hand from the tables and rules.
TEST(MonthEvaluation, MayTwoThousandNineByHand) {
  const Evaluated e = Evaluate(2009, 5);
  EXPECT_EQ(e.month.lunarTitle.text, u"農曆 己丑 年 4 月 7 日 至 5 月 8 日 ，生肖 : 牛 ，庚午 月 ，月煞 : 北方");
  {
    // 9 May: 甲寅, lunar 4/15, Saturday, 胃, summer since 立夏 (5 May).
    const DayAlmanacRecord& r = DayColumn(e.month, 9).record;
    EXPECT_EQ(r.dayNumberText.colour, kRed);
    EXPECT_EQ(r.weekdayText.text, u"六");
    EXPECT_EQ(r.dayPillarText.text, u"寅甲");
    EXPECT_EQ(r.dayPillarText.colour, kGreen);
    EXPECT_EQ(r.naYinText.text, u"水");
    EXPECT_EQ(r.naYinText.colour, kNavy);
    EXPECT_EQ(r.noteA.text, u"刀砧 ，探病凶日");  // summer 寅 day; 甲寅 visiting the sick
    EXPECT_EQ(r.officerText.text, u"收");         // 寅 − 巳 (month of 立夏)
    EXPECT_EQ(r.officerText.colour, kDarkGrey);
    EXPECT_EQ(r.lunarDayText.text, u"五十");
    EXPECT_EQ(r.lunarDayText.colour, kRed);
    EXPECT_EQ(r.mansionText.text, u"胃");
    EXPECT_EQ(r.mansionText.colour, kOlive);
    EXPECT_EQ(r.joyGodText.text, u"東北");
    EXPECT_EQ(r.wealthGodText.text, u"東南");
    EXPECT_EQ(r.luckyHoursFirst.text, u"丑寅");
    EXPECT_EQ(r.fetusGodPlace.text, u"占門爐");
    EXPECT_EQ(r.fetusGodDirection.colour, kDarkGreen);
    EXPECT_EQ(r.clashText.text, u"沖猴42");
    EXPECT_EQ(r.yearShaText.text, u"歲煞北");
    EXPECT_TRUE(r.warningC.text.empty());
  }
  {
    // 26 May: 辛未, lunar 5/3, Tuesday, 尾: 麒麟日 in summer lands in noteB.
    const MonthColumn& c = DayColumn(e.month, 26);
    const DayAlmanacRecord& r = c.record;
    EXPECT_EQ(r.noteA.text, u"");
    EXPECT_EQ(r.noteB.text, u"麒麟日");
    EXPECT_EQ(r.noteB.colour, kRed);
    EXPECT_EQ(r.dayPillarText.text, u"未辛");
    EXPECT_EQ(r.dayPillarText.colour, kDarkGrey);
    EXPECT_EQ(r.naYinText.text, u"土");
    EXPECT_EQ(r.officerText.text, u"滿");
    EXPECT_EQ(r.officerText.colour, kGreen);
    EXPECT_EQ(r.mansionText.text, u"尾");
    EXPECT_EQ(r.mansionText.colour, kGreen);  // follows the lunar day
    EXPECT_EQ(r.luckyHoursFirst.text, u"寅卯");
    EXPECT_EQ(r.luckyHoursSecond.text, u"午申");
    EXPECT_EQ(r.luckyHoursSecond.colour, kMaroon);
    EXPECT_EQ(r.joyGodText.colour, kPink);
    EXPECT_EQ(r.dayCodeText.text, u"3九");
    EXPECT_EQ(r.clashText.text, u"沖牛25");
    EXPECT_EQ(r.clashText.colour, kOlive);
    EXPECT_EQ(r.yearShaText.text, u"歲煞西");
    EXPECT_EQ(r.yearShaText.colour, kDarkGrey);
    EXPECT_TRUE(r.warningC.text.empty() && r.warningD.text.empty());
    EXPECT_EQ(c.tooltips, (std::array<std::u16string, 4>{}));
  }
  {
    // 28 May: 癸酉, lunar 5/5 (端午), Thursday, 斗.
    const MonthColumn& c = DayColumn(e.month, 28);
    const DayAlmanacRecord& r = c.record;
    EXPECT_EQ(r.noteA.text, u"楊公忌日");
    EXPECT_EQ(r.noteB.text.substr(0, 3), u"端午節");
    EXPECT_EQ(r.warningC.text, u"九毒日 ! 不宜行房縱慾");
    EXPECT_EQ(r.officerText.text, u"定");
    EXPECT_EQ(r.clashText.text, u"沖兔23");
    EXPECT_EQ(r.clashText.colour, kGreen);
    EXPECT_EQ(r.mansionText.text, u"斗");
    EXPECT_EQ(c.tooltips[1], r.noteB.text);  // longer than 10 characters
    EXPECT_EQ(c.tooltips[0], u"");
  }
  // 立夏 on 5 May puts 四絕日 on the 4th.
  EXPECT_EQ(DayColumn(e.month, 4).record.warningC.text, u"四絕日 ! 用事慎之");
  EXPECT_EQ(DayColumn(e.month, 5).record.noteA.text, u"立夏");
}

// Every month of the range: the evaluation completes, the season rules
// follow the term in force on each day (its own term on a term day), and
// with no moon-phase file every phase of the month shows on its day.
TEST(MonthEvaluation, EveryMonthCompletesAndFollowsTheTermInForce) {
  for (int y = 1900; y <= 2100; ++y) {
    YearData data;
    LoadYearData(data, y, {});
    for (int m = 1; m <= 12; ++m) {
      MonthTermState terms;
      const MonthAlmanac month = EvaluateMonth(y, m, data, terms);
      ASSERT_FALSE(month.lunarTitle.text.empty()) << y << "-" << m;
      ASSERT_FALSE(month.proverbLine.text.empty());
      const MonthMoonPhases phases = MoonPhasesOfMonth(y, m);
      for (int i = 0; i < phases.count; ++i) {
        const MoonPhaseEvent& p = phases.moments[static_cast<size_t>(i)];
        const std::u16string_view label[] = {u"望 ", u"下弦 ", u"朔 ", u"上弦 "};
        ASSERT_TRUE(Has(DayColumn(month, p.day).record.noteA.text, label[Index(p.phase)]))
            << y << "-" << m << "-" << p.day;
      }
      ASSERT_EQ(terms.secondTerm, TermAt(2 * m - 1));
      for (size_t i = 0; i < 33; ++i) {
        const MonthColumn& c = month.columns[i];
        if (c.kind != ColumnKind::kDay) continue;
        const DayAlmanacRecord& r = c.record;
        ASSERT_EQ(r.lunarDayText.text.size(), 2u) << y << "-" << m << "-" << c.day;
        ASSERT_EQ(r.nineStarText.text.size(), 2u) << y << "-" << m << "-" << c.day;
        ASSERT_FALSE(r.hexagramPairText.text.empty());
        CalendarDate d;
        ASSERT_GT(SolarToLunar(y, m, c.day, d), 0);
        const SolarTerm t = TermInForce(y, m, c.day);
        const Branch branch = d.dayPillar.branch();
        ASSERT_EQ(Has(r.noteA.text, u"刀砧"), IsDaoZhen(t, branch)) << y << "-" << m << "-" << c.day;
        ASSERT_EQ(Has(r.warningC.text + r.warningD.text, u"日逢受死日"), IsDeathDay(t, branch))
            << y << "-" << m << "-" << c.day;
        ASSERT_EQ(Has(r.warningC.text + r.warningD.text, u"正紅紗日"), IsRedGauzeDay(t, branch));
        ASSERT_EQ(Has(r.noteA.text + r.noteB.text, u"天赦日"), IsPardonDay(t, d.dayPillar));
        // Tooltips show every text too long for its cell, including
        // warnings a following term day added to this column afterwards.
        const std::array<std::u16string, 4> tips{
            r.noteA.text.size() > 14 ? r.noteA.text : u"", r.noteB.text.size() > 10 ? r.noteB.text : u"",
            r.warningC.text.size() > 14 ? r.warningC.text : u"", r.warningD.text.size() > 10 ? r.warningD.text : u""};
        ASSERT_EQ(c.tooltips, tips) << y << "-" << m << "-" << c.day;
      }
      // 四絕/四離 go to the day before each of the two term days.
      for (const int termDay : {terms.firstTermDay, terms.secondTermDay}) {
        const SolarTerm t = TermInForce(y, m, termDay);
        const std::u16string_view w = EveOfTermWarning(t);
        if (w.empty()) continue;
        const DayAlmanacRecord& before = DayColumn(month, termDay - 1).record;
        ASSERT_TRUE(Has(before.warningC.text + before.warningD.text, w)) << y << "-" << m;
      }
    }
  }
}

TEST(MonthEvaluation, TheYearEndCarriesNewYearsEveWithAnyOwnFestival) {
  // Find a lunar year whose month 12 has 29 days and one with 30.
  bool seen29 = false, seen30 = false;
  for (int ly = 1950; ly < 2050 && !(seen29 && seen30); ++ly) {
    CalendarDate first;
    ASSERT_GT(LunarToSolar({ly + 1, 1, false, 1}, first), 0);
    // The day before lunar 1/1 of the next year.
    const auto [y, m, d] = CivilDate(CivilDayNumber(first.solar) - 1);
    CalendarDate eve;
    ASSERT_GT(SolarToLunar(y, m, d, eve), 0);
    if (eve.lunar.month != 12 || eve.lunar.leap) continue;
    const Evaluated e = Evaluate(y, m);
    const std::u16string& noteB = DayColumn(e.month, d).record.noteB.text;
    if (eve.lunar.day == 29 && !seen29) {
      seen29 = true;
      const std::u16string own = *LunarFestival({ly, 12, false, 29}, false);
      EXPECT_EQ(noteB, own + u" ，除夕") << ly;
    } else if (eve.lunar.day == 30 && !seen30) {
      seen30 = true;
      EXPECT_EQ(noteB, u"除夕") << ly;
    }
    // The day before is not the eve.
    if (d > 1) {
      EXPECT_FALSE(Has(DayColumn(e.month, d - 1).record.noteB.text, u"除夕"));
    }
  }
  EXPECT_TRUE(seen29 && seen30);
}

// The page names a Gregorian observance only in the years it was kept:
// 國慶日 from 1912, 教師節 from 1952.
TEST(MonthEvaluation, ObservancesFromTheirFirstYear) {
  auto noteA = [](int year, int month, int day) {
    return DayColumn(Evaluate(year, month).month, day).record.noteA.text;
  };
  EXPECT_FALSE(Has(noteA(1911, 10, 10), u"國慶日"));
  EXPECT_TRUE(Has(noteA(1912, 10, 10), u"國慶日"));
  EXPECT_FALSE(Has(noteA(1951, 9, 28), u"教師節"));
  EXPECT_TRUE(Has(noteA(1952, 9, 28), u"教師節"));
}

TEST(MonthEvaluation, MoonPhaseLinesAndDatedNotesFromTheYearFile) {
  YearData data;
  LoadYearData(data, 2009, {});
  // A new moon on the same day as the full moon: 望 comes first in a month's
  // list and wins.
  data.moon.phases = {
      {MoonPhase::kFull, 5, 9, {17, 1}}, {MoonPhase::kNew, 5, 24, {12, 11}}, {MoonPhase::kNew, 5, 9, {18, 0}}};
  data.moon.notes = DatedNotes({u"0526 颱風假", u"0526x第二則", u"1231 別的日子", u"05x6 無日"});
  MonthTermState terms;
  const MonthAlmanac m = EvaluateMonth(2009, 5, data, terms);
  EXPECT_EQ(DayColumn(m, 9).record.noteA.text, u"刀砧 ，望 17時 01分");
  EXPECT_TRUE(Has(DayColumn(m, 9).record.noteA.text, u"望 17時 01分"));
  EXPECT_FALSE(Has(DayColumn(m, 9).record.noteA.text, u"朔"));
  // noteA is now longer than six characters, so 探病凶日 cannot join it and
  // noteB (a festival) is taken: the label is not shown.
  EXPECT_FALSE(Has(DayColumn(m, 9).record.noteA.text + DayColumn(m, 9).record.noteB.text, u"探病凶日"));
  EXPECT_EQ(DayColumn(m, 24).record.noteA.text, u"農曆 5 月庚午 ，朔 12時 11分");
  const DayAlmanacRecord& r26 = DayColumn(m, 26).record;
  EXPECT_EQ(r26.warningC.text, u"颱風假");
  EXPECT_EQ(r26.warningD.text, u"第二則");
}

TEST(Rules, AppendNoteAndAppendWarningPlacement) {
  DayAlmanacRecord r;
  r.noteB.colour = kBlack;
  AppendNote(r, u"氣往亡日");
  EXPECT_EQ(r.noteA.text, u"");
  EXPECT_EQ(r.noteB.text, u"氣往亡日");
  EXPECT_EQ(r.noteB.colour, kRed);
  AppendNote(r, u"天赦日");
  EXPECT_EQ(r.noteA.text, u"天赦日");
  AppendNote(r, u"麒麟日");  // 3 < 4: still the shorter one
  EXPECT_EQ(r.noteA.text, u"天赦日 ，麒麟日");

  DayAlmanacRecord w;
  w.warningC.text = u"日逢月破日大凶不宜諸吉事";
  AppendWarning(w, u"");
  EXPECT_TRUE(w.warningD.text.empty());
  AppendWarning(w, u"九毒日 ! 不宜行房縱慾");
  EXPECT_EQ(w.warningD.text, u"九毒日 ! 不宜行房縱慾");
  AppendWarning(w, u"月盈逢牛宿係真滅沒日大凶勿取");  // equal lengths: D
  EXPECT_EQ(w.warningD.text, u"九毒日 ! 不宜行房縱慾 ,月盈逢牛宿係真滅沒日大凶勿取");
  AppendWarning(w, u"正紅紗日 ! 宜事少取");
  EXPECT_EQ(w.warningC.text, u"日逢月破日大凶不宜諸吉事 ,正紅紗日 ! 宜事少取");
}

TEST(Rules, TablesAndBoundaries) {
  using enum SolarTerm;
  EXPECT_TRUE(IsDeathDay(kMinorCold, Branch::kYou));
  EXPECT_TRUE(IsDeathDay(kWinterSolstice, Branch::kMao));
  EXPECT_FALSE(IsDeathDay(kMajorSnow, Branch::kYou));
  EXPECT_EQ(SeasonOf(kMajorCold), Season::kWinter);
  EXPECT_EQ(SeasonOf(kStartOfSpring), Season::kSpring);
  EXPECT_EQ(SeasonOf(kStartOfSummer), Season::kSummer);
  EXPECT_EQ(SeasonOf(kFrostsDescent), Season::kAutumn);
  EXPECT_EQ(SeasonOf(kStartOfWinter), Season::kWinter);
  EXPECT_TRUE(IsYangGongDay({2009, 1, false, 13}));
  EXPECT_TRUE(IsYangGongDay({2009, 7, false, 29}));
  EXPECT_FALSE(IsYangGongDay({2009, 1, true, 13}));
  EXPECT_FALSE(IsYangGongDay({2009, 1, false, 14}));
  EXPECT_TRUE(IsNinePoisonDay({2009, 5, false, 27}));
  EXPECT_FALSE(IsNinePoisonDay({2009, 5, false, 28}));
  EXPECT_FALSE(IsNinePoisonDay({2009, 5, true, 5}));
  EXPECT_TRUE(IsRedGauzeDay(kMinorCold, Branch::kChou));
  EXPECT_FALSE(IsRedGauzeDay(kMinorHeat, Branch::kChou));  // 小暑 is not in the rule
  EXPECT_FALSE(IsRedGauzeDay(kClearAndBright, Branch::kYin));
  EXPECT_TRUE(IsVisitingSickDay(Pillar(Stem::kRen, Branch::kYin)));
  EXPECT_TRUE(IsVisitingSickDay(Pillar(Stem::kJi, Branch::kMao)));
  EXPECT_FALSE(IsVisitingSickDay(Pillar(Stem::kJia, Branch::kZi)));
  EXPECT_EQ(TrueExtinctionText(MoonPhase::kNew, Mansion::kHorn, 15), u"朔日逢角宿係真滅沒日大凶勿取");
  EXPECT_EQ(TrueExtinctionText(std::nullopt, Mansion::kOx, 15), u"月盈逢牛宿係真滅沒日大凶勿取");
  EXPECT_EQ(TrueExtinctionText(MoonPhase::kFirstQuarter, Mansion::kEmptiness, 8), u"弦日逢虛宿係真滅沒日大凶勿取");
  EXPECT_EQ(TrueExtinctionText(MoonPhase::kLastQuarter, Mansion::kEmptiness, 23), u"弦日逢虛宿係真滅沒日大凶勿取");
  EXPECT_EQ(TrueExtinctionText(std::nullopt, Mansion::kGhost, 29), u"月虛逢鬼宿係真滅沒日大凶勿取");
  EXPECT_EQ(TrueExtinctionText(MoonPhase::kFull, Mansion::kHorn, 15), u"");
  EXPECT_EQ(TrueExtinctionText(std::nullopt, Mansion::kGhost, 28), u"");
  EXPECT_EQ(UnicornPhoenixDay(kSpringEquinox, Mansion::kWell), u"麒麟日");
  EXPECT_EQ(UnicornPhoenixDay(kSpringEquinox, Mansion::kRooftop), u"鳳凰日");
  EXPECT_EQ(UnicornPhoenixDay(kMinorCold, Mansion::kNet), u"鳳凰日");
  EXPECT_EQ(UnicornPhoenixDay(kStartOfSummer, Mansion::kWell), u"");
  EXPECT_TRUE(IsPardonDay(kWinterSolstice, Pillar(0)));
  EXPECT_FALSE(IsPardonDay(kStartOfSpring, Pillar(0)));
  EXPECT_EQ(EveOfTermWarning(kStartOfSummer), u"四絕日 ! 用事慎之");
  EXPECT_EQ(EveOfTermWarning(kWinterSolstice), u"四離日 ! 宜事少取用");
  EXPECT_EQ(EveOfTermWarning(kGrainBuds), u"");

  DayAlmanacRecord r;
  r.noteA.text = u"1234567";
  r.noteB.text = u"節";
  PlaceVisitingSickLabel(r);
  EXPECT_EQ(r.noteA.text, u"1234567");
  EXPECT_EQ(r.noteB.text, u"節");
  r.noteA.text = u"123456";
  PlaceVisitingSickLabel(r);
  EXPECT_EQ(r.noteA.text, u"123456 ，探病凶日");
}

}  // namespace
}  // namespace lunisol
