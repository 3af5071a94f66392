// What one cell of a sheet says: its text, its colour and its tooltip. Where
// the cell sits is layout/'s business: each sheet's layout table lists its
// cells in the order the sheet's record does.
#pragma once

#include <string>

#include "almanac/colour.h"

namespace lunisol {

struct SheetLabel {
  std::u16string text;
  Colour colour = colours::kBlack;
  std::u16string tooltip;  // empty: the cell has none
};

}  // namespace lunisol
