// The fourteen major stars from 紫微 and 天府. Source: 《紫微斗數全書》, the
// 起例 (chart-setting rules) of the two series: from 紫微 go back one for 天機,
// skip one for 太陽, then 武曲 and 天同 in the next two, skip two for 廉貞; from
// 天府 go forward through 太陰, 貪狼, 巨門, 天相, 天梁 and 七殺, skip three for
// 破軍. Every school agrees.

#include "natal/rules.h"

namespace lunisol {

const std::array<SeriesStep, 6> kZiWeiSeries{{
    {Star::kZiWei, 0},
    {Star::kTianJi, -1},
    {Star::kTaiYang, -3},
    {Star::kWuQu, -4},
    {Star::kTianTong, -5},
    {Star::kLianZhen, -8},
}};

const std::array<SeriesStep, 8> kTianFuSeries{{
    {Star::kTianFu, 0},
    {Star::kTaiYin, 1},
    {Star::kTanLang, 2},
    {Star::kJuMen, 3},
    {Star::kTianXiang, 4},
    {Star::kTianLiang, 5},
    {Star::kQiSha, 6},
    {Star::kPoJun, 10},
}};

}  // namespace lunisol
