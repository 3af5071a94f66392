#include "tools/astro/moon_phases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/astro/civil.h"
#include "tools/astro/events.h"
#include "tools/calgen/tables.h"

namespace {

using namespace lunisol::astro;
using namespace lunisol::calgen;

// The single ELP step must name the same minute as solving with ELP to full
// precision, the way the moments were found before the step was introduced.
TEST(ComputeMoonPhases, SameMinutesAsSolvingWithElpOutright) {
  const std::vector<PhaseMoment> phases = ComputeMoonPhases(2009, 2009);
  ASSERT_GE(phases.size(), 48u);
  const double elongation[4] = {180.0, 270.0, 0.0, 90.0};  // by list number
  for (const PhaseMoment& p : phases) {
    const double guess = JdnFromCivil(2009, 1, 1) - 0.5 + (p.time.jdn - JdnFromCivil(2009, 1, 1)) +
                         p.time.minuteOfDay / 1440.0 - 8.0 / 24.0;
    const double moon98 = LunarPhaseMoment(guess, elongation[p.list], MoonTheory::kMoon98);
    const LocalMinute full = LocalMinuteOfTT(LunarPhaseMoment(moon98, elongation[p.list], MoonTheory::kElp2000));
    EXPECT_EQ(full.jdn, p.time.jdn) << p.list;
    EXPECT_EQ(full.minuteOfDay, p.time.minuteOfDay) << p.list << " on day " << p.time.jdn;
  }
  EXPECT_THROW(ComputeMoonPhases(kFirstPhaseYear - 1, 2000), std::out_of_range);
  EXPECT_THROW(ComputeMoonPhases(2000, kLastPhaseYear + 1), std::out_of_range);
}

// The checks, fed mean phases for the whole range (cheap, and a week apart
// like the true ones), then with one phase dropped or mislabelled.
TEST(CheckMoonPhases, CatchAMissingOrMislabelledPhase) {
  std::vector<PhaseMoment> mean;
  const int first = JdnFromCivil(kFirstTermYear, 1, 1), last = JdnFromCivil(kLastTermYear, 12, 31);
  const int listOfQuarter[4] = {kNewMoonList, kFirstQuarterList, kFullMoonList, kLastQuarterList};
  for (int k = LunationNear(first) - 1; k <= LunationNear(last) + 1; ++k)
    for (int q = 0; q < 4; ++q) {
      const LocalMinute t = LocalMinuteOfTT(MeanNewMoon(k + q / 4.0));
      if (t.jdn >= first && t.jdn <= last) mean.push_back({listOfQuarter[q], t});
    }
  auto mentions = [](const std::vector<std::string>& problems, const std::string& part) {
    return std::any_of(problems.begin(), problems.end(),
                       [&](const std::string& p) { return p.find(part) != std::string::npos; });
  };
  // Without lunar rows every new moon is reported off its month's first day;
  // the rest is what is under test here.
  const TableSet none;
  auto problems = [&](const std::vector<PhaseMoment>& phases) {
    std::vector<std::string> out;
    for (const std::string& p : CheckMoonPhases(phases, none))
      if (p.find("new moon") == std::string::npos) out.push_back(p);
    return out;
  };
  EXPECT_TRUE(problems(mean).empty());

  std::vector<PhaseMoment> dropped = mean;
  dropped.erase(dropped.begin() + 1000);
  EXPECT_TRUE(mentions(problems(dropped), "follows phase"));

  std::vector<PhaseMoment> mislabelled = mean;
  mislabelled[2000].list = (mislabelled[2000].list + 2) % 4;
  EXPECT_TRUE(mentions(problems(mislabelled), "follows phase"));

  std::vector<PhaseMoment> shortened(mean.begin(), mean.end() - 8);
  EXPECT_TRUE(mentions(problems(shortened), "last phase at"));
}

}  // namespace
