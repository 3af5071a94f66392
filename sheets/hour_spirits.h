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
  // 吉神: the 黃道 among the twelve hour spirits (青龍 明堂 金匱 天德 玉堂 司命),
  kQingLong,
  kMingTang,
  kJinKui,
  kTianDe,
  kYuTang,
  kSiMing,
  // 大進 功曹 天官 天廚 驛馬 福星 臨官 喜神 日祿 比肩 福德 寶光 貴人 天乙 羅紋
  kDaJin,
  kGongCao,
  kTianGuan,
  kTianChu,
  kYiMa,
  kFuXing,
  kLinGuan,
  kXiShen,
  kRiLu,
  kBiJian,
  kFuDe,
  kBaoGuang,
  kGuiRen,
  kTianYi,
  kLuoWen,
  // 交貴 六合 武曲 三合 長生 帝旺 五合 國印 文昌 金輿 天喜 華蓋
  kJiaoGui,
  kLiuHe,
  kWuQu,
  kSanHe,
  kChangSheng,
  kDiWang,
  kWuHe,
  kGuoYin,
  kWenChang,
  kJinYu,
  kTianXi,
  kHuaGai,
  // 凶煞: 日建 日破 天兵 地兵 雷兵, the 黑道 (天刑 朱雀 白虎 天牢 玄武 勾陳),
  kRiJian,
  kRiPo,
  kTianBing,
  kDiBing,
  kLeiBing,
  kTianXing,
  kZhuQue,
  kBaiHu,
  kTianLao,
  kXuanWu,
  kGouChen,
  // 六戊 日刑 日害 羊刃 劫煞 亡神 寡宿 咸池 旬空 路空
  kLiuWu,
  kRiXing,
  kRiHai,
  kYangRen,
  kJieSha,
  kWangShen,
  kGuaSu,
  kXianChi,
  kXunKong,
  kLuKong,
  // and the remedy that closes the list on a 白虎 hour (麒麟符) or a 朱雀 hour (鳳凰符).
  kTigerRemedy,
  kBirdRemedy,
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
