// The iCalendar text read back with libical, as a calendar program would.
#include "ical/ical_writer.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "calendar/convert.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "days/almanac_list.h"
#include "days/day_lists.h"
#include "ical/day_advice.h"

namespace lunisol {
namespace {

constexpr CalendarParts kEveryPart{CalendarPart::kTerms, CalendarPart::kFestivals, CalendarPart::kDeities,
                                   CalendarPart::kLunar, CalendarPart::kPhases,    CalendarPart::kYiJi};

// The years with the parts, 宜/忌 by the rule book's lists.
CalendarRequest Request(int from, int to, CalendarParts parts) {
  static const DayAdviceSource advice = RuleBookAdvice();
  return {from, to, parts, &advice};
}

struct ComponentFree {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Parsed = std::unique_ptr<icalcomponent, ComponentFree>;

// The calendar's events; fails the test if libical met anything it could
// not read (it marks that with X-LIC-ERROR properties).
std::vector<icalcomponent*> Events(const Parsed& cal) {
  std::vector<icalcomponent*> events;
  EXPECT_TRUE(cal);
  if (!cal) return events;
  EXPECT_EQ(icalcomponent_count_properties(cal.get(), ICAL_XLICERROR_PROPERTY), 0);
  for (icalcomponent* c = icalcomponent_get_first_component(cal.get(), ICAL_VEVENT_COMPONENT); c;
       c = icalcomponent_get_next_component(cal.get(), ICAL_VEVENT_COMPONENT)) {
    EXPECT_EQ(icalcomponent_count_properties(c, ICAL_XLICERROR_PROPERTY), 0) << icalcomponent_get_uid(c);
    events.push_back(c);
  }
  return events;
}

Parsed Parse(const CalendarRequest& request) { return Parsed(icalparser_parse_string(MakeICalendar(request).c_str())); }

std::string PropertyText(icalcomponent* c, icalproperty_kind kind) {
  icalproperty* p = icalcomponent_get_first_property(c, kind);
  return p ? icalproperty_get_value_as_string(p) : "";
}

// 2025 holds 365 days, 24 terms, 49 principal phases (12 new, 12 full, 13
// first- and 12 last-quarter moons), 12 Gregorian festivals, 13 of the lunar
// table (臘八 and 除夕 of lunar 2024 among them) and 清明 and 冬至: 27
// festivals on 26 days, since 婦幼節 and 清明 share 4 April.
TEST(ICalWriter, AYearParsesBackWithItsEventsOfEachKind) {
  const Parsed cal = Parse(Request(2025, 2025, kEveryPart));
  std::map<std::string, int> kinds;
  for (icalcomponent* e : Events(cal)) {
    const std::string uid = icalcomponent_get_uid(e);  // "20250129-lunar@lunisol", "2025-term02@lunisol"
    const std::string kind = uid.substr(uid.find('-') + 1, uid.find('@') - uid.find('-') - 1);
    ++kinds[kind.substr(0, kind.find_first_of("0123456789"))];
  }
  const int deities = kinds["deities"];
  EXPECT_EQ(kinds, (std::map<std::string, int>{
                       {"lunar", 365}, {"term", 24}, {"phase", 49}, {"festival", 26}, {"deities", deities}}));
  EXPECT_EQ(static_cast<size_t>(deities), CollectCalendarEvents({2025, 2025, {CalendarPart::kDeities}}).size());
  EXPECT_GT(deities, 90);
  EXPECT_EQ(PropertyText(cal.get(), ICAL_VERSION_PROPERTY), "2.0");
  EXPECT_EQ(PropertyText(cal.get(), ICAL_NAME_PROPERTY), "Lunisol 農民曆 2025");
  icalproperty* x = icalcomponent_get_first_property(cal.get(), ICAL_X_PROPERTY);
  ASSERT_TRUE(x);
  EXPECT_EQ(std::string(icalproperty_get_x_name(x)) + ":" + icalproperty_get_x(x), "X-WR-CALNAME:Lunisol 農民曆 2025");
  EXPECT_EQ(ToUtf8(CalendarName(2025, 2027)), "Lunisol 農民曆 2025～2027");
}

// Each term starts at the core's instant, in UTC, and its title gives the
// Taiwan time; checked for every term of the range.
TEST(ICalWriter, TermInstantsAreTheCoresTermTimes) {
  const Parsed cal = Parse({kFirstCalendarYear, kLastCalendarYear, {CalendarPart::kTerms}});
  const auto events = Events(cal);
  ASSERT_EQ(events.size(), 24u * (kLastCalendarYear - kFirstCalendarYear + 1));
  for (icalcomponent* e : events) {
    icaltimetype t = icalcomponent_get_dtstart(e);
    const std::string uid = icalcomponent_get_uid(e);  // "2025-term02@lunisol"
    ASSERT_TRUE(icaltime_is_utc(t)) << uid;
    icaltime_adjust(&t, 0, 8, 0, 0);
    const int term = std::stoi(uid.substr(9, 2)), month = term / 2 + 1;
    const TermDays days = TermDaysOfMonth(t.year, month);
    EXPECT_EQ(t.month * 100 + t.day, month * 100 + (term % 2 ? days.second : days.first)) << uid;
    char hhmm[8];
    std::snprintf(hhmm, sizeof hhmm, "%02d%02d", t.hour, t.minute);
    const std::optional<ClockTime> time = TermTime(t.year, TermAt(term));
    ASSERT_TRUE(time);
    EXPECT_EQ(t.hour * 60 + t.minute, time->hour * 60 + time->minute) << uid;
    std::snprintf(hhmm, sizeof hhmm, " %02d:%02d", t.hour, t.minute);
    EXPECT_EQ(icalcomponent_get_summary(e), ToUtf8(kSolarTermNames[static_cast<size_t>(term)]) + hhmm) << uid;
  }
}

// Whole days end on the next day (across a month's, a leap February's and a
// year's end); instants have no end; nothing marks the reader busy.
TEST(ICalWriter, AllDayEventsEndTheNextDayAndNothingIsBusy) {
  const Parsed cal = Parse(Request(2023, 2024, kEveryPart));
  int allDay = 0;
  for (icalcomponent* e : Events(cal)) {
    const std::string uid = icalcomponent_get_uid(e);
    EXPECT_EQ(PropertyText(e, ICAL_TRANSP_PROPERTY), "TRANSPARENT") << uid;
    const icaltimetype start = icalcomponent_get_dtstart(e);
    icalproperty* end = icalcomponent_get_first_property(e, ICAL_DTEND_PROPERTY);
    EXPECT_EQ(end != nullptr, start.is_date == 1) << uid;
    if (!end || !start.is_date) continue;
    ++allDay;
    icaltimetype next = start;
    icaltime_adjust(&next, 1, 0, 0, 0);
    EXPECT_TRUE(icalproperty_get_dtend(end).is_date) << uid;
    EXPECT_EQ(icaltime_compare(icalproperty_get_dtend(end), next), 0) << uid;
    EXPECT_EQ(next.day == 1, start.day == DaysInSolarMonth(start.year, start.month)) << uid;
  }
  EXPECT_GE(allDay, 365 + 366);
}

// The lunar date's description carries the day's almanac list as the days
// layer gives it (and `lunisol-cli day` prints it as `almanac`): its marks,
// 諸事不宜 on such a day, the 宜 words with 餘事勿取 where the day allows
// nothing else, the 忌 words, then the line naming the rules. 2009 has days
// of every kind.
TEST(ICalWriter, YiJiLinesAreTheAlmanacList) {
  const Parsed cal = Parse(Request(2009, 2009, {CalendarPart::kYiJi}));
  auto words = [](const auto& items, int count) {
    std::string list;
    for (int i = 0; i < count; ++i)
      list += (i ? "、" : "") + ToUtf8(AlmanacWordName(items[static_cast<size_t>(i)].word));
    return list;
  };
  int days = 0, allBad = 0, restBad = 0, marked = 0;
  for (icalcomponent* e : Events(cal)) {
    const icaltimetype t = icalcomponent_get_dtstart(e);
    AlmanacList a;
    BuildAlmanacList(EvaluateDayLists(t.year, t.month, t.day), a);
    std::map<std::string, std::string> lines;  // "宜", "忌", the other lines by their text
    std::string text = icalcomponent_get_description(e), last, first = text.substr(0, text.find('\n'));
    for (size_t at = 0; at <= text.size();) {
      const size_t end = std::min(text.find('\n', at), text.size());
      last = text.substr(at, end - at);
      const bool listed = last.rfind("宜：", 0) == 0 || last.rfind("忌：", 0) == 0;
      lines[listed ? last.substr(0, 3) : last] = listed ? last.substr(6) : "";
      at = end + 1;
    }
    ++days;
    allBad += a.allBad;
    restBad += a.restBad;
    marked += a.marks != 0;
    EXPECT_EQ(last, "依《欽定協紀辨方書》鋪註，參《董公選擇日要覽》與通書") << icalcomponent_get_uid(e);
    EXPECT_EQ(lines.count("諸事不宜"), a.allBad ? 1u : 0u) << icalcomponent_get_uid(e);
    EXPECT_EQ(lines["宜"], words(a.yi, a.yiCount) + (a.restBad ? "、餘事勿取" : "")) << icalcomponent_get_uid(e);
    EXPECT_EQ(lines["忌"], words(a.ji, a.jiCount)) << icalcomponent_get_uid(e);
    for (int m = 0; m < FolkMarkCount(); ++m)
      EXPECT_EQ(first.find(ToUtf8(FolkMarkName(m))) != std::string::npos, ((a.marks >> m) & 1) != 0)
          << icalcomponent_get_uid(e);
  }
  EXPECT_EQ(days, 365);
  EXPECT_GT(allBad, 0);
  EXPECT_GT(restBad, 0);
  EXPECT_GT(marked, 100);
}

// The same request gives the same bytes, stamped with the content's revision
// rather than the time of the run.
// A text with control characters, which a TEXT value may not hold, is
// written without them (its line breaks and tabs kept) and reads back whole.
TEST(ICalWriter, ControlCharactersNeverReachTheFile) {
  CalendarEvent e{EventKind::kFestival, 2026, 2, 17, -1, "20260217-festival@lunisol", u"春\x08節\x7f",
                  u"一\n二\t三\x05"};
  const std::string ics = WriteICalendar(u"名\x1b稱", {e});
  for (const char c : ics)
    EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\r' || c == '\n') << int(c);
  const Parsed cal(icalparser_parse_string(ics.c_str()));
  const std::vector<icalcomponent*> events = Events(cal);
  ASSERT_EQ(events.size(), 1u);
  EXPECT_STREQ(icalcomponent_get_summary(events[0]), "春節");
  EXPECT_STREQ(icalcomponent_get_description(events[0]), "一\n二\t三");
  EXPECT_EQ(PropertyText(cal.get(), ICAL_NAME_PROPERTY), "名稱");
}

TEST(ICalWriter, OutputIsReproducible) {
  const CalendarRequest request = Request(2026, 2026, kEveryPart);
  EXPECT_EQ(MakeICalendar(request), MakeICalendar(request));
  const Parsed cal = Parse(request);
  for (icalcomponent* e : Events(cal))
    EXPECT_EQ(PropertyText(e, ICAL_DTSTAMP_PROPERTY), kCalendarContentRevision) << icalcomponent_get_uid(e);
  EXPECT_TRUE(MakeICalendar({2026, 2101}).empty());
}

// What every event of the range says, digested, with the revision stamp
// each content carried. A calendar program that re-imports a file may keep
// events whose stamp did not move, so new content needs a new, later stamp:
// append {its digest, the day of the change} and set
// kCalendarContentRevision to that day.
struct Revision {
  uint64_t digest;
  std::string_view stamp;
};
constexpr Revision kRevisions[] = {{0xd3e2142711fd6e90, "20261207T000000Z"},
                                   {0xdadc86a3182fcd79, "20261207T140000Z"},
                                   {0x1907e36754cd51ca, "20261207T180000Z"},
                                   {0x421f3b26a10ab2fd, "20261207T200000Z"}};

TEST(ICalWriter, NewContentCarriesANewRevisionStamp) {
  uint64_t h = 1469598103934665603ull;  // FNV-1a
  auto mix = [&h](std::string_view bytes) {
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    h = (h ^ 0xff) * 1099511628211ull;
  };
  for (const CalendarEvent& e : CollectCalendarEvents(Request(kFirstCalendarYear, kLastCalendarYear, kEveryPart))) {
    mix(e.uid);
    mix(std::to_string((e.year * 100 + e.month) * 100 + e.day));
    mix(std::to_string(e.minute));
    mix(ToUtf8(e.summary));
    mix(ToUtf8(e.description));
  }
  const Revision& last = kRevisions[std::size(kRevisions) - 1];
  char hex[24];
  std::snprintf(hex, sizeof hex, "0x%016llx", static_cast<unsigned long long>(h));
  EXPECT_EQ(h, last.digest) << "the events say something new: append {" << hex << ", <day of the change>}";
  EXPECT_EQ(kCalendarContentRevision, last.stamp);
  for (size_t i = 1; i < std::size(kRevisions); ++i) EXPECT_LT(kRevisions[i - 1].stamp, kRevisions[i].stamp);
}

}  // namespace
}  // namespace lunisol
