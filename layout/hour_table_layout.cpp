#include "layout/hour_table_layout.h"

#include <cstddef>

namespace lunisol {

using R = HourRow;

constexpr std::array<HourRowPlace, kHourRowCount> kHourRows = {{
    {R::kRange, -12, 4, 0, 44, -1},
    {R::kPillar, -12, 50, 0, 90, -1},
    {R::kGood, -6, 94, 6, 390, 27100},
    {R::kBad, -18, 94, -6, 390, 27200},
    {R::kJoy, -6, 395, 6, 423, -1},
    {R::kWealth, -18, 395, -6, 423, -1},
    {R::kSha, -18, 426, -6, 454, -1},
    {R::kClashAnimal, -6, 426, 6, 454, -1},
    {R::kOpposite, -12, 458, 0, 486, -1},
}};

// The label column: the five row labels around X = 381, then the lunar line,
// the note column and the Gregorian date line.
constexpr std::array<HourCellPlace, kHourLabelCount> kHourLabels = {{
    {{375, 395, 387, 423}, -1},     // 喜神
    {{363, 395, 375, 423}, -1},     // 財神
    {{363, 426, 375, 454}, -1},     // 沖煞
    {{375, 426, 387, 454}, -1},     // 生肖
    {{369, 458, 381, 486}, -1},     // 正沖
    {{376, 120, 388, 390}, 27300},  // lunar date and notes
    {{363, 120, 375, 390}, 27400},  // note column
    {{366, 4, 384, 120}, -1},       // Gregorian date
}};

namespace {

constexpr std::array<HourCellPlace, kHourTableCellCount> AllCells() {
  std::array<HourCellPlace, kHourTableCellCount> all{};
  size_t n = 0;
  for (int k = 0; k < 12; ++k) {
    const int X = HourColumnX(k);
    for (const HourRowPlace& r : kHourRows)
      all[n++] = {{X + r.x0, r.y0, X + r.x1, r.y1}, r.firstId < 0 ? -1 : r.firstId + k};
  }
  for (const HourCellPlace& p : kHourLabels) all[n++] = p;
  return all;
}

}  // namespace

constexpr std::array<HourCellPlace, kHourTableCellCount> kHourTableCells = AllCells();

const HourCellPlace& HourCellPlaceOf(int hour, HourRow row) {
  return kHourTableCells[static_cast<size_t>(hour * kHourRowCount + static_cast<int>(row))];
}

const HourCellPlace& HourLabelPlace(HourLabel label) {
  return kHourTableCells[static_cast<size_t>(12 * kHourRowCount + static_cast<int>(label))];
}

Rect HourMarkRect(int column) {
  const HourTableFrame& f = kHourTableFrame;
  if (column < 0 || column >= f.markedColumns) return {};
  return {f.columnWidth * column, f.markTop, f.columnWidth * (column + 1), f.markBottom};
}

}  // namespace lunisol
