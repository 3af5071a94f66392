#include "sheets/hour_table_model.h"

#include "almanac/lookups.h"
#include "calendar/convert.h"
#include "calendar/cycle.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "sheets/tables.h"

namespace lunisol {

namespace {

using namespace colours;

// Start of the hour pillars in the cycle by day stem: the 子 hour of a 甲 or
// 己 day is 甲子, of an 乙 or 庚 day 丙子, and so on in steps of twelve.
int HourStart(int dayStem) { return dayStem >= 0 && dayStem < 10 ? dayStem % 5 * 12 : -1; }

std::u16string Char(std::u16string_view text, size_t i) {
  return i < text.size() ? std::u16string(1, text[i]) : std::u16string();
}

std::u16string TipWhenLonger(const std::u16string& text, size_t limit) {
  return text.size() > limit ? text : std::u16string();
}

SheetLabel Label(std::u16string text, Colour colour = kBlack) { return SheetLabel{std::move(text), colour, {}}; }

constexpr std::u16string_view kHourRanges[12] = {u"23 I 01", u"01 I 03", u"03 I 05", u"05 I 07",
                                                 u"07 I 09", u"09 I 11", u"11 I 13", u"13 I 15",
                                                 u"15 I 17", u"17 I 19", u"19 I 21", u"21 I 23"};

// The hour's clash animal and 煞 direction do not depend on the day.
struct FixedClash {
  std::u16string_view animal;
  Colour animalColour;
  std::u16string_view sha;
  Colour shaColour;
};
constexpr FixedClash kFixedClashes[12] = {
    {u"沖馬", kMaroon, u"煞南", kMaroon}, {u"沖羊", kMaroon, u"煞東", kGreen}, {u"沖猴", kDarkGrey, u"煞北", kBlack},
    {u"沖雞", kDarkGrey, u"煞西", kGrey}, {u"沖狗", kOlive, u"煞南", kMaroon}, {u"沖豬", kNavy, u"煞東", kGreen},
    {u"沖鼠", kNavy, u"煞北", kBlack},    {u"沖牛", kOlive, u"煞西", kGrey},   {u"沖虎", kGreen, u"煞南", kMaroon},
    {u"沖兔", kGreen, u"煞東", kGreen},   {u"沖龍", kOlive, u"煞北", kBlack},  {u"沖蛇", kMaroon, u"煞西", kGrey}};

constexpr std::u16string_view kClashWarning = u"日時相沖 ，不宜諸吉事 !";

// The note column opens with the month line ("農曆 1 月庚寅", "農曆 12
// 月丙子", "農曆閏 4 月…") when the day opens a lunar month. The lunar line
// already names the month, so the note keeps only the month's pillar from
// the line.
std::u16string WithoutMonthLine(std::u16string_view noteA) {
  std::u16string note(noteA);
  const size_t at = note.find(u"農曆");
  if (at == std::u16string::npos) return note;
  const size_t m = note.find(u'月', at);
  if (m != std::u16string::npos) note.erase(at, m + 1 - at);
  return note;
}

// The cells of hour k, once the record holds the day's pillar lists and
// cycle index; `dayBranch` is the day's branch (0 = 子).
HourColumn MakeHourColumn(const HourTableRecord& rec, int k, int dayBranch) {
  const size_t i = static_cast<size_t>(k);
  HourColumn h;
  const std::u16string& pillar = rec.pillarList[i];
  h.range = Label(std::u16string(kHourRanges[i]), BranchColour(kBranchNames[i]));
  h.pillar = Label(pillar + u"時", StemColour(Char(pillar, 0)));

  int unused = 0;
  const std::u16string_view directions = DayCycleIndex(pillar, unused);
  const std::u16string joy(directions.substr(0, 2));
  const std::u16string wealth =
      Contains(pillar, u"辛") || directions.size() < 3 ? std::u16string() : std::u16string(directions.substr(3));
  h.joy = Label(joy, DirectionColour(joy));
  h.wealth = Label(wealth, DirectionColour(wealth));

  const FixedClash& fc = kFixedClashes[i];
  h.sha = Label(std::u16string(fc.sha), fc.shaColour);
  h.clashAnimal = Label(std::u16string(fc.animal), fc.animalColour);
  h.opposite = Label(rec.clashList[i], fc.animalColour);

  const std::u16string_view entry = kHourSpirits[static_cast<size_t>(12 * rec.dayCycleIndex + k)];
  const bool clashes = Contains(rec.clashList[i], kBranchNames[static_cast<size_t>(dayBranch)]);
  HourSpiritTexts spirits = SplitHourSpirits(entry, clashes);
  h.good = Label(std::move(spirits.good), spirits.goodColour);
  h.bad = Label(std::move(spirits.bad), spirits.badColour);
  h.good.tooltip = TipWhenLonger(h.good.text, 26);
  h.bad.tooltip = TipWhenLonger(h.bad.text, 26);
  return h;
}

// The label column: row labels, the lunar line, the note and the date line.
void FillLabelColumn(HourTableRecord& rec, const MonthAlmanac& page, const DayAlmanacRecord& column,
                     const CalendarDate& date) {
  rec.joyLabel = Label(u"喜神", kMaroon);
  rec.wealthLabel = Label(u"財神", kMaroon);
  rec.shaLabel = Label(u"沖煞");
  rec.animalLabel = Label(u"生肖");
  rec.oppositeLabel = Label(u"正沖");

  rec.dateCell = Label(HourTableDateLine(page.gregorianTitle.text, date.solarDay), kBlue);
  rec.noteCell = Label(column.noteB.text, kMaroon);
  rec.noteCell.tooltip = TipWhenLonger(rec.noteCell.text, 21);
  rec.lunarDateCell =
      Label(HourTableLunarLine(date.lunarMonth, date.lunarDay, column.noteA.text, column.warningC.text), kGreen);
  rec.lunarDateCell.tooltip = TipWhenLonger(rec.lunarDateCell.text, 21);
}

std::u16string WithEmptySidesNamed(std::u16string_view entry) {
  // The table prints an empty side as its bare label ("吉神 ：", "凶煞",
  // "凶煞:"), which reads as if the text were cut off; the sheet says 無.
  std::u16string text(entry);
  constexpr std::u16string_view kNoGood = u"吉神 ： ，";
  if (text.starts_with(kNoGood)) text.replace(0, kNoGood.size(), u"吉神 ：無 ，");
  for (std::u16string_view bare : {u" ，凶煞:", u" ，凶煞"}) {
    if (text.ends_with(bare)) {
      text.replace(text.size() - bare.size(), bare.size(), u" ，凶煞 ：無");
      break;
    }
  }
  return text;
}

}  // namespace

std::array<const SheetLabel*, 9> HourColumn::Cells() const {
  return {&range, &pillar, &good, &bad, &joy, &wealth, &sha, &clashAnimal, &opposite};
}

std::array<const SheetLabel*, 116> HourTableRecord::Cells() const {
  std::array<const SheetLabel*, 116> all{};
  size_t n = 0;
  for (const HourColumn& h : hours)
    for (const SheetLabel* c : h.Cells()) all[n++] = c;
  for (const SheetLabel* c :
       {&joyLabel, &wealthLabel, &shaLabel, &animalLabel, &oppositeLabel, &lunarDateCell, &noteCell, &dateCell})
    all[n++] = c;
  return all;
}

std::array<std::u16string, 12> HourPillarList(int dayStem) {
  std::array<std::u16string, 12> list;
  const int s = HourStart(dayStem);
  if (s < 0) return list;
  for (int k = 0; k < 12; ++k) list[static_cast<size_t>(k)] = std::u16string(CycleName(s + k));
  return list;
}

std::array<std::u16string, 12> HourClashList(int dayStem) {
  std::array<std::u16string, 12> list;
  const int s = HourStart(dayStem);
  if (s < 0) return list;
  for (int k = 0; k < 12; ++k) list[static_cast<size_t>(k)] = std::u16string(CycleName((s + 54 + k) % 60));
  return list;
}

std::u16string HourTableDateLine(std::u16string_view gregorianTitle, int day) {
  return Format(u"%s %d 日", {gregorianTitle, day});
}

std::u16string HourTableLunarLine(int lunarMonth, int lunarDay, std::u16string_view noteA,
                                  std::u16string_view warningC) {
  const std::u16string note = WithoutMonthLine(noteA);
  const std::u16string_view leap = lunarMonth < 0 ? u"閏" : u"";
  const int month = lunarMonth < 0 ? -lunarMonth : lunarMonth;
  if (!note.empty() && !warningC.empty())
    return Format(u"農曆%s %d 月 %d 日 ，%s ，%s", {leap, month, lunarDay, note, warningC});
  if (!note.empty()) return Format(u"農曆%s %d 月 %d 日 ，%s", {leap, month, lunarDay, note});
  if (!warningC.empty()) return Format(u"農曆%s %d 月 %d 日 ，%s", {leap, month, lunarDay, warningC});
  return Format(u"農曆%s %d 月 %d 日", {leap, month, lunarDay});
}

HourSpiritTexts SplitHourSpirits(std::u16string_view printed, bool clashes) {
  const std::u16string named = WithEmptySidesNamed(printed);
  const std::u16string_view entry = named;
  std::u16string good(entry), bad;
  const size_t at = entry.find(u" ，凶煞");
  if (at != std::u16string_view::npos) {
    good = std::u16string(entry.substr(0, at));
    bad = std::u16string(entry.substr(at + 2));  // from "凶煞" on
  }
  HourSpiritTexts out;
  if (!clashes) {
    out.good = good;
    out.bad = bad;
    out.goodColour = kMaroon;
    out.badColour = kGreen;
    return out;
  }
  // A clashing hour is good for nothing: the warning takes the good column.
  // A long entry has room to show its bad spirits after the warning.
  if (printed.size() >= 22) {
    out.good = std::u16string(kClashWarning) + bad;
    out.bad = good;
  } else {
    out.good = std::u16string(kClashWarning);
    out.bad = std::u16string(entry);
  }
  out.goodColour = kBlack;
  out.badColour = kGrey;
  return out;
}

std::optional<HourTableRecord> BuildHourTable(const MonthAlmanac& page, int year, int month, int day) {
  const MonthColumn* column = nullptr;
  for (const MonthColumn& c : page.columns)
    if (c.kind == ColumnKind::kDay && c.day == day) column = &c;
  CalendarDate date;
  if (column == nullptr || SolarToLunar(year, month, day, date) <= 0) return std::nullopt;

  HourTableRecord rec;
  rec.pillarList = HourPillarList(date.dayStem);
  rec.clashList = HourClashList(date.dayStem);
  rec.dayCycleIndex = CycleIndexOf(date.dayStem, date.dayBranch);
  for (int k = 0; k < 12; ++k) rec.hours[static_cast<size_t>(k)] = MakeHourColumn(rec, k, date.dayBranch);
  rec.caption = Format(u" 當日時辰吉課 ( 彭祖百忌  ：%s,  %s )", {kStemTaboos[static_cast<size_t>(date.dayStem)],
                                                                  kBranchTaboos[static_cast<size_t>(date.dayBranch)]});
  FillLabelColumn(rec, page, column->record, date);
  return rec;
}

}  // namespace lunisol
