// The calendar's facts as types, shared by every layer: the ten stems, the
// twelve branches and the sixty pillars they make, the five elements, the 24
// solar terms, the 28 lunar mansions, a lunar date with its leap flag, a
// Gregorian date with its day number, a clock time and a moon phase at its
// minute. Nothing here is text: calendar/names.h names these values, and a
// text is made only where a record is shown.
#pragma once

#include <compare>
#include <cstdint>

namespace lunisol {

namespace vocabulary_detail {
constexpr int Mod(int a, int n) { return ((a % n) + n) % n; }
}  // namespace vocabulary_detail

// 甲 乙 丙 丁 戊 己 庚 辛 壬 癸
enum class Stem : uint8_t { kJia, kYi, kBing, kDing, kWu, kJi, kGeng, kXin, kRen, kGui };
// 子 丑 寅 卯 辰 巳 午 未 申 酉 戌 亥
enum class Branch : uint8_t { kZi, kChou, kYin, kMao, kChen, kSi, kWu, kWei, kShen, kYou, kXu, kHai };
// 木 火 土 金 水, in the order in which each produces the next.
enum class Element : uint8_t { kWood, kFire, kEarth, kMetal, kWater };
// In the order of the Gregorian year, term t beginning in month t / 2 + 1.
enum class SolarTerm : uint8_t {
  kMinorCold,           // 小寒
  kMajorCold,           // 大寒
  kStartOfSpring,       // 立春
  kRainWater,           // 雨水
  kAwakeningOfInsects,  // 驚蟄
  kSpringEquinox,       // 春分
  kClearAndBright,      // 清明
  kGrainRain,           // 穀雨
  kStartOfSummer,       // 立夏
  kGrainBuds,           // 小滿
  kGrainInEar,          // 芒種
  kSummerSolstice,      // 夏至
  kMinorHeat,           // 小暑
  kMajorHeat,           // 大暑
  kStartOfAutumn,       // 立秋
  kEndOfHeat,           // 處暑
  kWhiteDew,            // 白露
  kAutumnEquinox,       // 秋分
  kColdDew,             // 寒露
  kFrostsDescent,       // 霜降
  kStartOfWinter,       // 立冬
  kMinorSnow,           // 小雪
  kMajorSnow,           // 大雪
  kWinterSolstice,      // 冬至
};
// The 28 lunar mansions in their order.
enum class Mansion : uint8_t {
  kHorn,             // 角
  kNeck,             // 亢
  kRoot,             // 氐
  kRoom,             // 房
  kHeart,            // 心
  kTail,             // 尾
  kWinnowingBasket,  // 箕
  kDipper,           // 斗
  kOx,               // 牛
  kGirl,             // 女
  kEmptiness,        // 虛
  kRooftop,          // 危
  kEncampment,       // 室
  kWall,             // 壁
  kLegs,             // 奎
  kBond,             // 婁
  kStomach,          // 胃
  kHairyHead,        // 昴
  kNet,              // 畢
  kTurtleBeak,       // 觜
  kThreeStars,       // 參
  kWell,             // 井
  kGhost,            // 鬼
  kWillow,           // 柳
  kStar,             // 星
  kExtendedNet,      // 張
  kWings,            // 翼
  kChariot,          // 軫
};
// The almanac's order of the phases: 望, 下弦, 朔, 上弦.
enum class MoonPhase : uint8_t { kFull, kLastQuarter, kNew, kFirstQuarter };

constexpr int Index(Stem s) { return static_cast<int>(s); }
constexpr int Index(Branch b) { return static_cast<int>(b); }
constexpr int Index(Element e) { return static_cast<int>(e); }
constexpr int Index(SolarTerm t) { return static_cast<int>(t); }
constexpr int Index(Mansion m) { return static_cast<int>(m); }
constexpr int Index(MoonPhase p) { return static_cast<int>(p); }

// Counting round the cycle: any integer names one of the ten, twelve, ….
constexpr Stem StemAt(int i) { return static_cast<Stem>(vocabulary_detail::Mod(i, 10)); }
constexpr Branch BranchAt(int i) { return static_cast<Branch>(vocabulary_detail::Mod(i, 12)); }
constexpr SolarTerm TermAt(int i) { return static_cast<SolarTerm>(vocabulary_detail::Mod(i, 24)); }
constexpr Mansion MansionAt(int i) { return static_cast<Mansion>(vocabulary_detail::Mod(i, 28)); }
constexpr MoonPhase PhaseAt(int i) { return static_cast<MoonPhase>(vocabulary_detail::Mod(i, 4)); }

constexpr Stem operator+(Stem s, int n) { return StemAt(Index(s) + n); }
constexpr Branch operator+(Branch b, int n) { return BranchAt(Index(b) + n); }
constexpr SolarTerm operator+(SolarTerm t, int n) { return TermAt(Index(t) + n); }

constexpr bool IsYang(Stem s) { return Index(s) % 2 == 0; }
constexpr Element ElementOf(Stem s) { return static_cast<Element>(Index(s) / 2); }
// 寅卯 wood, 巳午 fire, 申酉 metal, 亥子 water, 辰戌丑未 earth.
constexpr Element ElementOf(Branch b) {
  constexpr Element kByBranch[12] = {Element::kWater, Element::kEarth, Element::kWood,  Element::kWood,
                                     Element::kEarth, Element::kFire,  Element::kFire,  Element::kEarth,
                                     Element::kMetal, Element::kMetal, Element::kEarth, Element::kWater};
  return kByBranch[Index(b)];
}
// The branch six places on, which clashes with it (子午, 丑未, …).
constexpr Branch Opposite(Branch b) { return b + 6; }
// The month (1..12) in which a term begins, and whether it opens its month
// (a section term, 節) or falls in its middle (a mid-month term, 中氣).
constexpr int GregorianMonthOf(SolarTerm t) { return Index(t) / 2 + 1; }
constexpr bool IsSectionTerm(SolarTerm t) { return Index(t) % 2 == 0; }

// One of the sixty pillars (甲子 = 0 … 癸亥 = 59): a stem and a branch of
// the same parity.
class Pillar {
 public:
  constexpr Pillar() = default;
  constexpr explicit Pillar(int cycleIndex) : index_(static_cast<uint8_t>(vocabulary_detail::Mod(cycleIndex, 60))) {}
  // Only a stem and a branch that are both yang or both yin make a pillar;
  // callers holding any other pair ask Pairs first.
  constexpr Pillar(Stem s, Branch b) : Pillar(6 * Index(s) - 5 * Index(b)) {}

