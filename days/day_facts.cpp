#include "days/day_facts.h"

#include <cmath>
#include <optional>

#include "calendar/convert.h"
#include "calendar/moon_phases.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"

namespace lunisol {

namespace {

int Mod(int a, int n) { return ((a % n) + n) % n; }

}  // namespace

int TermDayNumber(int year, int term) {
  const int shift = year < kFirstTermYear ? kFirstTermYear - year : year > kLastTermYear ? kLastTermYear - year : 0;
  const int month = term / 2 + 1;
  const TermDays days = TermDaysOfMonth(year + shift, month);
  const int day = term % 2 == 0 ? days.first : days.second;
  // A year's worth of days per year moved, 365.2422 on average.
  return CivilDayNumber(year + shift, month, day) - (shift * 3652422 + (shift > 0 ? 5000 : -5000)) / 10000;
}

long long TermMinute(int year, int term) {
  const std::optional<ClockTime> time = TermTime(year, TermAt(term));
  const int minutes = time ? time->hour * 60 + time->minute : 0;
  return static_cast<long long>(TermDayNumber(year, term)) * 1440 + minutes;
}

namespace {

int TermOn(int year, int month, int day) {
  if (day > DaysInSolarMonth(year, month) || year > kLastTermYear) return -1;
  const TermDays t = TermDaysOfMonth(year, month);
  if (day == t.first) return 2 * month - 2;
  if (day == t.second) return 2 * month - 1;
  return -1;
}

void FillSolarFacts(DayFacts& f) {
  f.dayNumber = CivilDayNumber(f.year, f.month, f.day);
  f.cycle = DayPillar(f.year, f.month, f.day).index();
  f.stem = f.cycle % 10;
  f.branch = f.cycle % 12;
  const int sectionDay = TermDaysOfMonth(f.year, f.month).first;
  f.monthBranch = (f.day >= sectionDay ? f.month : f.month - 1) % 12;
  f.monthIndex = Mod(f.monthBranch - 2, 12);
  f.season = f.monthIndex / 3;
  f.officer = Mod(f.branch - f.monthBranch, 12);
  f.termToday = TermOn(f.year, f.month, f.day);
  f.termTomorrow = TermOn(f.year, f.month, f.day + 1);
  const bool beforeSpring = f.month == 1 || (f.month == 2 && f.day < sectionDay);
  f.sectionYearStem = Mod(f.year - (beforeSpring ? 1 : 0) - 4, 10);
  f.sectionYearBranch = Mod(f.year - (beforeSpring ? 1 : 0) - 4, 12);
  // 甲 and 己 years begin with a 丙寅 month, 乙 and 庚 years with 戊寅 …
  f.monthStem = Mod(f.sectionYearStem % 5 * 2 + 2 + f.monthIndex, 10);
}

bool FillLunarFacts(DayFacts& f) {
  CalendarDate d;
  if (SolarToLunar(f.year, f.month, f.day, d) < 0) return false;
  f.lunarYear = d.lunar.year;
  f.lunarMonth = SignedMonth(d.lunar);
  f.lunarDay = d.lunar.day;
  const LunarYearRow& row = LunarRow(d.lunar.year);
  const int leap = row.leapMonth;
  const int m = d.lunar.month;
  const int position = d.lunar.leap || (leap != 0 && m > leap) ? m + 1 : m;
  f.lastLunarDay = d.lunar.day == 29 + row.bigMonth[static_cast<size_t>(position - 1)];
  f.firstLunarDayBranch = Mod(f.branch - (d.lunar.day - 1), 12);
  const MonthMoonPhases phases = MoonPhasesOfMonth(f.year, f.month);
  for (int i = 0; i < phases.count; ++i)
    if (phases.moments[static_cast<size_t>(i)].day == f.day) f.moonPhaseDay = true;
  return true;
}

}  // namespace

bool ComputeDayFacts(int year, int month, int day, DayFacts& out) {
  if (year < kFirstDayYear || year > kLastDayYear || month < 1 || month > 12 || day < 1 ||
      day > DaysInSolarMonth(year, month))
    return false;
  out = DayFacts{};
  out.year = year;
  out.month = month;
  out.day = day;
  FillSolarFacts(out);
  return FillLunarFacts(out);
}

bool InEarthKingDays(const DayFacts& f, int degrees) {
  // Term t begins at the sun's longitude 285° + 15°·t; the three terms from
  // the one before `degrees` give the instant by quadratic interpolation.
  const int from285 = Mod(degrees - 285, 360);
  const int t = from285 / 15;
  const int end = t + 2;  // the 立 term that ends the days
  // The days lie in the month before that term's month (辰, 未, 戌 or 丑).
  if (end > 23 || f.monthBranch != end / 2 % 12) return false;
  const double x = (from285 - 15 * t) / 15.0;
  const double a = static_cast<double>(TermMinute(f.year, t));
  const double b = static_cast<double>(TermMinute(f.year, t + 1));
  const double c = static_cast<double>(TermMinute(f.year, t + 2));
  const double minute = a * (x - 1) * (x - 2) / 2 - b * x * (x - 2) + c * x * (x - 1) / 2;
  return f.dayNumber >= static_cast<int>(std::floor(minute / 1440));
}

bool InTermWindow(const DayFacts& f, int from, int until) {
  auto lastOccurrence = [&](int term) {
    const int thisYear = TermDayNumber(f.year, term);
    return thisYear <= f.dayNumber ? thisYear : TermDayNumber(f.year - 1, term);
  };
  return lastOccurrence(from) > lastOccurrence(until);
}

int NthStemDayFromTerm(const DayFacts& f, int term, int stem, int n) {
  const int first = TermDayNumber(f.year, term);
  const int firstStem = Mod(f.stem + first - f.dayNumber, 10);
  return first + Mod(stem - firstStem, 10) + 10 * (n - 1);
}

}  // namespace lunisol
