#include "layout/day_sheet_layout.h"

#include <algorithm>

namespace lunisol {

using P = DayPlace;
using B = DayBand;
using F = DayFont;

const std::array<DayPlaceRow, kDayPlaceCount> kDaySheetPlaces = {{
    {P::kGregorianLine, B::kHead, {20, 10, 860, 40}, F::kTitle, true},
    {P::kLunarLine, B::kHead, {20, 46, 860, 70}, F::kLunarTitle, true},
    {P::kGodLabel, B::kSpirits, {14, 8, 58, 30}, F::kText, true},
    {P::kGod, B::kSpirits, {70, 8, 300, 30}, F::kText, false},
    {P::kOfficerLabel, B::kSpirits, {320, 8, 372, 30}, F::kText, true},
    {P::kOfficer, B::kSpirits, {380, 8, 500, 30}, F::kText, false},
    {P::kMarksLabel, B::kSpirits, {520, 8, 572, 30}, F::kText, true},
    {P::kMarks, B::kSpirits, {580, 8, 868, 30}, F::kText, false},
    // The 凶煞 label moves down with the rows of 吉神 (see spiritSlot).
    {P::kGoodLabel, B::kSpirits, {14, 38, 58, 60}, F::kText, true},
    {P::kBadLabel, B::kSpirits, {14, 68, 58, 90}, F::kText, true},
    {P::kYiLabel, B::kYi, {14, 6, 58, 44}, F::kLarge, true},
    {P::kJiLabel, B::kJi, {14, 6, 58, 44}, F::kLarge, true},
    {P::kClashLabel, B::kFoot, {14, 8, 58, 30}, F::kText, true},
    {P::kClash, B::kFoot, {70, 8, 400, 30}, F::kText, false},
    {P::kTabooLabel, B::kFoot, {420, 8, 500, 30}, F::kText, true},
    {P::kTaboo, B::kFoot, {508, 8, 868, 30}, F::kText, false},
    {P::kRuleSet, B::kFoot, {20, 44, 860, 62}, F::kSmall, true},
}};

namespace {

constexpr int kTopMargin = 10, kBottomMargin = 10;
constexpr int kHeadHeight = 82, kFootHeight = 70;
// The spirit slots: rows 22 pixels apart from 38 below the band's top, the
// 凶煞 rows 8 below the 吉神 rows; slots 79 across.
constexpr int kGoodRowsTop = 38, kSlotRow = 22, kSpiritGap = 8, kSlotLeft = 70, kSlotPitch = 79, kSlotWidth = 76;
// The list items: rows 24 pixels apart from 8 below the band's top, columns
// 160 across; the activity takes 64 pixels (four characters), its reasons
// the rest in the small font, set 3 pixels lower to share its baseline.
constexpr int kItemTop = 8, kItemRow = 24, kItemHeight = 22, kItemLeft = 70, kItemPitch = 160, kActivityWidth = 64;
constexpr int kReasonsGap = 2, kReasonsWidth = 90, kReasonsDrop = 3;
constexpr int kListMinHeight = 50, kListPadding = 16;

int ListHeight(int items) {
  const int rows = std::max(1, (items + kItemsPerRow - 1) / kItemsPerRow);
  return std::max(kListMinHeight, kListPadding + kItemRow * rows);
}

Rect Moved(const Rect& r, int dy) { return {r.left, r.top + dy, r.right, r.bottom + dy}; }

int SpiritRows(int names) { return std::clamp((names + kSpiritSlotsPerRow - 1) / kSpiritSlotsPerRow, 1, 2); }

}  // namespace

DaySheetBands DaySheetBandsFor(int goodSpirits, int badSpirits, int yiItems, int jiItems) {
  DaySheetBands b;
  b.goodRows = SpiritRows(goodSpirits);
  b.badRows = SpiritRows(badSpirits);
  const int spirits = kGoodRowsTop + (b.goodRows + b.badRows) * kSlotRow + 2 * kSpiritGap;
  const std::array<int, kDayBandCount> heights{kHeadHeight, spirits, ListHeight(std::clamp(yiItems, 0, 60)),
                                               ListHeight(std::clamp(jiItems, 0, 60)), kFootHeight};
  int top = kTopMargin;
  for (int i = 0; i < kDayBandCount; ++i) {
    b.top[static_cast<size_t>(i)] = top;
    // Neighbouring bands share their ruled line.
    top += heights[static_cast<size_t>(i)] - 1;
  }
  b.height = top + 1 + kBottomMargin;
  return b;
}

int DaySheetBands::bottom(DayBand band) const {
  const auto i = static_cast<size_t>(band);
  return i + 1 < top.size() ? top[i + 1] + 1 : height - kBottomMargin;
}

Rect DaySheetBands::place(DayPlace p) const {
  const DayPlaceRow& entry = kDaySheetPlaces[static_cast<size_t>(p)];
  const int below = p == P::kBadLabel ? (goodRows - 1) * kSlotRow : 0;
  return Moved(entry.rect, top[static_cast<size_t>(entry.band)] + below);
}

Rect DaySheetBands::spiritSlot(bool bad, int slot) const {
  const int row = slot / kSpiritSlotsPerRow, column = slot % kSpiritSlotsPerRow;
  const int rowsTop = kGoodRowsTop + (bad ? goodRows * kSlotRow + kSpiritGap : 0);
  const int y = top[static_cast<size_t>(B::kSpirits)] + rowsTop + row * kSlotRow;
  const int x = kSlotLeft + column * kSlotPitch;
  return {x, y, x + kSlotWidth, y + kSlotRow};
}

Rect DaySheetBands::item(bool ji, int i) const {
  const int y = top[static_cast<size_t>(ji ? B::kJi : B::kYi)] + kItemTop + (i / kItemsPerRow) * kItemRow;
  const int x = kItemLeft + (i % kItemsPerRow) * kItemPitch;
  return {x, y, x + kActivityWidth, y + kItemHeight};
}

Rect DaySheetBands::reasons(bool ji, int i) const {
  const Rect a = item(ji, i);
  return {a.right + kReasonsGap, a.top + kReasonsDrop, a.right + kReasonsGap + kReasonsWidth, a.bottom};
}

Rect DaySheetBands::bandRect(DayBand band) const {
  return {kDayRuleLeft, top[static_cast<size_t>(band)], kDayRuleRight, bottom(band)};
}

Rect DaySheetBands::labelRect(DayBand band) const {
  return {kDayLabelColumn.left, top[static_cast<size_t>(band)], kDayLabelColumn.right, bottom(band)};
}

}  // namespace lunisol
