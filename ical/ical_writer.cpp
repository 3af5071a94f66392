#include "ical/ical_writer.h"

#include <libical/ical.h>

#include <memory>

#include "calendar/text.h"

namespace lunisol {

namespace {

constexpr const char* kProductId = "-//Lunisol//Lunisol 農民曆//ZH-TW";

struct ComponentFree {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype DateValue(int year, int month, int day) {
  icaltimetype t = icaltime_null_date();
  t.year = year;
  t.month = month;
  t.day = day;
  return t;
}

// The UTC instant of a minute of a Taiwan (UTC+8) day.
icaltimetype UtcInstant(const CalendarEvent& e) {
  icaltimetype t = icaltime_null_time();
  t.year = e.year;
  t.month = e.month;
  t.day = e.day;
  t.hour = e.minute / 60;
  t.minute = e.minute % 60;
  icaltime_adjust(&t, 0, -8, 0, 0);
  return icaltime_set_timezone(&t, icaltimezone_get_utc_timezone());
}

// A text as an iCalendar TEXT value may hold it: line breaks (which libical
// escapes) and tabs, but no other control character, which the format
// forbids and readers drop or choke on.
std::string TextValue(std::u16string_view text) {
  std::u16string clean;
  clean.reserve(text.size());
  for (const char16_t c : text)
    if (c >= 0x20 ? c != 0x7F : c == u'\n' || c == u'\t') clean += c;
  return ToUtf8(clean);
}

icalcomponent* EventComponent(const CalendarEvent& e, const icaltimetype& stamp) {
  icalcomponent* v = icalcomponent_new_vevent();
  icalcomponent_add_property(v, icalproperty_new_uid(e.uid.c_str()));
  icalcomponent_add_property(v, icalproperty_new_dtstamp(stamp));
  if (e.minute >= 0) {
    icalcomponent_add_property(v, icalproperty_new_dtstart(UtcInstant(e)));
  } else {
    icaltimetype start = DateValue(e.year, e.month, e.day), end = start;
    icaltime_adjust(&end, 1, 0, 0, 0);
    icalcomponent_add_property(v, icalproperty_new_dtstart(start));
    icalcomponent_add_property(v, icalproperty_new_dtend(end));
  }
  icalcomponent_add_property(v, icalproperty_new_summary(TextValue(e.summary).c_str()));
  if (!e.description.empty())
    icalcomponent_add_property(v, icalproperty_new_description(TextValue(e.description).c_str()));
  icalcomponent_add_property(v, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
  return v;
}

std::string Serialized(icalcomponent* c) {
  char* text = icalcomponent_as_ical_string_r(c);
  std::string out = text ? text : "";
  icalmemory_free_buffer(text);
  return out;
}

void AddCalendarProperties(icalcomponent* cal, std::u16string_view name) {
  const std::string utf8 = TextValue(name);
  icalcomponent_add_property(cal, icalproperty_new_version("2.0"));
  icalcomponent_add_property(cal, icalproperty_new_prodid(kProductId));
  icalcomponent_add_property(cal, icalproperty_new_calscale("GREGORIAN"));
  // NAME is the standard's (RFC 7986); X-WR-CALNAME is what most calendar
  // programs still read.
  icalcomponent_add_property(cal, icalproperty_new_name(utf8.c_str()));
  icalproperty* wr = icalproperty_new_x(utf8.c_str());
  icalproperty_set_x_name(wr, "X-WR-CALNAME");
  icalcomponent_add_property(cal, wr);
}

}  // namespace

std::u16string CalendarName(int fromYear, int toYear) {
  if (fromYear == toYear) return Format(u"Lunisol 農民曆 %d", {fromYear});
  return Format(u"Lunisol 農民曆 %d～%d", {fromYear, toYear});
}

std::string WriteICalendar(std::u16string_view calendarName, const std::vector<CalendarEvent>& events) {
  // libical writes the calendar's own lines and each event; the events are
  // written one at a time between the calendar's head and its END line, so
  // a range of two hundred years never stands in memory as one tree of a
  // hundred thousand components (freeing that tree alone took a third of
  // the time). The bytes are the ones the whole tree would give.
  Component cal(icalcomponent_new_vcalendar());
  AddCalendarProperties(cal.get(), calendarName);
  std::string out = Serialized(cal.get());
  static constexpr std::string_view kEnd = "END:VCALENDAR\r\n";
  const size_t end = out.rfind(kEnd);
  if (end == std::string::npos) return {};
  out.resize(end);
  const std::string revision(kCalendarContentRevision);
  const icaltimetype stamp = icaltime_from_string(revision.c_str());
  for (const CalendarEvent& e : events) {
    const Component event(EventComponent(e, stamp));
    out += Serialized(event.get());
  }
  out += kEnd;
  return out;
}

std::string MakeICalendar(const CalendarRequest& request) {
  if (CheckCalendarRequest(request) != 0) return {};
  return WriteICalendar(CalendarName(request.fromYear, request.toYear), CollectCalendarEvents(request));
}

}  // namespace lunisol
