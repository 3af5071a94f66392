// The spirits that rule the twelve hours of each day pillar (吉神 and 凶煞),
// as typed sets. tools/gen_hour_spirits.cpp places them by rule and writes
// the table; the text an almanac prints for an hour is made only where it is
// shown.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/vocabulary.h"

namespace lunisol {

// In the order an almanac lists them within each side; the generated table
// checks this order against its own at compile time.
enum class HourSpirit : uint8_t {
  // 吉神: the 黃道 of the twelve hour spirits first, then the others.
  kQingLong,    // 青龍
  kMingTang,    // 明堂
  kJinKui,      // 金匱
  kTianDe,      // 天德
  kYuTang,      // 玉堂
  kSiMing,      // 司命
  kDaJin,       // 大進
  kGongCao,     // 功曹
  kTianGuan,    // 天官
  kTianChu,     // 天廚
  kYiMa,        // 驛馬
  kFuXing,      // 福星
  kLinGuan,     // 臨官
  kXiShen,      // 喜神
  kRiLu,        // 日祿
  kBiJian,      // 比肩
  kFuDe,        // 福德
  kBaoGuang,    // 寶光
  kGuiRen,      // 貴人
  kTianYi,      // 天乙
  kLuoWen,      // 羅紋
  kJiaoGui,     // 交貴
  kLiuHe,       // 六合
  kWuQu,        // 武曲
  kSanHe,       // 三合
  kChangSheng,  // 長生
  kDiWang,      // 帝旺
  kWuHe,        // 五合
  kGuoYin,      // 國印
  kWenChang,    // 文昌
  kJinYu,       // 金輿
  kTianXi,      // 天喜
  kHuaGai,      // 華蓋
  // 凶煞: the 黑道 of the twelve among them; a remedy closes the list.
  kRiJian,       // 日建
  kRiPo,         // 日破
  kTianBing,     // 天兵
  kDiBing,       // 地兵
  kLeiBing,      // 雷兵
  kTianXing,     // 天刑
  kZhuQue,       // 朱雀
  kBaiHu,        // 白虎
  kTianLao,      // 天牢
  kXuanWu,       // 玄武
  kGouChen,      // 勾陳
  kLiuWu,        // 六戊
  kRiXing,       // 日刑
  kRiHai,        // 日害
  kYangRen,      // 羊刃
  kJieSha,       // 劫煞
  kWangShen,     // 亡神
  kGuaSu,        // 寡宿
  kXianChi,      // 咸池
  kXunKong,      // 旬空
  kLuKong,       // 路空
  kTigerRemedy,  // 時值 白虎 …麒麟符 制化
  kBirdRemedy,   // 時值 朱雀 …鳳凰符 制化
};
inline constexpr int kHourSpiritCount = 56;
constexpr bool IsGood(HourSpirit s) { return s < HourSpirit::kRiJian; }

// A set of hour spirits; its members are shown in the enumeration's order.
class HourSpiritSet {
 public:
  constexpr HourSpiritSet() = default;
  constexpr bool Has(HourSpirit s) const { return (bits_ >> static_cast<int>(s)) & 1u; }
  constexpr HourSpiritSet& Add(HourSpirit s) {
    bits_ |= uint64_t{1} << static_cast<int>(s);
    return *this;
  }
  constexpr bool Empty() const { return bits_ == 0; }
  friend constexpr bool operator==(HourSpiritSet, HourSpiritSet) = default;

 private:
  uint64_t bits_ = 0;
};

template <typename... Spirits>
constexpr HourSpiritSet MakeHourSpiritSet(Spirits... spirits) {
  HourSpiritSet set;
  (set.Add(spirits), ...);
  return set;
}

// 12 × (day pillar) + hour branch.
extern const std::array<HourSpiritSet, 720> kHourSpirits;
// The names, in the enumeration's order (the remedies as the whole line).
extern const std::array<std::u16string_view, kHourSpiritCount> kHourSpiritNames;

std::u16string_view Name(HourSpirit s);
HourSpiritSet HourSpiritsOf(Pillar day, Branch hour);

// The hour as the almanac's table prints it: "吉神 ：a ，b ，凶煞 ：c ，d".
// An hour without a good spirit shows the bare label ("吉神 ： ，凶煞…"), one
// without a bad spirit ends at the label, with a colon on the days of a yang
// stem ("凶煞:") and without on the others.
std::u16string PrintedHourSpirits(HourSpiritSet spirits, bool yangDay);
// The names of one side joined with " ，"; empty when it has none.
std::u16string JoinedNames(HourSpiritSet spirits, bool good);

}  // namespace lunisol
