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
int HourStart(std::u16string_view dayStem) {
  for (size_t s = 0; s < kStemNames.size(); ++s)
    if (dayStem == kStemNames[s]) return static_cast<int>(s % 5) * 12;
  return -1;
}

std::u16string Char(std::u16string_view text, size_t i) {
  return i < text.size() ? std::u16string(1, text[i]) : std::u16string();
}

std::u16string TipWhenLonger(const std::u16string& text, size_t limit) {
  return text.size() > limit ? text : std::u16string();
}

HourCell Cell(int left, int top, int right, int bottom, std::u16string text, Colour colour = kBlack, int id = -1) {
  HourCell c;
  c.left = left;
  c.top = top;
  c.right = right;
  c.bottom = bottom;
  c.id = id;
  c.text = std::move(text);
  c.colour = colour;
  return c;
}

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

// The text between the first `from` and the first `to` after it, blanks
// trimmed; empty when either is missing.
std::u16string Between(std::u16string_view text, std::u16string_view from, std::u16string_view to) {
  const size_t a = text.find(from);
  if (a == std::u16string_view::npos) return {};
  const size_t start = a + from.size();
  const size_t b = text.find(to, start);
  if (b == std::u16string_view::npos) return {};
  return TrimBlanks(text.substr(start, b - start));
}

}  // namespace

std::array<std::u16string, 12> HourPillarList(std::u16string_view dayStem) {
  std::array<std::u16string, 12> list;
  const int s = HourStart(dayStem);
  if (s < 0) return list;
  for (int k = 0; k < 12; ++k) list[static_cast<size_t>(k)] = std::u16string(CycleName(s + k));
  return list;
}

std::array<std::u16string, 12> HourClashList(std::u16string_view dayStem) {
  std::array<std::u16string, 12> list;
  const int s = HourStart(dayStem);
  if (s < 0) return list;
  for (int k = 0; k < 12; ++k) list[static_cast<size_t>(k)] = std::u16string(CycleName((s + 54 + k) % 60));
  return list;
}

std::u16string HourTableDateLine(std::u16string_view gregorianTitle, std::u16string_view dayNumberText) {
  return Format(u"%s %s 日", {gregorianTitle, dayNumberText});
}

std::u16string HourTableLunarLine(std::u16string_view dateLine, int selectedYear, std::u16string_view noteA,
                                  std::u16string_view warningC) {
  const int month = ParseDecimal(Between(dateLine, u"年", u"月"));
  const int day = ParseDecimal(Between(dateLine, u"月", u"日"));
  CalendarDate date;
  if (SolarToLunar(selectedYear, month, day, date) <= 0) return {};

  // The note column starts with the month line ("農曆 1 月庚寅", "農曆 12
  // 月丙子", "農曆閏 4 月…") when the day opens a lunar month; the line below
  // already names the month, so only the month pillar is kept.
  std::u16string note(noteA);
  const size_t at = note.find(u"農曆");
  if (at != std::u16string::npos) {
    note.erase(at, 6);
    const size_t m = note.find(u'月');
    if (m != std::u16string::npos) note.erase(m, 1);
  }
  const std::u16string_view leap = date.lunarMonth < 0 ? u"閏" : u"";
  const int month0 = date.lunarMonth < 0 ? -date.lunarMonth : date.lunarMonth;
  if (!note.empty() && !warningC.empty())
    return Format(u"農曆%s %d 月 %d 日 ，%s ，%s", {leap, month0, date.lunarDay, note, warningC});
  if (!note.empty()) return Format(u"農曆%s %d 月 %d 日 ，%s", {leap, month0, date.lunarDay, note});
  if (!warningC.empty()) return Format(u"農曆%s %d 月 %d 日 ，%s", {leap, month0, date.lunarDay, warningC});
  return Format(u"農曆%s %d 月 %d 日", {leap, month0, date.lunarDay});
}

