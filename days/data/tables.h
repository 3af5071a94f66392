// The rule tables of the day spirits and the 宜/忌 lists, as the Qing court's
// rule book 《欽定協紀辨方書》 (1741) lays them down. Every row names its source
// as 卷 and leaf ("卷五 4b"). The rows hold the book's own characters (spirit
// names, stems, branches, pillars, activity names) as text; days/rule_book.cpp
// reads them once into bit masks, so a row reads like the book and a misspelt
// name is caught by the table tests.
//
// Months are the months of the section terms (節): 正月 begins on 立春 and is
// the 寅 month, 二月 the 卯 month, … 十二月 the 丑 month.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace lunisol {

enum class SpiritKind : uint8_t {
  kGood,        // 吉神
  kBad,         // 凶煞
  kOfficerDay,  // one of the twelve 建除 days, named as the activity lists name it (建日 … 閉日)
};

// How a spirit is placed on the days. `where` holds the parameters in the
// book's characters; "entries" are separated by blanks and are read as stems,
// branches or pillars (a stem followed by a branch), "-" for none.
enum class Placement : uint8_t {
  kOfficer,          // where: officer characters (建 … 閉); the spirit falls on those officers
  kOfficerInMonths,  // where: officer character, then the months' branches (天狗: "滿申")
  kYangYinOfficer,   // where: the officer in months of a yang branch, then in months of a yin branch
  kWalk,             // where: branch of 正月; step: branches moved on each month (+ forward, − back)
  kPaired,           // where: branch of 正月; odd months follow the even ones six branches on (要安 …)
  kMonthly,          // where: twelve entries, 正月 … 十二月
  kSeasonal,         // where: four entries, spring, summer, autumn, winter
  kTriad,            // where: four entries, months of 寅午戌, 亥卯未, 申子辰, 巳酉丑
  kEveryMonth,       // where: one entry that holds in every month
  kUnhindered,       // where: twelve entries of stems; branches: the five after 月厭 (不將)
  kDayGod,           // step: place of the god in the order 青龍 … 勾陳
  kMotherGranary,    // where: four seasonal entries, then the entry after 土王用事 begins
  kTermEve,          // where: term names; the day before each term's day
  kTermDay,          // where: term names; the term's own day
  kAfterSection,     // where: section term name and day count pairs ("立春7"), the term day counted as day 1
  kEarthKing,        // where: the sun's longitudes in degrees at which 土王用事 begins
  kLunarDays,        // where: lunar days of every month
  kLunarMonthDays,   // where: twelve entries of lunar days ("2,5"), lunar months 1 … 12
  kLastLunarDay,     // the last day of a lunar month
  kNewMoonBranch,    // where: lunar day by branch of the month's first day, 子 … 亥
  kYearStem,         // where: ten pillars, for years of stem 甲 … 癸
  kMoonPhase,        // the days of 朔, 上弦, 望 and 下弦
  kDogAltar,         // where: term name, stem, ordinal ("夏至庚3"): the n-th such day from the term day on
  kTabooDays,        // the stems and branches of the 百忌日 table
  kBodySpirit,       // the lunar days of the 人神所在日 table
};

struct DaySpiritRow {
  std::u16string_view name;
  SpiritKind kind;
  Placement placement;
  std::u16string_view where;
  int step;
  std::u16string_view cite;
};
extern const std::span<const DaySpiritRow> kDaySpiritRows;

// 通書選擇六十事, with the spirits that make the activity suitable (宜) and
// those that forbid it (忌).
struct ActivityRow {
  std::u16string_view name;
  std::u16string_view yi;  // spirit names, blank separated
  std::u16string_view ji;
  std::u16string_view cite;
};
extern const std::span<const ActivityRow> kActivityRows;

// 宜 that needs a second spirit or a season: any of `sources`, together with
// any of `with` (when not empty), from the day of term `from` up to the day
// before term `until` (both empty: all year).
struct ConditionalYiRow {
  std::u16string_view activity;
  std::u16string_view sources;
  std::u16string_view with;
  std::u16string_view from;
  std::u16string_view until;
  std::u16string_view cite;
};
extern const std::span<const ConditionalYiRow> kConditionalYiRows;

// How strongly a bad spirit holds its 忌 against the good spirits of the day.
enum class Hold : uint8_t {
  kMinor,  // the 鋪註條例's 德合赦願月恩四相時德 days lift its 忌 of trade and household matters
  kMajor,  // weighed month by month in 卷十; where no row lifts it, 忌 wins over 宜
  kFirm,   // 與德合赦願併猶忌: no good spirit lifts it
};
struct SpiritHoldRow {
  std::u16string_view spirit;
  Hold hold;
  std::u16string_view follows;  // a second name of the same place: weighed as that spirit is
  std::u16string_view cite;
};
extern const std::span<const SpiritHoldRow> kSpiritHoldRows;

