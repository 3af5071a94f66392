// Writes sheets/data/hour_spirits_table.cpp: the auspicious and inauspicious
// spirits (吉神 / 凶煞) ruling each of the twelve hours of each of the sixty
// day pillars, 720 texts in all, index 12 × day + hour.
//
// Build and run from the repository root (standard library only, kept out of
// the CMake build on purpose — the table is committed, not built):
//   g++ -std=c++20 tools/gen_hour_spirits.cpp -o /tmp/gen_hour_spirits &&
//   /tmp/gen_hour_spirits sheets/data/hour_spirits_table.cpp
//
// Hand-typing 720 lines invites slips, so every entry is derived from the one
// rule set below. The program is deterministic: running it again reproduces
// the committed file byte for byte. A summary goes to stderr.
//
// Notation: the day is the cycle index d (0 = 甲子) with stem D = d % 10 and
// branch B = d % 12; the hour is the branch k (0 = 子) with stem
// H = (2 × (D % 5) + k) % 10 (甲/己 days start at 甲子, 乙/庚 at 丙子, 丙/辛 at
// 戊子, 丁/壬 at 庚子, 戊/癸 at 壬子). The "main qi" of a branch is the stem it
// stores first: 子癸 丑己 寅甲 卯乙 辰戊 巳丙 午丁 未己 申庚 酉辛 戌戊 亥壬.
// A 三合 frame is one of 申子辰, 巳酉丑, 寅午戌, 亥卯未. Places of an element
// (長生, 冠帶, 臨官, 帝旺) are reckoned the yang way for both stems of the
// element, earth following fire: 長生 wood 亥 / fire, earth 寅 / metal 巳 /
// water 申, and onward.
//
// Auspicious spirits, printed in this order:
//   1. The hour's 黃道 spirit. The twelve hour spirits 青龍 明堂 天刑 朱雀 金匱
//      天德 白虎 玉堂 天牢 玄武 司命 勾陳 follow the hours in order; 青龍 sits
//      on 申 for 子/午 days, 戌 for 丑/未, 子 for 寅/申, 寅 for 卯/酉, 辰 for
//      辰/戌 and 午 for 巳/亥 days. 青龍 明堂 金匱 天德 玉堂 司命 are 黃道 and
//      head the good list; the other six are 黑道 and go to the bad list.
//   2. 天官  the hour branch is the 祿 of the day stem's 正官 (甲→辛→酉,
//            丙→癸→子, …).
//   3. 天廚  the hour branch's main qi is the 正印 of the day branch's main qi:
//            the hour feeds the day (寅 day → 子, 子 day → 申).
//   4. 驛馬  申子辰 days → 寅, 巳酉丑 → 亥, 寅午戌 → 申, 亥卯未 → 巳.
//   5. 福星  甲寅 乙丑 丙子 丁亥 戊申 己未 庚午 辛巳 壬辰 癸卯 (day stem, hour).
//   6. 臨官  the 臨官 place of the day stem's element (寅 巳 巳 申 亥).
//   7. 喜神  甲己 days → 寅, 乙庚 → 戌, 丙辛 → 申, 丁壬 → 午, 戊癸 → 辰.
//   8. 日祿  the day stem's 祿: 甲寅 乙卯 丙巳 丁午 戊巳 己午 庚申 辛酉 壬亥 癸子.
//   9. 大進  the hour branch's main qi is the 正印 of the day stem.
//  10. 比肩  the hour stem is the day stem.
//  11. 福德  the hour branch is the cardinal (子 酉 午 卯) of the day's frame.
//  12. 功曹  the hour branch's main qi is the 正財 of the day stem.
//  13. 寶光  the 天德 hour, printed again under its other name.
//  14. 貴人  either 天乙貴人 branch of the day stem (甲戊庚牛羊, 乙己鼠猴鄉,
//            丙丁豬雞位, 壬癸蛇兔藏, 六辛逢馬虎).
//  15. 天乙  the first-named of those two branches (甲 丑, 乙 子, 丙 亥, …).
//  16. 羅紋  the hour branch's main qi combines with the day stem (甲己 乙庚
//            丙辛 丁壬 戊癸).
//  17. 交貴  the hour branch is a 貴人 of the day stem and the day branch a
//            貴人 of the hour stem.
//  18. 六合  子丑 寅亥 卯戌 辰酉 巳申 午未 (day branch, hour branch).
//  19. 三合  the hour branch shares the day branch's frame (other than itself).
//  20. 武曲  the 冠帶 place of the day stem's element (丑 辰 辰 未 戌).
//  21. 長生  the 長生 place of the day stem's element (亥 寅 寅 巳 申).
//  22. 帝旺  the 帝旺 place of the day stem's element (卯 午 午 酉 子).
//  23. 五合  the hour stem combines with the day stem.
//  24. 國印  甲戌 乙亥 丙丑 丁寅 戊丑 己寅 庚辰 辛巳 壬未 癸申.
//  25. 文昌  甲巳 乙午 丙申 丁酉 戊申 己酉 庚亥 辛子 壬寅 癸卯.
//  26. 金輿  甲辰 乙巳 丙未 丁申 戊未 己申 庚戌 辛亥 壬丑 癸寅.
//  27. 天喜  子酉 丑申 寅未 卯午 辰巳 巳辰 午卯 未寅 申丑 酉子 戌亥 亥戌.
//  28. 華蓋  the last branch of the day's frame (辰 丑 戌 未).
//  29. 太陽 (卯..申) or 太陰 (酉..寅), the light of the hour: a weak blessing
//      named only when nothing else speaks for the hour — when the good list is
//      otherwise empty, or when the entry would carry a single name in all.
//
// Inauspicious spirits, printed in this order:
//   1. 日建  the hour branch is the day branch.
//   2. 日破  the hour branch is opposite the day branch.
//   3. 天兵 / 地兵 / 雷兵 from the hour pillar's 納音: 霹靂火 (戊子 己丑) gives
//      雷兵, any other fire 納音 天兵, any earth 納音 地兵.
//   4. The hour's 黑道 spirit (天刑 朱雀 白虎 天牢 玄武 勾陳).
//   5. 六戊  the hour stem is 戊.
//   6. 日刑  子卯 丑戌 寅巳 卯子 巳申 未丑 申寅 戌未; the self-punishing days
//            (辰 午 酉 亥) are already marked by their 日建.
//   7. 日害  子未 丑午 寅巳 卯辰 申亥 酉戌.
//   8. 不遇  the hour branch's main qi is the 七殺 of the day stem.
//   9. 羊刃  甲卯 乙辰 丙午 丁未 戊午 己未 庚酉 辛戌 壬子 癸丑.
//  10. 劫煞  申子辰 days → 巳, 巳酉丑 → 寅, 寅午戌 → 亥, 亥卯未 → 申.
//  11. 亡神  申子辰 days → 亥, 巳酉丑 → 申, 寅午戌 → 巳, 亥卯未 → 寅.
//  12. 寡宿  亥子丑 days → 戌, 寅卯辰 → 丑, 巳午未 → 辰, 申酉戌 → 未.
//  13. 咸池  申子辰 days → 酉, 巳酉丑 → 午, 寅午戌 → 卯, 亥卯未 → 子.
//  14. 大退  the hour branch's main qi is the 偏印 of the day stem.
//  15. 五鬼  four branches after the day branch.
//  16. 病符  the branch before the day branch.
//  17. 旬空  the two void branches of the day's ten-day week (甲子旬 戌亥, …).
//  18. 路空  截路空亡: 甲己 days 申酉, 乙庚 午未, 丙辛 辰巳, 丁壬 寅卯, 戊癸 子丑.
//  19. On a 白虎 hour the list closes with the 麒麟符 remedy, on a 朱雀 hour
//      with the 鳳凰符 remedy.
//
// Text: "吉神 ：" + good names joined by " ，" + " ，凶煞" + " ：" + bad names
// joined by " ，". An hour without any bad spirit ends at the label; the old
// almanac typeset it "凶煞:" on yang-stem days and bare on yin-stem days.
//
// The column holds 14 to 64 characters. When an entry would run longer, good
// names are dropped from the end of the list (never the 黃道 spirit) until it
// fits; bad names are never dropped, the warnings matter more. An entry that
// still does not fit stops the program.

