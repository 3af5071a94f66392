#include "calendar/convert.h"

#include "calendar/tables.h"
#include "calendar/text.h"

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
  const int c = row.cycleBase + doy;
  d.dayStem = Mod(c, 10);
  d.dayBranch = Mod(c, 12);
}

// The 28-day mansion count is kept aligned with the week: 角 is always a
// Thursday, so the count is snapped to the weekday's residue.
int Mansion(int year, int doy, int leap, int month, int day, int weekday) {
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

int CycleNumber(int lunarYear) { return Mod(lunarYear - 1864, 60) + 1; }

int SolarToLunarImpl(CalendarDate& date) {
  const int y = date.solarYear, m = date.solarMonth, d = date.solarDay;
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
  int month = position;
  const int n = row->leapMonth;
  if (n != 0 && position > n) {
    month = position - 1;
    if (month == n) month = -n;
  }
  date.lunarYear = lunarYear;
  date.lunarMonth = month;
  date.lunarDay = e - end;
  FillWeekdayAndPillar(date, y, doy);
  date.mansion = Mansion(y, doy, leap, m, d, date.weekday);
  return CycleNumber(lunarYear);
}

int LunarToSolarImpl(CalendarDate& date) {
  const int y = date.lunarYear, m = date.lunarMonth, d = date.lunarDay;
  if (y < kFirstLunarYear || y >= kLastLunarYear) return kBadYear;
  const LunarYearRow& row = LunarRow(y);
  const int n = row.leapMonth;
  if (m < 0) {
    if (n == 0 || m != -n) return kBadMonth;
  } else if (m < 1 || m > 12) {
    return kBadMonth;
  }
  int position = m;
  if (m < 0)
    position = n + 1;
  else if (n != 0 && m > n)
    position = m + 1;
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
  date.solarYear = sy;
  date.solarMonth = sm;
  date.solarDay = e - kDaysBeforeMonth[leap][k];
  const int doy = kDaysBeforeMonth[IsGregorianLeapYear(sy)][sm - 1] + date.solarDay;
  FillWeekdayAndPillar(date, sy, doy);
  return CycleNumber(y);
}

}  // namespace

int ConvertDate(CalendarDate& date) { return date.lunarToSolar == 0 ? SolarToLunarImpl(date) : LunarToSolarImpl(date); }

namespace {

int ConvertOneWay(bool fromLunar, int year, int month, int day, CalendarDate& out) {
  CalendarDate d;
  d.lunarToSolar = fromLunar ? 1 : 0;
  (fromLunar ? d.lunarYear : d.solarYear) = year;
  (fromLunar ? d.lunarMonth : d.solarMonth) = month;
  (fromLunar ? d.lunarDay : d.solarDay) = day;
  const int r = ConvertDate(d);
  if (r > 0) out = d;
  return r;
}

}  // namespace

int SolarToLunar(int year, int month, int day, CalendarDate& out) {
  return ConvertOneWay(false, year, month, day, out);
}
int LunarToSolar(int year, int month, int day, CalendarDate& out) { return ConvertOneWay(true, year, month, day, out); }

int DayNumber(std::u16string_view text) {
  if (text.size() < 8) return 0;
  const int year = ParseDecimal(text.substr(0, 4));
  const int month = ParseDecimal(text.substr(4, 2));
  const int day = ParseDecimal(text.substr(6, 2));
  // Year lengths here count 3200 as a leap year as well; it never matters
  // inside the calendar's range but keeps the count the one the tables use.
  auto leap = [](int y) { return (y % 3200 == 0) || IsGregorianLeapYear(y) == 1; };
  int days = 0;
  int from = 1800;
  if (year >= 1990) {
    days = 69396;
    from = 1990;
  }
  for (int y = from; y < year; ++y) days += leap(y) ? 366 : 365;
  for (int mo = 1; mo < month && mo <= 12; ++mo)
    days += mo == 2 ? (leap(year) ? 29 : 28) : kMonthDays[static_cast<size_t>(mo - 1)];
  return days + day;
}

std::u16string DateKey8(int year, int month, int day) { return Format(u"%04d%02d%02d", {year, month, day}); }

}  // namespace lunisol
