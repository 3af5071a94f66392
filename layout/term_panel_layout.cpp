#include "layout/term_panel_layout.h"

#include <algorithm>

namespace lunisol {

using C = TermPanelCell;

constexpr std::array<TermPanelCellPlace, kTermPanelCellCount> kTermPanelCells = {{
    {C::kName, {3, 2, 13, 19}, u"立春", 1, colours::kMaroon},
    {C::kTime, {5, 22, 8, 35}, u"", 0, colours::kNavy},  // vertical
    {C::kPlantingHeading, {1, 59, 16, 8}, u"植種", 0, colours::kGreen},
    {C::kPlantingRight, {9, 69, 8, 162}, u"", 0, colours::kGreen},
    {C::kPlantingLeft, {1, 69, 8, 162}, u"", 0, colours::kGreen},
    {C::kFishingHeading, {1, 235, 16, 8}, u"撈漁", 0, colours::kNavy},
    {C::kFishingRight, {9, 245, 10, 82}, u"", 0, colours::kNavy},
    {C::kFishingLeft, {1, 245, 8, 82}, u"", 0, colours::kNavy},
}};

constexpr std::array<UnitRect, 2> kTermPanelFrames = {{{0, 54, 21, 14}, {0, 230, 21, 14}}};

namespace {

int FishingBottom(int screenHeight) {
  switch (screenHeight) {
    case 1024:
      return 960;
    case 960:
      return 896;
    case 864:
      return 800;
    case 768:
      return 670;
    default:
      return -1;
  }
}

}  // namespace

Rect TermPanelCellRect(const TermPanelCellPlace& entry, int screenHeight, int panelHeight) {
  Rect r = kTimes8Units.rect(entry.place);
  if (entry.cell != C::kFishingRight && entry.cell != C::kFishingLeft) return r;
  const int tuned = FishingBottom(screenHeight);
  r.bottom = tuned > 0 ? tuned : std::max(r.bottom, panelHeight - 2);
  return r;
}

std::vector<Rect> TermPanelFrameRects(int panelWidth) {
  std::vector<Rect> frames;
  for (const UnitRect& u : kTermPanelFrames) {
    Rect r = kTimes8Units.rect(u);
    r.right = std::min(r.right, panelWidth);
    frames.push_back(r);
  }
  return frames;
}

}  // namespace lunisol
