#include "cli/day_command.h"

#include <array>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "almanac/lookups.h"
#include "almanac/lunar_date_names.h"
#include "calendar/names.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "cli/day_text.h"
#include "cli/json_util.h"
#include "days/almanac_list.h"
#include "days/day_facts.h"
#include "days/day_finder.h"
#include "days/day_lists.h"

namespace lunisol::cli {

namespace {

using json = nlohmann::ordered_json;

// The names as JSON strings, quoted and escaped by the JSON library once. A
// range of 73,414 days names the same few hundred things over and over, so a
// line is put together from these pieces rather than built as a JSON object
// and dumped: that keeps the whole range well under two seconds.
struct Names {
  std::vector<std::string> spirits;
  std::array<std::string, kActivityCount> activities;
  std::array<std::string, 60> pillars;
  std::array<std::string, 12> branches, officers, gods;
  std::string yellow = json("黃道").dump(), black = json("黑道").dump();
  std::string ruleSet = json(ToUtf8(kDayRuleSetName)).dump();
  std::string book = json("書").dump();
  // The almanac's words and marks, and every folk reason's line and source.
  std::vector<std::string> words, marks;
  std::array<std::vector<std::string>, 3> folkLines, folkSources;  // by FolkRuleKind, then row
  Names() {
    auto quoted = [](std::u16string_view text) { return json(ToUtf8(text)).dump(); };
    for (int s = 0; s < SpiritCount(); ++s) spirits.push_back(quoted(SpiritName(static_cast<SpiritId>(s))));
    for (size_t a = 0; a < activities.size(); ++a) activities[a] = quoted(ActivityName(static_cast<ActivityId>(a)));
    for (int w = 0; w < AlmanacWordCount(); ++w) words.push_back(quoted(AlmanacWordName(w)));
    for (int m = 0; m < FolkMarkCount(); ++m) marks.push_back(quoted(FolkMarkName(m)));
    for (size_t kind = 0; kind < folkLines.size(); ++kind)
      for (int row = 0;; ++row) {
        const FolkReason r{static_cast<FolkRuleKind>(kind), static_cast<uint16_t>(row)};
        if (row >= FolkRuleCount(r.kind)) break;
        folkLines[kind].push_back(quoted(FolkReasonText(r)));
        AlmanacItem one;
        one.folk[0] = r;
        one.folkCount = 1;
        folkSources[kind].push_back(quoted(ItemSource(one)));
      }
    for (size_t c = 0; c < pillars.size(); ++c) pillars[c] = quoted(kCycleNames[c]);
    for (size_t i = 0; i < 12; ++i) {
      branches[i] = quoted(kBranchNames[i]);
      officers[i] = quoted(kOfficerNames[i]);
      gods[i] = quoted(kDayGodNames[i]);
    }
  }
};

void AppendSpirits(std::string& line, const Names& names, const SpiritSet& set) {
  line += '[';
  bool first = true;
  set.ForEach([&](SpiritId s) {
    if (!first) line += ',';
    first = false;
    line += names.spirits[static_cast<size_t>(s)];
  });
  line += ']';
}

void AppendVerdicts(std::string& line, const Names& names, const std::array<ActivityVerdict, kActivityCount>& items,
                    int count) {
  line += '[';
  for (int i = 0; i < count; ++i) {
    const ActivityVerdict& v = items[static_cast<size_t>(i)];
    if (i > 0) line += ',';
    line += "{\"activity\":";
    line += names.activities[static_cast<size_t>(v.activity)];
    line += ",\"because\":";
    AppendSpirits(line, names, v.because);
    line += '}';
  }
  line += ']';
}

// {"word":…,"activity":…,"because":[…],"source":…}
void AppendItem(std::string& line, const Names& names, const AlmanacItem& item) {
  line += "{\"word\":" + names.words[static_cast<size_t>(item.word)];
  line += ",\"activity\":";
  line += item.activity >= 0 ? names.activities[static_cast<size_t>(item.activity)] : "null";
  line += ",\"because\":";
  AppendSpirits(line, names, item.spirits);
  line.pop_back();  // the folk reasons follow the spirits in the same list
  for (int i = 0; i < item.folkCount; ++i) {
    const FolkReason& r = item.folk[static_cast<size_t>(i)];
    if (line.back() != '[') line += ',';
    line += names.folkLines[static_cast<size_t>(r.kind)][r.row];
  }
  line += "],\"source\":";
  if (item.byBook || item.folkCount == 0)
    line += names.book;
  else
    line += names.folkSources[static_cast<size_t>(item.folk[0].kind)][item.folk[0].row];
  line += '}';
}

template <size_t N>
void AppendItems(std::string& line, const Names& names, const std::array<AlmanacItem, N>& items, int count) {
  line += '[';
  for (int i = 0; i < count; ++i) {
    if (i > 0) line += ',';
    AppendItem(line, names, items[static_cast<size_t>(i)]);
  }
  line += ']';
}

// "almanac":{"yi":[…],"ji":[…],"restBad":…,"allBad":…,"marks":[…]}
void AppendAlmanac(std::string& line, const Names& names, const AlmanacList& a) {
  line += ",\"almanac\":{\"yi\":";
  AppendItems(line, names, a.yi, a.yiCount);
  line += ",\"ji\":";
  AppendItems(line, names, a.ji, a.jiCount);
  line += a.restBad ? ",\"restBad\":true" : ",\"restBad\":false";
  line += a.allBad ? ",\"allBad\":true" : ",\"allBad\":false";
  line += ",\"marks\":[";
  bool first = true;
  for (int m = 0; m < FolkMarkCount(); ++m) {
    if (!((a.marks >> m) & 1)) continue;
    if (!first) line += ',';
    first = false;
    line += names.marks[static_cast<size_t>(m)];
  }
  line += "]}";
}

// One day as the JSON object the command prints (fields in the documented
// order), without the line break.
void AppendDay(std::string& line, const Names& names, const DayLists& d, const AlmanacList& a) {
  char date[11];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", d.year, d.month, d.day);
  line += "{\"date\":\"";
  line += date;
  line += "\",\"dayPillar\":" + names.pillars[static_cast<size_t>(d.dayCycle)];
  line += ",\"monthBranch\":" + names.branches[static_cast<size_t>(d.monthBranch)];
  line += ",\"officer\":" + names.officers[static_cast<size_t>(d.officer)];
  line += ",\"dayGod\":{\"name\":" + names.gods[static_cast<size_t>(d.dayGod)];
  line += ",\"kind\":" + (d.yellowPath ? names.yellow : names.black) + "}";
  line += ",\"goodSpirits\":";
  AppendSpirits(line, names, d.goodSpirits);
  line += ",\"badSpirits\":";
  AppendSpirits(line, names, d.badSpirits);
  line += ",\"yi\":";
  AppendVerdicts(line, names, d.yi, d.yiCount);
  line += ",\"ji\":";
  AppendVerdicts(line, names, d.ji, d.jiCount);
  line += d.allBad ? ",\"allBad\":true" : ",\"allBad\":false";
  line += ",\"ruleSet\":" + names.ruleSet;
  AppendAlmanac(line, names, a);
  line += '}';
}

}  // namespace

int RunDay(const Args& a, std::ostream& out, std::ostream&) {
  const Ymd& from = a.Has("DATE") ? a.Date("DATE") : a.Date("FROM");
  const Ymd& to = a.Has("TO") ? a.Date("TO") : from;
  const int first = CivilDayNumber(from.year, from.month, from.day);
  const int last = CivilDayNumber(to.year, to.month, to.day);
  if (a.Has("--text")) {
    for (int n = first; n <= last && out; ++n) {
      const auto [y, m, d] = CivilDate(n);
      out << (n > first ? "\n" : "") << DayText(y, m, d);
    }
    return 0;
  }
  const Names names;
  DayLists lists;
  AlmanacList almanac;
  std::string line;
  for (int n = first; n <= last && out; ++n) {
    const auto [y, m, d] = CivilDate(n);
    EvaluateDayLists(y, m, d, lists);
    BuildAlmanacList(lists, almanac);
    line.clear();
    AppendDay(line, names, lists, almanac);
    line += '\n';
    out << line;
  }
  return 0;  // lost output is caught once, when the run ends
}

namespace {

json ChosenDayJson(const ChosenDay& d) {
  char date[11];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", d.year, d.month, d.day);
  json because = json::array();
  for (const std::u16string& r : ItemReasons(d.item)) because.push_back(ToUtf8(r));
  return {{"date", date},
          {"lunarDate", ToUtf8(LunarDateName(LunarDateFromSigned(d.lunarYear, d.lunarMonth, d.lunarDay)))},
          {"dayGod",
           {{"name", ToUtf8(kDayGodNames[static_cast<size_t>(d.dayGod)])}, {"kind", d.yellowPath ? "黃道" : "黑道"}}},
          {"word", ToUtf8(AlmanacWordName(d.item.word))},
          {"because", because},
          {"source", ToUtf8(ItemSource(d.item))}};
}

}  // namespace

int RunChoose(const Args& a, std::ostream& out, std::ostream& err) {
  const Ymd& from = a.Date("FROM");
  const Ymd& to = a.Date("TO");
  ChooseRequest request{
      ActivityOfNumber(a.Number("ACTIVITY")), from.year, from.month, from.day, to.year, to.month, to.day, {}};
  json births = json::array();
  for (const Value* birth : a.All("--birth")) {
    const int animal = BirthAnimal(birth->date.year, birth->date.month, birth->date.day);
    request.animals.push_back(animal);
    births.push_back({{"date", birth->text}, {"animal", ToUtf8(kZodiacAnimals[static_cast<size_t>(animal)])}});
  }
  const bool bestFirst = a.Has("--best-first");
  std::optional<int> birthYear;
  if (a.Has("--birth-year")) {
    birthYear = a.Number("--birth-year");
    request.animals.push_back(ZodiacAnimalOfYear(*birthYear));
  }
  std::vector<ChosenDay> days;
  const int result = ChooseDays(request, days);
  if (result == kChooseRangeTooLong) return Refuse(err, "choose: the range may span at most ten years");
  if (result != 0) return Refuse(err, "choose: FROM..TO is not a range of the calendar");
  if (bestFirst) SortBestFirst(days);
  json list = json::array();
  for (const ChosenDay& d : days) list.push_back(ChosenDayJson(d));
  out << json{{"activity", ToUtf8(ChooseTargetName(request.target))},
              {"from", a.Text("FROM")},
              {"to", a.Text("TO")},
              {"births", births},
              {"birthYear", birthYear ? json(*birthYear) : json(nullptr)},
              {"order", bestFirst ? "bestFirst" : "date"},
              {"days", list}}
             .dump()
      << "\n";
  return 0;
}

}  // namespace lunisol::cli
