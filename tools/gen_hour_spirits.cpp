// Writes sheets/data/hour_spirits_table.cpp: the auspicious and inauspicious
// spirits (吉神 / 凶煞) ruling each of the twelve hours of each of the sixty
// day pillars, 720 sets in all, index 12 × day + hour.
//
// Build and run from the repository root (standard library only; the table
// is committed, and the test hour_spirits_regenerates keeps it in step):
//   cmake --build build --target lunisol-gen-hour-spirits &&
//   ./build/tools/lunisol-gen-hour-spirits sheets/data/hour_spirits_table.cpp
//
// Hand-typing 720 lines invites slips, so every entry is derived from the
// placement rules below, and only from them: a spirit is named on an hour
// because a rule of the almanac tradition puts it there. Each rule is a fact
// of the form "this spirit falls on this hour of a day with this stem or
// branch". The program is deterministic: running it again reproduces the
// committed file byte for byte. A summary goes to stderr.
//
// Notation: the day is the cycle index d (0 = 甲子) with stem D = d % 10 and
// branch B = d % 12; the hour is the branch k (0 = 子) with stem
// H = (2 × (D % 5) + k) % 10 (甲/己 days start at 甲子, 乙/庚 at 丙子, 丙/辛 at
// 戊子, 丁/壬 at 庚子, 戊/癸 at 壬子). A 三合 frame is one of 申子辰, 巳酉丑,
// 寅午戌, 亥卯未. The places of an element (長生, 臨官, 帝旺) are reckoned by
// the element, the same for both of its stems, earth with fire: 長生 wood 亥,
// fire and earth 寅, metal 巳, water 申, and onward.
//
// Auspicious spirits, printed in this order:
//   1. The hour's 黃道 spirit. The twelve hour spirits 青龍 明堂 天刑 朱雀 金匱
//      天德 白虎 玉堂 天牢 玄武 司命 勾陳 follow the hours in order; 青龍 sits
//      on 申 for 子/午 days, 戌 for 丑/未, 子 for 寅/申, 寅 for 卯/酉, 辰 for
//      辰/戌 and 午 for 巳/亥 days. 青龍 明堂 金匱 天德 玉堂 司命 are 黃道 and
//      head the good list; the other six are 黑道 and go to the bad list.
//   2. 天官  天官貴人, the 祿 of the day stem's 正官: 甲酉 乙申 丙子 丁亥 戊卯
//            己寅 庚午 辛巳 壬午 癸巳.
//   3. 天廚  天廚貴人, the 祿 of the day stem's 食神: 甲巳 乙午 丙巳 丁午 戊申
//            己酉 庚亥 辛子 壬寅 癸卯.
//   4. 驛馬  申子辰 days → 寅, 巳酉丑 → 亥, 寅午戌 → 申, 亥卯未 → 巳.
//   5. 福星  福星貴人, one hour a day stem: 甲寅 乙丑 丙子 丁亥 戊申 己未 庚午
//            辛巳 壬辰 癸卯. The 福星 verse gives 甲 and 丙 both 寅 and 子, 乙
//            and 癸 both 丑 and 卯; 甲 and 丙 take the places the printed 甲子
//            and 丙寅 rows show, 乙 and 癸 follow the same descending order.
//   6. 臨官  the 臨官 place of the day stem's element (寅 巳 巳 申 亥).
//   7. 喜神  the hour of the day's God of Joy: 甲己 days → 寅, 乙庚 → 戌,
//            丙辛 → 申, 丁壬 → 午, 戊癸 → 辰.
//   8. 日祿  the day stem's 祿: 甲寅 乙卯 丙巳 丁午 戊巳 己午 庚申 辛酉 壬亥 癸子.
//   9. 比肩  the hour stem is the day stem.
//  10. 福德  金匱黃道 is also called the 福德 star; named again on the 金匱 hour.
//  11. 寶光  天德黃道 is also called the 寶光 star; named again on the 天德 hour.
//  12. 貴人  either 天乙貴人 branch of the day stem (甲戊庚牛羊, 乙己鼠猴鄉,
//            丙丁豬雞位, 壬癸蛇兔藏, 六辛逢馬虎).
//  13. 天乙  the day-time (晝) 天乙貴人, the branch each line of that verse
//            names first (甲 丑, 乙 子, 丙 亥, …).
//  14. 交貴  mutual nobles: the hour branch is a 貴人 of the day stem and the
//            day branch a 貴人 of the hour stem.
//  15. 六合  子丑 寅亥 卯戌 辰酉 巳申 午未 (day branch, hour branch).
//  16. 三合  the hour branch shares the day branch's frame (other than itself).
//  17. 長生  the 長生 place of the day stem's element (亥 寅 寅 巳 申).
//  18. 帝旺  the 帝旺 place of the day stem's element (卯 午 午 酉 子).
//  19. 五合  the hour stem combines with the day stem (甲己 乙庚 丙辛 丁壬 戊癸).
//  20. 國印  甲戌 乙亥 丙丑 丁寅 戊丑 己寅 庚辰 辛巳 壬未 癸申.
//  21. 文昌  甲巳 乙午 丙申 丁酉 戊申 己酉 庚亥 辛子 壬寅 癸卯.
//  22. 金輿  甲辰 乙巳 丙未 丁申 戊未 己申 庚戌 辛亥 壬丑 癸寅.
//  23. 天喜  子酉 丑申 寅未 卯午 辰巳 巳辰 午卯 未寅 申丑 酉子 戌亥 亥戌.
//  24. 華蓋  the last branch of the day's frame (辰 丑 戌 未).
//
// Inauspicious spirits, printed in this order:
//   1. 日建  the hour branch is the day branch.
//   2. 日破  the hour branch is opposite the day branch.
//   3. The hour's 黑道 spirit (天刑 朱雀 白虎 天牢 玄武 勾陳).
//   4. 六戊  the hour stem is 戊.
//   5. 日刑  子卯 丑戌 寅巳 卯子 巳申 未丑 申寅 戌未; the self-punishing days
//            (辰 午 酉 亥) are already marked by their 日建.
//   6. 日害  子未 丑午 寅巳 卯辰 申亥 酉戌.
//   7. 羊刃  甲卯 乙辰 丙午 丁未 戊午 己未 庚酉 辛戌 壬子 癸丑.
//   8. 劫煞  申子辰 days → 巳, 巳酉丑 → 寅, 寅午戌 → 亥, 亥卯未 → 申.
//   9. 亡神  申子辰 days → 亥, 巳酉丑 → 申, 寅午戌 → 巳, 亥卯未 → 寅.
//  10. 寡宿  亥子丑 days → 戌, 寅卯辰 → 丑, 巳午未 → 辰, 申酉戌 → 未.
//  11. 咸池  申子辰 days → 酉, 巳酉丑 → 午, 寅午戌 → 卯, 亥卯未 → 子.
//  12. 旬空  the two void branches of the day's ten-day week (甲子旬 戌亥, …).
//  13. 路空  截路空亡: 甲己 days 申酉, 乙庚 午未, 丙辛 辰巳, 丁壬 寅卯, 戊癸 子丑.
//  14. On a 白虎 hour the list closes with the 麒麟符 remedy, on a 朱雀 hour
//      with the 鳳凰符 remedy.
//
// Not placed by any rule here, because we know no placement rule for them:
// 大進, 大退, 功曹, 羅紋, 武曲, 五鬼, 病符, 天兵, 地兵, 雷兵. The 五不遇時 is
// left out too: it is tied to the hour stem (the hour stem overcomes the day
// stem), and the printed 甲子 day shows none on its 庚午 hour. Hours are not
// padded with 太陽 or 太陰: those follow the month's sun, not the day pillar.
//
// Five entries are printed rows of the almanac's own table and are kept as
// printed (kPrintedRows below). They name a few spirits beyond the rules
// above; the program checks that the rules give each of these rows exactly,
// less those names, and stops otherwise, so the rules and the printed rows
// never drift apart.
//
// Output: each entry is the set of its spirits (HourSpirit, sheets/hour_spirits.h),
// and the names of the spirits in the enumeration's order, which the file
// checks against the enumeration at compile time. The program also checks
// that listing every entry's set in that order prints the entry exactly as
// the rules (or the printed row) list it, as "吉神 ：" + good names joined by
// " ，" + " ，凶煞" + " ：" + bad names joined by " ，" (the form
// PrintedHourSpirits makes); so a set loses nothing of the almanac's order.
// An hour without any good spirit has no names after "吉神 ："; an hour
// without any bad spirit ends at the label. The almanac's table has both
// "凶煞:" (as on the printed 甲子 row) and the bare label; which goes with
// which day is our choice: "凶煞:" on yang-stem days, the bare label on
// yin-stem days.

