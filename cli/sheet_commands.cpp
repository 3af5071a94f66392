#include "cli/sheet_commands.h"

#include <nlohmann/json.hpp>

#include "almanac/month.h"
#include "almanac/year_data.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "cli/json_util.h"
#include "layout/hour_table_layout.h"
#include "layout/yearly_notes_layout.h"
#include "layout/zodiac_fortune_layout.h"
#include "sheets/bone_weighing_model.h"
#include "sheets/hour_table_model.h"
#include "sheets/yearly_notes_model.h"
#include "sheets/zodiac_fortune_model.h"

namespace lunisol::cli {

namespace {

using json = nlohmann::ordered_json;

json RectJson(const Rect& r) { return json::array({r.left, r.top, r.right, r.bottom}); }

json HourCellJson(const SheetLabel& c, const HourCellPlace& place) {
  json j{{"text", ToUtf8(c.text)}, {"colour", Rgb(c.colour)}, {"rect", RectJson(place.rect)}};
  if (place.id >= 0) {
    j["id"] = place.id;
    j["tooltip"] = ToUtf8(c.tooltip);
  }
  return j;
}

json LabelJson(const SheetLabel& l, const Rect& rect) {
  json j{{"text", ToUtf8(l.text)}, {"colour", Rgb(l.colour)}, {"rect", RectJson(rect)}};
  if (!l.tooltip.empty()) j["tooltip"] = ToUtf8(l.tooltip);
  return j;
}

// The rectangle of each of a record's labels: the row of the layout table
// that stands where the label stands in the record's list.
template <size_t N>
class LabelPlaces {
 public:
  LabelPlaces(const std::array<const SheetLabel*, N>& labels, const std::array<Rect, N>& rects)
      : labels_(labels), rects_(rects) {}

  json operator()(const SheetLabel& l) const {
    for (size_t i = 0; i < N; ++i)
      if (labels_[i] == &l) return LabelJson(l, rects_[i]);
    return nullptr;
  }
  template <size_t M>
  json operator()(const std::array<SheetLabel, M>& labels) const {
    json a = json::array();
    for (const SheetLabel& l : labels) a.push_back((*this)(l));
    return a;
  }

