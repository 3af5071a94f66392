#include "cli/ical_command.h"

#include <cstdio>

#include "cli/json_util.h"
#include "ical/calendar_events.h"
#include "ical/day_advice.h"
#include "ical/ical_writer.h"

namespace lunisol::cli {

namespace {

// The parts named by --include (its reader keeps them as bits of CalendarPart).
CalendarParts PartsOf(int bits) {
  CalendarParts parts;
  for (int i = 0; i < kCalendarPartCount; ++i)
    if (bits & (1 << i)) parts.Add(static_cast<CalendarPart>(i));
  return parts;
}

}  // namespace

int RunIcal(const Args& a, std::ostream& out, std::ostream& err) {
  CalendarRequest request;
  request.fromYear = a.Number("YEAR");
  request.toYear = a.Has("TO_YEAR") ? a.Number("TO_YEAR") : request.fromYear;
  if (a.Has("--include")) request.parts = PartsOf(a.Number("--include"));
  const DayAdviceSource advice = RuleBookAdvice();
  request.advice = &advice;
  const std::string text = MakeICalendar(request);
  if (text.size() > kLargeCalendarBytes) {
    char size[32];
    std::snprintf(size, sizeof size, "%.1f MB", static_cast<double>(text.size()) / 1e6);
    err << "lunisol-cli: ical: warning: the calendar is " << size
        << "; calendar services may drop events from files over 1 MB\n";
  }
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  return 0;
}

}  // namespace lunisol::cli
