#include "tools/astro/lunar_calendar.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "tools/astro/events.h"

namespace lunisol::astro {

SolarTermYears ComputeSolarTerms(int firstYear, int lastYear) {
  SolarTermYears out;
  out.firstYear = firstYear;
  for (int y = firstYear; y <= lastYear; ++y) {
    std::array<double, 24> row{};
    for (int t = 0; t < 24; ++t) row[t] = SolarTermMoment(y, t);
    out.moments.push_back(row);
  }
  return out;
}

namespace {

constexpr int kWinterSolstice = 23;

int MinutesFromMidnight(const LocalInstant& t) {
  const int minute = static_cast<int>(t.secondOfDay / 60.0);
  return std::min(minute, 1440 - minute);
}

[[noreturn]] void Fail(const std::string& what) { throw std::runtime_error(what); }

}  // namespace

LunarCalendar ComputeLunarCalendar(const SolarTermYears& terms) {
  const int y0 = terms.firstYear, y1 = terms.lastYear();
  if (y1 <= y0) Fail("need solar terms of at least two years");

  std::vector<int> solsticeDay;  // per year y0..y1
  for (int y = y0; y <= y1; ++y) solsticeDay.push_back(LocalMinuteOfTT(terms.moment(y, kWinterSolstice)).jdn);

  std::vector<int> principalDays;  // every 中氣 day in the range, sorted
  for (int y = y0; y <= y1; ++y)
    for (int t = 1; t < 24; t += 2) principalDays.push_back(LocalMinuteOfTT(terms.moment(y, t)).jdn);
  std::sort(principalDays.begin(), principalDays.end());

  LunarCalendar out;
  // New moons from a little before the first solstice's month to past the
  // month after the last solstice.
  std::vector<int> starts;
  for (int k = LunationNear(terms.moment(y0, kWinterSolstice)) - 2;; ++k) {
    double jd = LunarPhaseMoment(MeanNewMoon(k), 0.0, MoonTheory::kMoon98);
    LocalInstant local = LocalInstantOfTT(jd);
    if (MinutesFromMidnight(local) < kRefineWindowMinutes) {
      jd = LunarPhaseMoment(jd, 0.0, MoonTheory::kElp2000);
      const LocalInstant fine = LocalInstantOfTT(jd);
      out.closeNewMoons.push_back(CloseNewMoon{local, fine});
      local = fine;
    }
    starts.push_back(local.jdn);
    if (local.jdn > solsticeDay.back() + 40) break;
  }
  for (size_t i = 1; i < starts.size(); ++i) {
    const int len = starts[i] - starts[i - 1];
    if (len != 29 && len != 30) Fail("lunar month of " + std::to_string(len) + " days");
  }

  // Index of the month holding each solstice.
  std::vector<size_t> solsticeMonth;
  for (int day : solsticeDay) {
    auto it = std::upper_bound(starts.begin(), starts.end(), day);
    if (it == starts.begin() || it == starts.end()) Fail("new moons do not cover the solstices");
    solsticeMonth.push_back(static_cast<size_t>(it - starts.begin()) - 1);
  }

  auto holdsPrincipalTerm = [&](size_t i) {
    auto it = std::lower_bound(principalDays.begin(), principalDays.end(), starts[i]);
    return it != principalDays.end() && *it < starts[i + 1];
  };

  std::vector<bool> leap(starts.size(), false);
  for (size_t s = 0; s + 1 < solsticeMonth.size(); ++s) {
    const size_t a = solsticeMonth[s], b = solsticeMonth[s + 1];
    if (b - a == 12) continue;
    if (b - a != 13) Fail("solstice-to-solstice span of " + std::to_string(b - a) + " months");
    size_t i = a + 1;
    while (i < b && holdsPrincipalTerm(i)) ++i;
    if (i == b) Fail("13-month span without a month lacking a principal term");
    leap[i] = true;
  }

  int number = 11;
  for (size_t i = solsticeMonth.front(); i < solsticeMonth.back(); ++i) {
    if (i != solsticeMonth.front()) number = leap[i] ? number : number % 12 + 1;
    if (std::find(solsticeMonth.begin(), solsticeMonth.end(), i) != solsticeMonth.end() && (number != 11 || leap[i]))
      Fail("solstice month numbered " + std::to_string(number));
    out.months.push_back(LunarMonth{starts[i], starts[i + 1] - starts[i], number, leap[i]});
  }
  return out;
}

std::vector<LunarYear> SplitLunarYears(const LunarCalendar& calendar) {
  std::vector<LunarYear> years;
  LunarYear* current = nullptr;
  for (const LunarMonth& m : calendar.months) {
    if (m.number == 1 && !m.leap) {
      years.push_back(LunarYear{CivilFromJdn(m.startJdn).year, m.startJdn, 0, {}});
      current = &years.back();
    }
    if (current == nullptr) continue;  // the tail of a year begun before the range
    if (m.leap) current->leapMonth = m.number;
    current->lengths.push_back(m.length);
  }
  // The last year is cut short by the end of the range.
  if (!years.empty()) years.pop_back();
  return years;
}

}  // namespace lunisol::astro
