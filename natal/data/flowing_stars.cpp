// The stars of a flowing year (流年). Source: 《紫微斗數全書》起例, the 流年
// stars: 流祿, 流羊 and 流陀 stand where 祿存, 擎羊 and 陀羅 would for a birth
// in that year, 流魁 and 流鉞 where 天魁 and 天鉞 would, all by the year's stem;
// 流馬, 流鸞 and 流喜 where 天馬, 紅鸞 and 天喜 would, and the year's 年解
// where 年解 would, by its branch. 流昌 and 流曲, which the later Taiwanese
// manuals add to the 全書's flowing stars, have rows of their own by the
// stem, skipping the four 墓 palaces 辰戌丑未: 流昌 from 巳 forward (甲 巳, 乙 午,
// 丙戊 申, 丁己 酉, 庚 亥, 辛 子, 壬 寅, 癸 卯), 流曲 from 酉 backward (甲 酉, 乙 申,
// 丙戊 午, 丁己 巳, 庚 卯, 辛 寅, 壬 子, 癸 亥).
//
// School choice: the stars read like the natal ones take the natal rows, so
// the choices made there (天魁 and 天鉞 of 庚 and 辛, 天馬 by the year branch)
// hold for the flowing year too. Only the 流年 gets flowing stars here; the
// 大限's own (運曜) are not placed.

#include "natal/rules.h"

namespace lunisol {

using rows::Branches;

const std::array<FlowingLikeNatal, 9> kFlowingLikeNatal{{
    {FlowingStar::kKui, Star::kTianKui},
    {FlowingStar::kYue, Star::kTianYue},
    {FlowingStar::kLu, Star::kLuCun},
    {FlowingStar::kYang, Star::kQingYang},
    {FlowingStar::kTuo, Star::kTuoLuo},
    {FlowingStar::kMa, Star::kTianMa},
    {FlowingStar::kLuan, Star::kHongLuan},
    {FlowingStar::kXi, Star::kTianXi},
    {FlowingStar::kNianJie, Star::kNianJie},
}};

// Columns: stems 甲乙丙丁戊己庚辛壬癸.
const std::array<FlowingStemRow, 2> kFlowingStemRows{{
    {FlowingStar::kChang, Branches(u"巳午申酉申酉亥子寅卯")},
    {FlowingStar::kQu, Branches(u"酉申午巳午巳卯寅子亥")},
}};

}  // namespace lunisol