#include <algorithm>
#include <array>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr std::array<const char*, 10> kStems{"甲", "乙", "丙", "丁", "戊",
                                             "己", "庚", "辛", "壬", "癸"};
constexpr std::array<const char*, 12> kBranches{"子", "丑", "寅", "卯", "辰", "巳",
                                                "午", "未", "申", "酉", "戌", "亥"};

constexpr std::array<const char*, 12> kTwelveSpirits{
    "青龍", "明堂", "天刑", "朱雀", "金匱", "天德",
    "白虎", "玉堂", "天牢", "玄武", "司命", "勾陳"};
constexpr std::array<bool, 12> kYellowPath{true,  true,  false, false, true,  true,
                                           false, true,  false, false, true,  false};
constexpr int kVermilionBird = 3;
constexpr int kHeavenlyVirtue = 5;
constexpr int kWhiteTiger = 6;
// Where 青龍 sits, by day branch % 6.
constexpr std::array<int, 6> kAzureDragonHour{8, 10, 0, 2, 4, 6};

constexpr size_t kShortest = 14;
constexpr size_t kLongest = 64;

int Mod(int a, int m) { return ((a % m) + m) % m; }

// Element of a stem: 0 wood, 1 fire, 2 earth, 3 metal, 4 water.
int StemElement(int stem) { return stem / 2; }
bool StemYang(int stem) { return stem % 2 == 0; }

