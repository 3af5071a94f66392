// Stars placed by the lunar birth month (the month as ChartMonth resolves a
// leap month). Source: 《紫微斗數全書》起例, the month stars: 左輔 counts the
// months forward from 辰, 右弼 back from 戌, 天刑 forward from 酉, 天姚 forward
// from 丑; 解神, 天巫, 天月 and 陰煞 follow their month lists.
//
// School choice: 解神 here is the month's 解神 of the 全書, as Taiwanese charts
// place it; the year's 解神 is placed as a star of its own, 年解, by the year
// branch (data/year_branch_stars.cpp).

#include "natal/rules.h"

namespace lunisol {

using rows::Branches;

// Columns: months 正 二 三 四 五 六 七 八 九 十 冬 臘.
const std::array<TwelveKeyRow, 8> kMonthStars{{
    {Star::kZuoFu, Branches(u"辰巳午未申酉戌亥子丑寅卯")},
    {Star::kYouBi, Branches(u"戌酉申未午巳辰卯寅丑子亥")},
    {Star::kTianXing, Branches(u"酉戌亥子丑寅卯辰巳午未申")},
    {Star::kTianYao, Branches(u"丑寅卯辰巳午未申酉戌亥子")},
    // Two months to a palace: 正二 申, 三四 戌, 五六 子, 七八 寅, 九十 辰, 冬臘 午.
    {Star::kJieShen, Branches(u"申申戌戌子子寅寅辰辰午午")},
    // 巳 申 寅 亥 in turn: 正五九 巳, 二六十 申, 三七冬 寅, 四八臘 亥.
    {Star::kTianWu, Branches(u"巳申寅亥巳申寅亥巳申寅亥")},
    {Star::kTianYueMoon, Branches(u"戌巳辰寅未卯亥未寅午戌寅")},
    // 寅 子 戌 申 午 辰, twice round.
    {Star::kYinSha, Branches(u"寅子戌申午辰寅子戌申午辰")},
}};

}  // namespace lunisol
