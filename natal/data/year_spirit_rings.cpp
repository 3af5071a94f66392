// The two rings of twelve spirits a year lays round the chart. Source:
// 《紫微斗數全書》起例, the 流年將前諸星 and 流年歲前諸星: 將星 stands by the
// year's triad (寅午戌 午, 申子辰 子, 巳酉丑 酉, 亥卯未 卯) and 攀鞍 … 亡神 follow
// it forward; 歲建 stands on the year's own branch and 晦氣 … 病符 follow it
// forward (names in natal/stars.h).
//
// School choice: both rings run forward for everyone. The natal chart lays
// them by the birth year, as Taiwanese charts print them in each palace; the
// 流年 lays them again by the flowing year. Some schools call 大耗 歲破; we
// keep 大耗.

#include "natal/rules.h"

namespace lunisol {

using rows::Branches;

// Columns: year branches 子丑寅卯辰巳午未申酉戌亥.
const std::array<int8_t, 12> kGeneralStarStarts = Branches(u"子酉午卯子酉午卯子酉午卯");

}  // namespace lunisol
