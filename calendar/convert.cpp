#include "calendar/convert.h"

#include "calendar/tables.h"

namespace lunisol {

int IsGregorianLeapYear(int year) {
  if (year % 400 == 0) return 1;
  if (year % 100 == 0) return 0;
  return year % 4 == 0 ? 1 : 0;
}

int DaysInSolarMonth(int year, int month) {
  if (month == 2) return 28 + IsGregorianLeapYear(year);
  return kMonthDays[static_cast<size_t>(month - 1)];
}

namespace {

int Mod(int a, int n) {
  int r = a % n;
  return r < 0 ? r + n : r;
}

void FillWeekdayAndPillar(CalendarDate& d, int year, int doy) {
  const LunarYearRow& row = LunarRow(year);
  d.weekday = Mod(row.weekdayBase + doy, 7);
  d.dayPillar = Pillar(row.cycleBase + doy);
}

// The 28-day mansion count is kept aligned with the week: 角 is always a
// Thursday, so the count is snapped to the weekday's residue.
int MansionIndex(int year, int doy, int leap, int month, int day, int weekday) {
  const int k = year > 2000 ? 14 : 13;
  const int a = (leap == 1 && month * 100 + day >= 301) ? 1 : 0;
  const int v = 365 * year + (year - 1) / 4 - k + a + doy - 342;
  const int m0 = Mod(v, 28);
  const int q = m0 / 7;
  const int t = (weekday + 3) % 7;
  const int cand = 7 * q + t;
  if (cand == m0) return m0;
  if (t == 6) return cand - 7 < 0 ? 27 : cand - 7;
  if (t == 5) return cand - 7 < 0 ? 26 : cand - 7;
  return cand;
}

int CycleNumber(int lunarYear) { return YearPillar(lunarYear).index() + 1; }

}  // namespace

int SolarToLunar(int y, int m, int d, CalendarDate& out) {
  if (y < kFirstLunarYear || y > kLastLunarYear) return kBadYear;
  if (m < 1 || m > 12) return kBadMonth;
  if (d < 1 || d > DaysInSolarMonth(y, m)) return kBadDay;
  const int leap = IsGregorianLeapYear(y);
  const int doy = kDaysBeforeMonth[leap][m - 1] + d;
  const LunarYearRow* row = &LunarRow(y);
  int lunarYear = y;
  int e = doy;
  if (doy <= row->newYearEve) {
    // Dates before the table's first lunar new year have no lunar row.
    if (y == kFirstLunarYear) return kBadYear;
    lunarYear = y - 1;
    row = &LunarRow(y - 1);
    e = kDaysBeforeMonth[IsGregorianLeapYear(y - 1)][12 + m - 1] + d;
  }
  int end = row->newYearEve;
  int p = 0;
  while (p < 12 && e > end + 29 + row->bigMonth[static_cast<size_t>(p)]) {
    end += 29 + row->bigMonth[static_cast<size_t>(p)];
    ++p;
  }
  const int position = p + 1;
  const int n = row->leapMonth;
  CalendarDate date;
  date.solar = {y, m, d};
  date.lunar = {lunarYear, position, false, e - end};
  if (n != 0 && position > n) {
    date.lunar.month = position - 1;
    date.lunar.leap = date.lunar.month == n;
  }
  FillWeekdayAndPillar(date, y, doy);
  date.mansion = MansionAt(MansionIndex(y, doy, leap, m, d, date.weekday));
  out = date;
  return CycleNumber(lunarYear);
}

int LunarToSolar(const LunarDate& lunar, CalendarDate& out) {
  const int y = lunar.year, m = lunar.month, d = lunar.day;
  if (y < kFirstLunarYear || y >= kLastLunarYear) return kBadYear;
  const LunarYearRow& row = LunarRow(y);
  const int n = row.leapMonth;
  if (m < 1 || m > 12 || (lunar.leap && m != n)) return kBadMonth;
  const int position = lunar.leap || (n != 0 && m > n) ? m + 1 : m;
  if (d < 1 || d > 29 + row.bigMonth[static_cast<size_t>(position - 1)]) return kBadDay;
  int e = row.newYearEve + d;
  for (int i = 0; i < position - 1; ++i) e += 29 + row.bigMonth[static_cast<size_t>(i)];
  const int leap = IsGregorianLeapYear(y);
  int k = 13;
  while (k > 0 && kDaysBeforeMonth[leap][k] >= e) --k;
  int sy = y, sm = k + 1;
  if (k > 11) {
    sy = y + 1;
    sm = k - 11;
  }
  CalendarDate date;
  date.lunar = lunar;
  date.solar = {sy, sm, e - kDaysBeforeMonth[leap][k]};
  const int doy = kDaysBeforeMonth[IsGregorianLeapYear(sy)][sm - 1] + date.solar.day;
  FillWeekdayAndPillar(date, sy, doy);
  out = date;
  return CycleNumber(y);
}

int DayOfYear(int year, int month, int day) { return kDaysBeforeMonth[IsGregorianLeapYear(year)][month - 1] + day; }

Pillar DayPillar(int year, int month, int day) {
  // 1 January 2000 is 戊午 (54); the tables' cycle bases share this count.
  return Pillar(CivilDayNumber(year, month, day) - CivilDayNumber(2000, 1, 1) + 54);
}

}  // namespace lunisol