// The stem of the element `shift` steps along the producing cycle from
// `stem`'s, with the same or the opposite polarity.
int Related(int stem, int shift, bool samePolarity) {
  const int element = Mod(StemElement(stem) + shift, 5);
  return element * 2 + ((StemYang(stem) == samePolarity) ? 0 : 1);
}
int DirectSeal(int stem) { return Related(stem, -1, false); }      // 正印
int IndirectSeal(int stem) { return Related(stem, -1, true); }     // 偏印
int DirectWealth(int stem) { return Related(stem, 2, false); }     // 正財
int DirectOfficer(int stem) { return Related(stem, -2, false); }   // 正官
int SevenKillings(int stem) { return Related(stem, -2, true); }    // 七殺
int Partner(int stem) { return (stem + 5) % 10; }                  // 五合

constexpr std::array<int, 12> kMainQi{9, 5, 0, 1, 4, 2, 3, 5, 6, 7, 4, 8};

// By day stem.
constexpr std::array<int, 10> kSalary{2, 3, 5, 6, 5, 6, 8, 9, 11, 0};
constexpr std::array<int, 10> kLuckyStar{2, 1, 0, 11, 8, 7, 6, 5, 4, 3};
constexpr std::array<int, 10> kStateSeal{10, 11, 1, 2, 1, 2, 4, 5, 7, 8};
constexpr std::array<int, 10> kLiterary{5, 6, 8, 9, 8, 9, 11, 0, 2, 3};
constexpr std::array<int, 10> kGoldCarriage{4, 5, 7, 8, 7, 8, 10, 11, 1, 2};
constexpr std::array<int, 10> kBlade{3, 4, 6, 7, 6, 7, 9, 10, 0, 1};
// 天乙貴人: the first-named branch, then the second.
constexpr std::array<std::array<int, 2>, 10> kNoble{{{1, 7}, {0, 8}, {11, 9}, {11, 9}, {1, 7},
                                                   {0, 8}, {1, 7}, {6, 2}, {5, 3}, {5, 3}}};
