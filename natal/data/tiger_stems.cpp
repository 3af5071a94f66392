// 五虎遁: the stem of the 寅 palace for each year stem; the other palaces take
// the stems that follow. Source: 《紫微斗數全書》起例, the stems of the twelve
// palaces (the rule that also gives the first month's stem of a year): 甲己
// 丙寅, 乙庚 戊寅, 丙辛 庚寅, 丁壬 壬寅, 戊癸 甲寅.

#include "natal/rules.h"

namespace lunisol {

// Stems 0 = 甲 .. 9 = 癸.
const std::array<int8_t, 10> kTigerStems{
    2,  // 甲: 丙寅
    4,  // 乙: 戊寅
    6,  // 丙: 庚寅
    8,  // 丁: 壬寅
    0,  // 戊: 甲寅
    2,  // 己: 丙寅
    4,  // 庚: 戊寅
    6,  // 辛: 庚寅
    8,  // 壬: 壬寅
    0,  // 癸: 甲寅
};

}  // namespace lunisol
