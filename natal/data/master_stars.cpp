// 命主 and 身主. Source: 《紫微斗數全書》起例: 命主 by the 命宮's branch (子 貪狼,
// 丑亥 巨門, 寅戌 祿存, 卯酉 文曲, 辰申 廉貞, 巳未 武曲, 午 破軍); 身主 by the year
// branch (子午 火星, 丑未 天相, 寅申 天梁, 卯酉 天同, 辰戌 文昌, 巳亥 天機).
//
// School choice: a few schools read 命主 by the year branch; Taiwanese charts
// read it by the 命宮, as here.

#include "natal/rules.h"

namespace lunisol {

// By branch 子丑寅卯辰巳午未申酉戌亥.
const std::array<Star, 12> kSoulMasters{
    Star::kTanLang, Star::kJuMen, Star::kLuCun,    Star::kWenQu, Star::kLianZhen, Star::kWuQu,
    Star::kPoJun,   Star::kWuQu,  Star::kLianZhen, Star::kWenQu, Star::kLuCun,    Star::kJuMen,
};

const std::array<Star, 12> kBodyMasters{
    Star::kHuoXing, Star::kTianXiang, Star::kTianLiang, Star::kTianTong, Star::kWenChang, Star::kTianJi,
    Star::kHuoXing, Star::kTianXiang, Star::kTianLiang, Star::kTianTong, Star::kWenChang, Star::kTianJi,
};

}  // namespace lunisol
