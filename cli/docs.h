// lunisol-cli's manual page and its bash completion, made from the command
// table like the help, so that neither can fall behind a new command,
// argument or name. lunisol-cli-docs writes them at build time.
#pragma once

#include <ostream>

namespace lunisol::cli {

// lunisol-cli(1) in roff (man macros).
void PrintManPage(std::ostream& out);
// A bash completion script for lunisol-cli: its commands, their options,
// and the names a word can take (activities, sexes, calendar parts, …).
void PrintBashCompletion(std::ostream& out);

}  // namespace lunisol::cli
