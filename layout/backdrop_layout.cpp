#include "layout/backdrop_layout.h"

#include <algorithm>

namespace lunisol {

BackdropMetrics BackdropMetricsFor(int cx, int cy) {
  BackdropMetrics m;
  // Columns widen with the screen exactly as the page's cells spread, so
  // frames and cells agree on every screen, not only on the tuned ones.
  if (cx > 1024) {
    m.columnWidth = 30 + (cx - 1024) / 34;
    m.leftOffset = ((cx - 1024) % 34) / 2;
  }
  // Below 768 the lower rows move up over the foot of the warning notes,
  // which give up that height (down to the lowest layout). The 800-wide
  // screen keeps the 768 layout and scrolls.
  const int height = cx == 800 ? std::max(cy, kFullPageLayoutHeight) : std::max(cy, kLowestPageLayoutHeight);
  m.frameBottom = height - 90;
  m.bottomShift = height - kFullPageLayoutHeight;
  return m;
}

namespace {

Line Rule(int x0, int y0, int x1, int y1) {
  // A move-to/line-to pair leaves out its end point.
  if (y0 == y1) return Line{x0, y0, x1 - 1, y1};
  return Line{x0, y0, x1, y1 - 1};
}

void PageShapes(const BackdropMetrics& m, int t1, int t2, BackdropShapes& s) {
  static constexpr int kUpperRules[] = {19, 52, 70, 202, 218, 234, 250, 266, 282, 326};
  static constexpr int kLowerRules[] = {529, 559, 589, 633};
  for (int i = 0; i <= 33; ++i) {
    const int x0 = m.leftOffset + i * m.columnWidth;
    const int x1 = x0 + m.columnWidth;
    s.frame(Rect{x0, m.top, x1, m.frameBottom});
    if (i == 32 - t1 || i == 31 - t2) continue;  // the term panels cover these
    if (i <= 32) {
      for (int y : kUpperRules) s.rule(Rule(x0, y, x1, y));
    }
    for (int y : kLowerRules) s.rule(Rule(x0, m.bottomShift + y, x1, m.bottomShift + y));
  }
}

void HourTableShapes(BackdropShapes& s) {
  for (int i = 0; i <= 12; ++i) s.frame(Rect{30 * i, 2, 30 * (i + 1), 488});
  for (Line l : {Rule(1, 47, 360, 47), Rule(1, 93, 360, 93), Rule(1, 392, 390, 392), Rule(1, 424, 390, 424),
                 Rule(1, 455, 390, 455)}) {
    s.rule(l);
  }
}

void YearlyNotesShapes(BackdropShapes& s) {
  // The frames overlap by a pixel; their order decides which edge shows.
  s.frame(Rect{460, 2, 494, 530});
  s.frame(Rect{350, 2, 461, 530});
  s.rule(Rule(2, 22, 461, 22));
  s.frame(Rect{69, 2, 351, 530});
  s.frame(Rect{2, 2, 70, 530});
  for (Line l : {Rule(69, 302, 351, 302), Rule(69, 324, 351, 324), Rule(255, 302, 255, 530), Rule(351, 434, 461, 434),
                 Rule(351, 454, 461, 454), Rule(2, 209, 69, 209), Rule(2, 231, 69, 231), Rule(40, 3, 40, 209)}) {
    s.rule(l);
  }
}

void ZodiacShapes(BackdropShapes& s) {
  for (Rect r : {Rect{635, 2, 847, 620}, Rect{424, 2, 636, 620}, Rect{213, 2, 425, 620}, Rect{2, 2, 214, 620}}) {
    s.frame(r);
  }
  for (int y : {22, 42, 62, 100}) s.rule(Rule(2, y, 847, y));
}

}  // namespace

BackdropShapes BackdropShapesFor(BackdropMode mode, const BackdropMetrics& m, int firstTermDay, int secondTermDay) {
  BackdropShapes s;
  switch (mode) {
    case BackdropMode::kPage:
      PageShapes(m, firstTermDay, secondTermDay, s);
      break;
    case BackdropMode::kHourTable:
      HourTableShapes(s);
      break;
    case BackdropMode::kYearlyNotes:
      YearlyNotesShapes(s);
      break;
    case BackdropMode::kZodiac:
      ZodiacShapes(s);
      break;
  }
  return s;
}

std::vector<Rect> BackdropShapes::frames() const {
  std::vector<Rect> out;
  for (const BackdropShape& s : items)
    if (s.isFrame) out.push_back(s.frame);
  return out;
}

std::vector<Line> BackdropShapes::rules() const {
  std::vector<Line> out;
  for (const BackdropShape& s : items)
    if (!s.isFrame) out.push_back(s.rule);
  return out;
}

}  // namespace lunisol
