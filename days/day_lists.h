// What a day is good for: the day's spirits (神煞) and the activities it
// suits (宜) or should avoid (忌), each with the spirits that decided it, by
// the rules of 《欽定協紀辨方書》 (1741). A view places the record with the
// name tables below; it never parses a text.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "days/data/tables.h"
#include "days/spirit_set.h"

namespace lunisol {

inline constexpr std::u16string_view kDayRuleSetName = u"欽定協紀辨方書";

struct ActivityVerdict {
  ActivityId activity{};
  SpiritSet because;  // the spirits (and the day's 建除 officer row) that decided it
};

struct DayLists {
  bool valid = false;  // false outside 1900-01-01 … 2100-12-31
  int year = 0, month = 0, day = 0;
  int lunarYear = 0, lunarMonth = 0, lunarDay = 0;  // lunarMonth < 0 in a leap month
  int dayCycle = 0;                                 // 0 = 甲子
  int monthBranch = 0;                              // of the section-term month, 0 = 子
  int officer = 0;                                  // 0 = 建 … 11 = 閉 (kOfficerNames)
  int dayGod = 0;                                   // 0 = 青龍 … 11 = 勾陳 (kDayGodNames)
  bool yellowPath = false;                          // 黃道 (else 黑道)
  SpiritSet goodSpirits;                            // 吉神 of the day, in table order
  SpiritSet badSpirits;                             // 凶煞 of the day
  std::array<ActivityVerdict, kActivityCount> yi{};
  int yiCount = 0;
  std::array<ActivityVerdict, kActivityCount> ji{};
  int jiCount = 0;
  // The same as sets: bit a is activity a. The lists hold their items in
  // activity order, so item i of yi is the i-th set bit of yiMask.
  ActivityMask yiMask = 0, jiMask = 0;
  // The 忌 a spirit holds firm against the 德 (猶忌; all of them on a 諸事不宜
  // day), and those a spirit 卷十 weighs month by month forbids.
  ActivityMask firmJi = 0, majorJi = 0;
  bool allBad = false;  // 諸事不宜: every activity is under ji
  SpiritSet allBadBecause;
  bool restBad = false;  // 餘事勿取: every activity not under yi is under ji
  // 止註: a rule of the day lets only a few activities be noted 宜 (月忌日,
  // 晦日, 無祿), whatever the day's spirits would make 宜.
  bool yiLimited = false;
};

// Pure: the same date gives the same record, on any thread.
DayLists EvaluateDayLists(int year, int month, int day);
// The same into a record the caller keeps (a long run of days need not clear
// one each time); false, with out.valid false, for a date out of range. The
// yi and ji entries past their counts are left as they were.
bool EvaluateDayLists(int year, int month, int day, DayLists& out);

// Name tables.
int SpiritCount();
std::u16string_view SpiritName(SpiritId id);
SpiritKind SpiritKindOf(SpiritId id);
std::u16string_view SpiritCitation(SpiritId id);
std::optional<SpiritId> SpiritByName(std::u16string_view name);
// The spirit row of an officer (建日 … 閉日), for reasons given by the officer.
SpiritId OfficerSpirit(int officer);

std::u16string_view ActivityName(ActivityId id);
std::u16string_view ActivityCitation(ActivityId id);
// By the book's name (the almanac's words are AlmanacWordByName's).
std::optional<ActivityId> ActivityByName(std::u16string_view name);

// 青龍 明堂 天刑 朱雀 金匱 寶光 白虎 玉堂 天牢 玄武 司命 勾陳 (卷七 3b).
extern const std::array<std::u16string_view, 12> kDayGodNames;
bool IsYellowPathGod(int god);

}  // namespace lunisol
