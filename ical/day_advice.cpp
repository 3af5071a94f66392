#include "ical/day_advice.h"

#include "days/day_lists.h"

namespace lunisol {

namespace {

std::vector<std::u16string> Names(const std::array<ActivityVerdict, kActivityCount>& items, int count) {
  std::vector<std::u16string> names;
  names.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) names.emplace_back(ActivityName(items[static_cast<size_t>(i)].activity));
  return names;
}

DayAdvice AdviceOfDay(int year, int month, int day) {
  const DayLists lists = EvaluateDayLists(year, month, day);
  DayAdvice advice;
  if (!lists.valid) return advice;
  advice.allBad = lists.allBad;
  advice.yi = Names(lists.yi, lists.yiCount);
  if (!lists.allBad) advice.ji = Names(lists.ji, lists.jiCount);
  return advice;
}

}  // namespace

std::u16string RuleBookLine() { return u"依《" + std::u16string(kDayRuleSetName) + u"》鋪註"; }

DayAdviceSource RuleBookAdvice() { return {RuleBookLine(), &AdviceOfDay}; }

}  // namespace lunisol
