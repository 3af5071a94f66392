#include "almanac/lunar_date_names.h"

namespace lunisol {

std::u16string LunarMonthName(int month, bool leap) {
  if (month < 1 || month > 12) return {};
  return (leap ? u"閏" : u"") + std::u16string(kLunarMonthNames[static_cast<size_t>(month - 1)]);
}

std::u16string LunarDateName(const LunarDate& date) {
  if (date.day < 1 || date.day > 30) return {};
  std::u16string name = LunarMonthName(date.month, date.leap);
  if (!name.empty()) name += kLunarDayNames30[static_cast<size_t>(date.day - 1)];
  return name;
}

}  // namespace lunisol
