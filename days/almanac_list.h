// The almanac list: the 宜 and 忌 of a day as a Taiwanese farmer's almanac
// prints them, built over the book's decision (DayLists). It speaks the
// almanac's words, adds the words 通書 rules decide, prints the folk day
// marks, and keeps 忌 to the few words that matter most. It selects, renames
// and adds; it never turns the book's 忌 into 宜: a folk rule only forbids
// more. Every item keeps its reasons, the book's spirits and the folk rules.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "days/day_lists.h"

namespace lunisol {

inline constexpr int kMaxAlmanacWords = 56;
// The 忌 list names at most this many words, the strongest reasons first.
inline constexpr int kMaxAlmanacJi = 6;

// A folk rule behind an item: a row of kDongGongRows, kFolkMarkRows or
// kWordRuleRows (days/data/almanac_tables.h).
enum class FolkRuleKind : uint8_t { kDongGong, kMark, kWordRule };
struct FolkReason {
  FolkRuleKind kind = FolkRuleKind::kMark;
  uint16_t row = 0;
  friend bool operator==(const FolkReason&, const FolkReason&) = default;
};

struct AlmanacItem {
  int word = 0;         // AlmanacWordName
  int activity = -1;    // the book activity the word stands for, −1 for none
  bool byBook = false;  // the book decided it (its source is 書)
  SpiritSet spirits;    // the book's reasons, or the spirits of the word's own rule
  std::array<FolkReason, 6> folk{};
  int folkCount = 0;
};

struct AlmanacList {
  std::array<AlmanacItem, kMaxAlmanacWords> yi{};
  int yiCount = 0;
  std::array<AlmanacItem, kMaxAlmanacJi> ji{};
  int jiCount = 0;
  bool allBad = false;   // 諸事不宜
  bool restBad = false;  // 餘事勿取: a rule cut the 宜 short (only with 宜 words)
  uint16_t marks = 0;    // bit m: FolkMarkName(m) falls on the day
};

// The list over a day's book record (which must be valid). Items past the
// counts are left as they were.
void BuildAlmanacList(const DayLists& day, AlmanacList& out);

int AlmanacWordCount();
std::u16string_view AlmanacWordName(int word);
std::u16string_view AlmanacWordCitation(int word);
std::optional<int> AlmanacWordByName(std::u16string_view name);
// The book activity a word stands for, if any.
std::optional<ActivityId> AlmanacWordActivity(int word);

int FolkMarkCount();
std::u16string_view FolkMarkName(int mark);
std::u16string_view FolkMarkCitation(int mark);

// How many rules of a kind there are (rows 0 … count − 1).
int FolkRuleCount(FolkRuleKind kind);

// "書", or the short name of the folk source that decided it ("董公", "月忌",
// "通書" …).
std::u16string_view ItemSource(const AlmanacItem& item);
// "董公：正月建寅日忌起造、結婚姻、納采", "月忌", "通書：入殮日".
std::u16string FolkReasonText(const FolkReason& reason);
// The source a folk reason cites, for a tip: "董公", "setn；…".
std::u16string FolkReasonCitation(const FolkReason& reason);
// Every reason of an item: the spirits' names, then the folk reasons.
std::vector<std::u16string> ItemReasons(const AlmanacItem& item);

// Table problems (unknown names, unreadable rows); empty when sound.
const std::vector<std::u16string>& AlmanacTableErrors();

}  // namespace lunisol
