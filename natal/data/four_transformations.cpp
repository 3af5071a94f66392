// 四化: the stars the birth year's stem turns into 祿, 權, 科 and 忌. Source:
// 《紫微斗數全書》, the 起例 of the ten stems' 化祿, 化權, 化科 and 化忌.
//
// School choice: the ten stems are read alike everywhere except 戊 (右弼科 or
// 太陽科), 庚 (太陽 武曲 太陰 天同, or 太陽 武曲 天府 天同, or 太陽 武曲 天同
// 天相) and 壬 (左輔科 or 天府科). We follow the rows of the 全書 that most
// Taiwanese practitioners use: 戊 右弼科, 庚 太陽祿 武曲權 太陰科 天同忌, 壬
// 左輔科.

#include "natal/rules.h"

namespace lunisol {

// 祿, 權, 科, 忌.
const std::array<std::array<Star, 4>, 10> kFourTransformations{{
    {Star::kLianZhen, Star::kPoJun, Star::kWuQu, Star::kTaiYang},        // 甲
    {Star::kTianJi, Star::kTianLiang, Star::kZiWei, Star::kTaiYin},      // 乙
    {Star::kTianTong, Star::kTianJi, Star::kWenChang, Star::kLianZhen},  // 丙
    {Star::kTaiYin, Star::kTianTong, Star::kTianJi, Star::kJuMen},       // 丁
    {Star::kTanLang, Star::kTaiYin, Star::kYouBi, Star::kTianJi},        // 戊
    {Star::kWuQu, Star::kTanLang, Star::kTianLiang, Star::kWenQu},       // 己
    {Star::kTaiYang, Star::kWuQu, Star::kTaiYin, Star::kTianTong},       // 庚
    {Star::kJuMen, Star::kTaiYang, Star::kWenQu, Star::kWenChang},       // 辛
    {Star::kTianLiang, Star::kZiWei, Star::kZuoFu, Star::kWuQu},         // 壬
    {Star::kPoJun, Star::kJuMen, Star::kTaiYin, Star::kTanLang},         // 癸
}};

}  // namespace lunisol
