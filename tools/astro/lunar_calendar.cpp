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

int DayClockOfNewMoon(double jdTT) {
  static const int kFirstDayOnUtc8 = JdnFromCivil(kFirstYearOnUtc8, 1, 1);
  return LocalInstantOfTT(jdTT).jdn < kFirstDayOnUtc8 ? kBeijingMeanTimeSeconds : kUtc8Seconds;
}

LunarCalendar ComputeLunarCalendar(const SolarTermYears& terms, const std::vector<MonthStartException>& exceptions) {
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
  std::vector<bool> exceptionUsed(exceptions.size(), false);
  for (int k = LunationNear(terms.moment(y0, kWinterSolstice)) - 2;; ++k) {
    const double jd = LunarPhaseMoment(MeanNewMoon(k), 0.0, MoonTheory::kMoon98);
    const int clock = DayClockOfNewMoon(jd);
    const LocalInstant onClock = LocalInstantOfTT(jd, clock);
    const LocalInstant onUtc8 = LocalInstantOfTT(jd);
    int day = onClock.jdn;
    if (MinutesFromMidnight(onClock) < kRefineWindowMinutes || MinutesFromMidnight(onUtc8) < kRefineWindowMinutes) {
      const double fine = LunarPhaseMoment(jd, 0.0, MoonTheory::kElp2000);
      const CloseNewMoon close{onUtc8, LocalInstantOfTT(fine), LocalInstantOfTT(fine, kBeijingMeanTimeSeconds), clock,
                               onClock.jdn};
      out.closeNewMoons.push_back(close);
      day = close.day();
    }
    for (size_t e = 0; e < exceptions.size(); ++e)
      if (exceptions[e].reckonedJdn == day) {
        day = exceptions[e].publishedJdn;
        exceptionUsed[e] = true;
        break;
      }
    starts.push_back(day);
    if (day > solsticeDay.back() + 40) break;
  }
  for (size_t e = 0; e < exceptions.size(); ++e)
    if (!exceptionUsed[e]) {
      const CivilDate d = CivilFromJdn(exceptions[e].reckonedJdn);
      Fail("no new moon falls on " + std::to_string(d.year) + "-" + std::to_string(d.month) + "-" +
           std::to_string(d.day) + ", the day of a month-start exception");
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
