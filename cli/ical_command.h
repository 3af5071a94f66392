// lunisol-cli ical: the almanac as an iCalendar file (see commands.cpp for
// its arguments).
#pragma once

#include <ostream>

#include "cli/arguments.h"

namespace lunisol::cli {

int RunIcal(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace lunisol::cli
