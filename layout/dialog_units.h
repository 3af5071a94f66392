// Dialog templates measure their controls in dialog units: a quarter of the
// dialog font's average character width across, an eighth of its height
// down. The sheets were laid out against fixed pixel grids, so each template
// font has fixed base units here, read off the pixel layouts they must meet:
// the 680 × 365-unit page template covers the 1020 × 637-pixel page, and the
// 248 × 266-unit yearly sheet its 496 × 532-pixel drawing.
#pragma once

#include "layout/rect.h"

namespace lunisol {

// A control of a dialog template: its corner and size in dialog units.
struct UnitRect {
  int x = 0, y = 0, width = 0, height = 0;
};

struct DialogUnits {
  int baseX = 6;   // pixels per 4 horizontal units
  int baseY = 14;  // pixels per 8 vertical units

  constexpr int x(int units) const { return (units * baseX + 2) / 4; }
  constexpr int y(int units) const { return (units * baseY + 4) / 8; }
  constexpr Rect rect(int ux, int uy, int uw, int uh) const { return {x(ux), y(uy), x(ux + uw), y(uy + uh)}; }
  constexpr Rect rect(const UnitRect& u) const { return rect(u.x, u.y, u.width, u.height); }
};

// "Times New Roman" 8 points: the page and the solar-term panels.
inline constexpr DialogUnits kTimes8Units{6, 14};
// "Times New Roman" 10 points: the natal chart and the about box.
inline constexpr DialogUnits kTimes10Units{7, 16};
// "System" 10 points: the hour table, yearly notes, zodiac and bone sheets.
inline constexpr DialogUnits kSystem10Units{8, 16};

}  // namespace lunisol