  constexpr int index() const { return index_; }
  constexpr Stem stem() const { return StemAt(index_); }
  constexpr Branch branch() const { return BranchAt(index_); }
  constexpr Pillar operator+(int n) const { return Pillar(index_ + n); }
  friend constexpr bool operator==(Pillar, Pillar) = default;

 private:
  uint8_t index_ = 0;
};

constexpr bool Pairs(Stem s, Branch b) { return Index(s) % 2 == Index(b) % 2; }
// The Na Yin (納音) of a pillar: the sixty fall into thirty pairs (甲子乙丑
// 海中金, 丙寅丁卯 爐中火, …), each with its element.
constexpr int NayinIndex(Pillar p) { return p.index() / 2; }
constexpr Element NayinElement(Pillar p) {
  using enum Element;
  constexpr Element kByPair[30] = {kMetal, kFire,  kWood,  kEarth, kMetal, kFire,  kWater, kEarth, kMetal, kWood,
                                   kWater, kEarth, kFire,  kWood,  kWater, kMetal, kFire,  kWood,  kEarth, kMetal,
                                   kFire,  kWater, kEarth, kMetal, kWood,  kWater, kEarth, kFire,  kWood,  kWater};
  return kByPair[NayinIndex(p)];
}
// The pillar of a lunar year numbered by the Gregorian year of its new year
// (1864 was 甲子).
constexpr Pillar YearPillar(int lunarYear) { return Pillar(lunarYear - 1864); }

// A date of the lunar calendar. The leap month repeats the month before it
// and carries its number: month 4 with leap set is 閏四月.
struct LunarDate {
  int year = 0;  // numbered by the Gregorian year of its new year
  int month = 0;
  bool leap = false;
  int day = 0;
  friend constexpr bool operator==(const LunarDate&, const LunarDate&) = default;
};
// The month as the command line's JSON and the older day records write it:
// −n for the leap month after month n.
constexpr int SignedMonth(const LunarDate& d) { return d.leap ? -d.month : d.month; }
constexpr LunarDate LunarDateFromSigned(int year, int signedMonth, int day) {
  return {year, signedMonth < 0 ? -signedMonth : signedMonth, signedMonth < 0, day};
}

struct GregorianDate {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  friend constexpr auto operator<=>(const GregorianDate&, const GregorianDate&) = default;
};

// The one day count of the program: days from 1 January 1970 (day 0) in the
// proleptic Gregorian calendar, negative before it.
constexpr int CivilDayNumber(int year, int month, int day) {
  const int y = year - (month <= 2 ? 1 : 0);
  const int era = (y >= 0 ? y : y - 399) / 400;
  const int yoe = y - era * 400;
  const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}
constexpr int CivilDayNumber(const GregorianDate& d) { return CivilDayNumber(d.year, d.month, d.day); }
// The date of a day number.
constexpr GregorianDate CivilDate(int dayNumber) {
  const int z = dayNumber + 719468;
  const int era = (z >= 0 ? z : z - 146096) / 146097;
  const int doe = z - era * 146097;
  const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int mp = (5 * doy + 2) / 153;
  const int month = mp < 10 ? mp + 3 : mp - 9;
  return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, doy - (153 * mp + 2) / 5 + 1};
}

// A time of day on the almanac's clock (UTC+8), to the minute.
struct ClockTime {
  int hour = 0;
  int minute = 0;
  friend constexpr bool operator==(const ClockTime&, const ClockTime&) = default;
};

// A moon phase at its minute, in a Gregorian month (UTC+8).
struct MoonPhaseEvent {
  MoonPhase phase = MoonPhase::kFull;
  int month = 0;
  int day = 0;
  ClockTime time;
  friend constexpr bool operator==(const MoonPhaseEvent&, const MoonPhaseEvent&) = default;
};

}  // namespace lunisol
