// Shape and content checks for the bone-weighing tables and the mansion
// birth-day sayings. The dialog splits each verse at its first two blanks and
// shows the song in a two-line box, so the field layout is what matters most.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/text.h"
#include "sheets/tables.h"
#include "tests/text_checks.h"

namespace lunisol {
namespace {

using text_checks::Split;

bool IsHan(char16_t c) { return c >= 0x3400 && c <= 0x9FFF; }

bool EndsWith(std::u16string_view s, std::u16string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// "二兩一" for 21 錢, "三兩" for 30 錢: whole 兩 carry no 錢 digit.
std::u16string WeightNumeral(int qian) {
  static constexpr std::u16string_view kDigits = u"〇一二三四五六七八九";
  std::u16string text;
  text += kDigits[qian / 10];
  text += u'兩';
  if (qian % 10 != 0) text += kDigits[qian % 10];
  return text;
}

TEST(BoneWeightTables, UnusedSlotsAreZeroAndEveryWeightIsPositive) {
  EXPECT_EQ(kBoneYearWeights[0], 0);
  EXPECT_EQ(kBoneMonthWeights[0], 0);
  EXPECT_EQ(kBoneDayWeights[0], 0);
  for (size_t p = 1; p < kBoneYearWeights.size(); ++p) EXPECT_GT(kBoneYearWeights[p], 0) << "year " << p;
  for (size_t m = 1; m < kBoneMonthWeights.size(); ++m) EXPECT_GT(kBoneMonthWeights[m], 0) << "month " << m;
  for (size_t d = 1; d < kBoneDayWeights.size(); ++d) EXPECT_GT(kBoneDayWeights[d], 0) << "day " << d;
  for (size_t h = 0; h < kBoneHourWeights.size(); ++h) EXPECT_GT(kBoneHourWeights[h], 0) << "hour " << h;
}

TEST(BoneWeightTables, ExtremesSpanExactlyTheVerseRange) {
  auto min_of = [](const auto& table, size_t from) { return *std::min_element(table.begin() + from, table.end()); };
  auto max_of = [](const auto& table, size_t from) { return *std::max_element(table.begin() + from, table.end()); };
  EXPECT_EQ(min_of(kBoneYearWeights, 1), 5);
  EXPECT_EQ(min_of(kBoneMonthWeights, 1), 5);
  EXPECT_EQ(min_of(kBoneDayWeights, 1), 5);
  EXPECT_EQ(min_of(kBoneHourWeights, 0), 6);
  EXPECT_EQ(max_of(kBoneYearWeights, 1), 19);
  EXPECT_EQ(max_of(kBoneMonthWeights, 1), 18);
  EXPECT_EQ(max_of(kBoneDayWeights, 1), 18);
  EXPECT_EQ(max_of(kBoneHourWeights, 0), 16);

  const int lightest = min_of(kBoneYearWeights, 1) + min_of(kBoneMonthWeights, 1) + min_of(kBoneDayWeights, 1) +
                       min_of(kBoneHourWeights, 0);
  const int heaviest = max_of(kBoneYearWeights, 1) + max_of(kBoneMonthWeights, 1) + max_of(kBoneDayWeights, 1) +
                       max_of(kBoneHourWeights, 0);
  EXPECT_EQ(lightest, 21);  // verse 0
  EXPECT_EQ(heaviest, 71);  // verse 50
  EXPECT_LT(static_cast<size_t>(heaviest - 21), kBoneVerses.size());
}

TEST(BoneWeightTables, KnownBirthMoments) {
  // 己巳 year, first month, first day, 丑 hour: the lightest possible reading.
  EXPECT_EQ(kBoneYearWeights[6] + kBoneMonthWeights[5] + kBoneDayWeights[1] + kBoneHourWeights[1], 21);
  // 丙戌 (position 23), lunar 1/1, 子 hour: 三兩三.
  EXPECT_EQ(kBoneYearWeights[23] + kBoneMonthWeights[1] + kBoneDayWeights[1] + kBoneHourWeights[0], 33);
  // The heaviest parts sit at 己卯/戊午, months 3 and 9, days 18 and 26, 子 and 巳.
  EXPECT_EQ(kBoneYearWeights[16], 19);
  EXPECT_EQ(kBoneYearWeights[55], 19);
  EXPECT_EQ(kBoneMonthWeights[3], 18);
  EXPECT_EQ(kBoneMonthWeights[9], 18);
  EXPECT_EQ(kBoneDayWeights[18], 18);
  EXPECT_EQ(kBoneDayWeights[26], 18);
  EXPECT_EQ(kBoneHourWeights[0], 16);
  EXPECT_EQ(kBoneHourWeights[5], 16);
  // Spot values across the cycle, to catch a shifted row.
  EXPECT_EQ(kBoneYearWeights[1], 12);
  EXPECT_EQ(kBoneYearWeights[30], 7);
  EXPECT_EQ(kBoneYearWeights[48], 17);
  EXPECT_EQ(kBoneYearWeights[60], 7);
  EXPECT_EQ(kBoneDayWeights[30], 6);
  EXPECT_EQ(kBoneMonthWeights[12], 5);
  EXPECT_EQ(kBoneHourWeights[11], 6);
}

TEST(BoneVerses, ThreeFieldsWithTheWeightFirst) {
  ASSERT_EQ(kBoneVerses.size(), 52u);
  for (size_t k = 0; k < kBoneVerses.size(); ++k) {
    const std::u16string_view verse = kBoneVerses[k];
    SCOPED_TRACE("verse " + std::to_string(k) + ": " + ToUtf8(verse));
    EXPECT_EQ(std::count(verse.begin(), verse.end(), u' '), 2);
    const auto fields = Split(verse, u" ");
    ASSERT_EQ(fields.size(), 3u);
    EXPECT_EQ(fields[0], WeightNumeral(21 + static_cast<int>(k)));

    const std::u16string_view verdict = fields[1];
    EXPECT_TRUE(EndsWith(verdict, u"之命"));
    EXPECT_FALSE(EndsWith(verdict, u"命命"));
    EXPECT_GT(verdict.size(), 2u);
    EXPECT_TRUE(std::all_of(verdict.begin(), verdict.end(), IsHan));
  }
}

TEST(BoneVerses, SongIsTwoLinesOfTwoSevenCharacterPhrases) {
  for (size_t k = 0; k < kBoneVerses.size(); ++k) {
    const std::u16string_view verse = kBoneVerses[k];
    SCOPED_TRACE("verse " + std::to_string(k) + ": " + ToUtf8(verse));
    const auto fields = Split(verse, u" ");
    ASSERT_EQ(fields.size(), 3u);
    const auto lines = Split(fields[2], u"\r\n");
    ASSERT_EQ(lines.size(), 2u);
    for (size_t n = 0; n < 2; ++n) {
      const std::u16string_view line = lines[n];
      ASSERT_EQ(line.size(), 16u) << "line " << n;
      EXPECT_EQ(line[7], u'，');
      EXPECT_EQ(line[15], n == 0 ? u'；' : u'。');
      EXPECT_TRUE(std::all_of(line.begin(), line.begin() + 7, IsHan));
      EXPECT_TRUE(std::all_of(line.begin() + 8, line.begin() + 15, IsHan));
    }
    // No stray CR or LF on its own.
    EXPECT_EQ(std::count(verse.begin(), verse.end(), u'\r'), 1);
    EXPECT_EQ(std::count(verse.begin(), verse.end(), u'\n'), 1);
  }
}

TEST(BoneVerses, FixedEntries) {
  EXPECT_EQ(kBoneVerses[0],
            u"二兩一 一生衣食奔波勞碌之命 短命非業謂大凶，平生災難事重重；\r\n"
            u"凶禍頻臨陷逆境，終世困苦事不成。");
  EXPECT_EQ(kBoneVerses[9],
            u"三兩 衣食有餘近貴成家之命 勞勞碌碌苦中求，東奔西走何日休；\r\n"
            u"若能終身勤與儉，老來稍可免憂愁。");
  EXPECT_EQ(kBoneVerses[50],
            u"七兩一 大志大業勢如破竹之命 此命生成大不同，公侯卿相在其中；\r\n"
            u"一生自有逍遙福，富貴榮華極品隆。");
  EXPECT_EQ(kBoneVerses[51],
            u"七兩二 號令天下統御萬民帝王之命 此格世界罕有生，十代積善產此人；\r\n"
            u"天上紫微來照命，統治萬民樂太平。");
  EXPECT_EQ(Split(kBoneVerses[29], u" ")[1], u"文武才能財穀豐富之命");
  EXPECT_EQ(Split(kBoneVerses[41], u" ")[1], u"官職有權柄之命");
  // The example reading: 33 錢.
  EXPECT_EQ(Split(kBoneVerses[12], u" ")[0], u"三兩三");
}

TEST(BoneVerses, SongsAreDistinct) {
  std::vector<std::u16string_view> songs;
  for (auto verse : kBoneVerses) songs.push_back(Split(verse, u" ").back());
  std::sort(songs.begin(), songs.end());
  EXPECT_EQ(std::adjacent_find(songs.begin(), songs.end()), songs.end());
}

TEST(MansionNativityTexts, FormOfEveryText) {
  ASSERT_EQ(kMansionNativityTexts.size(), 28u);
  for (size_t i = 0; i < kMansionNativityTexts.size(); ++i) {
    const std::u16string_view text = kMansionNativityTexts[i];
    SCOPED_TRACE("mansion " + std::to_string(i) + ": " + ToUtf8(text));
    EXPECT_TRUE(text.starts_with(u"此日出生之人"));
    EXPECT_TRUE(EndsWith(text, u"。"));
    const auto lines = Split(text, u"\r\n");
    ASSERT_GE(lines.size(), 1u);
    ASSERT_LE(lines.size(), 2u);
    EXPECT_EQ(std::count(text.begin(), text.end(), u'\r'), static_cast<long>(lines.size() - 1));
    EXPECT_EQ(std::count(text.begin(), text.end(), u'\n'), static_cast<long>(lines.size() - 1));
    for (auto line : lines) {
      EXPECT_FALSE(line.empty());
      // The description box shows two lines of about eighteen characters;
      // anything longer wraps into a third line that cannot be seen.
      EXPECT_LE(line.size(), 18u);
      EXPECT_EQ(line.find(u' '), std::u16string_view::npos);
      for (char16_t c : line) {
        EXPECT_TRUE(IsHan(c) || c == u'，' || c == u'、' || c == u'。') << ToUtf8(std::u16string(1, c));
      }
    }
    // Only the last line ends the sentence.
    EXPECT_EQ(std::count(text.begin(), text.end(), u'。'), 1);
  }
}

TEST(MansionNativityTexts, FixedEntries) {
  EXPECT_EQ(kMansionNativityTexts[0], u"此日出生之人，壯年時多為妻子勞苦、\r\n至晚年萬事如意。");
  EXPECT_EQ(kMansionNativityTexts[16], u"此日出生之人少年時多艱難，中年吉祥。");
  EXPECT_EQ(kMansionNativityTexts[27], u"此日出生之人一生多福，愈老愈得厚福。");
}

// The three sayings above are the printed ones; the other twenty-five are
// flagged as ours, which is what the bone-weighing sheet reads.
TEST(MansionNativityTexts, OriginOfEveryRow) {
  ASSERT_EQ(kMansionNativityOrigins.size(), 28u);
  for (size_t i = 0; i < 28; ++i) {
    EXPECT_EQ(kMansionNativityOrigins[i], i == 0 || i == 16 || i == 27 ? TextOrigin::kPrinted : TextOrigin::kOurs) << i;
  }
}

// A CR LF only ever follows a comma or an enumeration mark, so no word is cut
// in two across the description box's lines.
TEST(MansionNativityTexts, LinesBreakOnlyAfterPunctuation) {
  for (std::u16string_view text : kMansionNativityTexts) {
    const size_t at = text.find(u"\r\n");
    if (at == std::u16string_view::npos) continue;
    ASSERT_GT(at, 0u);
    EXPECT_TRUE(text[at - 1] == u'，' || text[at - 1] == u'、') << ToUtf8(text);
  }
}

TEST(MansionNativityTexts, TextsAreDistinct) {
  std::vector<std::u16string_view> texts(kMansionNativityTexts.begin(), kMansionNativityTexts.end());
  std::sort(texts.begin(), texts.end());
  EXPECT_EQ(std::adjacent_find(texts.begin(), texts.end()), texts.end());
}

}  // namespace
}  // namespace lunisol
