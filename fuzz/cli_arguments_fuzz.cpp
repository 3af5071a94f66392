// libFuzzer entry for lunisol-cli's words: the input is words one a line,
// the first naming a command (or, when it names none, picking one by its
// first byte). Reading them against the command's forms and options must
// never overrun, a refusal must be one printable line, and whatever a reader
// accepts must be what it says it accepts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/convert.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "days/day_finder.h"
#include "ical/calendar_events.h"

namespace {

using namespace lunisol;
using namespace lunisol::cli;

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

// One line of printable UTF-8: what a message may show of any word.
void CheckPrintable(std::string_view text) {
  Check(IsUtf8(text));
  for (const char c : text) Check(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F);
}

std::string DateText(const Ymd& d) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
  return buf;
}

// The number a word of ASCII digits (and a leading '-') spells: leading
// zeros are read, as in "month 2009 05".
bool Spells(std::string_view word, int number) {
  const bool minus = word.starts_with('-');
  if (minus) word.remove_prefix(1);
  if (word.empty() || word.find_first_not_of("0123456789") != std::string_view::npos) return false;
  long long v = 0;
  for (const char c : word) v = std::min(v * 10 + (c - '0'), 1LL << 40);
  return (minus ? -v : v) == number;
}

// Each reader on the whole input as one word.
void CheckReaders(std::string_view word) {
  CheckPrintable(Quoted(word));
  Value v;
  if (kDateReader.read(word, v)) {
    Check(DateText(v.date) == word && v.date.year >= kFirstTermYear && v.date.year <= kLastTermYear);
    Check(v.date.month >= 1 && v.date.month <= 12 && v.date.day >= 1 &&
          v.date.day <= DaysInSolarMonth(v.date.year, v.date.month));
  }
  if (kConverterDateReader.read(word, v)) Check(DateText(v.date) == word);
  if (kYearReader.read(word, v))
    Check(Spells(word, v.number) && v.number >= kFirstTermYear && v.number <= kLastTermYear);
  if (kHourReader.read(word, v)) Check(Spells(word, v.number) && v.number >= 0 && v.number <= 12);
  // An activity is read as the almanac word or book activity that bears
  // exactly that name.
  if (kActivityReader.read(word, v)) Check(ToUtf8(ChooseTargetName(ActivityOfNumber(v.number))) == word);
  if (kCalendarPartsReader.read(word, v)) {
    Check(v.number > 0 && v.number < (1 << kCalendarPartCount));
    // Every bit set names a part the list gives, and every name is a part.
    std::string_view rest = word;
    int named = 0;
    for (;;) {
      const size_t comma = rest.find(',');
      const auto part = CalendarPartFromName(rest.substr(0, comma));
      Check(part.has_value());
      named |= 1 << static_cast<int>(*part);
      if (comma == std::string_view::npos) break;
      rest.remove_prefix(comma + 1);
    }
    Check(named == v.number);
  }
}

void CheckReading(const Command& c, const std::vector<std::string>& words) {
  const Reading r = ReadArguments(c.forms, c.options, words);
  if (!r.problem.empty()) {
    CheckPrintable(r.problem);
    return;
  }
  if (r.help) return;
  // What was read is what a run function may ask for: every word of the
  // form it matched, each option at most once unless repeatable.
  for (const Param& o : c.options)
    if (!o.repeatable) Check(r.args.All(o.name).size() <= 1);
  bool someFormComplete = false;
  for (const Form& f : c.forms) {
    bool complete = true;
    for (const Param& p : f) complete = complete && (p.optional || r.args.Has(p.name));
    someFormComplete = someFormComplete || complete;
  }
  Check(someFormComplete);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  CheckReaders(input);
  std::vector<std::string> words;
  for (size_t start = 0; start <= input.size();) {
    const size_t end = std::min(input.find('\n', start), input.size());
    words.emplace_back(input.substr(start, end - start));
    start = end + 1;
  }
  const std::vector<Command>& commands = Commands();
  const Command* c = FindCommand(words.front());
  if (c)
    words.erase(words.begin());
  else
    c = &commands[size ? data[0] % commands.size() : 0];
  CheckReading(*c, words);
  return 0;
}
