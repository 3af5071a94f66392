// 火星 and 鈴星: where each stands at the 子 hour by the year's triad; both
// then count the birth hours forward. Source: 《紫微斗數全書》起例: 寅午戌 火丑
// 鈴卯, 申子辰 火寅 鈴戌, 巳酉丑 火卯 鈴戌, 亥卯未 火酉 鈴戌.
//
// School choice: other schools start from other palaces, or run the two stars
// backward for 陰男 and 陽女; we keep the 全書's starting points and the
// forward count, as Taiwanese charts do.

#include "natal/rules.h"

namespace lunisol {

using rows::Branches;

// Columns: year branches 子丑寅卯辰巳午未申酉戌亥.
const std::array<int8_t, 12> kFireStarStarts = Branches(u"寅卯丑酉寅卯丑酉寅卯丑酉");
const std::array<int8_t, 12> kBellStarStarts = Branches(u"戌戌卯戌戌戌卯戌戌戌卯戌");

}  // namespace lunisol
