// Stars placed by the birth hour. Source: 《紫微斗數全書》起例, the hour stars:
// 文昌 counts the hours back from 戌 (子 on 戌), 文曲 forward from 辰; 地劫
// forward and 地空 back from 亥; 台輔 forward from 午, 封誥 forward from 寅.
// Every school agrees.

#include "natal/rules.h"

namespace lunisol {

using rows::Branches;

// Columns: hours 子丑寅卯辰巳午未申酉戌亥.
const std::array<TwelveKeyRow, 6> kHourStars{{
    {Star::kWenChang, Branches(u"戌酉申未午巳辰卯寅丑子亥")},
    {Star::kWenQu, Branches(u"辰巳午未申酉戌亥子丑寅卯")},
    {Star::kDiJie, Branches(u"亥子丑寅卯辰巳午未申酉戌")},
    {Star::kDiKong, Branches(u"亥戌酉申未午巳辰卯寅丑子")},
    {Star::kTaiFu, Branches(u"午未申酉戌亥子丑寅卯辰巳")},
    {Star::kFengGao, Branches(u"寅卯辰巳午未申酉戌亥子丑")},
}};

}  // namespace lunisol
