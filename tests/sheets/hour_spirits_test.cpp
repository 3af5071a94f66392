// Checks of the hour sheet's tables: the 720 spirit sets (吉神 / 凶煞 of each
// hour of each day pillar), the text an almanac prints for them, and the two
// 彭祖百忌 tables of its caption.
//
// The twelve hour spirits, 日建 / 日破, 六戊 and 比肩 are checked against the
// almanac rules computed here independently of the table's generator; the
// names against the spirits the generator has placement rules for.

#include "sheets/hour_spirits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/names.h"
#include "calendar/text.h"
#include "sheets/tables.h"

namespace lunisol {
namespace {

using enum HourSpirit;

constexpr std::u16string_view kStems = u"甲乙丙丁戊己庚辛壬癸";
constexpr std::u16string_view kBranches = u"子丑寅卯辰巳午未申酉戌亥";

// The twelve hour spirits in the order they follow the hours, and which of
// them are 黃道 (auspicious).
constexpr std::array<HourSpirit, 12> kTwelve{kQingLong, kMingTang, kTianXing, kZhuQue, kJinKui, kTianDe,
                                             kBaiHu,    kYuTang,   kTianLao,  kXuanWu, kSiMing, kGouChen};
constexpr std::array<bool, 12> kYellow{true, true, false, false, true, true, false, true, false, false, true, false};

HourSpiritSet Entry(int d, int k) { return HourSpiritsOf(Pillar(d), BranchAt(k)); }
std::u16string Printed(int d, int k) { return PrintedHourSpirits(Entry(d, k), d % 2 == 0); }

// Hour stem from the day stem: 甲/己 days start at 甲子, 乙/庚 at 丙子, …
int HourStem(int d, int k) { return (2 * (d % 10 % 5) + k) % 10; }

std::string Where(int d, int k) {
  return ToUtf8(Name(Pillar(d))) + " day, hour " + ToUtf8(kBranches.substr(static_cast<size_t>(k), 1)) + ": " +
         ToUtf8(Printed(d, k));
}

TEST(HourSpiritsTable, NamesAreTwoHanCharactersAndEveryEntryPrintsInOneForm) {
  for (HourSpirit s : {kQingLong, kDaJin, kHuaGai, kRiJian, kLuKong}) EXPECT_EQ(Name(s).size(), 2u);
  EXPECT_EQ(Name(kTigerRemedy), u"時值 白虎 取諸宜事時須用 麒麟符 制化");
  EXPECT_EQ(Name(kBirdRemedy), u"時值 朱雀 取諸宜事時須用 鳳凰符 制化");
  EXPECT_TRUE(IsGood(kHuaGai));
  EXPECT_FALSE(IsGood(kRiJian));
  for (int d = 0; d < 60; ++d)
    for (int k = 0; k < 12; ++k) {
      SCOPED_TRACE(Where(d, k));
      const std::u16string text = Printed(d, k);
      ASSERT_TRUE(text.starts_with(u"吉神 ："));
      // The good side ends at the only " ，凶煞"; a bare label closes an
      // hour without bad spirits, with a colon on the days of a yang stem.
      const size_t label = text.find(u" ，凶煞");
      ASSERT_NE(label, std::u16string::npos);
      EXPECT_EQ(text.find(u"凶煞", label + 3), std::u16string::npos);
      const std::u16string tail = text.substr(label + 4);
      if (JoinedNames(Entry(d, k), false).empty())
        EXPECT_EQ(tail, d % 2 == 0 ? u":" : u"");
      else
        EXPECT_TRUE(tail.starts_with(u" ："));
    }
}

// The spirits the generator places by a stated rule. The five printed rows
// (甲子 day 子 丑 寅 午, 丙寅 day 子) are kept as the almanac prints them and
// also name a few spirits no rule here places; those must appear nowhere
// else.
TEST(HourSpiritsTable, UnruledSpiritsOnlyInThePrintedRows) {
  const HourSpirit unruled[] = {kDaJin, kGongCao, kLuoWen, kWuQu, kTianBing, kDiBing, kLeiBing};
  const int printed[] = {0, 1, 2, 6, 12 * 2 + 0};
  for (int i = 0; i < 720; ++i) {
    if (std::find(std::begin(printed), std::end(printed), i) != std::end(printed)) continue;
    for (HourSpirit s : unruled) EXPECT_FALSE(kHourSpirits[static_cast<size_t>(i)].Has(s)) << i;
  }
}

TEST(HourSpiritsTable, KnownRowsPrintVerbatim) {
  EXPECT_EQ(Printed(0, 0), u"吉神 ：金匱 ，大進 ，比肩 ，福德 ，凶煞 ：日建");
  EXPECT_EQ(Printed(0, 1), u"吉神 ：天德 ，功曹 ，寶光 ，貴人 ，天乙 ，羅紋 ，交貴 ，六合 ，武曲 ，凶煞:");
  EXPECT_EQ(Printed(0, 2),
            u"吉神 ：驛馬 ，福星 ，臨官 ，喜神 ，日祿 ，凶煞 ：天兵 ，白虎 ，"
            u"時值 白虎 取諸宜事時須用 麒麟符 制化");
  EXPECT_EQ(Printed(0, 6), u"吉神 ：司命 ，凶煞 ：日破 ，地兵");
  EXPECT_EQ(Printed(2, 0), u"吉神 ：青龍 ，天官 ，天廚 ，福星 ，凶煞 ：雷兵 ，六戊");
  // 乙丑 day, 卯 hour and 未 hour: no bad spirit on a yin day; no good one.
  EXPECT_EQ(Printed(1, 3), u"吉神 ：天德 ，日祿 ，寶光 ，帝旺 ，凶煞");
  EXPECT_EQ(Printed(1, 7), u"吉神 ： ，凶煞 ：日破 ，玄武 ，路空");
}

TEST(HourSpiritsTable, TwelveHourSpiritsFollowTheDayBranch) {
  for (int d = 0; d < 60; ++d) {
    // 青龍 sits on 申 for 子/午 days and two hours later for each next pair
    // of branches (丑/未 戌, 寅/申 子, 卯/酉 寅, 辰/戌 辰, 巳/亥 午).
    const int dragon = (8 + 2 * (d % 12 % 6)) % 12;
    for (int k = 0; k < 12; ++k) {
      SCOPED_TRACE(Where(d, k));
      const HourSpiritSet e = Entry(d, k);
      const int expected = (k - dragon + 12) % 12;
      for (int s = 0; s < 12; ++s) ASSERT_EQ(e.Has(kTwelve[static_cast<size_t>(s)]), s == expected) << s;
      const HourSpirit spirit = kTwelve[static_cast<size_t>(expected)];
      EXPECT_EQ(IsGood(spirit), kYellow[static_cast<size_t>(expected)]);
      // A 黃道 spirit heads the good list.
      if (IsGood(spirit)) {
        EXPECT_TRUE(JoinedNames(e, true).starts_with(Name(spirit)));
      }
      // The remedy goes with the white tiger and the vermilion bird only.
      EXPECT_EQ(e.Has(kTigerRemedy), spirit == kBaiHu);
      EXPECT_EQ(e.Has(kBirdRemedy), spirit == kZhuQue);
      // 寶光 and 福德 are the other names of the 天德 and 金匱 hours.
      EXPECT_EQ(e.Has(kBaoGuang), spirit == kTianDe);
      EXPECT_EQ(e.Has(kFuDe), spirit == kJinKui);
    }
  }
}

TEST(HourSpiritsTable, DayBranchAndHourStemMarks) {
  for (int d = 0; d < 60; ++d) {
    for (int k = 0; k < 12; ++k) {
      SCOPED_TRACE(Where(d, k));
      const HourSpiritSet e = Entry(d, k);
      const int branch = d % 12;
      EXPECT_EQ(e.Has(kRiJian), k == branch);
      EXPECT_EQ(e.Has(kRiPo), k == (branch + 6) % 12);
      const int hourStem = HourStem(d, k);
      EXPECT_EQ(e.Has(kLiuWu), hourStem == 4);
      EXPECT_EQ(e.Has(kBiJian), hourStem == d % 10);
    }
  }
}

TEST(TabooTables, StemSayingsInStemOrder) {
  const std::array<std::u16string_view, 10> expected{u"甲日不開倉", u"乙日不栽種", u"丙日不修灶", u"丁日不剃頭",
                                                     u"戊日不受田", u"己日不破券", u"庚日不經絡", u"辛日不合醬",
                                                     u"壬日不汲水", u"癸日不詞訟"};
  ASSERT_EQ(kStemTaboos.size(), 10u);
  for (size_t i = 0; i < kStemTaboos.size(); ++i) {
    EXPECT_EQ(kStemTaboos[i], expected[i]) << i;
    EXPECT_EQ(kStemTaboos[i].size(), 5u);
    EXPECT_EQ(kStemTaboos[i][0], kStems[i]);
    EXPECT_EQ(kStemTaboos[i].substr(1, 2), u"日不");
  }
}

TEST(TabooTables, BranchSayingsInBranchOrder) {
  const std::array<std::u16string_view, 12> expected{u"子日不問卜", u"丑日不冠帶", u"寅日不祭祀", u"卯日不穿井",
                                                     u"辰日不哭泣", u"巳日不出行", u"午日不苫蓋", u"未日不服藥",
                                                     u"申日不安床", u"酉日不宴客", u"戌日不食犬", u"亥日不嫁娶"};
  ASSERT_EQ(kBranchTaboos.size(), 12u);
  for (size_t i = 0; i < kBranchTaboos.size(); ++i) {
    EXPECT_EQ(kBranchTaboos[i], expected[i]) << i;
    EXPECT_EQ(kBranchTaboos[i].size(), 5u);
    EXPECT_EQ(kBranchTaboos[i][0], kBranches[i]);
    EXPECT_EQ(kBranchTaboos[i].substr(1, 2), u"日不");
  }
}

TEST(TabooTables, CaptionLookupFindsTheDaysOwnSaying) {
  // The caption takes the first saying that contains the day's stem / branch;
  // no saying may mention another stem or branch ahead of its own.
  for (size_t s = 0; s < kStems.size(); ++s) {
    const auto it = std::find_if(kStemTaboos.begin(), kStemTaboos.end(),
                                 [&](auto t) { return t.find(kStems[s]) != std::u16string_view::npos; });
    ASSERT_NE(it, kStemTaboos.end());
    EXPECT_EQ(static_cast<size_t>(it - kStemTaboos.begin()), s);
  }
  for (size_t b = 0; b < kBranches.size(); ++b) {
    const auto it = std::find_if(kBranchTaboos.begin(), kBranchTaboos.end(),
                                 [&](auto t) { return t.find(kBranches[b]) != std::u16string_view::npos; });
    ASSERT_NE(it, kBranchTaboos.end());
    EXPECT_EQ(static_cast<size_t>(it - kBranchTaboos.begin()), b);
  }
}

}  // namespace
}  // namespace lunisol
