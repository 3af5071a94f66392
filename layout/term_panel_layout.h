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

// How many lines the notes of a panel take at their columns' widths (the
// longer column of each pair), and the height of a line.
struct TermPanelNeeds {
  int plantingLines = 0;
  int fishingLines = 0;
  int lineHeight = 14;
};

// Where everything of one panel sits, in pixels of the panel.
struct TermPanelPlaces {
  std::array<Rect, kTermPanelCellCount> cells;  // in TermPanelCell order
  std::array<Rect, 2> frames;                   // around the two headings
};

// The panel `panel` pixels large on a page laid out `screenHeight` high. On
// the heights the layouts were tuned for (768, 864, 960, 1024) everything
// sits where those layouts put it. On every other height the notes share the
// panel's whole height by what they need: the planting notes keep at least
// their template height when both fit, take what they need when the fishing
// notes leave room, and the two give up height alike when neither fits; the
// fishing heading moves with them. Frames never reach past the panel's right
// edge, so a narrow column still shows whole frames.
TermPanelPlaces TermPanelLayoutFor(int screenHeight, Size panel, const TermPanelNeeds& needs);

}  // namespace lunisol
