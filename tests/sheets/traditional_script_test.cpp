// Every text the program shows comes out of one of these tables, so checking
// each table for simplified characters keeps a text typed or pasted in the
// wrong script from reaching a page. Characters that a correct Traditional
// text may hold are kept out of the trap list (see tests/text_checks.h).

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "almanac/lookups.h"
#include "almanac/nine_stars.h"
#include "almanac/tables.h"
#include "calendar/names.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"
#include "sheets/bone_weighing_model.h"
#include "sheets/hour_spirits.h"
#include "sheets/tables.h"
#include "tests/text_checks.h"

namespace lunisol {
namespace {

using text_checks::ExpectTraditional;
using text_checks::kSimplifiedTraps;

template <std::size_t N>
void ExpectTableTraditional(const std::array<std::u16string_view, N>& table, const std::string& name) {
  for (std::size_t i = 0; i < N; ++i) ExpectTraditional(table[i], name + "[" + std::to_string(i) + "]");
}

// The failure messages ExpectTraditional reports for `text`, caught instead
// of failing the test that asks.
std::vector<std::string> FailuresOf(std::u16string_view text, const std::string& where) {
  ::testing::TestPartResultArray results;
  {
    ::testing::ScopedFakeTestPartResultReporter catcher(
        ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
    ExpectTraditional(text, where);
  }
  std::vector<std::string> messages;
  for (int i = 0; i < results.size(); ++i) {
    EXPECT_TRUE(results.GetTestPartResult(i).nonfatally_failed());
    messages.emplace_back(results.GetTestPartResult(i).message());
  }
  return messages;
}

bool Mentions(const std::string& message, const std::string& part) { return message.find(part) != std::string::npos; }

// ---------------------------------------------------------------------------
// The check itself

TEST(TraditionalScriptCheck, FlagsEachSimplifiedCharacterWithItsPlace) {
  const auto one = FailuresOf(u"青龍 ，天马", "sample");
  ASSERT_EQ(one.size(), 1u);
  EXPECT_TRUE(Mentions(one[0], "sample: simplified 马 at 5 in 青龍 ，天马")) << one[0];

  // Every slip is reported, not only the first one of a text.
  const auto two = FailuresOf(u"歲岁時时", "pair");
  ASSERT_EQ(two.size(), 2u);
  EXPECT_TRUE(Mentions(two[0], "simplified 岁 at 1")) << two[0];
  EXPECT_TRUE(Mentions(two[1], "simplified 时 at 3")) << two[1];
}

TEST(TraditionalScriptCheck, PassesTraditionalTexts) {
  // The Traditional forms of the traps above, and texts with characters whose
  // simplified twins are Traditional characters in their own right.
  EXPECT_TRUE(FailuresOf(u"青龍 ，天馬 ，歲時", "traditional").empty());
  EXPECT_TRUE(FailuresOf(u"0326鬼谷先師千秋", "valley").empty());
  EXPECT_TRUE(FailuresOf(u"丰采 叶韻 鄉愿 万俟 种師道 與 萬 豐 葉", "own right").empty());
}

TEST(TraditionalScriptCheck, TrapListHoldsDistinctIdeographsOnly) {
  std::set<char16_t> seen;
  for (char16_t c : kSimplifiedTraps) {
    EXPECT_TRUE(c >= 0x4E00 && c <= 0x9FFF) << "not an ideograph: " << static_cast<int>(c);
    EXPECT_TRUE(seen.insert(c).second) << "listed twice: " << ToUtf8(std::u16string_view(&c, 1));
  }
  EXPECT_GE(seen.size(), 100u);
}

TEST(TraditionalScriptCheck, TrapListLeavesOutCharactersTraditionalTextsUse) {
  // Each of these is also a Traditional character (山谷, 丰采, 叶韻, 鄉愿, 万俟,
  // the surname 种, radicals 广 儿 气, …); listing one would fail correct texts.
  for (char16_t c : std::u16string_view(u"谷丰叶广儿气万与极圣愿蚕扰听种岭")) {
    EXPECT_FALSE(text_checks::IsSimplifiedTrap(c)) << ToUtf8(std::u16string_view(&c, 1));
  }
}

// ---------------------------------------------------------------------------
// Month almanac tables

TEST(TraditionalScript, AlmanacTables) {
  ExpectTableTraditional(kLunarFestivals, "kLunarFestivals");
  for (const SolarFestivalRow& row : kSolarFestivals) ExpectTraditional(row.name, "kSolarFestivals");
  ExpectTableTraditional(kTermProverbs, "kTermProverbs");
  ExpectTableTraditional(kHexagramTexts, "kHexagramTexts");
  for (const FetusGod& god : kFetusGods) ExpectTraditional(god.place, "kFetusGods");
  ExpectTableTraditional(kDayCodeTexts, "kDayCodeTexts");
}

TEST(TraditionalScript, TermNotesEveryField) {
  for (std::size_t i = 0; i < kTermNotes.size(); ++i) {
    const TermNotes& row = kTermNotes[i];
    const std::string where = "kTermNotes[" + std::to_string(i) + "].";
    ExpectTraditional(row.term, where + "term");
    ExpectTraditional(row.northPlanting, where + "northPlanting");
    ExpectTraditional(row.centralSouthPlanting, where + "centralSouthPlanting");
    ExpectTraditional(row.fishingA, where + "fishingA");
    ExpectTraditional(row.fishingB, where + "fishingB");
  }
}

TEST(TraditionalScript, DayLookupNames) {
  ExpectTableTraditional(kOfficerNames, "kOfficerNames");
  ExpectTableTraditional(kLunarDayNames, "kLunarDayNames");
  ExpectTableTraditional(kNineStarNames, "kNineStarNames");
  ExpectTableTraditional(kWeekdayNames, "kWeekdayNames");
}

// ---------------------------------------------------------------------------
// Yearly sheet tables

TEST(TraditionalScript, YearlyTables) {
  ExpectTableTraditional(kTaisuiNames, "kTaisuiNames");
  ExpectTableTraditional(kNayinNames, "kNayinNames");
  ExpectTableTraditional(kEarthMotherVerses, "kEarthMotherVerses");
  ExpectTableTraditional(kEarthMotherOracles, "kEarthMotherOracles");
  ExpectTableTraditional(kBoneVerses, "kBoneVerses");
  ExpectTableTraditional(kMansionNativityTexts, "kMansionNativityTexts");
  ExpectTableTraditional(kHourSelectorItems, "kHourSelectorItems");
}

TEST(TraditionalScript, ZodiacFortuneEveryColumn) {
  for (std::size_t r = 0; r < kZodiacFortuneTable.size(); ++r) {
    ExpectTableTraditional(kZodiacFortuneTable[r], "kZodiacFortuneTable[" + std::to_string(r) + "]");
  }
}

// ---------------------------------------------------------------------------
// Hour sheet tables

TEST(TraditionalScript, HourSheetTables) {
  ExpectTableTraditional(kHourSpiritNames, "kHourSpiritNames");
  ExpectTableTraditional(kStemTaboos, "kStemTaboos");
  ExpectTableTraditional(kBranchTaboos, "kBranchTaboos");
}

// ---------------------------------------------------------------------------
// Calendar names

TEST(TraditionalScript, CalendarNames) {
  ExpectTableTraditional(kSolarTermDescriptions, "kSolarTermDescriptions");
  ExpectTableTraditional(kCycleNames, "kCycleNames");
  ExpectTableTraditional(kMansionNames, "kMansionNames");
  ExpectTableTraditional(kMansionFullNames, "kMansionFullNames");
  ExpectTableTraditional(kStemNames, "kStemNames");
  ExpectTableTraditional(kBranchNames, "kBranchNames");
  ExpectTableTraditional(kZodiacAnimals, "kZodiacAnimals");
  ExpectTableTraditional(kSolarTermNames, "kSolarTermNames");
}

}  // namespace
}  // namespace lunisol
