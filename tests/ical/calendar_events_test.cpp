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
using DayOccasions = std::map<int, std::multiset<std::string>>;  // "festival 春節" by yyyymmdd

constexpr CalendarParts kEveryPart{CalendarPart::kTerms, CalendarPart::kFestivals, CalendarPart::kDeities,
                                   CalendarPart::kLunar, CalendarPart::kPhases};

std::vector<CalendarEvent> Collect(int from, int to, CalendarParts parts, const DayAdviceSource* advice = nullptr) {
  return CollectCalendarEvents({from, to, parts, advice});
}

// What the page's notes of 2025 and 2026 show from the festival tables, each
// occasion under the part it belongs to. The notes also mark days such as
// 天赦日, which are no occasions, and rows holding only a vow are none either.
DayOccasions PageOccasions() {
  std::set<std::u16string_view> festivals(kLunarTableFestivals.begin(), kLunarTableFestivals.end()), others;
  for (const SolarFestivalRow& row : kSolarFestivals) festivals.insert(row.name);
  for (std::u16string_view entry : kLunarFestivals)
    if (std::find(kLunarVowDays.begin(), kLunarVowDays.end(), entry.substr(0, 4)) == kLunarVowDays.end())
      for (std::u16string_view o : Split(entry.substr(4), u" ，")) others.insert(o);
  DayOccasions page;
  for (int y = 2025; y <= 2026; ++y)
    for (int m = 1; m <= 12; ++m) {
      YearData data;
      LoadYearData(data, y);
      MonthTermState terms;
      for (const MonthColumn& c : EvaluateMonth(y, m, data, terms).columns) {
        if (c.kind != ColumnKind::kDay) continue;
        const int day = (y * 100 + m) * 100 + c.day;
        for (const std::u16string* note : {&c.record.noteA.text, &c.record.noteB.text})
          for (std::u16string_view o : Split(*note, u" ，")) {
            // A lunar month's first day opens note A with "農曆 9 月戊戌",
            // run together with what follows.
            if (o.substr(0, 2) == u"農曆") o.remove_prefix(std::min(o.size(), o.find(u'月') + 3));
            if (o == u"清明" || o == u"冬至") page[day].insert("festival " + ToUtf8(o == u"清明" ? u"清明節" : o));
            if (festivals.count(o))
              page[day].insert("festival " + ToUtf8(o));
            else if (others.count(o))
              page[day].insert("deities " + ToUtf8(o));
          }
      }
    }
  return page;
}

std::string Text(const std::multiset<std::string>& occasions) {
  std::string text;
  for (const std::string& o : occasions) text += o + "; ";
  return text;
}

// Every occasion the page shows on a day is in that day's festival or
// deities event, as the festival list sorts it, and nothing else is. 2025 has
// a leap month; lunar 2025 ends on a 29th, 2026-02-16, which shows both
// 華嚴菩薩聖誕 and 除夕.
TEST(CalendarEvents, FestivalsAndDeitiesFallOnTheDaysThePageShowsThem) {
  DayOccasions page = PageOccasions(), events;
  for (const CalendarEvent& e : Collect(2025, 2026, {CalendarPart::kFestivals, CalendarPart::kDeities}))
    for (std::u16string_view o : Split(e.summary, u"，"))
      events[(e.year * 100 + e.month) * 100 + e.day].insert(
          (e.kind == EventKind::kFestival ? "festival " : "deities ") + ToUtf8(o));
  for (const auto& [day, occasions] : page)
    EXPECT_TRUE(events[day] == occasions) << day << ": events " << Text(events[day]) << "| page " << Text(occasions);
  for (const auto& [day, occasions] : events)
    EXPECT_TRUE(page.count(day)) << day << ": events " << Text(occasions) << "| page none";
  EXPECT_EQ(Text(events[20260216]), "deities 華嚴菩薩聖誕; festival 除夕; ");
}

