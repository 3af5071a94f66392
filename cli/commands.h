// lunisol-cli's commands, one row each: the name, a one-line summary, the
// forms and options it takes (each read by its kind's reader), one example
// and the function that runs it. The help, the usage lines and every
// argument check come from these rows.
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

#include "cli/arguments.h"

namespace lunisol::cli {

// Runs a command whose arguments were read: 0 when done, 2 (with a one-line
// message on `err`) for arguments that fit the forms but not each other or
// the calendar, 1 for a failure.
using RunFunction = int (*)(const Args& args, std::ostream& out, std::ostream& err);

struct Command {
  std::string_view name;
  std::string_view summary;    // one line, for lunisol-cli --help
  std::vector<Form> forms;     // the ways to call it
  std::vector<Param> options;  // besides -o FILE and --help, which every command takes
  std::string_view details;    // for `help CMD`: what it prints
  std::string_view example;    // one call, without "lunisol-cli"
  RunFunction run = nullptr;
};

const std::vector<Command>& Commands();
const Command* FindCommand(std::string_view name);

}  // namespace lunisol::cli
