// The tables of the almanac list, the 宜 and 忌 a Taiwanese farmer's almanac
// (農民曆) prints over the book's decision: its words and how each comes by
// its verdict, the folk day marks printed in the day column, and the day
// verdicts of 《董公選擇日要覽》. Every row names its source; the sources
// named by a short key are listed in the file that uses the key.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace lunisol {

// How a word of the almanac comes by its verdict.
enum class WordBasis : uint8_t {
  kSameName,     // one of the book's sixty (卷十一 4a), perhaps in another form of a character (安牀)
  kBookSays,     // the book says the word is one of its activities (卷十一 18a: 興造動土(修造同))
  kSourceNames,  // a source says the word is the book activity under another name (納婿 「同嫁娶」)
  kSourceRule,  // a 通書 source gives the word one rule with the book activity (用事宜忌: 遷移、入宅、安香)
  kNamePart,    // the word is part of the book activity's name (動土 of 修造動土)
  kGloss,       // our reading: the glossary's meaning of the word is the book activity's
  kOwnRule,     // decided by a rule of its own (kWordRuleRows); no book activity
};

struct AlmanacWordRow {
  std::u16string_view word;
  std::u16string_view activity;  // the book activity whose verdict it takes; empty for kOwnRule
  WordBasis basis;
  bool common;  // one of the words almanacs print under 忌 when the day forbids it
  std::u16string_view cite;
};
// In the order almanacs print them.
extern const std::span<const AlmanacWordRow> kAlmanacWordRows;

// A word decided by a 通書 rule of its own: 宜 on a day with one of the
// `yi` spirits and none of the `ji` ones, 忌 on a day with one of the `ji`
// ones (spirit names of the book; 青龍 … 勾陳 and 建日 … 閉日 included).
struct WordRuleRow {
  std::u16string_view word;
  std::u16string_view yi;
  std::u16string_view ji;
  std::u16string_view cite;
};
extern const std::span<const WordRuleRow> kWordRuleRows;

enum class MarkPlacement : uint8_t {
  kLunarDays,       // where: lunar days of every month
  kLunarMonthDays,  // where: twelve entries, the lunar days ("1,29") of months 1 … 12
  kMonthBranch,     // where: twelve branches, the day's branch in 正月 … 十二月 of the section terms
  kBookSpirit,      // where: a spirit of the book; the mark falls on its days
};

enum class MarkEffect : uint8_t {
  kForbids,   // `words` are 忌 on the day
  kAllBad,    // 諸事不宜: only 卷十 69a's eleven and `words` keep their book 宜
  kShowOnly,  // printed; the book already forbids what it forbids
};

struct FolkMarkRow {
  std::u16string_view mark;
  MarkPlacement placement;
  std::u16string_view where;
  MarkEffect effect;
  std::u16string_view words;  // almanac words
  std::u16string_view cite;
};
// In the order the day column prints them.
extern const std::span<const FolkMarkRow> kFolkMarkRows;

// What 董公 says of the days of an entry ("正月建寅": the 建 day, a 寅 day,
// of the first month of the section terms) or of those of its days whose
// stem is in `stems` (empty: every day of the entry).
enum class DongGongSays : uint8_t {
  kSuits,    // 宜 `words`
  kForbids,  // 不利, 不宜, 忌 `words`
  kUnlucky,  // 凶, 不可用, 百事不宜, 只宜小用: the great undertakings (kDongGongUndertakings) are 忌
};
struct DongGongRow {
  std::u16string_view entry;
  std::u16string_view stems;
  DongGongSays says;
  std::u16string_view words;  // 董公's own words
};
extern const std::span<const DongGongRow> kDongGongRows;

// 董公's words as almanac words; empty: none of the almanac's.
struct DongGongWordRow {
  std::u16string_view said;
  std::u16string_view words;
};
extern const std::span<const DongGongWordRow> kDongGongWordRows;
// The undertakings 董公's preface names (嫁娶、開張、出行、起造、移居), which a
// day he calls unlucky forbids.
extern const std::u16string_view kDongGongUndertakings;

}  // namespace lunisol