// By day stem % 5: 喜神, and the first of the two 截路空亡 branches.
constexpr std::array<int, 5> kJoyHour{2, 10, 8, 6, 4};
constexpr std::array<int, 5> kRoadVoid{8, 6, 4, 2, 0};
// Places of the day stem's element.
constexpr std::array<int, 5> kBirthPlace{11, 2, 2, 5, 8};
constexpr std::array<int, 5> kCapPlace{1, 4, 4, 7, 10};
constexpr std::array<int, 5> kOfficePlace{2, 5, 5, 8, 11};
constexpr std::array<int, 5> kPeakPlace{3, 6, 6, 9, 0};
// By the day branch's frame (branch % 4: 申子辰, 巳酉丑, 寅午戌, 亥卯未).
constexpr std::array<int, 4> kPostHorse{2, 11, 8, 5};
constexpr std::array<int, 4> kFrameCardinal{0, 9, 6, 3};
constexpr std::array<int, 4> kCanopy{4, 1, 10, 7};
constexpr std::array<int, 4> kRobbery{5, 2, 11, 8};
constexpr std::array<int, 4> kLostSpirit{11, 8, 5, 2};
constexpr std::array<int, 4> kPeachBlossom{9, 6, 3, 0};
// By day branch.
constexpr std::array<int, 12> kHarmony{1, 0, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<int, 12> kPunish{3, 10, 5, 0, -1, 8, -1, 1, 2, -1, 7, -1};
constexpr std::array<int, 12> kHarm{7, 6, 5, 4, 3, 2, 1, 0, 11, 10, 9, 8};
constexpr std::array<int, 12> kWidow{10, 10, 1, 1, 1, 4, 4, 4, 7, 7, 7, 10};

// 納音 element of each pair of cycle pillars (index / 2), elements as above.
constexpr std::array<int, 30> kNayinElement{
    3, 1, 0, 2, 3, 1, 4, 2, 3, 0, 4, 2, 1, 0, 4,
    3, 1, 0, 2, 3, 1, 4, 2, 3, 0, 4, 2, 1, 0, 4};
constexpr int kThunderFirePair = 12;  // 戊子 己丑 霹靂火

constexpr const char* kTigerRemedy = "時值 白虎 取諸宜事時須用 麒麟符 制化";
constexpr const char* kBirdRemedy = "時值 朱雀 取諸宜事時須用 鳳凰符 制化";

bool IsNoble(int stem, int branch) {
  return kNoble[stem][0] == branch || kNoble[stem][1] == branch;
}

int CycleIndex(int stem, int branch) { return (6 * stem - 5 * branch + 60) % 60; }

std::string Join(const std::vector<std::string>& names) {
  std::string out;
  for (size_t i = 0; i < names.size(); ++i) {
    if (i > 0) out += " ，";
    out += names[i];
  }
  return out;
}

// UTF-16 length; every character written here is in the BMP.
size_t Units(const std::string& utf8) {
  return static_cast<size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

struct Stats {
  size_t shortest = 1000, longest = 0, under22 = 0, trimmed = 0, lit = 0, noBad = 0;
};

std::string Entry(int d, int k, Stats& stats) {
  const int D = d % 10;
  const int B = d % 12;
  const int H = (2 * (D % 5) + k) % 10;
  const int spirit = Mod(k - kAzureDragonHour[B % 6], 12);
  const int element = StemElement(D);

  std::vector<std::string> good;
  if (kYellowPath[spirit]) good.push_back(kTwelveSpirits[spirit]);
  if (k == kSalary[DirectOfficer(D)]) good.push_back("天官");
  if (kMainQi[k] == DirectSeal(kMainQi[B])) good.push_back("天廚");
  if (k == kPostHorse[B % 4]) good.push_back("驛馬");
  if (k == kLuckyStar[D]) good.push_back("福星");
  if (k == kOfficePlace[element]) good.push_back("臨官");
  if (k == kJoyHour[D % 5]) good.push_back("喜神");
  if (k == kSalary[D]) good.push_back("日祿");
  if (kMainQi[k] == DirectSeal(D)) good.push_back("大進");
  if (H == D) good.push_back("比肩");
  if (k == kFrameCardinal[B % 4]) good.push_back("福德");
  if (kMainQi[k] == DirectWealth(D)) good.push_back("功曹");
  if (spirit == kHeavenlyVirtue) good.push_back("寶光");
  if (IsNoble(D, k)) good.push_back("貴人");
  if (kNoble[D][0] == k) good.push_back("天乙");
  if (kMainQi[k] == Partner(D)) good.push_back("羅紋");
  if (IsNoble(D, k) && IsNoble(H, B)) good.push_back("交貴");
  if (k == kHarmony[B]) good.push_back("六合");
  if (k != B && k % 4 == B % 4) good.push_back("三合");
  if (k == kCapPlace[element]) good.push_back("武曲");
  if (k == kBirthPlace[element]) good.push_back("長生");
  if (k == kPeakPlace[element]) good.push_back("帝旺");
  if (H == Partner(D)) good.push_back("五合");
  if (k == kStateSeal[D]) good.push_back("國印");
  if (k == kLiterary[D]) good.push_back("文昌");
  if (k == kGoldCarriage[D]) good.push_back("金輿");
  if (k == Mod(9 - B, 12)) good.push_back("天喜");
  if (k == kCanopy[B % 4]) good.push_back("華蓋");

  std::vector<std::string> bad;
  if (k == B) bad.push_back("日建");
  if (k == (B + 6) % 12) bad.push_back("日破");
  const int pair = CycleIndex(H, k) / 2;
  if (pair == kThunderFirePair) {
    bad.push_back("雷兵");
  } else if (kNayinElement[pair] == 1) {
    bad.push_back("天兵");
  } else if (kNayinElement[pair] == 2) {
    bad.push_back("地兵");
  }
  if (!kYellowPath[spirit]) bad.push_back(kTwelveSpirits[spirit]);
  if (H == 4) bad.push_back("六戊");
  if (k == kPunish[B]) bad.push_back("日刑");
  if (k == kHarm[B]) bad.push_back("日害");
  if (kMainQi[k] == SevenKillings(D)) bad.push_back("不遇");
  if (k == kBlade[D]) bad.push_back("羊刃");
  if (k == kRobbery[B % 4]) bad.push_back("劫煞");
  if (k == kLostSpirit[B % 4]) bad.push_back("亡神");
  if (k == kWidow[B]) bad.push_back("寡宿");
  if (k == kPeachBlossom[B % 4]) bad.push_back("咸池");
  if (kMainQi[k] == IndirectSeal(D)) bad.push_back("大退");
  if (k == (B + 4) % 12) bad.push_back("五鬼");
  if (k == (B + 11) % 12) bad.push_back("病符");
  const int voidFirst = Mod(d - D + 10, 12);  // from the week's 甲 day
  if (k == voidFirst || k == (voidFirst + 1) % 12) bad.push_back("旬空");
  if (k == kRoadVoid[D % 5] || k == kRoadVoid[D % 5] + 1) bad.push_back("路空");
  const bool remedy = spirit == kWhiteTiger || spirit == kVermilionBird;
  if (spirit == kWhiteTiger) bad.push_back(kTigerRemedy);
  if (spirit == kVermilionBird) bad.push_back(kBirdRemedy);

  const size_t names = good.size() + bad.size() - (remedy ? 1 : 0);
  if (good.empty() || names < 2) {
    good.push_back(k >= 3 && k <= 8 ? "太陽" : "太陰");
    ++stats.lit;
  }

  auto compose = [&] {
    std::string text = "吉神 ：" + Join(good) + " ，凶煞";
    if (!bad.empty()) {
      text += " ：" + Join(bad);
    } else if (StemYang(D)) {
      text += ":";
    }
    return text;
  };
  std::string text = compose();
  if (Units(text) > kLongest) ++stats.trimmed;
  while (Units(text) > kLongest && good.size() > 1) {
    good.pop_back();
    text = compose();
  }

  const size_t n = Units(text);
  stats.shortest = std::min(stats.shortest, n);
  stats.longest = std::max(stats.longest, n);
  if (n < 22) ++stats.under22;
  if (bad.empty()) ++stats.noBad;
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " sheets/data/hour_spirits_table.cpp\n";
    return 2;
  }
  Stats stats;
  std::string body;
  for (int d = 0; d < 60; ++d) {
    body += std::string("    // ") + kStems[d % 10] + kBranches[d % 12] + "\n";
    for (int k = 0; k < 12; ++k) {
      const std::string text = Entry(d, k, stats);
      const size_t n = Units(text);
      if (n < kShortest || n > kLongest) {
        std::cerr << kStems[d % 10] << kBranches[d % 12] << " hour " << kBranches[k]
                  << ": " << n << " characters: " << text << "\n";
        return 1;
      }
      body += "    u\"" + text + "\",\n";
    }
  }

  std::ofstream out(argv[1], std::ios::binary);
  out << "// Generated by: g++ -std=c++20 tools/gen_hour_spirits.cpp -o /tmp/gen_hour_spirits"
         " && /tmp/gen_hour_spirits sheets/data/hour_spirits_table.cpp — do not edit\n"
         "// 吉神 and 凶煞 of each hour of each day pillar; index 12 × day + hour.\n"
         "#include \"sheets/tables.h\"\n"
         "\n"
         "namespace lunisol {\n"
         "\n"
         "const std::array<std::u16string_view, 720> kHourSpirits{\n"
      << body
      << "};\n"
         "\n"
         "}  // namespace lunisol\n";
  out.close();
  if (!out) {
    std::cerr << "cannot write " << argv[1] << "\n";
    return 1;
  }
  std::cerr << "720 entries, " << stats.shortest << ".." << stats.longest << " characters, "
            << stats.under22 << " shorter than 22, " << stats.noBad << " without a bad spirit, "
            << stats.lit << " given the hour's light, " << stats.trimmed << " trimmed to fit\n";
  return 0;
}
