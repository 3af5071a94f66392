// Where the day spirits fall, checked against what 《欽定協紀辨方書》 itself says
// month by month. The book's 卷九 立成 month tables are pictures the
// transcription does not hold, so the expected values are the month-by-month
// statements of 卷四–七 (歷例 "正月在X…", the "建前N辰" of the 建除 family,
// the 考原 rule of the day gods) and the day lists of 卷九 (日神取一定干支者),
// written here in the book's own form and expanded by hand where the book
// gives a rule ("正月起申逆行四孟": 申巳寅亥…). The data tables give most of
// these in another form (a walk, an officer, a list), so a slip in either
// shows up as a difference.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/names.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "days/day_lists.h"
#include "days/rule_book.h"

namespace lunisol {
namespace {

constexpr std::u16string_view kBranches = u"子丑寅卯辰巳午未申酉戌亥";

int Id(std::u16string_view name) {
  const std::optional<SpiritId> id = SpiritByName(name);
  EXPECT_TRUE(id.has_value()) << ToUtf8(name);
  return id ? static_cast<int>(*id) : 0;
}

std::vector<std::u16string_view> Entries(std::u16string_view text) {
  std::vector<std::u16string_view> out;
  for (size_t i = 0; i < text.size();) {
    const size_t j = text.find(u' ', i);
    out.push_back(text.substr(i, j == std::u16string_view::npos ? std::u16string_view::npos : j - i));
    if (j == std::u16string_view::npos) break;
    i = j + 1;
  }
  return out;
}

// `months`: twelve entries for 正月 … 十二月 (stems, branches or pillars).
void ExpectMonthly(std::u16string_view name, std::u16string_view months) {
  const int id = Id(name);
  const std::vector<std::u16string_view> e = Entries(months);
  ASSERT_EQ(e.size(), 12u) << ToUtf8(name);
  for (int mi = 0; mi < 12; ++mi) {
    const int mb = (mi + 2) % 12;
    const PillarMask want = PillarsOfEntry(e[static_cast<size_t>(mi)]);
    for (int c = 0; c < 60; ++c)
      EXPECT_EQ(Rules().byMonthPillar[static_cast<size_t>(mb)][static_cast<size_t>(c)].Has(id), ((want >> c) & 1) != 0)
          << ToUtf8(name) << " month " << mi + 1 << " day " << ToUtf8(kCycleNames[static_cast<size_t>(c)]);
  }
}

// Four entries, spring to winter.
void ExpectSeasonal(std::u16string_view name, std::u16string_view seasons) {
  const std::vector<std::u16string_view> e = Entries(seasons);
  ASSERT_EQ(e.size(), 4u);
  std::u16string months;
  for (int mi = 0; mi < 12; ++mi) months += std::u16string(e[static_cast<size_t>(mi / 3)]) + (mi < 11 ? u" " : u"");
  ExpectMonthly(name, months);
}

// The same entry in every month.
void ExpectEveryMonth(std::u16string_view name, std::u16string_view entry) {
  std::u16string months;
  for (int mi = 0; mi < 12; ++mi) months += std::u16string(entry) + (mi < 11 ? u" " : u"");
  ExpectMonthly(name, months);
}

// "建前n辰" (n forward from the month's branch; negative: 建後).
void ExpectFromMonthBranch(std::u16string_view name, int n) {
  std::u16string months;
  for (int mi = 0; mi < 12; ++mi)
    months += std::u16string(1, kBranches[static_cast<size_t>(((mi + 2 + n) % 12 + 12) % 12)]) + (mi < 11 ? u" " : u"");
  ExpectMonthly(name, months);
}

TEST(Placement, VirtueSpiritsFollowTheBooksMonthLists) {
  // 卷五 4b: 正月丁 二月坤 … with the trigrams on 坤申 乾亥 艮寅 巽巳.
  ExpectMonthly(u"天德", u"丁 申 壬 辛 亥 甲 癸 寅 丙 乙 巳 庚");
  ExpectMonthly(u"月德", u"丙 甲 壬 庚 丙 甲 壬 庚 丙 甲 壬 庚");                          // 卷五 10b
  ExpectMonthly(u"天德合", u"壬 - 丁 丙 - 己 戊 - 辛 庚 - 乙");                            // 卷五 12b
  ExpectMonthly(u"月德合", u"辛 己 丁 乙 辛 己 丁 乙 辛 己 丁 乙");                        // 卷五 14b
  ExpectMonthly(u"月空", u"壬 庚 丙 甲 壬 庚 丙 甲 壬 庚 丙 甲");                          // 卷五 16b
  ExpectMonthly(u"月恩", u"丙 丁 庚 己 戊 辛 壬 癸 庚 乙 甲 辛");                          // 卷五 28b
  ExpectMonthly(u"天願", u"乙亥 甲戌 乙酉 丙申 丁未 戊午 己巳 庚辰 辛卯 壬寅 癸丑 甲子");  // 卷五 25a
  ExpectSeasonal(u"天赦", u"戊寅 甲午 戊申 甲子");                                         // 卷五 20b
  ExpectSeasonal(u"四相", u"丙丁 戊己 壬癸 甲乙");                                         // 卷五 30b
  ExpectSeasonal(u"時德", u"午 辰 子 寅");                                                 // 卷五 32b
  ExpectSeasonal(u"王日", u"寅 巳 申 亥");                                                 // 卷五 34b
  ExpectSeasonal(u"官日", u"卯 午 酉 子");
  ExpectSeasonal(u"相日", u"巳 申 亥 寅");
  ExpectSeasonal(u"民日", u"午 酉 子 卯");
  ExpectSeasonal(u"守日", u"辰 未 戌 丑");  // 卷五 37b, the book's reading
}

TEST(Placement, JianchuFamilyKeepsItsDistanceFromTheMonthBranch) {
  // 卷四: 吉期 常居月建前一辰, 福德 天巫 前二辰, 死神 前三辰, 時陰 死氣 前四辰,
  // 小耗 前五辰, 時陽 生氣 後二辰; 大耗 正月起申, 天醫 正月起戌 順行十二辰.
  for (std::u16string_view s : {u"月建", u"土府", u"兵福", u"小時"}) ExpectFromMonthBranch(s, 0);
  for (std::u16string_view s : {u"吉期", u"兵寶"}) ExpectFromMonthBranch(s, 1);
  for (std::u16string_view s : {u"福德", u"天巫"}) ExpectFromMonthBranch(s, 2);
  ExpectFromMonthBranch(u"死神", 3);
  for (std::u16string_view s : {u"時陰", u"死氣"}) ExpectFromMonthBranch(s, 4);
  ExpectFromMonthBranch(u"小耗", 5);
  for (std::u16string_view s : {u"月破", u"大耗"}) ExpectFromMonthBranch(s, 6);
  for (std::u16string_view s : {u"天醫", u"天喜"}) ExpectFromMonthBranch(s, 8);
  for (std::u16string_view s : {u"時陽", u"生氣"}) ExpectFromMonthBranch(s, -2);
  ExpectFromMonthBranch(u"血支", -1);
  // 陽建之月前三辰為天罡後三辰為河魁，陰建之月反是 (卷四 17b).
  ExpectMonthly(u"天罡", u"巳 子 未 寅 酉 辰 亥 午 丑 申 卯 戌");
  ExpectMonthly(u"河魁", u"亥 午 丑 申 卯 戌 巳 子 未 寅 酉 辰");
  // 天狗 is the 滿 day of the 申 month only (卷四 15a).
  ExpectMonthly(u"天狗", u"- - - - - - 戌 - - - - -");
  // 三合 (卷六 4b); the book prints 十二月 "丑巳" for 巳酉.
  ExpectMonthly(u"三合", u"午戌 未亥 子申 丑酉 寅戌 卯亥 子辰 丑巳 寅午 卯未 辰申 巳酉");
}

TEST(Placement, MonthSpiritsFollowTheirWalksAndLists) {
  ExpectMonthly(u"月厭", u"戌 酉 申 未 午 巳 辰 卯 寅 丑 子 亥");  // 正月在戌逆行十二辰
  ExpectMonthly(u"厭對", u"辰 卯 寅 丑 子 亥 戌 酉 申 未 午 巳");  // 正月起辰逆行
  ExpectMonthly(u"六儀", u"辰 卯 寅 丑 子 亥 戌 酉 申 未 午 巳");
  ExpectMonthly(u"六合", u"亥 戌 酉 申 未 午 巳 辰 卯 寅 丑 子");  // 正月在亥逆行
  ExpectMonthly(u"天倉", u"寅 丑 子 亥 戌 酉 申 未 午 巳 辰 卯");
  ExpectMonthly(u"天賊", u"丑 子 亥 戌 酉 申 未 午 巳 辰 卯 寅");
  ExpectMonthly(u"月害", u"巳 辰 卯 寅 丑 子 亥 戌 酉 申 未 午");
  ExpectMonthly(u"驛馬", u"申 巳 寅 亥 申 巳 寅 亥 申 巳 寅 亥");  // 正月起申逆行四孟
  ExpectMonthly(u"劫煞", u"亥 申 巳 寅 亥 申 巳 寅 亥 申 巳 寅");
  ExpectMonthly(u"遊禍", u"巳 寅 亥 申 巳 寅 亥 申 巳 寅 亥 申");
  ExpectMonthly(u"五富", u"亥 寅 巳 申 亥 寅 巳 申 亥 寅 巳 申");  // 正月起亥順行四孟
  ExpectMonthly(u"災煞", u"子 酉 午 卯 子 酉 午 卯 子 酉 午 卯");  // 逆行四仲
  ExpectMonthly(u"大時", u"卯 子 酉 午 卯 子 酉 午 卯 子 酉 午");
  ExpectMonthly(u"天吏", u"酉 午 卯 子 酉 午 卯 子 酉 午 卯 子");
  ExpectMonthly(u"月煞", u"丑 戌 未 辰 丑 戌 未 辰 丑 戌 未 辰");  // 逆行四季
  ExpectMonthly(u"九空", u"辰 丑 戌 未 辰 丑 戌 未 辰 丑 戌 未");
  ExpectMonthly(u"九坎", u"辰 丑 戌 未 卯 子 酉 午 寅 亥 申 巳");
  ExpectMonthly(u"陽德", u"戌 子 寅 辰 午 申 戌 子 寅 辰 午 申");  // 順行六陽辰
  ExpectMonthly(u"天馬", u"午 申 戌 子 寅 辰 午 申 戌 子 寅 辰");
  ExpectMonthly(u"陰德", u"酉 未 巳 卯 丑 亥 酉 未 巳 卯 丑 亥");  // 逆行六陰辰
  ExpectMonthly(u"兵禁", u"寅 子 戌 申 午 辰 寅 子 戌 申 午 辰");  // 逆行六陽辰
  ExpectMonthly(u"臨日", u"午 亥 申 丑 戌 卯 子 巳 寅 未 辰 酉");
  ExpectMonthly(u"大煞", u"戌 巳 午 未 寅 卯 辰 亥 子 丑 申 酉");
  ExpectMonthly(u"往亡", u"寅 巳 申 亥 卯 午 酉 子 辰 未 戌 丑");
  ExpectMonthly(u"土符", u"丑 巳 酉 寅 午 戌 卯 未 亥 辰 申 子");
  ExpectMonthly(u"歸忌", u"丑 寅 子 丑 寅 子 丑 寅 子 丑 寅 子");  // 孟丑仲寅季子
  ExpectMonthly(u"解神", u"申 申 戌 戌 子 子 寅 寅 辰 辰 午 午");
  ExpectMonthly(u"五墓", u"乙未 乙未 戊辰 丙戌 丙戌 戊辰 辛丑 辛丑 戊辰 壬辰 壬辰 戊辰");
  // 卷三 52b: 子刑卯 丑刑戌 寅刑巳 卯刑子 巳刑申 未刑丑 申刑寅 戌刑未, 辰午酉亥自刑.
  ExpectMonthly(u"月刑", u"巳 子 辰 申 午 丑 寅 酉 未 亥 卯 戌");
}

TEST(Placement, NineSacrificeSpiritsPairTheMonths) {
  // 卷六 35b–44b, 血忌 with 續世 (卷六 2b).
  ExpectMonthly(u"要安", u"寅 申 卯 酉 辰 戌 巳 亥 午 子 未 丑");
  ExpectMonthly(u"玉宇", u"卯 酉 辰 戌 巳 亥 午 子 未 丑 申 寅");
  ExpectMonthly(u"金堂", u"辰 戌 巳 亥 午 子 未 丑 申 寅 酉 卯");
  ExpectMonthly(u"敬安", u"未 丑 申 寅 酉 卯 戌 辰 亥 巳 子 午");
  ExpectMonthly(u"普護", u"申 寅 酉 卯 戌 辰 亥 巳 子 午 丑 未");
  ExpectMonthly(u"福生", u"酉 卯 戌 辰 亥 巳 子 午 丑 未 寅 申");
  ExpectMonthly(u"聖心", u"亥 巳 子 午 丑 未 寅 申 卯 酉 辰 戌");
  ExpectMonthly(u"益後", u"子 午 丑 未 寅 申 卯 酉 辰 戌 巳 亥");
  ExpectMonthly(u"續世", u"丑 未 寅 申 卯 酉 辰 戌 巳 亥 午 子");
  ExpectMonthly(u"血忌", u"丑 未 寅 申 卯 酉 辰 戌 巳 亥 午 子");
}

TEST(Placement, SeasonalBadDaysFollowTheBook) {
  ExpectSeasonal(u"四擊", u"戌 丑 辰 未");                          // 卷五 38b
  ExpectSeasonal(u"四耗", u"壬子 乙卯 戊午 辛酉");                  // 卷五 41b
  ExpectSeasonal(u"四廢", u"庚申辛酉 壬子癸亥 甲寅乙卯 丙午丁巳");  // 卷五 42a
  ExpectSeasonal(u"四忌", u"甲子 丙子 庚子 壬子");
  ExpectSeasonal(u"四窮", u"乙亥 丁亥 辛亥 癸亥");
  ExpectSeasonal(u"五虛", u"巳酉丑 申子辰 亥卯未 寅午戌");          // 卷五 47b
  ExpectSeasonal(u"八風", u"丁丑丁巳 甲申甲辰 丁未丁亥 甲戌甲寅");  // 卷五 49b
}

// 陰陽不將 as 卷四 53a lists them month by month.
TEST(Placement, UnhinderedDaysAreTheBooksList) {
  ExpectMonthly(u"不將",
                u"辛亥辛丑辛卯庚子庚寅己亥己丑己卯丁亥丁丑丁卯丙子丙寅 "
                u"庚戌庚子庚寅己亥己丑丁亥丁丑丙戌丙子丙寅乙亥乙丑 "
                u"己酉己亥己丑丁酉丁亥丁丑丙戌丙子乙酉乙亥乙丑甲戌甲子 "
                u"丁酉丁亥丙申丙戌丙子乙酉乙亥甲申甲戌甲子戊申戊戌戊子 "
                u"丙申丙戌乙未乙酉乙亥甲申甲戌戊申戊戌癸未癸酉癸亥 "
                u"乙未乙酉甲午甲申甲戌戊午戊申戊戌癸未癸酉壬午壬申壬戌 "
                u"乙巳乙未乙酉甲午甲申戊午戊申癸巳癸未癸酉壬午壬申 "
                u"甲辰甲午甲申戊辰戊午戊申癸巳癸未壬辰壬午壬申辛巳辛未 "
                u"戊辰戊午癸卯癸巳癸未壬辰壬午辛卯辛巳辛未庚辰庚午 "
                u"癸卯癸巳壬寅壬辰壬午辛卯辛巳庚寅庚辰庚午己卯己巳 "
                u"壬寅壬辰辛丑辛卯辛巳庚寅庚辰己丑己卯己巳丁丑丁卯丁巳 "
                u"辛丑辛卯庚子庚寅庚辰己丑己卯丁丑丁卯丙子丙寅丙辰");
}

int StemElement(int s) { return s / 2; }  // 木 火 土 金 水
int BranchElement(int b) {
  constexpr int kElements[12] = {4, 2, 0, 0, 2, 1, 1, 2, 3, 3, 2, 4};
  return kElements[b];
}
bool Generates(int a, int b) { return (a + 1) % 5 == b; }
bool Overcomes(int a, int b) { return (a + 2) % 5 == b; }

// 卷五 51b: 干生枝曰寶, 枝生干曰義, 干克枝曰制, 枝克干曰伐, 干支同類曰專.
TEST(Placement, FiveRelationDaysFollowTheElementsOfTheirPillars) {
  const int bao = Id(u"寶日"), yi = Id(u"義日"), zhi = Id(u"制日"), fa = Id(u"伐日"), zhuan = Id(u"專日");
  for (int c = 0; c < 60; ++c) {
    const int s = StemElement(c % 10), b = BranchElement(c % 12);
    const SpiritSet& on = Rules().byMonthPillar[2][static_cast<size_t>(c)];
    const std::string day = ToUtf8(kCycleNames[static_cast<size_t>(c)]);
    EXPECT_EQ(on.Has(bao), Generates(s, b)) << day;
    EXPECT_EQ(on.Has(yi), Generates(b, s)) << day;
    EXPECT_EQ(on.Has(zhi), Overcomes(s, b)) << day;
    EXPECT_EQ(on.Has(fa), Overcomes(b, s)) << day;
    EXPECT_EQ(on.Has(zhuan), s == b) << day;
  }
}

// The other fixed days of 卷九 31b–33a, from the rules 卷五 gives for them.
TEST(Placement, FixedDaysFollowTheirRules) {
  // 天恩: 甲子至戊辰, 己卯至癸未, 己酉至癸丑 (卷五 18b).
  std::u16string grace;
  for (int c : {0, 1, 2, 3, 4, 15, 16, 17, 18, 19, 45, 46, 47, 48, 49})
    grace += std::u16string(kCycleNames[static_cast<size_t>(c)]);
  ExpectEveryMonth(u"天恩", grace);
  // 鳴吠: 甲丙庚壬 with 午 and 申, the five yin stems but 戊己's kin with 酉
  // (卷五 68b); 鳴吠對: 丙庚壬子, 甲丙庚壬寅, 乙丁辛癸卯.
  ExpectEveryMonth(u"鳴吠", u"甲午丙午庚午壬午甲申丙申庚申壬申乙酉丁酉己酉辛酉癸酉");
  ExpectEveryMonth(u"鳴吠對", u"丙子庚子壬子甲寅丙寅庚寅壬寅乙卯丁卯辛卯癸卯");
  ExpectEveryMonth(u"五合", u"寅卯");
  ExpectEveryMonth(u"五離", u"申酉");
  ExpectEveryMonth(u"除神", u"申酉");
  ExpectEveryMonth(u"重日", u"巳亥");
  // 無祿: the stem's 祿 lies in the pillar's empty branches (卷五 54b).
  constexpr int kLu[10] = {2, 3, 5, 6, 5, 6, 8, 9, 11, 0};  // 甲寅 乙卯 丙戊巳 丁己午 庚申 辛酉 壬亥 癸子
  const int noLu = Id(u"無祿");
  for (int c = 0; c < 60; ++c) {
    const int lu = kLu[c % 10];
    const int first = (c / 10) * 10;  // the 旬 of 甲X: its two empty branches follow 癸
    const bool empty = lu == (first + 10) % 12 || lu == (first + 11) % 12;
    EXPECT_EQ(Rules().byMonthPillar[2][static_cast<size_t>(c)].Has(noLu), empty)
        << ToUtf8(kCycleNames[static_cast<size_t>(c)]);
  }
}

// 卷七 7b–9a (考原): 寅申月子日為青龍, 卯酉起寅, 辰戌起辰, 巳亥起午, 子午起申,
// 丑未起戌, in the order 青龍 明堂 天刑 朱雀 金匱 天德(寶光) 白虎 玉堂 天牢
// 元武(玄武) 司命 勾陳.
TEST(Placement, DayGodsStartFromTheMonthsBranch) {
  constexpr std::u16string_view kStart = u"申戌子寅辰午申戌子寅辰午";  // by month branch 子 … 亥
  for (int mb = 0; mb < 12; ++mb)
    for (int g = 0; g < 12; ++g) {
      const int branch = (static_cast<int>(kBranches.find(kStart[static_cast<size_t>(mb)])) + g) % 12;
      const int id = Id(kDayGodNames[static_cast<size_t>(g)]);
      for (int c = branch; c < 60; c += 12)
        EXPECT_TRUE(Rules().byMonthPillar[static_cast<size_t>(mb)][static_cast<size_t>(c)].Has(id));
    }
  for (int g = 0; g < 12; ++g)
    EXPECT_EQ(IsYellowPathGod(g),
              SpiritKindOf(*SpiritByName(kDayGodNames[static_cast<size_t>(g)])) == SpiritKind::kGood);
}

// 卷十 states which spirits share a day ("寅申巳亥月值相日…"); every weighing
// row restates them in `with`, and the placements must agree.
TEST(Placement, WeighingRowsMeetTheSpiritsTheBookSaysTheyMeet) {
  // Rows whose `with` is a condition the day may or may not meet.
  const SpiritSet conditions = [] {
    SpiritSet s;
    for (std::u16string_view n : {u"陽錯", u"陰錯"}) s.Add(*SpiritByName(n));
    return s;
  }();
  const int fourWastes = Id(u"四廢");
  const RuleBook& rb = Rules();
  for (size_t s = 0; s < rb.weighRows.size(); ++s)
    for (const CompiledWeighRow& row : rb.weighRows[s]) {
      if (row.with.Empty() || row.with.Intersects(conditions) || static_cast<int>(s) == fourWastes) continue;
      for (int mb = 0; mb < 12; ++mb) {
        if (!((row.months >> mb) & 1)) continue;
        for (int c = 0; c < 60; ++c) {
          const SpiritSet& on = rb.byMonthPillar[static_cast<size_t>(mb)][static_cast<size_t>(c)];
          if (!on.Has(static_cast<int>(s))) continue;
          EXPECT_TRUE(on.Contains(row.with)) << ToUtf8(SpiritName(static_cast<SpiritId>(s))) << " month "
                                             << ToUtf8(kBranchNames[static_cast<size_t>(mb)]) << " day "
                                             << ToUtf8(kCycleNames[static_cast<size_t>(c)]);
        }
      }
    }
}

}  // namespace
}  // namespace lunisol
