// Checks of the Earth-Mother verse and oracle tables: slot layout, the line
// and phrase form the yearly sheet's columns depend on, the year named at the
// head of every verse, and the rows whose wording is fixed.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/text.h"
#include "sheets/tables.h"
#include "tests/text_checks.h"

namespace lunisol {
namespace {

using Table = std::array<std::u16string_view, 61>;

constexpr std::u16string_view kStems = u"甲乙丙丁戊己庚辛壬癸";
constexpr std::u16string_view kBranches = u"子丑寅卯辰巳午未申酉戌亥";

std::u16string Pillar(int position) {
  std::u16string s;
  s += kStems[(position - 1) % 10];
  s += kBranches[(position - 1) % 12];
  return s;
}

using text_checks::Split;

bool IsIdeograph(char16_t c) { return c >= 0x4E00 && c <= 0x9FFF; }

// Splits a line into its phrases, each of which must be a run of ideographs
// closed by a blank and a full-width comma or full stop. Returns false (with
// a reason) when the line does not have that form.
bool SplitPhrases(std::u16string_view line, std::vector<std::u16string_view>* phrases, std::string* why) {
  std::size_t i = 0;
  while (i < line.size()) {
    std::size_t start = i;
    while (i < line.size() && IsIdeograph(line[i])) ++i;
    if (i == start) {
      *why = "phrase does not start with an ideograph at " + std::to_string(i);
      return false;
    }
    if (i + 1 >= line.size() || line[i] != u' ' || (line[i + 1] != u'，' && line[i + 1] != u'。')) {
      *why = "phrase not closed by blank + full-width comma/stop at " + std::to_string(i);
      return false;
    }
    phrases->push_back(line.substr(start, i - start));
    i += 2;
  }
  return true;
}

struct Form {
  const char* name;
  std::size_t minLines;
  std::size_t maxLines;
  std::size_t maxLineLength;
};

void CheckForm(const Table& table, const Form& form) {
  for (int p = 1; p <= 60; ++p) {
    std::u16string_view text = table[p];
    SCOPED_TRACE(std::string(form.name) + " " + std::to_string(p) + " " + ToUtf8(text));
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), u'\n');
    std::vector<std::u16string_view> lines = Split(text, u"\n");
    EXPECT_GE(lines.size(), form.minLines);
    EXPECT_LE(lines.size(), form.maxLines);
    for (std::u16string_view line : lines) {
      SCOPED_TRACE("line " + ToUtf8(line));
      ASSERT_FALSE(line.empty());
      EXPECT_LE(line.size(), form.maxLineLength);
      std::vector<std::u16string_view> phrases;
      std::string why;
      ASSERT_TRUE(SplitPhrases(line, &phrases, &why)) << why;
      EXPECT_LE(phrases.size(), 4u);
      for (std::u16string_view phrase : phrases) {
        EXPECT_TRUE(phrase.size() == 5 || phrase.size() == 7) << ToUtf8(phrase);
      }
      // A column ends on a full stop, never mid-couplet.
      EXPECT_EQ(line.back(), u'。');
    }
  }
}

std::size_t CountWithLines(const Table& table, std::size_t n) {
  std::size_t count = 0;
  for (int p = 1; p <= 60; ++p) {
    if (Split(table[p], u"\n").size() == n) ++count;
  }
  return count;
}

TEST(EarthMotherTables, SlotZeroIsEmptyAndEveryYearFilled) {
  EXPECT_EQ(kEarthMotherVerses.size(), 61u);
  EXPECT_EQ(kEarthMotherOracles.size(), 61u);
  EXPECT_TRUE(kEarthMotherVerses[0].empty());
  EXPECT_TRUE(kEarthMotherOracles[0].empty());
  for (int p = 1; p <= 60; ++p) {
    EXPECT_FALSE(kEarthMotherVerses[p].empty()) << p;
    EXPECT_FALSE(kEarthMotherOracles[p].empty()) << p;
  }
}

TEST(EarthMotherTables, VerseLinesAndPhrasesHaveColumnForm) { CheckForm(kEarthMotherVerses, {"verse", 2, 4, 28}); }

TEST(EarthMotherTables, OracleLinesAndPhrasesHaveColumnForm) { CheckForm(kEarthMotherOracles, {"oracle", 1, 3, 36}); }

TEST(EarthMotherTables, TypicalLineCounts) {
  // Most verses fill three of the four verse columns, most oracles two of
  // the three oracle columns.
  EXPECT_GT(CountWithLines(kEarthMotherVerses, 3), 30u);
  EXPECT_GT(CountWithLines(kEarthMotherOracles, 2), 30u);
}

TEST(EarthMotherTables, EveryVerseNamesItsOwnYear) {
  for (int p = 1; p <= 60; ++p) {
    std::u16string head = u"太歲" + Pillar(p) + u"年 ，";
    EXPECT_TRUE(kEarthMotherVerses[p].starts_with(head)) << p << " " << ToUtf8(kEarthMotherVerses[p]);
  }
}

TEST(EarthMotherTables, NoTwoYearsShareAText) {
  std::set<std::u16string_view> verses(kEarthMotherVerses.begin() + 1, kEarthMotherVerses.end());
  std::set<std::u16string_view> oracles(kEarthMotherOracles.begin() + 1, kEarthMotherOracles.end());
  EXPECT_EQ(verses.size(), 60u);
  EXPECT_EQ(oracles.size(), 60u);
}

TEST(EarthMotherTables, FixedRowsVerbatim) {
  EXPECT_EQ(kEarthMotherVerses[1],
            u"太歲甲子年 ，水潦損田疇 。蠶姑雖即喜 ，耕夫不免愁 。\n"
            u"桑柘無人採 ，高低禾稻收 。春夏多淹浸 ，秋冬少滴流 。\n"
            u"吳楚桑麻好 ，齊燕禾麥稠 。陸種無成實 ，鼠雀共啾啾 。");
  EXPECT_EQ(kEarthMotherOracles[1],
            u"少種空心草 ，多種老婆顏 。白鶴土中渴 ，黃龍水底眠 。\n"
            u"雖然桑葉茂 ，綢絹不成錢 。");
  EXPECT_EQ(kEarthMotherVerses[23],
            u"太歲丙戌年 ，夏秋井無泉 。春秋多淹沒 ，耕鋤唯怨天 。\n"
            u"早禾宜當下 ，晚稻早留連 。豆益桑麻乏 ，吳齊最可憐 。\n"
            u"桑葉初生賤 ，蠶老都賣錢 。");
  EXPECT_EQ(kEarthMotherOracles[23],
            u"歲臨於丙戌 ，高下皆無失 。豆麥穿土出 ，在處得成實 。\n"
            u"六畜多瘟瘴 ，人民少災疾 。");
}

// The two rows above are the only ones carried from the printed text; every
// other year is flagged as ours, and the yearly sheet reads this flag.
TEST(EarthMotherTables, OriginOfEverySlot) {
  ASSERT_EQ(kEarthMotherOrigins.size(), 61u);
  EXPECT_EQ(kEarthMotherOrigins[0], TextOrigin::kNone);
  for (int p = 1; p <= 60; ++p) {
    EXPECT_EQ(kEarthMotherOrigins[p], p == 1 || p == 23 ? TextOrigin::kPrinted : TextOrigin::kOurs) << p;
  }
}

}  // namespace
}  // namespace lunisol
