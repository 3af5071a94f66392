#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <string_view>

#include "calendar/convert.h"
#include "calendar/names.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"
#include "calendar/text.h"

namespace lunisol {
namespace {

CalendarDate Solar(int y, int m, int d, int* result = nullptr) {
  CalendarDate date;
  const int r = SolarToLunar(y, m, d, date);
  if (result) *result = r;
  return date;
}

// The month negative for a leap month, as the tests' tables write it.
CalendarDate Lunar(int y, int m, int d, int* result = nullptr) {
  CalendarDate date;
  const int r = LunarToSolar(LunarDateFromSigned(y, m, d), date);
  if (result) *result = r;
  return date;
}

int Month(const CalendarDate& d) { return SignedMonth(d.lunar); }

TEST(LunarYearTable, BindingRows) {
  struct Row {
    int year, eve, leap, weekday, cycle;
    std::array<int32_t, 13> big;
  };
  const Row rows[] = {{1899, 40, 0, 6, 4, {1, 0, 1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 0}},
                      {1900, 30, 8, 0, 9, {0, 1, 0, 0, 1, 0, 1, 1, 0, 1, 1, 0, 1}},
                      {2009, 25, 5, 3, 41, {1, 1, 0, 0, 1, 0, 0, 1, 0, 1, 0, 1, 1}},
                      {2033, 30, 11, 5, 47, {0, 1, 0, 0, 1, 0, 1, 0, 1, 1, 1, 0, 1}},
                      {2100, 39, 0, 4, 38, {1, 1, 0, 1, 0, 1, 0, 1, 0, 0, 1, 0, 1}}};
  for (const Row& r : rows) {
    const LunarYearRow& row = LunarRow(r.year);
    EXPECT_EQ(row.newYearEve, r.eve) << r.year;
    EXPECT_EQ(row.leapMonth, r.leap) << r.year;
    EXPECT_EQ(row.weekdayBase, r.weekday) << r.year;
    EXPECT_EQ(row.cycleBase, r.cycle) << r.year;
    EXPECT_EQ(row.bigMonth, r.big) << r.year;
  }
}

TEST(LunarYearTable, RowsTileTheGregorianCalendarWithContinuousBases) {
  int leapRows = 0;
  for (int y = kFirstLunarYear; y <= kLastLunarYear; ++y) {
    const LunarYearRow& row = LunarRow(y);
    EXPECT_GE(row.newYearEve, 20) << y;
    EXPECT_LE(row.newYearEve, 50) << y;
    if (row.leapMonth != 0) {
      ++leapRows;
      EXPECT_GE(row.leapMonth, 2) << y;
      EXPECT_LE(row.leapMonth, 11) << y;
    }
    const int months = row.leapMonth ? 13 : 12;
    const int length = std::accumulate(row.bigMonth.begin(), row.bigMonth.begin() + months, 29 * months);
    if (row.leapMonth) {
      EXPECT_TRUE(length >= 383 && length <= 385) << y;
    } else {
      EXPECT_TRUE(length >= 353 && length <= 355) << y;
    }
    if (y == kLastLunarYear) continue;
    const LunarYearRow& next = LunarRow(y + 1);
    const int yearDays = 365 + IsGregorianLeapYear(y);
    EXPECT_EQ(row.newYearEve + length, yearDays + next.newYearEve) << y;
    EXPECT_EQ((row.weekdayBase + yearDays) % 7, next.weekdayBase) << y;
    EXPECT_EQ((row.cycleBase + yearDays) % 60, next.cycleBase) << y;
  }
  EXPECT_EQ(leapRows, 74);
}

TEST(SolarTermTables, BindingRowsAndTimes) {
  const std::array<uint8_t, 12> r1900{0x95, 0xB4, 0x96, 0xA5, 0x96, 0x97, 0x88, 0x78, 0x78, 0x69, 0x78, 0x87};
  const std::array<uint8_t, 12> r2009{0xA5, 0xB3, 0xA5, 0xB5, 0xA6, 0xA6, 0x88, 0x88, 0x88, 0x78, 0x87, 0x87};
  const std::array<uint8_t, 12> r2100{0xA5, 0xB3, 0xA5, 0xA5, 0xA6, 0xA6, 0x88, 0x88, 0x88, 0x78, 0x87, 0x87};
  EXPECT_EQ(SolarTermTable[0], r1900);
  EXPECT_EQ(SolarTermTable[2009 - 1900], r2009);
  EXPECT_EQ(SolarTermTable[200], r2100);
  const ClockTime t1900[] = {{2, 3}, {19, 32}, {13, 51}, {10, 1}};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(TermTime(1900, TermAt(i)), t1900[i]);
  const ClockTime t2009[] = {{13, 14}, {6, 40}, {0, 49}};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(TermTime(2009, TermAt(i)), t2009[i]);
  const ClockTime t2100[] = {{14, 8}, {9, 39}, {3, 50}};
  for (int i = 0; i < 3; ++i) EXPECT_EQ(TermTime(2100, TermAt(21 + i)), t2100[i]);
  EXPECT_FALSE(TermTime(1899, SolarTerm::kWinterSolstice));
  EXPECT_FALSE(TermTime(2101, SolarTerm::kMinorCold));
}

TEST(SolarTermTables, EveryTermDayAndTimeIsWellFormed) {
  for (const auto& row : SolarTermTable)
    for (uint8_t b : row) {
      EXPECT_TRUE(15 - (b >> 4) >= 3 && 15 - (b >> 4) <= 9);
      EXPECT_TRUE(15 + (b & 15) >= 18 && 15 + (b & 15) <= 24);
    }
  for (uint16_t minute : SolarTermMinutes) EXPECT_LT(minute, 1440);
}

TEST(NameTables, OrderAndCounts) {
  EXPECT_EQ(kStemNames[0], u"甲");
  EXPECT_EQ(kBranchNames[11], u"亥");
  EXPECT_EQ(kZodiacAnimals[4], u"龍");
  EXPECT_EQ(kSolarTermNames[2], u"立春");
  EXPECT_EQ(kSolarTermNames[23], u"冬至");
  for (int i = 0; i < 60; ++i)
    EXPECT_EQ(kCycleNames[static_cast<size_t>(i)], std::u16string(kStemNames[static_cast<size_t>(i % 10)]) +
                                                       std::u16string(kBranchNames[static_cast<size_t>(i % 12)]));
  EXPECT_EQ(kMansionFullNames[13], u"壁水俞");
  // Each full name starts with the day cell's character, and the element runs
  // 木金土日月火水 through each of the four groups of seven.
  constexpr std::u16string_view kElements = u"木金土日月火水";
  for (size_t m = 0; m < 28; ++m) {
    SCOPED_TRACE(ToUtf8(kMansionFullNames[m]));
    ASSERT_EQ(kMansionFullNames[m].size(), 3u);
    EXPECT_EQ(kMansionFullNames[m].substr(0, 1), kMansionNames[m]);
    EXPECT_EQ(kMansionFullNames[m][1], kElements[m % 7]);
  }
}

TEST(Gregorian, LeapYearsMonthLengthsAndDayNumbers) {
  EXPECT_EQ(IsGregorianLeapYear(2000), 1);
  EXPECT_EQ(IsGregorianLeapYear(1900), 0);
  EXPECT_EQ(IsGregorianLeapYear(2100), 0);
  EXPECT_EQ(IsGregorianLeapYear(2008), 1);
  EXPECT_EQ(DaysInSolarMonth(2008, 2), 29);
  EXPECT_EQ(DaysInSolarMonth(1900, 2), 28);
  EXPECT_EQ(DaysInSolarMonth(2009, 4), 30);
  EXPECT_EQ(DayOfYear(2009, 1, 1), 1);
  EXPECT_EQ(DayOfYear(2008, 12, 31), 366);
  EXPECT_EQ(DayOfYear(2009, 3, 1), 60);
}

TEST(ConvertDate, SolarToLunarSamples) {
  int r = 0;
  CalendarDate d = Solar(2009, 5, 26, &r);
  EXPECT_EQ(r, 26);
  EXPECT_EQ(d.lunar, (LunarDate{2009, 5, false, 3}));
  EXPECT_EQ(d.weekday, 2);
  EXPECT_EQ(d.dayPillar, Pillar(Stem::kXin, Branch::kWei));
  EXPECT_EQ(d.mansion, Mansion::kTail);

  d = Solar(2009, 6, 23, &r);
  EXPECT_EQ(d.lunar, (LunarDate{2009, 5, true, 1}));

  d = Solar(2000, 1, 1, &r);
  EXPECT_EQ(r, 16);
  EXPECT_EQ(d.lunar, (LunarDate{1999, 11, false, 25}));
  EXPECT_EQ(d.weekday, 6);
  EXPECT_EQ(Name(d.dayPillar), u"戊午");

  d = Solar(2033, 12, 22, &r);
  EXPECT_EQ(r, 50);
  EXPECT_EQ(d.lunar, (LunarDate{2033, 11, true, 1}));
  d = Solar(2034, 1, 20, &r);
  EXPECT_EQ(r, 50);
  EXPECT_EQ(d.lunar, (LunarDate{2033, 12, false, 1}));

  EXPECT_EQ(Solar(1900, 1, 31).lunar, (LunarDate{1900, 1, false, 1}));
  EXPECT_EQ(Solar(1900, 1, 1).weekday, 1);
  EXPECT_EQ(Solar(1899, 2, 10).lunar, (LunarDate{1899, 1, false, 1}));
  EXPECT_EQ(Solar(2100, 12, 31).lunar, (LunarDate{2100, 12, false, 1}));
}

// Before 1929 the calendar reckoned the day of a new moon in Beijing mean
// time, and the almanacs of 1914, 1916 and 1920 begin these months a day
// before UTC+8 would; the 1906 almanac of the Qing court began its fourth
// month on 24 April. Each day before is the last of the month before.
TEST(ConvertDate, MonthStartsAsPublishedBefore1929) {
  struct Case {
    int y, m, d;
    int lunarYear, lunarMonth;
    int eveYear, eveMonth, eveDay;
  };
  const Case cases[] = {
      {1906, 4, 24, 1906, 4, 1906, 3, 30},
      {1914, 11, 17, 1914, 10, 1914, 9, 29},
      {1916, 2, 3, 1916, 1, 1915, 12, 29},
      {1920, 11, 10, 1920, 10, 1920, 9, 29},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Solar(c.y, c.m, c.d).lunar, (LunarDate{c.lunarYear, c.lunarMonth, false, 1}))
        << c.y << "-" << c.m << "-" << c.d;
    EXPECT_EQ(Solar(c.y, c.m, c.d - 1).lunar, (LunarDate{c.eveYear, c.eveMonth, false, c.eveDay}))
        << c.y << "-" << c.m << "-" << c.d - 1;
    EXPECT_EQ(Lunar(c.lunarYear, c.lunarMonth, 1).solar, (GregorianDate{c.y, c.m, c.d})) << c.y;
  }
  // 3 February 1916 opens the year 丙辰 (cycle number 53).
  int r = 0;
  Solar(1916, 2, 3, &r);
  EXPECT_EQ(r, 53);
  Solar(1916, 2, 2, &r);
  EXPECT_EQ(r, 52);
}

// The months of the lunar years 1914..1920 as the almanacs of those years
// print them: new years on 26 January 1914, 14 February 1915, 3 February
// 1916, 23 January 1917, 11 February 1918, 1 February 1919 and 20 February
// 1920; leap months after months 5 (1914), 2 (1917) and 7 (1919).
TEST(LunarYearTable, MonthsOf1914To1920AsPublished) {
  struct Year {
    int year;
    int newYearMonth, newYearDay;
    int leapMonth;
    std::string_view lengths;  // calendar order, leap month in its place
  };
  const Year years[] = {
      {1914, 1, 26, 5, "30 30 29 30 29 30 29 30 29 29 30 29 30"},
      {1915, 2, 14, 0, "30 29 30 30 29 30 29 30 29 30 29 29"},
      {1916, 2, 3, 0, "30 30 29 30 29 30 30 29 30 29 30 29"},
      {1917, 1, 23, 2, "30 29 29 30 29 30 30 29 30 30 29 30 29"},
      {1918, 2, 11, 0, "30 29 29 30 29 30 29 30 30 29 30 30"},
      {1919, 2, 1, 7, "29 30 29 29 30 29 29 30 30 29 30 30 30"},
      {1920, 2, 20, 0, "29 30 29 29 30 29 29 30 29 30 30 30"},
  };
  for (const Year& y : years) {
    const LunarYearRow& row = LunarRow(y.year);
    EXPECT_EQ(row.leapMonth, y.leapMonth) << y.year;
    EXPECT_EQ(row.newYearEve + 1, kDaysBeforeMonth[0][y.newYearMonth - 1] + y.newYearDay) << y.year;
    std::string lengths;
    for (int p = 0; p < (row.leapMonth ? 13 : 12); ++p)
      lengths += (p ? " " : "") + std::to_string(29 + row.bigMonth[static_cast<size_t>(p)]);
    EXPECT_EQ(lengths, y.lengths) << y.year;
  }
}

TEST(ConvertDate, LunarToSolarSamples) {
  int r = 0;
  EXPECT_EQ(Lunar(2009, -5, 1, &r).solar, (GregorianDate{2009, 6, 23}));
  EXPECT_EQ(r, 26);
  EXPECT_EQ(Lunar(2099, 12, 30).solar, (GregorianDate{2100, 2, 8}));
  EXPECT_EQ(Lunar(2033, -11, 1).solar, (GregorianDate{2033, 12, 22}));
}

TEST(ConvertDate, RefusalsLeaveTheRecordUntouched) {
  struct Case {
    bool lunar;
    int y, m, d, expected;
  };
  const Case cases[] = {{false, 2009, 2, 29, kBadDay},  {false, 2009, 13, 1, kBadMonth}, {false, 1898, 5, 1, kBadYear},
                        {false, 2101, 1, 1, kBadYear},  {false, 2009, 0, 1, kBadMonth},  {false, 2009, 4, 31, kBadDay},
                        {false, 1899, 2, 9, kBadYear},  {false, 1899, 1, 15, kBadYear},  {true, 2100, 1, 1, kBadYear},
                        {true, 1898, 1, 1, kBadYear},   {true, 2009, -4, 1, kBadMonth},  {true, 2009, 5, 31, kBadDay},
                        {true, 2009, 13, 1, kBadMonth}, {true, 2008, -5, 1, kBadMonth},  {true, 2009, 1, 0, kBadDay}};
  for (const Case& c : cases) {
    CalendarDate date;
    date.weekday = 77;
    date.mansion = Mansion::kWall;
    const CalendarDate before = date;
    const int r = c.lunar ? LunarToSolar(LunarDateFromSigned(c.y, c.m, c.d), date) : SolarToLunar(c.y, c.m, c.d, date);
    EXPECT_EQ(r, c.expected) << c.y << "-" << c.m << "-" << c.d;
    EXPECT_TRUE(date == before) << c.y << "-" << c.m << "-" << c.d;
  }
}

// Every day from the first lunar new year to the end of the range converts
// to lunar and back, and the lunar date, weekday and pillar all advance by
// one day at a time.
TEST(ConvertDate, EveryDayRoundTripsAndAdvancesByOne) {
  CalendarDate prev;
  bool havePrev = false;
  int count = 0;
  for (int y = 1899; y <= 2100; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= DaysInSolarMonth(y, m); ++d) {
        int r = 0;
        CalendarDate s = Solar(y, m, d, &r);
        if (y == 1899 && (m == 1 || (m == 2 && d < 10))) {
          EXPECT_LT(r, 0);
          continue;
        }
        ASSERT_GT(r, 0) << y << "-" << m << "-" << d;
        ++count;
        EXPECT_EQ(Index(s.mansion) % 7, (s.weekday + 3) % 7);
        EXPECT_EQ(s.dayPillar, DayPillar(y, m, d));
        if (havePrev) {
          EXPECT_EQ(s.weekday, (prev.weekday + 1) % 7);
          EXPECT_EQ(s.dayPillar, prev.dayPillar + 1);
          if (s.lunar.day == 1) {
            EXPECT_TRUE(prev.lunar.day == 29 || prev.lunar.day == 30);
          } else {
            EXPECT_EQ(s.lunar.day, prev.lunar.day + 1);
            EXPECT_EQ(Month(s), Month(prev));
          }
        }
        prev = s;
        havePrev = true;
        if (s.lunar.year >= 2100) continue;
        CalendarDate back;
        ASSERT_GT(LunarToSolar(s.lunar, back), 0);
        EXPECT_EQ(back.solar, (GregorianDate{y, m, d}));
        EXPECT_EQ(back.weekday, s.weekday);
        EXPECT_EQ(back.dayPillar, s.dayPillar);
      }
  EXPECT_GT(count, 73000);
}

TEST(Text, FormatCoversTheAlmanacsConversions) {
  EXPECT_EQ(Format(u"%2d", {3}), u" 3");
  EXPECT_EQ(Format(u"%02d%02d", {1, 5}), u"0105");
  EXPECT_EQ(Format(u"%02d%02d", {-4, 8}), u"-408");
  EXPECT_EQ(Format(u"%04d%02d%02d", {2009, 5, 26}), u"20090526");
  EXPECT_EQ(Format(u"沖%s%2d", {u"馬", 7}), u"沖馬 7");
  EXPECT_EQ(Format(u"太歲姓%c名%c", {u"白", u"敏"}), u"太歲姓白名敏");
  EXPECT_EQ(Format(u"%d%%", {5}), u"5%");
  EXPECT_EQ(ParseDecimal(u" 8"), 8);
  EXPECT_EQ(ParseDecimal(u"12abc"), 12);
  EXPECT_EQ(ToUtf8(u"甲子"), "甲子");
  EXPECT_EQ(FromUtf8("農曆 己丑"), u"農曆 己丑");
}

}  // namespace
}  // namespace lunisol
