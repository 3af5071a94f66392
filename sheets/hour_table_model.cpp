#include "sheets/hour_table_model.h"

#include "almanac/lookups.h"
#include "calendar/convert.h"
#include "calendar/names.h"
#include "calendar/text.h"
#include "sheets/tables.h"

namespace lunisol {

namespace {

using namespace colours;

// Start of the hour pillars in the cycle by day stem: the 子 hour of a 甲 or
// 己 day is 甲子, of an 乙 or 庚 day 丙子, and so on in steps of twelve.
Pillar HourStart(Stem dayStem) { return Pillar(Index(dayStem) % 5 * 12); }

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

// The note column opens with the month line ("農曆 1 月庚寅", "農曆閏 4
// 月己巳") when the day opens a lunar month. The lunar line already names the
// month, so the note keeps only the month's pillar from it.
std::u16string WithoutMonthLine(std::u16string_view noteA, const LunarDate& date) {
  if (date.day != 1) return std::u16string(noteA);
  const Pillar month = MonthPillar(YearPillar(date.year), date.month);
  const std::u16string line = LunarMonthLine(date, month);
  if (!noteA.starts_with(line)) return std::u16string(noteA);
  return std::u16string(Name(month)) + std::u16string(noteA.substr(line.size()));
}

// The cells of hour k, once the record holds the day's pillars.
HourColumn MakeHourColumn(const HourTableRecord& rec, int k) {
  const size_t i = static_cast<size_t>(k);
  HourColumn h;
  const Pillar pillar = rec.hourPillars[i];
  h.range = Label(std::u16string(kHourRanges[i]), BranchColour(BranchAt(k)));
  h.pillar = Label(std::u16string(Name(pillar)) + u"時", StemColour(pillar.stem()));

  // The hour's gods of joy and wealth go by its stem; the sheet leaves the
  // God of Wealth out on the hours of 辛.
  const Direction joy = JoyGodDirection(pillar.stem());
  h.joy = Label(std::u16string(Name(joy)), DirectionColour(joy));
  if (pillar.stem() != Stem::kXin) {
    const Direction wealth = WealthGodDirection(pillar.stem());
    h.wealth = Label(std::u16string(Name(wealth)), DirectionColour(wealth));
  }

  const FixedClash& fc = kFixedClashes[i];
  h.sha = Label(std::u16string(fc.sha), fc.shaColour);
  h.clashAnimal = Label(std::u16string(fc.animal), fc.animalColour);
  h.opposite = Label(std::u16string(Name(rec.clashPillars[i])), fc.animalColour);

  const bool clashes = rec.clashPillars[i].branch() == rec.day.branch();
  HourSpiritTexts spirits = HourSpiritCells(HourSpiritsOf(rec.day, BranchAt(k)), IsYang(rec.day.stem()), clashes);
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

  rec.dateCell = Label(HourTableDateLine(page.gregorianTitle.text, date.solar.day), kBlue);
  rec.noteCell = Label(column.noteB.text, kMaroon);
  rec.noteCell.tooltip = TipWhenLonger(rec.noteCell.text, 21);
  rec.lunarDateCell = Label(HourTableLunarLine(date.lunar, column.noteA.text, column.warningC.text), kGreen);
  rec.lunarDateCell.tooltip = TipWhenLonger(rec.lunarDateCell.text, 21);
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

std::array<Pillar, 12> HourPillars(Stem dayStem) {
  std::array<Pillar, 12> pillars;
  for (int k = 0; k < 12; ++k) pillars[static_cast<size_t>(k)] = HourStart(dayStem) + k;
  return pillars;
}

std::array<Pillar, 12> HourClashPillars(Stem dayStem) {
  std::array<Pillar, 12> pillars;
  for (int k = 0; k < 12; ++k) pillars[static_cast<size_t>(k)] = HourStart(dayStem) + (54 + k);
  return pillars;
}

std::u16string HourTableDateLine(std::u16string_view gregorianTitle, int day) {
  return Format(u"%s %d 日", {gregorianTitle, day});
}

std::u16string HourTableLunarLine(const LunarDate& date, std::u16string_view noteA, std::u16string_view warningC) {
  const std::u16string note = WithoutMonthLine(noteA, date);
  const std::u16string_view leap = date.leap ? u"閏" : u"";
  if (!note.empty() && !warningC.empty())
    return Format(u"農曆%s %d 月 %d 日 ，%s ，%s", {leap, date.month, date.day, note, warningC});
  if (!note.empty()) return Format(u"農曆%s %d 月 %d 日 ，%s", {leap, date.month, date.day, note});
  if (!warningC.empty()) return Format(u"農曆%s %d 月 %d 日 ，%s", {leap, date.month, date.day, warningC});
  return Format(u"農曆%s %d 月 %d 日", {leap, date.month, date.day});
}

HourSpiritTexts HourSpiritCells(HourSpiritSet spirits, bool yangDay, bool clashes) {
  // A side without spirits says 無 rather than showing a bare label, which
  // would read as if the text were cut off.
  auto side = [&](bool good) {
    const std::u16string names = JoinedNames(spirits, good);
    return std::u16string(good ? u"吉神 ：" : u"凶煞 ：") + (names.empty() ? std::u16string(u"無") : names);
  };
  const std::u16string good = side(true), bad = side(false);
  if (!clashes) return {good, bad, kMaroon, kGreen};
  // A clashing hour is good for nothing: the warning takes the good column.
  // An hour the almanac prints at length has room to show its bad spirits
  // after the warning.
  if (PrintedHourSpirits(spirits, yangDay).size() >= 22)
    return {std::u16string(kClashWarning) + bad, good, kBlack, kGrey};
  return {std::u16string(kClashWarning), good + u" ，" + bad, kBlack, kGrey};
}

std::optional<HourTableRecord> BuildHourTable(const MonthAlmanac& page, int year, int month, int day) {
  const MonthColumn* column = nullptr;
  for (const MonthColumn& c : page.columns)
    if (c.kind == ColumnKind::kDay && c.day == day) column = &c;
  CalendarDate date;
  if (column == nullptr || SolarToLunar(year, month, day, date) <= 0) return std::nullopt;

  HourTableRecord rec;
  rec.day = date.dayPillar;
  rec.hourPillars = HourPillars(rec.day.stem());
  rec.clashPillars = HourClashPillars(rec.day.stem());
  for (int k = 0; k < 12; ++k) rec.hours[static_cast<size_t>(k)] = MakeHourColumn(rec, k);
  rec.caption =
      Format(u" 當日時辰吉課 ( 彭祖百忌  ：%s,  %s )", {kStemTaboos[static_cast<size_t>(Index(rec.day.stem()))],
                                                        kBranchTaboos[static_cast<size_t>(Index(rec.day.branch()))]});
  FillLabelColumn(rec, page, column->record, date);
  return rec;
}

}  // namespace lunisol
