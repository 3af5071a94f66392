// lunisol-cli: the command-line face of the almanac's core. Every command
// prints UTF-8 JSON (phases prints a moon-phase file); bad arguments give a
// one-line message on stderr and exit status 2.
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "almanac/lookups.h"
#include "almanac/month.h"
#include "almanac/moon_phase_source.h"
#include "almanac/nine_stars.h"
#include "almanac/year_data.h"
#include "calendar/convert.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"
#include "cli/chart_command.h"
#include "cli/day_command.h"
#include "cli/ical_command.h"
#include "cli/json_util.h"
#include "cli/sheet_commands.h"

namespace lunisol::cli {

using json = nlohmann::ordered_json;

std::optional<int> ParseInt(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  size_t i = 0;
  bool negative = false;
  if (text[0] == '-' || text[0] == '+') {
    negative = text[0] == '-';
    i = 1;
  }
  if (i >= text.size()) return std::nullopt;
  int v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    v = v * 10 + (text[i] - '0');
  }
  return negative ? -v : v;
}

std::optional<Ymd> ParseDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  auto y = ParseInt(text.substr(0, 4)), m = ParseInt(text.substr(5, 2)), d = ParseInt(text.substr(8, 2));
  if (!y || !m || !d || *y < kFirstTermYear || *y > kLastTermYear || *m < 1 || *m > 12 || *d < 1 ||
      *d > DaysInSolarMonth(*y, *m))
    return std::nullopt;
  return Ymd{*y, *m, *d};
}

namespace {

// The record as the command's JSON has it, a leap month written as −n.
json DateJson(bool fromLunar, const CalendarDate& d, int result) {
  return {{"lunarToSolar", fromLunar ? 1 : 0},
          {"solarYear", d.solar.year},
          {"solarMonth", d.solar.month},
          {"solarDay", d.solar.day},
          {"lunarYear", d.lunar.year},
          {"lunarMonth", SignedMonth(d.lunar)},
          {"lunarDay", d.lunar.day},
          {"weekday", d.weekday},
          {"dayStem", Index(d.dayPillar.stem())},
          {"dayBranch", Index(d.dayPillar.branch())},
          {"mansion", Index(d.mansion)},
          {"result", result}};
}

int Tables(std::ostream& out) {
  json years = json::array();
  for (int y = kFirstLunarYear; y <= kLastLunarYear; ++y) {
    const LunarYearRow& r = LunarRow(y);
    years.push_back({{"year", y},
                     {"newYearEve", r.newYearEve},
                     {"leapMonth", r.leapMonth},
                     {"weekdayBase", r.weekdayBase},
                     {"cycleBase", r.cycleBase},
                     {"bigMonth", r.bigMonth}});
  }
  json days = json::array(), times = json::array();
  for (int y = kFirstTermYear; y <= kLastTermYear; ++y) {
    json d = json::array(), t = json::array();
    for (int m = 1; m <= 12; ++m) {
      const TermDays days = TermDaysOfMonth(y, m);
      d.push_back(days.first);
      d.push_back(days.second);
    }
    for (int i = 0; i < 24; ++i) {
      const std::optional<ClockTime> time = TermTime(y, TermAt(i));
      char hhmm[8];
      std::snprintf(hhmm, sizeof hhmm, "%02d%02d", time->hour, time->minute);
      t.push_back(hhmm);
    }
    days.push_back({{"year", y}, {"days", d}});
    times.push_back({{"year", y}, {"times", t}});
  }
  out << json{{"lunarYears", years}, {"solarTermDays", days}, {"solarTermTimes", times}}.dump() << "\n";
  return 0;
}

int Convert(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  CalendarDate d;
  if (a.size() == 2) {
    // Accept any numeric date so that the converter's own codes can be seen.
    const std::string& s = a[1];
    if (s.size() < 8 || s[s.size() - 3] != '-' || s[s.size() - 6] != '-')
      return Refuse(err, "convert: expected YYYY-MM-DD");
    auto y = ParseInt(std::string_view(s).substr(0, s.size() - 6));
    auto m = ParseInt(std::string_view(s).substr(s.size() - 5, 2));
    auto dd = ParseInt(std::string_view(s).substr(s.size() - 2, 2));
    if (!y || !m || !dd) return Refuse(err, "convert: expected YYYY-MM-DD");
    d.solar = {*y, *m, *dd};
    const int result = SolarToLunar(*y, *m, *dd, d);
    out << DateJson(false, d, result).dump() << "\n";
  } else if (a.size() == 5 && a[1] == "--lunar") {
    auto y = ParseInt(a[2]), m = ParseInt(a[3]), dd = ParseInt(a[4]);
    if (!y || !m || !dd) return Refuse(err, "convert --lunar: expected YYYY MM DD (MM negative for a leap month)");
    d.lunar = LunarDateFromSigned(*y, *m, *dd);
    const int result = LunarToSolar(d.lunar, d);
    out << DateJson(true, d, result).dump() << "\n";
  } else {
    return Refuse(err, "usage: convert YYYY-MM-DD | convert --lunar YYYY MM DD");
  }
  return 0;
}

int Days(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  if (a.size() != 3) return Refuse(err, "usage: days FROM TO (YYYY-MM-DD)");
  auto from = ParseDate(a[1]), to = ParseDate(a[2]);
  if (!from || !to) return Refuse(err, "days: dates must be YYYY-MM-DD within 1900..2100");
  const int first = CivilDayNumber(from->year, from->month, from->day);
  const int last = CivilDayNumber(to->year, to->month, to->day);
  if (last < first) return Refuse(err, "days: TO is before FROM");
  YearData data;
  int year = from->year, month = from->month, day = from->day;
  int loaded = 0;
  for (;;) {
    if (loaded != year) {
      LoadYearData(data, year);
      TellMoonPhaseNotice(data, err);
      loaded = year;
    }
    CalendarDate d;
    const int result = SolarToLunar(year, month, day, d);
    const std::optional<SolarTerm> term = TermOnDay(year, month, day);
    char buf[11];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, month, day);
    out << json{{"date", buf},
                {"lunarYear", d.lunar.year},
                {"lunarMonth", SignedMonth(d.lunar)},
                {"lunarDay", d.lunar.day},
                {"weekday", d.weekday},
                {"dayStem", Index(d.dayPillar.stem())},
                {"dayBranch", Index(d.dayPillar.branch())},
                {"mansion", Index(d.mansion)},
                {"cycleNumber", result},
                {"term", term ? Index(*term) : -1},
                {"nineStar", data.NineStarOf(month, day)},
                {"hexagram", data.HexagramOf(month, day)},
                {"officer", ToUtf8(Name(DayOfficer(year, month, day)))}}
               .dump()
        << "\n";
    if (year == to->year && month == to->month && day == to->day) break;
    if (++day > DaysInSolarMonth(year, month)) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  }
  return 0;
}

