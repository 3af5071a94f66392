#include "cli/sheet_commands.h"

#include <nlohmann/json.hpp>

#include "almanac/month.h"
#include "almanac/year_data.h"
#include "calendar/text.h"
#include "cli/json_util.h"
#include "sheets/bone_weighing_model.h"
#include "sheets/hour_table_model.h"
#include "sheets/yearly_notes_model.h"
#include "sheets/zodiac_fortune_model.h"

namespace lunisol::cli {

namespace {

using json = nlohmann::ordered_json;

int Refuse(std::ostream& err, const std::string& message) {
  err << "lunisol-cli: " << message << "\n";
  return 2;
}

json Rect(int left, int top, int right, int bottom) { return json::array({left, top, right, bottom}); }

json HourCellJson(const HourCell& c) {
  json j{{"text", ToUtf8(c.text)}, {"colour", Rgb(c.colour)}, {"rect", Rect(c.left, c.top, c.right, c.bottom)}};
  if (c.id >= 0) {
    j["id"] = c.id;
    j["tooltip"] = ToUtf8(c.tooltip);
  }
  return j;
}

json LabelJson(const SheetLabel& l) {
  json j{{"text", ToUtf8(l.text)},
         {"colour", Rgb(l.colour)},
         {"rect", Rect(l.rect.left, l.rect.top, l.rect.right, l.rect.bottom)}};
  if (!l.tooltip.empty()) j["tooltip"] = ToUtf8(l.tooltip);
  return j;
}

template <size_t N>
json LabelsJson(const std::array<SheetLabel, N>& labels) {
  json a = json::array();
  for (const SheetLabel& l : labels) a.push_back(LabelJson(l));
  return a;
}

json ControlJson(const TemplateText& t) {
  return {{"id", t.id}, {"x", t.x}, {"y", t.y}, {"width", t.width}, {"height", t.height}, {"text", ToUtf8(t.text)}};
}

json LineJson(const FortuneLine& l) {
  return {{"id", l.id},
          {"x", l.x},
          {"y", l.y},
          {"text", ToUtf8(l.text)},
          {"colour", Rgb(l.colour)},
          {"align", l.leftAligned ? "left" : "centre"}};
}

// The month page of the date, evaluated as the window does after a year
// choice, and the day column that holds the date.
struct PageDay {
  MonthAlmanac month;
  const MonthColumn* column = nullptr;
};

PageDay EvaluatePage(const Ymd& date, std::ostream& err) {
  PageDay page;
  YearData data;
  LoadYearData(data, date.year, date.month);
  TellMoonPhaseNotice(data, err);
  MonthTermState terms;
  page.month = EvaluateMonth(date.year, date.month, data, terms);
  for (const MonthColumn& c : page.month.columns)
    if (c.kind == ColumnKind::kDay && c.day == date.day) page.column = &c;
  return page;
}

int Hours(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  if (a.size() != 2) return Refuse(err, "usage: hours YYYY-MM-DD");
  const std::optional<Ymd> date = ParseDate(a[1]);
  if (!date) return Refuse(err, "hours: the date must be YYYY-MM-DD within 1900..2100");
  const PageDay page = EvaluatePage(*date, err);
  if (page.column == nullptr) return Refuse(err, "hours: the month page has no column for that day");

  const DayAlmanacRecord& day = page.column->record;
  HourTableInputs in;
  in.dayPillarText = day.dayPillarText.text;
  in.gregorianTitle = page.month.gregorianTitle.text;
  in.dayNumberText = day.dayNumberText.text;
  in.noteA = day.noteA.text;
  in.warningC = day.warningC.text;
  in.noteB = day.noteB.text;
  in.selectedYear = date->year;
  const HourTableRecord r = BuildHourTable(in);

  json hours = json::array();
  for (size_t k = 0; k < 12; ++k) {
    const HourColumn& h = r.hours[k];
    hours.push_back({{"hour", static_cast<int>(k)},
                     {"range", HourCellJson(h.range)},
                     {"pillar", HourCellJson(h.pillar)},
                     {"good", HourCellJson(h.good)},
                     {"bad", HourCellJson(h.bad)},
                     {"joy", HourCellJson(h.joy)},
                     {"wealth", HourCellJson(h.wealth)},
                     {"sha", HourCellJson(h.sha)},
                     {"clashAnimal", HourCellJson(h.clashAnimal)},
                     {"opposite", HourCellJson(h.opposite)}});
  }
  json pillars = json::array(), clashes = json::array();
  for (size_t k = 0; k < 12; ++k) {
    pillars.push_back(ToUtf8(r.pillarList[k]));
    clashes.push_back(ToUtf8(r.clashList[k]));
  }
  out << json{{"caption", ToUtf8(r.caption)},
              {"dayPillarText", ToUtf8(in.dayPillarText)},
              {"dayCycleIndex", r.dayCycleIndex},
              {"hourPillarList", pillars},
              {"hourClashList", clashes},
              {"hours", hours},
              {"rowLabels",
               {{"joy", HourCellJson(r.joyLabel)},
                {"wealth", HourCellJson(r.wealthLabel)},
                {"animal", HourCellJson(r.animalLabel)},
                {"sha", HourCellJson(r.shaLabel)},
                {"opposite", HourCellJson(r.oppositeLabel)}}},
              {"dateCell", HourCellJson(r.dateCell)},
              {"lunarDateCell", HourCellJson(r.lunarDateCell)},
              {"noteCell", HourCellJson(r.noteCell)}}
             .dump()
      << "\n";
  return 0;
}

int Yearly(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  if (a.size() != 2) return Refuse(err, "usage: yearly YYYY-MM-DD");
  const std::optional<Ymd> date = ParseDate(a[1]);
  if (!date) return Refuse(err, "yearly: the date must be YYYY-MM-DD within 1900..2100");
  const std::u16string pillar = YearPillarTextOfDate(date->year, date->month, date->day);
  const std::optional<YearlyNotesRecord> r = BuildYearlyNotes(pillar, date->year, date->month, date->day);
  if (!r) return Refuse(err, "yearly: the date does not convert");

  json corners = json::array();
  for (const TemplateText& t : r->cornerWords) corners.push_back(ControlJson(t));
  out << json{{"caption", ToUtf8(r->caption)},
              {"yearPillarText", ToUtf8(pillar)},
              {"yearPosition", r->yearPosition},
              {"lunarYear", r->lunarYear},
              {"lichunDayPillar", ToUtf8(r->lichunDayPillar)},
              {"complete", r->complete},
              {"yearGodTitle", ControlJson(r->yearGodTitle)},
              {"yearGodName", ControlJson(r->yearGodName)},
              {"cornerWords", corners},
              {"nayin", LabelJson(r->nayin)},
              {"elements", LabelJson(r->elements)},
              {"mansions",
               {{"yearDuty", LabelJson(r->yearDutyMansion)},
                {"yearDutyLabel", LabelJson(r->yearDutyLabel)},
                {"second", LabelJson(r->secondMansion)},
                {"secondLabel", LabelJson(r->secondLabel)},
                {"meetLabel", LabelJson(r->meetLabel)},
                {"branchPair", LabelJson(r->branchPair)},
                {"dayLabel", LabelJson(r->dayLabel)},
                {"mansionPair", LabelJson(r->mansionPair)},
                {"mansionLabel", LabelJson(r->mansionLabel)},
                {"hiddenLabel", LabelJson(r->hiddenLabel)},
                {"goldLabel", LabelJson(r->goldLabel)},
                {"yearLabel", LabelJson(r->yearLabel)},
                {"virtueLabel", LabelJson(r->virtueLabel)},
                {"stemPair", LabelJson(r->stemPair)}}},
              {"earthMother",
               {{"heading", LabelJson(r->earthMotherHeading)},
                {"verseHeading", LabelJson(r->verseHeading)},
                {"oracleHeading", LabelJson(r->oracleHeading)},
                {"ownWriting", r->earthMotherIsOurs},
                {"verseLines", LabelsJson(r->verseLines)},
                {"oracleLines", LabelsJson(r->oracleLines)}}},
              {"directionLine", LabelJson(r->directionLine)},
              {"yearNotes", {{"heading", LabelJson(r->notesHeading)}, {"columns", LabelsJson(r->yearNotes)}}},
              {"springOx", LabelsJson(r->springOx)},
              {"climate", {{"heading", LabelJson(r->climateHeading)}, {"line", LabelJson(r->climateLine)}}},
              {"nineStars", {{"centre", LabelJson(r->centreStar)}, {"ring", LabelsJson(r->starRing)}}},
              {"seasonalDays", LabelsJson(r->seasonalDays)}}
             .dump()
      << "\n";
  return 0;
}

int Zodiac(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  if (a.size() != 2 && a.size() != 3) return Refuse(err, "usage: zodiac YYYY-MM-DD [TAB]");
  const std::optional<Ymd> date = ParseDate(a[1]);
  if (!date) return Refuse(err, "zodiac: the date must be YYYY-MM-DD within 1900..2100");
  int tab = 0;
  if (a.size() == 3) {
    const std::optional<int> t = ParseInt(a[2]);
    if (!t || *t < 0 || *t > 2) return Refuse(err, "zodiac: TAB must be 0, 1 or 2");
    tab = *t;
  }
  const PageDay page = EvaluatePage(*date, err);
  const std::u16string branch = YearBranchFromLunarTitle(page.month.lunarTitle.text);
  ZodiacFortuneSheet sheet = OpenZodiacFortune(branch, Format(u"%d", {date->year}));
  // Choosing the tab already shown changes nothing.
  if (tab != sheet.selectedTab) FillZodiacTab(sheet, tab);

  json groups = json::array();
  for (const ZodiacGroup& g : sheet.groups) {
    groups.push_back({{"row", g.row},
                      {"animal", LineJson(g.animal)},
                      {"title", LineJson(g.title)},
                      {"ages", LineJson(g.ages)},
                      {"lucky", LineJson(g.lucky)},
                      {"unlucky", LineJson(g.unlucky)},
                      {"monthly", LabelsJson(g.monthly.columns)}});
  }
  json tabs = json::array();
  for (const std::u16string& t : sheet.tabCaptions) tabs.push_back(ToUtf8(t));
  out << json{{"caption", ToUtf8(sheet.caption)},           {"yearBranch", ToUtf8(branch)},
              {"yearBranchNumber", sheet.yearBranchNumber}, {"tabCaptions", tabs},
              {"selectedTab", sheet.selectedTab},           {"groups", groups}}
             .dump()
      << "\n";
  return 0;
}

int Bone(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  if (a.size() != 3) return Refuse(err, "usage: bone YYYY-MM-DD HOUR");
  const std::optional<Ymd> date = ParseDate(a[1]);
  if (!date) return Refuse(err, "bone: the date must be YYYY-MM-DD within 1900..2100");
  const std::optional<int> hour = ParseInt(a[2]);
  if (!hour || *hour < 0 || *hour > 11) return Refuse(err, "bone: HOUR must be 0 (子) .. 11 (亥)");
  const std::optional<BoneWeighingRecord> r = WeighBones(date->year, date->month, date->day, *hour);
  if (!r) {
    // The dialog does not open for a date the converter refuses.
    out << json{{"opens", false}}.dump() << "\n";
    return 0;
  }
  out << json{{"opens", true},
              {"birthLine", ToUtf8(r->birthLine)},
              {"weight", ToUtf8(r->weight)},
              {"verdict", ToUtf8(r->verdict)},
              {"song", ToUtf8(r->song)},
              {"mansionName", ToUtf8(r->mansionName)},
              {"description", ToUtf8(r->description)},
              {"descriptionOwnWriting", r->descriptionIsOurs},
              {"descriptionTooltip", ToUtf8(r->descriptionTooltip)},
              {"yearPosition", r->yearPosition},
              {"lunarYear", r->lunarYear},
              {"lunarMonth", r->lunarMonth},
              {"lunarDay", r->lunarDay},
              {"totalQian", r->totalQian},
              {"verseIndex", r->verseIndex}}
             .dump()
      << "\n";
  return 0;
}

}  // namespace

int RunSheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) return -1;
  const std::string& c = args[0];
  if (c == "hours") return Hours(args, out, err);
  if (c == "yearly") return Yearly(args, out, err);
  if (c == "zodiac") return Zodiac(args, out, err);
  if (c == "bone") return Bone(args, out, err);
  return -1;
}

}  // namespace lunisol::cli
