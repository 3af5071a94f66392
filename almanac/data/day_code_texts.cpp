// Two-character day codes by day pillar.
#include "almanac/tables.h"

namespace lunisol {

const std::array<std::u16string_view, 60> kDayCodeTexts{
    u"1一", u"6三", u"4二", u"9六", u"6九", u"2八", u"9八", u"3九", u"7一", u"7二", u"2七", u"3三",
    u"3六", u"7四", u"6八", u"8七", u"9一", u"7三", u"1二", u"8四", u"9三", u"4九", u"1六", u"8八",
    u"4七", u"2九", u"1三", u"3二", u"4六", u"6四", u"1九", u"6七", u"4八", u"9四", u"6一", u"2二",
    u"9二", u"3一", u"7九", u"7八", u"2三", u"3七", u"3四", u"7六", u"6二", u"8三", u"9九", u"7七",
    u"1八", u"8六", u"9七", u"4一", u"1四", u"8二", u"4三", u"2一", u"1七", u"3八", u"4四", u"6六"};

}  // namespace lunisol
