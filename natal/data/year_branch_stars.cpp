// Stars placed by the birth year's branch. Source: 《紫微斗數全書》起例, the
// year-branch stars: 天馬 by the year's triad (申子辰 寅, 寅午戌 申, 巳酉丑 亥,
// 亥卯未 巳); 紅鸞 counts the years back from 卯 and 天喜 stands opposite it;
// 龍池 forward from 辰, 鳳閣 back from 戌; 天哭 back and 天虛 forward from 午;
// 孤辰 and 寡宿 by the year's season (亥子丑 寅 戌, 寅卯辰 巳 丑, 巳午未 申 辰,
// 申酉戌 亥 未); 蜚廉; 破碎 (子午卯酉 巳, 寅申巳亥 酉, 辰戌丑未 丑); 華蓋 and
// 咸池 by the triad; 天德 forward from 酉, 月德 forward from 巳; 天空 one
// palace ahead of the year branch. 年解 (the year's 解神) counts the years
// back from 戌 (子 on 戌), as the star lists after the 全書 place it beside
// the month's 解神 (data/month_stars.cpp).
//
// School choice: 天馬 goes by the year branch, as the 全書 and Taiwanese
// charts have it; some schools place it by the birth month instead.

#include "natal/rules.h"

namespace lunisol {

using rows::Branches;

// Columns: year branches 子丑寅卯辰巳午未申酉戌亥.
const std::array<TwelveKeyRow, 17> kYearBranchStars{{
    {Star::kTianMa, Branches(u"寅亥申巳寅亥申巳寅亥申巳")},
    {Star::kHongLuan, Branches(u"卯寅丑子亥戌酉申未午巳辰")},
    {Star::kTianXi, Branches(u"酉申未午巳辰卯寅丑子亥戌")},
    {Star::kLongChi, Branches(u"辰巳午未申酉戌亥子丑寅卯")},
    {Star::kFengGe, Branches(u"戌酉申未午巳辰卯寅丑子亥")},
    {Star::kTianKu, Branches(u"午巳辰卯寅丑子亥戌酉申未")},
    {Star::kTianXu, Branches(u"午未申酉戌亥子丑寅卯辰巳")},
    {Star::kGuChen, Branches(u"寅寅巳巳巳申申申亥亥亥寅")},
    {Star::kGuaSu, Branches(u"戌戌丑丑丑辰辰辰未未未戌")},
    // 子丑寅 申酉戌, 卯辰巳 巳午未, 午未申 寅卯辰, 酉戌亥 亥子丑.
    {Star::kFeiLian, Branches(u"申酉戌巳午未寅卯辰亥子丑")},
    {Star::kPoSui, Branches(u"巳丑酉巳丑酉巳丑酉巳丑酉")},
    // 申子辰 辰, 巳酉丑 丑, 寅午戌 戌, 亥卯未 未.
    {Star::kHuaGai, Branches(u"辰丑戌未辰丑戌未辰丑戌未")},
    // 申子辰 酉, 巳酉丑 午, 寅午戌 卯, 亥卯未 子.
    {Star::kXianChi, Branches(u"酉午卯子酉午卯子酉午卯子")},
    {Star::kTianDe, Branches(u"酉戌亥子丑寅卯辰巳午未申")},
    {Star::kYueDe, Branches(u"巳午未申酉戌亥子丑寅卯辰")},
    {Star::kTianKong, Branches(u"丑寅卯辰巳午未申酉戌亥子")},
    {Star::kNianJie, Branches(u"戌酉申未午巳辰卯寅丑子亥")},
}};

}  // namespace lunisol
