// The vocabulary of a 紫微斗數 chart: the stars, their brightness grades, the
// four transformations, the twelve palaces and the two rings of twelve
// spirits, each as a typed id with its name table. A view places a chart by
// these ids and looks names up here; it never reads a name to learn a fact.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lunisol {

// Every star the chart places. The first fourteen are the major stars, the
// next fourteen the minor stars, the rest the 雜曜; within a palace the stars
// are listed in this order.
enum class Star : uint8_t {
  // 紫微 series
  kZiWei,     // 紫微
  kTianJi,    // 天機
  kTaiYang,   // 太陽
  kWuQu,      // 武曲
  kTianTong,  // 天同
  kLianZhen,  // 廉貞
  // 天府 series
  kTianFu,     // 天府
  kTaiYin,     // 太陰
  kTanLang,    // 貪狼
  kJuMen,      // 巨門
  kTianXiang,  // 天相
  kTianLiang,  // 天梁
  kQiSha,      // 七殺
  kPoJun,      // 破軍
  // minor stars
  kZuoFu,     // 左輔
  kYouBi,     // 右弼
  kWenChang,  // 文昌
  kWenQu,     // 文曲
  kTianKui,   // 天魁
  kTianYue,   // 天鉞
  kLuCun,     // 祿存
  kTianMa,    // 天馬
  kQingYang,  // 擎羊
  kTuoLuo,    // 陀羅
  kHuoXing,   // 火星
  kLingXing,  // 鈴星
  kDiKong,    // 地空
  kDiJie,     // 地劫
  // 雜曜
  kHongLuan,        // 紅鸞
  kTianXi,          // 天喜
  kTianXing,        // 天刑
  kTianYao,         // 天姚
  kJieShen,         // 解神 (by month)
  kNianJie,         // 年解 (by year)
  kTianWu,          // 天巫
  kTianYueMoon,     // 天月
  kYinSha,          // 陰煞
  kTaiFu,           // 台輔
  kFengGao,         // 封誥
  kSanTai,          // 三台
  kBaZuo,           // 八座
  kEnGuang,         // 恩光
  kTianGui,         // 天貴
  kLongChi,         // 龍池
  kFengGe,          // 鳳閣
  kTianKu,          // 天哭
  kTianXu,          // 天虛
  kGuChen,          // 孤辰
  kGuaSu,           // 寡宿
  kFeiLian,         // 蜚廉
  kPoSui,           // 破碎
  kHuaGai,          // 華蓋
  kXianChi,         // 咸池
  kTianDe,          // 天德
  kYueDe,           // 月德
  kTianCai,         // 天才
  kTianShou,        // 天壽
  kJieKong,         // 截空
  kFuJie,           // 副截
  kXunKong,         // 旬空
  kFuXun,           // 副旬
  kTianShang,       // 天傷
  kTianShi,         // 天使
  kTianGuan,        // 天官
  kTianFuBlessing,  // 天福
  kTianChu,         // 天廚
  kTianKong,        // 天空
};

inline constexpr int kStarCount = static_cast<int>(Star::kTianKong) + 1;
inline constexpr int kMajorStarCount = 14;
inline constexpr int kMinorStarCount = 14;
inline constexpr int kOtherStarCount = kStarCount - kMajorStarCount - kMinorStarCount;

inline constexpr std::array<std::u16string_view, kStarCount> kStarNames{
    u"紫微", u"天機", u"太陽", u"武曲", u"天同", u"廉貞", u"天府", u"太陰", u"貪狼", u"巨門", u"天相", u"天梁",
    u"七殺", u"破軍", u"左輔", u"右弼", u"文昌", u"文曲", u"天魁", u"天鉞", u"祿存", u"天馬", u"擎羊", u"陀羅",
    u"火星", u"鈴星", u"地空", u"地劫", u"紅鸞", u"天喜", u"天刑", u"天姚", u"解神", u"年解", u"天巫", u"天月",
    u"陰煞", u"台輔", u"封誥", u"三台", u"八座", u"恩光", u"天貴", u"龍池", u"鳳閣", u"天哭", u"天虛", u"孤辰",
    u"寡宿", u"蜚廉", u"破碎", u"華蓋", u"咸池", u"天德", u"月德", u"天才", u"天壽", u"截空", u"副截", u"旬空",
    u"副旬", u"天傷", u"天使", u"天官", u"天福", u"天廚", u"天空"};

enum class StarKind : uint8_t { kMajor, kMinor, kOther };

