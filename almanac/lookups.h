// Per-day lookups behind the cells of a day column: names, officer, month
// pillar, clash, 歲煞, the gods' directions and the colour rules.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "almanac/colour.h"
#include "calendar/vocabulary.h"

namespace lunisol {

// The twelve officers (建除十二神) in their order.
enum class Officer : uint8_t {
  kEstablish,  // 建
  kRemove,     // 除
  kFull,       // 滿
  kBalance,    // 平
  kSettle,     // 定
  kHold,       // 執
  kBreak,      // 破
  kDanger,     // 危
  kSuccess,    // 成
  kReceive,    // 收
  kOpen,       // 開
  kClose,      // 閉
};
constexpr Officer OfficerAt(int i) { return static_cast<Officer>(((i % 12) + 12) % 12); }

// The eight directions in which the gods of the day are found.
enum class Direction : uint8_t { kNorth, kNorthEast, kEast, kSouthEast, kSouth, kSouthWest, kWest, kNorthWest };

extern const std::array<std::u16string_view, 12> kOfficerNames;
// Index = lunar day 1..30 (slot 0 empty); written right to left ("一初").
extern const std::array<std::u16string_view, 31> kLunarDayNames;
extern const std::array<std::u16string_view, 7> kWeekdayNames;

std::u16string_view Name(Officer officer);
// "正北", "東北", "正東", …
std::u16string_view Name(Direction direction);

// The pillar of lunar month 1..12 in a lunar year of the given pillar.
Pillar MonthPillar(Pillar year, int month);
// Officer (建除) of the Gregorian date.
Officer DayOfficer(int year, int month, int day);
Colour OfficerColour(Officer officer);

// A stem, a pillar's Na Yin, anything of an element: the element's colour.
Colour ElementColour(Element element);
Colour StemColour(Stem stem);
Colour BranchColour(Branch branch);
Colour DirectionColour(Direction direction);
// By mansion mod 7; 4..6 follow the lunar day cell's colour.
Colour MansionColour(Mansion mansion, Colour lunarDayColour);
Colour LunarDayColour(int lunarDay);

struct ColouredText {
  std::u16string text;
  Colour colour;
};
// "沖%s%2d": the animal the day clashes with and the age, in a lunar year of
// the given pillar, of those born in the year of the clashing pillar.
ColouredText ClashText(Pillar day, Pillar lunarYear);
ColouredText YearShaText(Branch dayBranch);
// 月煞 direction of a month pillar.
std::u16string_view MonthShaDirection(Pillar month);

// The gods of joy and of wealth go by the day stem.
Direction JoyGodDirection(Stem dayStem);
Direction WealthGodDirection(Stem dayStem);

// Where the fetus god (胎神) stays on a day: a place in the house, and the
// direction outside it or, on some days, inside the room.
struct FetusGod {
  std::u16string_view place;  // "占門碓", …
  Direction direction;
  bool inRoom;  // "房內北" rather than "外正北"
};
FetusGod FetusGodOf(Pillar day);
// "外東南", "房內北": the direction as the day column writes it.
std::u16string FetusGodDirectionName(const FetusGod& god);

// The day's four lucky hours, two pairs in hour order ("卯辰", "未申").
struct LuckyHours {
  std::array<Branch, 4> hours;
};
LuckyHours LuckyHoursOf(Pillar day);

}  // namespace lunisol
