// Paints the grid of column frames and rules that layout/backdrop_layout.h
// describes behind the cells of the almanac page and of three sheets.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <QSize>

#include "layout/backdrop_layout.h"

class QPainter;

namespace lunisol::ui {

// Paints the shapes once into a pixmap and reuses it until the layout
// changes: a month change then costs one blit, not 34 frames and some 400
// lines, and redraws only the columns whose rules the term columns move.
class RuledBackdrop {
 public:
  RuledBackdrop(BackdropMode mode, QSize screen);
  void setTermDays(int firstTermDay, int secondTermDay);
  int firstTermDay() const { return firstTermDay_; }
  int secondTermDay() const { return secondTermDay_; }
  // Paints the grid on `background` into `bounds`; the cache is opaque, so
  // drawing it is a copy, not a blend. The cache is made at the painter's
  // scale (zoom and device pixel ratio), so a zoomed page stays sharp; on a
  // printer or PDF the grid is drawn directly, as lines.
  void paint(QPainter& p, const QRect& bounds, const QColor& background);
  const BackdropMetrics& metrics() const { return metrics_; }
  BackdropMode mode() const { return mode_; }

 private:
  // Draws the shapes that reach into `within` (all when it is empty).
  void drawShapes(QPainter& p, QPoint origin, const QRegion& within = {}) const;
  // Redraws in the cache the columns that gained or lost rules since it
  // was drawn for other term days.
  void mendTermColumns();

  BackdropMode mode_;
  BackdropMetrics metrics_;
  int firstTermDay_ = -1, secondTermDay_ = -1;
  QPixmap cache_;
  QSize cacheSize_;
  QColor cacheBackground_;
  qreal cacheRatio_ = 0;
  int cacheFirstTermDay_ = -1, cacheSecondTermDay_ = -1;  // the term days the cache shows
};

}  // namespace lunisol::ui
