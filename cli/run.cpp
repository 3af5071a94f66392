#include "cli/run.h"

#include <span>

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
