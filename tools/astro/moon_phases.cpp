#include "tools/astro/moon_phases.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "tools/astro/civil.h"
#include "tools/astro/events.h"

namespace lunisol::astro {

std::string MoonPhaseFileText(int year) {
  if (year < kFirstPhaseYear || year > kLastPhaseYear) throw std::out_of_range("moon-phase year out of range");

  // Columns of a line, with the elongation of each phase.
  constexpr std::array<double, 4> kColumnElongation{180.0, 270.0, 0.0, 90.0};
  std::array<std::array<std::vector<LocalMinute>, 4>, 12> found;

  const int firstJdn = JdnFromCivil(year, 1, 1);
  const int lastJdn = JdnFromCivil(year, 12, 31);
  // One lunation of margin on each side; moments outside the year are dropped.
  const int kFirst = LunationNear(firstJdn) - 1;
  const int kLast = LunationNear(lastJdn) + 1;
  for (int k = kFirst; k <= kLast; ++k) {
    for (int column = 0; column < 4; ++column) {
      const double elongation = kColumnElongation[column];
      const double guess = MeanNewMoon(k + elongation / 360.0);
      double jd = LunarPhaseMoment(guess, elongation, MoonTheory::kMoon98);
      jd = LunarPhaseMoment(jd, elongation, MoonTheory::kElp2000);
      const LocalMinute local = LocalMinuteOfTT(jd);
      if (local.jdn < firstJdn || local.jdn > lastJdn) continue;
      found[CivilFromJdn(local.jdn).month - 1][column].push_back(local);
    }
  }

  std::string text;
  for (int month = 0; month < 12; ++month) {
    for (int column = 0; column < 4; ++column) {
      auto& moments = found[month][column];
      std::sort(moments.begin(), moments.end(), [](const LocalMinute& a, const LocalMinute& b) {
        return a.jdn != b.jdn ? a.jdn < b.jdn : a.minuteOfDay < b.minuteOfDay;
      });
      std::string token;
      for (const LocalMinute& m : moments) {
        const CivilDate d = CivilFromJdn(m.jdn);
        char buf[48];
        std::snprintf(buf, sizeof buf, "%02d%02d%02d%02d", d.month, d.day, m.hour(), m.minute());
        if (!token.empty()) token += '-';
        token += buf;
      }
      if (token.empty()) token = "00000000";
      if (column) text += ' ';
      text += token;
    }
    text += '\n';
  }
  return text;
}

}  // namespace lunisol::astro
