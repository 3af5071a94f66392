#include "cli/help.h"

#include <algorithm>
#include <vector>

#include "cli/text_width.h"

namespace lunisol::cli {

namespace {

constexpr std::string_view kProgram = "lunisol-cli";
constexpr int kWidth = 100;  // columns of a help line

// `text` in lines of at most kWidth columns (a longer word alone on its
// line), every line after the first indented by `indent`.
std::string Wrapped(std::string_view text, int indent) {
  std::string wrapped;
  int column = indent;
  while (!text.empty()) {
    const size_t space = text.find(' ');
    const std::string_view word = text.substr(0, space);
    text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    if (!wrapped.empty() && column + 1 + DisplayWidth(word) > kWidth) {
      wrapped += "\n" + std::string(static_cast<size_t>(indent), ' ');
      column = indent;
    } else if (!wrapped.empty()) {
      wrapped += ' ';
      ++column;
    }
    wrapped += word;
    column += DisplayWidth(word);
  }
  return wrapped;
}

void PrintColumns(std::ostream& out, const std::vector<std::pair<std::string, std::string>>& rows) {
  int width = 0;
  for (const auto& [left, right] : rows) width = std::max(width, DisplayWidth(left));
  for (const auto& [left, right] : rows) out << "  " << PadRight(left, width + 2) << Wrapped(right, width + 4) << "\n";
}

}  // namespace

std::string ParamWords(const Param& o) {
  std::string words(o.name);
  if (o.reader) words += " " + std::string(o.reader->form);
  return words;
}

std::string FormLine(const Command& c, const Form& form) {
  std::string line(c.name);
  size_t open = 0;
  for (const Param& p : form) {
    line += p.optional ? " [" : " ";
    line += p.name;
    open += p.optional;
  }
  line += std::string(open, ']');
  for (const Param& o : c.options) line += " [" + ParamWords(o) + "]" + (o.repeatable ? "…" : "");
  return line;
}

std::vector<const Param*> ExplainedParams(const Command& c) {
  std::vector<const Param*> params;
  auto add = [&](const Param& p) {
    const bool seen = std::any_of(params.begin(), params.end(), [&](const Param* q) { return q->name == p.name; });
    if (!seen) params.push_back(&p);
  };
  for (const Form& f : c.forms)
    for (const Param& p : f) add(p);
  for (const Param& o : c.options) add(o);
  add(kOutputOption);
  return params;
}

std::string Explanation(const Param& p) {
  std::string text(p.help);
  if (p.reader) text += ": " + p.reader->Expects();
  if (p.repeatable) text += " (may be given more than once)";
  return text;
}

std::string UsageLine(const Command& command) {
  std::string line;
  for (const Form& f : command.forms) line += (line.empty() ? "" : " | ") + FormLine(command, f);
  return line;
}

void PrintOverview(std::ostream& out) {
  out << "usage: " << kProgram << " COMMAND [ARGUMENTS] [-o FILE]\n"
      << "       " << kProgram << " help COMMAND\n"
      << "       " << kProgram << " --help | --version\n\n"
      << "The traditional Chinese almanac (農民曆) of 1900–2100 on the command line. Every command prints\n"
      << "UTF-8 JSON for other programs, except cal (a calendar to read), phases (a moon-phase file) and\n"
      << "ical (an iCalendar file).\n\n"
      << "Commands:\n";
  std::vector<std::pair<std::string, std::string>> rows;
  for (const Command& c : Commands()) rows.emplace_back(c.name, c.summary);
  PrintColumns(out, rows);
  out << "\nEvery command takes -o FILE, which writes FILE only once the whole output is there (a failure\n"
      << "leaves the old file as it was), and --help.\n"
      << "Exit status: 0 done, 1 the output could not be written, 2 bad arguments.\n";
}

void PrintCommandHelp(const Command& command, std::ostream& out) {
  const char* lead = "usage: ";
  for (const Form& f : command.forms) {
    out << lead << kProgram << " " << FormLine(command, f) << " [-o FILE]\n";
    lead = "       ";
  }
  std::string about(command.summary);
  if (!about.empty() && about[0] >= 'a' && about[0] <= 'z') about[0] = static_cast<char>(about[0] - 'a' + 'A');
  out << "\n" << Wrapped(about + ". " + std::string(command.details), 0) << "\n\nArguments and options:\n";
  std::vector<std::pair<std::string, std::string>> rows;
  for (const Param* p : ExplainedParams(command))
    rows.emplace_back(p->name.starts_with('-') ? ParamWords(*p) : std::string(p->name), Explanation(*p));
  rows.emplace_back("-h, --help", std::string(kHelpOption.help));
  PrintColumns(out, rows);
  out << "\nExample:\n  " << kProgram << " " << command.example << "\n";
}

void PrintVersion(std::ostream& out) { out << kProgram << " " << LUNISOL_VERSION << "\n"; }

}  // namespace lunisol::cli
