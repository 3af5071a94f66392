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

json DateJson(const CalendarDate& d, int result) {
  return {{"lunarToSolar", d.lunarToSolar}, {"solarYear", d.solarYear}, {"solarMonth", d.solarMonth},
          {"solarDay", d.solarDay},         {"lunarYear", d.lunarYear}, {"lunarMonth", d.lunarMonth},
          {"lunarDay", d.lunarDay},         {"weekday", d.weekday},     {"dayStem", d.dayStem},
          {"dayBranch", d.dayBranch},       {"mansion", d.mansion},     {"result", result}};
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
    for (int i = 0; i < 24; ++i) t.push_back(ToUtf8(SolarTermTime(y, i)));
    days.push_back({{"year", y}, {"days", d}});
    times.push_back({{"year", y}, {"times", t}});
  }
  out << json{{"lunarYears", years}, {"solarTermDays", days}, {"solarTermTimes", times}}.dump() << "\n";
  return 0;
}

int RunConvert(const Args& a, std::ostream& out, std::ostream&) {
  CalendarDate d;
  if (a.Has("--lunar")) {
    d.lunarToSolar = 1;
    d.lunarYear = a.Number("YEAR");
    d.lunarMonth = a.Number("MONTH");
    d.lunarDay = a.Number("DAY");
  } else {
    const Ymd& date = a.Date("DATE");
    d.lunarToSolar = 0;
    d.solarYear = date.year;
    d.solarMonth = date.month;
    d.solarDay = date.day;
  }
  const int result = ConvertDate(d);
  out << DateJson(d, result).dump() << "\n";
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
      // The December marker completes the nine stars after 冬至.
      LoadYearData(data, year, 12);
      TellMoonPhaseNotice(data, err);
      loaded = year;
    }
    CalendarDate d;
    const int result = SolarToLunar(year, month, day, d);
    const int n = DayOfYear(year, month, day);
    const int term = SolarTermOnDay(data.calendar, year, month, day);
    char buf[11];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, month, day);
    out << json{{"date", buf},
                {"lunarYear", d.lunarYear},
                {"lunarMonth", d.lunarMonth},
                {"lunarDay", d.lunarDay},
                {"weekday", d.weekday},
                {"dayStem", d.dayStem},
                {"dayBranch", d.dayBranch},
                {"mansion", d.mansion},
                {"cycleNumber", result},
                {"term", term},
                {"nineStar", NineStarOfDay(data.calendar, year, month, day)},
                {"hexagram", data.calendar.dayHexagramTable[static_cast<size_t>(n - 1)]},
                {"officer", ToUtf8(DayOfficer(year, month, day))}}
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
  LoadYearData(data, y, m);
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
                    {"termIndex", b.termIndex},
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
