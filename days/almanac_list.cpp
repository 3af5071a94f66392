#include "days/almanac_list.h"

#include <algorithm>
#include <bit>

#include "almanac/lookups.h"
#include "calendar/tables.h"
#include "calendar/text.h"
#include "days/data/almanac_tables.h"
#include "days/rule_book.h"

namespace lunisol {

namespace {

using WordMask = uint64_t;

constexpr WordMask Bit(int w) { return WordMask{1} << w; }

template <class F>
void ForEachWord(WordMask mask, F&& f) {
  for (; mask != 0; mask &= mask - 1) f(std::countr_zero(mask));
}

std::vector<std::u16string_view> Words(std::u16string_view text) {
  std::vector<std::u16string_view> words;
  for (size_t i = 0; i < text.size();) {
    while (i < text.size() && text[i] == u' ') ++i;
    size_t j = i;
    while (j < text.size() && text[j] != u' ') ++j;
    if (j > i) words.push_back(text.substr(i, j - i));
    i = j;
  }
  return words;
}

constexpr std::u16string_view kMonthNames[12] = {u"正月", u"二月", u"三月", u"四月", u"五月",   u"六月",
                                                 u"七月", u"八月", u"九月", u"十月", u"十一月", u"十二月"};

struct CompiledMark {
  MarkPlacement placement = MarkPlacement::kLunarDays;
  uint32_t lunarDays = 0;                // kLunarDays
  std::array<uint32_t, 12> monthDays{};  // kLunarMonthDays, lunar months 1 … 12
  std::array<int, 12> branches{};        // kMonthBranch, 正月 … 十二月
  int spirit = -1;                       // kBookSpirit
  MarkEffect effect = MarkEffect::kShowOnly;
  WordMask words = 0;
};

struct CompiledRule {
  int word = 0;
  SpiritSet yi, ji;
};

// What 董公 says of one pillar in one month: its rows, one after another
// in `rows` from `first`.
struct DongCell {
  WordMask forbids = 0, suits = 0;
  uint16_t first = 0;
  uint8_t count = 0;
};

struct Almanac {
  std::vector<int> activity;  // by word, −1 for none
  WordMask folkWords = 0;     // words a 通書 rule may make 宜 on its own
  WordMask common = 0;
  WordMask quiet = 0;  // words of 卷十 69a's eleven, kept on a 諸事不宜 day
  std::array<WordMask, kActivityCount> byActivity{};
  // The words of the activities of each byte of an activity mask.
  std::array<std::array<WordMask, 256>, 8> byActivityByte{};
  std::array<std::array<DongCell, 60>, 12> dong{};  // [month branch][cycle]
  std::vector<uint16_t> dongRows;
  std::vector<WordMask> dongWords;  // by row of kDongGongRows: the almanac words it speaks of
  std::vector<CompiledMark> marks;
  std::vector<CompiledRule> rules;
  std::vector<std::u16string> errors;
};

class AlmanacBuilder {
 public:
  explicit AlmanacBuilder(Almanac& a) : a_(a) {}
  void Build();

 private:
  void Error(std::u16string_view what, std::u16string_view name) {
    a_.errors.push_back(std::u16string(what) + u": " + std::u16string(name));
  }
  int WordNamed(std::u16string_view name);
  WordMask WordsNamed(std::u16string_view names);
  WordMask DongGongWords(std::u16string_view said);
  SpiritSet Spirits(std::u16string_view names);
  void AddWords();
  void AddMarks();
  void AddRules();
  void AddDongGong();
  bool ReadEntry(std::u16string_view entry, int& monthBranch, int& branch);

