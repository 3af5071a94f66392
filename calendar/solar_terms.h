// Queries over the solar-term tables.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "calendar/vocabulary.h"

namespace lunisol {

extern const std::array<std::u16string_view, 24> kSolarTermDescriptions;

// The term beginning on a Gregorian day of 1900..2100, if any.
std::optional<SolarTerm> TermOnDay(int year, int month, int day);
// The day on which a term begins in a Gregorian year of 1900..2100.
std::optional<GregorianDate> TermDate(int year, SolarTerm term);
// The moment (UTC+8) at which the term begins; nothing outside 1900..2100.
std::optional<ClockTime> TermTime(int year, SolarTerm term);
// The twelve 氣往亡日 of a Gregorian year, each the lunar date of a day
// counted from a section term (the term's day counting as the first);
// default dates, which match no day, outside 1900..2100.
std::array<LunarDate, 12> QiWangWangDays(int year);

}  // namespace lunisol
