// The calendar commands of lunisol-cli: the tables, the converter, the days
// of a range and the month page as JSON, and a year's moon-phase file.
#include "cli/calendar_commands.h"

#include <cstdio>

#include "almanac/lookups.h"
#include "almanac/month.h"
#include "almanac/moon_phase_source.h"
#include "almanac/nine_stars.h"
#include "almanac/year_data.h"
#include "calendar/convert.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"
#include "cli/json_util.h"

namespace lunisol::cli {

using json = nlohmann::ordered_json;

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

}  // namespace

int RunTables(const Args&, std::ostream& out, std::ostream&) {
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

int RunConvert(const Args& a, std::ostream& out, std::ostream&) {
  CalendarDate d;
  const bool fromLunar = a.Has("--lunar");
  int result = 0;
  if (fromLunar) {
    d.lunar = LunarDateFromSigned(a.Number("YEAR"), a.Number("MONTH"), a.Number("DAY"));
    result = LunarToSolar(d.lunar, d);
  } else {
    const Ymd& date = a.Date("DATE");
    d.solar = {date.year, date.month, date.day};
    result = SolarToLunar(date.year, date.month, date.day, d);
  }
  out << DateJson(fromLunar, d, result).dump() << "\n";
  return 0;
}

int RunDays(const Args& a, std::ostream& out, std::ostream& err) {
  const Ymd& from = a.Date("FROM");
  const Ymd& to = a.Date("TO");
  YearData data;
  int year = from.year, month = from.month, day = from.day;
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
    if (year == to.year && month == to.month && day == to.day) break;
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

int RunMonth(const Args& a, std::ostream& out, std::ostream& err) {
  const int y = a.Number("YEAR"), m = a.Number("MONTH");
  YearData data;
  LoadYearData(data, y);
  TellMoonPhaseNotice(data, err);
  MonthTermState terms;
  const MonthAlmanac month = EvaluateMonth(y, m, data, terms);
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

int RunPhases(const Args& a, std::ostream& out, std::ostream&) {
  out << MoonPhaseFileText(a.Number("YEAR"));
  return 0;
}

}  // namespace lunisol::cli
