// The day commands of lunisol-cli: `day` (the day's spirits and 宜/忌 with
// their reasons) and `choose` (the days that suit an activity); see
// commands.cpp for their arguments.
#pragma once

#include <ostream>

#include "cli/arguments.h"

namespace lunisol::cli {

// One JSON object for DATE, one a line for every day of FROM..TO.
int RunDay(const Args& args, std::ostream& out, std::ostream& err);

// One JSON object with the days of FROM..TO (at most ten years) that suit
// ACTIVITY.
int RunChoose(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace lunisol::cli
