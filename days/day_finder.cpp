#include "days/day_finder.h"

#include <algorithm>
#include <tuple>

#include "days/day_facts.h"
#include "days/day_lists.h"

namespace lunisol {

int ZodiacAnimalOfYear(int year) { return ((year - 4) % 12 + 12) % 12; }

int ClashedAnimal(int dayCycle) { return (dayCycle % 12 + 6) % 12; }

namespace {

bool IsSuitable(const DayLists& d, ActivityId activity, const ActivityVerdict*& verdict) {
  verdict = nullptr;
  for (int i = 0; i < d.jiCount; ++i)
    if (d.ji[static_cast<size_t>(i)].activity == activity) return false;
  for (int i = 0; i < d.yiCount; ++i)
    if (d.yi[static_cast<size_t>(i)].activity == activity) verdict = &d.yi[static_cast<size_t>(i)];
  return verdict != nullptr && !d.allBad;
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
  for (int n = first; n <= last; ++n) {
    const auto [y, m, day] = CivilDate(n);
    EvaluateDayLists(y, m, day, d);
    const ActivityVerdict* verdict = nullptr;
    if (!IsSuitable(d, r.activity, verdict)) continue;
    if (r.animal && ClashedAnimal(d.dayCycle) == *r.animal) continue;
    out.push_back({y, m, day, d.lunarYear, d.lunarMonth, d.lunarDay, d.dayGod, d.yellowPath, verdict->because,
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
