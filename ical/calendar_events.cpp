#include "ical/calendar_events.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "almanac/festivals.h"
#include "almanac/lunar_date_names.h"
#include "almanac/tables.h"
#include "calendar/convert.h"
#include "calendar/moon_phases.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "ical/tables.h"

namespace lunisol {

namespace {

constexpr std::array<std::string_view, kCalendarPartCount> kPartNames{"terms", "festivals", "deities",
                                                                      "lunar", "phases",    "yiji"};

// Occasions inside one event are joined with a full-width comma; the page's
// blank before it only spaces its narrow cells.
constexpr std::u16string_view kJoin = u"，";

void Append(std::u16string& list, std::u16string_view item) {
  if (!list.empty()) list += kJoin;
  list += item;
}

// "20260217-lunar@lunisol": a day-keyed UID, one suffix per kind of event.
std::string DayUid(int year, int month, int day, const char* kind) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d-%s@lunisol", year, month, day, kind);
  return buf;
}

CalendarEvent DayEvent(EventKind kind, int year, int month, int day, const char* uidKind, std::u16string summary) {
  CalendarEvent e;
  e.kind = kind;
  e.year = year;
  e.month = month;
  e.day = day;
  e.uid = DayUid(year, month, day, uidKind);
  e.summary = std::move(summary);
  return e;
}

// "16:10" from a minute of the day.
std::u16string ClockText(int minute) { return Format(u"%02d:%02d", {minute / 60, minute % 60}); }

bool IsLunarYearEnd(int year, int month, int day) {
  // The eve of the new year is the day whose next day is 正月初一.
  if (++day > DaysInSolarMonth(year, month)) {
    day = 1;
    if (++month > 12) {
      month = 1;
      ++year;
    }
  }
  CalendarDate next;
  return SolarToLunar(year, month, day, next) > 0 && next.lunar == LunarDate{next.lunar.year, 1, false, 1};
}

// The lunar date and the weekday of a Gregorian day into `out`, left at 0
// for a day the calendar does not hold.
void SetDates(int year, int month, int day, CalendarDay& out) {
  CalendarDate date;
  if (SolarToLunar(year, month, day, date) <= 0) return;
  out.lunar = date.lunar;
  out.weekday = date.weekday;
}

bool IsVowOnlyDay(const LunarDate& date) {
  if (date.leap || date.month <= 0) return false;
  const std::u16string key = Format(u"%02d%02d", {date.month, date.day});
  return std::find(kLunarVowDays.begin(), kLunarVowDays.end(), key) != kLunarVowDays.end();
}

bool IsLunarTableFestival(std::u16string_view occasion) {
  return std::find(kLunarTableFestivals.begin(), kLunarTableFestivals.end(), occasion) != kLunarTableFestivals.end();
}

// What the page shows in a day's lunar note, sorted into festivals and the
// rest. A row holding only one of the almanac's vows is not an observance of
// its day, so such a day keeps nothing but a 除夕 it may also be.
void SortLunarOccasions(const LunarDate& lunar, bool yearEnd, CalendarDay& out) {
  // Month 0 matches no row of the table, which leaves only the eve.
  const bool vowOnly = IsVowOnlyDay(lunar);
  const std::optional<std::u16string> text = LunarFestival(vowOnly ? LunarDate{} : lunar, yearEnd);
  if (!text) return;
  static constexpr std::u16string_view kSeparator = u" ，";
  std::u16string_view rest = *text;
  for (;;) {
    const size_t at = rest.find(kSeparator);
    const std::u16string_view occasion = rest.substr(0, at);
    if (!occasion.empty()) (IsLunarTableFestival(occasion) ? out.festivals : out.deities).emplace_back(occasion);
    if (at == std::u16string_view::npos) break;
    rest = rest.substr(at + kSeparator.size());
  }
}

// The day's occasions, with the term and the lunar date already in `out`.
void AddOccasions(int year, int month, int day, CalendarDay& out) {
  if (auto solar = SolarFestival(year, month, day)) out.festivals.emplace_back(*solar);
  const int term = out.term ? Index(*out.term) : -1;
  for (const TermFestival& f : kTermFestivals)
    if (f.term == term) out.festivals.emplace_back(f.name);
  const bool yearEnd = out.lunar.day >= 29 && IsLunarYearEnd(year, month, day);
  SortLunarOccasions(out.lunar, yearEnd, out);
}

std::u16string Joined(const std::vector<std::u16string>& items) {
  std::u16string text;
  for (const std::u16string& item : items) Append(text, item);
  return text;
}

// The day's marks ("楊公忌　月忌"), "諸事不宜" on such a day, "宜：a、b" (with
// "、餘事勿取" on a day that allows nothing else), "忌：c、d" (each when it has
// items) and the rule set's line, one a line.
std::u16string AdviceLines(const DayAdviceSource& source, int year, int month, int day) {
  const DayAdvice advice = source.ofDay(year, month, day);
  std::u16string lines;
  auto line = [&lines](std::u16string_view text) {
    if (text.empty()) return;
    if (!lines.empty()) lines += u'\n';
    lines += text;
  };
  auto list = [](std::u16string_view head, const std::vector<std::u16string>& items) {
    std::u16string text = items.empty() ? u"" : std::u16string(head);
    for (size_t i = 0; i < items.size(); ++i) text += (i ? u"、" : u"") + items[i];
    return text;
  };
  std::u16string marks;
  for (const std::u16string& m : advice.marks) marks += (marks.empty() ? u"" : u"　") + m;
  line(marks);
  if (advice.allBad) line(u"諸事不宜");
  line(list(u"宜：", advice.yi) + (advice.restBad && !advice.yi.empty() ? u"、餘事勿取" : u""));
  line(list(u"忌：", advice.ji));
  line(source.ruleSetLine);
  return lines;
}

// What one day of the walk knows.
struct Day {
  int year = 0;
  int month = 0;
  int day = 0;
  CalendarDay facts;  // its occasions only when festivals or deities are asked for
};

struct Wants {
  bool lunar, festivals, deities, terms, phases;
  const DayAdviceSource* advice;  // non-null when the lunar dates carry 宜/忌
};

void AddAllDayEvents(const Wants& w, const Day& d, std::vector<CalendarEvent>& out) {
  if (w.lunar) {
    out.push_back(DayEvent(EventKind::kLunarDate, d.year, d.month, d.day, "lunar", LunarDateName(d.facts.lunar)));
    if (w.advice) out.back().description = AdviceLines(*w.advice, d.year, d.month, d.day);
  }
  if (w.festivals && !d.facts.festivals.empty())
    out.push_back(DayEvent(EventKind::kFestival, d.year, d.month, d.day, "festival", Joined(d.facts.festivals)));
  if (w.deities && !d.facts.deities.empty())
    out.push_back(DayEvent(EventKind::kDeities, d.year, d.month, d.day, "deities", Joined(d.facts.deities)));
}

CalendarEvent TermEvent(const Day& d, SolarTerm term) {
  const std::optional<ClockTime> time = TermTime(d.year, term);
  const int minute = time ? time->hour * 60 + time->minute : 0;
  const std::u16string_view name = kSolarTermNames[static_cast<size_t>(Index(term))];
  CalendarEvent e = DayEvent(EventKind::kSolarTerm, d.year, d.month, d.day, "term", std::u16string(name));
  // A term comes once a year, so its UID names the year and the term: a
  // revised instant then moves the event instead of adding one.
  char uid[40];
  std::snprintf(uid, sizeof uid, "%04d-term%02d@lunisol", d.year, Index(term));
  e.uid = uid;
  e.minute = minute;
  e.summary += u" " + ClockText(minute);
  e.description = std::u16string(kSolarTermDescriptions[static_cast<size_t>(Index(term))]);
  return e;
}

CalendarEvent PhaseEvent(const Day& d, const MoonPhaseEvent& m) {
  const int minute = m.time.hour * 60 + m.time.minute;
  const std::u16string summary =
      std::u16string(kMoonPhaseNames[static_cast<size_t>(Index(m.phase))]) + u" " + ClockText(minute);
  CalendarEvent e = DayEvent(EventKind::kMoonPhase, d.year, d.month, d.day, "phase", summary);
  e.minute = minute;
  return e;
}

void AddTimedEvents(const Wants& w, const Day& d, const MonthMoonPhases& phases, std::vector<CalendarEvent>& out) {
  const size_t first = out.size();
  if (w.terms && d.facts.term) out.push_back(TermEvent(d, *d.facts.term));
  if (w.phases)
    for (int i = 0; i < phases.count; ++i)
      if (phases.moments[static_cast<size_t>(i)].day == d.day)
        out.push_back(PhaseEvent(d, phases.moments[static_cast<size_t>(i)]));
  std::stable_sort(out.begin() + static_cast<std::ptrdiff_t>(first), out.end(),
                   [](const CalendarEvent& a, const CalendarEvent& b) { return a.minute < b.minute; });
}

std::optional<SolarTerm> TermOnDay(const TermDays& termDays, int month, int day) {
  if (day == termDays.first) return TermAt(2 * month - 2);
  if (day == termDays.second) return TermAt(2 * month - 1);
  return std::nullopt;
}

void CollectMonth(const Wants& w, int year, int month, std::vector<CalendarEvent>& out) {
  const TermDays termDays = TermDaysOfMonth(year, month);
  const MonthMoonPhases phases = w.phases ? MoonPhasesOfMonth(year, month) : MonthMoonPhases{};
  const int days = DaysInSolarMonth(year, month);
  for (int day = 1; day <= days; ++day) {
    Day d{year, month, day, {}};
    d.facts.term = TermOnDay(termDays, month, day);
    if (w.lunar || w.festivals || w.deities) SetDates(year, month, day, d.facts);
    if (w.festivals || w.deities) AddOccasions(year, month, day, d.facts);
    AddAllDayEvents(w, d, out);
    AddTimedEvents(w, d, phases, out);
  }
}

}  // namespace

