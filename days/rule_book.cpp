#include "days/rule_book.h"

#include <string_view>

#include "almanac/lookups.h"
#include "calendar/solar_terms.h"
#include "calendar/tables.h"
#include "calendar/text.h"

namespace lunisol {

int StemOf(char16_t c) {
  for (size_t i = 0; i < kStemNames.size(); ++i)
    if (kStemNames[i][0] == c) return static_cast<int>(i);
  return -1;
}

int BranchOf(char16_t c) {
  for (size_t i = 0; i < kBranchNames.size(); ++i)
    if (kBranchNames[i][0] == c) return static_cast<int>(i);
  return -1;
}

int CycleIndex(int stem, int branch) {
  if ((stem - branch) % 2 != 0) return -1;
  // The index c has c mod 10 = stem and c mod 12 = branch.
  return (6 * stem - 5 * branch + 60) % 60;
}

namespace {

PillarMask PillarsWithStem(int stem) {
  PillarMask m = 0;
  for (int c = stem; c < 60; c += 10) m |= PillarMask{1} << c;
  return m;
}

PillarMask PillarsWithBranch(int branch) {
  PillarMask m = 0;
  for (int c = branch; c < 60; c += 12) m |= PillarMask{1} << c;
  return m;
}

int Mod(int a, int n) { return ((a % n) + n) % n; }

std::vector<std::u16string_view> Words(std::u16string_view text) {
  std::vector<std::u16string_view> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == u' ') ++i;
    size_t j = i;
    while (j < text.size() && text[j] != u' ') ++j;
    if (j > i) words.push_back(text.substr(i, j - i));
    i = j;
  }
  return words;
}

int OfficerOf(char16_t c) {
  for (size_t i = 0; i < kOfficerNames.size(); ++i)
    if (kOfficerNames[i][0] == c) return static_cast<int>(i);
  return -1;
}

}  // namespace

PillarMask PillarsOfEntry(std::u16string_view entry) {
  if (entry == u"-") return 0;
  PillarMask m = 0;
  for (size_t i = 0; i < entry.size(); ++i) {
    const int s = StemOf(entry[i]);
    const int b = BranchOf(entry[i]);
    if (s >= 0 && i + 1 < entry.size() && BranchOf(entry[i + 1]) >= 0) {
      const int c = CycleIndex(s, BranchOf(entry[i + 1]));
      if (c < 0) return ~PillarMask{0};  // unreadable: caught by the table checks
      m |= PillarMask{1} << c;
      ++i;
    } else if (s >= 0) {
      m |= PillarsWithStem(s);
    } else if (b >= 0) {
      m |= PillarsWithBranch(b);
    } else {
      return ~PillarMask{0};
    }
  }
  return m;
}

MonthMask MonthsOf(std::u16string_view branches) {
  if (branches.empty()) return 0xFFF;
  MonthMask m = 0;
  for (char16_t c : branches)
    if (BranchOf(c) >= 0) m |= static_cast<MonthMask>(1u << BranchOf(c));
  return m;
}

namespace {

class Builder {
 public:
  explicit Builder(RuleBook& book) : b_(book) {}
  void Build();

 private:
  void Error(std::u16string_view what, std::u16string_view name) {
    b_.errors.push_back(std::u16string(what) + u": " + std::u16string(name));
  }
  int SpiritNamed(std::u16string_view name);
  SpiritSet Spirits(std::u16string_view names);
  int ActivityNamed(std::u16string_view name);
  ActivityMask Activities(std::u16string_view names);
  void AddSpirits();
  void PlaceStatic(int id, const DaySpiritRow& r);
  std::array<PillarMask, 12> MonthMasks(const DaySpiritRow& r);
  std::array<PillarMask, 12> EntryMasks(const DaySpiritRow& r, size_t entries, int (*slot)(int));
  void PlaceDynamic(int id, const DaySpiritRow& r);
  void ReadTermPlacement(const DaySpiritRow& r, DynamicPlacement& d);
  void ReadCalendarPlacement(const DaySpiritRow& r, DynamicPlacement& d);
  void AddActivities();
  void AddHolds();
  void AddWeighRows();
  void AddDayRules();
  void AddLinks();
  void AddConditionalYi();
  void AddSmallTables();
  void AddReliefs();

