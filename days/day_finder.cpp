#include "days/day_finder.h"

#include <algorithm>
#include <tuple>

#include "days/day_facts.h"
#include "days/day_lists.h"

namespace lunisol {

int ZodiacAnimalOfYear(int year) { return ((year - 4) % 12 + 12) % 12; }

int BirthAnimal(int year, int month, int day) {
  DayFacts f;
  if (!ComputeDayFacts(year, month, day, f)) return -1;
  return f.sectionYearBranch;
}

int ClashedAnimal(int dayCycle) { return (dayCycle % 12 + 6) % 12; }

std::optional<ChooseTarget> ChooseTargetByName(std::u16string_view name) {
  if (const std::optional<int> word = AlmanacWordByName(name)) return ChooseTarget{word, std::nullopt};
  if (const std::optional<ActivityId> activity = ActivityByName(name)) return ChooseTarget{std::nullopt, activity};
  return std::nullopt;
}

std::u16string_view ChooseTargetName(const ChooseTarget& target) {
  if (target.word) return AlmanacWordName(*target.word);
  if (target.activity) return ActivityName(*target.activity);
  return {};
}

namespace {

const AlmanacItem* SuitingItem(const AlmanacList& list, const ChooseTarget& t) {
  for (int i = 0; i < list.yiCount; ++i) {
    const AlmanacItem& item = list.yi[static_cast<size_t>(i)];
    if ((t.word && item.word == *t.word) || (t.activity && item.activity == static_cast<int>(*t.activity)))
      return &item;
  }
  return nullptr;
}

}  // namespace

int ChooseDays(const ChooseRequest& r, std::vector<ChosenDay>& out) {
  out.clear();
  DayLists d;
  if (!EvaluateDayLists(r.fromYear, r.fromMonth, r.fromDay, d) || !EvaluateDayLists(r.toYear, r.toMonth, r.toDay, d))
    return kBadChooseRange;
  const int first = CivilDayNumber(r.fromYear, r.fromMonth, r.fromDay);
  const int last = CivilDayNumber(r.toYear, r.toMonth, r.toDay);
  if (last < first) return kBadChooseRange;
  if (last - first + 1 > kMaxChooseDays) return kChooseRangeTooLong;
  AlmanacList list;
  for (int n = first; n <= last; ++n) {
    const auto [y, m, day] = CivilDate(n);
    EvaluateDayLists(y, m, day, d);
    if (std::find(r.animals.begin(), r.animals.end(), ClashedAnimal(d.dayCycle)) != r.animals.end()) continue;
    BuildAlmanacList(d, list);
    const AlmanacItem* item = SuitingItem(list, r.target);
    if (!item) continue;
    out.push_back({y, m, day, d.lunarYear, d.lunarMonth, d.lunarDay, d.dayGod, d.yellowPath, *item,
                   d.goodSpirits.Count(), d.badSpirits.Count()});
  }
  return 0;
}

void SortBestFirst(std::vector<ChosenDay>& days) {
  std::stable_sort(days.begin(), days.end(), [](const ChosenDay& a, const ChosenDay& b) {
    return std::tuple(!a.yellowPath, -a.goodSpirits, a.badSpirits) <
           std::tuple(!b.yellowPath, -b.goodSpirits, b.badSpirits);
  });
}

}  // namespace lunisol
