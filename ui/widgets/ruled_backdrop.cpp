#include "ui/widgets/ruled_backdrop.h"

#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <array>

#include "ui/widgets/edges.h"

namespace lunisol::ui {

RuledBackdrop::RuledBackdrop(BackdropMode mode, QSize screen)
    : mode_(mode), metrics_(BackdropMetricsFor(screen.width(), screen.height())) {}

void RuledBackdrop::setTermDays(int firstTermDay, int secondTermDay) {
  if (firstTermDay == firstTermDay_ && secondTermDay == secondTermDay_) return;
  firstTermDay_ = firstTermDay;
  secondTermDay_ = secondTermDay;
}

namespace {

// The pixels a shape may touch, with one to spare for the rounding of a
// scaled painter.
QRect Reach(const BackdropShape& s) {
  const QRect r =
      s.isFrame ? ToQRect(s.frame) : QRect(QPoint(s.rule.x1, s.rule.y1), QPoint(s.rule.x2, s.rule.y2)).normalized();
  return r.adjusted(-1, -1, 1, 1);
}

using ShapeKey = std::array<int, 5>;

ShapeKey KeyOf(const BackdropShape& s) {
  return s.isFrame ? ShapeKey{1, s.frame.left, s.frame.top, s.frame.right, s.frame.bottom}
                   : ShapeKey{0, s.rule.x1, s.rule.y1, s.rule.x2, s.rule.y2};
}

// The pixels of the shapes in `a` that `b` lacks.
QRegion Missing(const std::vector<BackdropShape>& a, const std::vector<BackdropShape>& b) {
  std::vector<ShapeKey> has;
  has.reserve(b.size());
  for (const BackdropShape& s : b) has.push_back(KeyOf(s));
  std::sort(has.begin(), has.end());
  QRegion r;
  for (const BackdropShape& s : a)
    if (!std::binary_search(has.begin(), has.end(), KeyOf(s))) r += Reach(s);
  return r;
}

}  // namespace

void RuledBackdrop::mendTermColumns() {
  const BackdropShapes was = BackdropShapesFor(mode_, metrics_, cacheFirstTermDay_, cacheSecondTermDay_);
  const BackdropShapes is = BackdropShapesFor(mode_, metrics_, firstTermDay_, secondTermDay_);
  cacheFirstTermDay_ = firstTermDay_;
  cacheSecondTermDay_ = secondTermDay_;
  const QRegion moved = Missing(was.items, is.items) + Missing(is.items, was.items);
  if (moved.isEmpty()) return;
  // Everything drawn over those pixels is drawn again, in order, on a fresh
  // ground: the same pixels a whole new drawing would give.
  QPainter cp(&cache_);
  cp.setClipRegion(moved);
  cp.fillRect(moved.boundingRect().adjusted(-1, -1, 1, 1), cacheBackground_);
  drawShapes(cp, QPoint(), moved);
}

void RuledBackdrop::paint(QPainter& p, const QRect& bounds, const QColor& background) {
  if (p.paintEngine()->type() != QPaintEngine::Raster) {
    p.fillRect(bounds, background);
    drawShapes(p, bounds.topLeft());
    return;
  }
  const qreal ratio = p.device()->devicePixelRatioF() * p.transform().m11();
  if (cache_.isNull() || cacheSize_ != bounds.size() || cacheRatio_ != ratio || cacheBackground_ != background) {
    cacheSize_ = bounds.size();
    cacheRatio_ = ratio;
    cacheBackground_ = background;
    cache_ = QPixmap((QSizeF(bounds.size()) * ratio).toSize());
    cache_.setDevicePixelRatio(ratio);
    cache_.fill(background);
    cacheFirstTermDay_ = firstTermDay_;
    cacheSecondTermDay_ = secondTermDay_;
    QPainter cp(&cache_);
    drawShapes(cp, QPoint());
  } else if (cacheFirstTermDay_ != firstTermDay_ || cacheSecondTermDay_ != secondTermDay_) {
    mendTermColumns();
  }
  p.drawPixmap(bounds.topLeft(), cache_);
}

void RuledBackdrop::drawShapes(QPainter& p, QPoint origin, const QRegion& within) const {
  p.save();
  p.translate(origin);
  const BackdropShapes shapes = BackdropShapesFor(mode_, metrics_, firstTermDay_, secondTermDay_);
  for (const BackdropShape& s : shapes.items) {
    if (!within.isEmpty() && !within.intersects(Reach(s))) continue;
    if (s.isFrame) {
      DrawEdge(p, ToQRect(s.frame), Edge::kRaisedOuter);
    } else {
      p.setPen(Qt::black);
      p.drawLine(QLine(s.rule.x1, s.rule.y1, s.rule.x2, s.rule.y2));
    }
  }
  p.restore();
}

}  // namespace lunisol::ui
