// 五鼠遁: the stem of the 子 hour for each day stem; the later hours take the
// stems that follow. Source: the 五鼠遁 rule of the calendars and 《紫微斗數全書》's
// hour pillars: 甲己 甲子, 乙庚 丙子, 丙辛 戊子, 丁壬 庚子, 戊癸 壬子.
//
// School choice: the chart's four pillars follow its own reckoning, the
// year from the lunar new year and the month by lunar month (ChartMonth), as
// the chart itself reads them; the 八字 by solar terms (年 from 立春, months
// from each 節) is another reckoning and is not what the chart shows.

#include "natal/rules.h"

namespace lunisol {

// Stems 0 = 甲 .. 9 = 癸.
const std::array<int8_t, 10> kRatStems{
    0,  // 甲: 甲子
    2,  // 乙: 丙子
    4,  // 丙: 戊子
    6,  // 丁: 庚子
    8,  // 戊: 壬子
    0,  // 己: 甲子
    2,  // 庚: 丙子
    4,  // 辛: 戊子
    6,  // 壬: 庚子
    8,  // 癸: 壬子
};

}  // namespace lunisol
