// The almanac's events as an iCalendar (RFC 5545) file for calendar programs,
// built and serialized by libical.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ical/calendar_events.h"

namespace lunisol {

// When the calendar's content last changed, in UTC: the DTSTAMP of every
// event, so the same content always gives the same bytes and a newer stamp
// tells a calendar program that re-imports the file that events were
// revised. Set it to the day of the change whenever what the events say
// changes (the ical tests hold a digest of the content that says when).
inline constexpr std::string_view kCalendarContentRevision = "20261207T200000Z";

// Calendar services such as Google Calendar drop what lies past about 1 MB
// of an imported or subscribed file, so a larger file is worth a warning.
inline constexpr size_t kLargeCalendarBytes = 1'000'000;

// "Lunisol 農民曆 2026", or "Lunisol 農民曆 2025～2027" for several years.
std::u16string CalendarName(int fromYear, int toYear);

// One VCALENDAR holding the events, as UTF-8 text with CRLF line ends.
// Timed events start at their UTC instant and take no time; the others fill
// their day (DTSTART;VALUE=DATE and the next day as DTEND). All are
// transparent, so they never mark the reader as busy.
std::string WriteICalendar(std::u16string_view calendarName, const std::vector<CalendarEvent>& events);

// Collects the request's events and writes them under CalendarName; empty
// when CheckCalendarRequest refuses the request.
std::string MakeICalendar(const CalendarRequest& request);

}  // namespace lunisol
