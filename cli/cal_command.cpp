#include "cli/cal_command.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <iostream>

#include "almanac/festivals.h"
#include "almanac/lookups.h"
#include "almanac/lunar_date_names.h"
#include "calendar/names.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "cli/text_width.h"
#include "ical/calendar_events.h"

namespace lunisol::cli {

namespace {

// A day takes 11 columns (a blank, then 10 for its texts): seven of them fit
// an 80-column terminal, and the widest names ("閏十一月", "七夕情人節") fit
// one cell.
constexpr int kCell = 11;
constexpr int kCellText = kCell - 1;
constexpr int kGridWidth = 7 * kCell;

// The reverse video of cal(1) for today.
constexpr std::string_view kHighlight = "\x1b[7m";
constexpr std::string_view kHighlightEnd = "\x1b[27m";

std::string LunarSpan(const LunarDate& first, const LunarDate& last) {
  const auto year = [](const LunarDate& d) { return ToUtf8(Name(YearPillar(d.year))) + "年"; };
  const std::string from = year(first) + ToUtf8(LunarMonthName(first.month, first.leap));
  std::string to = ToUtf8(LunarMonthName(last.month, last.leap));
  if (last.year != first.year) to = year(last) + to;
  const bool oneMonth = first.year == last.year && first.month == last.month && first.leap == last.leap;
  return oneMonth ? from : from + "～" + to;
}

CalDay DayOf(int year, const CalendarDay& facts) {
  CalDay d;
  const LunarDate& lunar = facts.lunar;
  d.lunar = lunar.day == 1 ? ToUtf8(LunarMonthName(lunar.month, lunar.leap))
                           : ToUtf8(kLunarDayNames30[static_cast<size_t>(lunar.day - 1)]);
  if (facts.term) {
    d.term = ToUtf8(Name(*facts.term));
    if (const std::optional<ClockTime> time = TermTime(year, *facts.term)) d.termTime = ToUtf8(TermTimeText(*time));
  }
  // A festival named like the term of its day (冬至) is that term, once.
  for (const std::u16string& f : facts.festivals)
    if (ToUtf8(f) != d.term) d.festivals.push_back(ToUtf8(f));
  return d;
}

// The day's term and festivals, as many whole names as fit a cell (all of
// them stand under the grid).
std::string Marks(const CalDay& d) {
  std::vector<std::string> names;
  if (!d.term.empty()) names.push_back(d.term);
  names.insert(names.end(), d.festivals.begin(), d.festivals.end());
  std::string line;
  for (const std::string& name : names) {
    const std::string longer = line.empty() ? name : line + " " + name;
    if (DisplayWidth(longer) > kCellText) break;
    line = longer;
  }
  return line;
}

// One line of a week: the texts of its seven cells, the first at weekday
// `from`; blanks at the end are dropped.
std::string WeekLine(const std::vector<std::string>& texts, int from, int highlighted = -1) {
  std::string line(static_cast<size_t>(from * kCell), ' ');
  for (size_t i = 0; i < texts.size(); ++i) {
    std::string cell = " " + PadRight(texts[i], kCellText);
    if (static_cast<int>(i) == highlighted) {
      // Around the text only, so that the padding keeps its width.
      const size_t end = 1 + texts[i].size();
      cell = " " + std::string(kHighlight) + texts[i] + std::string(kHighlightEnd) + cell.substr(end);
    }
    line += cell;
  }
  line.erase(line.find_last_not_of(' ') + 1);
  return line + "\n";
}

std::string DayNumber(int day) { return (day < 10 ? " " : "") + std::to_string(day); }

std::string Notes(const CalMonth& month) {
  std::string notes;
  for (size_t i = 0; i < month.days.size(); ++i) {
    const CalDay& d = month.days[i];
    std::vector<std::string> names;
    if (!d.term.empty()) names.push_back(d.term + " " + d.termTime);
    names.insert(names.end(), d.festivals.begin(), d.festivals.end());
    if (names.empty()) continue;
    notes += " " + DayNumber(static_cast<int>(i) + 1) + "日";
    for (size_t k = 0; k < names.size(); ++k) notes += (k ? "、" : "  ") + names[k];
    notes += "\n";
  }
  return notes;
}

}  // namespace

CalMonth CalendarMonth(int year, int month) {
  CalMonth m{year, month};
  const int days = DaysInSolarMonth(year, month);
  const CalendarDay first = CalendarDayOf(year, month, 1);
  CalendarDay last;
  for (int day = 1; day <= days; ++day) {
    last = CalendarDayOf(year, month, day);
    m.days.push_back(DayOf(year, last));
  }
  m.firstWeekday = first.weekday;
  m.lunarSpan = LunarSpan(first.lunar, last.lunar);
  return m;
}

std::string MonthGrid(const CalMonth& month, int today) {
  std::string grid =
      Centred(std::to_string(month.year) + "年" + std::to_string(month.month) + "月　" + month.lunarSpan, kGridWidth) +
      "\n";
  std::vector<std::string> weekdays;
  for (const std::u16string_view name : kWeekdayNames) weekdays.push_back(ToUtf8(name));
  grid += WeekLine(weekdays, 0);
  int weekday = month.firstWeekday;
  for (size_t start = 0; start < month.days.size();) {
    const size_t end = std::min(month.days.size(), start + static_cast<size_t>(7 - weekday));
    std::vector<std::string> numbers, lunar, marks;
    for (size_t i = start; i < end; ++i) {
      numbers.push_back(DayNumber(static_cast<int>(i) + 1));
      lunar.push_back(month.days[i].lunar);
      marks.push_back(Marks(month.days[i]));
    }
    const int highlighted =
        today > static_cast<int>(start) && today <= static_cast<int>(end) ? today - 1 - static_cast<int>(start) : -1;
    grid += WeekLine(numbers, weekday, highlighted) + WeekLine(lunar, weekday) + WeekLine(marks, weekday);
    start = end;
    weekday = 0;
  }
  return grid + "\n" + Notes(month);
}

namespace {

struct Today {
  int year = 0, month = 0, day = 0;
};

Today LocalToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

// --color auto: only on a terminal that shows colours, as cal(1) does; the
// NO_COLOR convention is honoured.
bool Highlights(const Args& a, const std::ostream& out) {
  const int when = a.Has("--color") ? a.Number("--color") : 0;
  if (when != 0) return when == 1;
  const char* term = std::getenv("TERM");
  return &out == &std::cout && isatty(STDOUT_FILENO) && !std::getenv("NO_COLOR") &&
         !(term && std::string_view(term) == "dumb");
}

}  // namespace

int RunCal(const Args& a, std::ostream& out, std::ostream& err) {
  const Today today = LocalToday();
  if (!a.Has("YEAR") && (today.year < kFirstTermYear || today.year > kLastTermYear)) {
    err << "lunisol-cli: cal: today (" << today.year << ") is outside " << kFirstTermYear << ".." << kLastTermYear
        << "; give a YEAR\n";
    return 1;
  }
  const int year = a.Has("YEAR") ? a.Number("YEAR") : today.year;
  const int first = a.Has("MONTH") ? a.Number("MONTH") : a.Has("YEAR") ? 1 : today.month;
  const int last = a.Has("YEAR") && !a.Has("MONTH") ? 12 : first;
  const bool highlight = Highlights(a, out);
  for (int m = first; m <= last; ++m) {
    const bool isToday = highlight && year == today.year && m == today.month;
    out << (m > first ? "\n" : "") << MonthGrid(CalendarMonth(year, m), isToday ? today.day : 0);
  }
  return 0;
}

}  // namespace lunisol::cli