constexpr size_t Index(Star s) { return static_cast<size_t>(s); }
constexpr StarKind KindOf(Star s) {
  return Index(s) < kMajorStarCount                     ? StarKind::kMajor
         : Index(s) < kMajorStarCount + kMinorStarCount ? StarKind::kMinor
                                                        : StarKind::kOther;
}
constexpr std::u16string_view StarName(Star s) { return kStarNames[Index(s)]; }

// The seven grades of a major star in a palace, brightest first.
enum class Brightness : uint8_t {
  kNone,          // not graded (stars other than the fourteen)
  kTemple,        // 廟
  kProsperous,    // 旺
  kGained,        // 得 (得地)
  kBeneficial,    // 利 (利益)
  kLevel,         // 平 (平和)
  kUnfavourable,  // 不 (不得地)
  kFallen,        // 陷
};
inline constexpr std::array<std::u16string_view, 8> kBrightnessNames{u"",   u"廟", u"旺", u"得",
                                                                     u"利", u"平", u"不", u"陷"};

// The four transformations of the birth year's stem.
enum class Mutagen : uint8_t {
  kNone,
  kLu,    // 化祿
  kQuan,  // 化權
  kKe,    // 化科
  kJi,    // 化忌
};
inline constexpr std::array<std::u16string_view, 5> kMutagenNames{u"", u"祿", u"權", u"科", u"忌"};

// The twelve palaces in the order they are laid out from 命宮, one branch
// back (counter-clockwise on the chart) each.
inline constexpr int kSicknessPalace = 5;  // 疾厄
inline constexpr int kFriendsPalace = 7;   // 僕役, also called 交友
inline constexpr std::array<std::u16string_view, 12> kPalaceNames{u"命宮", u"兄弟", u"夫妻", u"子女", u"財帛", u"疾厄",
                                                                  u"遷移", u"僕役", u"官祿", u"田宅", u"福德", u"父母"};

// The twelve stages of life, laid from the 五行局's 長生 branch.
inline constexpr std::array<std::u16string_view, 12> kChangshengNames{
    u"長生", u"沐浴", u"冠帶", u"臨官", u"帝旺", u"衰", u"病", u"死", u"墓", u"絕", u"胎", u"養"};

// The twelve 博士 spirits, laid from 祿存.
inline constexpr std::array<std::u16string_view, 12> kBoshiNames{u"博士", u"力士", u"青龍", u"小耗", u"將軍", u"奏書",
                                                                 u"飛廉", u"喜神", u"病符", u"大耗", u"伏兵", u"官府"};

// The palace names, one character each, as a chart writes the palaces of a
// 大限 (大命, 大兄 …) or a 流年 (年命, 年兄 …) beside the natal ones.
inline constexpr std::array<std::u16string_view, 12> kPalaceShortNames{u"命", u"兄", u"夫", u"子", u"財", u"疾",
                                                                       u"遷", u"僕", u"官", u"田", u"福", u"父"};

// The twelve 將前 spirits, laid forward from 將星.
inline constexpr std::array<std::u16string_view, 12> kJiangqianNames{
    u"將星", u"攀鞍", u"歲驛", u"息神", u"華蓋", u"劫煞", u"災煞", u"天煞", u"指背", u"咸池", u"月煞", u"亡神"};
// The twelve 歲前 spirits, laid forward from 歲建 on the year's branch.
inline constexpr std::array<std::u16string_view, 12> kSuiqianNames{
    u"歲建", u"晦氣", u"喪門", u"貫索", u"官符", u"小耗", u"大耗", u"龍德", u"白虎", u"天德", u"弔客", u"病符"};

// The stars a flowing year (流年) places by its own stem and branch.
enum class FlowingStar : uint8_t {
  kKui,      // 流魁
  kYue,      // 流鉞
  kChang,    // 流昌
  kQu,       // 流曲
  kLu,       // 流祿
  kYang,     // 流羊
  kTuo,      // 流陀
  kMa,       // 流馬
  kLuan,     // 流鸞
  kXi,       // 流喜
  kNianJie,  // 年解 of the flowing year
};
inline constexpr int kFlowingStarCount = static_cast<int>(FlowingStar::kNianJie) + 1;
inline constexpr std::array<std::u16string_view, kFlowingStarCount> kFlowingStarNames{
    u"流魁", u"流鉞", u"流昌", u"流曲", u"流祿", u"流羊", u"流陀", u"流馬", u"流鸞", u"流喜", u"年解"};
constexpr std::u16string_view FlowingStarName(FlowingStar s) { return kFlowingStarNames[static_cast<size_t>(s)]; }

}  // namespace lunisol
