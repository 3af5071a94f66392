// Checks of the zodiac fortune sheet's table: its shape, the head lines of
// every row, the form of the verse, comment and month texts, the rating
// digits the dialog turns into colours, and the fixed texts it must carry.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/text.h"
#include "sheets/tables.h"

namespace lunisol {
namespace {

using Row = std::array<std::u16string_view, 18>;

constexpr std::size_t kVerse = 4;
constexpr std::size_t kComment = 5;
constexpr std::size_t kFirstMonth = 6;

const std::array<std::u16string_view, 12> kMonthNames = {u"一月", u"二月", u"三月", u"四月", u"五月",   u"六月",
                                                         u"七月", u"八月", u"九月", u"十月", u"十一月", u"十二月"};

const Row& RowOf(int r) { return kZodiacFortuneTable[static_cast<std::size_t>(r - 1)]; }

bool IsRatingDigit(char16_t c) { return c == u'0' || c == u'1' || c == u'2'; }

// Rating counts of one row, indexed by the digit's value.
std::array<int, 3> RatingCounts(int r) {
  std::array<int, 3> counts{};
  for (std::size_t m = 0; m < 12; ++m) {
    std::u16string_view text = RowOf(r)[kFirstMonth + m];
    if (!text.empty() && IsRatingDigit(text.back())) ++counts[text.back() - u'0'];
  }
  return counts;
}

// The ages a row lists, read as numbers from its ages line.
std::vector<int> AgesOf(std::u16string_view line) {
  std::vector<int> ages;
  int value = -1;
  for (char16_t c : line) {
    if (c >= u'0' && c <= u'9') {
      value = (value < 0 ? 0 : value * 10) + (c - u'0');
    } else if (value >= 0) {
      ages.push_back(value);
      value = -1;
    }
  }
  if (value >= 0) ages.push_back(value);
  return ages;
}

TEST(ZodiacFortuneTable, ShapeTwelveRowsOfEighteenTexts) {
  ASSERT_EQ(kZodiacFortuneTable.size(), 12u);
  for (int r = 1; r <= 12; ++r) {
    ASSERT_EQ(RowOf(r).size(), 18u);
    for (std::size_t c = 0; c < 18; ++c) {
      EXPECT_FALSE(RowOf(r)[c].empty()) << "row " << r << " column " << c;
    }
  }
}

TEST(ZodiacFortuneTable, HeadLinesAsShownOnTheSheet) {
  struct Head {
    std::u16string_view title, ages, lucky, unlucky;
  };
  const std::array<Head, 12> expected = {{
      {u"歲 太 安", u"01, 13, 25, 37, 49, 61, 73, 85, 97", u"星將 , 匱金 : 星吉", u"哭天,屍伏,背指,鋒劍,歲太:星凶"},
      {u"陽 太", u"02, 14, 26, 38, 50, 62, 74, 86, 98", u"陽太 : 星吉", u"空天 , 煞劫 : 星凶"},
      {u"門 喪 制", u"03, 15, 27, 39, 51, 63, 75, 87, 99", u"馬驛 : 星吉", u"門喪 , 殺災 : 星凶"},
      {u"陰 太", u"04, 16, 28, 40, 52, 64, 76,88,100", u"陰太 , 鸞紅 : 星吉", u"索貫 , 絞勾 , 神亡 : 星凶"},
      {u"鬼 五 制", u"05, 17, 29, 41, 53, 65, 77, 89 歲", u"台三 , 匱金 , 蓋華 : 星吉", u"鬼五 , 符官 : 星凶"},
      {u"符 死 制", u"06, 18, 30, 42, 54, 66, 78, 90 歲", u"合歲 , 德月 , 解地 : 星吉", u"符死 , 耗小 , 池咸 : 星凶"},
      {u"破 歲 (歲 太 安)", u"07, 19, 31, 43, 55, 67, 79, 91 歲", u"解天 , 馬天 : 星吉",
       u"破歲 , 耗大 , 干欄 , 刃血 : 星凶"},
      {u"德 龍", u"08, 20, 32, 44, 56, 68, 80, 92 歲", u"德龍 , 喜天 , 堂玉 , 微紫 : 星吉", u"厄天 , 敗破 : 星凶"},
      {u"虎 白 制", u"09, 21, 33, 45, 57, 69, 81, 93 歲", u"星將 , 蓋華 , 匱金 , 解天 : 星吉",
       u"虎白 , 煞大 , 簾飛 : 星凶"},
      {u"德 福", u"10, 22, 34, 46, 58, 70, 82, 94 歲", u"德天 , 德福 , 喜天 : 星吉", u"舌捲 , 絞勾 : 星凶"},
      {u"狗 天 制", u"11, 23, 35, 47, 59, 71, 83, 95 歲", u"馬驛 , 解天 , 座八 : 星吉", u"狗天 , 客吊 : 星凶"},
      {u"符 病 制", u"12, 24, 36, 48, 60, 72, 84, 96 歲", u"越陌 , 醫天 : 星吉", u"符病 , 神亡 : 星凶"},
  }};
  for (int r = 1; r <= 12; ++r) {
    const Head& h = expected[static_cast<std::size_t>(r - 1)];
    SCOPED_TRACE("row " + std::to_string(r));
    EXPECT_EQ(RowOf(r)[0], h.title) << ToUtf8(RowOf(r)[0]);
    EXPECT_EQ(RowOf(r)[1], h.ages) << ToUtf8(RowOf(r)[1]);
    EXPECT_EQ(RowOf(r)[2], h.lucky) << ToUtf8(RowOf(r)[2]);
    EXPECT_EQ(RowOf(r)[3], h.unlucky) << ToUtf8(RowOf(r)[3]);
  }
}

TEST(ZodiacFortuneTable, HeadLinesFollowTheRowRules) {
  for (int r = 1; r <= 12; ++r) {
    SCOPED_TRACE("row " + std::to_string(r));
    // Stars are stored reversed, so the "吉星"/"凶星" label comes last.
    EXPECT_TRUE(RowOf(r)[2].ends_with(u"星吉")) << ToUtf8(RowOf(r)[2]);
    EXPECT_TRUE(RowOf(r)[3].ends_with(u"星凶")) << ToUtf8(RowOf(r)[3]);
    // Row r serves nominal ages r, r + 12, r + 24, … up to about a hundred.
    std::vector<int> ages = AgesOf(RowOf(r)[1]);
    ASSERT_GE(ages.size(), 8u);
    ASSERT_LE(ages.size(), 9u);
    for (std::size_t i = 0; i < ages.size(); ++i) {
      EXPECT_EQ(ages[i], r + 12 * static_cast<int>(i));
    }
  }
  // A 子-year reader born a 鼠 finds 安太歲 in row 1, and row 7 is the clash.
  EXPECT_TRUE(RowOf(1)[0].ends_with(u"安"));
  EXPECT_TRUE(RowOf(7)[0].starts_with(u"破 歲"));
}

TEST(ZodiacFortuneTable, VerseAndCommentForm) {
  for (int r = 1; r <= 12; ++r) {
    SCOPED_TRACE("row " + std::to_string(r));
    std::u16string_view verse = RowOf(r)[kVerse];
    std::u16string_view comment = RowOf(r)[kComment];
    EXPECT_TRUE(verse.starts_with(u"詩曰 ：")) << ToUtf8(verse);
    // The verse is shown as is: no closing mark and no rating digit.
    ASSERT_FALSE(verse.empty());
    EXPECT_EQ(std::u16string_view(u"，；。：0123456789 ").find(verse.back()), std::u16string_view::npos)
        << ToUtf8(verse);
    EXPECT_NE(verse.find(u" ，"), std::u16string_view::npos) << ToUtf8(verse);
    EXPECT_NE(verse.find(u" ；"), std::u16string_view::npos) << ToUtf8(verse);
    EXPECT_TRUE(comment.ends_with(u" 。")) << ToUtf8(comment);
    EXPECT_FALSE(IsRatingDigit(comment.back()));
  }
}

TEST(ZodiacFortuneTable, MonthTextsCarryNameAndRating) {
  for (int r = 1; r <= 12; ++r) {
    for (std::size_t m = 0; m < 12; ++m) {
      std::u16string_view text = RowOf(r)[kFirstMonth + m];
      SCOPED_TRACE("row " + std::to_string(r) + " month " + std::to_string(m + 1));
      std::u16string prefix(kMonthNames[m]);
      prefix += u" ：";
      EXPECT_TRUE(text.starts_with(prefix)) << ToUtf8(text);
      ASSERT_FALSE(text.empty());
      EXPECT_TRUE(IsRatingDigit(text.back())) << ToUtf8(text);
      // The digit is stripped for display; no other digit may hide in the text.
      std::u16string_view body = text.substr(0, text.size() - 1);
      EXPECT_EQ(body.find_first_of(u"0123456789"), std::u16string_view::npos) << ToUtf8(text);
      EXPECT_GT(body.size(), prefix.size()) << ToUtf8(text);
    }
  }
}

TEST(ZodiacFortuneTable, TextLengthsFitTheColumns) {
  for (int r = 1; r <= 12; ++r) {
    for (std::size_t c = kVerse; c < 18; ++c) {
      std::size_t n = RowOf(r)[c].size();
      EXPECT_GE(n, 21u) << "row " << r << " column " << c << ": " << ToUtf8(RowOf(r)[c]);
      EXPECT_LE(n, 45u) << "row " << r << " column " << c << ": " << ToUtf8(RowOf(r)[c]);
    }
  }
}

TEST(ZodiacFortuneTable, PunctuationIsFullWidthWithLeadingBlank) {
  // Phrase marks are full-width and follow a blank; a half-width comma or a
  // mark glued to the text would break the column layout.
  const std::u16string_view marks = u"，；。：";
  for (int r = 1; r <= 12; ++r) {
    for (std::size_t c = kVerse; c < 18; ++c) {
      std::u16string_view text = RowOf(r)[c];
      SCOPED_TRACE(ToUtf8(text));
      EXPECT_EQ(text.find_first_of(u",;:."), std::u16string_view::npos);
      for (std::size_t i = 0; i < text.size(); ++i) {
        if (marks.find(text[i]) != std::u16string_view::npos) {
          ASSERT_GT(i, 0u);
          EXPECT_EQ(text[i - 1], u' ') << "at " << i;
        }
      }
    }
  }
}

TEST(ZodiacFortuneTable, RatingTotalsAndSpread) {
  std::array<int, 3> total{};
  std::array<std::array<int, 3>, 12> perRow{};
  for (int r = 1; r <= 12; ++r) {
    perRow[static_cast<std::size_t>(r - 1)] = RatingCounts(r);
    for (int k = 0; k < 3; ++k) total[k] += perRow[static_cast<std::size_t>(r - 1)][k];
  }
  EXPECT_EQ(total[1], 65);
  EXPECT_EQ(total[0], 40);
  EXPECT_EQ(total[2], 39);

  // Helpful stars (太陽, 太陰, 龍德, 福德) bring mostly good months; the
  // clash with the year (row 7) has the most bad months of all rows.
  for (int r : {2, 4, 8, 10}) {
    const auto& c = perRow[static_cast<std::size_t>(r - 1)];
    EXPECT_GT(c[1], c[0] + c[2]) << "row " << r;
  }
  for (int r : {1, 6, 7, 9}) {
    const auto& c = perRow[static_cast<std::size_t>(r - 1)];
    EXPECT_GT(c[0], c[1]) << "row " << r;
  }
  for (int r = 1; r <= 12; ++r) {
    if (r == 7) continue;
    EXPECT_LT(perRow[static_cast<std::size_t>(r - 1)][0], perRow[6][0]) << "row " << r;
  }
}

TEST(ZodiacFortuneTable, FixedTextsVerbatim) {
  EXPECT_EQ(RowOf(1)[kVerse], u"詩曰 ：太歲當頭坐 ，無災也有禍 ；用功勿過勞 ，凡事提防好");
  EXPECT_EQ(RowOf(1)[kComment], u"今年沖犯太歲 ，宜於正月初九或十五日 ，安奉並參拜 太歲 ，多行善事 ，可逢凶化吉 。");
  EXPECT_EQ(RowOf(1)[kFirstMonth + 0], u"一月 ：月干進貴行善道 ，災消禍散福祿高 ；宜防親友無情 ，兄弟失義0");
  EXPECT_EQ(RowOf(1)[kFirstMonth + 3], u"四月 ：善德生香消百災 ，否極泰來人光彩 ：百事漸通 ；戒貪非份之財1");
  EXPECT_EQ(RowOf(1)[kFirstMonth + 11], u"十二月 ：吉人天相月令平 ，多行善道財福臨 ；莫貪不義 ，注意身體欠安2");
  EXPECT_EQ(RowOf(7)[kFirstMonth + 0], u"一月 ：吉中藏凶 ；宜於本月初旬 安奉太歲 參拜0");
}

TEST(ZodiacFortuneTable, TextsMatchTheirYearStar) {
  // Each row's verse or comment names the star that rules the row, so rows
  // cannot be shuffled unnoticed.
  const std::array<std::u16string_view, 12> stars = {u"太歲", u"太陽", u"喪門", u"太陰", u"五鬼", u"死符",
                                                     u"歲破", u"龍德", u"白虎", u"福德", u"天狗", u"病符"};
  for (int r = 1; r <= 12; ++r) {
    std::u16string_view star = stars[static_cast<std::size_t>(r - 1)];
    bool named = RowOf(r)[kVerse].find(star) != std::u16string_view::npos ||
                 RowOf(r)[kComment].find(star) != std::u16string_view::npos;
    EXPECT_TRUE(named) << "row " << r << " does not name " << ToUtf8(star);
  }
}

}  // namespace
}  // namespace lunisol