 private:
  std::array<const SheetLabel*, N> labels_;
  const std::array<Rect, N>& rects_;
};

json ControlJson(const SheetLabel& t, const YearlyTemplateText& place) {
  const UnitRect& u = place.place;
  return {{"id", place.id}, {"x", u.x}, {"y", u.y}, {"width", u.width}, {"height", u.height}, {"text", ToUtf8(t.text)}};
}

json LineJson(const SheetLabel& l, const ZodiacLinePlace& place) {
  return {{"id", place.id},
          {"x", place.x},
          {"y", place.y},
          {"text", ToUtf8(l.text)},
          {"colour", Rgb(l.colour)},
          {"align", place.leftAligned ? "left" : "centre"}};
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
  LoadYearData(data, date.year);
  TellMoonPhaseNotice(data, err);
  MonthTermState terms;
  page.month = EvaluateMonth(date.year, date.month, data, terms);
  for (const MonthColumn& c : page.month.columns)
    if (c.kind == ColumnKind::kDay && c.day == date.day) page.column = &c;
  return page;
}

}  // namespace

int RunHours(const Args& a, std::ostream& out, std::ostream& err) {
  const Ymd& date = a.Date("DATE");
  const PageDay page = EvaluatePage(date, err);
  const std::optional<HourTableRecord> r = BuildHourTable(page.month, date.year, date.month, date.day);
  if (page.column == nullptr || !r) return Refuse(err, "hours: the month page has no column for that day");

  json hours = json::array();
  for (int k = 0; k < 12; ++k) {
    const HourColumn& h = r->hours[static_cast<size_t>(k)];
    auto cell = [k](const SheetLabel& c, HourRow row) { return HourCellJson(c, HourCellPlaceOf(k, row)); };
    hours.push_back({{"hour", k},
                     {"range", cell(h.range, HourRow::kRange)},
                     {"pillar", cell(h.pillar, HourRow::kPillar)},
                     {"good", cell(h.good, HourRow::kGood)},
                     {"bad", cell(h.bad, HourRow::kBad)},
                     {"joy", cell(h.joy, HourRow::kJoy)},
                     {"wealth", cell(h.wealth, HourRow::kWealth)},
                     {"sha", cell(h.sha, HourRow::kSha)},
                     {"clashAnimal", cell(h.clashAnimal, HourRow::kClashAnimal)},
                     {"opposite", cell(h.opposite, HourRow::kOpposite)}});
  }
  json pillars = json::array(), clashes = json::array();
  for (size_t k = 0; k < 12; ++k) {
    pillars.push_back(ToUtf8(Name(r->hourPillars[k])));
    clashes.push_back(ToUtf8(Name(r->clashPillars[k])));
  }
  auto label = [](const SheetLabel& c, HourLabel place) { return HourCellJson(c, HourLabelPlace(place)); };
  out << json{{"caption", ToUtf8(r->caption)},
              {"dayPillarText", ToUtf8(page.column->record.dayPillarText.text)},
              {"dayCycleIndex", r->day.index()},
              {"hourPillarList", pillars},
              {"hourClashList", clashes},
              {"hours", hours},
              {"rowLabels",
               {{"joy", label(r->joyLabel, HourLabel::kJoy)},
                {"wealth", label(r->wealthLabel, HourLabel::kWealth)},
                {"animal", label(r->animalLabel, HourLabel::kAnimal)},
                {"sha", label(r->shaLabel, HourLabel::kSha)},
                {"opposite", label(r->oppositeLabel, HourLabel::kOpposite)}}},
              {"dateCell", label(r->dateCell, HourLabel::kDate)},
              {"lunarDateCell", label(r->lunarDateCell, HourLabel::kLunarDate)},
              {"noteCell", label(r->noteCell, HourLabel::kNote)}}
             .dump()
      << "\n";
  return 0;
}

int RunYearly(const Args& a, std::ostream& out, std::ostream& err) {
  const Ymd& date = a.Date("DATE");
  const std::optional<YearlyNotesRecord> r = BuildYearlyNotes(date.year, date.month, date.day);
  if (!r) return Refuse(err, "yearly: the date does not convert");

  const auto texts = r->TemplateTexts();
  json corners = json::array();
  for (size_t i = 2; i < texts.size(); ++i) corners.push_back(ControlJson(*texts[i], kYearlyNotesTemplateTexts[i]));
  const LabelPlaces<78> label(r->Labels(), kYearlyNotesLabels);
  out << json{{"caption", ToUtf8(r->caption)},
              {"yearPillarText", ToUtf8(u" " + std::u16string(Name(r->yearPillar)) + u" ")},
              {"yearPosition", r->yearPosition},
              {"lunarYear", r->lunarYear},
              {"lichunDayPillar", r->lichunDayPillar ? ToUtf8(Name(*r->lichunDayPillar)) : ""},
              {"complete", r->complete},
              {"yearGodTitle", ControlJson(r->yearGodTitle, kYearlyNotesTemplateTexts[0])},
              {"yearGodName", ControlJson(r->yearGodName, kYearlyNotesTemplateTexts[1])},
              {"cornerWords", corners},
              {"nayin", label(r->nayin)},
              {"elements", label(r->elements)},
              {"mansions",
               {{"yearDuty", label(r->yearDutyMansion)},
                {"yearDutyLabel", label(r->yearDutyLabel)},
                {"second", label(r->secondMansion)},
                {"secondLabel", label(r->secondLabel)},
                {"meetLabel", label(r->meetLabel)},
                {"branchPair", label(r->branchPair)},
                {"dayLabel", label(r->dayLabel)},
                {"mansionPair", label(r->mansionPair)},
                {"mansionLabel", label(r->mansionLabel)},
                {"hiddenLabel", label(r->hiddenLabel)},
                {"goldLabel", label(r->goldLabel)},
                {"yearLabel", label(r->yearLabel)},
                {"virtueLabel", label(r->virtueLabel)},
                {"stemPair", label(r->stemPair)}}},
              {"earthMother",
               {{"heading", label(r->earthMotherHeading)},
                {"verseHeading", label(r->verseHeading)},
                {"oracleHeading", label(r->oracleHeading)},
                {"ownWriting", r->earthMotherIsOurs},
                {"ownWritingLine", label(r->ownWritingLine)},
                {"verseLines", label(r->verseLines)},
                {"oracleLines", label(r->oracleLines)}}},
              {"directionLine", label(r->directionLine)},
              {"yearNotes", {{"heading", label(r->notesHeading)}, {"columns", label(r->yearNotes)}}},
              {"springOx", label(r->springOx)},
              {"climate", {{"heading", label(r->climateHeading)}, {"line", label(r->climateLine)}}},
              {"nineStars", {{"centre", label(r->centreStar)}, {"ring", label(r->starRing)}}},
              {"seasonalDays", label(r->seasonalDays)}}
             .dump()
      << "\n";
  return 0;
}

int RunZodiac(const Args& a, std::ostream& out, std::ostream&) {
  const Ymd& date = a.Date("DATE");
  const int tab = a.Has("TAB") ? a.Number("TAB") : 0;
  ZodiacFortuneSheet sheet = OpenZodiacFortune(date.year, date.month, date.day);
  // Choosing the tab already shown changes nothing.
  if (tab != sheet.selectedTab) FillZodiacTab(sheet, tab);

  json groups = json::array();
  for (size_t g = 0; g < sheet.groups.size(); ++g) {
    const ZodiacGroup& group = sheet.groups[g];
    const ZodiacGroupLayout& layout = kZodiacGroups[g];
    auto line = [&](const SheetLabel& l, ZodiacLine which) {
      return LineJson(l, layout.lines[static_cast<size_t>(which)]);
    };
    json monthly = json::array();
    for (size_t k = 0; k < group.monthly.columns.size(); ++k)
      monthly.push_back(LabelJson(group.monthly.columns[k], layout.columns[k]));
    groups.push_back({{"row", group.row},
                      {"animal", line(group.animal, ZodiacLine::kAnimal)},
                      {"title", line(group.title, ZodiacLine::kTitle)},
                      {"ages", line(group.ages, ZodiacLine::kAges)},
                      {"lucky", line(group.lucky, ZodiacLine::kLucky)},
                      {"unlucky", line(group.unlucky, ZodiacLine::kUnlucky)},
                      {"monthly", monthly}});
  }
  json tabs = json::array();
  for (const std::u16string& t : sheet.tabCaptions) tabs.push_back(ToUtf8(t));
  const int branch = sheet.yearBranchNumber;
  const std::u16string_view branchName =
      branch >= 1 && branch <= 12 ? kBranchNames[static_cast<size_t>(branch - 1)] : std::u16string_view();
  out << json{{"caption", ToUtf8(sheet.caption)},           {"yearBranch", ToUtf8(branchName)},
              {"yearBranchNumber", sheet.yearBranchNumber}, {"tabCaptions", tabs},
              {"selectedTab", sheet.selectedTab},           {"groups", groups}}
             .dump()
      << "\n";
  return 0;
}

int RunBone(const Args& a, std::ostream& out, std::ostream&) {
  const Ymd& date = a.Date("DATE");
  const int hour = a.Number("HOUR");
  const std::optional<BoneWeighingRecord> r = WeighBones(date.year, date.month, date.day, hour);
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
              {"ownWritingLine", ToUtf8(r->ownWritingLine)},
              {"yearPosition", r->yearPosition},
              {"lunarYear", r->lunar.year},
              {"lunarMonth", SignedMonth(r->lunar)},
              {"lunarDay", r->lunar.day},
              {"totalQian", r->totalQian},
              {"verseIndex", r->verseIndex}}
             .dump()
      << "\n";
  return 0;
}

}  // namespace lunisol::cli
