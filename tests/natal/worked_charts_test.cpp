// Three charts worked by hand from the rules, palace by palace, before the
// program was asked. Each palace is written as: name, stem and branch, body
// palace, major stars (with brightness and transformation), minor stars,
// other stars, 長生 and 博士 spirits, 大限 and the first 小限 age.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "calendar/tables.h"
#include "calendar/text.h"
#include "natal/chart.h"

namespace lunisol {
namespace {

struct Palace {
  const char* name;
  const char* pillar;
  bool body;
  const char* major;
  const char* minor;
  const char* other;
  const char* changsheng;
  const char* boshi;
  int from, to, minorAge;
};

struct Worked {
  Birth birth;
  int lunarYear, lunarMonth, lunarDay;
  const char* bureau;
  const char* soulStar;
  const char* bodyStar;
  std::array<Palace, 12> palaces;
};

template <size_t N>
std::string Names(const StarList<N>& stars, bool graded) {
  std::u16string s;
  for (const PlacedStar& p : stars) {
    if (!s.empty()) s += u' ';
    s += StarName(p.star);
    if (graded) s += kBrightnessNames[static_cast<size_t>(p.brightness)];
    s += kMutagenNames[static_cast<size_t>(p.mutagen)];
  }
  return ToUtf8(s);
}

void ExpectChart(const Worked& w) {
  const std::optional<NatalChart> c = ComputeChart(w.birth);
  ASSERT_TRUE(c.has_value());
  EXPECT_EQ(c->lunarYear, w.lunarYear);
  EXPECT_EQ(c->lunarMonth, w.lunarMonth);
  EXPECT_EQ(c->lunarDay, w.lunarDay);
  EXPECT_EQ(ToUtf8(BureauName(c->bureau)), w.bureau);
  EXPECT_EQ(ToUtf8(StarName(c->soulStar)), w.soulStar);
  EXPECT_EQ(ToUtf8(StarName(c->bodyStar)), w.bodyStar);
  for (size_t i = 0; i < 12; ++i) {
    const ChartPalace& p = c->palaces[i];
    const Palace& e = w.palaces[i];
    SCOPED_TRACE(e.name);
    EXPECT_EQ(ToUtf8(kPalaceNames[i]), e.name);
    EXPECT_EQ(ToUtf8(kStemNames[static_cast<size_t>(p.stem)]) + ToUtf8(kBranchNames[static_cast<size_t>(p.branch)]),
              e.pillar);
    EXPECT_EQ(p.isBodyPalace, e.body);
    EXPECT_EQ(Names(p.majorStars, true), e.major);
    EXPECT_EQ(Names(p.minorStars, false), e.minor);
    EXPECT_EQ(Names(p.otherStars, false), e.other);
    EXPECT_EQ(ToUtf8(kChangshengNames[static_cast<size_t>(p.changsheng)]), e.changsheng);
    EXPECT_EQ(ToUtf8(kBoshiNames[static_cast<size_t>(p.boshi)]), e.boshi);
    EXPECT_EQ(p.decadalFrom, e.from);
    EXPECT_EQ(p.decadalTo, e.to);
    EXPECT_EQ(p.minorLimitAge, e.minorAge);
  }
}

// 2000-08-16 at the 寅 hour, a woman. The calendar gives 庚辰年 七月十七.
// 命宮: 寅 counted forward to the 7th month is 申, back two hours 午; 身宮 two
// hours forward from 申, 戌. 庚 year: 五虎遁 戊寅, so 午 is 壬午, 楊柳木: 木三局.
// 紫微: 17 + 1 = 18 = 3 × 6, six from 寅 is 未, one borrowed (odd) steps back:
// 午. 天機 巳, 太陽 卯, 武曲 寅, 天同 丑, 廉貞 戌; 天府 mirrors 午 to 戌, then 太陰
// 亥, 貪狼 子, 巨門 丑, 天相 寅, 天梁 卯, 七殺 辰, 破軍 申. 庚: 太陽祿 武曲權 太陰科
// 天同忌. Month 7: 左輔 戌, 右弼 辰, 天刑 卯, 天姚 未, 解神 天巫 陰煞 寅, 天月 亥.
// Hour 寅: 文昌 申, 文曲 午, 地劫 丑, 地空 酉, 台輔 申, 封誥 辰. 庚: 祿存 申 (羊 酉,
// 陀 未), 魁 丑, 鉞 未, 天官 亥, 天福 午, 截空 午 (yang) and 副截 未. 辰 year: 天馬
// 寅, 火星 寅+2 辰, 鈴星 戌+2 子, 紅鸞 亥, 天喜 巳, 龍池 申, 鳳閣 午, 天哭 寅, 天虛
// 戌, 孤辰 巳, 寡宿 丑, 蜚廉 午, 破碎 丑, 華蓋 辰, 咸池 酉, 天德 丑, 月德 酉, 天空 巳,
// 年解 戌 back four: 午; 天廚 of 庚 寅;
// 庚辰 is in the 甲戌旬, void 申酉: 旬空 申, 副旬 酉. Day 17: 三台 戌+16 寅, 八座
// 辰−16 子, 恩光 申+15 亥, 天貴 午+15 酉. 天才 午+4 戌, 天壽 戌+4 寅. 天傷 in 僕役
// 亥, 天使 in 疾厄 丑. 陽女 runs backward: 長生 from 亥 (木) back, 博士 from 申
// back, 大限 3–12 in 命宮 then 兄弟. 小限 of a 辰 year starts in 戌, back for a
// woman. 命主 of 午 破軍, 身主 of 辰 文昌.
const Worked kGirl2000{
    {2000, 8, 16, 2, Sex::kFemale},
    2000,
    7,
    17,
    "木三局",
    "破軍",
    "文昌",
    {{
        {"命宮", "壬午", false, "紫微廟", "文曲", "年解 鳳閣 蜚廉 截空 天福", "衰", "青龍", 3, 12, 5},
        {"兄弟", "辛巳", false, "天機平", "", "天喜 孤辰 天空", "病", "小耗", 13, 22, 6},
        {"夫妻", "庚辰", false, "七殺廟", "右弼 火星", "封誥 華蓋", "死", "將軍", 23, 32, 7},
        {"子女", "己卯", false, "太陽廟祿 天梁廟", "", "天刑", "墓", "奏書", 33, 42, 8},
        {"財帛", "戊寅", false, "武曲得權 天相廟", "天馬", "解神 天巫 陰煞 三台 天哭 天壽 天廚", "絕", "飛廉", 43, 52,
         9},
        {"疾厄", "己丑", false, "天同不忌 巨門不", "天魁 地劫", "寡宿 破碎 天德 天使", "胎", "喜神", 53, 62, 10},
        {"遷移", "戊子", false, "貪狼旺", "鈴星", "八座", "養", "病符", 63, 72, 11},
        {"僕役", "丁亥", false, "太陰廟科", "", "紅鸞 天月 恩光 天傷 天官", "長生", "大耗", 73, 82, 12},
        {"官祿", "丙戌", true, "廉貞利 天府廟", "左輔", "天虛 天才", "沐浴", "伏兵", 83, 92, 1},
        {"田宅", "乙酉", false, "", "擎羊 地空", "天貴 咸池 月德 副旬", "冠帶", "官府", 93, 102, 2},
        {"福德", "甲申", false, "破軍得", "文昌 祿存", "台輔 龍池 旬空", "臨官", "博士", 103, 112, 3},
        {"父母", "癸未", false, "", "天鉞 陀羅", "天姚 副截", "帝旺", "力士", 113, 122, 4},
    }}};

// 1984-02-02 at the 子 hour, a man: 甲子年 正月初一, the first hour of the year.
// 命宮 and 身宮 both 寅 (month 1, hour 子). 甲 year: 丙寅, 爐中火: 火六局. 紫微:
// 1 + 5 = 6, one from 寅 is 寅, five borrowed (odd) steps back: 酉. 天機 申, 太陽
// 午, 武曲 巳, 天同 辰, 廉貞 丑; 天府 未, 太陰 申, 貪狼 酉, 巨門 戌, 天相 亥, 天梁 子,
// 七殺 丑, 破軍 巳. 甲: 廉貞祿 破軍權 武曲科 太陽忌. Month 1: 左輔 辰, 右弼 戌, 天刑
// 酉, 天姚 丑, 解神 申, 天巫 巳, 天月 戌, 陰煞 寅. Hour 子: 文昌 戌, 文曲 辰, 地空
// 地劫 亥, 台輔 午, 封誥 寅. 甲: 祿存 寅 (羊 卯, 陀 丑), 魁 丑, 鉞 未, 天官 未, 天福
// 酉, 截空 申, 副截 酉. 子 year: 天馬 寅, 火星 寅, 鈴星 戌, 紅鸞 卯, 天喜 酉, 龍池 辰,
// 鳳閣 戌, 天哭 天虛 午, 孤辰 寅, 寡宿 戌, 蜚廉 申, 破碎 巳, 華蓋 辰, 咸池 酉, 天德
// 酉, 月德 巳, 天空 丑, 年解 戌; 天廚 of 甲 巳; 甲子旬 voids 戌亥: 旬空 戌, 副旬 亥. Day 1: 三台 辰, 八座 戌,
// 恩光 酉, 天貴 卯. 天才 天壽 寅. 天傷 僕役 未, 天使 疾厄 酉. 陽男 runs forward:
// 長生 from 寅 (火), 博士 from 寅, 大限 6–15 then 父母. 小限 of a 子 year from 戌,
// forward for a man. 命主 of 寅 祿存, 身主 of 子 火星.
const Worked kBoy1984{
    {1984, 2, 2, 0, Sex::kMale},
    1984,
    1,
    1,
    "火六局",
    "祿存",
    "火星",
    {{
        {"命宮", "丙寅", true, "", "祿存 天馬 火星", "陰煞 封誥 孤辰 天才 天壽", "長生", "博士", 6, 15, 5},
        {"兄弟", "丁丑", false, "廉貞利祿 七殺廟", "天魁 陀羅", "天姚 天空", "養", "官府", 116, 125, 4},
        {"夫妻", "丙子", false, "天梁廟", "", "", "胎", "伏兵", 106, 115, 3},
        {"子女", "乙亥", false, "天相得", "地空 地劫", "副旬", "絕", "大耗", 96, 105, 2},
        {"財帛", "甲戌", false, "巨門陷", "右弼 文昌 鈴星", "年解 天月 八座 鳳閣 寡宿 旬空", "墓", "病符", 86, 95, 1},
        {"疾厄", "癸酉", false, "紫微旺 貪狼利", "", "天喜 天刑 恩光 咸池 天德 副截 天使 天福", "死", "喜神", 76, 85,
         12},
        {"遷移", "壬申", false, "天機得 太陰利", "", "解神 蜚廉 截空", "病", "飛廉", 66, 75, 11},
        {"僕役", "辛未", false, "天府廟", "天鉞", "天傷 天官", "衰", "奏書", 56, 65, 10},
        {"官祿", "庚午", false, "太陽旺忌", "", "台輔 天哭 天虛", "帝旺", "將軍", 46, 55, 9},
        {"田宅", "己巳", false, "武曲平科 破軍平權", "", "天巫 破碎 月德 天廚", "臨官", "小耗", 36, 45, 8},
        {"福德", "戊辰", false, "天同平", "左輔 文曲", "三台 龍池 華蓋", "冠帶", "青龍", 26, 35, 7},
        {"父母", "丁卯", false, "", "擎羊", "紅鸞 天貴", "沐浴", "力士", 16, 25, 6},
    }}};

// 2023-04-10 at the 亥 hour, a woman: 癸卯年 閏二月二十, the second half of a
// leap month, so month 3. 命宮: 辰 back eleven hours, 巳; 身宮 forward eleven, 卯.
// 癸 year: 甲寅, so 巳 is 丁巳, 沙中土: 土五局. 紫微: 20 = 5 × 4, four from 寅: 巳.
// 天機 辰, 太陽 寅, 武曲 丑, 天同 子, 廉貞 酉; 天府 亥, 太陰 子, 貪狼 丑, 巨門 寅, 天相
// 卯, 天梁 辰, 七殺 巳, 破軍 酉. 癸: 破軍祿 巨門權 太陰科 貪狼忌. Month 3: 左輔 午,
// 右弼 申, 天刑 亥, 天姚 卯, 解神 戌, 天巫 寅, 天月 辰, 陰煞 戌. Hour 亥: 文昌 亥, 文曲
// 卯, 地劫 戌, 地空 子, 台輔 巳, 封誥 丑. 癸: 祿存 子 (羊 丑, 陀 亥), 魁 卯, 鉞 巳, 天官
// 午, 天福 巳; 截空 of 戊癸 is 子丑, yin year: 截空 丑, 副截 子. 卯 year: 天馬 巳,
// 火星 酉+11 申, 鈴星 戌+11 酉, 紅鸞 子, 天喜 午, 龍池 鳳閣 未, 天哭 卯, 天虛 酉, 孤辰
// 巳, 寡宿 丑, 蜚廉 巳, 破碎 巳, 華蓋 未, 咸池 子, 天德 子, 月德 申, 天空 辰, 年解
// 戌 back three: 未; 天廚 of 癸 亥; 癸卯 is in
// the 甲午旬, void 辰巳: 旬空 巳, 副旬 辰. Day 20: 三台 午+19 丑, 八座 申−19 丑, 恩光
// 亥+18 巳, 天貴 卯+18 酉. 天才 巳+3 申, 天壽 卯+3 午. 天傷 僕役 戌, 天使 疾厄 子.
// 陰女 runs forward: 長生 from 申 (土), 博士 from 子, 大限 5–14 then 父母. 小限 of a
// 卯 year from 丑, back for a woman. 命主 of 巳 武曲, 身主 of 卯 天同.
const Worked kGirl2023{
    {2023, 4, 10, 11, Sex::kFemale},
    2023,
    -2,
    20,
    "土五局",
    "武曲",
    "天同",
    {{
        {"命宮", "丁巳", false, "紫微旺 七殺平", "天鉞 天馬", "台輔 恩光 孤辰 蜚廉 破碎 旬空 天福", "絕", "奏書", 5, 14,
         9},
        {"兄弟", "丙辰", false, "天機利 天梁廟", "", "天月 副旬 天空", "墓", "將軍", 115, 124, 10},
        {"夫妻", "乙卯", true, "天相陷", "文曲 天魁", "天姚 天哭", "死", "小耗", 105, 114, 11},
        {"子女", "甲寅", false, "太陽旺 巨門廟權", "", "天巫", "病", "青龍", 95, 104, 12},
        {"財帛", "乙丑", false, "武曲廟 貪狼廟忌", "擎羊", "封誥 三台 八座 寡宿 截空", "衰", "力士", 85, 94, 1},
        {"疾厄", "甲子", false, "天同旺 太陰廟科", "祿存 地空", "紅鸞 咸池 天德 副截 天使", "帝旺", "博士", 75, 84, 2},
        {"遷移", "癸亥", false, "天府得", "文昌 陀羅", "天刑 天廚", "臨官", "官府", 65, 74, 3},
        {"僕役", "壬戌", false, "", "地劫", "解神 陰煞 天傷", "冠帶", "伏兵", 55, 64, 4},
        {"官祿", "辛酉", false, "廉貞平 破軍陷祿", "鈴星", "天貴 天虛", "沐浴", "大耗", 45, 54, 5},
        {"田宅", "庚申", false, "", "右弼 火星", "月德 天才", "長生", "病符", 35, 44, 6},
        {"福德", "己未", false, "", "", "年解 龍池 鳳閣 華蓋", "養", "喜神", 25, 34, 7},
        {"父母", "戊午", false, "", "左輔", "天喜 天壽 天官", "胎", "飛廉", 15, 24, 8},
    }}};

TEST(WorkedCharts, GirlBornAtTheTigerHourIn2000) { ExpectChart(kGirl2000); }
TEST(WorkedCharts, BoyBornAtTheFirstHourOf1984) { ExpectChart(kBoy1984); }
TEST(WorkedCharts, GirlBornInTheSecondHalfOfALeapMonth) { ExpectChart(kGirl2023); }

}  // namespace
}  // namespace lunisol
