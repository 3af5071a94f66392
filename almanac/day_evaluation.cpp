#include "almanac/day_evaluation.h"

#include <optional>

#include "almanac/festivals.h"
#include "almanac/lookups.h"
#include "almanac/nine_stars.h"
#include "almanac/rules.h"
#include "almanac/tables.h"
#include "calendar/cycle.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"
#include "calendar/text.h"

namespace lunisol {

using namespace colours;

std::u16string_view DayContext::StemName() const { return kStemNames[static_cast<size_t>(date.dayStem)]; }
std::u16string_view DayContext::BranchName() const { return kBranchNames[static_cast<size_t>(date.dayBranch)]; }

bool ReadDay(CalendarState& state, int year, int month, int day, DayContext& out) {
  out.year = year;
  out.month = month;
  out.day = day;
  const int cycleNumber = SolarToLunar(year, month, day, out.date);
  if (cycleNumber < 0) return false;
  out.lunarYearIndex = cycleNumber - 1;
  out.cycleIndex = CycleIndexOf(out.date.dayStem, out.date.dayBranch);
  out.term = SolarTermOnDay(state, year, month, day);
  out.nineStar = NineStarOfDay(state, year, month, day);
  out.hexagram = state.dayHexagramTable[static_cast<size_t>(DayOfYear(year, month, day) - 1)];
  out.dayKey = Format(u"%02d%02d", {month, day});
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
  return SolarToLunar(y, m, d, next) > 0 && next.lunarMonth == 1 && next.lunarDay == 1;
}

// The star, and the hexagram drawn in the star's colour (中五 in green).
void FillStarAndHexagram(const DayContext& day, DayAlmanacRecord& r) {
  const ColouredText star = NineStarCell(day.nineStar, day.dayBeforeStarColour);
  r.nineStarText = {star.text, star.colour};
  if (day.hexagram < 0 || day.hexagram >= 72) return;
  const std::u16string_view hexagram = kHexagramTexts[static_cast<size_t>(day.hexagram)];
  const Colour colour = hexagram.substr(0, 2) == u"中五" ? kGreen : r.nineStarText.colour;
  r.hexagramPairText = {std::u16string(hexagram.substr(0, 2)), colour};
  r.hexagramNameText = {std::u16string(hexagram.substr(2)), colour};
}

// "農曆 5 月庚午" (閏 for a leap month) on the first day of a lunar month.
std::u16string LunarMonthLine(const DayContext& day) {
  if (day.date.lunarDay != 1) return {};
  const std::u16string_view pillar = kCycleNames[static_cast<size_t>(day.lunarMonthPillar)];
  if (day.date.lunarMonth < 0) return Format(u"農曆閏 %d 月%s", {-day.date.lunarMonth, pillar});
  return Format(u"農曆 %d 月%s", {day.date.lunarMonth, pillar});
}

// The phase of the first of the four lists (望, 下弦, 朔, 上弦) with an entry
// for the day, or empty.
std::u16string MoonPhaseOfDay(const MoonPhaseData& moon, std::u16string_view dayKey) {
  for (int list = 0; list < 4; ++list)
    if (auto phase = FindMoonPhase(moon, list, dayKey)) return *phase;
  return {};
}

// noteA: the lunar month line, the Gregorian festival, the term, 刀砧,
// 楊公忌日 and the moon phase; noteB: the lunar festival.
void FillNotes(const DayContext& day, const MoonPhaseData& moon, DayAlmanacRecord& r) {
  std::u16string noteA = LunarMonthLine(day);
  const auto festival = SolarFestival(day.month, day.day);
  if (festival) noteA += *festival;
  if (day.term >= 0) {
    if (festival) noteA += u" ，";
    noteA += kSolarTermNames[static_cast<size_t>(day.term)];
  }
  auto join = [&noteA](std::u16string_view text) {
    if (text.empty()) return;
    if (!noteA.empty()) noteA += u" ，";
    noteA += text;
  };
  join(IsDaoZhen(day.termInForce, day.date.dayBranch) ? u"刀砧" : u"");
  join(IsYangGongDay(day.date.lunarMonth, day.date.lunarDay) ? u"楊公忌日" : u"");
  join(MoonPhaseOfDay(moon, day.dayKey));
  r.noteA = {noteA, kBlue};
  r.noteB = {u"", kRed};
  const bool yearEnd = day.date.lunarDay >= 29 && IsLunarYearEnd(day.year, day.month, day.day);
  if (auto lunarFestival = LunarFestival(day.date.lunarMonth, day.date.lunarDay, yearEnd))
    r.noteB.text = *lunarFestival;
}

// The officer (建除), then the warnings in the order they are added: 月破,
// 受死, 正紅紗 and the year file's own notes for the day.
void FillOfficerAndWarnings(const DayContext& day, const std::vector<std::u16string>& datedNotes, DayAlmanacRecord& r) {
  const std::u16string_view officer = DayOfficer(day.year, day.month, day.day);
  r.officerText = {std::u16string(officer), OfficerColour(officer)};
  r.warningC = {u"", kBlack};
  r.warningD = {u"", kBlack};
  if (officer == u"破") r.warningC.text = u"日逢月破日大凶不宜諸吉事";
  if (IsDeathDay(day.termInForce, day.BranchName())) {
    static constexpr std::u16string_view kDeath = u"日逢受死日不宜諸吉事";
    if (r.warningC.text.empty()) {
      r.warningC.text.assign(kDeath);
      r.warningD.text.clear();
    } else {
      r.warningD.text.assign(kDeath);
    }
  }
  if (IsRedGauzeDay(day.termInForce, day.date.dayBranch)) AppendWarning(r, u"正紅紗日 ! 宜事少取");
  for (const std::u16string& note : datedNotes)
    if (note.size() >= 4 && std::u16string_view(note).substr(0, 4) == day.dayKey)
      AppendWarning(r, note.size() > 5 ? std::u16string_view(note).substr(5) : std::u16string_view());
}

// Weekends in red: the weekday, its label and the day number.
void FillWeekday(const DayContext& day, DayAlmanacRecord& r) {
  const Colour colour = day.date.weekday == 0 || day.date.weekday == 6 ? kRed : kBlack;
  r.weekdayText = {std::u16string(kWeekdayNames[static_cast<size_t>(day.date.weekday)]), colour};
  r.dayNumberText.colour = colour;
  r.weekdayLabelColour = colour;
}

// The pillar (branch then stem), Na Yin, and the sixty-row lookups by it:
// the gods of joy and wealth, the lucky hours, the fetus god, the day code.
void FillPillarCells(const DayContext& day, DayAlmanacRecord& r) {
  r.dayPillarText = {std::u16string(day.BranchName()) + std::u16string(day.StemName()), StemColour(day.StemName())};
  const size_t k = static_cast<size_t>(day.cycleIndex);
  const std::u16string_view joyWealth = kJoyWealthDirections[k];
  const size_t comma = joyWealth.find(u',');
  const std::u16string_view joy = joyWealth.substr(0, comma), wealth = joyWealth.substr(comma + 1);
  r.joyGodText = {std::u16string(joy), DirectionColour(joy)};
  r.wealthGodText = {std::u16string(wealth), DirectionColour(wealth)};
  const std::u16string_view lucky = kLuckyHourPairs[k];
  const std::u16string_view first = lucky.substr(0, 2), second = lucky.substr(lucky.size() - 2);
  r.luckyHoursFirst = {std::u16string(first), BranchColour(first)};
  r.luckyHoursSecond = {std::u16string(second), BranchColour(second)};
  const std::u16string_view fetus = kFetusGodPlaces[k];
  const size_t fetusComma = fetus.find(u',');
  const std::u16string_view direction = fetus.substr(fetusComma + 1);
  const Colour directionColour = DirectionColour(direction);
  r.fetusGodDirection = {std::u16string(direction), directionColour};
  r.fetusGodPlace = {std::u16string(fetus.substr(0, fetusComma)), directionColour};
  r.dayCodeText = {std::u16string(kDayCodeTexts[k]), directionColour};
  const std::u16string element = NayinElement(kCycleNames[k]);
  r.naYinText = {element, NayinColour(element)};
}

// 探病凶日 by the pillar, then 氣往亡日 from the year's twelve.
void AddPillarNotes(const DayContext& day, const std::array<LunarTriple, 12>& wangwangDays, DayAlmanacRecord& r) {
  if (IsVisitingSickDay(r.dayPillarText.text)) PlaceVisitingSickLabel(r);
  const LunarTriple today{day.date.lunarYear, day.date.lunarMonth, day.date.lunarDay};
  for (const LunarTriple& wangwang : wangwangDays)
    if (wangwang == today) {
      AppendNote(r, u"氣往亡日");
      break;
    }
}

// The lunar day (reversed, "一初") and the mansion, whose colour may follow it.
void FillLunarDayAndMansion(const DayContext& day, DayAlmanacRecord& r) {
  r.lunarDayText = {std::u16string(kLunarDayNames[static_cast<size_t>(day.date.lunarDay)]),
                    LunarDayColour(day.date.lunarDay)};
  r.mansionText = {std::u16string(kMansionNames[static_cast<size_t>(day.date.mansion)]),
                   MansionColour(day.date.mansion, r.lunarDayText.colour)};
}

// 九毒日, then 真滅沒日, which reads noteA and the lunar day as they stand.
void AddLunarWarnings(const DayContext& day, DayAlmanacRecord& r) {
  if (IsNinePoisonDay(day.date.lunarMonth, day.date.lunarDay)) AppendWarning(r, u"九毒日 ! 不宜行房縱慾");
  const std::u16string_view mansion = kMansionNames[static_cast<size_t>(day.date.mansion)];
  AppendWarning(r, TrueExtinctionText(r.noteA.text, mansion, r.lunarDayText.text));
}

// 麒麟日 or 鳳凰日 by the mansion, and 天赦日, all by the season.
void AddSeasonNotes(const DayContext& day, DayAlmanacRecord& r) {
  const std::u16string_view mansion = kMansionNames[static_cast<size_t>(day.date.mansion)];
  const std::u16string_view beast = UnicornPhoenixDay(day.termInForce, mansion);
  if (!beast.empty()) AppendNote(r, beast);
  if (IsPardonDay(day.termInForce, day.date.dayStem, day.date.dayBranch)) AppendNote(r, u"天赦日");
}

// The clash with its age, and 歲煞.
void FillClash(const DayContext& day, DayAlmanacRecord& r) {
  const ColouredText clash = ClashText(day.date.dayStem, day.date.dayBranch, day.lunarYearIndex);
  r.clashText = {clash.text, clash.colour};
  const ColouredText sha = YearShaText(day.date.dayBranch);
  r.yearShaText = {sha.text, sha.colour};
}

}  // namespace

void EvaluateDay(const DayContext& day, const YearData& data, DayAlmanacRecord& record) {
  FillStarAndHexagram(day, record);
  FillNotes(day, data.moon, record);
  FillOfficerAndWarnings(day, data.moon.datedNotes, record);
  FillWeekday(day, record);
  FillPillarCells(day, record);
  AddPillarNotes(day, data.calendar.qiWangWangDays, record);
  FillLunarDayAndMansion(day, record);
  AddLunarWarnings(day, record);
  AddSeasonNotes(day, record);
  FillClash(day, record);
}

}  // namespace lunisol
