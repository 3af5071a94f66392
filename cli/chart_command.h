// lunisol-cli chart: the natal chart (紫微斗數命盤) of a birth as one UTF-8
// JSON object (see commands.cpp for its arguments).
#pragma once

#include <ostream>

#include "cli/arguments.h"

namespace lunisol::cli {

// The chart is read for today's date on this computer's clock unless --at
// (or its older name --today) gives another, never before the day charted.
int RunChart(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace lunisol::cli
