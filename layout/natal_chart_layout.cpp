#include "layout/natal_chart_layout.h"

#include <algorithm>

namespace lunisol {
namespace {

constexpr int kGridCells = 4;

Rect FormRect(const NatalLayoutRow& row) { return kNatalUnits.rect(row.x, row.y, row.w, row.h); }

// The outer edges of the form's boxes, in the form's pixels.
Rect FormChartBounds() {
  Rect b = FormRect(kNatalChartRows[0]);
  for (const NatalLayoutRow& row : kNatalChartRows) {
    if (row.kind != NatalRow::kBox) continue;
    const Rect r = FormRect(row);
    b = {std::min(b.left, r.left), std::min(b.top, r.top), std::max(b.right, r.right), std::max(b.bottom, r.bottom)};
  }
  return b;
}

// From the form's pixels to the sheet's.
Rect ToSheet(const Rect& r) {
  const Rect b = FormChartBounds();
  const int dx = b.left - kSheetMargin, dy = b.top - kSheetMargin;
  return {r.left - dx, r.top - dy, r.right - dx, r.bottom - dy};
}

// Grid line i (0..4) across and down, on the sheet.
int GridX(int i) {
  const Rect b = FormChartBounds();
  return kSheetMargin + (b.right - b.left) * i / kGridCells;
}
int GridY(int i) {
  const Rect b = FormChartBounds();
  return kSheetMargin + (b.bottom - b.top) * i / kGridCells;
}

// The grid cell a form row's centre falls in.
struct GridCell {
  int column, row;
};
GridCell GridCellOf(const NatalLayoutRow& entry) {
  const Rect r = ToSheet(FormRect(entry));
  GridCell cell{0, 0};
  for (int i = 1; i < kGridCells; ++i) {
    if (r.centreX() >= GridX(i)) cell.column = i;
    if (r.centreY() >= GridY(i)) cell.row = i;
  }
  return cell;
}

const NatalLayoutRow& RowOf(NatalRow kind, int slot) {
  for (const NatalLayoutRow& row : kNatalChartRows)
    if (row.kind == kind && row.slot == slot) return row;
  return kNatalChartRows[0];  // not reached for a slot the table has
}

}  // namespace

const NatalLayoutRow& NatalBoxRow(int branch) { return RowOf(NatalRow::kBox, branch); }
const NatalLayoutRow& NatalButtonRow(int branch) { return RowOf(NatalRow::kPalaceButton, branch); }

int BranchAtGridCell(int column, int row) {
  for (const NatalLayoutRow& entry : kNatalChartRows) {
    if (entry.kind != NatalRow::kBox) continue;
    const GridCell cell = GridCellOf(entry);
    if (cell.column == column && cell.row == row) return entry.slot;
  }
  return -1;
}

Rect NatalBoxFrame(int branch) {
  const GridCell cell = GridCellOf(NatalBoxRow(branch));
  // Neighbouring frames share their common line.
  return {GridX(cell.column), GridY(cell.row), GridX(cell.column + 1) + 1, GridY(cell.row + 1) + 1};
}

Rect NatalBoxPlace(int branch, BoxPart part, int slot) {
  const Rect frame = NatalBoxFrame(branch);
  const BoxPlace& p = kBoxPlaces[static_cast<size_t>(part)];
  int left = p.fromRight ? frame.right - p.x - p.w : frame.left + p.x;
  int top = p.fromBottom ? frame.bottom - p.y - p.h : frame.top + p.y;
  switch (part) {
    case BoxPart::kStarName:
    case BoxPart::kBrightness:
    case BoxPart::kMutagen:
      left -= slot * kStarColumnPitch;
      break;
    case BoxPart::kOtherStar:
      left += slot % kOtherStarsPerRow * kOtherStarPitch;
      top += slot / kOtherStarsPerRow * kOtherStarRowPitch;
      break;
    case BoxPart::kButton:
      left = frame.left + (frame.width() - p.w) / 2;
      break;
    default:
      break;
  }
  return {left, top, left + p.w, top + p.h};
}

Rect NatalCentreBlock() { return {GridX(1), GridY(1), GridX(3) + 1, GridY(3) + 1}; }

Rect NatalNameEditRect() { return ToSheet(FormRect(RowOf(NatalRow::kNameEdit, -1))); }

Rect NatalCentreLineRect(NatalCentreLine line) {
  const Rect r = ToSheet(FormRect(RowOf(NatalRow::kCentreLine, static_cast<int>(line))));
  // The caption ends where the name field starts; the other lines reach
  // across the block, as far from its right edge as they start from its
  // left (the form's widths only fitted its sample texts).
  if (line == NatalCentreLine::kName) return {r.left, r.top, NatalNameEditRect().left, r.bottom};
  const Rect block = NatalCentreBlock();
  return {r.left, r.top, block.right - (r.left - block.left), r.bottom};
}

namespace {
constexpr int kLegendMark = 16, kLegendGap = 4, kLegendCaption = 32, kLegendSpace = 16;
constexpr int kLegendItem = kLegendMark + kLegendGap + kLegendCaption + kLegendSpace;

int LegendItemLeft(int mutagen) {
  const Rect block = NatalCentreBlock();
  const int total = 4 * kLegendItem - kLegendSpace;
  return block.left + (block.width() - total) / 2 + (mutagen - 1) * kLegendItem;
}
}  // namespace

Rect NatalLegendMarkRect(int mutagen) {
  const Rect line = NatalCentreLineRect(NatalCentreLine::kLegend);
  const int left = LegendItemLeft(mutagen);
  return {left, line.top, left + kLegendMark, line.top + kLegendMark};
}

Rect NatalLegendCaptionRect(int mutagen) {
  const Rect line = NatalCentreLineRect(NatalCentreLine::kLegend);
  const int left = LegendItemLeft(mutagen) + kLegendMark + kLegendGap;
  return {left, line.top, left + kLegendCaption, line.bottom};
}

Size NatalSheetSize() { return {GridX(kGridCells) + 1 + kSheetMargin, GridY(kGridCells) + 1 + kSheetMargin}; }

double NatalChartZoom(int width, int height) {
  const Size sheet = NatalSheetSize();
  const double fit = std::min(double(width) / sheet.width, double(height) / sheet.height);
  return std::clamp(fit, kNatalMinZoom, kNatalMaxZoom);
}

}  // namespace lunisol
