// Where the cells and frames of a solar-term panel sit: the panel covers one
// term column of the page, template units of "Times New Roman" 8 points.
#pragma once

#include <array>
#include <vector>

#include "almanac/colour.h"
#include "layout/dialog_units.h"
#include "layout/rect.h"

namespace lunisol {

enum class TermPanelCell {
  kName,
  kTime,
  kPlantingHeading,
  kPlantingRight,
  kPlantingLeft,
  kFishingHeading,
  kFishingRight,
  kFishingLeft,
};
inline constexpr int kTermPanelCellCount = 8;

struct TermPanelCellPlace {
  TermPanelCell cell;
  UnitRect place;
  const char16_t* text;  // as the template has it
  int font;              // 0 the page font, 1 the 18-pixel name font
  Colour colour;
};
// In TermPanelCell order.
extern const std::array<TermPanelCellPlace, kTermPanelCellCount> kTermPanelCells;
// The group frames around the two headings.
extern const std::array<UnitRect, 2> kTermPanelFrames;
inline constexpr UnitRect kTermPanelSize{0, 0, 21, 365};

// Pixels of a cell of a panel `panelHeight` pixels high on a page laid out
// `screenHeight` high: the fishing notes end where the layouts tuned for that
// height end them, and on other heights run down to the panel's foot.
Rect TermPanelCellRect(const TermPanelCellPlace& entry, int screenHeight, int panelHeight);
// The frames of a panel `panelWidth` pixels wide, which never reach past its
// right edge, so a narrow column still shows whole frames.
std::vector<Rect> TermPanelFrameRects(int panelWidth);

}  // namespace lunisol
