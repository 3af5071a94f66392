// 小限: the palace of 虛歲 1 by the year's triad (寅午戌 辰, 申子辰 戌, 巳酉丑
// 未, 亥卯未 丑), one palace a year after that. Source: 《紫微斗數全書》起例.
//
// School choice: men count forward and women backward whatever the year's
// polarity, as the 全書 and Taiwanese charts do.

#include "natal/rules.h"

namespace lunisol {

using rows::Branches;

// Columns: year branches 子丑寅卯辰巳午未申酉戌亥.
const std::array<int8_t, 12> kMinorLimitStarts = Branches(u"戌未辰丑戌未辰丑戌未辰丑");

// Male, female.
const std::array<int8_t, 2> kMinorLimitSteps{1, -1};

}  // namespace lunisol
