// The day commands of lunisol-cli: `day` (the day's spirits and 宜/忌 with
// their reasons) and `choose` (the days that suit an activity).
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lunisol::cli {

// args[0] is "day". `day DATE` prints one JSON object, `day FROM TO` one a
// line for every day of the range. 0 on success, 2 for bad arguments, 1 when
// the output cannot be written.
int DayCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// args[0] is "choose": `choose ACTIVITY FROM TO [--birth-year Y] [--best-first]`
// prints one JSON object with the days that suit the activity. An unknown
// activity gives the list of the valid ones (exit 2).
int ChooseCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lunisol::cli
