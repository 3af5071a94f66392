// lunisol-cli: the command-line face of the almanac's core. Every command
// prints UTF-8 JSON (phases a moon-phase file, ical an iCalendar file) on
// standard output or, with -o FILE, into FILE. Bad arguments give a one-line
// message on stderr and exit status 2; output that cannot be written, 1.
#include <cerrno>
#include <cstring>
#include <iostream>
#include <span>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/help.h"
#include "cli/json_util.h"
#include "cli/output.h"

namespace lunisol::cli {

namespace {

constexpr std::string_view kSeeHelp = "; 'lunisol-cli --help' lists the commands";

int RunCommand(const Command& c, std::span<const std::string> words, std::ostream& out, std::ostream& err) {
  const Reading r = ReadArguments(c.forms, c.options, words);
  if (r.help) {
    PrintCommandHelp(c, out);
    return 0;
  }
  if (!r.problem.empty())
    return Refuse(err, std::string(c.name) + ": " + r.problem + (r.wrongWords ? "; usage: " + UsageLine(c) : ""));
  if (!r.args.Has(kOutputOption.name)) return c.run(r.args, out, err);
  return WriteToFile(
      r.args.Text(kOutputOption.name), [&](std::ostream& file) { return c.run(r.args, file, err); }, err);
}

int Help(std::span<const std::string> topics, std::ostream& out, std::ostream& err) {
  if (topics.empty()) {
    PrintOverview(out);
    return 0;
  }
  const Command* c = FindCommand(topics[0]);
  if (!c) return Refuse(err, "help: unknown command " + Quoted(topics[0]) + std::string(kSeeHelp));
  if (topics.size() > 1) return Refuse(err, "help: unexpected word " + Quoted(topics[1]) + "; usage: help COMMAND");
  PrintCommandHelp(*c, out);
  return 0;
}

}  // namespace

int Run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
  if (words.empty()) return Refuse(err, "no command given" + std::string(kSeeHelp));
  const std::span<const std::string> rest = std::span(words).subspan(1);
  const std::string& first = words[0];
  if (first == "help" || first == "--help" || first == "-h") return Help(rest, out, err);
  if (first == "--version") {
    if (!rest.empty()) return Refuse(err, "--version: unexpected word " + Quoted(rest[0]));
    PrintVersion(out);
    return 0;
  }
  const Command* c = FindCommand(first);
  if (!c) return Refuse(err, "unknown command " + Quoted(first) + std::string(kSeeHelp));
  return RunCommand(*c, rest, out, err);
}

}  // namespace lunisol::cli

int main(int argc, char** argv) {
  const std::vector<std::string> words(argv + 1, argv + argc);
  const int status = lunisol::cli::Run(words, std::cout, std::cerr);
  // Output that never arrived is a failure, whatever the command thought:
  // a full disk or a closed pipe must not end with status 0. (errno still
  // holds the reason of the write that failed.)
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "lunisol-cli: cannot write the output" << (errno ? std::string(": ") + std::strerror(errno) : "")
              << "\n";
    return status == 0 ? 1 : status;
  }
  return status;
}
