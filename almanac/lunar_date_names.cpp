#include "almanac/lunar_date_names.h"

namespace lunisol {

std::u16string LunarDateName(const LunarDate& date) {
  if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 30) return {};
  std::u16string name = date.leap ? u"閏" : u"";
  name += kLunarMonthNames[static_cast<size_t>(date.month - 1)];
  name += kLunarDayNames30[static_cast<size_t>(date.day - 1)];
  return name;
}

}  // namespace lunisol
