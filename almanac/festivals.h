// Lookups of the festival and solar-term note tables, and the texts of a
// moon phase and a term's moment as the page writes them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "almanac/month.h"
#include "calendar/vocabulary.h"

namespace lunisol {

// Gregorian observance of the day, if one was kept in that year.
std::optional<std::u16string_view> SolarFestival(int year, int month, int day);
// Lunar festival text of the day (none in a leap month). `isYearEnd` marks
// the last day of the lunar year, which also carries 除夕 (after the day's
// own entry, if it has one).
std::optional<std::u16string> LunarFestival(const LunarDate& date, bool isYearEnd);
// "望 hh時 mm分" (下弦, 朔, 上弦 for the other phases).
std::u16string MoonPhaseText(const MoonPhaseEvent& event);
// Fills the four note columns of a term bar and their tooltips.
void ShowTermNotes(TermBar& bar, SolarTerm term);
// "hh時mm分".
std::u16string TermTimeText(ClockTime time);

}  // namespace lunisol
