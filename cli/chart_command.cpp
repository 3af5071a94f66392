#include "cli/chart_command.h"

#include <ctime>
#include <nlohmann/json.hpp>

#include "calendar/tables.h"
#include "calendar/text.h"
#include "cli/json_util.h"
#include "natal/chart.h"

namespace lunisol::cli {

namespace {

using json = nlohmann::ordered_json;

std::string DateText(int year, int month, int day) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year, month, day);
  return buf;
}

json Name(std::u16string_view text) { return ToUtf8(text); }
json BranchName(int branch) { return Name(kBranchNames[static_cast<size_t>(branch)]); }
json PalaceName(int palace) { return Name(kPalaceNames[static_cast<size_t>(palace)]); }

json PalaceJson(const NatalChart& c, int index) {
  const ChartPalace& p = c.palaces[static_cast<size_t>(index)];
  json major = json::array(), minor = json::array(), other = json::array();
  for (const PlacedStar& s : p.majorStars)
    major.push_back({{"name", Name(StarName(s.star))},
                     {"brightness", Name(kBrightnessNames[static_cast<size_t>(s.brightness)])},
                     {"mutagen", Name(kMutagenNames[static_cast<size_t>(s.mutagen)])}});
  for (const PlacedStar& s : p.minorStars)
    minor.push_back(
        {{"name", Name(StarName(s.star))}, {"mutagen", Name(kMutagenNames[static_cast<size_t>(s.mutagen)])}});
  for (const PlacedStar& s : p.otherStars) other.push_back(Name(StarName(s.star)));
  return {{"name", PalaceName(index)},
          {"stem", Name(kStemNames[static_cast<size_t>(p.stem)])},
          {"branch", BranchName(p.branch)},
          {"isBodyPalace", p.isBodyPalace},
          {"majorStars", major},
          {"minorStars", minor},
          {"otherStars", other},
          {"changsheng", Name(kChangshengNames[static_cast<size_t>(p.changsheng)])},
          {"boshi", Name(kBoshiNames[static_cast<size_t>(p.boshi)])},
          {"decadal", json::array({p.decadalFrom, p.decadalTo})},
          {"minorLimitAge", p.minorLimitAge}};
}

json PalaceOrNull(int palace) { return palace < 0 ? json(nullptr) : PalaceName(palace); }

json TodayJson(const NatalChart& c) {
  const ChartToday& t = c.today;
  json decadal = nullptr;
  if (t.decadalPalace >= 0) {
    const ChartPalace& p = c.palaces[static_cast<size_t>(t.decadalPalace)];
    decadal = json::array({p.decadalFrom, p.decadalTo});
  }
  return {{"date", DateText(t.date.year, t.date.month, t.date.day)},
          {"lunarYear", t.lunarYear},
          {"nominalAge", t.nominalAge},
          {"yearlyBranch", BranchName(t.yearBranch)},
          {"yearlyPalace", PalaceName(t.yearlyPalace)},
          {"decadalPalace", PalaceOrNull(t.decadalPalace)},
          {"decadal", decadal},
          {"minorLimitPalace", PalaceOrNull(t.minorLimitPalace)}};
}

json ChartJson(const NatalChart& c) {
  const Birth& b = c.birth;
  json palaces = json::array();
  for (int i = 0; i < 12; ++i) palaces.push_back(PalaceJson(c, i));
  std::u16string pillar{kStemNames[static_cast<size_t>(c.yearStem)]};
  pillar += kBranchNames[static_cast<size_t>(c.yearBranch)];
  return {{"date", DateText(b.year, b.month, b.day)},
          {"hour", b.hour},
          {"sex", b.sex == Sex::kMale ? "男" : "女"},
          {"lunarDate", {{"year", c.lunarYear}, {"month", c.lunarMonth}, {"day", c.lunarDay}}},
          {"yearPillar", Name(pillar)},
          {"soulPalaceBranch", BranchName(c.soulBranch)},
          {"bodyPalaceBranch", BranchName(c.bodyBranch)},
          {"fiveElementsClass", Name(BureauName(c.bureau))},
          {"soulStar", Name(StarName(c.soulStar))},
          {"bodyStar", Name(StarName(c.bodyStar))},
          {"palaces", palaces},
          {"polarity", Name(PolaritySexName(c.yangYear, b.sex))},
          {"chartMonth", c.chartMonth},
          {"today", TodayJson(c)}};
}

SolarDate ClockToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace

int RunChart(const Args& a, std::ostream& out, std::ostream& err) {
  const Ymd& date = a.Date("DATE");
  SolarDate today = ClockToday();
  if (a.Has("--today")) today = {a.Date("--today").year, a.Date("--today").month, a.Date("--today").day};
  const Birth birth{date.year, date.month, date.day, a.Number("HOUR"),
                    a.Number("SEX") == 0 ? Sex::kMale : Sex::kFemale};
  const std::optional<NatalChart> chart = ComputeChart(birth, today);
  if (!chart) return Refuse(err, "chart: today's date is outside 1900..2100; pass --today");
  out << ChartJson(*chart).dump() << "\n";
  return 0;
}

}  // namespace lunisol::cli
