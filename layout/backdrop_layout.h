// The grid of column frames and rules laid behind the cells of the almanac
// page and of three sheets: one description, four layouts chosen by mode.
#pragma once

#include <vector>

#include "layout/rect.h"

namespace lunisol {

enum class BackdropMode { kPage = 0, kHourTable = 1, kYearlyNotes = 2, kZodiac = 3 };

struct BackdropMetrics {
  int columnWidth = 30;
  int leftOffset = 0;
  int top = 2;
  int frameBottom = 678;
  int bottomShift = 0;
};
// The height the page's rows were tuned for, and the lowest layout: there the
// warning notes keep six lines (84 pixels) of their 200.
inline constexpr int kFullPageLayoutHeight = 768;
inline constexpr int kLowestPageLayoutHeight = 652;

// The page layout for a screen of cx × cy pixels.
BackdropMetrics BackdropMetricsFor(int cx, int cy);

// A raised column frame or a one-pixel black rule.
struct BackdropShape {
  bool isFrame = false;
  Rect frame;
  Line rule;
};
// In drawing order: where frames overlap rules, the later one shows.
struct BackdropShapes {
  std::vector<BackdropShape> items;
  void frame(const Rect& r) { items.push_back({true, r, {}}); }
  void rule(const Line& l) { items.push_back({false, {}, l}); }
  std::vector<Rect> frames() const;
  std::vector<Line> rules() const;
};

// Where every sheet dialog's backdrop lies, whatever the dialog's size.
inline constexpr Rect kSheetBackdropRect{0, 0, 1024, 637};

// The page's term columns are the columns i = 32 − t1 and 31 − t2 for term
// days t1 < t2; day numbers that match no column draw every column ruled.
BackdropShapes BackdropShapesFor(BackdropMode mode, const BackdropMetrics& m, int firstTermDay = -1,
                                 int secondTermDay = -1);

}  // namespace lunisol
