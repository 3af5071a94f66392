// The grid of column frames and rules laid behind the cells of the almanac
// page and of three sheets. One class, four layouts chosen by mode.
#pragma once

#include <QColor>
#include <QLine>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <vector>

class QPainter;

namespace lunisol::ui {

enum class BackdropMode { kPage = 0, kHourTable = 1, kYearlyNotes = 2, kZodiac = 3 };

struct BackdropMetrics {
  int columnWidth = 30;
  int leftOffset = 0;
  int top = 2;
  int frameBottom = 678;
  int bottomShift = 0;
};
// The page layout for a screen of cx × cy pixels.
BackdropMetrics BackdropMetricsFor(int cx, int cy);

// A raised column frame or a one-pixel black rule (end points inclusive).
struct BackdropShape {
  bool isFrame = false;
  QRect frame;
  QLine rule;
};
// In drawing order: where frames overlap rules, the later one shows.
struct BackdropShapes {
  std::vector<BackdropShape> items;
  void frame(const QRect& r) { items.push_back({true, r, {}}); }
  void rule(const QLine& l) { items.push_back({false, {}, l}); }
  std::vector<QRect> frames() const;
  std::vector<QLine> rules() const;
};

// The page's term columns are the columns i = 32 − t1 and 31 − t2 for term
// days t1 < t2; day numbers that match no column draw every column ruled.
BackdropShapes BackdropShapesFor(BackdropMode mode, const BackdropMetrics& m, int firstTermDay = -1,
                                 int secondTermDay = -1);

// Paints the shapes once into a pixmap and reuses it until the layout or the
// term columns change: a month change then costs one blit, not 34 frames and
// some 400 lines.
class RuledBackdrop {
 public:
  RuledBackdrop(BackdropMode mode, QSize screen);
  void setTermDays(int firstTermDay, int secondTermDay);
  // Paints the grid on `background` into `bounds`; the cache is opaque, so
  // drawing it is a copy, not a blend.
  void paint(QPainter& p, const QRect& bounds, const QColor& background);
  const BackdropMetrics& metrics() const { return metrics_; }
  BackdropMode mode() const { return mode_; }

 private:
  BackdropMode mode_;
  BackdropMetrics metrics_;
  int firstTermDay_ = -1, secondTermDay_ = -1;
  QPixmap cache_;
  QSize cacheSize_;
  QColor cacheBackground_;
  qreal cacheRatio_ = 0;
};

}  // namespace lunisol::ui
