// The day finder: the days it chooses are exactly the days whose almanac
// list notes the word (or the book activity) 宜, less the days that clash
// with any of the people it is for.
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

const AlmanacItem* Suiting(const AlmanacList& a, std::u16string_view name) {
  for (int i = 0; i < a.yiCount; ++i) {
    const AlmanacItem& item = a.yi[static_cast<size_t>(i)];
    if (AlmanacWordName(item.word) == name ||
        (item.activity >= 0 && ActivityName(static_cast<ActivityId>(item.activity)) == name))
      return &item;
  }
  return nullptr;
}

TEST(DayFinder, ChoosesExactlyTheDaysWhoseAlmanacListSuitsTheWord) {
  const std::vector<int> couple{BirthAnimal(1990, 1, 20), BirthAnimal(1992, 6, 1)};
  for (std::u16string_view name : {u"嫁娶", u"入宅", u"安床", u"動土", u"入殮", u"納采問名", u"移徙"})
    for (const std::vector<int>& animals : {std::vector<int>{}, couple}) {
      const std::optional<ChooseTarget> target = ChooseTargetByName(name);
      ASSERT_TRUE(target) << ToUtf8(name);
      EXPECT_EQ(ChooseTargetName(*target), name);
      std::vector<ChosenDay> chosen;
      ASSERT_EQ(ChooseDays({*target, 2026, 1, 1, 2026, 12, 31, animals}, chosen), 0);
      size_t next = 0;
      DayLists d;
      AlmanacList a;
      for (int m = 1; m <= 12; ++m)
        for (int day = 1; day <= DaysInSolarMonth(2026, m); ++day) {
          EvaluateDayLists(2026, m, day, d);
          BuildAlmanacList(d, a);
          const AlmanacItem* item = Suiting(a, name);
          bool clash = false;
          for (int animal : animals) clash = clash || ClashedAnimal(d.dayCycle) == animal;
          const bool got = next < chosen.size() && chosen[next].month == m && chosen[next].day == day;
          EXPECT_EQ(got, item && !clash) << ToUtf8(name) << " 2026-" << m << "-" << day;
          if (!got) continue;
          EXPECT_EQ(chosen[next].item.word, item->word);
          EXPECT_EQ(ItemReasons(chosen[next].item), ItemReasons(*item));
          EXPECT_EQ(chosen[next].dayGod, d.dayGod);
          ++next;
        }
      EXPECT_EQ(next, chosen.size());
      EXPECT_GT(chosen.size(), 0u) << ToUtf8(name);
    }
}

// The almanac's word comes first, the book's names are taken too, and an
// empty or unknown word is nothing (never the first activity of a table).
TEST(DayFinder, ReadsTheAlmanacWordsAndTheBooksNames) {
  EXPECT_TRUE(ChooseTargetByName(u"入宅")->word);
  EXPECT_TRUE(ChooseTargetByName(u"安床")->word);
  EXPECT_TRUE(ChooseTargetByName(u"安牀")->activity);
  EXPECT_TRUE(ChooseTargetByName(u"納采問名")->activity);
  EXPECT_EQ(AlmanacWordActivity(*ChooseTargetByName(u"安床")->word), ChooseTargetByName(u"安牀")->activity);
  for (std::u16string_view bad : {u"", u" ", u"嫁", u"嫁娶 ", u"xyz"}) EXPECT_FALSE(ChooseTargetByName(bad));
}

// The year of a birth is counted from 立春: 1990-01-20 is still the 巳 year
// of 1989, as is 1990-02-03; 1990-02-04 (立春) begins the 午 year.
TEST(DayFinder, BirthYearsBeginAtTheStartOfSpring) {
  EXPECT_EQ(kZodiacAnimals[static_cast<size_t>(BirthAnimal(1990, 1, 20))], u"蛇");
  EXPECT_EQ(kZodiacAnimals[static_cast<size_t>(BirthAnimal(1990, 2, 3))], u"蛇");
  EXPECT_EQ(kZodiacAnimals[static_cast<size_t>(BirthAnimal(1990, 2, 4))], u"馬");
  EXPECT_EQ(kZodiacAnimals[static_cast<size_t>(BirthAnimal(1992, 6, 1))], u"猴");
  EXPECT_EQ(BirthAnimal(1899, 12, 31), -1);
  EXPECT_EQ(BirthAnimal(1990, 2, 30), -1);
  EXPECT_EQ(ZodiacAnimalOfYear(1990), BirthAnimal(1990, 6, 1));
  EXPECT_EQ(ZodiacAnimalOfYear(2026), BirthAnimal(2026, 2, 4));
}

// Two people leave out the days that clash with either.
TEST(DayFinder, TwoPeopleLeaveOutEitherClash) {
  const ChooseTarget t = *ChooseTargetByName(u"解除");
  std::vector<ChosenDay> all, snake, both;
  ASSERT_EQ(ChooseDays({t, 2026, 1, 1, 2026, 12, 31, {}}, all), 0);
  ASSERT_EQ(ChooseDays({t, 2026, 1, 1, 2026, 12, 31, {BirthAnimal(1990, 1, 20)}}, snake), 0);
  ASSERT_EQ(ChooseDays({t, 2026, 1, 1, 2026, 12, 31, {BirthAnimal(1990, 1, 20), BirthAnimal(1992, 6, 1)}}, both), 0);
  EXPECT_LT(snake.size(), all.size());
  EXPECT_LT(both.size(), snake.size());
  for (const ChosenDay& d : both) {
    const int branch = EvaluateDayLists(d.year, d.month, d.day).dayCycle % 12;
    EXPECT_NE(branch, 11);  // 亥 days strike the snake
    EXPECT_NE(branch, 2);   // 寅 days the monkey
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
  EXPECT_EQ(kZodiacAnimals[static_cast<size_t>(ZodiacAnimalOfYear(1900))], u"鼠");
}

TEST(DayFinder, RefusesBadRanges) {
  std::vector<ChosenDay> out{ChosenDay{}};
  const ChooseTarget a = *ChooseTargetByName(u"嫁娶");
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
  ASSERT_EQ(ChooseDays({*ChooseTargetByName(u"祭祀"), 2026, 1, 1, 2026, 12, 31, {}}, days), 0);
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
