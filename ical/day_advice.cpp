#include "ical/day_advice.h"

#include "days/almanac_list.h"

namespace lunisol {

namespace {

template <size_t N>
std::vector<std::u16string> Words(const std::array<AlmanacItem, N>& items, int count) {
  std::vector<std::u16string> words;
  words.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) words.emplace_back(AlmanacWordName(items[static_cast<size_t>(i)].word));
  return words;
}

DayAdvice AdviceOfDay(int year, int month, int day) {
  DayLists lists;
  DayAdvice advice;
  if (!EvaluateDayLists(year, month, day, lists)) return advice;
  AlmanacList almanac;
  BuildAlmanacList(lists, almanac);
  advice.allBad = almanac.allBad;
  advice.restBad = almanac.restBad;
  advice.yi = Words(almanac.yi, almanac.yiCount);
  advice.ji = Words(almanac.ji, almanac.jiCount);
  for (int m = 0; m < FolkMarkCount(); ++m)
    if ((almanac.marks >> m) & 1) advice.marks.emplace_back(FolkMarkName(m));
  return advice;
}

}  // namespace

std::u16string RuleBookLine() {
  return u"依《" + std::u16string(kDayRuleSetName) + u"》鋪註，參《董公選擇日要覽》與通書";
}

DayAdviceSource RuleBookAdvice() { return {RuleBookLine(), &AdviceOfDay}; }

}  // namespace lunisol
