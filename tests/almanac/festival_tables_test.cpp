// Shape checks for the lunar festival table and the solar-term planting and
// fishing notes. Festival lookups stop at the first entry whose first four
// characters match, and the page joins and splits texts on " ，" and " 。",
// so key order, separators and line breaks are what these tests guard.

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/tables.h"
#include "calendar/text.h"
#include "tests/text_checks.h"

namespace lunisol {
namespace {

using text_checks::Split;

bool StartsWith(std::u16string_view s, std::u16string_view head) { return s.substr(0, head.size()) == head; }

bool EndsWith(std::u16string_view s, std::u16string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

bool IsHan(char16_t c) { return c >= 0x3400 && c <= 0x9FFF; }

// ---------------------------------------------------------------------------
// Lunar festivals

constexpr std::array<std::u16string_view, 120> kExpectedKeys{
    u"0101", u"0102", u"0103", u"0106", u"0108", u"0109", u"0113", u"0115", u"0116", u"0120", u"0122", u"0123",
    u"0124", u"0125", u"0201", u"0202", u"0203", u"0208", u"0215", u"0218", u"0219", u"0221", u"0226", u"0301",
    u"0303", u"0306", u"0307", u"0308", u"0315", u"0316", u"0318", u"0319", u"0320", u"0323", u"0326", u"0327",
    u"0328", u"0401", u"0404", u"0408", u"0410", u"0412", u"0417", u"0414", u"0415", u"0418", u"0421", u"0424",
    u"0425", u"0426", u"0427", u"0501", u"0505", u"0507", u"0511", u"0513", u"0517", u"0518", u"0519", u"0603",
    u"0606", u"0611", u"0615", u"0616", u"0618", u"0619", u"0624", u"0707", u"0713", u"0715", u"0718", u"0719",
    u"0721", u"0723", u"0724", u"0725", u"0730", u"0803", u"0805", u"0808", u"0815", u"0818", u"0822", u"0823",
    u"0824", u"0827", u"0829", u"0901", u"0909", u"0919", u"0913", u"0915", u"0918", u"0928", u"0929", u"1003",
    u"1005", u"1010", u"1012", u"1015", u"1018", u"1022", u"1023", u"1025", u"1027", u"1104", u"1111", u"1115",
    u"1117", u"1119", u"1123", u"1127", u"1204", u"1206", u"1208", u"1216", u"1224", u"1225", u"1229", u"0100"};

std::u16string_view FestivalText(std::u16string_view key) {
  for (std::u16string_view entry : kLunarFestivals)
    if (entry.substr(0, 4) == key) return entry.substr(4);
  return {};
}

TEST(LunarFestivalTable, KeysAreTheListedOnesInTheListedOrder) {
  ASSERT_EQ(kLunarFestivals.size(), kExpectedKeys.size());
  for (size_t i = 0; i < kLunarFestivals.size(); ++i) {
    ASSERT_GE(kLunarFestivals[i].size(), 4u) << "entry " << i;
    EXPECT_EQ(ToUtf8(kLunarFestivals[i].substr(0, 4)), ToUtf8(kExpectedKeys[i])) << "entry " << i;
  }
}

TEST(LunarFestivalTable, NoKeyRepeatsAndEveryKeyIsARealDayOrTheEve) {
  std::set<std::u16string_view> seen;
  for (std::u16string_view entry : kLunarFestivals) {
    std::u16string_view key = entry.substr(0, 4);
    EXPECT_TRUE(seen.insert(key).second) << "repeated key " << ToUtf8(key);
    for (char16_t c : key) EXPECT_TRUE(c >= u'0' && c <= u'9') << ToUtf8(entry);
    int month = (key[0] - u'0') * 10 + (key[1] - u'0');
    int day = (key[2] - u'0') * 10 + (key[3] - u'0');
    if (key == u"0100") continue;  // the eve of the new year, matched by the caller
    EXPECT_TRUE(month >= 1 && month <= 12) << ToUtf8(entry);
    EXPECT_TRUE(day >= 1 && day <= 30) << ToUtf8(entry);
  }
  // The eve is a fallback for the last day of the year, so it must come last
  // and never shadow a real 12th-month day.
  EXPECT_EQ(ToUtf8(kLunarFestivals.back()), ToUtf8(u"0100除夕"));
}

TEST(LunarFestivalTable, GivenRowsAreVerbatim) {
  const std::u16string_view rows[] = {
      u"0101春節 ，元始天尊萬壽 ，彌勒佛佛誕 ，此日宜立下敬信佛教的願",
      u"0505端午節 ，南天駱恩師聖誕 ，五福大帝得道",
      u"0707大成魁星聖誕 ，七星娘娘千秋 ，衛房聖母聖誕 ，七夕情人節",
      u"0815中秋節 ，天然古佛成道 ，太陰星君聖誕 ，南宮孔恩師聖誕 ，臨水夫人林姑千秋 ，麻豆朱王爺千秋",
      u"1224送神 ，宜立小心火燭 ，寧可人害我 ，不可我害人的願",
      u"0100除夕",
  };
  for (std::u16string_view row : rows) {
    bool found = false;
    for (std::u16string_view entry : kLunarFestivals)
      if (entry == row) found = true;
    EXPECT_TRUE(found) << "missing row " << ToUtf8(row);
  }
}

TEST(LunarFestivalTable, MajorObservancesSitOnTheirDays) {
  struct Expect {
    std::u16string_view key;
    std::u16string_view occasion;
  };
  const Expect expects[] = {
      {u"0109", u"玉皇上帝萬壽"},
      {u"0115", u"元宵節"},
      {u"0115", u"上元天官大帝聖誕"},
      {u"0202", u"福德正神千秋"},
      {u"0219", u"觀世音菩薩佛誕"},
      {u"0315", u"保生大帝聖誕"},
      {u"0323", u"天上聖母媽祖聖誕"},
      {u"0408", u"浴佛節"},
      {u"0715", u"中元節"},
      {u"0715", u"地官大帝聖誕"},
      {u"0909", u"重陽節"},
      {u"1015", u"下元水官大帝聖誕"},
      {u"1216", u"尾牙"},
      {u"1224", u"送神"},
  };
  for (const Expect& e : expects) {
    std::vector<std::u16string_view> occasions = Split(FestivalText(e.key), u" ，");
    bool found = false;
    for (std::u16string_view o : occasions)
      if (o == e.occasion) found = true;
    EXPECT_TRUE(found) << ToUtf8(e.key) << " lacks " << ToUtf8(e.occasion);
  }
}

// A row that holds nothing but a vow is flagged as such, and only such rows
// are: a vow is our own wording, not an observance of its day.
TEST(LunarFestivalTable, VowOnlyRowsAreExactlyTheFlaggedDays) {
  std::set<std::u16string_view> flagged(kLunarVowDays.begin(), kLunarVowDays.end());
  EXPECT_EQ(flagged.size(), kLunarVowDays.size()) << "a vow day is listed twice";
  size_t vows = 0;
  for (std::u16string_view entry : kLunarFestivals) {
    const std::u16string_view text = entry.substr(4);
    const bool vowOnly = StartsWith(text, u"此日宜立下") && EndsWith(text, u"的願") && !Contains(text, u" ，");
    EXPECT_EQ(vowOnly, flagged.count(entry.substr(0, 4)) == 1) << ToUtf8(entry);
    vows += vowOnly;
  }
  EXPECT_EQ(vows, kLunarVowDays.size());
}

// Nobody stands on two days unless the second is a known observance of its
// own: 鄭成功 on the 延平郡王祠's 1/16, 倉頡 on 3/28, 孔子 on 8/27; 天穿 on
// 1/20; 媽祖's ascension on 9/9; 華佗 written with 佗.
TEST(LunarFestivalTable, PeopleOnTheDaysTaiwanKeeps) {
  struct Person {
    std::vector<std::u16string_view> names;
    std::u16string_view key;
  };
  const Person people[] = {
      {{u"開台聖王", u"延平郡王", u"鄭成功"}, u"0116"},
      {{u"倉頡", u"倉聖"}, u"0328"},
      {{u"孔子", u"至聖先師"}, u"0827"},
      {{u"天穿"}, u"0120"},
      {{u"華佗"}, u"0418"},
      {{u"天上聖母飛昇"}, u"0909"},
  };
  for (const Person& p : people) {
    std::set<std::u16string_view> days;
    for (std::u16string_view entry : kLunarFestivals)
      for (std::u16string_view name : p.names)
        if (Contains(entry.substr(4), name)) days.insert(entry.substr(0, 4));
    EXPECT_EQ(days, std::set<std::u16string_view>{p.key}) << ToUtf8(p.names.front());
  }
  for (std::u16string_view entry : kLunarFestivals) EXPECT_FALSE(Contains(entry, u"華陀")) << ToUtf8(entry);
}

TEST(LunarFestivalTable, OccasionsAreJoinedOnlyWithBlankAndFullWidthComma) {
  for (std::u16string_view entry : kLunarFestivals) {
    std::u16string_view text = entry.substr(4);
    const std::string where = ToUtf8(entry);
    ASSERT_FALSE(text.empty()) << where;
    // Only Han characters, and the separator; no ASCII or other punctuation.
    for (size_t i = 0; i < text.size(); ++i) {
      char16_t c = text[i];
      if (c == u' ') {
        EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == u'，') << where << ": stray blank";
      } else if (c == u'，') {
        EXPECT_TRUE(i > 0 && text[i - 1] == u' ') << where << ": comma without blank";
      } else {
        EXPECT_TRUE(IsHan(c)) << where << ": unexpected character at " << i;
      }
    }
    std::vector<std::u16string_view> occasions = Split(text, u" ，");
    EXPECT_LE(occasions.size(), 6u) << where;
    for (std::u16string_view o : occasions) {
      EXPECT_FALSE(o.empty()) << where << ": empty occasion (doubled or trailing separator)";
      EXPECT_LE(o.size(), 14u) << where << ": occasion too long for a note cell";
    }
  }
}

// ---------------------------------------------------------------------------
// Solar-term notes

constexpr std::array<std::u16string_view, 24> kTermOrder{
    u"小寒", u"大寒", u"立春", u"雨水", u"驚蟄", u"春分", u"清明", u"穀雨", u"立夏", u"小滿", u"芒種", u"夏至",
    u"小暑", u"大暑", u"立秋", u"處暑", u"白露", u"秋分", u"寒露", u"霜降", u"立冬", u"小雪", u"大雪", u"冬至"};

// Checks one list "a ，b ，c" and returns its items.
std::vector<std::u16string_view> CheckItems(std::u16string_view list, const std::string& where) {
  std::vector<std::u16string_view> items = Split(list, u" ，");
  for (std::u16string_view item : items) {
    EXPECT_FALSE(item.empty()) << where << ": empty item";
    EXPECT_LE(item.size(), 4u) << where << ": item too long for the column: " << ToUtf8(item);
    for (char16_t c : item) EXPECT_TRUE(IsHan(c)) << where << ": bad character in item " << ToUtf8(item);
  }
  return items;
}

// A planting line: "<region> ：a ，b ，… 。" with four to seven crops.
void CheckPlantingLine(std::u16string_view line, std::u16string_view region, const std::string& where) {
  std::u16string head = std::u16string(region) + u" ：";
  ASSERT_TRUE(StartsWith(line, head)) << where << ": " << ToUtf8(line);
  ASSERT_TRUE(EndsWith(line, u" 。")) << where << ": " << ToUtf8(line);
  std::u16string_view body = line.substr(head.size(), line.size() - head.size() - 2);
  EXPECT_EQ(body.find(u'：'), std::u16string_view::npos) << where;
  EXPECT_EQ(body.find(u'。'), std::u16string_view::npos) << where;
  std::vector<std::u16string_view> items = CheckItems(body, where);
  EXPECT_GE(items.size(), 4u) << where << ": " << ToUtf8(line);
  EXPECT_LE(items.size(), 7u) << where << ": " << ToUtf8(line);
}

// A fishing text: lines of port entries "port ：a ，b 。", one or more per line.
// Returns the number of ports.
size_t CheckFishingText(std::u16string_view text, const std::string& where) {
  size_t ports = 0;
  EXPECT_FALSE(text.empty()) << where;
  for (std::u16string_view line : Split(text, u"\n")) {
    EXPECT_TRUE(EndsWith(line, u" 。")) << where << ": line must end with \" 。\": " << ToUtf8(line);
    std::vector<std::u16string_view> entries = Split(line, u" 。");
    EXPECT_TRUE(entries.back().empty()) << where << ": text after the last entry";
    entries.pop_back();
    EXPECT_FALSE(entries.empty()) << where << ": empty line";
    for (std::u16string_view entry : entries) {
      size_t colon = entry.find(u" ：");
      EXPECT_NE(colon, std::u16string_view::npos) << where << ": no port in " << ToUtf8(entry);
      if (colon == std::u16string_view::npos) continue;
      std::u16string_view port = entry.substr(0, colon);
      EXPECT_GE(port.size(), 2u) << where << ": " << ToUtf8(entry);
      EXPECT_LE(port.size(), 3u) << where << ": " << ToUtf8(entry);
      for (char16_t c : port) EXPECT_TRUE(IsHan(c)) << where << ": bad port " << ToUtf8(port);
      std::u16string_view catches = entry.substr(colon + 2);
      EXPECT_EQ(catches.find(u'：'), std::u16string_view::npos) << where << ": " << ToUtf8(entry);
      std::vector<std::u16string_view> items = CheckItems(catches, where);
      EXPECT_GE(items.size(), 1u) << where;
      EXPECT_LE(items.size(), 4u) << where << ": " << ToUtf8(entry);
      ++ports;
    }
  }
  return ports;
}

TEST(TermNotesTable, RowsFollowTheTermOrder) {
  ASSERT_EQ(kTermNotes.size(), kTermOrder.size());
  for (size_t i = 0; i < kTermNotes.size(); ++i)
    EXPECT_EQ(ToUtf8(kTermNotes[i].term), ToUtf8(kTermOrder[i])) << "row " << i;
}

TEST(TermNotesTable, NorthernPlantingIsOneLine) {
  for (const TermNotes& row : kTermNotes) {
    const std::string where = ToUtf8(row.term) + " north";
    EXPECT_EQ(row.northPlanting.find(u'\n'), std::u16string_view::npos) << where;
    CheckPlantingLine(row.northPlanting, u"北部", where);
  }
}

TEST(TermNotesTable, CentralAndSouthernPlantingAreTwoLines) {
  for (const TermNotes& row : kTermNotes) {
    const std::string where = ToUtf8(row.term) + " central/south";
    std::vector<std::u16string_view> lines = Split(row.centralSouthPlanting, u"\n");
    ASSERT_EQ(lines.size(), 2u) << where << ": " << ToUtf8(row.centralSouthPlanting);
    CheckPlantingLine(lines[0], u"中部", where);
    CheckPlantingLine(lines[1], u"南部", where);
  }
}

TEST(TermNotesTable, FishingTextsAreShortRunsOfPortEntries) {
  for (const TermNotes& row : kTermNotes) {
    for (std::u16string_view text : {row.fishingA, row.fishingB}) {
      const std::string where = ToUtf8(row.term) + " fishing";
      size_t ports = CheckFishingText(text, where);
      EXPECT_GE(ports, 1u) << where;
      EXPECT_LE(ports, 2u) << where << ": " << ToUtf8(text);
      EXPECT_LE(Split(text, u"\n").size(), 2u) << where;
    }
  }
}

TEST(TermNotesTable, GivenRowsAreVerbatim) {
  const TermNotes& cold = kTermNotes[0];
  EXPECT_EQ(ToUtf8(cold.northPlanting), ToUtf8(u"北部 ：菜豆 ，菜頭 ，蘿蔔 ，皇帝豆 ，石刁柏 ，水稻 。"));
  EXPECT_EQ(ToUtf8(cold.centralSouthPlanting),
            ToUtf8(u"中部 ：金瓜 ，冬瓜 ，南瓜 ，西瓜 ，石刁柏 ，水稻 。\n南部 ：茄子菜 ，金瓜 ，冬瓜 ，石刁柏 。"));
  EXPECT_EQ(ToUtf8(cold.fishingA), ToUtf8(u"蘇澳 ：梳齒 ，釘鮸 ，棘鬣魚 。"));
  EXPECT_EQ(ToUtf8(cold.fishingB), ToUtf8(u"基隆 ：釘鮸 ，棘鬣魚 。\n澎湖 ：沙魚 ，狗母 ，龍蝦 ，棘鬣魚 。"));

  const TermNotes& great = kTermNotes[1];
  EXPECT_EQ(ToUtf8(great.northPlanting), ToUtf8(u"北部 ：紅菜頭 ，菜瓜 ，匏仔 ，茼萵 ，菠菜 ，水稻 。"));
  EXPECT_EQ(ToUtf8(great.centralSouthPlanting), ToUtf8(u"中部 ：菠菜 ，菜瓜 ，小白菜 ，匏仔 ，紅菜頭 ，水芋 。\n"
                                                       u"南部 ：白芋 ，蓮藕 ，絲瓜 ，扁蒲 ，水芋 ，土白菜 ，水稻 。"));
  EXPECT_EQ(ToUtf8(great.fishingA), ToUtf8(u"新港 ：釘鮸 ，硼串 。東港 ：狗母 ，過仔魚 。"));
  EXPECT_EQ(ToUtf8(great.fishingB), ToUtf8(u"高雄 ：釘鮸 ，硼串 。安平 ：馬鮫 ，沙魚 ，烏魚 。"));
}

TEST(TermNotesTable, NoTwoTermsShareTheSameNotes) {
  // A row copied forward without editing would repeat its neighbour's texts.
  for (size_t i = 1; i < kTermNotes.size(); ++i) {
    const TermNotes& a = kTermNotes[i - 1];
    const TermNotes& b = kTermNotes[i];
    EXPECT_NE(ToUtf8(a.northPlanting), ToUtf8(b.northPlanting)) << ToUtf8(b.term);
    EXPECT_NE(ToUtf8(a.centralSouthPlanting), ToUtf8(b.centralSouthPlanting)) << ToUtf8(b.term);
    EXPECT_NE(ToUtf8(a.fishingA) + ToUtf8(a.fishingB), ToUtf8(b.fishingA) + ToUtf8(b.fishingB)) << ToUtf8(b.term);
  }
}

}  // namespace
}  // namespace lunisol
