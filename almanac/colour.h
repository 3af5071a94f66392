// Text colours of the almanac's cells.
#pragma once

#include <cstdint>

namespace lunisol {

struct Colour {
  uint8_t r = 0, g = 0, b = 0;
  friend constexpr bool operator==(const Colour&, const Colour&) = default;
};

namespace colours {
inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kRed{168, 0, 0};
inline constexpr Colour kBlue{0, 0, 168};
inline constexpr Colour kNavy{0, 0, 128};
inline constexpr Colour kGreen{0, 128, 0};
inline constexpr Colour kMaroon{128, 0, 0};
inline constexpr Colour kOlive{128, 128, 0};
inline constexpr Colour kTeal{0, 128, 128};
inline constexpr Colour kGrey{128, 128, 128};
inline constexpr Colour kDarkGrey{108, 108, 108};
inline constexpr Colour kPurple{128, 0, 128};
inline constexpr Colour kPink{255, 128, 128};
inline constexpr Colour kLilac{128, 128, 255};
inline constexpr Colour kDarkGreen{0, 64, 0};
// The yearly and fortune sheets use a slightly different olive.
inline constexpr Colour kSheetOlive{128, 128, 28};
}  // namespace colours

}  // namespace lunisol
