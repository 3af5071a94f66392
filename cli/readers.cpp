// The readers of lunisol-cli's arguments: what each kind accepts, written
// once, for the parser, the help and the refusals alike.
#include <optional>

#include "calendar/convert.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "cli/arguments.h"
#include "days/almanac_list.h"
#include "days/day_finder.h"
#include "days/day_lists.h"
#include "ical/calendar_events.h"

namespace lunisol::cli {

namespace {

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// ASCII digits, '-' first only when negative numbers are wanted; never more
// digits than an int holds.
std::optional<int> WholeNumber(std::string_view text, bool negative) {
  const bool minus = negative && text.starts_with('-');
  if (minus) text.remove_prefix(1);
  if (!AllDigits(text) || text.size() > 9) return std::nullopt;
  int v = 0;
  for (const char c : text) v = v * 10 + (c - '0');
  return minus ? -v : v;
}

// "YYYY-MM-DD" in ASCII digits, whatever the numbers.
std::optional<Ymd> DateShape(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const std::string_view y = text.substr(0, 4), m = text.substr(5, 2), d = text.substr(8, 2);
  if (!AllDigits(y) || !AllDigits(m) || !AllDigits(d)) return std::nullopt;
  return Ymd{*WholeNumber(y, false), *WholeNumber(m, false), *WholeNumber(d, false)};
}

bool ReadDate(std::string_view word, Value& value) {
  const std::optional<Ymd> date = DateShape(word);
  if (!date || date->year < kFirstTermYear || date->year > kLastTermYear || date->month < 1 || date->month > 12 ||
      date->day < 1 || date->day > DaysInSolarMonth(date->year, date->month))
    return false;
  value.date = *date;
  return true;
}

bool ReadConverterDate(std::string_view word, Value& value) {
  const std::optional<Ymd> date = DateShape(word);
  if (date) value.date = *date;
  return date.has_value();
}

// The index of `word` among the reader's names.
bool ReadChoice(const std::vector<Choice>& choices, std::string_view word, Value& value) {
  for (size_t i = 0; i < choices.size(); ++i)
    if (choices[i].name == word) {
      value.number = static_cast<int>(i);
      return true;
    }
  return false;
}

std::vector<Choice> Sexes() { return {{"男"}, {"女"}}; }

std::vector<Choice> ColourChoices() { return {{"auto"}, {"always"}, {"never"}}; }

bool ReadActivity(std::string_view word, Value& value) {
  if (!IsUtf8(word)) return false;
  const std::optional<ChooseTarget> target = ChooseTargetByName(FromUtf8(word));
  if (target) value.number = ActivityNumber(*target);
  return target.has_value();
}

std::vector<Choice> Activities() {
  std::vector<Choice> names;
  for (int w = 0; w < AlmanacWordCount(); ++w) names.push_back({ToUtf8(AlmanacWordName(w))});
  for (int a = 0; a < kActivityCount; ++a)
    names.push_back({ToUtf8(ActivityName(static_cast<ActivityId>(a))), a == 0 ? "or one of the book's sixty:" : ""});
  return names;
}

// "lunar,terms": each name once or more, at least one.
bool ReadCalendarParts(std::string_view list, Value& value) {
  value.number = 0;
  for (;;) {
    const size_t comma = list.find(',');
    const auto part = CalendarPartFromName(list.substr(0, comma));
    if (!part) return false;
    value.number |= 1 << static_cast<int>(*part);
    if (comma == std::string_view::npos) return true;
    list.remove_prefix(comma + 1);
  }
}

std::vector<Choice> CalendarParts() {
  std::vector<Choice> names;
  for (int i = 0; i < kCalendarPartCount; ++i)
    names.push_back({std::string(CalendarPartName(static_cast<CalendarPart>(i))), ""});
  return names;
}

std::string YearRange() { return std::to_string(kFirstTermYear) + ".." + std::to_string(kLastTermYear); }

}  // namespace

std::string Reader::Expects() const {
  if (!names) return expects;
  std::string text = expects;
  const std::vector<Choice> choices = names();
  for (size_t i = 0; i < choices.size(); ++i) {
    if (!choices[i].lead.empty())
      text += (i ? "; " : "") + choices[i].lead + " ";
    else if (i)
      text += ", ";
    text += choices[i].name;
  }
  return text;
}

Reader NumberReader(std::string_view form, int min, int max, std::string expects) {
  return {form, std::move(expects), [min, max](std::string_view word, Value& value) {
            const std::optional<int> n = WholeNumber(word, min < 0);
            if (!n || *n < min || *n > max) return false;
            value.number = *n;
            return true;
          }};
}

const Reader kDateReader{"YYYY-MM-DD",
                         "a date YYYY-MM-DD within " + std::to_string(kFirstTermYear) + "-01-01.." +
                             std::to_string(kLastTermYear) + "-12-31",
                         ReadDate};
const Reader kYearReader = NumberReader("YEAR", kFirstTermYear, kLastTermYear, "a year " + YearRange());
const Reader kMonthReader = NumberReader("MONTH", 1, 12, "a month 1..12");
const Reader kHourReader =
    NumberReader("HOUR", 0, 12, "an hour 0 (子, 0-1 h) .. 11 (亥), or 12 (子, 23-24 h: the next day's)");
const Reader kSexReader{"SEX", "one of: ", [](std::string_view w, Value& v) { return ReadChoice(Sexes(), w, v); },
                        Sexes};
const Reader kColourReader{
    "WHEN", "one of: ", [](std::string_view w, Value& v) { return ReadChoice(ColourChoices(), w, v); }, ColourChoices};
const Reader kActivityReader{"ACTIVITY", "an almanac word, one of: ", ReadActivity, Activities};

int ActivityNumber(const ChooseTarget& target) {
  return target.word ? *target.word : kBookActivityNumbers + static_cast<int>(*target.activity);
}

ChooseTarget ActivityOfNumber(int number) {
  if (number >= kBookActivityNumbers) return {std::nullopt, static_cast<ActivityId>(number - kBookActivityNumbers)};
  return {number, std::nullopt};
}
const Reader kFileReader{"FILE", "a regular file, or a new one (a symbolic link is followed)",
                         [](std::string_view word, Value&) { return !word.empty(); }, nullptr, true};
const Reader kCalendarPartsReader{"PART,…", "a list of parts, each one of: ", ReadCalendarParts, CalendarParts, false,
                                  true};
const Reader kConverterDateReader{"YYYY-MM-DD", "a date written YYYY-MM-DD", ReadConverterDate};

}  // namespace lunisol::cli
