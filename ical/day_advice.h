// The 宜/忌 a calendar file carries: the almanac list of the days layer (the
// almanac's words over the decision of 《欽定協紀辨方書》, with the folk day
// marks), as a source the calendar events take.
#pragma once

#include <string>

#include "ical/calendar_events.h"

namespace lunisol {

// The line under the lists naming the rules they follow.
std::u16string RuleBookLine();

// The words each day suits and forbids as the almanac list gives them (the
// `almanac` of `lunisol-cli day`), with its marks; a day on which nothing
// is undertaken says 諸事不宜 instead of a 忌 list.
DayAdviceSource RuleBookAdvice();

}  // namespace lunisol
