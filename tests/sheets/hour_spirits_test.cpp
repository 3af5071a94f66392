// Checks of the hour sheet's tables: the 720 spirit texts (吉神 / 凶煞 of each
// hour of each day pillar) and the two 彭祖百忌 tables of its caption.
//
// The hour sheet cuts each spirit text at its first " ，凶煞" into a good and
// a bad column, so the form is what the view relies on. The twelve hour
// spirits, 日建 / 日破, 六戊 and 比肩 are checked against the almanac rules
// computed here independently of the table's generator; the names are checked
// against the spirits the generator has placement rules for.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/text.h"
#include "sheets/tables.h"
#include "tests/text_checks.h"

namespace lunisol {
namespace {

constexpr std::u16string_view kStems = u"甲乙丙丁戊己庚辛壬癸";
constexpr std::u16string_view kBranches = u"子丑寅卯辰巳午未申酉戌亥";

constexpr std::u16string_view kHead = u"吉神 ：";
constexpr std::u16string_view kBadLabel = u" ，凶煞";
constexpr std::u16string_view kSeparator = u" ，";
constexpr std::u16string_view kTigerRemedy = u"時值 白虎 取諸宜事時須用 麒麟符 制化";
constexpr std::u16string_view kBirdRemedy = u"時值 朱雀 取諸宜事時須用 鳳凰符 制化";

// The twelve hour spirits in the order they follow the hours, and which of
// them are 黃道 (auspicious).
constexpr std::array<std::u16string_view, 12> kTwelve{u"青龍", u"明堂", u"天刑", u"朱雀", u"金匱", u"天德",
                                                      u"白虎", u"玉堂", u"天牢", u"玄武", u"司命", u"勾陳"};
constexpr std::array<bool, 12> kYellow{true, true, false, false, true, true, false, true, false, false, true, false};

using text_checks::Split;

size_t Count(std::u16string_view s, std::u16string_view what) {
  size_t n = 0;
  for (size_t at = s.find(what); at != std::u16string_view::npos; at = s.find(what, at + 1)) {
    ++n;
  }
  return n;
}

bool EndsWith(std::u16string_view s, std::u16string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

bool IsHan(char16_t c) { return c >= 0x4E00 && c <= 0x9FFF; }

std::u16string CycleName(int d) { return {kStems[d % 10], kBranches[d % 12]}; }

// Hour stem from the day stem: 甲/己 days start at 甲子, 乙/庚 at 丙子, …
int HourStem(int d, int k) { return (2 * (d % 10 % 5) + k) % 10; }

// One entry cut into its lists. `ending` is what follows the bad label.
struct Parsed {
  std::vector<std::u16string_view> good;
  std::vector<std::u16string_view> bad;
  std::u16string_view remedy;
};

// Returns false (with a failure recorded) when the entry is malformed.
bool Parse(std::u16string_view entry, Parsed& out) {
  if (entry.substr(0, kHead.size()) != kHead) {
    ADD_FAILURE() << "no head: " << ToUtf8(entry);
    return false;
  }
  if (Count(entry, kBadLabel) != 1 || Count(entry, u"凶煞") != 1) {
    ADD_FAILURE() << "bad label not exactly once: " << ToUtf8(entry);
    return false;
  }
  const size_t label = entry.find(kBadLabel);
  const std::u16string_view good = entry.substr(kHead.size(), label - kHead.size());
  const std::u16string_view tail = entry.substr(label + kBadLabel.size());
  // An hour no auspicious spirit rules shows the bare label.
  out.good = good.empty() ? std::vector<std::u16string_view>{} : Split(good, kSeparator);
  out.bad.clear();
  out.remedy = {};
  if (tail.empty() || tail == u":") return true;
  if (tail.substr(0, 2) != u" ：" || tail.size() == 2) {
    ADD_FAILURE() << "bad list not introduced by \" ：\": " << ToUtf8(entry);
    return false;
  }
  out.bad = Split(tail.substr(2), kSeparator);
  if (out.bad.back() == kTigerRemedy || out.bad.back() == kBirdRemedy) {
    out.remedy = out.bad.back();
    out.bad.pop_back();
  }
  return true;
}

TEST(HourSpiritsTable, EveryEntryHasTheSplittableForm) {
  ASSERT_EQ(kHourSpirits.size(), 720u);
  for (size_t i = 0; i < kHourSpirits.size(); ++i) {
    const std::u16string_view entry = kHourSpirits[i];
    SCOPED_TRACE("entry " + std::to_string(i) + ": " + ToUtf8(entry));
    Parsed p;
    if (!Parse(entry, p)) continue;
    if (p.bad.empty() && p.remedy.empty()) {
      EXPECT_TRUE(EndsWith(entry, u" ，凶煞") || EndsWith(entry, u" ，凶煞:"));
    }
    // Every name is two Han characters; the remedy is the only longer item
    // and only ever closes the bad list.
    std::vector<std::u16string_view> all = p.good;
    all.insert(all.end(), p.bad.begin(), p.bad.end());
    for (std::u16string_view name : all) {
      EXPECT_EQ(name.size(), 2u) << ToUtf8(name);
      EXPECT_TRUE(std::all_of(name.begin(), name.end(), IsHan)) << ToUtf8(name);
    }
    std::sort(all.begin(), all.end());
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end()) << "a name repeats";
    EXPECT_LE(Count(entry, u"時值"), 1u);
  }
}

// The spirits the generator places by a stated rule. The five printed rows
// (甲子 day 子 丑 寅 午, 丙寅 day 子) are kept as the almanac prints them and
// also name a few spirits no rule here places; those names must not appear
// anywhere else, nor may the dropped fillers (不遇, 太陽, 太陰, …).
TEST(HourSpiritsTable, OnlyRuledSpiritsOutsideThePrintedRows) {
  const std::vector<std::u16string_view> ruled{
      u"青龍", u"明堂", u"金匱", u"天德", u"玉堂", u"司命", u"天官", u"天廚", u"驛馬", u"福星", u"臨官", u"喜神",
      u"日祿", u"比肩", u"福德", u"寶光", u"貴人", u"天乙", u"交貴", u"六合", u"三合", u"長生", u"帝旺", u"五合",
      u"國印", u"文昌", u"金輿", u"天喜", u"華蓋", u"日建", u"日破", u"天刑", u"朱雀", u"白虎", u"天牢", u"玄武",
      u"勾陳", u"六戊", u"日刑", u"日害", u"羊刃", u"劫煞", u"亡神", u"寡宿", u"咸池", u"旬空", u"路空"};
  const size_t printed[] = {0, 1, 2, 6, 12 * 2 + 0};
  for (size_t i = 0; i < kHourSpirits.size(); ++i) {
    if (std::find(std::begin(printed), std::end(printed), i) != std::end(printed)) continue;
    SCOPED_TRACE("entry " + std::to_string(i) + ": " + ToUtf8(kHourSpirits[i]));
    Parsed p;
    if (!Parse(kHourSpirits[i], p)) continue;
    for (const auto* list : {&p.good, &p.bad})
      for (std::u16string_view name : *list)
        EXPECT_NE(std::find(ruled.begin(), ruled.end(), name), ruled.end()) << ToUtf8(name);
  }
}

TEST(HourSpiritsTable, KnownRowsVerbatim) {
  EXPECT_EQ(kHourSpirits[0], u"吉神 ：金匱 ，大進 ，比肩 ，福德 ，凶煞 ：日建");
  EXPECT_EQ(kHourSpirits[1], u"吉神 ：天德 ，功曹 ，寶光 ，貴人 ，天乙 ，羅紋 ，交貴 ，六合 ，武曲 ，凶煞:");
  EXPECT_EQ(kHourSpirits[2],
            u"吉神 ：驛馬 ，福星 ，臨官 ，喜神 ，日祿 ，凶煞 ：天兵 ，白虎 ，"
            u"時值 白虎 取諸宜事時須用 麒麟符 制化");
  EXPECT_EQ(kHourSpirits[6], u"吉神 ：司命 ，凶煞 ：日破 ，地兵");
  EXPECT_EQ(kHourSpirits[6].size(), 18u);
  EXPECT_EQ(kHourSpirits[12 * 2 + 0], u"吉神 ：青龍 ，天官 ，天廚 ，福星 ，凶煞 ：雷兵 ，六戊");
}

// Which of the twelve hour spirits an entry names, or -1 when it names none
// or several.
int TwelveSpiritOf(const Parsed& p, bool& inGoodList) {
  int found = -1;
  for (int s = 0; s < 12; ++s) {
    const bool good = std::find(p.good.begin(), p.good.end(), kTwelve[s]) != p.good.end();
    const bool bad = std::find(p.bad.begin(), p.bad.end(), kTwelve[s]) != p.bad.end();
    if (!good && !bad) continue;
    if (found != -1 || (good && bad)) return -1;
    found = s;
    inGoodList = good;
  }
  return found;
}

TEST(HourSpiritsTable, TwelveHourSpiritsFollowTheDayBranch) {
  for (int d = 0; d < 60; ++d) {
    // 青龍 sits on 申 for 子/午 days and two hours later for each next pair
    // of branches (丑/未 戌, 寅/申 子, 卯/酉 寅, 辰/戌 辰, 巳/亥 午).
    const int dragon = (8 + 2 * (d % 12 % 6)) % 12;
    for (int k = 0; k < 12; ++k) {
      const std::u16string_view entry = kHourSpirits[12 * d + k];
      SCOPED_TRACE(ToUtf8(CycleName(d)) + " day, hour " + ToUtf8(kBranches.substr(k, 1)) + ": " + ToUtf8(entry));
      Parsed p;
      if (!Parse(entry, p)) continue;
      bool inGood = false;
      const int spirit = TwelveSpiritOf(p, inGood);
      const int expected = (k - dragon + 12) % 12;
      ASSERT_EQ(spirit, expected) << "expected " << ToUtf8(kTwelve[expected]);
      EXPECT_EQ(inGood, kYellow[spirit]);
      if (kYellow[spirit]) {
        EXPECT_EQ(p.good.front(), kTwelve[spirit]);
      }
      // The remedy goes with the white tiger and the vermilion bird only.
      if (kTwelve[spirit] == u"白虎") {
        EXPECT_EQ(p.remedy, kTigerRemedy);
      } else if (kTwelve[spirit] == u"朱雀") {
        EXPECT_EQ(p.remedy, kBirdRemedy);
      } else {
        EXPECT_TRUE(p.remedy.empty());
        EXPECT_EQ(Count(entry, u"時值"), 0u);
      }
      // 寶光 and 福德 are the other names of the 天德 and 金匱 hours and
      // appear only there.
      const bool treasure = std::find(p.good.begin(), p.good.end(), u"寶光") != p.good.end();
      EXPECT_EQ(treasure, kTwelve[spirit] == u"天德");
      const bool fortune = std::find(p.good.begin(), p.good.end(), u"福德") != p.good.end();
      EXPECT_EQ(fortune, kTwelve[spirit] == u"金匱");
    }
  }
}

TEST(HourSpiritsTable, DayBranchAndHourStemMarks) {
  for (int d = 0; d < 60; ++d) {
    for (int k = 0; k < 12; ++k) {
      const std::u16string_view entry = kHourSpirits[12 * d + k];
      SCOPED_TRACE(ToUtf8(CycleName(d)) + " day, hour " + ToUtf8(kBranches.substr(k, 1)) + ": " + ToUtf8(entry));
      Parsed p;
      if (!Parse(entry, p)) continue;
      auto hasBad = [&](std::u16string_view n) { return std::find(p.bad.begin(), p.bad.end(), n) != p.bad.end(); };
      auto hasGood = [&](std::u16string_view n) { return std::find(p.good.begin(), p.good.end(), n) != p.good.end(); };
      const int branch = d % 12;
      EXPECT_EQ(hasBad(u"日建"), k == branch);
      EXPECT_EQ(hasBad(u"日破"), k == (branch + 6) % 12);
      // Neither mark may stray into the good list.
      EXPECT_FALSE(hasGood(u"日建") || hasGood(u"日破"));
      const int hourStem = HourStem(d, k);
      EXPECT_EQ(hasBad(u"六戊"), hourStem == 4);
      EXPECT_EQ(hasGood(u"比肩"), hourStem == d % 10);
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
