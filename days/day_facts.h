// The calendar facts of one Gregorian day that place the day spirits: the
// day pillar, the month of the section terms, the lunar date, the terms near
// the day and the moon's phases. Gregorian days are counted by the
// calendar's one day number (CivilDayNumber, calendar/vocabulary.h).
#pragma once

#include "calendar/vocabulary.h"

namespace lunisol {

inline constexpr int kFirstDayYear = 1900;
inline constexpr int kLastDayYear = 2100;
// Day number of term t (0 = 小寒 … 23 = 冬至) of a Gregorian year. Years
// before 1900 take the 1900 term a whole number of years earlier (off by a
// day at most), which is all the seasons that reach back into 1899 need.
int TermDayNumber(int year, int term);
// The term's instant (UTC+8) in minutes from day 0.
long long TermMinute(int year, int term);

struct DayFacts {
  int year = 0, month = 0, day = 0;
  int dayNumber = 0;
  int cycle = 0, stem = 0, branch = 0;
  int monthBranch = 0;  // of the section-term month: 寅 from 立春
  int monthIndex = 0;   // 0 = 正月 (寅) … 11 = 十二月 (丑)
  int season = 0;       // 0 spring … 3 winter
  int officer = 0;      // 0 = 建 … 11 = 閉
  int termToday = -1;   // term beginning on the day, or −1
  int termTomorrow = -1;
  int sectionYearStem = 0;                          // stem of the year that begins on 立春
  int sectionYearBranch = 0;                        // and its branch
  int monthStem = 0;                                // stem of the section-term month's pillar
  int lunarYear = 0, lunarMonth = 0, lunarDay = 0;  // lunarMonth < 0 in a leap month
  bool lastLunarDay = false;
  int firstLunarDayBranch = 0;  // branch of the lunar month's first day
  bool moonPhaseDay = false;    // a day of 朔, 上弦, 望 or 下弦
};

// False (and `out` not to be read) outside 1900-01-01 … 2100-12-31 or for a date
// that does not exist.
bool ComputeDayFacts(int year, int month, int day, DayFacts& out);

// True from the day the sun reaches `degrees` (27, 117, 207, 297) up to the
// day before the next 立 term.
bool InEarthKingDays(const DayFacts& f, int degrees);
// True from the day of term `from` up to the day before term `until`, the
// season running across the new year when `from` comes later in the year.
bool InTermWindow(const DayFacts& f, int from, int until);
// Day number of the n-th day of stem `stem` counted from term t's day on, in
// the day's year.
int NthStemDayFromTerm(const DayFacts& f, int term, int stem, int n);

}  // namespace lunisol
