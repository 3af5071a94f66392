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
#include "ical/calendar_events.h"

namespace lunisol {
namespace {

constexpr CalendarParts kEveryPart{CalendarPart::kTerms, CalendarPart::kFestivals, CalendarPart::kDeities,
                                   CalendarPart::kLunar, CalendarPart::kPhases};

struct ComponentFree {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Parsed = std::unique_ptr<icalcomponent, ComponentFree>;

Parsed Parse(const std::string& text) { return Parsed(icalparser_parse_string(text.c_str())); }

std::vector<icalcomponent*> Events(icalcomponent* cal) {
  std::vector<icalcomponent*> events;
  for (icalcomponent* c = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); c;
       c = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT))
    events.push_back(c);
  return events;
}

// "lunar" from "20250129-lunar@lunisol", "term" from "2025-term02@lunisol".
std::string KindOfUid(const std::string& uid) {
  const size_t dash = uid.find('-'), at = uid.find('@');
  std::string kind = uid.substr(dash + 1, at - dash - 1);
  return kind.rfind("term", 0) == 0 ? "term" : kind;
}

std::string PropertyText(icalcomponent* c, icalproperty_kind kind) {
  icalproperty* p = icalcomponent_get_first_property(c, kind);
  return p ? icalproperty_get_value_as_string(p) : "";
}

// The parser marks what it could not read with X-LIC-ERROR properties.
int ParseErrors(icalcomponent* c) {
  int errors = icalcomponent_count_properties(c, ICAL_XLICERROR_PROPERTY);
  for (icalcomponent* e : Events(c)) errors += icalcomponent_count_properties(e, ICAL_XLICERROR_PROPERTY);
  return errors;
}

// 2025 holds 365 days, 24 terms, 49 principal phases (12 new, 12 full, 13
// first- and 12 last-quarter moons), 12 Gregorian festivals, 13 of the lunar
// table (臘八 and 除夕 of lunar 2024 among them) and 清明 and 冬至: 27
// festivals on 26 days, since 婦幼節 and 清明 share 4 April.
TEST(ICalWriter, AYearParsesBackWithItsEventsOfEachKind) {
  const Parsed cal = Parse(MakeICalendar({2025, 2025, kEveryPart}));
  ASSERT_TRUE(cal);
  EXPECT_EQ(ParseErrors(cal.get()), 0);
  EXPECT_EQ(PropertyText(cal.get(), ICAL_VERSION_PROPERTY), "2.0");
  EXPECT_EQ(PropertyText(cal.get(), ICAL_NAME_PROPERTY), "Lunisol 農民曆 2025");
  icalproperty* x = icalcomponent_get_first_property(cal.get(), ICAL_X_PROPERTY);
  ASSERT_TRUE(x);
  EXPECT_STREQ(icalproperty_get_x_name(x), "X-WR-CALNAME");
  EXPECT_STREQ(icalproperty_get_x(x), "Lunisol 農民曆 2025");

  std::map<std::string, int> kinds;
  for (icalcomponent* e : Events(cal.get())) ++kinds[KindOfUid(icalcomponent_get_uid(e))];
  const size_t deities = [] {
    size_t n = 0;
    for (const CalendarEvent& e : CollectCalendarEvents({2025, 2025, {CalendarPart::kDeities}}))
      n += !e.summary.empty();
    return n;
  }();
  EXPECT_EQ(
      kinds,
      (std::map<std::string, int>{
          {"lunar", 365}, {"term", 24}, {"phase", 49}, {"festival", 26}, {"deities", static_cast<int>(deities)}}));
  EXPECT_GT(deities, 90u);
  EXPECT_EQ(CalendarName(2025, 2027), u"Lunisol 農民曆 2025～2027");
}

// Each term starts at the core's instant, in UTC, and its title gives the
// Taiwan time; checked for every term of the range.
TEST(ICalWriter, TermInstantsAreTheCoresTermTimes) {
  const Parsed cal = Parse(MakeICalendar({kFirstCalendarYear, kLastCalendarYear, {CalendarPart::kTerms}}));
  ASSERT_TRUE(cal);
  const auto events = Events(cal.get());
  ASSERT_EQ(events.size(), 24u * (kLastCalendarYear - kFirstCalendarYear + 1));
  for (icalcomponent* e : events) {
    icaltimetype t = icalcomponent_get_dtstart(e);
    const std::string uid = icalcomponent_get_uid(e);
    ASSERT_TRUE(icaltime_is_utc(t)) << uid;
    icaltime_adjust(&t, 0, 8, 0, 0);
    const int term = std::stoi(uid.substr(9, 2));
    const int month = term / 2 + 1;
    const TermDays days = TermDaysOfMonth(t.year, month);
    EXPECT_EQ(t.month, month) << uid;
    EXPECT_EQ(t.day, term % 2 ? days.second : days.first) << uid;
    char hhmm[5], title[32];
    std::snprintf(hhmm, sizeof hhmm, "%02d%02d", t.hour, t.minute);
    EXPECT_EQ(hhmm, ToUtf8(SolarTermTime(t.year, term))) << uid;
    std::snprintf(title, sizeof title, " %02d:%02d", t.hour, t.minute);
    EXPECT_EQ(icalcomponent_get_summary(e), ToUtf8(kSolarTermNames[static_cast<size_t>(term)]) + title) << uid;
    EXPECT_EQ(t.second, 0) << uid;
  }
}

// Whole days end on the next day (across a month's, a leap February's and a
// year's end); instants have no end; nothing marks the reader busy.
TEST(ICalWriter, AllDayEventsEndTheNextDayAndNothingIsBusy) {
  const Parsed cal = Parse(MakeICalendar({2023, 2024, kEveryPart}));
  ASSERT_TRUE(cal);
  int allDay = 0;
  for (icalcomponent* e : Events(cal.get())) {
    const std::string uid = icalcomponent_get_uid(e);
    EXPECT_EQ(PropertyText(e, ICAL_TRANSP_PROPERTY), "TRANSPARENT") << uid;
    const icaltimetype start = icalcomponent_get_dtstart(e);
    icalproperty* endProperty = icalcomponent_get_first_property(e, ICAL_DTEND_PROPERTY);
    if (!start.is_date) {
      EXPECT_FALSE(endProperty) << uid;
      continue;
    }
    ++allDay;
    ASSERT_TRUE(endProperty) << uid;
    const icaltimetype end = icalproperty_get_dtend(endProperty);
    EXPECT_TRUE(end.is_date) << uid;
    icaltimetype next = start;
    icaltime_adjust(&next, 1, 0, 0, 0);
    EXPECT_EQ(icaltime_compare_date_only(end, next), 0) << uid << " ends " << icaltime_as_ical_string(end);
    EXPECT_EQ(end.day == 1, start.day == DaysInSolarMonth(start.year, start.month)) << uid;
  }
  EXPECT_GE(allDay, 365 + 366);
}

// The same request gives the same bytes, stamped with the content's revision
// rather than the time of the run.
TEST(ICalWriter, OutputIsReproducible) {
  const CalendarRequest request{2026, 2026, kEveryPart};
  const std::string first = MakeICalendar(request);
  EXPECT_EQ(first, MakeICalendar(request));
  const Parsed cal = Parse(first);
  ASSERT_TRUE(cal);
  for (icalcomponent* e : Events(cal.get()))
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
constexpr Revision kRevisions[] = {{0x7c91be111edefccc, "20261207T000000Z"}};

uint64_t ContentDigest() {
  uint64_t h = 1469598103934665603ull;  // FNV-1a
  auto mix = [&h](std::string_view bytes) {
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    h = (h ^ 0xff) * 1099511628211ull;
  };
  for (const CalendarEvent& e : CollectCalendarEvents({kFirstCalendarYear, kLastCalendarYear, kEveryPart})) {
    mix(e.uid);
    mix(std::to_string(((e.year * 100 + e.month) * 100 + e.day) * 10000 + e.minute));
    mix(ToUtf8(e.summary));
    mix(ToUtf8(e.description));
  }
  return h;
}

TEST(ICalWriter, NewContentCarriesANewRevisionStamp) {
  const Revision& last = kRevisions[std::size(kRevisions) - 1];
  const uint64_t digest = ContentDigest();
  char hex[24];
  std::snprintf(hex, sizeof hex, "0x%016llx", static_cast<unsigned long long>(digest));
  EXPECT_EQ(digest, last.digest) << "the events say something new: append {" << hex << ", <day of the change>}";
  EXPECT_EQ(kCalendarContentRevision, last.stamp);
  for (size_t i = 1; i < std::size(kRevisions); ++i) EXPECT_LT(kRevisions[i - 1].stamp, kRevisions[i].stamp);
}

}  // namespace
}  // namespace lunisol