  Almanac& a_;
};

int AlmanacBuilder::WordNamed(std::u16string_view name) {
  for (size_t w = 0; w < kAlmanacWordRows.size(); ++w)
    if (kAlmanacWordRows[w].word == name) return static_cast<int>(w);
  Error(u"unknown almanac word", name);
  return -1;
}

WordMask AlmanacBuilder::WordsNamed(std::u16string_view names) {
  WordMask m = 0;
  for (std::u16string_view n : Words(names))
    if (const int w = WordNamed(n); w >= 0) m |= Bit(w);
  return m;
}

WordMask AlmanacBuilder::DongGongWords(std::u16string_view said) {
  WordMask m = 0;
  for (std::u16string_view s : Words(said)) {
    const DongGongWordRow* row = nullptr;
    for (const DongGongWordRow& r : kDongGongWordRows)
      if (r.said == s) row = &r;
    if (!row) Error(u"unknown 董公 word", s);
    if (row) m |= WordsNamed(row->words);
  }
  return m;
}

SpiritSet AlmanacBuilder::Spirits(std::u16string_view names) {
  SpiritSet s;
  for (std::u16string_view n : Words(names)) {
    if (const auto id = SpiritByName(n))
      s.Add(*id);
    else
      Error(u"unknown spirit", n);
  }
  return s;
}

void AlmanacBuilder::AddWords() {
  if (kAlmanacWordRows.size() > static_cast<size_t>(kMaxAlmanacWords)) Error(u"too many almanac words", u"");
  const size_t n = std::min(kAlmanacWordRows.size(), static_cast<size_t>(kMaxAlmanacWords));
  a_.activity.assign(n, -1);
  ActivityMask quietActivities = 0;
  for (const CompiledDayRule& r : Rules().dayRules)
    if (r.kind == DayRuleKind::kRestBadExcept) quietActivities = r.activities;  // 卷十 69a
  for (size_t w = 0; w < n; ++w) {
    const AlmanacWordRow& r = kAlmanacWordRows[w];
    const WordMask bit = Bit(static_cast<int>(w));
    if (r.common) a_.common |= bit;
    if (r.basis == WordBasis::kSourceRule || r.basis == WordBasis::kOwnRule) a_.folkWords |= bit;
    if (r.activity.empty()) continue;
    const std::optional<ActivityId> a = ActivityByName(r.activity);
    if (!a || ActivityName(*a) != r.activity) {
      Error(u"unknown activity", r.activity);
      continue;
    }
    a_.activity[w] = static_cast<int>(*a);
    a_.byActivity[static_cast<size_t>(*a)] |= bit;
    if ((quietActivities >> static_cast<int>(*a)) & 1) a_.quiet |= bit;
  }
  for (size_t byte = 0; byte < 8; ++byte)
    for (size_t v = 0; v < 256; ++v)
      for (size_t b = 0; b < 8 && byte * 8 + b < static_cast<size_t>(kActivityCount); ++b)
        if ((v >> b) & 1) a_.byActivityByte[byte][v] |= a_.byActivity[byte * 8 + b];
}

void AlmanacBuilder::AddMarks() {
  for (const FolkMarkRow& r : kFolkMarkRows) {
    CompiledMark m;
    m.placement = r.placement;
    m.effect = r.effect;
    m.words = WordsNamed(r.words);
    const std::vector<std::u16string_view> where = Words(r.where);
    switch (r.placement) {
      case MarkPlacement::kLunarDays:
        for (std::u16string_view d : where) m.lunarDays |= 1u << ParseDecimal(d);
        break;
      case MarkPlacement::kLunarMonthDays:
        if (where.size() != 12) Error(u"wrong number of entries", r.mark);
        for (size_t i = 0; i < where.size() && i < 12; ++i)
          for (size_t at = 0;; at = where[i].find(u',', at) + 1) {
            m.monthDays[i] |= 1u << ParseDecimal(where[i].substr(at));
            if (where[i].find(u',', at) == std::u16string_view::npos) break;
          }
        break;
      case MarkPlacement::kMonthBranch:
        if (where.size() != 12) Error(u"wrong number of entries", r.mark);
        for (size_t i = 0; i < where.size() && i < 12; ++i) m.branches[i] = BranchOf(where[i][0]);
        break;
      case MarkPlacement::kBookSpirit:
        if (const auto s = SpiritByName(r.where))
          m.spirit = static_cast<int>(*s);
        else
          Error(u"unknown spirit", r.where);
        break;
    }
    a_.marks.push_back(m);
  }
  if (a_.marks.size() > 16) Error(u"too many marks", u"");
}

void AlmanacBuilder::AddRules() {
  for (const WordRuleRow& r : kWordRuleRows) {
    const int w = WordNamed(r.word);
    if (w < 0) continue;
    if (kAlmanacWordRows[static_cast<size_t>(w)].basis != WordBasis::kOwnRule) Error(u"rule for a book word", r.word);
    a_.rules.push_back({w, Spirits(r.yi), Spirits(r.ji)});
  }
}

// "正月建寅": the month of the section terms, the officer and the branch;
// false when they do not agree.
bool AlmanacBuilder::ReadEntry(std::u16string_view entry, int& monthBranch, int& branch) {
  for (int i = 11; i >= 0; --i) {
    const std::u16string_view month = kMonthNames[i];
    if (entry.size() != month.size() + 2 || entry.substr(0, month.size()) != month) continue;
    monthBranch = (i + 2) % 12;
    branch = BranchOf(entry.back());
    const char16_t officer = entry[month.size()];
    return branch >= 0 && kOfficerNames[static_cast<size_t>((branch - monthBranch + 12) % 12)][0] == officer;
  }
  return false;
}

void AlmanacBuilder::AddDongGong() {
  std::array<std::array<std::vector<uint16_t>, 60>, 12> rows;
  const WordMask undertakings = DongGongWords(kDongGongUndertakings);
  for (size_t i = 0; i < kDongGongRows.size(); ++i) {
    const DongGongRow& r = kDongGongRows[i];
    const WordMask words = r.says == DongGongSays::kUnlucky ? undertakings : DongGongWords(r.words);
    a_.dongWords.push_back(words);
    int monthBranch = 0, branch = 0;
    if (!ReadEntry(r.entry, monthBranch, branch)) {
      Error(u"unreadable 董公 entry", r.entry);
      continue;
    }
    for (int stem = 0; stem < 10; ++stem) {
      const int cycle = CycleIndex(stem, branch);
      const bool named = r.stems.find(kStemNames[static_cast<size_t>(stem)][0]) != std::u16string_view::npos;
      if (named && cycle < 0) Error(u"stem of the wrong parity", r.entry);
      if (cycle < 0 || (!r.stems.empty() && !named)) continue;
      DongCell& cell = a_.dong[static_cast<size_t>(monthBranch)][static_cast<size_t>(cycle)];
      (r.says == DongGongSays::kSuits ? cell.suits : cell.forbids) |= words;
      rows[static_cast<size_t>(monthBranch)][static_cast<size_t>(cycle)].push_back(static_cast<uint16_t>(i));
    }
  }
  for (size_t m = 0; m < 12; ++m)
    for (size_t c = 0; c < 60; ++c) {
      DongCell& cell = a_.dong[m][c];
      cell.first = static_cast<uint16_t>(a_.dongRows.size());
      cell.count = static_cast<uint8_t>(rows[m][c].size());
      a_.dongRows.insert(a_.dongRows.end(), rows[m][c].begin(), rows[m][c].end());
    }
}

void AlmanacBuilder::Build() {
  AddWords();
  AddMarks();
  AddRules();
  AddDongGong();
}

const Almanac& Tables() {
  static const Almanac almanac = [] {
    Almanac a;
    AlmanacBuilder(a).Build();
    return a;
  }();
  return almanac;
}

bool MarkFalls(const CompiledMark& m, const DayLists& d) {
  switch (m.placement) {
    case MarkPlacement::kLunarDays:
      return (m.lunarDays >> d.lunarDay) & 1;
    case MarkPlacement::kLunarMonthDays: {
      // A leap month takes the dates of the month it repeats.
      const int month = d.lunarMonth < 0 ? -d.lunarMonth : d.lunarMonth;
      return month >= 1 && month <= 12 && ((m.monthDays[static_cast<size_t>(month - 1)] >> d.lunarDay) & 1);
    }
    case MarkPlacement::kMonthBranch:
      return m.branches[static_cast<size_t>((d.monthBranch + 10) % 12)] == d.dayCycle % 12;
    case MarkPlacement::kBookSpirit:
      return m.spirit >= 0 && (d.goodSpirits.Has(m.spirit) || d.badSpirits.Has(m.spirit));
  }
  return false;
}

// The evaluation of one day's list: the book's verdict of each word, what
// the marks and 董公 forbid, what 董公 and the words' own rules add, and the
// few 忌 that matter most.
class ListBuilder {
 public:
  ListBuilder(const Almanac& a, const DayLists& d, AlmanacList& out) : a_(a), d_(d), out_(out) {}
  void Run();

