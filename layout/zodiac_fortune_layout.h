// Where every text of the zodiac fortune sheet (12 生肖流年運勢) sits: four
// groups side by side, right to left, each with five one-line statics of the
// template ("System" 10-point dialog units) and fifteen columns made in code
// (pixels of the dialog's client area), in the order the sheet creates them.
#pragma once

#include <array>

#include "layout/dialog_units.h"
#include "layout/rect.h"

namespace lunisol {

// The head lines of a group, top to bottom.
enum class ZodiacLine { kAnimal, kTitle, kAges, kLucky, kUnlucky };

// A head line with its control number, which lunisol-cli prints. Every line
// is as wide and high as kZodiacFrame says; the ages read from the left, the
// others are centred.
struct ZodiacLinePlace {
  int id;
  int x, y;
  bool leftAligned;
};

struct ZodiacGroupLayout {
  std::array<ZodiacLinePlace, 5> lines;  // by ZodiacLine
  std::array<Rect, 15> columns;          // verse, comment, heading, twelve months
};
extern const std::array<ZodiacGroupLayout, 4> kZodiacGroups;

// The dialog: template 143, the size of a head line, and the tab row along
// the client's bottom (pixels: x, and its height up from the bottom; it runs
// to the client's right edge).
struct ZodiacFrame {
  UnitRect size;
  int lineWidth, lineHeight;
  int tabLeft, tabHeight;
};
inline constexpr ZodiacFrame kZodiacFrame{{0, 0, 424, 320}, 104, 8, 2, 18};

// Pixels of a head line.
Rect ZodiacLineRect(const ZodiacLinePlace& line);

}  // namespace lunisol
