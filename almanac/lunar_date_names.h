// A lunar date written out as almanacs and calendars print it: "正月初一",
// "閏六月十五", "十二月三十".
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calendar/vocabulary.h"

namespace lunisol {

extern const std::array<std::u16string_view, 12> kLunarMonthNames;
extern const std::array<std::u16string_view, 30> kLunarDayNames30;

// Empty outside months 1..12 and days 1..30.
std::u16string LunarDateName(const LunarDate& date);
// "正月", "閏四月": the month alone, as calendars print it on its first day;
// empty outside 1..12.
std::u16string LunarMonthName(int month, bool leap);

}  // namespace lunisol
