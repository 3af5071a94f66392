// Names of the lunar months and days as a written lunar date reads them
// ("正月初一", "閏六月十五").
//
// The first month is 正月; the eleventh and twelfth are written with their
// numbers, 十一月 and 十二月, as the page's own titles count them ("農曆 12
// 月"), rather than with the colloquial 冬月 and 臘月. Days 1–10 take 初,
// day 20 is 二十 and days 21–29 take 廿, day 30 is 三十: the forms printed in
// Taiwanese almanacs and calendars.
#include "almanac/lunar_date_names.h"

namespace lunisol {

const std::array<std::u16string_view, 12> kLunarMonthNames{u"正月", u"二月", u"三月", u"四月", u"五月",   u"六月",
                                                           u"七月", u"八月", u"九月", u"十月", u"十一月", u"十二月"};

const std::array<std::u16string_view, 30> kLunarDayNames30{
    u"初一", u"初二", u"初三", u"初四", u"初五", u"初六", u"初七", u"初八", u"初九", u"初十",
    u"十一", u"十二", u"十三", u"十四", u"十五", u"十六", u"十七", u"十八", u"十九", u"二十",
    u"廿一", u"廿二", u"廿三", u"廿四", u"廿五", u"廿六", u"廿七", u"廿八", u"廿九", u"三十"};

}  // namespace lunisol