 private:
  void ReadBook();
  void ReadFolk();
  void Decide();
  void AddReasons(AlmanacItem& item, WordMask bit, bool ji) const;
  void WriteYi();
  void WriteJi();

  const Almanac& a_;
  const DayLists& d_;
  AlmanacList& out_;
  WordMask WordsOf(ActivityMask activities) const;
  // The item of activity a in a book list whose mask is `mask`.
  static size_t Slot(ActivityMask mask, int a) {
    return static_cast<size_t>(std::popcount(mask & ((ActivityMask{1} << a) - 1)));
  }
  WordMask bookYi_ = 0, bookJi_ = 0, markForbids_ = 0, folkForbids_ = 0, keep_ = 0, ruleYi_ = 0, ruleJi_ = 0,
           dongYi_ = 0;
  WordMask yi_ = 0, ji_ = 0;
  bool folkAllBad_ = false;
  SpiritSet daySpirits_;
  const DongCell* cell_ = nullptr;
};

WordMask ListBuilder::WordsOf(ActivityMask activities) const {
  WordMask m = 0;
  for (size_t byte = 0; byte < 8; ++byte) m |= a_.byActivityByte[byte][(activities >> (8 * byte)) & 0xFF];
  return m;
}

void ListBuilder::ReadBook() {
  bookYi_ = WordsOf(d_.yiMask);
  bookJi_ = WordsOf(d_.jiMask);
  daySpirits_ = d_.goodSpirits | d_.badSpirits;
  daySpirits_.Add(OfficerSpirit(d_.officer));
}

void ListBuilder::ReadFolk() {
  for (size_t m = 0; m < a_.marks.size(); ++m) {
    const CompiledMark& mark = a_.marks[m];
    if (!MarkFalls(mark, d_)) continue;
    out_.marks |= static_cast<uint16_t>(1u << m);
    if (mark.effect == MarkEffect::kForbids) markForbids_ |= mark.words;
    if (mark.effect == MarkEffect::kAllBad) {
      folkAllBad_ = true;
      keep_ |= mark.words;
    }
  }
  cell_ = &a_.dong[static_cast<size_t>(d_.monthBranch)][static_cast<size_t>(d_.dayCycle)];
  folkForbids_ = markForbids_ | cell_->forbids;
  for (const CompiledRule& r : a_.rules) {
    if (daySpirits_.Intersects(r.ji))
      ruleJi_ |= Bit(r.word);
    else if (daySpirits_.Intersects(r.yi))
      ruleYi_ |= Bit(r.word);
  }
}

void ListBuilder::Decide() {
  out_.allBad = d_.allBad || folkAllBad_;
  // On a day whose 宜 a rule cuts short, or on which the book forbids all
  // it does not note 宜, no folk rule adds a 宜 of its own.
  const bool limited = out_.allBad || d_.restBad || d_.yiLimited;
  yi_ = bookYi_ & ~folkForbids_;
  if (out_.allBad) yi_ &= a_.quiet | keep_;
  if (!limited) {
    // 董公's 宜 for a word the book does not decide, unless the book forbids
    // the activity the word goes with.
    dongYi_ = cell_->suits & a_.folkWords & ~bookJi_ & ~folkForbids_ & ~yi_;
    yi_ |= dongYi_ | (ruleYi_ & ~folkForbids_);
  }
  ji_ = out_.allBad ? 0 : (bookJi_ | folkForbids_ | ruleJi_) & a_.common & ~yi_;
}

void ListBuilder::AddReasons(AlmanacItem& item, WordMask bit, bool ji) const {
  auto add = [&item](FolkRuleKind kind, size_t row) {
    if (item.folkCount < static_cast<int>(item.folk.size()))
      item.folk[static_cast<size_t>(item.folkCount++)] = {kind, static_cast<uint16_t>(row)};
  };
  for (size_t m = 0; m < a_.marks.size(); ++m)
    if (ji && ((out_.marks >> m) & 1) && a_.marks[m].effect == MarkEffect::kForbids && (a_.marks[m].words & bit))
      add(FolkRuleKind::kMark, m);
  for (int k = 0; k < cell_->count; ++k) {
    const uint16_t row = a_.dongRows[static_cast<size_t>(cell_->first + k)];
    const bool suits = kDongGongRows[row].says == DongGongSays::kSuits;
    if (suits != ji && (a_.dongWords[row] & bit)) add(FolkRuleKind::kDongGong, row);
  }
  for (size_t r = 0; r < a_.rules.size(); ++r)
    if (Bit(a_.rules[r].word) == bit && ((ji ? ruleJi_ : ruleYi_) & bit)) {
      item.spirits |= daySpirits_ & (ji ? a_.rules[r].ji : a_.rules[r].yi);
      add(FolkRuleKind::kWordRule, r);
    }
}

void ListBuilder::WriteYi() {
  ForEachWord(yi_, [&](int w) {
    // (Set field by field: a long list of days rewrites these thousands of times.)
    AlmanacItem& item = out_.yi[static_cast<size_t>(out_.yiCount++)];
    item.word = w;
    item.folkCount = 0;
    const int a = a_.activity[static_cast<size_t>(w)];
    item.byBook = (bookYi_ & Bit(w)) && a >= 0;
    item.activity = item.byBook ? a : -1;
    if (item.byBook) {
      item.spirits = d_.yi[Slot(d_.yiMask, a)].because;
      return;
    }
    item.spirits = SpiritSet{};
    AddReasons(item, Bit(w), false);
  });
}

// The 忌 that matter most first: a folk mark's or a firm spirit's, then
// 董公's or a major spirit's, then the rest, each in the almanac's order.
void ListBuilder::WriteJi() {
  const WordMask strong = markForbids_ | WordsOf(d_.firmJi);
  const WordMask middle = cell_->forbids | WordsOf(d_.majorJi);
  for (const WordMask tier : {ji_ & strong, ji_ & middle & ~strong, ji_ & ~middle & ~strong})
    ForEachWord(tier, [&](int w) {
      if (out_.jiCount == kMaxAlmanacJi) return;
      AlmanacItem& item = out_.ji[static_cast<size_t>(out_.jiCount++)];
      item = AlmanacItem{};
      item.word = w;
      item.activity = a_.activity[static_cast<size_t>(w)];
      if ((bookJi_ & Bit(w)) && item.activity >= 0) {
        item.byBook = true;
        item.spirits = d_.ji[Slot(d_.jiMask, item.activity)].because;
      }
      AddReasons(item, Bit(w), true);
    });
}

void ListBuilder::Run() {
  out_.yiCount = out_.jiCount = 0;
  out_.marks = 0;
  ReadBook();
  ReadFolk();
  Decide();
  WriteYi();
  WriteJi();
  out_.restBad = (d_.restBad || d_.yiLimited) && !out_.allBad && out_.yiCount > 0;
}

}  // namespace

void BuildAlmanacList(const DayLists& day, AlmanacList& out) { ListBuilder(Tables(), day, out).Run(); }

int AlmanacWordCount() { return static_cast<int>(Tables().activity.size()); }

std::u16string_view AlmanacWordName(int word) { return kAlmanacWordRows[static_cast<size_t>(word)].word; }

std::u16string_view AlmanacWordCitation(int word) { return kAlmanacWordRows[static_cast<size_t>(word)].cite; }

std::optional<int> AlmanacWordByName(std::u16string_view name) {
  for (int w = 0; w < AlmanacWordCount(); ++w)
    if (AlmanacWordName(w) == name) return w;
  return std::nullopt;
}

std::optional<ActivityId> AlmanacWordActivity(int word) {
  const int a = Tables().activity[static_cast<size_t>(word)];
  if (a < 0) return std::nullopt;
  return static_cast<ActivityId>(a);
}

int FolkMarkCount() { return static_cast<int>(kFolkMarkRows.size()); }
std::u16string_view FolkMarkName(int mark) { return kFolkMarkRows[static_cast<size_t>(mark)].mark; }
std::u16string_view FolkMarkCitation(int mark) { return kFolkMarkRows[static_cast<size_t>(mark)].cite; }

int FolkRuleCount(FolkRuleKind kind) {
  switch (kind) {
    case FolkRuleKind::kDongGong:
      return static_cast<int>(kDongGongRows.size());
    case FolkRuleKind::kMark:
      return FolkMarkCount();
    case FolkRuleKind::kWordRule:
      break;
  }
  return static_cast<int>(kWordRuleRows.size());
}

std::u16string_view ItemSource(const AlmanacItem& item) {
  if (item.byBook || item.folkCount == 0) return u"書";
  const FolkReason& r = item.folk[0];
  switch (r.kind) {
    case FolkRuleKind::kDongGong:
      return u"董公";
    case FolkRuleKind::kMark:
      return FolkMarkName(r.row);
    case FolkRuleKind::kWordRule:
      break;
  }
  return u"通書";
}

namespace {

// "丁酉、己酉" for the stems "丁己" of an entry of 酉 days.
std::u16string Pillars(std::u16string_view stems, char16_t branch) {
  std::u16string text;
  for (char16_t s : stems) {
    if (!text.empty()) text += u'、';
    text += s;
    text += branch;
  }
  return text;
}

std::u16string Joined(std::u16string_view words) {
  std::u16string text;
  for (std::u16string_view w : Words(words)) {
    if (!text.empty()) text += u'、';
    text += w;
  }
  return text;
}

}  // namespace

std::u16string FolkReasonText(const FolkReason& reason) {
  switch (reason.kind) {
    case FolkRuleKind::kDongGong: {
      const DongGongRow& r = kDongGongRows[reason.row];
      std::u16string text = u"董公：" + std::u16string(r.entry) + u"日";
      if (!r.stems.empty()) text += Pillars(r.stems, r.entry.back());
      if (r.says == DongGongSays::kUnlucky) return text + u"凶";
      return text + (r.says == DongGongSays::kSuits ? u"宜" : u"忌") + Joined(r.words);
    }
    case FolkRuleKind::kMark:
      return std::u16string(FolkMarkName(reason.row));
    case FolkRuleKind::kWordRule:
      break;
  }
  return u"通書：" + std::u16string(kWordRuleRows[reason.row].cite);
}

std::u16string FolkReasonCitation(const FolkReason& reason) {
  switch (reason.kind) {
    case FolkRuleKind::kDongGong:
      return u"董公選擇日要覽，" + std::u16string(kDongGongRows[reason.row].entry) + u"日";
    case FolkRuleKind::kMark:
      return std::u16string(FolkMarkCitation(reason.row));
    case FolkRuleKind::kWordRule:
      break;
  }
  return std::u16string(kWordRuleRows[reason.row].cite);
}

std::vector<std::u16string> ItemReasons(const AlmanacItem& item) {
  std::vector<std::u16string> reasons;
  item.spirits.ForEach([&](SpiritId s) { reasons.emplace_back(SpiritName(s)); });
  for (int i = 0; i < item.folkCount; ++i) reasons.push_back(FolkReasonText(item.folk[static_cast<size_t>(i)]));
  return reasons;
}

const std::vector<std::u16string>& AlmanacTableErrors() { return Tables().errors; }

}  // namespace lunisol