json RecordJson(const DayAlmanacRecord& r) {
  return {{"dayNumberText", Cell(r.dayNumberText.text, r.dayNumberText.colour)},
          {"weekdayText", Cell(r.weekdayText.text, r.weekdayText.colour)},
          {"weekdayLabelColour", Rgb(r.weekdayLabelColour)},
          {"nineStarText", Cell(r.nineStarText.text, r.nineStarText.colour)},
          {"hexagramPairText", Cell(r.hexagramPairText.text, r.hexagramPairText.colour)},
          {"hexagramNameText", Cell(r.hexagramNameText.text, r.hexagramNameText.colour)},
          {"noteA", Cell(r.noteA.text, r.noteA.colour)},
          {"noteB", Cell(r.noteB.text, r.noteB.colour)},
          {"dayPillarText", Cell(r.dayPillarText.text, r.dayPillarText.colour)},
          {"naYinText", Cell(r.naYinText.text, r.naYinText.colour)},
          {"officerText", Cell(r.officerText.text, r.officerText.colour)},
          {"warningC", Cell(r.warningC.text, r.warningC.colour)},
          {"warningD", Cell(r.warningD.text, r.warningD.colour)},
          {"mansionText", Cell(r.mansionText.text, r.mansionText.colour)},
          {"lunarDayText", Cell(r.lunarDayText.text, r.lunarDayText.colour)},
          {"dayCodeText", Cell(r.dayCodeText.text, r.dayCodeText.colour)},
          {"joyGodText", Cell(r.joyGodText.text, r.joyGodText.colour)},
          {"wealthGodText", Cell(r.wealthGodText.text, r.wealthGodText.colour)},
          {"luckyHoursFirst", Cell(r.luckyHoursFirst.text, r.luckyHoursFirst.colour)},
          {"luckyHoursSecond", Cell(r.luckyHoursSecond.text, r.luckyHoursSecond.colour)},
          {"fetusGodPlace", Cell(r.fetusGodPlace.text, r.fetusGodPlace.colour)},
          {"fetusGodDirection", Cell(r.fetusGodDirection.text, r.fetusGodDirection.colour)},
          {"clashText", Cell(r.clashText.text, r.clashText.colour)},
          {"yearShaText", Cell(r.yearShaText.text, r.yearShaText.colour)}};
}

