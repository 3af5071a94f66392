// Brightness of the fourteen major stars on each branch, 子 to 亥. Source:
// the seven-grade grid of 《紫微斗數全書》's 諸星廟旺 (廟, 旺, 得地, 利益,
// 平和, 不得地, 陷) as Taiwanese editions print it.
//
// School choice: older charts and some Hong Kong schools grade with four or
// five words only (廟旺平陷, or 廟旺利陷 with 閒); editions also disagree on a
// few cells. We keep the seven-grade grid most Taiwanese charts print, with
// 紫微 旺 in 寅 and 酉, 太陰 旺 in 酉, and 天梁 廟 in 辰 and 戌.

#include "natal/rules.h"

namespace lunisol {

using rows::Grades;

// Columns 子丑寅卯辰巳午未申酉戌亥.
const std::array<std::array<Brightness, 12>, kMajorStarCount> kMajorStarBrightness{{
    Grades(u"平廟旺旺得旺廟廟旺旺得旺"),  // 紫微
    Grades(u"廟陷得旺利平廟陷得旺利平"),  // 天機
    Grades(u"陷不旺廟旺旺旺得得平不陷"),  // 太陽
    Grades(u"旺廟得利廟平旺廟得利廟平"),  // 武曲
    Grades(u"旺不利平平廟陷不旺平平廟"),  // 天同
    Grades(u"平利廟平利陷平利廟平利陷"),  // 廉貞
    Grades(u"廟廟廟得廟得旺廟得旺廟得"),  // 天府
    Grades(u"廟廟旺陷陷陷不不利旺旺廟"),  // 太陰
    Grades(u"旺廟平利廟陷旺廟平利廟陷"),  // 貪狼
    Grades(u"旺不廟廟陷旺旺不廟廟陷旺"),  // 巨門
    Grades(u"廟廟廟陷得得廟得廟陷得得"),  // 天相
    Grades(u"廟旺廟廟廟陷廟旺陷得廟陷"),  // 天梁
    Grades(u"旺廟廟旺廟平旺廟廟旺廟平"),  // 七殺
    Grades(u"廟旺得陷旺平廟旺得陷旺平"),  // 破軍
}};

}  // namespace lunisol
