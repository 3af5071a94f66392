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

std::string DateText(const SolarDate& d) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
  return buf;
}

json Name(std::u16string_view text) { return ToUtf8(text); }
json StemName(int stem) { return Name(kStemNames[static_cast<size_t>(stem)]); }
json BranchName(int branch) { return Name(kBranchNames[static_cast<size_t>(branch)]); }
json PalaceName(int palace) { return Name(kPalaceNames[static_cast<size_t>(palace)]); }
json MutagenName(size_t k) { return Name(kMutagenNames[k + 1]); }

// The palace stem's transformations: the mutagen, its star and where that
// star stands; the ones that land on the palace itself again as selfMutagen.
void AddFlights(const ChartPalace& p, json& palace) {
  json flies = json::array(), self = json::array();
  const std::array<bool, 4> home = SelfTransformations(p);
  for (size_t k = 0; k < p.flights.size(); ++k) {
    flies.push_back({{"mutagen", MutagenName(k)},
                     {"star", Name(StarName(p.flights[k].star))},
                     {"toBranch", BranchName(p.flights[k].toBranch)}});
    if (home[k]) self.push_back(MutagenName(k));
  }
  palace["flies"] = flies;
  palace["selfMutagen"] = self;
}

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
  json palace = {{"name", PalaceName(index)},
                 {"stem", StemName(p.stem)},
                 {"branch", BranchName(p.branch)},
                 {"isBodyPalace", p.isBodyPalace},
                 {"majorStars", major},
                 {"minorStars", minor},
                 {"otherStars", other},
                 {"changsheng", Name(kChangshengNames[static_cast<size_t>(p.changsheng)])},
                 {"boshi", Name(kBoshiNames[static_cast<size_t>(p.boshi)])},
                 {"jiangqian", Name(kJiangqianNames[static_cast<size_t>(p.jiangqian)])},
                 {"suiqian", Name(kSuiqianNames[static_cast<size_t>(p.suiqian)])},
                 {"isOriginalPalace", p.isOriginalPalace},
                 {"decadal", json::array({p.decadalFrom, p.decadalTo})},
                 {"minorLimitAge", p.minorLimitAge},
                 {"ages", MinorLimitAges(p)}};
  AddFlights(p, palace);
  return palace;
}

// The names a span gives the twelve palaces, in branch order 子..亥.
json PalaceNames(const TimeSpan& s) {
  json names = json::array();
  for (int b = 0; b < 12; ++b) names.push_back(PalaceName(SpanPalaceRole(s, b)));
  return names;
}

// A span's stem and branch, then `more` (the 大限's ages), its palace names
// and the stars its stem transforms.
json SpanJson(const TimeSpan& s, const json& more = json::object()) {
  json span = {{"stem", StemName(s.stem)}, {"branch", BranchName(s.branch)}};
  span.update(more);
  json mutagen = json::array();
  for (Star star : s.mutagens) mutagen.push_back(Name(StarName(star)));
  span["palaceNames"] = PalaceNames(s);
  span["mutagen"] = mutagen;
  return span;
}

// In the 童限 years the 大限 is the 童限 palace, which has no range.
json DecadalJson(const Horoscope& h) {
  if (h.childhood) return SpanJson(h.decadal);
  return SpanJson(h.decadal, {{"range", json::array({h.decadalFrom, h.decadalTo})}});
}

json YearlyJson(const Horoscope& h) {
  json yearly = SpanJson(h.yearly), stars = json::object();
  for (int b = 0; b < 12; ++b) {
    json here = json::array();
    for (int f = 0; f < kFlowingStarCount; ++f)
      if (h.flowingStarBranch[static_cast<size_t>(f)] == b)
        here.push_back(Name(kFlowingStarNames[static_cast<size_t>(f)]));
    stars[ToUtf8(kBranchNames[static_cast<size_t>(b)])] = here;
  }
  yearly["stars"] = stars;
  return yearly;
}

json HoroscopeJson(const Horoscope& h) {
  return {
      {"date", DateText(h.date)},
      {"nominalAge", h.nominalAge},
      {"decadal", DecadalJson(h)},
      {"age",
       {{"branch", BranchName(h.age.palaceBranch)}, {"nominalAge", h.nominalAge}, {"palaceNames", PalaceNames(h.age)}}},
      {"yearly", YearlyJson(h)},
      {"monthly", SpanJson(h.monthly)},
      {"daily", SpanJson(h.daily)}};
}

// The reading as the command gave it before the horoscope: kept for the
// scripts that read it.
json TodayJson(const NatalChart& c, const Horoscope& h) {
  auto palace = [&](int branch) { return PalaceName(c.palaceAtBranch[static_cast<size_t>(branch)]); };
  return {{"date", DateText(h.date)},
          {"lunarYear", h.lunarYear},
          {"nominalAge", h.nominalAge},
          {"yearlyBranch", BranchName(h.yearly.branch)},
          {"yearlyPalace", palace(h.yearly.palaceBranch)},
          {"decadalPalace", h.childhood ? json(nullptr) : palace(h.decadal.palaceBranch)},
          {"decadal", h.childhood ? json(nullptr) : json::array({h.decadalFrom, h.decadalTo})},
          {"minorLimitPalace", palace(h.age.palaceBranch)}};
}

json ChartJson(const NatalChart& c, const Horoscope& h) {
  const Birth& b = c.birth;
  json palaces = json::array();
  for (int i = 0; i < 12; ++i) palaces.push_back(PalaceJson(c, i));
  std::u16string pillar{kStemNames[static_cast<size_t>(c.yearStem)]};
  pillar += kBranchNames[static_cast<size_t>(c.yearBranch)];
  return {{"date", DateText({b.year, b.month, b.day})},
          {"hour", b.hour},
          {"sex", b.sex == Sex::kMale ? "男" : "女"},
          {"chartDate", DateText(c.chartDate)},
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
          {"today", TodayJson(c, h)},
          {"horoscope", HoroscopeJson(h)}};
}

SolarDate ClockToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

SolarDate ToSolar(const Ymd& d) { return {d.year, d.month, d.day}; }

}  // namespace

int RunChart(const Args& a, std::ostream& out, std::ostream& err) {
  if (a.Has("--at") && a.Has("--today")) return Refuse(err, "chart: --at and --today name the same day; give one");
  const char* flag = a.Has("--today") ? "--today" : "--at";
  const bool dated = a.Has(flag);
  const Birth birth{a.Date("DATE").year, a.Date("DATE").month, a.Date("DATE").day, a.Number("HOUR"),
                    a.Number("SEX") == 0 ? Sex::kMale : Sex::kFemale};
  const std::optional<NatalChart> chart = ComputeChart(birth);
  // The late 子 hour of 2100-12-31 would be charted on a day past the calendar.
  if (!chart) return Refuse(err, "chart: the late 子 hour of 2100-12-31 falls on a day past 2100");
  const SolarDate at = dated ? ToSolar(a.Date(flag)) : ClockToday();
  const std::optional<Horoscope> horoscope = ComputeHoroscope(*chart, at);
  if (!horoscope) {
    if (dated)
      return Refuse(err, std::string("chart: ") + flag + " " + DateText(at) + " is before the day charted " +
                             DateText(chart->chartDate));
    return Refuse(err, "chart: today's date is outside the birth..2100-12-31; pass --at YYYY-MM-DD");
  }
  out << ChartJson(*chart, *horoscope).dump() << "\n";
  return 0;
}

}  // namespace lunisol::cli