#include <algorithm>
#include <array>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr std::array<const char*, 10> kStems{"甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
constexpr std::array<const char*, 12> kBranches{"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};

constexpr std::array<const char*, 12> kTwelveSpirits{"青龍", "明堂", "天刑", "朱雀", "金匱", "天德",
                                                     "白虎", "玉堂", "天牢", "玄武", "司命", "勾陳"};
constexpr std::array<bool, 12> kYellowPath{true,  true, false, false, true, true,
                                           false, true, false, false, true, false};
constexpr int kVermilionBird = 3;
constexpr int kGoldenCasket = 4;
constexpr int kHeavenlyVirtue = 5;
constexpr int kWhiteTiger = 6;
// Where 青龍 sits, by day branch % 6.
constexpr std::array<int, 6> kAzureDragonHour{8, 10, 0, 2, 4, 6};

// The rows of the almanac's printed table, kept as printed, with the names
// they carry beyond the rules above.
struct PrintedRow {
  int day, hour;
  const char* text;
  std::vector<std::string> beyondRules;
};
const std::array<PrintedRow, 5> kPrintedRows{{
    {0, 0, "吉神 ：金匱 ，大進 ，比肩 ，福德 ，凶煞 ：日建", {"大進"}},
    {0, 1, "吉神 ：天德 ，功曹 ，寶光 ，貴人 ，天乙 ，羅紋 ，交貴 ，六合 ，武曲 ，凶煞:", {"功曹", "羅紋", "武曲"}},
    {0,
     2,
     "吉神 ：驛馬 ，福星 ，臨官 ，喜神 ，日祿 ，凶煞 ：天兵 ，白虎 ，"
     "時值 白虎 取諸宜事時須用 麒麟符 制化",
     {"天兵"}},
    {0, 6, "吉神 ：司命 ，凶煞 ：日破 ，地兵", {"地兵"}},
    // 丙 days have their 天廚 on the 巳 hour; this row prints one on 子 too.
    {2, 0, "吉神 ：青龍 ，天官 ，天廚 ，福星 ，凶煞 ：雷兵 ，六戊", {"天廚", "雷兵"}},
}};

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
int EatingGod(int stem) { return Related(stem, 1, true); }        // 食神
int DirectOfficer(int stem) { return Related(stem, -2, false); }  // 正官
int Partner(int stem) { return (stem + 5) % 10; }                 // 五合

// By day stem.
constexpr std::array<int, 10> kSalary{2, 3, 5, 6, 5, 6, 8, 9, 11, 0};
constexpr std::array<int, 10> kLuckyStar{2, 1, 0, 11, 8, 7, 6, 5, 4, 3};
constexpr std::array<int, 10> kStateSeal{10, 11, 1, 2, 1, 2, 4, 5, 7, 8};
constexpr std::array<int, 10> kLiterary{5, 6, 8, 9, 8, 9, 11, 0, 2, 3};
constexpr std::array<int, 10> kGoldCarriage{4, 5, 7, 8, 7, 8, 10, 11, 1, 2};
constexpr std::array<int, 10> kBlade{3, 4, 6, 7, 6, 7, 9, 10, 0, 1};
// 天乙貴人: the day-time branch, then the night-time one.
constexpr std::array<std::array<int, 2>, 10> kNoble{
    {{1, 7}, {0, 8}, {11, 9}, {11, 9}, {1, 7}, {0, 8}, {1, 7}, {6, 2}, {5, 3}, {5, 3}}};
// By day stem % 5: 喜神, and the first of the two 截路空亡 branches.
constexpr std::array<int, 5> kJoyHour{2, 10, 8, 6, 4};
constexpr std::array<int, 5> kRoadVoid{8, 6, 4, 2, 0};
// Places of the day stem's element.
constexpr std::array<int, 5> kBirthPlace{11, 2, 2, 5, 8};
constexpr std::array<int, 5> kOfficePlace{2, 5, 5, 8, 11};
constexpr std::array<int, 5> kPeakPlace{3, 6, 6, 9, 0};
// By the day branch's frame (branch % 4: 申子辰, 巳酉丑, 寅午戌, 亥卯未).
constexpr std::array<int, 4> kPostHorse{2, 11, 8, 5};
constexpr std::array<int, 4> kCanopy{4, 1, 10, 7};
constexpr std::array<int, 4> kRobbery{5, 2, 11, 8};
constexpr std::array<int, 4> kLostSpirit{11, 8, 5, 2};
constexpr std::array<int, 4> kPeachBlossom{9, 6, 3, 0};
// By day branch.
constexpr std::array<int, 12> kHarmony{1, 0, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2};
constexpr std::array<int, 12> kPunish{3, 10, 5, 0, -1, 8, -1, 1, 2, -1, 7, -1};
constexpr std::array<int, 12> kHarm{7, 6, 5, 4, 3, 2, 1, 0, 11, 10, 9, 8};
constexpr std::array<int, 12> kWidow{10, 10, 1, 1, 1, 4, 4, 4, 7, 7, 7, 10};

constexpr const char* kTigerRemedy = "時值 白虎 取諸宜事時須用 麒麟符 制化";
constexpr const char* kBirdRemedy = "時值 朱雀 取諸宜事時須用 鳳凰符 制化";

// Every name the table uses, in the order an almanac lists them within a
// side, with its identifier in the HourSpirit enumeration.
struct SpiritName {
  const char* id;
  const char* name;
};
const std::array<SpiritName, 56> kSpiritNames{{
    {"kQingLong", "青龍"},
    {"kMingTang", "明堂"},
    {"kJinKui", "金匱"},
    {"kTianDe", "天德"},
    {"kYuTang", "玉堂"},
    {"kSiMing", "司命"},
    {"kDaJin", "大進"},
    {"kGongCao", "功曹"},
    {"kTianGuan", "天官"},
    {"kTianChu", "天廚"},
    {"kYiMa", "驛馬"},
    {"kFuXing", "福星"},
    {"kLinGuan", "臨官"},
    {"kXiShen", "喜神"},
    {"kRiLu", "日祿"},
    {"kBiJian", "比肩"},
    {"kFuDe", "福德"},
    {"kBaoGuang", "寶光"},
    {"kGuiRen", "貴人"},
    {"kTianYi", "天乙"},
    {"kLuoWen", "羅紋"},
    {"kJiaoGui", "交貴"},
    {"kLiuHe", "六合"},
    {"kWuQu", "武曲"},
    {"kSanHe", "三合"},
    {"kChangSheng", "長生"},
    {"kDiWang", "帝旺"},
    {"kWuHe", "五合"},
    {"kGuoYin", "國印"},
    {"kWenChang", "文昌"},
    {"kJinYu", "金輿"},
    {"kTianXi", "天喜"},
    {"kHuaGai", "華蓋"},
    {"kRiJian", "日建"},
    {"kRiPo", "日破"},
    {"kTianBing", "天兵"},
    {"kDiBing", "地兵"},
    {"kLeiBing", "雷兵"},
    {"kTianXing", "天刑"},
    {"kZhuQue", "朱雀"},
    {"kBaiHu", "白虎"},
    {"kTianLao", "天牢"},
    {"kXuanWu", "玄武"},
    {"kGouChen", "勾陳"},
    {"kLiuWu", "六戊"},
    {"kRiXing", "日刑"},
    {"kRiHai", "日害"},
    {"kYangRen", "羊刃"},
    {"kJieSha", "劫煞"},
    {"kWangShen", "亡神"},
    {"kGuaSu", "寡宿"},
    {"kXianChi", "咸池"},
    {"kXunKong", "旬空"},
    {"kLuKong", "路空"},
    {"kTigerRemedy", kTigerRemedy},
    {"kBirdRemedy", kBirdRemedy},
}};

// Place of a name in kSpiritNames, or −1.
int SpiritIndex(const std::string& name) {
  for (size_t i = 0; i < kSpiritNames.size(); ++i)
    if (name == kSpiritNames[i].name) return static_cast<int>(i);
  return -1;
}

bool IsNoble(int stem, int branch) { return kNoble[stem][0] == branch || kNoble[stem][1] == branch; }

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
  return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

struct Lists {
  std::vector<std::string> good, bad;
};

std::string Compose(const Lists& l, bool yangDay) {
  std::string text = "吉神 ：" + Join(l.good) + " ，凶煞";
  if (!l.bad.empty()) {
    text += " ：" + Join(l.bad);
  } else if (yangDay) {
    text += ":";
  }
  return text;
}

Lists Rules(int d, int k) {
  const int D = d % 10;
  const int B = d % 12;
  const int H = (2 * (D % 5) + k) % 10;
  const int spirit = Mod(k - kAzureDragonHour[B % 6], 12);
  const int element = StemElement(D);

  Lists l;
  std::vector<std::string>& good = l.good;
  if (kYellowPath[spirit]) good.push_back(kTwelveSpirits[spirit]);
  if (k == kSalary[DirectOfficer(D)]) good.push_back("天官");
  if (k == kSalary[EatingGod(D)]) good.push_back("天廚");
  if (k == kPostHorse[B % 4]) good.push_back("驛馬");
  if (k == kLuckyStar[D]) good.push_back("福星");
  if (k == kOfficePlace[element]) good.push_back("臨官");
  if (k == kJoyHour[D % 5]) good.push_back("喜神");
  if (k == kSalary[D]) good.push_back("日祿");
  if (H == D) good.push_back("比肩");
  if (spirit == kGoldenCasket) good.push_back("福德");
  if (spirit == kHeavenlyVirtue) good.push_back("寶光");
  if (IsNoble(D, k)) good.push_back("貴人");
  if (kNoble[D][0] == k) good.push_back("天乙");
  if (IsNoble(D, k) && IsNoble(H, B)) good.push_back("交貴");
  if (k == kHarmony[B]) good.push_back("六合");
  if (k != B && k % 4 == B % 4) good.push_back("三合");
  if (k == kBirthPlace[element]) good.push_back("長生");
  if (k == kPeakPlace[element]) good.push_back("帝旺");
  if (H == Partner(D)) good.push_back("五合");
  if (k == kStateSeal[D]) good.push_back("國印");
  if (k == kLiterary[D]) good.push_back("文昌");
  if (k == kGoldCarriage[D]) good.push_back("金輿");
  if (k == Mod(9 - B, 12)) good.push_back("天喜");
  if (k == kCanopy[B % 4]) good.push_back("華蓋");

  std::vector<std::string>& bad = l.bad;
  if (k == B) bad.push_back("日建");
  if (k == (B + 6) % 12) bad.push_back("日破");
  if (!kYellowPath[spirit]) bad.push_back(kTwelveSpirits[spirit]);
  if (H == 4) bad.push_back("六戊");
  if (k == kPunish[B]) bad.push_back("日刑");
  if (k == kHarm[B]) bad.push_back("日害");
  if (k == kBlade[D]) bad.push_back("羊刃");
  if (k == kRobbery[B % 4]) bad.push_back("劫煞");
  if (k == kLostSpirit[B % 4]) bad.push_back("亡神");
  if (k == kWidow[B]) bad.push_back("寡宿");
  if (k == kPeachBlossom[B % 4]) bad.push_back("咸池");
  const int voidFirst = Mod(d - D + 10, 12);  // from the week's 甲 day
  if (k == voidFirst || k == (voidFirst + 1) % 12) bad.push_back("旬空");
  if (k == kRoadVoid[D % 5] || k == kRoadVoid[D % 5] + 1) bad.push_back("路空");
  if (spirit == kWhiteTiger) bad.push_back(kTigerRemedy);
  if (spirit == kVermilionBird) bad.push_back(kBirdRemedy);
  return l;
}

// The names of a printed row, good and bad.
Lists ParsePrinted(const std::string& text) {
  const std::string badLabel = " ，凶煞";
  const size_t label = text.find(badLabel);
  auto split = [](const std::string& list) {
    std::vector<std::string> names;
    size_t start = 0;
    while (!list.empty()) {
      const size_t at = list.find(" ，", start);
      names.push_back(list.substr(start, at == std::string::npos ? std::string::npos : at - start));
      if (at == std::string::npos) break;
      start = at + std::string(" ，").size();
    }
    return names;
  };
  const std::string head = "吉神 ：";
  Lists l;
  l.good = split(text.substr(head.size(), label - head.size()));
  const std::string tail = text.substr(label + badLabel.size());
  if (tail.rfind(" ：", 0) == 0) l.bad = split(tail.substr(std::string(" ：").size()));
  return l;
}

// The printed row with the names beyond the rules taken out, in the form the
// rules write.
std::string WithoutNames(const PrintedRow& row) {
  auto keep = [&](const std::vector<std::string>& names) {
    std::vector<std::string> kept;
    for (const std::string& n : names)
      if (std::find(row.beyondRules.begin(), row.beyondRules.end(), n) == row.beyondRules.end()) kept.push_back(n);
    return kept;
  };
  const Lists printed = ParsePrinted(row.text);
  return Compose({keep(printed.good), keep(printed.bad)}, StemYang(row.day % 10));
}

// The lists in the order of kSpiritNames, as a set would list them; empty
// lists when a name is not in kSpiritNames.
Lists InListOrder(const Lists& l) {
  auto order = [](std::vector<std::string> names) {
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return SpiritIndex(a) < SpiritIndex(b); });
    return names;
  };
  return {order(l.good), order(l.bad)};
}

