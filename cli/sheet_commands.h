// The sheet commands of lunisol-cli: hours, yearly, zodiac and bone, each
// printing the record its dialog shows as one UTF-8 JSON object (see
// commands.cpp for their arguments).
#pragma once

#include <ostream>

#include "cli/arguments.h"

namespace lunisol::cli {

int RunHours(const Args& args, std::ostream& out, std::ostream& err);
int RunYearly(const Args& args, std::ostream& out, std::ostream& err);
int RunZodiac(const Args& args, std::ostream& out, std::ostream& err);
int RunBone(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace lunisol::cli
