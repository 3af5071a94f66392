// The almanac's events for a calendar program: which days and instants of a
// range of years carry a solar term, a festival, a deity's day, a lunar date
// or a moon phase, as plain records. ical_writer.h turns them into iCalendar.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/convert.h"

namespace lunisol {

// What a reader can ask a calendar to carry.
enum class CalendarPart : uint8_t {
  kTerms,      // the 24 solar terms at their instants
  kFestivals,  // Gregorian and traditional festivals
  kDeities,    // deities' days and other observances of the lunar table
  kLunar,      // the lunar date of every day
  kPhases,     // 朔, 上弦, 望, 下弦 at their instants
  kYiJi,       // 宜/忌 in the description of each lunar-date event
};
inline constexpr int kCalendarPartCount = 6;

class CalendarParts {
 public:
  constexpr CalendarParts() = default;
  constexpr CalendarParts(std::initializer_list<CalendarPart> parts) {
    for (CalendarPart p : parts) Add(p);
  }
  constexpr void Add(CalendarPart p) { bits_ |= Bit(p); }
  constexpr bool Has(CalendarPart p) const { return (bits_ & Bit(p)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr bool operator==(const CalendarParts&) const = default;

 private:
  static constexpr unsigned Bit(CalendarPart p) { return 1u << static_cast<unsigned>(p); }
  unsigned bits_ = 0;
};

// What a calendar carries unless told otherwise: few events, none daily.
inline constexpr CalendarParts kDefaultCalendarParts{CalendarPart::kTerms, CalendarPart::kFestivals};

// "terms", "festivals", "deities", "lunar", "phases", "yiji": the names the
// command line and saved settings use.
std::string_view CalendarPartName(CalendarPart part);
std::optional<CalendarPart> CalendarPartFromName(std::string_view name);

// What a day suits (宜) and forbids (忌) under some rule set.
struct DayAdvice {
  std::vector<std::u16string> yi;
  std::vector<std::u16string> ji;
  bool allBad = false;                // a day on which nothing is undertaken (諸事不宜)
  bool restBad = false;               // nothing but the 宜 (餘事勿取)
  std::vector<std::u16string> marks;  // the day's folk marks (楊公忌, 月忌 …)
};

// The rule set that gives each day's advice, and the line that names it
// under the lists ("依《…》鋪註").
struct DayAdviceSource {
  std::u16string ruleSetLine;
  std::function<DayAdvice(int year, int month, int day)> ofDay;
};

enum class EventKind : uint8_t { kLunarDate, kFestival, kDeities, kSolarTerm, kMoonPhase };

struct CalendarEvent {
  EventKind kind = EventKind::kLunarDate;
  // The Gregorian day in Taiwan (UTC+8) on which the page shows it.
  int year = 0;
  int month = 0;
  int day = 0;
  // Minute of that day (UTC+8) for an event at an instant; −1 for an event
  // that fills the day.
  int minute = -1;
  std::string uid;             // the same in every file that carries the event
  std::u16string summary;      // the event's title
  std::u16string description;  // lines separated by '\n'; empty for none
};

struct CalendarRequest {
  int fromYear = 0;
  int toYear = 0;  // inclusive
  CalendarParts parts = kDefaultCalendarParts;
  // Needed for kYiJi, whose lines ride on the lunar-date events (so asking
  // for them brings the lunar dates too).
  const DayAdviceSource* advice = nullptr;
};

inline constexpr int kFirstCalendarYear = 1900;
inline constexpr int kLastCalendarYear = 2100;

// One day as a calendar shows it: its lunar date, the solar term that begins
// on it, its festivals and its other occasions (deities' days, observances),
// each a name, as the festival and deities events carry them.
struct CalendarDay {
  LunarDate lunar;  // all 0 outside 1900..2100
  int weekday = 0;  // 0 = Sunday
  std::optional<SolarTerm> term;
  std::vector<std::u16string> festivals;
  std::vector<std::u16string> deities;
};
// A Gregorian day of 1900..2100 (an empty record for any other).
CalendarDay CalendarDayOf(int year, int month, int day);

// 0 when the request can be met; kBadCalendarYears for years outside
// 1900..2100 or in the wrong order; kNoDayAdvice for 宜/忌 without a source.
inline constexpr int kBadCalendarYears = -1;
inline constexpr int kNoDayAdvice = -4;
int CheckCalendarRequest(const CalendarRequest& request);

// The events of the request in time order (a day's all-day events first, in
// the order of EventKind, then its timed ones by minute); none if
// CheckCalendarRequest refuses it. An event reads the same whichever other
// parts are asked for.
std::vector<CalendarEvent> CollectCalendarEvents(const CalendarRequest& request);

}  // namespace lunisol