// The entry's set as C++: "S(kJinKui, kDaJin, …)".
std::string SetSource(const Lists& l) {
  std::string text = "S(";
  bool first = true;
  for (const auto* names : {&l.good, &l.bad})
    for (const std::string& n : *names) {
      text += std::string(first ? "" : ", ") + kSpiritNames[static_cast<size_t>(SpiritIndex(n))].id;
      first = false;
    }
  return text + ")";
}

// Every name known, on the side the enumeration puts it (the first 33 good).
bool Known(const Lists& l) {
  for (const std::string& n : l.good)
    if (SpiritIndex(n) < 0 || SpiritIndex(n) >= 33) return false;
  for (const std::string& n : l.bad)
    if (SpiritIndex(n) < 33) return false;
  return true;
}

struct Stats {
  size_t shortest = 1000, longest = 0, under22 = 0, noGood = 0, noBad = 0;
  void Count(const std::string& text, const Lists& l) {
    const size_t n = Units(text);
    shortest = std::min(shortest, n);
    longest = std::max(longest, n);
    if (n < 22) ++under22;
    if (l.good.empty()) ++noGood;
    if (l.bad.empty()) ++noBad;
  }
};

// The entry of day d, hour k: the rules' lists, or the printed row's. Stops
// (returns false) when a printed row drifts from the rules or a set would not
// print the entry as it stands.
bool Entry(int d, int k, Lists& out, std::string& text) {
  const Lists l = Rules(d, k);
  out = l;
  text = Compose(l, StemYang(d % 10));
  for (const PrintedRow& row : kPrintedRows) {
    if (row.day != d || row.hour != k) continue;
    if (WithoutNames(row) != text) {
      std::cerr << kStems[d % 10] << kBranches[d % 12] << " hour " << kBranches[k] << ": the rules give\n  " << text
                << "\nbut the printed row, less " << Join(row.beyondRules) << ", reads\n  " << WithoutNames(row)
                << "\n";
      return false;
    }
    text = row.text;
    out = ParsePrinted(row.text);
  }
  if (!Known(out) || Compose(InListOrder(out), StemYang(d % 10)) != text) {
    std::cerr << kStems[d % 10] << kBranches[d % 12] << " hour " << kBranches[k]
              << ": its names do not follow the list order of kSpiritNames:\n  " << text << "\n";
    return false;
  }
  return true;
}

