// lunisol-cli ical: the almanac as an iCalendar file on stdout.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lunisol::cli {

// args[0] is "ical":
//   ical YEAR [TO_YEAR] [--include lunar,terms,festivals,deities,phases,yiji]
// Returns 0 on success, 2 (with a one-line message on `err`) for bad
// arguments, 1 when the calendar could not be written to `out`.
int RunIcalCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lunisol::cli
