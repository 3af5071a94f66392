// What lunisol-cli says about itself, made from the command table: the list
// of commands, each command's help and its usage line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace lunisol::cli {

// lunisol-cli --help: how to call it and every command with its summary.
void PrintOverview(std::ostream& out);
// lunisol-cli help CMD, CMD --help: the forms, each argument explained, an
// example.
void PrintCommandHelp(const Command& command, std::ostream& out);
// "day DATE | day FROM TO": the forms on one line, for a refusal.
std::string UsageLine(const Command& command);
// One form with the command's options:
// "choose ACTIVITY FROM TO [--birth-year YEAR] [--best-first]".
std::string FormLine(const Command& command, const Form& form);
// The params a command's help explains, each once, in the order they come,
// -o FILE last.
std::vector<const Param*> ExplainedParams(const Command& command);
// "--birth-year YEAR", "--best-first", "DATE".
std::string ParamWords(const Param& param);
// What a param means to its command and what its reader accepts.
std::string Explanation(const Param& param);
// lunisol-cli --version
void PrintVersion(std::ostream& out);

}  // namespace lunisol::cli
