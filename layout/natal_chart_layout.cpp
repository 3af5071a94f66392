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

// Grid line i (0..4) across and down, on the sheet.
constexpr int GridX(int i) { return kSheetMargin + kNatalBoxWidth * i; }
constexpr int GridY(int i) { return kSheetMargin + kNatalBoxHeight * i; }

// The cell of the form's grid a form row's centre falls in.
struct GridCell {
  int column, row;
};
GridCell GridCellOf(const NatalLayoutRow& entry) {
  const Rect b = FormChartBounds(), r = FormRect(entry);
  GridCell cell{0, 0};
  for (int i = 1; i < kGridCells; ++i) {
    if (r.centreX() >= b.left + (b.right - b.left) * i / kGridCells) cell.column = i;
    if (r.centreY() >= b.top + (b.bottom - b.top) * i / kGridCells) cell.row = i;
  }
  return cell;
}

const NatalLayoutRow& RowOf(NatalRow kind, int slot) {
  for (const NatalLayoutRow& row : kNatalChartRows)
    if (row.kind == kind && row.slot == slot) return row;
  return kNatalChartRows[0];  // not reached for a slot the table has
}

// A slot's step from slot 0 of its part.
struct Step {
  int dx, dy;
};
Step SlotStep(BoxPart part, int slot) {
  switch (part) {
    case BoxPart::kStarName:
    case BoxPart::kBrightness:
    case BoxPart::kMutagen:
    case BoxPart::kDecadalMutagen:
    case BoxPart::kYearlyMutagen:
      return {-slot * kStarColumnPitch, 0};
    case BoxPart::kOtherStar:
      return {slot % kOtherStarsPerRow * kOtherStarPitch, slot / kOtherStarsPerRow * kOtherStarRowPitch};
    case BoxPart::kFlowingStar:
      return {slot * kFlowingStarPitch, 0};
    default:
      return {0, 0};
  }
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
  const Step step = SlotStep(part, slot);
  const int left = (p.fromRight ? frame.right - p.x - p.w : frame.left + p.x) + step.dx;
  const int top = frame.top + p.y + step.dy;
  return {left, top, left + p.w, top + p.h};
}

Rect NatalCentreBlock() { return {GridX(1), GridY(1), GridX(3) + 1, GridY(3) + 1}; }

Rect NatalCentreLineRect(NatalCentreLine line) {
  const Rect block = NatalCentreBlock();
  const CentreLinePlace& p = kNatalCentreLines[static_cast<size_t>(line)];
  const int left = block.left + kCentreLineInset, top = block.top + p.top;
  // The caption ends where the name field starts.
  const int right = line == NatalCentreLine::kName ? left + kNameCaptionWidth : block.right - kCentreLineInset;
  return {left, top, right, top + p.height};
}

Rect NatalNameEditRect() {
  const Rect caption = NatalCentreLineRect(NatalCentreLine::kName);
  return {caption.right, caption.top, caption.right + 260, caption.bottom};
}

ChartPoint NatalBoxAnchor(int branch) {
  const Rect block = NatalCentreBlock(), box = NatalBoxFrame(branch);
  const int inner = kAnchorInset;
  return {std::clamp(box.centreX(), block.left + inner, block.right - 1 - inner),
          std::clamp(box.centreY(), block.top + inner, block.bottom - 1 - inner)};
}

namespace {
constexpr int kLegendMark = 16, kLegendGap = 4, kLegendCaption = 56, kLegendSpace = 20;
constexpr int kLegendItem = kLegendMark + kLegendGap + kLegendCaption + kLegendSpace;

int LegendItemLeft(int item) {
  const Rect block = NatalCentreBlock();
  const int total = 4 * kLegendItem - kLegendSpace;
  return block.left + (block.width() - total) / 2 + (item - 1) * kLegendItem;
}
}  // namespace

Rect NatalLegendMarkRect(NatalCentreLine line, int item) {
  const Rect r = NatalCentreLineRect(line);
  const int left = LegendItemLeft(item);
  return {left, r.top, left + kLegendMark, r.top + kLegendMark};
}

Rect NatalLegendCaptionRect(NatalCentreLine line, int item) {
  const Rect r = NatalCentreLineRect(line);
  const int left = LegendItemLeft(item) + kLegendMark + kLegendGap;
  return {left, r.top, left + kLegendCaption, r.bottom};
}

Size NatalSheetSize() { return {GridX(kGridCells) + 1 + kSheetMargin, GridY(kGridCells) + 1 + kSheetMargin}; }

double NatalChartZoom(int width, int height) {
  const Size sheet = NatalSheetSize();
  const double fit = std::min(double(width) / sheet.width, double(height) / sheet.height);
  return std::clamp(fit, kNatalMinZoom, kNatalMaxZoom);
}

}  // namespace lunisol