std::string NamesSource() {
  std::string text;
  for (size_t i = 0; i < kSpiritNames.size(); ++i)
    text += "static_assert(static_cast<int>(" + std::string(kSpiritNames[i].id) + ") == " + std::to_string(i) + ");\n";
  text += "\nconst std::array<std::u16string_view, kHourSpiritCount> kHourSpiritNames{\n";
  for (const SpiritName& s : kSpiritNames) text += std::string("    u\"") + s.name + "\",\n";
  return text + "};\n";
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
      Lists l;
      std::string text;
      if (!Entry(d, k, l, text)) return 1;
      stats.Count(text, l);
      body += "    " + SetSource(l) + ",\n";
    }
  }

  std::ofstream out(argv[1], std::ios::binary);
  out << "// Generated by: lunisol-gen-hour-spirits sheets/data/hour_spirits_table.cpp — do not edit\n"
         "// clang-format off\n"
         "// 吉神 and 凶煞 of each hour of each day pillar as sets; index 12 × day + hour.\n"
         "#include \"sheets/hour_spirits.h\"\n"
         "\n"
         "namespace lunisol {\n"
         "\n"
         "using enum HourSpirit;\n"
         "\n"
         "// The enumeration lists the spirits in the order of these names.\n"
      << NamesSource()
      << "\n"
         "namespace {\n"
         "constexpr auto S = [](auto... spirits) { return MakeHourSpiritSet(spirits...); };\n"
         "}  // namespace\n"
         "\n"
         "const std::array<HourSpiritSet, 720> kHourSpirits{\n"
      << body
      << "};\n"
         "\n"
         "}  // namespace lunisol\n";
  out.close();
  if (!out) {
    std::cerr << "cannot write " << argv[1] << "\n";
    return 1;
  }
  std::cerr << "720 entries, " << stats.shortest << ".." << stats.longest << " characters, " << stats.under22
            << " shorter than 22, " << stats.noGood << " without a good spirit, " << stats.noBad
            << " without a bad spirit\n";
  return 0;
}
