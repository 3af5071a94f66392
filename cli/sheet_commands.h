// The sheet commands of lunisol-cli: hours, yearly, zodiac and bone, each
// printing the record its dialog shows as one UTF-8 JSON object.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lunisol::cli {

// args[0] is the command. Returns 0 on success, 2 (with a one-line message on
// `err`) for bad arguments, and −1 when args[0] is not a sheet command.
//   hours YYYY-MM-DD
//   yearly YYYY-MM-DD
//   zodiac YYYY-MM-DD [TAB]   (TAB 0..2, default 0)
//   bone YYYY-MM-DD HOUR      (HOUR 0 = 子 .. 11 = 亥)
int RunSheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace lunisol::cli
