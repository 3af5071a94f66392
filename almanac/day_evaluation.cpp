#include "almanac/day_evaluation.h"

#include <optional>

#include "almanac/festivals.h"
#include "almanac/lookups.h"
#include "almanac/nine_stars.h"
#include "almanac/rules.h"
#include "almanac/tables.h"
#include "calendar/names.h"
#include "calendar/solar_terms.h"
#include "calendar/text.h"

namespace lunisol {

using namespace colours;

bool ReadDay(const YearData& data, int year, int month, int day, DayContext& out) {
  out.year = year;
  out.month = month;
  out.day = day;
  if (SolarToLunar(year, month, day, out.date) < 0) return false;
  out.lunarYear = YearPillar(out.date.lunar.year);
  out.term = TermOnDay(year, month, day);
  out.nineStar = data.NineStarOf(month, day);
  out.hexagram = data.HexagramOf(month, day);
  out.moonPhase = data.moon.PhaseOn(month, day);
  return true;
}

namespace {

bool IsLunarYearEnd(int year, int month, int day) {
  // The eve of the lunar new year is the day whose next day is lunar 1/1.
  int y = year, m = month, d = day + 1;
  if (d > DaysInSolarMonth(y, m)) {
    d = 1;
    if (++m > 12) {
      m = 1;
      ++y;
    }
  }
  CalendarDate next;
  return SolarToLunar(y, m, d, next) > 0 && next.lunar.month == 1 && !next.lunar.leap && next.lunar.day == 1;
}

// The star, and the hexagram drawn in the star's colour (中五 in green).
void FillStarAndHexagram(const DayContext& day, DayAlmanacRecord& r) {
  const ColouredText star = NineStarCell(day.nineStar, day.dayBeforeStarColour);
  r.nineStarText = {star.text, star.colour};
  if (day.hexagram < 0 || day.hexagram >= 72) return;
  const std::u16string_view hexagram = kHexagramTexts[static_cast<size_t>(day.hexagram)];
  const Colour colour = IsCentreHexagram(day.hexagram) ? kGreen : r.nineStarText.colour;
  r.hexagramPairText = {std::u16string(hexagram.substr(0, 2)), colour};
  r.hexagramNameText = {std::u16string(hexagram.substr(2)), colour};
}

// "農曆 5 月庚午" (閏 for a leap month) on the first day of a lunar month.
std::u16string MonthLineOf(const DayContext& day) {
  if (day.date.lunar.day != 1 || !day.lunarMonthPillar) return {};
  return LunarMonthLine(day.date.lunar, *day.lunarMonthPillar);
}

// noteA: the lunar month line, the Gregorian festival, the term, 刀砧,
// 楊公忌日 and the moon phase; noteB: the lunar festival.
void FillNotes(const DayContext& day, DayAlmanacRecord& r) {
  std::u16string noteA = MonthLineOf(day);
  const auto festival = SolarFestival(day.year, day.month, day.day);
  if (festival) noteA += *festival;
  if (day.term) {
    if (festival) noteA += u" ，";
    noteA += Name(*day.term);
  }
  auto join = [&noteA](std::u16string_view text) {
    if (text.empty()) return;
    if (!noteA.empty()) noteA += u" ，";
    noteA += text;
  };
  join(IsDaoZhen(day.termInForce, day.date.dayPillar.branch()) ? u"刀砧" : u"");
  join(IsYangGongDay(day.date.lunar) ? u"楊公忌日" : u"");
  join(day.moonPhase ? MoonPhaseText(*day.moonPhase) : std::u16string());
  r.noteA = {noteA, kBlue};
  r.noteB = {u"", kRed};
  const bool yearEnd = day.date.lunar.day >= 29 && IsLunarYearEnd(day.year, day.month, day.day);
  if (auto lunarFestival = LunarFestival(day.date.lunar, yearEnd)) r.noteB.text = *lunarFestival;
}

// The officer (建除), then the warnings in the order they are added: 月破,
// 受死, 正紅紗 and the year file's own notes for the day.
void FillOfficerAndWarnings(const DayContext& day, const std::vector<DatedNote>& notes, DayAlmanacRecord& r) {
  const Officer officer = DayOfficer(day.year, day.month, day.day);
  r.officerText = {std::u16string(Name(officer)), OfficerColour(officer)};
  r.warningC = {u"", kBlack};
  r.warningD = {u"", kBlack};
  if (officer == Officer::kBreak) r.warningC.text = u"日逢月破日大凶不宜諸吉事";
  if (IsDeathDay(day.termInForce, day.date.dayPillar.branch())) {
    static constexpr std::u16string_view kDeath = u"日逢受死日不宜諸吉事";
    if (r.warningC.text.empty()) {
      r.warningC.text.assign(kDeath);
      r.warningD.text.clear();
    } else {
      r.warningD.text.assign(kDeath);
    }
  }
  if (IsRedGauzeDay(day.termInForce, day.date.dayPillar.branch())) AppendWarning(r, u"正紅紗日 ! 宜事少取");
  for (const DatedNote& note : notes)
    if (note.month == day.month && note.day == day.day) AppendWarning(r, note.text());
}

// Weekends in red: the weekday, its label and the day number.
void FillWeekday(const DayContext& day, DayAlmanacRecord& r) {
  const Colour colour = day.date.weekday == 0 || day.date.weekday == 6 ? kRed : kBlack;
  r.weekdayText = {std::u16string(kWeekdayNames[static_cast<size_t>(day.date.weekday)]), colour};
  r.dayNumberText.colour = colour;
  r.weekdayLabelColour = colour;
}

// The pillar (branch then stem), Na Yin, and the lookups by it: the gods of
// joy and wealth, the lucky hours, the fetus god, the day code.
void FillPillarCells(const DayContext& day, DayAlmanacRecord& r) {
  const Pillar pillar = day.date.dayPillar;
  r.dayPillarText = {std::u16string(Name(pillar.branch())) + std::u16string(Name(pillar.stem())),
                     StemColour(pillar.stem())};
  const Direction joy = JoyGodDirection(pillar.stem()), wealth = WealthGodDirection(pillar.stem());
  r.joyGodText = {std::u16string(Name(joy)), DirectionColour(joy)};
  r.wealthGodText = {std::u16string(Name(wealth)), DirectionColour(wealth)};
  const LuckyHours lucky = LuckyHoursOf(pillar);
  auto pair = [](Branch a, Branch b) { return std::u16string(Name(a)) + std::u16string(Name(b)); };
  // A pair goes in the colour of its earlier hour.
  r.luckyHoursFirst = {pair(lucky.hours[0], lucky.hours[1]), BranchColour(lucky.hours[0])};
  r.luckyHoursSecond = {pair(lucky.hours[2], lucky.hours[3]), BranchColour(lucky.hours[2])};
  const FetusGod fetus = FetusGodOf(pillar);
  const Colour directionColour = DirectionColour(fetus.direction);
  r.fetusGodDirection = {FetusGodDirectionName(fetus), directionColour};
  r.fetusGodPlace = {std::u16string(fetus.place), directionColour};
  r.dayCodeText = {std::u16string(kDayCodeTexts[static_cast<size_t>(pillar.index())]), directionColour};
  const Element element = NayinElement(pillar);
  r.naYinText = {std::u16string(Name(element)), ElementColour(element)};
}

// 探病凶日 by the pillar, then 氣往亡日 from the year's twelve.
void AddPillarNotes(const DayContext& day, const std::array<LunarDate, 12>& wangwangDays, DayAlmanacRecord& r) {
  if (IsVisitingSickDay(day.date.dayPillar)) PlaceVisitingSickLabel(r);
  for (const LunarDate& wangwang : wangwangDays)
    if (wangwang == day.date.lunar) {
      AppendNote(r, u"氣往亡日");
      break;
    }
}

// The lunar day (reversed, "一初") and the mansion, whose colour may follow it.
void FillLunarDayAndMansion(const DayContext& day, DayAlmanacRecord& r) {
  const int lunarDay = day.date.lunar.day;
  r.lunarDayText = {std::u16string(kLunarDayNames[static_cast<size_t>(lunarDay)]), LunarDayColour(lunarDay)};
  r.mansionText = {std::u16string(Name(day.date.mansion)), MansionColour(day.date.mansion, r.lunarDayText.colour)};
}

// 九毒日, then 真滅沒日 by the day's phase, mansion and lunar day.
void AddLunarWarnings(const DayContext& day, DayAlmanacRecord& r) {
  if (IsNinePoisonDay(day.date.lunar)) AppendWarning(r, u"九毒日 ! 不宜行房縱慾");
  const std::optional<MoonPhase> phase = day.moonPhase ? std::optional<MoonPhase>(day.moonPhase->phase) : std::nullopt;
  AppendWarning(r, TrueExtinctionText(phase, day.date.mansion, day.date.lunar.day));
}

// 麒麟日 or 鳳凰日 by the mansion, and 天赦日, all by the season.
void AddSeasonNotes(const DayContext& day, DayAlmanacRecord& r) {
  const std::u16string_view beast = UnicornPhoenixDay(day.termInForce, day.date.mansion);
  if (!beast.empty()) AppendNote(r, beast);
  if (IsPardonDay(day.termInForce, day.date.dayPillar)) AppendNote(r, u"天赦日");
}

// The clash with its age, and 歲煞.
void FillClash(const DayContext& day, DayAlmanacRecord& r) {
  const ColouredText clash = ClashText(day.date.dayPillar, day.lunarYear);
  r.clashText = {clash.text, clash.colour};
  const ColouredText sha = YearShaText(day.date.dayPillar.branch());
  r.yearShaText = {sha.text, sha.colour};
}

}  // namespace

void EvaluateDay(const DayContext& day, const YearData& data, DayAlmanacRecord& record) {
  FillStarAndHexagram(day, record);
  FillNotes(day, record);
  FillOfficerAndWarnings(day, data.moon.notes, record);
  FillWeekday(day, record);
  FillPillarCells(day, record);
  AddPillarNotes(day, data.wangwang, record);
  FillLunarDayAndMansion(day, record);
  AddLunarWarnings(day, record);
  AddSeasonNotes(day, record);
  FillClash(day, record);
}

}  // namespace lunisol
