#include "cli/docs.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/help.h"

namespace lunisol::cli {

namespace {

// ---- The manual page ----

// Text as roff reads it: a backslash written out, every '-' a minus sign
// (so that options and dates copied from the page work), and no line that
// starts as a request.
std::string Roff(std::string_view text) {
  std::string out;
  bool lineStart = true;
  for (const char c : text) {
    if (lineStart && (c == '.' || c == '\'')) out += "\\&";
    if (c == '\\')
      out += "\\e";
    else if (c == '-')
      out += "\\-";
    else
      out += c;
    lineStart = c == '\n';
  }
  return out;
}

std::string Bold(std::string_view text) { return "\\fB" + Roff(text) + "\\fR"; }
std::string Italic(std::string_view text) { return "\\fI" + Roff(text) + "\\fR"; }

// "\fBchoose\fR \fIACTIVITY\fR … [\fB\-\-best\-first\fR]": a form as the
// usage line writes it, with the fonts of a manual's synopsis.
std::string RoffForm(const Command& c, const Form& form) {
  std::string line = Bold(c.name);
  size_t open = 0;
  for (const Param& p : form) {
    line += p.optional ? " [" : " ";
    line += p.reader ? Italic(p.name) : Bold(p.name);
    open += p.optional;
  }
  line += std::string(open, ']');
  for (const Param& o : c.options)
    line += " [" + Bold(o.name) + (o.reader ? " " + Italic(o.reader->form) : "") + "]" + (o.repeatable ? "…" : "");
  return line;
}

std::string ParamTag(const Param& p) {
  if (!p.name.starts_with('-')) return Italic(p.name);
  return Bold(p.name) + (p.reader ? " " + Italic(p.reader->form) : "");
}

void PrintCommandSection(const Command& c, std::ostream& out) {
  out << ".SS " << Roff(c.name) << "\n";
  for (size_t i = 0; i < c.forms.size(); ++i)
    out << (i ? ".br\n" : "") << Bold("lunisol-cli") << " " << RoffForm(c, c.forms[i]) << "\n";
  std::string about(c.summary);
  if (!about.empty() && about[0] >= 'a' && about[0] <= 'z') about[0] = static_cast<char>(about[0] - 'a' + 'A');
  out << ".PP\n" << Roff(about + ". " + std::string(c.details)) << "\n";
  for (const Param* p : ExplainedParams(c)) {
    if (p == &kOutputOption) continue;  // the same for every command: under OPTIONS
    out << ".TP\n" << ParamTag(*p) << "\n" << Roff(Explanation(*p)) << "\n";
  }
  out << ".PP\nExample:\n.RS\n" << Bold("lunisol-cli " + std::string(c.example)) << "\n.RE\n";
}

constexpr std::string_view kManHead = R"roff(.SH NAME
lunisol\-cli \- the traditional Chinese almanac (農民曆) of 1900\(en2100 on the command line
.SH SYNOPSIS
\fBlunisol\-cli\fR \fICOMMAND\fR [\fIARGUMENTS\fR] [\fB\-o\fR \fIFILE\fR]
.br
\fBlunisol\-cli help\fR \fICOMMAND\fR
.br
\fBlunisol\-cli\fR \fICOMMAND\fR \fB\-\-help\fR
.br
\fBlunisol\-cli \-\-help\fR | \fB\-\-version\fR
.SH DESCRIPTION
\fBlunisol\-cli\fR is the command\-line face of Lunisol, an almanac of the
traditional Chinese lunisolar calendar in the manner of a Taiwanese farmer's
almanac, for the Gregorian years 1900 to 2100. Every command prints UTF\-8 JSON
on standard output for other programs, except \fBcal\fR (a calendar to read),
\fBphases\fR (a moon\-phase file) and \fBical\fR (an iCalendar file).
.PP
Arguments are read strictly: dates exactly YYYY\-MM\-DD in ASCII digits within
1900\-01\-01..2100\-12\-31, a range's end not before its start, an option at
most once, words in UTF\-8. Options may stand anywhere after the command;
\fB\-\-\fR ends them.
.SH COMMANDS
)roff";

constexpr std::string_view kManTail = R"roff(.SH OPTIONS
Every command takes these.
.TP
\fB\-o\fR \fIFILE\fR
Write the output to \fIFILE\fR instead of standard output. The output goes
to a temporary file beside it, which takes the name only once all of it is on
the disk, so a full disk, a read\-only folder or a missing permission leaves
the old file as it was. A symbolic link is followed to the file it names; a
folder, a FIFO or a device is never replaced.
.TP
\fB\-h\fR, \fB\-\-help\fR
Show the command's forms, each argument explained, and an example.
.TP
\fB\-\-version\fR
Show the version (alone, without a command).
.SH EXIT STATUS
.TP
0
Done.
.TP
1
The output could not be written (a message on standard error names the file
and the reason).
.TP
2
Bad arguments: a one\-line message names what was wrong.
.SH ENVIRONMENT
.TP
\fBXDG_DATA_HOME\fR
Where a moon\-phase file is looked for after the current directory:
\fI$XDG_DATA_HOME/lunisol/\fR (by default \fI~/.local/share/lunisol/\fR).
.TP
\fBNO_COLOR\fR, \fBTERM\fR
\fBcal \-\-color auto\fR shows today in reverse video only on a terminal,
not when \fBNO_COLOR\fR is set or \fBTERM\fR is \fBdumb\fR.
.SH FILES
.TP
\fIFarmer<year>\fR
A moon\-phase file: when there is one, its phases (and dated notes) win over
the built\-in table for every month it gives. \fBlunisol\-cli phases\fR
\fIYEAR\fR prints the built\-in phases in its format, a start for one's own.
A file larger than 1 MB, or one that gives no month, is ignored with a notice
on standard error.
.SH SEE ALSO
\fBlunisol\fR(1), \fBcal\fR(1)
)roff";

// ---- The bash completion ----

// A word list in single quotes, safe whatever it holds.
std::string Quoted(const std::vector<std::string>& words) {
  std::string list;
  for (const std::string& w : words) {
    if (!list.empty()) list += ' ';
    for (const char c : w) list += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return "'" + list + "'";
}

std::vector<std::string> NamesOf(const Reader& reader) {
  std::vector<std::string> names;
  if (!reader.names) return names;
  for (const Choice& c : reader.names()) names.push_back(c.name);
  return names;
}

void AddUnique(std::vector<std::string>& list, const std::vector<std::string>& more) {
  for (const std::string& w : more)
    if (std::find(list.begin(), list.end(), w) == list.end()) list.push_back(w);
}

// One `case "$1 $2"` of a shell function: each key's words, keys in order.
void PrintCase(std::ostream& out, const std::map<std::string, std::vector<std::string>>& entries) {
  out << "  case \"$1 ${2-}\" in\n";
  for (const auto& [key, words] : entries)
    if (!words.empty()) out << "    " << Quoted({key}) << ") echo " << Quoted(words) << " ;;\n";
  out << "  esac\n";
}

struct CompletionTables {
  std::vector<std::string> commands;
  std::map<std::string, std::vector<std::string>> options;   // "CMD " → its options and literal words
  std::map<std::string, std::vector<std::string>> literals;  // "CMD " → words that pick a form (--lunar)
  std::map<std::string, std::vector<std::string>> words;     // "CMD N" → names at position N
  std::map<std::string, std::vector<std::string>> values;    // "CMD OPTION" → names of its value
  std::vector<std::string> valued;                           // "CMD OPTION" that take a value
  std::vector<std::string> lists;                            // "CMD OPTION" whose value is a list
};

void AddOption(CompletionTables& t, const std::string& command, const Param& o) {
  AddUnique(t.options[command + " "], {std::string(o.name)});
  if (!o.reader) return;
  const std::string key = command + " " + std::string(o.name);
  t.valued.push_back(key);
  t.values[key] = NamesOf(*o.reader);
  if (o.reader->list) t.lists.push_back(key);
}

CompletionTables Tables() {
  CompletionTables t;
  for (const Command& c : Commands()) {
    const std::string name(c.name);
    t.commands.push_back(name);
    for (const Form& f : c.forms)
      for (size_t k = 0; k < f.size(); ++k) {
        const Param& p = f[k];
        const std::string key = name + " " + std::to_string(k);
        if (p.reader) {
          AddUnique(t.words[key], NamesOf(*p.reader));
        } else {
          AddUnique(t.words[key], {std::string(p.name)});
          AddUnique(t.literals[name + " "], {std::string(p.name)});
          AddUnique(t.options[name + " "], {std::string(p.name)});
        }
      }
    for (const Param& o : c.options) AddOption(t, name, o);
    AddOption(t, name, kOutputOption);
    AddUnique(t.options[name + " "], {"--help"});
  }
  return t;
}

// The shell's side: which word the cursor is on, read the way lunisol-cli
// reads its arguments (options anywhere, "--" ends them, "--name=value").
constexpr std::string_view kCompletionMain = R"sh(
_lunisol_cli_reply() {
  mapfile -t COMPREPLY < <(compgen "$@")
}

_lunisol_cli() {
  local cur=${COMP_WORDS[COMP_CWORD]} command= position=0 option= ended= i w
  COMPREPLY=()
  for ((i = 1; i < COMP_CWORD; i++)); do
    w=${COMP_WORDS[i]}
    if [[ -n $option ]]; then
      # Its value; bash splits "--include=lunar" into "--include" "=" "lunar".
      [[ $w == = ]] || option=
    elif [[ -z $command ]]; then
      command=$w
    elif [[ -z $ended && $w == -- ]]; then
      ended=1
    # An option (a word "-" and a digit is a negative number).
    elif [[ -z $ended && $w == -[!0-9]* && " $(_lunisol_cli_literals "$command") " != *" $w "* ]]; then
      [[ $w != *=* ]] && _lunisol_cli_valued "$command" "$w" && option=$w
    else
      position=$((position + 1))
    fi
  done

  local prefix=
  if [[ -z $option && -z $ended && $cur == --*=* ]]; then
    option=${cur%%=*} prefix=${cur%%=*}= cur=${cur#*=}
    _lunisol_cli_valued "$command" "$option" || return 0
  fi
  if [[ -n $option ]]; then
    # Right after a split "=", the word being completed is the "=" itself.
    [[ $cur == = ]] && prefix+== cur=
    if [[ $option == -o ]]; then
      compopt -o filenames 2>/dev/null
      _lunisol_cli_reply -f -- "$cur"
      return 0
    fi
    if _lunisol_cli_list "$command" "$option"; then
      compopt -o nospace 2>/dev/null
      [[ $cur == *,* ]] && prefix+=${cur%,*}, cur=${cur##*,}
    fi
    _lunisol_cli_reply -P "$prefix" -W "$(_lunisol_cli_values "$command" "$option")" -- "$cur"
    return 0
  fi

  if [[ -z $command ]]; then
    _lunisol_cli_reply -W "$_lunisol_cli_commands help --help --version" -- "$cur"
  elif [[ $command == help ]]; then
    ((position == 0)) && _lunisol_cli_reply -W "$_lunisol_cli_commands" -- "$cur"
  elif [[ -z $ended && $cur == -* ]]; then
    _lunisol_cli_reply -W "$(_lunisol_cli_options "$command")" -- "$cur"
  else
    _lunisol_cli_reply -W "$(_lunisol_cli_words "$command" "$position")" -- "$cur"
  fi
  return 0
}

complete -F _lunisol_cli lunisol-cli
)sh";

void PrintMatcher(std::ostream& out, std::string_view name, const std::vector<std::string>& keys) {
  out << "\n" << name << "() {\n  case \"$1 ${2-}\" in\n";
  for (size_t i = 0; i < keys.size(); ++i) out << (i ? " | " : "    ") << Quoted({keys[i]});
  out << (keys.empty() ? "    '')" : ")") << " return 0 ;;\n  esac\n  return 1\n}\n";
}

void PrintLister(std::ostream& out, std::string_view name, const std::map<std::string, std::vector<std::string>>& e) {
  out << "\n" << name << "() {\n";
  PrintCase(out, e);
  out << "}\n";
}

}  // namespace

void PrintManPage(std::ostream& out) {
  out << ".\\\" lunisol-cli(1), made from the program's command table by lunisol-cli-docs.\n"
      << ".TH LUNISOL\\-CLI 1 \"\" \"Lunisol " << Roff(LUNISOL_VERSION) << "\" \"User Commands\"\n"
      << kManHead;
  for (const Command& c : Commands()) PrintCommandSection(c, out);
  out << kManTail;
}

void PrintBashCompletion(std::ostream& out) {
  const CompletionTables t = Tables();
  out << "# bash completion for lunisol-cli, made from its command table by\n"
      << "# lunisol-cli-docs: the commands, their options and the names their words take.\n"
      << "\n_lunisol_cli_commands=" << Quoted(t.commands) << "\n";
  PrintLister(out, "_lunisol_cli_options", t.options);
  PrintLister(out, "_lunisol_cli_literals", t.literals);
  PrintLister(out, "_lunisol_cli_words", t.words);
  PrintLister(out, "_lunisol_cli_values", t.values);
  PrintMatcher(out, "_lunisol_cli_valued", t.valued);
  PrintMatcher(out, "_lunisol_cli_list", t.lists);
  out << kCompletionMain;
}

}  // namespace lunisol::cli
