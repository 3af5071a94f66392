// What the calendar's events say and on which days: against the page's own
// notes, across the parts a reader may pick, and through a leap month.
#include "ical/calendar_events.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "almanac/month.h"
#include "almanac/tables.h"
#include "almanac/year_data.h"
#include "calendar/text.h"
#include "ical/tables.h"
#include "tests/text_checks.h"

namespace lunisol {
namespace {

using text_checks::Split;

constexpr CalendarParts kEveryPart{CalendarPart::kTerms, CalendarPart::kFestivals, CalendarPart::kDeities,
                                   CalendarPart::kLunar, CalendarPart::kPhases};

int DayKey(int y, int m, int d) { return (y * 100 + m) * 100 + d; }
int DayKey(const CalendarEvent& e) { return DayKey(e.year, e.month, e.day); }

std::vector<CalendarEvent> Collect(int from, int to, CalendarParts parts, const DayAdviceSource* advice = nullptr) {
  return CollectCalendarEvents({from, to, parts, advice});
}

// The occasions of each day's festival and deities events, as a set per day.
std::map<int, std::multiset<std::u16string>> OccasionsByDay(const std::vector<CalendarEvent>& events) {
  std::map<int, std::multiset<std::u16string>> days;
  for (const CalendarEvent& e : events)
    for (std::u16string_view o : Split(e.summary, u"，")) days[DayKey(e)].insert(std::u16string(o));
  return days;
}

// The occasions of the page's festival tables, less the rows that hold only
// a vow: what the page's notes may show that a calendar carries (the notes
// also mark days such as 天赦日, which are no occasions).
std::set<std::u16string_view> TableOccasions() {
  std::set<std::u16string_view> occasions;
  for (std::u16string_view entry : kLunarFestivals) {
    bool vowOnly = false;
    for (std::u16string_view key : kLunarVowDays) vowOnly |= entry.substr(0, 4) == key;
    if (!vowOnly)
      for (std::u16string_view o : Split(entry.substr(4), u" ，")) occasions.insert(o);
  }
  for (std::u16string_view entry : kSolarFestivals) occasions.insert(entry.substr(4));
  return occasions;
}

// Every occasion the page shows in a day's notes is in that day's festival
// or deities event, and nothing else is; 清明 and 冬至 are festivals on their
// terms. 2025 has a leap month; lunar 2025 ends on a 29th (2026-02-16, which
// the page shows as 華嚴菩薩聖誕 and 除夕).
TEST(CalendarEvents, FestivalsAndDeitiesFallOnTheDaysThePageShowsThem) {
  const auto occasions = TableOccasions();
  std::map<int, std::multiset<std::u16string>> expected;
  for (int y = 2025; y <= 2026; ++y)
    for (int m = 1; m <= 12; ++m) {
      YearData data;
      OnYearChosen(data, y, m);
      MonthTermState terms;
      for (const MonthColumn& c : EvaluateMonth(y, m, data, terms).columns) {
        if (c.kind != ColumnKind::kDay) continue;
        std::multiset<std::u16string> day;
        for (const std::u16string* note : {&c.record.noteA.text, &c.record.noteB.text})
          for (std::u16string_view o : Split(*note, u" ，")) {
            // A lunar month's first day opens note A with "農曆 9 月戊戌",
            // run together with what follows.
            if (o.substr(0, 2) == u"農曆") o.remove_prefix(std::min(o.size(), o.find(u'月') + 3));
            if (occasions.count(o)) day.insert(std::u16string(o));
            if (o == u"清明") day.insert(u"清明節");
            if (o == u"冬至") day.insert(u"冬至");
          }
        if (!day.empty()) expected[DayKey(y, m, c.day)] = day;
      }
    }
  auto actual = OccasionsByDay(Collect(2025, 2026, {CalendarPart::kFestivals, CalendarPart::kDeities}));
  auto text = [](const std::multiset<std::u16string>& day) {
    std::string t;
    for (const std::u16string& o : day) t += ToUtf8(o) + " ";
    return t;
  };
  for (const auto& [day, page] : expected)
    if (actual[day] != page) ADD_FAILURE() << day << ": events " << text(actual[day]) << "| page " << text(page);
  for (const auto& [day, events] : actual)
    if (!events.empty() && !expected.count(day)) ADD_FAILURE() << day << ": events " << text(events) << "| page none";
  EXPECT_EQ(actual[DayKey(2026, 2, 16)], (std::multiset<std::u16string>{u"華嚴菩薩聖誕", u"除夕"}));
}

// An occasion is in the festival event exactly when it is a festival: one
// of the Gregorian table, of the festivals kept on a term, or of the lunar
// table's festivals.
TEST(CalendarEvents, FestivalsAndDeitiesAreKeptApart) {
  std::set<std::u16string_view> festivals(kLunarTableFestivals.begin(), kLunarTableFestivals.end());
  for (std::u16string_view f : kSolarFestivals) festivals.insert(f.substr(4));
  for (const TermFestival& f : kTermFestivals) festivals.insert(f.name);
  for (const CalendarEvent& e : Collect(2024, 2026, {CalendarPart::kFestivals, CalendarPart::kDeities}))
    for (std::u16string_view o : Split(e.summary, u"，"))
      EXPECT_EQ(festivals.count(o) == 1, e.kind == EventKind::kFestival) << ToUtf8(e.summary);
}

// The festival list names occasions the page's table really has, and every
// occasion the table calls a 節 is on it (a new one must be sorted).
TEST(CalendarEvents, FestivalListMatchesThePagesTable) {
  std::set<std::u16string_view> occasions;
  for (std::u16string_view entry : kLunarFestivals)
    for (std::u16string_view o : Split(entry.substr(4), u" ，")) occasions.insert(o);
  const std::set<std::u16string_view> listed(kLunarTableFestivals.begin(), kLunarTableFestivals.end());
  for (std::u16string_view f : listed) EXPECT_TRUE(occasions.count(f)) << ToUtf8(f);
  for (std::u16string_view o : occasions)
    if (o.back() == u'節') {
      EXPECT_TRUE(listed.count(o)) << ToUtf8(o);
    }
}

// Each event is the same whether it comes alone, with every other part or
// inside a longer range of years, so a re-import updates it in place.
TEST(CalendarEvents, AnEventReadsTheSameWhicheverPartsAndYearsAreAsked) {
  const auto all = Collect(2024, 2026, kEveryPart);
  std::map<std::string, const CalendarEvent*> byUid;
  for (const CalendarEvent& e : all) EXPECT_TRUE(byUid.emplace(e.uid, &e).second) << "repeated UID " << e.uid;
  size_t alone = 0;
  for (int p = 0; p < kCalendarPartCount; ++p) {
    if (static_cast<CalendarPart>(p) == CalendarPart::kYiJi) continue;
    for (const CalendarEvent& e : Collect(2025, 2025, {static_cast<CalendarPart>(p)})) {
      ++alone;
      const auto it = byUid.find(e.uid);
      ASSERT_NE(it, byUid.end()) << e.uid;
      const CalendarEvent& w = *it->second;
      EXPECT_EQ(e.kind, w.kind) << e.uid;
      EXPECT_EQ(DayKey(e), DayKey(w)) << e.uid;
      EXPECT_EQ(e.minute, w.minute) << e.uid;
      EXPECT_EQ(ToUtf8(e.summary), ToUtf8(w.summary)) << e.uid;
      EXPECT_EQ(ToUtf8(e.description), ToUtf8(w.description)) << e.uid;
    }
  }
  size_t in2025 = 0;
  for (const CalendarEvent& e : all) in2025 += e.year == 2025;
  EXPECT_EQ(alone, in2025);
}

TEST(CalendarEvents, UidsAreUniqueOverTheWholeRange) {
  std::set<std::string> uids;
  for (const CalendarEvent& e : Collect(kFirstCalendarYear, kLastCalendarYear, kEveryPart))
    EXPECT_TRUE(uids.insert(e.uid).second) << "repeated UID " << e.uid;
}

// Lunar 2025 has a leap sixth month of 29 days, 2025-07-25 to 2025-08-22.
TEST(CalendarEvents, LeapMonthDatesCarryRun) {
  std::vector<std::string> leap;
  for (const CalendarEvent& e : Collect(2025, 2025, {CalendarPart::kLunar}))
    if (e.summary.find(u'閏') != std::u16string::npos) leap.push_back(ToUtf8(e.summary) + " " + e.uid);
  ASSERT_EQ(leap.size(), 29u);
  EXPECT_EQ(leap.front(), "閏六月初一 20250725-lunar@lunisol");
  EXPECT_EQ(leap.back(), "閏六月廿九 20250822-lunar@lunisol");
  EXPECT_EQ(ToUtf8(LunarDateName(1, 1)), "正月初一");
  EXPECT_EQ(ToUtf8(LunarDateName(11, 20)), "十一月二十");
  EXPECT_EQ(ToUtf8(LunarDateName(-4, 30)), "閏四月三十");
}

// 宜/忌 ride on the lunar-date event as description lines ending with the
// rule set's line, and asking for them brings the lunar dates along.
TEST(CalendarEvents, DayAdviceBecomesLinesOfTheLunarDate) {
  const DayAdviceSource advice{u"依某書鋪註", [](int y, int m, int d) {
                                 if (d == 13) return DayAdvice{{}, {u"諸事"}, true};
                                 return DayAdvice{{u"祭祀", u"出行"}, {u"安葬"}, false};
                               }};
  const auto events = Collect(2026, 2026, {CalendarPart::kYiJi}, &advice);
  ASSERT_EQ(events.size(), 365u);
  for (const CalendarEvent& e : events) {
    ASSERT_EQ(e.kind, EventKind::kLunarDate);
    const std::string expected =
        e.day == 13 ? "諸事不宜\n忌：諸事\n依某書鋪註" : "宜：祭祀、出行\n忌：安葬\n依某書鋪註";
    EXPECT_EQ(ToUtf8(e.description), expected) << e.uid;
  }
  EXPECT_EQ(CheckCalendarRequest({2026, 2026, {CalendarPart::kYiJi}, nullptr}), kNoDayAdvice);
  EXPECT_TRUE(Collect(2026, 2026, {CalendarPart::kYiJi}).empty());
}

TEST(CalendarEvents, YearsOutsideTheRangeAreRefused) {
  EXPECT_EQ(CheckCalendarRequest({1899, 1900}), kBadCalendarYears);
  EXPECT_EQ(CheckCalendarRequest({2100, 2101}), kBadCalendarYears);
  EXPECT_EQ(CheckCalendarRequest({2027, 2026}), kBadCalendarYears);
  EXPECT_EQ(CheckCalendarRequest({1900, 2100, kEveryPart}), 0);
  EXPECT_TRUE(Collect(2101, 2101, kEveryPart).empty());
}

}  // namespace
}  // namespace lunisol
