#include "days/day_lists.h"

#include <cstdint>

#include "calendar/convert.h"
#include "calendar/tables.h"
#include "days/day_facts.h"
#include "days/rule_book.h"

namespace lunisol {

const std::array<std::u16string_view, 12> kDayGodNames{u"青龍", u"明堂", u"天刑", u"朱雀", u"金匱", u"寶光",
                                                       u"白虎", u"玉堂", u"天牢", u"玄武", u"司命", u"勾陳"};

bool IsYellowPathGod(int god) { return god == 0 || god == 1 || god == 4 || god == 5 || god == 7 || god == 10; }

namespace {

constexpr ActivityMask Bit(int a) { return ActivityMask{1} << a; }

bool DynamicHolds(const DynamicPlacement& d, const DayFacts& f, bool earthKing) {
  switch (d.placement) {
    case Placement::kTermEve:
    case Placement::kTermDay: {
      const int t = d.placement == Placement::kTermEve ? f.termTomorrow : f.termToday;
      for (int term : d.terms)
        if (term == t) return true;
      return false;
    }
    case Placement::kAfterSection:
      // Counted from the section term of this Gregorian month and of the one
      // before, the term's own day being day 1, as the page counts 氣往亡.
      for (int m = f.month; m >= f.month - 1 && m >= 1; --m) {
        const int n = d.afterSection[static_cast<size_t>(2 * m - 2)];
        const int first = TermDaysOfMonth(f.year, m).first;
        const int count = m == f.month ? f.day - first + 1 : DaysInSolarMonth(f.year, m) - first + 1 + f.day;
        if (n > 0 && count == n) return true;
      }
      return false;
    case Placement::kEarthKing:
      return earthKing;
    case Placement::kLunarDays:
      return (d.lunarDays >> f.lunarDay) & 1;
    case Placement::kLunarMonthDays:
      return (d.monthDays[static_cast<size_t>((f.lunarMonth < 0 ? -f.lunarMonth : f.lunarMonth) - 1)] >> f.lunarDay) &
             1;
    case Placement::kLastLunarDay:
      return f.lastLunarDay;
    case Placement::kNewMoonBranch:
      return f.lunarDay == d.newMoonDay[static_cast<size_t>(f.firstLunarDayBranch)];
    case Placement::kYearStem:
      return f.cycle == d.yearPillar[static_cast<size_t>(f.sectionYearStem)];
    case Placement::kMoonPhase:
      return f.moonPhaseDay;
    case Placement::kDogAltar:
      for (const DynamicPlacement::Count& c : d.counts)
        if (f.month >= c.term / 2 + 1 && f.month <= c.term / 2 + 3 &&
            NthStemDayFromTerm(f, c.term, c.stem, c.ordinal) == f.dayNumber)
          return true;
      return false;
    case Placement::kMotherGranary:
      return ((earthKing ? d.earthKingPillars : d.seasonal[static_cast<size_t>(f.season)]) >> f.cycle) & 1;
    default:
      return false;
  }
}

bool EarthKingDay(const RuleBook& rb, const DayFacts& f) {
  const int degrees = rb.earthKingDegrees[static_cast<size_t>(f.monthBranch)];
  return degrees != 0 && InEarthKingDays(f, degrees);
}

// What one spirit of the day does: the activities it forbids (or, weighed
// against the good spirits, only cancels) and those it makes 宜.
struct Part {
  int spirit;
  Weighing weighing;
  const CompiledWeighRow* row;
  ActivityMask forbids, cancels, yi;
};

// The evaluation of one day, step by step: place the spirits; weigh each bad
// spirit by 卷十's rows; gather what each forbids, cancels or makes 宜; lift
// the minor 忌 the 鋪註條例 lifts; decide; carry cancellations over to kin
// activities; apply 諸事皆忌 and 諸事不忌; withhold the 宜 the rules withhold.
class DayEvaluation {
 public:
  DayEvaluation(const RuleBook& rb, const DayFacts& f) : rb_(rb), f_(f) {}
  void Run(DayLists& out);

 private:
  bool RuleHolds(const CompiledDayRule& r) const {
    return (r.months >> f_.monthBranch & 1) && active_.Intersects(r.spirits);
  }
  ActivityMask Forbids(int s) const;
  bool Relieved(const CompiledRelief& r) const;
  ActivityMask SharedYi(int s) const;
  void PlaceSpirits();
  void Weigh(Part& p);
  void CollectParts();
  void AddConditionalYi();
  void LiftMinorJi();
  void Decide();
  bool CancelledSource(int a, const CompiledLink& link) const;
  void CarryCancellation();
  ActivityMask WithheldYi();
  void Write(DayLists& out) const;

