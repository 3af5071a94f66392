#include "almanac/lunar_date_names.h"

namespace lunisol {

std::u16string LunarMonthName(int lunarMonth) {
  const int month = lunarMonth < 0 ? -lunarMonth : lunarMonth;
  if (month < 1 || month > 12) return {};
  return (lunarMonth < 0 ? u"閏" : u"") + std::u16string(kLunarMonthNames[static_cast<size_t>(month - 1)]);
}

std::u16string LunarDateName(int lunarMonth, int lunarDay) {
  if (lunarDay < 1 || lunarDay > 30) return {};
  std::u16string name = LunarMonthName(lunarMonth);
  if (!name.empty()) name += kLunarDayNames30[static_cast<size_t>(lunarDay - 1)];
  return name;
}

}  // namespace lunisol
