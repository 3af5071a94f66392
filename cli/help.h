// What lunisol-cli says about itself, made from the command table: the list
// of commands, each command's help and its usage line.
#pragma once

#include <ostream>
#include <string>

#include "cli/commands.h"

namespace lunisol::cli {

// lunisol-cli --help: how to call it and every command with its summary.
void PrintOverview(std::ostream& out);
// lunisol-cli help CMD, CMD --help: the forms, each argument explained, an
// example.
void PrintCommandHelp(const Command& command, std::ostream& out);
// "day DATE | day FROM TO": the forms on one line, for a refusal.
std::string UsageLine(const Command& command);
// lunisol-cli --version
void PrintVersion(std::ostream& out);

}  // namespace lunisol::cli
