#include "layout/zodiac_fortune_layout.h"

#include <cstddef>

namespace lunisol {

namespace {

// The groups' head lines stand at these template x and line y; controls
// 1207.. run group by group, line by line.
constexpr int kGroupX[4] = {318, 213, 107, 2};
constexpr int kLineY[5] = {2, 12, 22, 32, 41};
// Column k of group g spans 14 pixels from kColumnLeft[g] − 14·k, rows 104..617.
constexpr int kColumnLeft[4] = {833, 622, 410, 199};

constexpr ZodiacGroupLayout Group(int g) {
  ZodiacGroupLayout layout{};
  for (int line = 0; line < 5; ++line)
    layout.lines[static_cast<size_t>(line)] = {1207 + 5 * g + line, kGroupX[g], kLineY[line], line == 2};
  for (int k = 0; k < 15; ++k) {
    const int left = kColumnLeft[g] - 14 * k;
    layout.columns[static_cast<size_t>(k)] = {left, 104, left + 14, 618};
  }
  // The two right groups' verse columns are narrower, and the leftmost
  // group's last column starts a pixel in from the dialog's edge.
  if (g == 0 || g == 1) layout.columns[0].right = layout.columns[0].left + 12;
  if (g == 3) layout.columns[14] = {4, 104, 17, 618};
  return layout;
}

}  // namespace

constexpr std::array<ZodiacGroupLayout, 4> kZodiacGroups = {Group(0), Group(1), Group(2), Group(3)};

Rect ZodiacLineRect(const ZodiacLinePlace& line) {
  return kSystem10Units.rect(line.x, line.y, kZodiacFrame.lineWidth, kZodiacFrame.lineHeight);
}

}  // namespace lunisol
