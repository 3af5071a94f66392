// Lookups of the festival, moon-phase and solar-term note tables.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "almanac/month.h"

namespace lunisol {

// Text of the first entry of a keyed table ("MMDD…") whose key equals `key`.
std::optional<std::u16string_view> FindKeyedEntry(std::u16string_view key, bool lunar);
// Gregorian festival of the day, if any.
std::optional<std::u16string_view> SolarFestival(int month, int day);
// Lunar festival text of the day. `isYearEnd` marks the last day of the lunar
// year, which also carries 除夕 (after the day's own entry, if it has one).
std::optional<std::u16string> LunarFestival(int lunarMonth, int lunarDay, bool isYearEnd);
// "望 hh時 mm分" (and 下弦, 朔, 上弦 for lists 1..3) of the first entry of
// that list keyed MMDD.
std::optional<std::u16string> FindMoonPhase(const MoonPhaseData& data, int list, std::u16string_view key);
// Fills the four note columns of a term bar (and their tooltips) from
// kTermNotes; an unknown name leaves the notes and refreshes the tooltips.
void ShowTermNotes(TermBar& bar, std::u16string_view termName);
// "hh時mm分" from a "hhmm" term time.
std::u16string TermTimeText(std::u16string_view hhmm);

}  // namespace lunisol
