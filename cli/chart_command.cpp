#include "cli/chart_command.h"

#include <ctime>
#include <nlohmann/json.hpp>

#include "calendar/tables.h"
#include "calendar/text.h"
#include "cli/json_util.h"
#include "natal/chart.h"
#include "natal/horoscope.h"

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

json TodayJson(const NatalChart& c, const Horoscope& h) {
  json decadal = nullptr;
  if (!h.childhood) decadal = json::array({h.decadalFrom, h.decadalTo});
  auto palace = [&](int branch) { return PalaceName(c.palaceAtBranch[static_cast<size_t>(branch)]); };
  return {{"date", DateText(h.date.year, h.date.month, h.date.day)},
          {"lunarYear", h.lunarYear},
          {"nominalAge", h.nominalAge},
          {"yearlyBranch", BranchName(h.yearly.branch)},
          {"yearlyPalace", palace(h.yearly.palaceBranch)},
          {"decadalPalace", h.childhood ? json(nullptr) : palace(h.decadal.palaceBranch)},
          {"decadal", decadal},
          {"minorLimitPalace", palace(h.age.palaceBranch)}};
}

json ChartJson(const NatalChart& c, const Horoscope& h) {
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
          {"today", TodayJson(c, h)}};
}

SolarDate ClockToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

}  // namespace

int ChartCommand(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  if (a.size() != 4 && !(a.size() == 6 && a[4] == "--today"))
    return Refuse(err, "usage: chart YYYY-MM-DD HOUR SEX [--today YYYY-MM-DD] (HOUR 0 = 子 .. 11 = 亥, SEX 男 or 女)");
  const std::optional<Ymd> date = ParseDate(a[1]);
  if (!date) return Refuse(err, "chart: the date must be YYYY-MM-DD within 1900..2100");
  const std::optional<int> hour = ParseInt(a[2]);
  if (!hour || *hour < 0 || *hour > 11) return Refuse(err, "chart: HOUR must be 0 (子) .. 11 (亥)");
  if (a[3] != "男" && a[3] != "女") return Refuse(err, "chart: SEX must be 男 or 女");
  SolarDate today = ClockToday();
  if (a.size() == 6) {
    const std::optional<Ymd> t = ParseDate(a[5]);
    if (!t) return Refuse(err, "chart: --today must be YYYY-MM-DD within 1900..2100");
    today = {t->year, t->month, t->day};
  }
  const Birth birth{date->year, date->month, date->day, *hour, a[3] == "男" ? Sex::kMale : Sex::kFemale};
  const std::optional<NatalChart> chart = ComputeChart(birth);
  if (!chart) return Refuse(err, "chart: the birth cannot be charted");
  const std::optional<Horoscope> horoscope = ComputeHoroscope(*chart, today);
  if (!horoscope) return Refuse(err, "chart: --today must be a date from the birth to 2100-12-31");
  out << ChartJson(*chart, *horoscope).dump() << "\n";
  return 0;
}

}  // namespace lunisol::cli