int Month(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  if (a.size() != 3) return Refuse(err, "usage: month YEAR MONTH");
  auto y = ParseInt(a[1]), m = ParseInt(a[2]);
  if (!y || !m || *y < kFirstTermYear || *y > kLastTermYear || *m < 1 || *m > 12)
    return Refuse(err, "month: YEAR must be 1900..2100 and MONTH 1..12");
  YearData data;
  LoadYearData(data, *y);
  TellMoonPhaseNotice(data, err);
  MonthTermState terms;
  const MonthAlmanac month = EvaluateMonth(*y, *m, data, terms);
  json columns = json::array();
  for (const MonthColumn& c : month.columns) {
    json col = RecordJson(c.record);
    col["column"] = c.column;
    col["kind"] = c.kind == ColumnKind::kDay ? "day" : c.kind == ColumnKind::kTerm ? "term" : "empty";
    col["day"] = c.day;
    col["visible"] = c.visible;
    col["tooltips"] = {{"noteA", ToUtf8(c.tooltips[0])},
                       {"noteB", ToUtf8(c.tooltips[1])},
                       {"warningC", ToUtf8(c.tooltips[2])},
                       {"warningD", ToUtf8(c.tooltips[3])}};
    columns.push_back(std::move(col));
  }
  json bars = json::array();
  for (const TermBar& b : month.termBars) {
    json notes = json::array();
    for (const CellText& n : b.notes) notes.push_back(Cell(n.text, n.colour));
    bars.push_back({{"column", b.column},
                    {"termIndex", b.term ? Index(*b.term) : -1},
                    {"name", Cell(b.name.text, b.name.colour)},
                    {"timeText", Cell(b.timeText.text, b.timeText.colour)},
                    {"notes", notes}});
  }
  out << json{{"windowTitle", ToUtf8(month.windowTitle)},
              {"gregorianTitle", Cell(month.gregorianTitle.text, month.gregorianTitle.colour)},
              {"lunarTitle", Cell(month.lunarTitle.text, month.lunarTitle.colour)},
              {"proverbLine", Cell(month.proverbLine.text, month.proverbLine.colour)},
              {"columns", columns},
              {"termBars", bars}}
             .dump()
      << "\n";
  return 0;
}

int Phases(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  if (a.size() != 2) return Refuse(err, "usage: phases YEAR");
  auto y = ParseInt(a[1]);
  if (!y || *y < kFirstTermYear || *y > kLastTermYear) return Refuse(err, "phases: YEAR must be 1900..2100");
  out << MoonPhaseFileText(*y);
  return 0;
}

}  // namespace

int Run(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  if (a.empty())
    return Refuse(err,
                  "usage: tables | convert | days | month | phases | hours | yearly | zodiac | bone | chart | ical | "
                  "day | choose");
  const int sheet = RunSheetCommand(a, out, err);
  if (sheet != -1) return sheet;
  const std::string& c = a[0];
  if (c == "tables") return a.size() == 1 ? Tables(out) : Refuse(err, "usage: tables");
  if (c == "convert") return Convert(a, out, err);
  if (c == "days") return Days(a, out, err);
  if (c == "month") return Month(a, out, err);
  if (c == "phases") return Phases(a, out, err);
  if (c == "chart") return ChartCommand(a, out, err);
  if (c == "ical") return RunIcalCommand(a, out, err);
  if (c == "day") return DayCommand(a, out, err);
  if (c == "choose") return ChooseCommand(a, out, err);
  return Refuse(err, "unknown command '" + c + "'");
}

}  // namespace lunisol::cli

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  const int status = lunisol::cli::Run(args, std::cout, std::cerr);
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