  const RuleBook& rb_;
  const DayFacts& f_;
  SpiritSet active_, usable_, dayFirm_;
  std::array<Part, kMaxSpirits> parts_;  // the first count_ are the day's
  int count_ = 0;
  bool allBad_ = false, restBad_ = false, yiLimited_ = false;
  SpiritSet allBadBecause_;
  ActivityMask ji_ = 0, neither_ = 0, yi_ = 0, spared_ = 0;
  ActivityMask forbidden_ = 0, suitable_ = 0;  // what any spirit forbids, or makes 宜, as last decided
};

ActivityMask DayEvaluation::Forbids(int s) const {
  ActivityMask m = rb_.spirits[static_cast<size_t>(s)].ji;
  if (s == rb_.tabooSpirit)
    m &= rb_.tabooByStem[static_cast<size_t>(f_.stem)] | rb_.tabooByBranch[static_cast<size_t>(f_.branch)];
  if (s == rb_.bodySpirit) m &= rb_.bodySpiritByLunarDay[static_cast<size_t>(f_.lunarDay)];
  return m;
}

bool DayEvaluation::Relieved(const CompiledRelief& r) const {
  if (!active_.Has(r.spirit) || !((r.pillars >> f_.cycle) & 1)) return false;
  switch (r.kind) {
    case ReliefKind::kWithSpirits:
      return active_.Intersects(r.with);
    case ReliefKind::kYearOrMonthBranch:
      return f_.sectionYearBranch == r.branch || f_.monthBranch == r.branch;
    case ReliefKind::kSunAfterTerm:
      return InTermWindow(f_, r.term, (r.term + 2) % 24);
    case ReliefKind::kYearStemsInMonths:
      return ((r.stems >> f_.sectionYearStem) & 1) && ((r.months >> f_.monthBranch) & 1);
    case ReliefKind::kYearAndMonthStem:
      return ((r.stems >> f_.sectionYearStem) & 1) && ((r.stems >> f_.monthStem) & 1);
  }
  return false;
}

// What a spirit makes 宜 beyond its own lists on a day of the branch.
ActivityMask DayEvaluation::SharedYi(int s) const {
  ActivityMask m = 0;
  for (const CompiledYiShare& c : rb_.yiShares)
    if (c.spirit == s && ((c.branches >> f_.branch) & 1)) m |= rb_.spirits[static_cast<size_t>(c.as)].yi;
  return m;
}

void DayEvaluation::PlaceSpirits() {
  const bool earthKing = EarthKingDay(rb_, f_);
  active_ = rb_.byMonthPillar[static_cast<size_t>(f_.monthBranch)][static_cast<size_t>(f_.cycle)];
  for (const DynamicPlacement& d : rb_.dynamic)
    if (DynamicHolds(d, f_, earthKing)) active_.Add(d.spirit);
  // A spirit the book does not count on the day is not placed there.
  SpiritSet relieved;
  for (const CompiledRelief& r : rb_.reliefs)
    if (Relieved(r)) relieved.Add(r.spirit);
  active_ &= ~relieved;
  // 百忌日 and 人神所在日 fall on the days their tables give a 忌 for.
  if (rb_.tabooSpirit >= 0 && Forbids(rb_.tabooSpirit) != 0) active_.Add(rb_.tabooSpirit);
  if (rb_.bodySpirit >= 0 && Forbids(rb_.bodySpirit) != 0) active_.Add(rb_.bodySpirit);
  SpiritSet ignored;
  for (const CompiledDayRule& r : rb_.dayRules)
    if (r.kind == DayRuleKind::kIgnoreGood && RuleHolds(r)) ignored |= r.names;
  usable_ = active_ & ~ignored;
}

// 卷十's rows: the first that holds decides.
void DayEvaluation::Weigh(Part& p) {
  for (const CompiledWeighRow& row : rb_.weighRows[static_cast<size_t>(p.spirit)]) {
    if (!(row.months >> f_.monthBranch & 1) || !active_.Contains(row.with)) continue;
    if (!row.need.Empty() && !usable_.Intersects(row.need)) continue;
    p.weighing = row.weighing;
    p.row = &row;
    if (p.weighing == Weighing::kAllBad) {
      allBad_ = true;
      allBadBecause_.Add(p.spirit);
      allBadBecause_ |= row.with;
    }
    return;
  }
}

void DayEvaluation::CollectParts() {
  (active_ & rb_.weighed).ForEach([&](SpiritId id) {
    Part& p = parts_[static_cast<size_t>(count_++)];
    p = Part{static_cast<int>(id), Weighing::kUsual, nullptr, 0, 0, 0};
    Weigh(p);
  });
  for (int i = 0; i < count_; ++i) {
    Part& p = parts_[static_cast<size_t>(i)];
    // A second name of a place is weighed as its first.
    const int parent = rb_.spirits[static_cast<size_t>(p.spirit)].follows;
    for (int j = 0; j < count_ && parent >= 0; ++j)
      if (parts_[static_cast<size_t>(j)].spirit == parent) {
        p.weighing = parts_[static_cast<size_t>(j)].weighing;
        p.row = parts_[static_cast<size_t>(j)].row;
      }
    if (p.weighing == Weighing::kUsualFirm) dayFirm_.Add(p.spirit);
    const ActivityMask only = p.row ? p.row->only : 0;
    ActivityMask f = Forbids(p.spirit);
    if (p.weighing == Weighing::kOnlyForbid) f &= only;
    if (p.weighing == Weighing::kForbidAlso) f |= only;
    if (p.weighing == Weighing::kDrop || p.weighing == Weighing::kDefer) f = 0;
    (p.weighing == Weighing::kCancel ? p.cancels : p.forbids) = f;
    if (usable_.Has(p.spirit)) p.yi = rb_.spirits[static_cast<size_t>(p.spirit)].yi | SharedYi(p.spirit);
  }
  for (const CompiledDayRule& r : rb_.dayRules)
    if (r.kind == DayRuleKind::kRestBadExcept && RuleHolds(r)) {
      restBad_ = true;
      for (int i = 0; i < count_; ++i)
        if (r.spirits.Has(parts_[static_cast<size_t>(i)].spirit))
          parts_[static_cast<size_t>(i)].forbids |= kAllActivities & ~r.activities;
    }
  AddConditionalYi();
}

void DayEvaluation::AddConditionalYi() {
  for (const CompiledConditionalYi& c : rb_.conditionalYi) {
    if (!usable_.Intersects(c.sources) || (!c.with.Empty() && !usable_.Intersects(c.with))) continue;
    if (c.fromTerm >= 0 && !InTermWindow(f_, c.fromTerm, c.untilTerm)) continue;
    const SpiritSet by = usable_ & (c.sources | c.with);
    for (int i = 0; i < count_; ++i)
      if (by.Has(parts_[static_cast<size_t>(i)].spirit)) parts_[static_cast<size_t>(i)].yi |= Bit(c.activity);
  }
}

// 鋪註條例: on days of 德合赦願月恩四相時德 the household and trade
// activities are not noted 忌, unless a spirit holds its 忌 against the 德
// (猶忌) or 卷十 weighs it so that 忌 wins over 宜 (從忌不從宜) on the day. A
// major spirit weighed 吉凶相抵, or to forbid only some things, is lifted.
void DayEvaluation::LiftMinorJi() {
  const SpiritSet firm = rb_.firm | dayFirm_;
  auto jiWins = [](Weighing w) {
    return w == Weighing::kUsual || w == Weighing::kUsualFirm || w == Weighing::kForbidAlso || w == Weighing::kAllBad;
  };
  for (const CompiledDayRule& r : rb_.dayRules) {
    if (r.kind != DayRuleKind::kLiftMinorJi || !(r.months >> f_.monthBranch & 1) || !usable_.Intersects(r.spirits))
      continue;
    for (int i = 0; i < count_; ++i) {
      Part& p = parts_[static_cast<size_t>(i)];
      if (firm.Has(p.spirit) || (rb_.major.Has(p.spirit) && jiWins(p.weighing))) continue;
      p.forbids &= ~r.activities;
      p.cancels &= ~r.activities;
    }
  }
}

void DayEvaluation::Decide() {
  ActivityMask forb = 0, canc = 0, yi = 0;
  for (int i = 0; i < count_; ++i) {
    forb |= parts_[static_cast<size_t>(i)].forbids;
    canc |= parts_[static_cast<size_t>(i)].cancels;
    yi |= parts_[static_cast<size_t>(i)].yi;
  }
  forbidden_ = forb;
  suitable_ = yi;
  ji_ = forb | (canc & ~yi);
  neither_ = ((canc & yi) | (spared_ & yi)) & ~ji_;
  yi_ = yi & ~ji_ & ~neither_;
}

// Its 宜 and 忌 cancel, and nothing else forbids it but the spirits the rule
// overlooks (嫁娶 still 忌 by 亥日, 厭對, 八專, 四忌 or 四窮 alone).
bool DayEvaluation::CancelledSource(int a, const CompiledLink& link) const {
  const ActivityMask bit = Bit(a);
  bool canc = false, yi = false;
  for (int i = 0; i < count_; ++i) {
    const Part& p = parts_[static_cast<size_t>(i)];
    if ((p.forbids & bit) && !link.overlook.Has(p.spirit)) return false;
    canc = canc || (p.cancels & bit);
    yi = yi || ((p.yi & bit) && !link.notBy.Has(p.spirit));
  }
  return canc && yi;
}

// 凡吉凶相抵不註忌A亦不註忌B: judged on the activities as decided so far;
// the spared kin are neither 宜 nor 忌 unless a firm spirit forbids them.
void DayEvaluation::CarryCancellation() {
  std::array<ActivityMask, 32> spare{};
  const size_t links = rb_.links.size() < spare.size() ? rb_.links.size() : spare.size();
  for (size_t k = 0; k < links; ++k) {
    const CompiledLink& link = rb_.links[k];
    bool any = false;
    ForEachActivity(link.sources & (neither_ | ji_),
                    [&](ActivityId a) { any = any || CancelledSource(static_cast<int>(a), link); });
    if (any) spare[k] = link.targets & ji_;
  }
  const SpiritSet firm = rb_.firm | dayFirm_;
  for (size_t k = 0; k < links; ++k) {
    if (!spare[k]) continue;
    for (int i = 0; i < count_; ++i) {
      Part& p = parts_[static_cast<size_t>(i)];
      if (firm.Has(p.spirit)) continue;
      if (rb_.links[k].keepSpecific && !(Forbids(p.spirit) & rb_.links[k].sources)) continue;
      p.forbids &= ~spare[k];
      p.cancels &= ~spare[k];
    }
    spared_ |= spare[k];
  }
  Decide();
}

ActivityMask DayEvaluation::WithheldYi() {
  ActivityMask noYi = 0;
  for (const CompiledDayRule& r : rb_.dayRules) {
    if (!RuleHolds(r)) continue;
    if (r.kind == DayRuleKind::kNoYiFor) noYi |= r.activities;
    if (r.kind == DayRuleKind::kNoYiExcept) {
      noYi |= kAllActivities & ~r.activities;
      yiLimited_ = true;
    }
    if (r.kind == DayRuleKind::kNoYiForForbiddenOf)
      r.names.ForEach([&](SpiritId s) { noYi |= rb_.spirits[static_cast<size_t>(s)].ji; });
    if (r.kind == DayRuleKind::kNoYiWhenJiBy) {
      const ActivityMask first = Bit(r.firstActivity);
      bool by = false;
      for (int i = 0; i < count_; ++i)
        by = by ||
             (r.spirits.Has(parts_[static_cast<size_t>(i)].spirit) && (parts_[static_cast<size_t>(i)].forbids & first));
      if ((ji_ & first) && by) noYi |= r.activities & ~first;
    }
  }
  return noYi;
}

void DayEvaluation::Run(DayLists& out) {
  PlaceSpirits();
  CollectParts();
  LiftMinorJi();
  Decide();
  CarryCancellation();
  if (allBad_) {
    ji_ = kAllActivities;
    yi_ = neither_ = 0;
  }
  if ((rb_.freeDays[static_cast<size_t>(f_.monthBranch)] >> f_.cycle) & 1) {
    // 諸事不忌: what was 忌 is noted 宜 where a spirit makes it so.
    allBad_ = restBad_ = false;
    yi_ |= suitable_ & ji_;
    ji_ = 0;
  }
  yi_ &= ~WithheldYi();
  // Sharing the verdict of their kin, they share what withholds it as well.
  for (const auto& [a, as] : rb_.sharedYi) {
    yi_ &= ~Bit(a);
    if ((yi_ >> as & 1) && !(ji_ >> a & 1)) yi_ |= Bit(a);
  }
  Write(out);
}

void DayEvaluation::Write(DayLists& out) const {
  out.valid = true;
  out.goodSpirits = active_ & rb_.good;
  out.badSpirits = active_ & rb_.bad;
  out.allBad = allBad_;
  out.allBadBecause = allBad_ ? allBadBecause_ : SpiritSet{};
  out.restBad = restBad_;
  out.yiLimited = yiLimited_ && !allBad_;
  out.yiCount = out.jiCount = 0;
  out.yiMask = yi_;
  out.jiMask = ji_;
  std::array<uint8_t, kActivityCount> yiSlot{}, jiSlot{};
  ForEachActivity(yi_, [&](ActivityId a) {
    yiSlot[static_cast<size_t>(a)] = static_cast<uint8_t>(out.yiCount);
    out.yi[static_cast<size_t>(out.yiCount++)] = {a, {}};
  });
  ForEachActivity(ji_, [&](ActivityId a) {
    jiSlot[static_cast<size_t>(a)] = static_cast<uint8_t>(out.jiCount);
    ActivityVerdict& v = out.ji[static_cast<size_t>(out.jiCount++)];
    v.activity = a;
    v.because = allBad_ ? allBadBecause_ : SpiritSet{};
  });
  const ActivityMask forb = forbidden_;
  const SpiritSet firm = rb_.firm | dayFirm_;
  out.firmJi = allBad_ ? ji_ : 0;
  out.majorJi = 0;
  for (int i = 0; i < count_; ++i) {
    const Part& p = parts_[static_cast<size_t>(i)];
    ForEachActivity(p.yi & yi_, [&](ActivityId a) { out.yi[yiSlot[static_cast<size_t>(a)]].because.Add(p.spirit); });
    const ActivityMask ji = (p.forbids | (p.cancels & ~forb)) & ji_;
    ForEachActivity(ji, [&](ActivityId a) { out.ji[jiSlot[static_cast<size_t>(a)]].because.Add(p.spirit); });
    if (firm.Has(p.spirit)) out.firmJi |= ji;
    if (rb_.major.Has(p.spirit)) out.majorJi |= ji;
  }
  for (const auto& [a, as] : rb_.sharedYi)
    if ((yi_ >> a & 1) && (yi_ >> as & 1))
      out.yi[yiSlot[static_cast<size_t>(a)]].because = out.yi[yiSlot[static_cast<size_t>(as)]].because;
}

}  // namespace

bool EvaluateDayLists(int year, int month, int day, DayLists& out) {
  DayFacts f;
  out.valid = false;
  if (!ComputeDayFacts(year, month, day, f)) return false;
  out.year = year;
  out.month = month;
  out.day = day;
  out.lunarYear = f.lunarYear;
  out.lunarMonth = f.lunarMonth;
  out.lunarDay = f.lunarDay;
  out.dayCycle = f.cycle;
  out.monthBranch = f.monthBranch;
  out.officer = f.officer;
  out.dayGod = ((f.branch - (2 * f.monthBranch - 4)) % 12 + 24) % 12;
  out.yellowPath = IsYellowPathGod(out.dayGod);
  DayEvaluation(Rules(), f).Run(out);
  return true;
}

DayLists EvaluateDayLists(int year, int month, int day) {
  DayLists out;
  EvaluateDayLists(year, month, day, out);
  return out;
}

int SpiritCount() { return static_cast<int>(Rules().spirits.size()); }

std::u16string_view SpiritName(SpiritId id) { return Rules().spirits[static_cast<size_t>(id)].row->name; }
SpiritKind SpiritKindOf(SpiritId id) { return Rules().spirits[static_cast<size_t>(id)].row->kind; }
std::u16string_view SpiritCitation(SpiritId id) { return Rules().spirits[static_cast<size_t>(id)].row->cite; }

std::optional<SpiritId> SpiritByName(std::u16string_view name) {
  const RuleBook& rb = Rules();
  for (size_t i = 0; i < rb.spirits.size(); ++i)
    if (rb.spirits[i].row->name == name) return static_cast<SpiritId>(i);
  return std::nullopt;
}

SpiritId OfficerSpirit(int officer) {
  return static_cast<SpiritId>(Rules().officerSpirit[static_cast<size_t>(officer)]);
}

std::u16string_view ActivityName(ActivityId id) { return kActivityRows[static_cast<size_t>(id)].name; }

std::u16string_view ActivityCitation(ActivityId id) { return kActivityRows[static_cast<size_t>(id)].cite; }

std::optional<ActivityId> ActivityByName(std::u16string_view name) {
  for (size_t i = 0; i < kActivityRows.size(); ++i)
    if (kActivityRows[i].name == name) return static_cast<ActivityId>(i);
  return std::nullopt;
}

}  // namespace lunisol
