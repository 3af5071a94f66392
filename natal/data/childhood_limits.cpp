// 童限: before the first 大限 begins (at the 五行局 number, 2 to 6 by 虛歲),
// a child's years are read in six fixed palaces, one a year: 1 命宮, 2 財帛,
// 3 疾厄, 4 夫妻, 5 福德, 6 官祿. Source: 《紫微斗數全書》, the 童限 rule
// (一命、二財、三疾厄、四夫妻、五福德、六官祿).
//
// School choice: some schools read childhood by the 小限 alone and show no
// 大限 before the first; we follow the 全書 and Taiwanese charts and give the
// 童限 palace as the 大限 of those years, with its stem's 四化.

#include "natal/rules.h"

namespace lunisol {

// Palaces (indices into kPalaceNames) for 虛歲 1 to 6.
const std::array<int8_t, 6> kChildhoodPalaces{0, 4, 5, 2, 10, 8};

}  // namespace lunisol
