// The almanac list over the book's decision: it never turns the book's 忌
// into 宜 and folk rules only forbid more (every day of 1900–2100); each
// folk mark falls on the days its source names, in every month, and forbids
// what the source says; 董公's verdicts take effect; the word table's shape.
#include "days/almanac_list.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "calendar/convert.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "days/data/almanac_tables.h"
#include "days/rule_book.h"
#include "tests/text_checks.h"

namespace lunisol {
namespace {

void ForEachDay(int fromYear, int toYear, const std::function<void(const DayLists&, const AlmanacList&)>& f) {
  DayLists d;
  AlmanacList a;
  for (int y = fromYear; y <= toYear; ++y)
    for (int m = 1; m <= 12; ++m)
      for (int day = 1; day <= DaysInSolarMonth(y, m); ++day) {
        EvaluateDayLists(y, m, day, d);
        BuildAlmanacList(d, a);
        f(d, a);
      }
}

std::string Date(const DayLists& d) {
  return std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
}

int Word(std::u16string_view name) { return *AlmanacWordByName(name); }

bool InYi(const AlmanacList& a, std::u16string_view word) {
  for (int i = 0; i < a.yiCount; ++i)
    if (AlmanacWordName(a.yi[static_cast<size_t>(i)].word) == word) return true;
  return false;
}

bool BookHas(const std::array<ActivityVerdict, kActivityCount>& items, int count, int activity) {
  for (int i = 0; i < count; ++i)
    if (static_cast<int>(items[static_cast<size_t>(i)].activity) == activity) return true;
  return false;
}

bool HasMark(const AlmanacList& a, std::u16string_view mark) {
  for (int m = 0; m < FolkMarkCount(); ++m)
    if (FolkMarkName(m) == mark) return (a.marks >> m) & 1;
  return false;
}

// 卷十 69a: what stays 宜 on a day on which everything else is forbidden.
bool Quiet(int activity) {
  for (std::u16string_view q : {u"祭祀", u"解除", u"沐浴", u"剃頭", u"整手足甲", u"補垣塞穴", u"掃舍宇", u"修飾垣牆",
                                u"平治道塗", u"破屋壞垣", u"伐木"})
    if (ActivityName(static_cast<ActivityId>(activity)) == q) return true;
  return false;
}

TEST(AlmanacList, NeverTurnsTheBooksJiIntoYiOnAnyDay) {
  int folkYi = 0, limited = 0;
  ForEachDay(1900, 2100, [&](const DayLists& d, const AlmanacList& a) {
    std::set<int> seen;
    int last = -1;
    for (int i = 0; i < a.yiCount; ++i) {
      const AlmanacItem& item = a.yi[static_cast<size_t>(i)];
      ASSERT_GT(item.word, last) << Date(d);  // in the almanac's order, each word once
      last = item.word;
      seen.insert(item.word);
      ASSERT_TRUE(!item.spirits.Empty() || item.folkCount > 0) << Date(d);  // every item keeps its reasons
      if (item.activity >= 0) {
        ASSERT_TRUE(BookHas(d.yi, d.yiCount, item.activity)) << Date(d);
        ASSERT_FALSE(BookHas(d.ji, d.jiCount, item.activity)) << Date(d);
      } else {
        ++folkYi;
        ASSERT_FALSE(d.restBad || d.yiLimited || a.allBad) << Date(d);  // no folk 宜 where a rule cuts 宜 short
      }
      if (a.allBad) ASSERT_TRUE(item.activity >= 0 && (Quiet(item.activity) || HasMark(a, u"受死"))) << Date(d);
    }
    ASSERT_LE(a.jiCount, kMaxAlmanacJi);
    for (int i = 0; i < a.jiCount; ++i) {
      const AlmanacItem& item = a.ji[static_cast<size_t>(i)];
      ASSERT_EQ(seen.count(item.word), 0u) << Date(d);
      ASSERT_TRUE(kAlmanacWordRows[static_cast<size_t>(item.word)].common) << Date(d);
      ASSERT_TRUE(!item.spirits.Empty() || item.folkCount > 0) << Date(d);
      ASSERT_TRUE(!item.byBook || BookHas(d.ji, d.jiCount, item.activity)) << Date(d);
    }
    if (d.allBad) ASSERT_TRUE(a.allBad) << Date(d);
    if (a.restBad) ASSERT_GT(a.yiCount, 0) << Date(d);
    limited += a.restBad ? 1 : 0;
  });
  EXPECT_GT(folkYi, 5000);
  EXPECT_GT(limited, 10000);
}

// Each mark on the days its source names, in every month, and what it
// forbids kept from the 宜.
TEST(AlmanacList, FolkMarksFallWhereTheirSourcesSayAndForbid) {
  constexpr std::array<std::array<int, 2>, 13> kYangGong{{{1, 13},
                                                          {2, 11},
                                                          {3, 9},
                                                          {4, 7},
                                                          {5, 5},
                                                          {6, 3},
                                                          {7, 1},
                                                          {7, 29},
                                                          {8, 27},
                                                          {9, 25},
                                                          {10, 23},
                                                          {11, 21},
                                                          {12, 19}}};
  // 董公凶神月表's 受死, 正月 … 十二月 (十月 empty in the table, −1).
  constexpr std::array<int, 12> kDeath{10, 4, 11, 5, 0, 6, 1, 7, 2, -1, 3, 9};
  std::array<std::array<int, 12>, 5> seen{};  // [mark][month]
  ForEachDay(1990, 2029, [&](const DayLists& d, const AlmanacList& a) {
    const int lunarMonth = d.lunarMonth < 0 ? -d.lunarMonth : d.lunarMonth, lunarDay = d.lunarDay;
    const int monthIndex = (d.monthBranch + 10) % 12, branch = d.dayCycle % 12;
    bool yang = false;
    for (const auto& [m, day] : kYangGong) yang = yang || (m == lunarMonth && day == lunarDay);
    // The nine gods' places (卷六 45a): 戌 in 正月, six on in the even months, one on every two months.
    const int death = (10 + monthIndex / 2 + 6 * (monthIndex % 2)) % 12;
    if (kDeath[static_cast<size_t>(monthIndex)] >= 0) ASSERT_EQ(death, kDeath[static_cast<size_t>(monthIndex)]);
    const bool marks[5] = {
        yang, lunarDay == 5 || lunarDay == 14 || lunarDay == 23,
        std::u16string_view(u"\u0003\u0007\u000d\u0012\u0016\u001b").find(static_cast<char16_t>(lunarDay)) !=
            std::u16string_view::npos,
        branch == death, branch == std::array<int, 3>{9, 5, 1}[static_cast<size_t>(monthIndex % 3)]};
    const std::u16string_view names[5] = {u"楊公忌", u"月忌", u"三娘煞", u"受死", u"紅紗"};
    for (size_t k = 0; k < 5; ++k) {
      ASSERT_EQ(HasMark(a, names[k]), marks[k]) << Date(d) << " " << ToUtf8(names[k]);
      if (marks[k]) ++seen[k][static_cast<size_t>(k < 3 ? lunarMonth - 1 : monthIndex)];
    }
    if (marks[0] || marks[3]) EXPECT_TRUE(a.allBad) << Date(d);
    if (marks[1])
      for (std::u16string_view w : {u"嫁娶", u"訂盟", u"納采", u"移徙", u"入宅", u"安香"})
        EXPECT_FALSE(InYi(a, w)) << Date(d);
    if (marks[2]) EXPECT_FALSE(InYi(a, u"嫁娶")) << Date(d);
    if (marks[4])
      for (std::u16string_view w : {u"嫁娶", u"安葬", u"上樑"}) EXPECT_FALSE(InYi(a, w)) << Date(d);
    ASSERT_EQ(HasMark(a, u"四離"), Rules().spirits.size() > 0 && d.badSpirits.Has(*SpiritByName(u"四離")));
  });
  for (size_t k = 0; k < 5; ++k)
    for (size_t m = 0; m < 12; ++m) EXPECT_GT(seen[k][m], 0) << k << " month " << m + 1;
}

// The almanac words 董公's words stand for.
std::vector<std::u16string_view> AlmanacWordsOf(std::u16string_view said) {
  std::vector<std::u16string_view> out;
  for (std::u16string_view s : text_checks::Split(said, u" "))
    for (const DongGongWordRow& w : kDongGongWordRows)
      if (w.said == s && !w.words.empty())
        for (std::u16string_view word : text_checks::Split(w.words, u" ")) out.push_back(word);
  return out;
}

// 董公's verdicts: what an entry forbids is never 宜, in every month there
// are days on which that takes a book 宜 away, and a word no book activity
// decides on the day (入宅 with 移徙 neither 宜 nor 忌) is 宜 where he says so.
TEST(AlmanacList, DongGongForbidsAndSuits) {
  static constexpr std::u16string_view kMonths[12] = {u"正月", u"二月", u"三月", u"四月", u"五月",   u"六月",
                                                      u"七月", u"八月", u"九月", u"十月", u"十一月", u"十二月"};
  std::array<int, 12> bites{};
  int suited = 0;
  const int moving = static_cast<int>(*ActivityByName(u"移徙"));
  ForEachDay(1990, 2029, [&](const DayLists& d, const AlmanacList& a) {
    const int monthIndex = (d.monthBranch + 10) % 12;
    const char16_t stem = kStemNames[static_cast<size_t>(d.dayCycle % 10)][0];
    const char16_t branch = kBranchNames[static_cast<size_t>(d.dayCycle % 12)][0];
    for (const DongGongRow& r : kDongGongRows) {
      if (r.entry.back() != branch || r.entry.substr(0, r.entry.size() - 2) != kMonths[monthIndex]) continue;
      if (!r.stems.empty() && r.stems.find(stem) == std::u16string_view::npos) continue;
      const bool unlucky = r.says == DongGongSays::kUnlucky;
      for (std::u16string_view word : AlmanacWordsOf(unlucky ? kDongGongUndertakings : r.words)) {
        if (r.says == DongGongSays::kSuits) {
          suited += word == u"入宅" && InYi(a, word) && !BookHas(d.yi, d.yiCount, moving) ? 1 : 0;
          continue;
        }
        EXPECT_FALSE(InYi(a, word)) << Date(d) << " " << ToUtf8(r.entry) << " " << ToUtf8(word);
        const std::u16string_view activity = kAlmanacWordRows[static_cast<size_t>(Word(word))].activity;
        if (!activity.empty() && BookHas(d.yi, d.yiCount, static_cast<int>(*ActivityByName(activity))))
          ++bites[static_cast<size_t>(monthIndex)];
      }
    }
  });
  for (size_t m = 0; m < 12; ++m) EXPECT_GT(bites[m], 0) << "month " << m + 1;
  EXPECT_GT(suited, 50);
}

// 入殮 by its 通書 rule: 宜 with 天德 月德 天德合 月德合 天赦 天願 鳴吠 or 青龍 and
// none of the days it avoids; never 宜 where the book cuts the day's 宜 short.
TEST(AlmanacList, EncoffiningFollowsItsRule) {
  int yi = 0;
  const std::u16string_view good[] = {u"天德", u"月德", u"天德合", u"月德合", u"天赦", u"天願", u"鳴吠", u"青龍"};
  const std::u16string_view bad[] = {u"月建", u"月破", u"土府", u"劫煞", u"災煞", u"月煞", u"月刑", u"月厭",
                                     u"土符", u"四廢", u"四窮", u"四忌", u"地囊", u"復日", u"重日"};
  ForEachDay(2000, 2019, [&](const DayLists& d, const AlmanacList& a) {
    auto on = [&](std::u16string_view s) {
      const SpiritId id = *SpiritByName(s);
      return d.goodSpirits.Has(id) || d.badSpirits.Has(id);
    };
    bool g = false, b = d.officer == 3 || d.officer == 9;  // 平日, 收日
    for (auto s : good) g = g || on(s);
    for (auto s : bad) b = b || on(s);
    const bool want = g && !b && !a.allBad && !d.restBad && !d.yiLimited;
    ASSERT_EQ(InYi(a, u"入殮"), want) << Date(d);
    yi += want ? 1 : 0;
  });
  EXPECT_GT(yi, 500);
}

// Every word Traditional and cited; its correspondence is the book's word,
// part of it, stated by a source, or marked as our reading; no court word.
TEST(AlmanacList, WordTableShape) {
  EXPECT_TRUE(AlmanacTableErrors().empty()) << ToUtf8(AlmanacTableErrors().empty() ? u"" : AlmanacTableErrors()[0]);
  ASSERT_LE(kAlmanacWordRows.size(), static_cast<size_t>(kMaxAlmanacWords));
  auto plain = [](std::u16string text) {  // the book's forms of the almanac's characters
    for (char16_t& c : text) c = c == u'床' ? u'牀' : c == u'啟' ? u'啓' : c == u'樑' ? u'梁' : c;
    return text;
  };
  std::set<std::u16string_view> words;
  for (const AlmanacWordRow& r : kAlmanacWordRows) {
    EXPECT_TRUE(words.insert(r.word).second) << ToUtf8(r.word);
    text_checks::ExpectTraditional(r.word, "almanac word");
    EXPECT_FALSE(r.cite.empty()) << ToUtf8(r.word);
    const bool own = r.basis == WordBasis::kOwnRule;
    EXPECT_EQ(r.activity.empty(), own) << ToUtf8(r.word);
    if (!own) ASSERT_TRUE(ActivityByName(r.activity)) << ToUtf8(r.word);
    if (r.basis == WordBasis::kSameName) EXPECT_EQ(plain(std::u16string(r.word)), r.activity) << ToUtf8(r.word);
    if (r.basis == WordBasis::kNamePart || r.basis == WordBasis::kBookSays)
      EXPECT_NE(r.basis == WordBasis::kNamePart ? r.activity.find(plain(std::u16string(r.word))) : 0,
                std::u16string_view::npos)
          << ToUtf8(r.word);
    if (r.basis == WordBasis::kSourceRule || r.basis == WordBasis::kSourceNames || r.basis == WordBasis::kGloss)
      EXPECT_TRUE(r.cite.find(u"用事宜忌") != std::u16string_view::npos ||
                  r.cite.find(u"bazilao") != std::u16string_view::npos)
          << ToUtf8(r.word);
    bool ruled = false;
    for (const WordRuleRow& rule : kWordRuleRows) ruled = ruled || rule.word == r.word;
    EXPECT_EQ(ruled, own) << ToUtf8(r.word);
  }
  for (std::u16string_view court :
       {u"上冊受封", u"襲爵受封", u"臨政親民", u"上表章", u"頒詔",      u"覃恩",   u"肆赦",     u"施恩封拜",
        u"詔命公卿", u"招賢",     u"舉正直",   u"施恩惠", u"恤孤惸",    u"宣政事", u"布政事",   u"行惠愛",
        u"雪冤枉",   u"緩刑獄",   u"慶賜",     u"賞賀",   u"行幸",      u"遣使",   u"安撫邊境", u"選將訓兵",
        u"出師",     u"營建宮室", u"修宮室",   u"繕城郭", u"上冊進表章"}) {
    EXPECT_FALSE(AlmanacWordByName(court)) << ToUtf8(court);
    for (const AlmanacWordRow& r : kAlmanacWordRows) EXPECT_NE(r.activity, court);
  }
  for (const FolkMarkRow& r : kFolkMarkRows) {
    EXPECT_FALSE(r.cite.empty());
    text_checks::ExpectTraditional(r.mark, "mark");
  }
  std::set<std::u16string_view> entries;
  for (const DongGongRow& r : kDongGongRows) entries.insert(r.entry);
  EXPECT_EQ(entries.size(), 144u);  // every month's twelve 建除 days
}

}  // namespace
}  // namespace lunisol
