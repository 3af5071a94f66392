// The rule tables of days/data read once into masks: which spirits fall on
// each pillar of each month, what each spirit makes 宜 or 忌, and the weighing
// and 鋪註 rules with names resolved to ids. Built on first use and never
// changed afterwards, so any number of threads may evaluate days at once.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "days/data/tables.h"
#include "days/spirit_set.h"

namespace lunisol {

// 60 bits: bit c is the pillar of cycle index c (0 = 甲子).
using PillarMask = uint64_t;
// 12 bits: bit b is the month of branch b (0 = 子).
using MonthMask = uint16_t;

struct SpiritInfo {
  const DaySpiritRow* row = nullptr;
  ActivityMask yi = 0;  // activities whose 宜 list names the spirit
  ActivityMask ji = 0;  // activities whose 忌 list names it, and what the 鋪註 rules add
  Hold hold = Hold::kMinor;
  int follows = -1;  // weighed as this spirit, when that spirit is on the day
};

struct CompiledWeighRow {
  MonthMask months = 0;
  SpiritSet with;
  SpiritSet need;
  Weighing weighing = Weighing::kUsual;
  ActivityMask only = 0;
};

struct CompiledDayRule {
  SpiritSet spirits;
  MonthMask months = 0;
  DayRuleKind kind = DayRuleKind::kNoYiFor;
  ActivityMask activities = 0;
  int firstActivity = -1;  // the first activity named, for kNoYiWhenJiBy
  SpiritSet names;         // for kIgnoreGood, kNoYiForForbiddenOf
};

struct CompiledLink {
  ActivityMask sources = 0;
  ActivityMask targets = 0;
  SpiritSet notBy;
  SpiritSet overlook;
  bool keepSpecific = false;
};

struct CompiledConditionalYi {
  int activity = 0;
  SpiritSet sources;
  SpiritSet with;
  int fromTerm = -1;  // term index 0..23 (0 = 小寒), −1: all year
  int untilTerm = -1;
};

// A circumstance in which a spirit placed on a day does not count there.
struct CompiledRelief {
  int spirit = 0;
  PillarMask pillars = 0;
  ReliefKind kind = ReliefKind::kWithSpirits;
  SpiritSet with;      // kWithSpirits
  int branch = -1;     // kYearOrMonthBranch
  int term = -1;       // kSunAfterTerm: the 中氣 (0 = 小寒)
  uint16_t stems = 0;  // kYearStemsInMonths (bit s = stem s), kYearAndMonthStem
  MonthMask months = 0;
};

struct CompiledYiShare {
  int spirit = 0;
  uint16_t branches = 0;  // bit b = day branch b
  int as = 0;
};

// Parameters of the spirits placed by the calendar rather than by month and
// pillar, indexed by spirit id where they apply.
struct DynamicPlacement {
  int spirit = 0;
  Placement placement = Placement::kTermDay;
  std::vector<int> terms;                // kTermEve, kTermDay
  std::array<int, 24> afterSection{};    // kAfterSection: day count by term index (0 = none)
  std::vector<int> degrees;              // kEarthKing
  uint32_t lunarDays = 0;                // kLunarDays: bit d = lunar day d
  std::array<uint32_t, 12> monthDays{};  // kLunarMonthDays: by lunar month 1..12
  std::array<int, 12> newMoonDay{};      // kNewMoonBranch: by branch of the month's first day
  std::array<int, 10> yearPillar{};      // kYearStem: cycle index by year stem
  struct Count {
    int term;
    int stem;
    int ordinal;
  };
  std::vector<Count> counts;             // kDogAltar
  std::array<PillarMask, 4> seasonal{};  // kMotherGranary: by season
  PillarMask earthKingPillars = 0;       // kMotherGranary: once 土王用事 has begun
};

struct RuleBook {
  std::vector<SpiritInfo> spirits;
  SpiritSet good, bad, officers, firm, major;
  std::array<int, 12> officerSpirit{};  // spirit id of 建日 … 閉日
  std::array<int, 12> dayGodSpirit{};   // spirit id of 青龍 … 勾陳
  int earthKingSpirit = -1;
  std::array<int, 12> earthKingDegrees{};  // by month branch: where 土王用事 begins, 0 for none
  SpiritSet weighed;  // spirits that forbid, make 宜 or have rows: the ones a day's verdicts involve
  // Spirits placed by month and pillar: [month branch][cycle index].
  std::array<std::array<SpiritSet, 60>, 12> byMonthPillar{};
  std::vector<DynamicPlacement> dynamic;
  std::vector<std::vector<CompiledWeighRow>> weighRows;  // by spirit id
  std::vector<CompiledDayRule> dayRules;
  std::vector<CompiledLink> links;
  std::vector<CompiledConditionalYi> conditionalYi;
  std::vector<std::pair<int, int>> sharedYi;  // (activity, the activity whose 宜 it shares)
  std::vector<CompiledRelief> reliefs;
  std::vector<CompiledYiShare> yiShares;
  std::array<PillarMask, 12> freeDays{};  // by month branch
  std::array<ActivityMask, 10> tabooByStem{};
  std::array<ActivityMask, 12> tabooByBranch{};
  std::array<ActivityMask, 31> bodySpiritByLunarDay{};
  int tabooSpirit = -1;
  int bodySpirit = -1;
  std::array<SpiritSet, kActivityCount> yiBy{};  // spirits naming the activity under 宜
  std::array<SpiritSet, kActivityCount> jiBy{};
  // Names the tables use that are not in the spirit or activity table, or
  // rows that cannot be read; empty when the tables are sound.
  std::vector<std::u16string> errors;
};

const RuleBook& Rules();

// Reading helpers shared with the tests.
int StemOf(char16_t c);                // 0..9, or −1
int BranchOf(char16_t c);              // 0..11, or −1
int CycleIndex(int stem, int branch);  // −1 for a stem and branch of unlike parity
// One entry of the tables' syntax (stems, branches or pillars; "-" none).
PillarMask PillarsOfEntry(std::u16string_view entry);
// The month branches of a months field (empty: all twelve).
MonthMask MonthsOf(std::u16string_view branches);

}  // namespace lunisol
