// A lunar date written out as almanacs and calendars print it: "正月初一",
// "閏六月十五", "十二月三十".
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace lunisol {

extern const std::array<std::u16string_view, 12> kLunarMonthNames;
extern const std::array<std::u16string_view, 30> kLunarDayNames30;

// The month is negative for a leap month; empty outside 1..12 and 1..30.
std::u16string LunarDateName(int lunarMonth, int lunarDay);
// "正月", "閏四月": the month alone, as calendars print it on its first day;
// empty outside 1..12.
std::u16string LunarMonthName(int lunarMonth);

}  // namespace lunisol
