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

namespace {

bool IsFishing(TermPanelCell cell) {
  return cell == C::kFishingHeading || cell == C::kFishingRight || cell == C::kFishingLeft;
}

// The planting notes' height on an untuned layout, given `room` for both
// kinds of notes: the template's while both fit with it, otherwise by need.
int PlantingHeight(int room, int templateHeight, const TermPanelNeeds& needs) {
  const int planting = needs.plantingLines * needs.lineHeight;
  const int fishing = needs.fishingLines * needs.lineHeight;
  if (planting + fishing <= room) return std::max(planting, std::min(templateHeight, room - fishing));
  // Neither fits: each gives up its share, keeping two lines at least.
  const int least = 2 * needs.lineHeight;
  if (room < 2 * least) return room / 2;
  const int share = static_cast<int>(static_cast<long long>(room) * planting / (planting + fishing));
  return std::clamp(share, least, room - least);
}

}  // namespace

TermPanelPlaces TermPanelLayoutFor(int screenHeight, Size panel, const TermPanelNeeds& needs) {
  TermPanelPlaces p;
  for (size_t i = 0; i < kTermPanelCellCount; ++i) p.cells[i] = kTimes8Units.rect(kTermPanelCells[i].place);
  for (size_t i = 0; i < p.frames.size(); ++i) p.frames[i] = kTimes8Units.rect(kTermPanelFrames[i]);
  Rect& plantingRight = p.cells[static_cast<size_t>(C::kPlantingRight)];
  const int fishingTop = p.cells[static_cast<size_t>(C::kFishingRight)].top;
  const int tuned = FishingBottom(screenHeight);
  // The fishing notes end at the tuned foot, or at the panel's.
  const int foot = tuned > 0 ? tuned : std::max(fishingTop, panel.height - 2);
  int move = 0;  // how far the fishing heading and notes move down
  if (tuned < 0) {
    const int templateHeight = plantingRight.height();
    const int room = templateHeight + std::max(0, foot - fishingTop);
    move = PlantingHeight(room, templateHeight, needs) - templateHeight;
  }
  for (size_t i = 0; i < kTermPanelCellCount; ++i) {
    Rect& r = p.cells[i];
    const TermPanelCell cell = kTermPanelCells[i].cell;
    if (cell == C::kPlantingRight || cell == C::kPlantingLeft) r.bottom += move;
    if (IsFishing(cell)) r.top += move, r.bottom += move;
    if (cell == C::kFishingRight || cell == C::kFishingLeft) r.bottom = foot;
  }
  p.frames[1].top += move;
  p.frames[1].bottom += move;
  for (Rect& f : p.frames) f.right = std::min(f.right, panel.width);
  return p;
}

}  // namespace lunisol
