#include "almanac/month.h"

#include "almanac/day_evaluation.h"
#include "almanac/festivals.h"
#include "almanac/lookups.h"
#include "almanac/rules.h"
#include "almanac/tables.h"
#include "calendar/convert.h"
#include "calendar/names.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"
#include "calendar/text.h"

namespace lunisol {

using namespace colours;

std::u16string MonthSelectorText(int month) { return Format(u"%2d", {month}); }

std::u16string LunarMonthLine(const LunarDate& date, Pillar monthPillar) {
  return Format(date.leap ? u"農曆閏 %d 月%s" : u"農曆 %d 月%s", {date.month, Name(monthPillar)});
}

std::u16string WindowTitle(SolarTerm first, SolarTerm second) {
  auto description = [](SolarTerm t) { return std::u16string(kSolarTermDescriptions[static_cast<size_t>(Index(t))]); };
  return std::u16string(u"Lunisol 農民曆 (1900 ~ 2100) ") + u"{ " + description(first) + u" }，{ " +
         description(second) + u" }";
}

namespace {

// The month's columns.

// The month's two terms, and the term in force as the month begins (the
// second term of the month before).
MonthTermState FindMonthTerms(int year, int month) {
  const TermDays days = TermDaysOfMonth(year, month);
  MonthTermState terms;
  terms.firstTermDay = days.first;
  terms.secondTermDay = days.second;
  terms.firstTerm = TermAt(2 * month - 2);
  terms.secondTerm = TermAt(2 * month - 1);
  terms.termInForce = TermAt(2 * month - 3);
  return terms;
}

// Each of the month's two term days gets an extra column after it, under its
// term panel; the columns after the month's last day stay empty and hidden.
void LayOutColumns(MonthAlmanac& out, int daysInMonth, const MonthTermState& terms) {
  const int firstTermColumn = terms.firstTermDay + 1;
  const int secondTermColumn = terms.secondTermDay + 2;
  for (MonthColumn& column : out.columns) {
    const int c = column.column;
    if (c > daysInMonth + 2) {
      column.kind = ColumnKind::kEmpty;
      column.visible = false;
    } else if (c == firstTermColumn || c == secondTermColumn) {
      column.kind = ColumnKind::kTerm;
      column.visible = false;
    } else {
      column.kind = ColumnKind::kDay;
      column.day = c - (c > firstTermColumn ? 1 : 0) - (c > secondTermColumn ? 1 : 0);
      column.record.dayNumberText.text = Format(u"%d", {column.day});
    }
  }
}

void RefreshTooltips(MonthColumn& column) {
  const DayAlmanacRecord& r = column.record;
  auto tip = [](const CellText& cell, size_t limit) { return cell.text.size() > limit ? cell.text : std::u16string(); };
  column.tooltips = {tip(r.noteA, 14), tip(r.noteB, 10), tip(r.warningC, 14), tip(r.warningD, 10)};
}

// The walk through the month's days.

// What the month's days hand on to the next day and to the titles.
struct MonthWalk {
  int year = 0;
  int month = 0;
  MonthTermState& terms;                     // termInForce follows the term days
  std::optional<Pillar> lunarMonthPillar{};  // of the latest lunar month begun in the month
  Colour starColour = kBlack;                // of the day before
  int termBarsFilled = 0;
  int daysWalked = 0;
  CalendarDate firstDate{}, lastDate{};
  Pillar firstLunarYear{}, lastLunarYear{};
};

// The context of the month's next day: its own facts and what the days
// before it hand on; moves the walk on to that day. False when the date
// does not convert.
bool StepTo(MonthWalk& walk, const YearData& data, int day, DayContext& context) {
  if (!ReadDay(data, walk.year, walk.month, day, context)) return false;
  const CalendarDate& date = context.date;
  if (date.lunar.day == 1) walk.lunarMonthPillar = MonthPillar(context.lunarYear, date.lunar.month);
  if (context.term) walk.terms.termInForce = *context.term;
  context.termInForce = walk.terms.termInForce;
  context.lunarMonthPillar = walk.lunarMonthPillar;
  context.dayBeforeStarColour = walk.starColour;
  if (walk.daysWalked++ == 0) {
    walk.firstDate = date;
    walk.firstLunarYear = context.lunarYear;
  }
  walk.lastDate = date;
  walk.lastLunarYear = context.lunarYear;
  return true;
}

// The term panels.

void FillTermBar(TermBar& bar, int column, int year, SolarTerm term) {
  bar.column = column;
  bar.term = term;
  bar.name = {std::u16string(Name(term)), kMaroon};
  const std::optional<ClockTime> time = TermTime(year, term);
  bar.timeText = {time ? TermTimeText(*time) : std::u16string(), kNavy};
  ShowTermNotes(bar, term);
}

// A term day fills the next term panel, over the term's column just after
// the day, and warns the day before it: before 立春/立夏/立秋/立冬 of 四絕,
// before the solstices and equinoxes of 四離.
void ShowTermOfDay(MonthAlmanac& out, size_t dayIndex, const DayContext& day, int& barsFilled) {
  if (barsFilled < 2) {
    TermBar& bar = out.termBars[static_cast<size_t>(barsFilled++)];
    FillTermBar(bar, out.columns[dayIndex].column + 1, day.year, *day.term);
  }
  if (dayIndex == 0) return;
  MonthColumn& before = out.columns[dayIndex - 1];
  if (before.kind != ColumnKind::kDay) return;
  AppendWarning(before.record, EveOfTermWarning(*day.term));
  // Its tooltips were set before this warning arrived.
  RefreshTooltips(before);
}

// The titles.

std::u16string GregorianTitle(int year, int month) {
  const std::u16string monthText = MonthSelectorText(month);
  if (year < 1909) return Format(u"光緒 %d 年 %s 月", {year - 1874, monthText});
  if (year == 1909) return Format(u"宣統 元年 %s 月", {monthText});
  if (year == 1910) return Format(u"宣統 2 年 %s 月", {monthText});
  if (year == 1911) return Format(u"宣統 3 年 %s 月", {monthText});
  return Format(u"國曆 %d 年 %s 月", {year - 1911, monthText});
}

std::u16string TitleDate(const LunarDate& d) {
  if (d.leap) return Format(u"%s %d 月 %d 日", {u"閏", d.month, d.day});
  return Format(u"%d 月 %d 日", {d.month, d.day});
}

// The first day's lunar year, the lunar dates of the first and the last day,
// the last day's animal, and the pillar of the lunar month begun in the month
// (else of the last day's month in the first day's year) with its 月煞.
std::u16string LunarTitle(const MonthWalk& walk) {
  const Pillar monthPillar =
      walk.lunarMonthPillar.value_or(MonthPillar(walk.firstLunarYear, walk.lastDate.lunar.month));
  return Format(u"農曆 %s 年 %s 至 %s ，生肖 : %s ，%s 月 ，月煞 : %s",
                {Name(walk.firstLunarYear), TitleDate(walk.firstDate.lunar), TitleDate(walk.lastDate.lunar),
                 Animal(walk.lastLunarYear.branch()), Name(monthPillar), MonthShaDirection(monthPillar)});
}

}  // namespace

MonthAlmanac EvaluateMonth(int year, int month, const YearData& data, MonthTermState& terms) {
  MonthAlmanac out;
  for (size_t i = 0; i < out.columns.size(); ++i) out.columns[i].column = static_cast<int>(i) + 1;
  if (month < 1 || month > 12 || year < kFirstTermYear || year > kLastTermYear) return out;

  out.gregorianTitle = {GregorianTitle(year, month), kBlue};
  terms = FindMonthTerms(year, month);
  LayOutColumns(out, DaysInSolarMonth(year, month), terms);
  out.windowTitle = WindowTitle(terms.firstTerm, terms.secondTerm);

  MonthWalk walk{year, month, terms};
  for (size_t i = 0; i < out.columns.size(); ++i) {
    MonthColumn& column = out.columns[i];
    if (column.kind != ColumnKind::kDay) continue;
    DayContext day;
    if (!StepTo(walk, data, column.day, day)) return out;
    EvaluateDay(day, data, column.record);
    walk.starColour = column.record.nineStarText.colour;
    RefreshTooltips(column);
    if (day.term) ShowTermOfDay(out, i, day, walk.termBarsFilled);
  }

  out.lunarTitle = {LunarTitle(walk), kRed};
  out.proverbLine = {std::u16string(kTermProverbs[static_cast<size_t>(Index(terms.firstTerm) / 2)]), kGreen};
  return out;
}

}  // namespace lunisol
