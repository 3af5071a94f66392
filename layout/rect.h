// The rectangles and lines of the layout tables, in pixels of the sheet they
// belong to. Plain values, so the layouts can be read, tested and printed
// without a window.
#pragma once

namespace lunisol {

struct Size {
  int width = 0, height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// Left, top, right, bottom; the right and bottom edges lie outside the
// rectangle, as the layout tables give them.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;

  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  constexpr bool empty() const { return right <= left || bottom <= top; }
  constexpr bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  constexpr Size size() const { return {width(), height()}; }
  constexpr int centreX() const { return left + (width() - 1) / 2; }
  constexpr int centreY() const { return top + (height() - 1) / 2; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A one-pixel line; both end points are drawn.
struct Line {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  friend bool operator==(const Line&, const Line&) = default;
};

}  // namespace lunisol
