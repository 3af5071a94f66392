// The calendar commands of lunisol-cli (see commands.cpp for their
// arguments).
#pragma once

#include <ostream>

#include "cli/arguments.h"

namespace lunisol::cli {

int RunTables(const Args& args, std::ostream& out, std::ostream& err);
int RunConvert(const Args& args, std::ostream& out, std::ostream& err);
int RunDays(const Args& args, std::ostream& out, std::ostream& err);
int RunMonth(const Args& args, std::ostream& out, std::ostream& err);
int RunPhases(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace lunisol::cli
