#include "calendar/day_tables.h"

#include "calendar/convert.h"
#include "calendar/tables.h"

namespace lunisol {

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

std::optional<GregorianDate> LastJiaziDay(int year) {
  if (year < kFirstLunarYear || year > kLastLunarYear) return std::nullopt;
  const int lastDay = CivilDayNumber(year, 12, 31);
  return CivilDate(lastDay - DayPillar(year, 12, 31).index());
}

DayHexagramTable DayHexagramsOfYear(int year) {
  // The cycle of 72 starts afresh on the year's last 甲子, running forwards
  // or backwards by the year's pattern; the days before it go on with the
  // cycle begun on the year before's.
  const std::optional<GregorianDate> previous = LastJiaziDay(year - 1), current = LastJiaziDay(year);
  const bool backPrev = HasLeapMonthPattern(year - 1);
  const bool backThis = HasLeapMonthPattern(year);
  auto position = [](int offset, bool backwards) {
    const int p = ((offset % 72) + 72) % 72;
    return static_cast<int8_t>(backwards ? 71 - p : p);
  };
  DayHexagramTable table;
  table.fill(-1);
  const int first = CivilDayNumber(year, 1, 1);
  const int days = 365 + IsGregorianLeapYear(year);
  for (int i = 0; i < days; ++i) {
    const int n = first + i;
    int8_t& v = table[static_cast<size_t>(i)];
    if (current && n >= CivilDayNumber(*current))
      v = position(n - CivilDayNumber(*current), backThis);
    else if (previous)
      v = position(n - CivilDayNumber(*previous), backPrev);
  }
  return table;
}

}  // namespace lunisol