// The calendar file follows the page's table: 國慶日 from 1912, the 4 April
// observance under the name of its years.
TEST(CalendarEvents, ObservancesFromTheYearTheyWereFirstKept) {
  std::map<int, std::string> festivals;
  for (const CalendarEvent& e : Collect(1911, 2011, {CalendarPart::kFestivals}))
    festivals[(e.year * 100 + e.month) * 100 + e.day] = ToUtf8(e.summary);
  EXPECT_FALSE(festivals.count(19111010));
  EXPECT_EQ(festivals[19121010], "國慶日");
  EXPECT_FALSE(festivals.count(19310404));
  EXPECT_EQ(festivals[19320404], "兒童節");
  EXPECT_EQ(festivals[19910404], "婦幼節");
  EXPECT_EQ(festivals[20110404], "兒童節");
}

// The festival list names occasions the page's table really has, and every
// occasion the table calls a 節 is on it (a new one must be sorted).
TEST(CalendarEvents, FestivalListMatchesThePagesTable) {
  std::set<std::u16string_view> occasions;
  for (std::u16string_view entry : kLunarFestivals)
    for (std::u16string_view o : Split(entry.substr(4), u" ，")) occasions.insert(o);
  const std::set<std::u16string_view> listed(kLunarTableFestivals.begin(), kLunarTableFestivals.end());
  for (std::u16string_view f : listed) EXPECT_TRUE(occasions.count(f)) << ToUtf8(f);
  for (std::u16string_view o : occasions) EXPECT_TRUE(o.back() != u'節' || listed.count(o)) << ToUtf8(o);
}

// Each event is the same whether it comes alone, with every other part or
// inside a longer range of years, so a re-import updates it in place.
TEST(CalendarEvents, AnEventReadsTheSameWhicheverPartsAndYearsAreAsked) {
  auto key = [](const CalendarEvent& e) {
    return std::to_string(static_cast<int>(e.kind)) + " " + std::to_string((e.year * 100 + e.month) * 100 + e.day) +
           " " + std::to_string(e.minute) + " " + ToUtf8(e.summary) + " " + ToUtf8(e.description);
  };
  std::map<std::string, std::string> wide, alone;
  for (const CalendarEvent& e : Collect(2024, 2026, kEveryPart))
    if (e.year == 2025) wide[e.uid] = key(e);
  for (int p = 0; p < kCalendarPartCount; ++p)
    if (static_cast<CalendarPart>(p) != CalendarPart::kYiJi)
      for (const CalendarEvent& e : Collect(2025, 2025, {static_cast<CalendarPart>(p)})) alone[e.uid] = key(e);
  EXPECT_EQ(alone, wide);
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
}

// 宜/忌 ride on the lunar-date event as description lines ending with the
// rule set's line, and asking for them brings the lunar dates along; without
// a rule set, or outside 1900..2100, a request is refused.
TEST(CalendarEvents, DayAdviceBecomesLinesOfTheLunarDate) {
  const DayAdviceSource advice{u"依某書鋪註", [](int, int, int d) {
                                 if (d == 13) return DayAdvice{{u"祭祀"}, {}, true, false, {u"楊公忌"}};
                                 if (d == 14) return DayAdvice{{u"沐浴"}, {u"嫁娶"}, false, true, {u"月忌", u"紅紗"}};
                                 return DayAdvice{{u"祭祀", u"出行"}, {u"安葬"}, false};
                               }};
  const auto events = Collect(2026, 2026, {CalendarPart::kYiJi}, &advice);
  ASSERT_EQ(events.size(), 365u);
  for (const CalendarEvent& e : events)
    EXPECT_EQ(ToUtf8(e.description), e.day == 13 ? "楊公忌\n諸事不宜\n宜：祭祀\n依某書鋪註"
                                     : e.day == 14 ? "月忌　紅紗\n宜：沐浴、餘事勿取\n忌：嫁娶\n依某書鋪註"
                                                   : "宜：祭祀、出行\n忌：安葬\n依某書鋪註")
        << e.uid;
  EXPECT_EQ(CheckCalendarRequest({2026, 2026, {CalendarPart::kYiJi}}), kNoDayAdvice);
  EXPECT_TRUE(Collect(2026, 2026, {CalendarPart::kYiJi}).empty());
  EXPECT_EQ(CheckCalendarRequest({1899, 1900}), kBadCalendarYears);
  EXPECT_EQ(CheckCalendarRequest({2100, 2101}), kBadCalendarYears);
  EXPECT_EQ(CheckCalendarRequest({2027, 2026}), kBadCalendarYears);
}

}  // namespace
}  // namespace lunisol
