#include "cli/ical_command.h"

#include <cstdio>

#include "cli/json_util.h"
#include "ical/calendar_events.h"
#include "ical/day_advice.h"
#include "ical/ical_writer.h"

namespace lunisol::cli {

namespace {

std::string PartList(const char* separator) {
  std::string names;
  for (int i = 0; i < kCalendarPartCount; ++i)
    names += (i ? separator : "") + std::string(CalendarPartName(static_cast<CalendarPart>(i)));
  return names;
}

// "lunar,terms": each name once or more, at least one; the name that is not
// a part otherwise.
std::optional<std::string> ParseParts(std::string_view list, CalendarParts& parts) {
  parts = {};
  for (;;) {
    const size_t comma = list.find(',');
    const std::string_view name = list.substr(0, comma);
    const auto part = CalendarPartFromName(name);
    if (!part) return std::string(name);
    parts.Add(*part);
    if (comma == std::string_view::npos) return std::nullopt;
    list.remove_prefix(comma + 1);
  }
}

std::optional<int> ParseYear(const std::string& text) {
  const auto y = ParseInt(text);
  if (!y || *y < kFirstCalendarYear || *y > kLastCalendarYear) return std::nullopt;
  return y;
}

// Fills the request from the arguments; a message for the first bad one.
std::optional<std::string> ParseRequest(const std::vector<std::string>& a, CalendarRequest& r) {
  static const std::string kUsage = "usage: ical YEAR [TO_YEAR] [--include " + PartList(",") + "]";
  size_t i = 1;
  if (i >= a.size()) return kUsage;
  const auto from = ParseYear(a[i++]);
  if (!from) return "YEAR must be 1900..2100";
  r.fromYear = r.toYear = *from;
  if (i < a.size() && a[i] != "--include") {
    const auto to = ParseYear(a[i++]);
    if (!to) return "TO_YEAR must be 1900..2100";
    if (*to < *from) return "TO_YEAR is before YEAR";
    r.toYear = *to;
  }
  if (i < a.size() && a[i] == "--include") {
    if (++i >= a.size()) return "--include needs a list of parts: " + PartList(", ");
    if (auto bad = ParseParts(a[i++], r.parts)) return "unknown part '" + *bad + "' (parts: " + PartList(", ") + ")";
  }
  if (i < a.size()) return kUsage;
  return std::nullopt;
}

}  // namespace

int RunIcalCommand(const std::vector<std::string>& a, std::ostream& out, std::ostream& err) {
  CalendarRequest request;
  if (auto message = ParseRequest(a, request)) return Refuse(err, "ical: " + *message);
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
