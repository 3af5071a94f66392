#include "calendar/day_tables.h"

#include "calendar/convert.h"
#include "calendar/tables.h"

namespace lunisol {

namespace {

long long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

}  // namespace

int GregorianDayCycle(int year, int month, int day) {
  // 1 January 2000 is 戊午 (54); the tables' cycle bases share this count.
  const long long n = DaysFromCivil(year, month, day) - DaysFromCivil(2000, 1, 1) + 54;
  return static_cast<int>(((n % 60) + 60) % 60);
}

bool HasLeapMonthPattern(int year) {
  static constexpr int kGaps[7] = {3, 3, 2, 3, 3, 2, 3};
  int y = 1903;
  for (int i = 0; y <= 2100; ++i) {
    const int listed = y == 1985 ? 1984 : y;
    if (listed == year) return true;
    y += kGaps[i % 7];
  }
  return false;
}

bool LastJiaziDay(int year, int& month, int& day) {
  CalendarDate d;
  for (int m = 12; m >= 1; --m)
    for (int dd = 31; dd >= 1; --dd) {
      if (SolarToLunar(year, m, dd, d) < 0) continue;
      if (d.dayStem == 0 && d.dayBranch == 0) {
        month = m;
        day = dd;
        return true;
      }
    }
  return false;
}

void ComputeDayHexagrams(CalendarState& state, int year) {
  int pm = 0, pd = 0, m = 0, d = 0;
  const bool havePrev = LastJiaziDay(year - 1, pm, pd);
  const bool haveThis = LastJiaziDay(year, m, d);
  const int startPrev = havePrev ? DayNumber(DateKey8(year - 1, pm, pd)) : 0;
  const int startThis = haveThis ? DayNumber(DateKey8(year, m, d)) : 0;
  const bool backPrev = HasLeapMonthPattern(year - 1);
  const bool backThis = HasLeapMonthPattern(year);
  auto position = [](int offset, bool backwards) {
    const int p = ((offset % 72) + 72) % 72;
    return backwards ? 71 - p : p;
  };
  const int first = DayNumber(DateKey8(year, 1, 1));
  const int days = 365 + IsGregorianLeapYear(year);
  for (int i = 0; i < days; ++i) {
    const int n = first + i;
    int32_t v = -1;
    if (haveThis && n >= startThis)
      v = position(n - startThis, backThis);
    else if (havePrev)
      v = position(n - startPrev, backPrev);
    state.dayHexagramTable[static_cast<size_t>(i)] = v;
  }
}

}  // namespace lunisol
