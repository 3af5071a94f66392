// Stars placed by the birth year's stem. Source: 《紫微斗數全書》起例: 祿存
// (甲 寅, 乙 卯, 丙戊 巳, 丁己 午, 庚 申, 辛 酉, 壬 亥, 癸 子), with 擎羊 one palace
// ahead of it and 陀羅 one behind; 天魁 and 天鉞 (the noblemen: 甲戊庚 丑未, 乙己
// 子申, 丙丁 亥酉, 辛 午寅, 壬癸 卯巳); 天官 and 天福. 天廚 is not in the 全書:
// it comes from the 天廚 verse of the later star lists, which Taiwanese charts
// print: 甲丁 巳, 乙戊辛 午, 丙 子, 己 申, 庚 寅, 壬 酉, 癸 亥.
//
// School choice: 天魁 and 天鉞 of 庚 and 辛 are also read 庚辛 寅午 (or 庚 寅午,
// 辛 午寅); we keep the 全書's 庚 丑未, 辛 午寅, which Taiwanese charts use.

#include "natal/rules.h"

namespace lunisol {

using rows::Branches;

// Columns: stems 甲乙丙丁戊己庚辛壬癸.
const std::array<StemRow, 8> kYearStemStars{{
    {Star::kLuCun, Branches(u"寅卯巳午巳午申酉亥子")},
    {Star::kQingYang, Branches(u"卯辰午未午未酉戌子丑")},
    {Star::kTuoLuo, Branches(u"丑寅辰巳辰巳未申戌亥")},
    {Star::kTianKui, Branches(u"丑子亥亥丑子丑午卯卯")},
    {Star::kTianYue, Branches(u"未申酉酉未申未寅巳巳")},
    {Star::kTianGuan, Branches(u"未辰巳寅卯酉亥酉戌午")},
    {Star::kTianFuBlessing, Branches(u"酉申子亥卯寅午巳午巳")},
    {Star::kTianChu, Branches(u"巳午子巳午申寅午酉亥")},
}};

}  // namespace lunisol
