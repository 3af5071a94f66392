// Where every cell of the hour sheet (當日時辰吉課) sits, in pixels of the
// dialog's client area: twelve hour columns of nine cells, hour k's around
// X = 351 − 30·k, then the label column at the right.
#pragma once

#include <array>

#include "layout/dialog_units.h"
#include "layout/rect.h"

namespace lunisol {

// The rows of an hour column, in the order the sheet creates them.
enum class HourRow { kRange, kPillar, kGood, kBad, kJoy, kWealth, kSha, kClashAnimal, kOpposite };
inline constexpr int kHourRowCount = 9;

struct HourRowPlace {
  HourRow row;
  int x0, y0, x1, y1;  // x relative to the column's X
  int firstId;         // hour k's control is firstId + k; −1: none
};
extern const std::array<HourRowPlace, kHourRowCount> kHourRows;

// The cells of the label column, in the order the sheet creates them.
enum class HourLabel { kJoy, kWealth, kSha, kAnimal, kOpposite, kLunarDate, kNote, kDate };
inline constexpr int kHourLabelCount = 8;

// A cell's rectangle and its control number, which lunisol-cli prints with
// the cell's tooltip (−1: a cell without one).
struct HourCellPlace {
  Rect rect;
  int id = -1;
};
extern const std::array<HourCellPlace, kHourLabelCount> kHourLabels;

constexpr int HourColumnX(int hour) { return 351 - 30 * hour; }

// Every cell in the sheet's order: hour by hour the rows of kHourRows, then
// the label column.
inline constexpr int kHourTableCellCount = 12 * kHourRowCount + kHourLabelCount;
extern const std::array<HourCellPlace, kHourTableCellCount> kHourTableCells;

const HourCellPlace& HourCellPlaceOf(int hour, HourRow row);
const HourCellPlace& HourLabelPlace(HourLabel label);

// The dialog: template 138 in "System" 10-point units, and the hover mark
// over the backdrop's thirteen ruled columns.
struct HourTableFrame {
  UnitRect size;
  int columnWidth;
  int markedColumns;
  int markTop, markBottom;
};
inline constexpr HourTableFrame kHourTableFrame{{0, 0, 195, 245}, 30, 13, 2, 488};

// The hover mark over column c counted from the left; empty past the ruled
// columns.
Rect HourMarkRect(int column);

}  // namespace lunisol