HourSpiritTexts SplitHourSpirits(std::u16string_view entry, bool clashes) {
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
  if (entry.size() >= 22) {
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

HourTableRecord BuildHourTable(const HourTableInputs& in) {
  HourTableRecord rec;
  const std::u16string dayBranch = Char(in.dayPillarText, 0);
  const std::u16string dayStem = Char(in.dayPillarText, 1);
  rec.pillarList = HourPillarList(dayStem);
  rec.clashList = HourClashList(dayStem);
  DayCycleIndex(dayStem + dayBranch, rec.dayCycleIndex);

  // Row labels sit in the label column, X = 381.
  constexpr int L = 381;
  rec.joyLabel = Cell(L - 6, 395, L + 6, 423, u"喜神", kMaroon);
  rec.wealthLabel = Cell(L - 18, 395, L - 6, 423, u"財神", kMaroon);
  rec.shaLabel = Cell(L - 18, 426, L - 6, 454, u"沖煞");
  rec.animalLabel = Cell(L - 6, 426, L + 6, 454, u"生肖");
  rec.oppositeLabel = Cell(L - 12, 458, L, 486, u"正沖");

  for (int k = 0; k < 12; ++k) {
    const size_t i = static_cast<size_t>(k);
    const int X = 351 - 30 * k;
    HourColumn& h = rec.hours[i];
    const std::u16string& P = rec.pillarList[i];

    h.range = Cell(X - 12, 4, X, 44, std::u16string(kHourRanges[i]), BranchColour(kBranchNames[i]));
    h.pillar = Cell(X - 12, 50, X, 90, P + u"時", StemColour(Char(P, 0)));

    int unused = 0;
    const std::u16string_view directions = DayCycleIndex(P, unused);
    const std::u16string joy(directions.substr(0, 2));
    const std::u16string wealth =
        Contains(P, u"辛") || directions.size() < 3 ? std::u16string() : std::u16string(directions.substr(3));
    h.joy = Cell(X - 6, 395, X + 6, 423, joy, DirectionColour(joy));
    h.wealth = Cell(X - 18, 395, X - 6, 423, wealth, DirectionColour(wealth));

    const FixedClash& fc = kFixedClashes[i];
    h.sha = Cell(X - 18, 426, X - 6, 454, std::u16string(fc.sha), fc.shaColour);
    h.clashAnimal = Cell(X - 6, 426, X + 6, 454, std::u16string(fc.animal), fc.animalColour);
    h.opposite = Cell(X - 12, 458, X, 486, rec.clashList[i], fc.animalColour);

    const std::u16string_view entry = kHourSpirits[static_cast<size_t>(12 * rec.dayCycleIndex + k)];
    const bool clashes = !dayBranch.empty() && Contains(rec.clashList[i], dayBranch);
    HourSpiritTexts spirits = SplitHourSpirits(entry, clashes);
    h.good = Cell(X - 6, 94, X + 6, 390, std::move(spirits.good), spirits.goodColour, 27100 + k);
    h.bad = Cell(X - 18, 94, X - 6, 390, std::move(spirits.bad), spirits.badColour, 27200 + k);
    h.good.tooltip = TipWhenLonger(h.good.text, 26);
    h.bad.tooltip = TipWhenLonger(h.bad.text, 26);
  }

  std::u16string_view stemTaboo, branchTaboo;
  for (std::u16string_view t : kStemTaboos)
    if (!dayStem.empty() && Contains(t, dayStem)) {
      stemTaboo = t;
      break;
    }
  for (std::u16string_view t : kBranchTaboos)
    if (!dayBranch.empty() && Contains(t, dayBranch)) {
      branchTaboo = t;
      break;
    }
  rec.caption = Format(u" 當日時辰吉課 ( 彭祖百忌  ：%s,  %s )", {stemTaboo, branchTaboo});

  const std::u16string dateLine = HourTableDateLine(in.gregorianTitle, in.dayNumberText);
  rec.dateCell = Cell(366, 4, 384, 120, dateLine, kBlue);
  rec.noteCell = Cell(363, 120, 375, 390, in.noteB, kMaroon, 27400);
  rec.noteCell.tooltip = TipWhenLonger(rec.noteCell.text, 21);
  rec.lunarDateCell =
      Cell(376, 120, 388, 390, HourTableLunarLine(dateLine, in.selectedYear, in.noteA, in.warningC), kGreen, 27300);
  rec.lunarDateCell.tooltip = TipWhenLonger(rec.lunarDateCell.text, 21);
  return rec;
}

}  // namespace lunisol
