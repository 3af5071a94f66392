// The words of a lunisol-cli command, read strictly: one reader per kind of
// argument (a date, a year, an hour, a sex, …) with the one message that
// refuses what it cannot read, and one parser that matches the words against
// a command's forms and options. Commands declare what they take (see
// commands.cpp); nothing else reads an argument.
#pragma once

#include <compare>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lunisol {
struct ChooseTarget;
}

namespace lunisol::cli {

struct Ymd {
  int year = 0, month = 0, day = 0;
  auto operator<=>(const Ymd&) const = default;
};

// What one word was read as; a reader fills the member its kind uses.
struct Value {
  std::string text;  // the word as given
  Ymd date;          // dates
  int number = 0;    // numbers, and the index (or set of bits) of a named choice
};

// A word a reader accepts by name.
struct Choice {
  std::string name;
  std::string lead;  // what the help says before it, opening a group of names: "or one of the book's sixty:"
};

// One kind of argument.
struct Reader {
  std::string_view form;  // how help writes its value: "YYYY-MM-DD", "YEAR"
  std::string expects;    // what it accepts: "a date YYYY-MM-DD within …"
  std::function<bool(std::string_view word, Value& value)> read;
  // The names it accepts, when it reads names: the help lists them after
  // `expects` and the shell's completion offers them. Asked for only when
  // needed, once the tables of the rest of the program are there.
  std::vector<Choice> (*names)() = nullptr;
  bool anyBytes = false;  // a file name: bytes as the system spells them, not necessarily UTF-8
  bool list = false;      // several of its names joined by commas: "lunar,terms"

  // `expects`, followed by the names: "an almanac word, one of: 祭祀, 祈福, …"
  std::string Expects() const;
};

// The readers, each used by every command that takes its kind.
extern const Reader kDateReader;           // YYYY-MM-DD in ASCII digits, a real day of 1900..2100
extern const Reader kYearReader;           // 1900..2100
extern const Reader kMonthReader;          // 1..12
extern const Reader kHourReader;           // 0 (子) .. 11 (亥), 12 (the late 子 hour)
extern const Reader kSexReader;            // 男 (0) or 女 (1)
extern const Reader kColourReader;         // when to highlight: auto (0), always (1) or never (2)
extern const Reader kActivityReader;       // an almanac word (嫁娶, 入宅 …) or one of the book's sixty
extern const Reader kFileReader;           // any name the system accepts
extern const Reader kCalendarPartsReader;  // ical's "lunar,terms,…", as bits of CalendarPart
// YYYY-MM-DD in ASCII digits whatever the numbers: the converter itself
// answers a day that does not exist with its refusal code.
extern const Reader kConverterDateReader;
// What kActivityReader read, as the number it keeps: an almanac word's index,
// or kBookActivityNumbers and up for the book's activities.
inline constexpr int kBookActivityNumbers = 1000;
int ActivityNumber(const ChooseTarget& target);
ChooseTarget ActivityOfNumber(int number);
// A whole number min..max in ASCII digits ('-' only when min is negative).
Reader NumberReader(std::string_view form, int min, int max, std::string expects);

// One argument of a command: a word of a form (DATE), a literal word that
// picks a form (--lunar), or an option (--birth-year YEAR, --best-first).
struct Param {
  std::string_view name;
  const Reader* reader = nullptr;  // none: a literal word, or an option that takes no value
  std::string_view help;           // what it means to this command
  bool optional = false;           // a word at the end of a form that may be left out
  bool repeatable = false;         // an option that may be given more than once
  std::string_view notBefore;      // the argument it may not come before (a range's start)
};

// One way of calling a command: its words in order.
using Form = std::vector<Param>;

// Every command also takes these two.
extern const Param kOutputOption;  // -o FILE
extern const Param kHelpOption;    // -h, --help

// What a command was given, by the names of its params.
class Args {
 public:
  bool Has(std::string_view name) const;
  // The value of an argument that was given (the first, if repeated);
  // std::logic_error for one that was not.
  const Value& operator[](std::string_view name) const;
  // Every value of a repeatable option, in the order given.
  std::vector<const Value*> All(std::string_view name) const;
  const Ymd& Date(std::string_view name) const { return (*this)[name].date; }
  int Number(std::string_view name) const { return (*this)[name].number; }
  const std::string& Text(std::string_view name) const { return (*this)[name].text; }

  void Add(std::string_view name, Value value) { values_.emplace_back(name, std::move(value)); }

 private:
  std::vector<std::pair<std::string_view, Value>> values_;
};

struct Reading {
  Args args;
  bool help = false;        // --help was among the words: nothing else was read
  std::string problem;      // what was wrong, one line; empty when all was read
  bool wrongWords = false;  // a word missing or one too many: the usage says what fits
};

// Reads a command's words (those after its name) against its forms and
// options.
Reading ReadArguments(std::span<const Form> forms, std::span<const Param> options, std::span<const std::string> words);

// A word as a message shows it: quoted, with bytes that are not printable
// UTF-8 as \xNN.
std::string Quoted(std::string_view word);
bool IsUtf8(std::string_view text);

}  // namespace lunisol::cli