// 卷十's weighing of a bad spirit against the day's good spirits.
enum class Weighing : uint8_t {
  kUsual,       // 如常例: the spirit forbids all it forbids, and 忌 wins over 宜
  kUsualFirm,   // as kUsual, and nothing lifts it (猶忌, 尤忌)
  kOnlyForbid,  // 止忌 `only`, 餘皆不忌
  kForbidAlso,  // forbids all it forbids and `only` besides (仍忌)
  kCancel,      // 凡所忌者則不註宜，所宜者亦不註忌: where 宜 meets its 忌, neither is noted
  kDrop,        // 則不忌: the spirit forbids nothing
  kAllBad,      // 諸事皆忌
  kDefer,       // 從…論: another spirit of the day, named in `with`, decides
};
// The first row of a spirit whose months hold, whose `with` spirits are all
// on the day and (when `need` is not empty) one of whose `need` spirits is,
// decides; no row: kUsual.
struct WeighRow {
  std::u16string_view spirit;
  std::u16string_view months;  // branches of the months; empty: every month
  std::u16string_view with;
  std::u16string_view need;
  Weighing weighing;
  std::u16string_view only;  // activities, for kOnlyForbid and kForbidAlso
  std::u16string_view cite;
};
extern const std::span<const WeighRow> kWeighRows;

// What the 鋪註條例 (and 卷十 for the days that change from year to year) do
// beyond the weighing of single spirits.
enum class DayRuleKind : uint8_t {
  kForbidAlso,          // the spirit also forbids `names` (activities), beyond the 卷十一 lists
  kRestBadExcept,       // every activity but `names` is 忌 (餘事皆忌)
  kNoYiExcept,          // only `names` may be noted 宜 (餘事不註)
  kNoYiFor,             // `names` are not noted 宜
  kNoYiForForbiddenOf,  // what the spirit `names` forbids is not noted 宜
  kIgnoreGood,          // the good spirits `names` count for nothing on the day
  kNoYiWhenJiBy,        // when `names`' first activity is 忌 by the spirit, the others are not noted 宜
  kLiftMinorJi,         // minor spirits do not make `names` 忌 (a firm or major one still does)
};
// The rule holds on a day that has one of `spirits`, in one of `months`.
struct DayRuleRow {
  std::u16string_view spirits;
  std::u16string_view months;  // branches of the months; empty: every month
  DayRuleKind kind;
  std::u16string_view names;
  std::u16string_view cite;
};
extern const std::span<const DayRuleRow> kDayRuleRows;

// 吉凶相抵 carried over: when one of `sources` is neither noted 宜 nor 忌
// because its 宜 and 忌 cancel, the `targets` are not noted 忌 either, unless
// a firm spirit forbids them (or, with keepSpecific, a spirit that forbids
// the target but none of the sources).
struct CancelLinkRow {
  std::u16string_view sources;
  std::u16string_view targets;
  std::u16string_view notBy;     // a source made neither only by these 宜 spirits does not count
  std::u16string_view overlook;  // forbidders of a source left out when judging it
  bool keepSpecific;
  std::u16string_view cite;
};
extern const std::span<const CancelLinkRow> kCancelLinkRows;

// Activities without 宜 days of their own that are noted 宜 when `as` is
// (卷十一 26a: 療目 and 針刺 go with 療病, 鼓鑄 and 苫蓋 with 修造), unless
// they are 忌 themselves.
struct SharedYiRow {
  std::u16string_view activity;
  std::u16string_view as;
  std::u16string_view cite;
};
extern const std::span<const SharedYiRow> kSharedYiRows;

// Days on which nothing is forbidden (德合與赦願所會之辰): month branch and pillar.
struct FreeDayRow {
  std::u16string_view month;
  std::u16string_view pillar;
  std::u16string_view cite;
};
extern const std::span<const FreeDayRow> kFreeDayRows;

// When a spirit placed on a day does not count there (不以…論): on the
// `pillars` of the spirit, in the circumstance `kind` and `when` describe.
enum class ReliefKind : uint8_t {
  kWithSpirits,        // when: spirit names; one of them is on the day
  kYearOrMonthBranch,  // when: a branch; the year (from 立春) or the month has it
  kSunAfterTerm,       // when: a 中氣; from its day up to the day before the next 中氣
  kYearStemsInMonths,  // when: year stems, a blank, month branches
  kYearAndMonthStem,   // when: a stem; the year (from 立春) and the month both have it
};
struct SpiritReliefRow {
  std::u16string_view spirit;
  std::u16string_view pillars;
  ReliefKind kind;
  std::u16string_view when;
  std::u16string_view cite;
};
extern const std::span<const SpiritReliefRow> kSpiritReliefRows;

// The extra 宜 of a spirit on days of some branches: on a day of one of
// `branches` the spirit makes 宜 what `as` makes 宜 as well.
struct SpiritYiShareRow {
  std::u16string_view spirit;
  std::u16string_view branches;
  std::u16string_view as;
  std::u16string_view cite;
};
extern const std::span<const SpiritYiShareRow> kSpiritYiShareRows;

// 百忌日: what a day of the stem or branch `day` forbids.
struct TabooDayRow {
  std::u16string_view day;
  std::u16string_view activity;
  std::u16string_view cite;
};
extern const std::span<const TabooDayRow> kTabooDayRows;

// 人神所在日: the part of the body the spirit stays in on a lunar day and the
// activity that must spare it.
struct BodySpiritRow {
  int lunarDay;
  std::u16string_view activity;
  std::u16string_view cite;
};
extern const std::span<const BodySpiritRow> kBodySpiritRows;

}  // namespace lunisol
