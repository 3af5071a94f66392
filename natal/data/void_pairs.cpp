// The two voids. 截空 (截路空亡) by the year stem: 甲己 申酉, 乙庚 午未, 丙辛
// 辰巳, 丁壬 寅卯, 戊癸 子丑. 旬空 (旬中空亡) by the 旬 of the year pillar: the
// two branches the ten stems of the 旬 do not reach, 甲子旬 戌亥, 甲戌旬 申酉,
// 甲申旬 午未, 甲午旬 辰巳, 甲辰旬 寅卯, 甲寅旬 子丑. Source: 《紫微斗數全書》
// 起例 and the common 空亡 tables.
//
// School choice: each void covers two palaces. As in Taiwanese charts, the
// palace whose branch has the year stem's polarity (a yang branch for 甲丙戊庚
// 壬) carries 截空 or 旬空 and the other 副截 or 副旬; some schools write the
// void in both palaces alike. The choice is made where the chart reads these
// pairs (PlaceVoids in natal/chart.cpp).

#include "natal/rules.h"

namespace lunisol {

using rows::Branch;

// Rows: 甲己, 乙庚, 丙辛, 丁壬, 戊癸.
const std::array<VoidPair, 5> kCutRoadVoids{{
    {Branch(u'申'), Branch(u'酉')},
    {Branch(u'午'), Branch(u'未')},
    {Branch(u'辰'), Branch(u'巳')},
    {Branch(u'寅'), Branch(u'卯')},
    {Branch(u'子'), Branch(u'丑')},
}};

// Rows: 甲子旬, 甲戌旬, 甲申旬, 甲午旬, 甲辰旬, 甲寅旬.
const std::array<VoidPair, 6> kDecadeVoids{{
    {Branch(u'戌'), Branch(u'亥')},
    {Branch(u'申'), Branch(u'酉')},
    {Branch(u'午'), Branch(u'未')},
    {Branch(u'辰'), Branch(u'巳')},
    {Branch(u'寅'), Branch(u'卯')},
    {Branch(u'子'), Branch(u'丑')},
}};

}  // namespace lunisol
