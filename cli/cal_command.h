// lunisol-cli cal: a month (or a year) as a calendar grid for a reader at a
// terminal, in the manner of cal(1), each day with its lunar date, solar term
// and festivals.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/arguments.h"

namespace lunisol::cli {

// What the grid shows of one day, every text as the core names it.
struct CalDay {
  std::string lunar;     // "廿三"; on a lunar month's first day its name: "閏四月"
  std::string term;      // the solar term beginning that day: "大雪", or empty
  std::string termTime;  // its time in Taiwan: "07時52分"
  std::vector<std::string> festivals;
};

struct CalMonth {
  int year = 0, month = 0;
  int firstWeekday = 0;      // of day 1, 0 = Sunday
  std::string lunarSpan;     // the lunar months it spans: "丙午年十月～十一月"
  std::vector<CalDay> days;  // day 1 first
};

// A month of 1900..2100.
CalMonth CalendarMonth(int year, int month);

// The month as a grid of 77 columns: a title, the weekdays from Sunday, three
// lines a week (the day, its lunar date, its term and festivals as far as
// they fit) and under it every term and festival in full. `today` (a day of
// the month, or 0) is shown in reverse video.
std::string MonthGrid(const CalMonth& month, int today);

int RunCal(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace lunisol::cli
