// Where everything of the day sheet (日課) sits, in pixels of its client
// area. The sheet reads top to bottom in five bands: the date, the day's
// spirits (with the folk marks), the 宜 list, the 忌 list and the foot with
// 沖煞, 彭祖百忌 and the rule set's line. The almanac's lists and the book's
// full lists are two views of the same bands. The two list bands grow with their lists, so the sheet is
// as tall as its day needs; every other place is a row of kDaySheetPlaces,
// set from the top of its band. Five items to a row keep the tallest day
// (sixty items, thirteen rows) within a 768-pixel screen.
#pragma once

#include <array>

#include "layout/rect.h"

namespace lunisol {

enum class DayBand { kHead, kSpirits, kYi, kJi, kFoot };
inline constexpr int kDayBandCount = 5;

// The fixed places of the sheet, in the order the sheet creates them.
enum class DayPlace {
  kGregorianLine,  // 國曆 date and weekday
  kLunarLine,      // 農曆 date and the day's pillar
  kGodLabel,       // 值神
  kGod,
  kOfficerLabel,  // 建除
  kOfficer,
  kMarksLabel,  // 凶日, on the almanac's view of a day that has folk marks
  kMarks,       // the folk day marks (楊公忌 …)
  kGoodLabel,   // 吉神, beside its slots
  kBadLabel,    // 凶煞
  kYiLabel,     // 宜, large
  kJiLabel,     // 忌, large
  kClashLabel,
  kClash,
  kTabooLabel,  // 彭祖百忌
  kTaboo,
  kRuleSet,  // 依《…》鋪註
};
inline constexpr int kDayPlaceCount = 17;

// Fonts of the sheet, by their cell height (the line pitch) in pixels.
enum class DayFont { kText, kTitle, kLunarTitle, kLarge, kSmall };
inline constexpr std::array<int, 5> kDayFontCells{18, 28, 22, 36, 15};

struct DayPlaceRow {
  DayPlace place;
  DayBand band;
  Rect rect;  // top and bottom from the band's top
  DayFont font;
  bool centred;
};
// One row per place, in DayPlace order.
extern const std::array<DayPlaceRow, kDayPlaceCount> kDaySheetPlaces;

// The sheet's width, the label column at its left and the ruled area.
inline constexpr int kDaySheetWidth = 880;
inline constexpr Rect kDayLabelColumn{10, 0, 62, 0};  // x only; a band gives the height
inline constexpr int kDayRuleLeft = 10, kDayRuleRight = 870;

// The spirit names: up to two rows of ten slots beside each label.
inline constexpr int kSpiritSlots = 20;
inline constexpr int kSpiritSlotsPerRow = 10;
// An item of the lists: the activity, then the spirits that decided it.
inline constexpr int kItemsPerRow = 5;
inline constexpr int kMaxListItems = 60;  // an activity is either 宜 or 忌, never both

// The bands of one day's sheet: where each begins and the sheet's height.
struct DaySheetBands {
  std::array<int, kDayBandCount> top{};
  int height = 0;                 // of the whole sheet
  int goodRows = 2, badRows = 2;  // rows of spirit slots

  int bottom(DayBand band) const;
  Rect place(DayPlace place) const;
  // Slot 0..19 of the 吉神 (bad false) or 凶煞 (bad true) names; the band
  // holds the slots of its rows.
  Rect spiritSlot(bool bad, int slot) const;
  // Item i of the 宜 (ji false) or 忌 (ji true) list: the activity and, to
  // its right, its reasons.
  Rect item(bool ji, int i) const;
  Rect reasons(bool ji, int i) const;
  // The frames: each band's outline and its label column.
  Rect bandRect(DayBand band) const;
  Rect labelRect(DayBand band) const;
  Size size() const { return {kDaySheetWidth, height}; }
};

// The bands for a day of `goodSpirits` and `badSpirits` names and lists of
// `yiItems` and `jiItems` (an empty list keeps one row, for the word that
// says it is empty).
DaySheetBands DaySheetBandsFor(int goodSpirits, int badSpirits, int yiItems, int jiItems);

}  // namespace lunisol
