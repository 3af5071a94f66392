// The day finder: the days it chooses are exactly the days whose lists note
// the activity 宜 and not 忌, less the clashing ones.
#include "days/day_finder.h"

#include <gtest/gtest.h>

#include <string>

#include "almanac/lookups.h"
#include "calendar/convert.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "days/day_lists.h"

namespace lunisol {
namespace {

bool ListsSuit(const DayLists& d, ActivityId a) {
  bool yi = false;
  for (int i = 0; i < d.yiCount; ++i) yi = yi || d.yi[static_cast<size_t>(i)].activity == a;
  for (int i = 0; i < d.jiCount; ++i)
    if (d.ji[static_cast<size_t>(i)].activity == a) return false;
  return yi && !d.allBad;
}

TEST(DayFinder, ChoosesExactlyTheDaysWhoseListsSuitTheActivity) {
  for (std::u16string_view name : {u"嫁娶", u"移徙", u"開市", u"安葬", u"祭祀", u"修造動土", u"針刺"})
    for (std::optional<int> animal : {std::optional<int>{}, std::optional<int>{ZodiacAnimalOfYear(1990)}}) {
      const ActivityId a = *ActivityByName(name);
      std::vector<ChosenDay> chosen;
      ASSERT_EQ(ChooseDays({a, 2026, 1, 1, 2026, 12, 31, animal}, chosen), 0);
      size_t next = 0;
      for (int m = 1; m <= 12; ++m)
        for (int day = 1; day <= DaysInSolarMonth(2026, m); ++day) {
          const DayLists d = EvaluateDayLists(2026, m, day);
          const bool want = ListsSuit(d, a) && !(animal && ClashedAnimal(d.dayCycle) == *animal);
          const bool got = next < chosen.size() && chosen[next].month == m && chosen[next].day == day;
          EXPECT_EQ(got, want) << ToUtf8(name) << " 2026-" << m << "-" << day;
          if (!got) continue;
          for (int i = 0; i < d.yiCount; ++i) {
            if (d.yi[static_cast<size_t>(i)].activity != a) continue;
            EXPECT_EQ(chosen[next].because, d.yi[static_cast<size_t>(i)].because);
          }
          EXPECT_EQ(chosen[next].dayGod, d.dayGod);
          ++next;
        }
      EXPECT_EQ(next, chosen.size());
      EXPECT_GT(chosen.size(), 0u) << ToUtf8(name);
    }
}

// The clash is the one the page's 沖 cell names.
TEST(DayFinder, ClashIsThePagesClash) {
  CalendarDate d;
  for (int day = 1; day <= 24; ++day) {
    ASSERT_GT(SolarToLunar(2026, 3, day, d), 0);
    const int cycle = EvaluateDayLists(2026, 3, day).dayCycle;
    const std::u16string text = ClashText(d.dayPillar, Pillar(0)).text;
    EXPECT_EQ(text.substr(1, 1), kZodiacAnimals[static_cast<size_t>(ClashedAnimal(cycle))]);
  }
  EXPECT_EQ(kZodiacAnimals[static_cast<size_t>(ZodiacAnimalOfYear(1990))], u"馬");
  EXPECT_EQ(kZodiacAnimals[static_cast<size_t>(ZodiacAnimalOfYear(2026))], u"馬");
  EXPECT_EQ(kZodiacAnimals[static_cast<size_t>(ZodiacAnimalOfYear(1900))], u"鼠");
}

TEST(DayFinder, RefusesBadRanges) {
  std::vector<ChosenDay> out{ChosenDay{}};
  const ActivityId a = *ActivityByName(u"嫁娶");
  EXPECT_EQ(ChooseDays({a, 2026, 2, 1, 2026, 1, 31, {}}, out), kBadChooseRange);
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(ChooseDays({a, 1899, 12, 31, 1900, 1, 31, {}}, out), kBadChooseRange);
  EXPECT_EQ(ChooseDays({a, 2026, 2, 30, 2026, 3, 1, {}}, out), kBadChooseRange);
  EXPECT_EQ(ChooseDays({a, 2000, 1, 1, 2009, 12, 31, {}}, out), 0);  // ten years with three leap days
  EXPECT_EQ(ChooseDays({a, 2000, 1, 1, 2010, 1, 1, {}}, out), kChooseRangeTooLong);
  EXPECT_EQ(ChooseDays({a, 2091, 1, 1, 2100, 12, 31, {}}, out), 0);
}

TEST(DayFinder, BestFirstPutsYellowDaysAndMoreGoodSpiritsFirst) {
  std::vector<ChosenDay> days;
  ASSERT_EQ(ChooseDays({*ActivityByName(u"祭祀"), 2026, 1, 1, 2026, 12, 31, {}}, days), 0);
  SortBestFirst(days);
  for (size_t i = 1; i < days.size(); ++i) {
    const ChosenDay &a = days[i - 1], &b = days[i];
    ASSERT_GE(a.yellowPath, b.yellowPath);
    if (a.yellowPath != b.yellowPath) continue;
    ASSERT_GE(a.goodSpirits, b.goodSpirits);
    if (a.goodSpirits != b.goodSpirits) continue;
    ASSERT_LE(a.badSpirits, b.badSpirits);
    if (a.badSpirits != b.badSpirits) continue;
    ASSERT_LT(a.month * 100 + a.day, b.month * 100 + b.day);
  }
}

}  // namespace
}  // namespace lunisol