std::string_view CalendarPartName(CalendarPart part) { return kPartNames[static_cast<size_t>(part)]; }

std::optional<CalendarPart> CalendarPartFromName(std::string_view name) {
  for (size_t i = 0; i < kPartNames.size(); ++i)
    if (kPartNames[i] == name) return static_cast<CalendarPart>(i);
  return std::nullopt;
}

CalendarDay CalendarDayOf(int year, int month, int day) {
  CalendarDay d;
  if (year < kFirstCalendarYear || year > kLastCalendarYear || month < 1 || month > 12 || day < 1 ||
      day > DaysInSolarMonth(year, month))
    return d;
  d.term = TermOnDay(TermDaysOfMonth(year, month), month, day);
  SetDates(year, month, day, d);
  AddOccasions(year, month, day, d);
  return d;
}

int CheckCalendarRequest(const CalendarRequest& r) {
  if (r.fromYear < kFirstCalendarYear || r.toYear > kLastCalendarYear || r.toYear < r.fromYear)
    return kBadCalendarYears;
  if (r.parts.Has(CalendarPart::kYiJi) && (!r.advice || !r.advice->ofDay)) return kNoDayAdvice;
  return 0;
}

std::vector<CalendarEvent> CollectCalendarEvents(const CalendarRequest& r) {
  std::vector<CalendarEvent> out;
  if (CheckCalendarRequest(r) != 0) return out;
  const bool yiji = r.parts.Has(CalendarPart::kYiJi);
  const Wants w{r.parts.Has(CalendarPart::kLunar) || yiji, r.parts.Has(CalendarPart::kFestivals),
                r.parts.Has(CalendarPart::kDeities),       r.parts.Has(CalendarPart::kTerms),
                r.parts.Has(CalendarPart::kPhases),        yiji ? r.advice : nullptr};
  for (int year = r.fromYear; year <= r.toYear; ++year)
    for (int month = 1; month <= 12; ++month) CollectMonth(w, year, month, out);
  return out;
}

}  // namespace lunisol
