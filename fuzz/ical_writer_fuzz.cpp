// libFuzzer entry for the iCalendar writer. An input starting with 'y' asks
// for a calendar as lunisol-cli ical does (its next bytes: the first year,
// the span, the parts), which may be refused; any other input is the text of
// two events (their summary and description, one all-day, one at an
// instant; their UIDs are the program's own). Whatever is written must read
// back with libical without an error, event for event, with the same texts
// and times.
#include <libical/ical.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/convert.h"
#include "calendar/text.h"
#include "ical/calendar_events.h"
#include "ical/day_advice.h"
#include "ical/ical_writer.h"

namespace {

using namespace lunisol;

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

// The text as the writer puts it: without the control characters a TEXT
// value may not hold (line breaks and tabs stay), and without the blanks
// that end it, which libical's reader drops.
std::string Expected(std::u16string_view text) {
  std::u16string kept;
  for (const char16_t c : text)
    if (c >= 0x20 ? c != 0x7F : c == u'\n' || c == u'\t') kept += c;
  std::string utf8 = ToUtf8(kept);
  utf8.erase(utf8.find_last_not_of(" \t") + 1);
  return utf8;
}

// Shows both sides before stopping, for the artifact's report.
void CheckSame(const std::string& read, const std::string& written, const char* what) {
  if (read == written) return;
  std::fprintf(stderr, "%s read back as\n[%s]\nwritten as\n[%s]\n", what, read.c_str(), written.c_str());
  __builtin_trap();
}

std::string Text(const char* text) { return text ? text : ""; }

// The time an event starts as written, back in Taiwan's time (UTC+8).
void CheckStart(icalcomponent* v, const CalendarEvent& e) {
  icaltimetype start = icalcomponent_get_dtstart(v);
  if (e.minute < 0) {
    Check(icaltime_is_date(start) && start.year == e.year && start.month == e.month && start.day == e.day);
    return;
  }
  Check(icaltime_is_utc(start));
  icaltime_adjust(&start, 0, 8, 0, 0);
  Check(start.year == e.year && start.month == e.month && start.day == e.day &&
        start.hour * 60 + start.minute == e.minute);
}

// `ics` parses without an error into a calendar holding `events` in order.
void CheckReadsBack(const std::string& ics, const std::vector<CalendarEvent>& events) {
  icalcomponent* calendar = icalparser_parse_string(ics.c_str());
  Check(calendar != nullptr);
  Check(icalcomponent_isa(calendar) == ICAL_VCALENDAR_COMPONENT);
  Check(icalcomponent_count_errors(calendar) == 0);
  size_t n = 0;
  for (icalcomponent* v = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); v;
       v = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT), ++n) {
    Check(n < events.size());
    const CalendarEvent& e = events[n];
    CheckSame(Text(icalcomponent_get_uid(v)), e.uid, "UID");
    CheckSame(Text(icalcomponent_get_summary(v)), Expected(e.summary), "SUMMARY");
    CheckSame(Text(icalcomponent_get_description(v)), Expected(e.description), "DESCRIPTION");
    CheckStart(v, e);
  }
  Check(n == events.size());
  icalcomponent_free(calendar);
}

void RequestedCalendar(const std::uint8_t* data, std::size_t size) {
  const auto byte = [&](std::size_t i) { return i < size ? data[i] : 0; };
  // Years a little outside 1900..2100 and spans that end before they
  // start, which must be refused; one year at most, to keep a run quick.
  CalendarRequest request;
  request.fromYear = 1895 + byte(1) % 215;
  request.toYear = request.fromYear - byte(2) % 2;
  request.parts = {};
  for (int p = 0; p < kCalendarPartCount; ++p)
    if (byte(3) & (1 << p)) request.parts.Add(static_cast<CalendarPart>(p));
  const DayAdviceSource advice = RuleBookAdvice();
  if (byte(4) & 1) request.advice = &advice;
  const std::string ics = MakeICalendar(request);
  if (CheckCalendarRequest(request) != 0) {
    Check(ics.empty());
    return;
  }
  CheckReadsBack(ics, CollectCalendarEvents(request));
}

void EventsOfText(const std::uint8_t* data, std::size_t size) {
  // A text the writer is given is never empty (libical refuses an empty
  // value when reading) and never holds NUL (a C string ends there).
  std::u16string text = u"節" + FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
  text.erase(std::remove(text.begin(), text.end(), u'\0'), text.end());
  std::vector<CalendarEvent> events(2);
  events[0] = {EventKind::kFestival, 2026, 2, 17, -1, "20260217-festival@lunisol", text, text};
  // At 00:00 in Taiwan the first day of the range is still the last day
  // of 1899 in UTC.
  events[1] = {EventKind::kSolarTerm, 1900, 1, 1, size ? data[0] * 7 % 1440 : 0, "term@lunisol", text, u""};
  CheckReadsBack(WriteICalendar(text, events), events);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 0 && data[0] == 'y')
    RequestedCalendar(data, size);
  else
    EventsOfText(data, size);
  return 0;
}
