// The 宜/忌 a calendar file carries: the days layer's lists, reckoned by the
// rules of 《欽定協紀辨方書》, in the book's own activity names, as a source
// the calendar events take.
#pragma once

#include <string>

#include "ical/calendar_events.h"

namespace lunisol {

// "依《欽定協紀辨方書》鋪註": the line under the lists naming the rule set.
std::u16string RuleBookLine();

// The activities each day suits and forbids, as `lunisol-cli day` lists
// them. On a day on which nothing is undertaken the 忌 list would name every
// activity; such a day says 諸事不宜 instead of the list.
DayAdviceSource RuleBookAdvice();

}  // namespace lunisol
