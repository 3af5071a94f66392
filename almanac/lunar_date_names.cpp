#include "almanac/lunar_date_names.h"

namespace lunisol {

std::u16string LunarDateName(int lunarMonth, int lunarDay) {
  const int month = lunarMonth < 0 ? -lunarMonth : lunarMonth;
  if (month < 1 || month > 12 || lunarDay < 1 || lunarDay > 30) return {};
  std::u16string name = lunarMonth < 0 ? u"閏" : u"";
  name += kLunarMonthNames[static_cast<size_t>(month - 1)];
  name += kLunarDayNames30[static_cast<size_t>(lunarDay - 1)];
  return name;
}

}  // namespace lunisol
