// Stars counted from another star or palace. Source: 《紫微斗數全書》起例:
// 三台 from 左輔, counting the lunar days forward (the 1st on 左輔's palace);
// 八座 from 右弼, the days backward; 恩光 from 文昌 and 天貴 from 文曲, the days
// forward and then one palace back; 天才 from 命宮 and 天壽 from 身宮, counting
// the years forward (子 on the palace) to the birth year's branch. Every
// school agrees.

#include "natal/rules.h"

namespace lunisol {

const std::array<CountedStar, 6> kCountedStars{{
    {Star::kSanTai, CountFrom::kStar, Star::kZuoFu, CountBy::kLunarDay, 1, 0},
    {Star::kBaZuo, CountFrom::kStar, Star::kYouBi, CountBy::kLunarDay, -1, 0},
    {Star::kEnGuang, CountFrom::kStar, Star::kWenChang, CountBy::kLunarDay, 1, -1},
    {Star::kTianGui, CountFrom::kStar, Star::kWenQu, CountBy::kLunarDay, 1, -1},
    {Star::kTianCai, CountFrom::kSoulPalace, Star::kZiWei, CountBy::kYearBranch, 1, 0},
    {Star::kTianShou, CountFrom::kBodyPalace, Star::kZiWei, CountBy::kYearBranch, 1, 0},
}};

}  // namespace lunisol
