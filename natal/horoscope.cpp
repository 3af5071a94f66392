#include "natal/horoscope.h"

#include <algorithm>

#include "calendar/convert.h"
#include "calendar/tables.h"
#include "natal/placement.h"
#include "natal/rules.h"

namespace lunisol {

namespace {

template <typename T>
size_t At(T i) {
  return static_cast<size_t>(i);
}

TimeSpan Span(int palaceBranch, int stem, int branch) {
  return {palaceBranch, stem, branch, kFourTransformations[At(stem)]};
}

// A palace of the chart taken as a span: its own stem and branch.
TimeSpan PalaceSpan(const NatalChart& c, int palace) {
  const ChartPalace& p = c.palaces[At(palace)];
  return Span(p.branch, p.stem, p.branch);
}

void ReadDecade(const NatalChart& c, Horoscope& h) {
  const int decade = DecadeOfAge(c.bureau, h.nominalAge);
  if (decade < 0) {
    h.childhood = true;
    h.decadal = PalaceSpan(c, kChildhoodPalaces[At(h.nominalAge - 1)]);
    return;
  }
  h.decadal = PalaceSpan(c, DecadePalace(c.forward, decade));
  h.decadalFrom = c.bureau + (h.nominalAge - c.bureau) / 10 * 10;
  h.decadalTo = h.decadalFrom + 9;
}

// The palace whose 小限 ages hold the 虛歲.
void ReadMinorLimit(const NatalChart& c, Horoscope& h) {
  for (int role = 0; role < 12; ++role)
    if ((h.nominalAge - c.palaces[At(role)].minorLimitAge) % 12 == 0) h.age = PalaceSpan(c, role);
}

// 流月 from the year's 斗君, its stem by 五虎遁 like a palace's; 流日 on from
// the month's palace.
void ReadMonthAndDay(const NatalChart& c, const CalendarDate& lunar, Horoscope& h) {
  h.flowMonth = ChartMonth(SignedMonth(lunar.lunar), lunar.lunar.day);
  const int monthBranch = Mod12(2 + h.flowMonth - 1);
  const int monthPalace = FirstMonthBranch(h.yearly.branch, c.chartMonth, c.chartHour) + h.flowMonth - 1;
  h.monthly = Span(Mod12(monthPalace), PalaceStem(h.yearly.stem, monthBranch), monthBranch);
  h.daily =
      Span(Mod12(monthPalace + lunar.lunar.day - 1), Index(lunar.dayPillar.stem()), Index(lunar.dayPillar.branch()));
}

// Where a natal star of the year tables would stand for a birth in a year of
// this stem and branch.
int YearTableBranch(Star s, int stem, int branch) {
  for (const StemRow& r : kYearStemStars)
    if (r.star == s) return r.branch[At(stem)];
  for (const TwelveKeyRow& r : kYearBranchStars)
    if (r.star == s) return r.branch[At(branch)];
  return 0;  // not reached: every row of kFlowingLikeNatal names a star of the year tables
}

void PlaceFlowingStars(Horoscope& h) {
  const int stem = h.yearly.stem, branch = h.yearly.branch;
  for (const FlowingLikeNatal& f : kFlowingLikeNatal)
    h.flowingStarBranch[At(f.star)] = static_cast<int8_t>(YearTableBranch(f.natal, stem, branch));
  for (const FlowingStemRow& r : kFlowingStemRows) h.flowingStarBranch[At(r.star)] = r.branch[At(stem)];
  for (int b = 0; b < 12; ++b) {
    h.jiangqian[At(b)] = static_cast<int8_t>(JiangqianAt(branch, b));
    h.suiqian[At(b)] = static_cast<int8_t>(SuiqianAt(branch, b));
  }
}

}  // namespace

Mutagen SpanMutagen(const TimeSpan& span, Star star) {
  for (size_t k = 0; k < span.mutagens.size(); ++k)
    if (span.mutagens[k] == star) return static_cast<Mutagen>(k + 1);
  return Mutagen::kNone;
}

std::optional<Horoscope> ComputeHoroscope(const NatalChart& chart, const SolarDate& date) {
  if (!IsCalendarDate(date) || date < chart.chartDate) return std::nullopt;
  CalendarDate lunar;
  const int position = SolarToLunar(date.year, date.month, date.day, lunar);
  if (position <= 0) return std::nullopt;
  Horoscope h;
  h.date = date;
  h.lunarYear = lunar.lunar.year;
  h.lunarMonth = SignedMonth(lunar.lunar);
  h.lunarDay = lunar.lunar.day;
  h.nominalAge = NominalAge(chart.lunarYear, lunar.lunar.year);
  const int yearStem = (position - 1) % 10, yearBranch = (position - 1) % 12;
  h.yearly = Span(yearBranch, yearStem, yearBranch);
  ReadDecade(chart, h);
  ReadMinorLimit(chart, h);
  ReadMonthAndDay(chart, lunar, h);
  PlaceFlowingStars(h);
  return h;
}

std::optional<SolarDate> DateAtAge(const NatalChart& chart, int nominalAge, const SolarDate& near) {
  const int lunarYear = chart.lunarYear + std::max(nominalAge, 1) - 1;
  CalendarDate lunar;
  SolarDate date{lunarYear, near.month, 1};
  if (near.month >= 1 && near.month <= 12 && lunarYear <= kLastTermYear)
    date.day = std::clamp(near.day, 1, DaysInSolarMonth(lunarYear, near.month));
  if (!IsCalendarDate(date) || SolarToLunar(date.year, date.month, date.day, lunar) <= 0 ||
      lunar.lunar.year != lunarYear) {
    if (LunarToSolar({lunarYear, 1, false, 1}, lunar) <= 0) return std::nullopt;
    date = {lunar.solar.year, lunar.solar.month, lunar.solar.day};
    if (!IsCalendarDate(date)) return std::nullopt;
  }
  return std::max(date, chart.chartDate);
}

}  // namespace lunisol