  RuleBook& b_;
};

int Builder::SpiritNamed(std::u16string_view name) {
  for (size_t i = 0; i < kDaySpiritRows.size(); ++i)
    if (kDaySpiritRows[i].name == name) return static_cast<int>(i);
  Error(u"unknown spirit", name);
  return -1;
}

SpiritSet Builder::Spirits(std::u16string_view names) {
  SpiritSet s;
  for (std::u16string_view n : Words(names)) {
    const int id = SpiritNamed(n);
    if (id >= 0) s.Add(id);
  }
  return s;
}

int Builder::ActivityNamed(std::u16string_view name) {
  for (size_t i = 0; i < kActivityRows.size(); ++i)
    if (kActivityRows[i].name == name) return static_cast<int>(i);
  Error(u"unknown activity", name);
  return -1;
}

ActivityMask Builder::Activities(std::u16string_view names) {
  ActivityMask m = 0;
  for (std::u16string_view n : Words(names)) {
    const int id = ActivityNamed(n);
    if (id >= 0) m |= ActivityMask{1} << id;
  }
  return m;
}

// Month masks of the placements that take a list of entries: `slot` maps a
// month index (0 = 正月) to the entry that holds in it.
std::array<PillarMask, 12> Builder::EntryMasks(const DaySpiritRow& r, size_t entries, int (*slot)(int)) {
  std::array<PillarMask, 12> masks{};
  const std::vector<std::u16string_view> words = Words(r.where);
  if (words.size() != entries) {
    Error(u"wrong number of entries", r.name);
    return masks;
  }
  for (int mi = 0; mi < 12; ++mi) masks[static_cast<size_t>(mi)] = PillarsOfEntry(words[static_cast<size_t>(slot(mi))]);
  return masks;
}

std::array<PillarMask, 12> Builder::MonthMasks(const DaySpiritRow& r) {
  std::array<PillarMask, 12> masks{};
  const std::u16string_view w = r.where;
  for (int mi = 0; mi < 12; ++mi) {
    const int mb = (mi + 2) % 12;
    PillarMask& m = masks[static_cast<size_t>(mi)];
    switch (r.placement) {
      case Placement::kOfficer:
        for (char16_t c : w) m |= PillarsWithBranch(Mod(mb + OfficerOf(c), 12));
        break;
      case Placement::kOfficerInMonths:
        if (MonthsOf(w.substr(1)) & (1u << mb)) m = PillarsWithBranch(Mod(mb + OfficerOf(w[0]), 12));
        break;
      case Placement::kYangYinOfficer:
        m = PillarsWithBranch(Mod(mb + OfficerOf(w[mb % 2]), 12));
        break;
      case Placement::kWalk:
        m = PillarsWithBranch(Mod(BranchOf(w[0]) + r.step * mi, 12));
        break;
      case Placement::kPaired:
        m = PillarsWithBranch(Mod(BranchOf(w[0]) + mi / 2 + 6 * (mi % 2), 12));
        break;
      case Placement::kDayGod:
        m = PillarsWithBranch(Mod(2 * mb - 4 + r.step, 12));
        break;
      default:
        break;
    }
  }
  return masks;
}

void Builder::PlaceStatic(int id, const DaySpiritRow& r) {
  std::array<PillarMask, 12> masks{};
  switch (r.placement) {
    case Placement::kMonthly:
      masks = EntryMasks(r, 12, [](int mi) { return mi; });
      break;
    case Placement::kSeasonal:
      masks = EntryMasks(r, 4, [](int mi) { return mi / 3; });
      break;
    case Placement::kTriad:
      // 寅午戌, 亥卯未, 申子辰, 巳酉丑 by the month branch mod 4 (2, 3, 0, 1).
      masks = EntryMasks(r, 4, [](int mi) { return Mod((mi + 2) % 4 - 2, 4); });
      break;
    case Placement::kEveryMonth: {
      PillarMask all = 0;
      for (std::u16string_view e : Words(r.where)) all |= PillarsOfEntry(e);
      masks.fill(all);
      break;
    }
    case Placement::kUnhindered: {
      masks = EntryMasks(r, 12, [](int mi) { return mi; });
      for (int mi = 0; mi < 12; ++mi) {
        PillarMask window = 0;  // the five branches after 月厭 (戌 in 正月, one back each month)
        for (int k = 1; k <= 5; ++k) window |= PillarsWithBranch(Mod(10 - mi + k, 12));
        masks[static_cast<size_t>(mi)] &= window;
      }
      break;
    }
    default:
      masks = MonthMasks(r);
      break;
  }
  for (int mi = 0; mi < 12; ++mi) {
    const PillarMask m = masks[static_cast<size_t>(mi)];
    if (m == ~PillarMask{0}) Error(u"unreadable placement", r.name);
    auto& row = b_.byMonthPillar[static_cast<size_t>((mi + 2) % 12)];
    for (int c = 0; c < 60; ++c)
      if ((m >> c) & 1) row[static_cast<size_t>(c)].Add(id);
  }
}

// The placements counted from the solar terms.
void Builder::ReadTermPlacement(const DaySpiritRow& r, DynamicPlacement& d) {
  auto term = [&](std::u16string_view t) {
    const int i = SolarTermIndex(t.substr(0, 2));
    if (i < 0) Error(u"unknown term", t);
    return i;
  };
  for (std::u16string_view w : Words(r.where)) {
    switch (r.placement) {
      case Placement::kTermEve:
      case Placement::kTermDay:
        d.terms.push_back(term(w));
        break;
      case Placement::kAfterSection:
        if (const int t = term(w); t >= 0) d.afterSection[static_cast<size_t>(t)] = ParseDecimal(w.substr(2));
        break;
      case Placement::kDogAltar:
        d.counts.push_back({term(w), StemOf(w[2]), ParseDecimal(w.substr(3))});
        break;
      case Placement::kEarthKing: {
        // It begins in the month before the 立 term two terms after the one
        // before the longitude (term t begins at 285° + 15°·t).
        const int degrees = ParseDecimal(w);
        const int end = (degrees + 75) % 360 / 15 + 2;
        d.degrees.push_back(degrees);
        b_.earthKingDegrees[static_cast<size_t>(end / 2 % 12)] = degrees;
        b_.earthKingSpirit = d.spirit;
        break;
      }
      default:
        break;
    }
  }
}

// The placements by the lunar date, the year and the season.
void Builder::ReadCalendarPlacement(const DaySpiritRow& r, DynamicPlacement& d) {
  const std::vector<std::u16string_view> words = Words(r.where);
  const size_t n = words.size();
  switch (r.placement) {
    case Placement::kLunarDays:
      for (std::u16string_view w : words) d.lunarDays |= 1u << ParseDecimal(w);
      break;
    case Placement::kLunarMonthDays:
      if (n != 12) Error(u"wrong number of entries", r.name);
      for (size_t m = 0; m < n && m < 12; ++m)
        for (size_t at = 0;; at = words[m].find(u',', at) + 1) {
          d.monthDays[m] |= 1u << ParseDecimal(words[m].substr(at));
          if (words[m].find(u',', at) == std::u16string_view::npos) break;
        }
      break;
    case Placement::kNewMoonBranch:
      for (size_t b = 0; b < n && b < 12; ++b) d.newMoonDay[b] = ParseDecimal(words[b]);
      break;
    case Placement::kYearStem:
      for (size_t s = 0; s < n && s < 10; ++s) d.yearPillar[s] = CycleIndex(StemOf(words[s][0]), BranchOf(words[s][1]));
      break;
    case Placement::kMotherGranary:
      if (n != 5) Error(u"wrong number of entries", r.name);
      for (size_t s = 0; s < 4 && s < n; ++s) d.seasonal[s] = PillarsOfEntry(words[s]);
      if (n == 5) d.earthKingPillars = PillarsOfEntry(words[4]);
      break;
    case Placement::kTabooDays:
      b_.tabooSpirit = d.spirit;
      break;
    case Placement::kBodySpirit:
      b_.bodySpirit = d.spirit;
      break;
    default:
      break;
  }
}

void Builder::PlaceDynamic(int id, const DaySpiritRow& r) {
  DynamicPlacement d;
  d.spirit = id;
  d.placement = r.placement;
  ReadTermPlacement(r, d);
  ReadCalendarPlacement(r, d);
  b_.dynamic.push_back(std::move(d));
}

bool IsPlacedByMonthAndPillar(Placement p) {
  switch (p) {
    case Placement::kOfficer:
    case Placement::kOfficerInMonths:
    case Placement::kYangYinOfficer:
    case Placement::kWalk:
    case Placement::kPaired:
    case Placement::kMonthly:
    case Placement::kSeasonal:
    case Placement::kTriad:
    case Placement::kEveryMonth:
    case Placement::kUnhindered:
    case Placement::kDayGod:
      return true;
    default:
      return false;
  }
}

void Builder::AddSpirits() {
  if (kDaySpiritRows.size() > static_cast<size_t>(kMaxSpirits)) {
    Error(u"too many spirits", u"");
    return;
  }
  b_.spirits.resize(kDaySpiritRows.size());
  for (size_t i = 0; i < kDaySpiritRows.size(); ++i) {
    const DaySpiritRow& r = kDaySpiritRows[i];
    const int id = static_cast<int>(i);
    b_.spirits[i].row = &r;
    (r.kind == SpiritKind::kGood ? b_.good : r.kind == SpiritKind::kBad ? b_.bad : b_.officers).Add(id);
    if (r.kind == SpiritKind::kOfficerDay) b_.officerSpirit[static_cast<size_t>(OfficerOf(r.where[0]))] = id;
    if (r.placement == Placement::kDayGod) b_.dayGodSpirit[static_cast<size_t>(r.step)] = id;
    if (IsPlacedByMonthAndPillar(r.placement))
      PlaceStatic(id, r);
    else
      PlaceDynamic(id, r);
  }
}

void Builder::AddActivities() {
  if (kActivityRows.size() != static_cast<size_t>(kActivityCount)) Error(u"activity count", u"");
  for (size_t a = 0; a < kActivityRows.size() && a < static_cast<size_t>(kActivityCount); ++a) {
    const ActivityMask bit = ActivityMask{1} << a;
    b_.yiBy[a] = Spirits(kActivityRows[a].yi);
    b_.jiBy[a] = Spirits(kActivityRows[a].ji);
    b_.yiBy[a].ForEach([&](lunisol::SpiritId s) { b_.spirits[static_cast<size_t>(s)].yi |= bit; });
    b_.jiBy[a].ForEach([&](lunisol::SpiritId s) { b_.spirits[static_cast<size_t>(s)].ji |= bit; });
  }
}

void Builder::AddHolds() {
  for (const SpiritHoldRow& r : kSpiritHoldRows) {
    const int id = SpiritNamed(r.spirit);
    if (id < 0) continue;
    SpiritInfo& info = b_.spirits[static_cast<size_t>(id)];
    info.hold = r.hold;
    if (!r.follows.empty()) info.follows = SpiritNamed(r.follows);
    if (r.hold == Hold::kFirm) b_.firm.Add(id);
    if (r.hold == Hold::kMajor) b_.major.Add(id);
  }
}

void Builder::AddWeighRows() {
  b_.weighRows.resize(b_.spirits.size());
  for (const WeighRow& r : kWeighRows) {
    const int id = SpiritNamed(r.spirit);
    if (id < 0) continue;
    b_.weighRows[static_cast<size_t>(id)].push_back(
        {MonthsOf(r.months), Spirits(r.with), Spirits(r.need), r.weighing, Activities(r.only)});
  }
}

void Builder::AddDayRules() {
  for (const DayRuleRow& r : kDayRuleRows) {
    CompiledDayRule c{Spirits(r.spirits), MonthsOf(r.months), r.kind, 0, -1, {}};
    if (r.kind == DayRuleKind::kIgnoreGood || r.kind == DayRuleKind::kNoYiForForbiddenOf) {
      c.names = Spirits(r.names);
    } else {
      c.activities = Activities(r.names);
      if (!Words(r.names).empty()) c.firstActivity = ActivityNamed(Words(r.names)[0]);
    }
    if (r.kind == DayRuleKind::kForbidAlso)
      c.spirits.ForEach([&](lunisol::SpiritId s) { b_.spirits[static_cast<size_t>(s)].ji |= c.activities; });
    b_.dayRules.push_back(c);
  }
}

void Builder::AddLinks() {
  for (const CancelLinkRow& r : kCancelLinkRows)
    b_.links.push_back(
        {Activities(r.sources), Activities(r.targets), Spirits(r.notBy), Spirits(r.overlook), r.keepSpecific});
}

void Builder::AddConditionalYi() {
  for (const ConditionalYiRow& r : kConditionalYiRows) {
    CompiledConditionalYi c{ActivityNamed(r.activity), Spirits(r.sources), Spirits(r.with), -1, -1};
    if (!r.from.empty()) c.fromTerm = SolarTermIndex(r.from);
    if (!r.until.empty()) c.untilTerm = SolarTermIndex(r.until);
    if ((!r.from.empty() && c.fromTerm < 0) || (!r.until.empty() && c.untilTerm < 0)) Error(u"unknown term", r.from);
    if (c.activity >= 0) b_.conditionalYi.push_back(c);
  }
}

void Builder::AddSmallTables() {
  for (const SharedYiRow& r : kSharedYiRows) {
    const int a = ActivityNamed(r.activity), as = ActivityNamed(r.as);
    if (a >= 0 && as >= 0) b_.sharedYi.emplace_back(a, as);
  }
  for (const FreeDayRow& r : kFreeDayRows) {
    const PillarMask p = PillarsOfEntry(r.pillar);
    for (size_t b = 0; b < 12; ++b)
      if (MonthsOf(r.month) & (1u << b)) b_.freeDays[b] |= p;
  }
  for (const TabooDayRow& r : kTabooDayRows) {
    const ActivityMask a = Activities(r.activity);
    if (const int s = StemOf(r.day[0]); s >= 0) b_.tabooByStem[static_cast<size_t>(s)] |= a;
    if (const int b = BranchOf(r.day[0]); b >= 0) b_.tabooByBranch[static_cast<size_t>(b)] |= a;
  }
  for (const BodySpiritRow& r : kBodySpiritRows)
    if (r.lunarDay >= 1 && r.lunarDay <= 30)
      b_.bodySpiritByLunarDay[static_cast<size_t>(r.lunarDay)] |= Activities(r.activity);
}

void Builder::AddReliefs() {
  for (const SpiritReliefRow& r : kSpiritReliefRows) {
    CompiledRelief c;
    c.spirit = SpiritNamed(r.spirit);
    for (std::u16string_view e : Words(r.pillars)) c.pillars |= PillarsOfEntry(e);
    c.kind = r.kind;
    const std::vector<std::u16string_view> when = Words(r.when);
    bool readable = !when.empty() && c.pillars != ~PillarMask{0};
    switch (r.kind) {
      case ReliefKind::kWithSpirits:
        c.with = Spirits(r.when);
        break;
      case ReliefKind::kYearOrMonthBranch:
        c.branch = readable ? BranchOf(when[0][0]) : -1;
        readable = readable && c.branch >= 0;
        break;
      case ReliefKind::kSunAfterTerm:
        c.term = readable ? SolarTermIndex(when[0]) : -1;
        readable = readable && c.term >= 0 && c.term % 2 == 1;
        break;
      case ReliefKind::kYearStemsInMonths:
      case ReliefKind::kYearAndMonthStem:
        for (char16_t ch : readable ? when[0] : u"")
          if (StemOf(ch) >= 0) c.stems |= static_cast<uint16_t>(1u << StemOf(ch));
        if (r.kind == ReliefKind::kYearStemsInMonths && when.size() == 2) c.months = MonthsOf(when[1]);
        readable = readable && c.stems != 0 && (r.kind == ReliefKind::kYearAndMonthStem || c.months != 0);
        break;
    }
    if (!readable) Error(u"unreadable relief", r.spirit);
    if (c.spirit >= 0 && readable) b_.reliefs.push_back(c);
  }
  for (const SpiritYiShareRow& r : kSpiritYiShareRows) {
    CompiledYiShare c{SpiritNamed(r.spirit), 0, SpiritNamed(r.as)};
    for (char16_t ch : r.branches)
      if (BranchOf(ch) >= 0) c.branches |= static_cast<uint16_t>(1u << BranchOf(ch));
    if (c.spirit >= 0 && c.as >= 0) b_.yiShares.push_back(c);
  }
}

void Builder::Build() {
  AddSpirits();
  if (b_.spirits.empty()) return;
  AddActivities();
  AddHolds();
  AddWeighRows();
  AddDayRules();
  AddLinks();
  AddConditionalYi();
  AddSmallTables();
  AddReliefs();
  for (size_t s = 0; s < b_.spirits.size(); ++s) {
    const SpiritInfo& info = b_.spirits[s];
    if (info.ji != 0 || info.yi != 0 || !b_.weighRows[s].empty()) b_.weighed.Add(static_cast<int>(s));
  }
  for (const CompiledConditionalYi& c : b_.conditionalYi) b_.weighed |= c.sources | c.with;
  for (const CompiledDayRule& r : b_.dayRules) b_.weighed |= r.spirits;
  for (const CompiledYiShare& c : b_.yiShares) b_.weighed.Add(c.spirit);
}

}  // namespace

const RuleBook& Rules() {
  static const RuleBook book = [] {
    RuleBook b;
    Builder(b).Build();
    return b;
  }();
  return book;
}

}  // namespace lunisol
