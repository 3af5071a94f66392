#include "ui/widgets/ruled_backdrop.h"

#include <QPaintEngine>
#include <QPainter>
#include <algorithm>

#include "ui/widgets/edges.h"

namespace lunisol::ui {

RuledBackdrop::RuledBackdrop(BackdropMode mode, QSize screen)
    : mode_(mode), metrics_(BackdropMetricsFor(screen.width(), screen.height())) {}

void RuledBackdrop::setTermDays(int firstTermDay, int secondTermDay) {
  if (firstTermDay == firstTermDay_ && secondTermDay == secondTermDay_) return;
  firstTermDay_ = firstTermDay;
  secondTermDay_ = secondTermDay;
  cache_ = QPixmap();
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
    QPainter cp(&cache_);
    drawShapes(cp, QPoint());
  }
  p.drawPixmap(bounds.topLeft(), cache_);
}

void RuledBackdrop::drawShapes(QPainter& p, QPoint origin) const {
  p.save();
  p.translate(origin);
  const BackdropShapes shapes = BackdropShapesFor(mode_, metrics_, firstTermDay_, secondTermDay_);
  for (const BackdropShape& s : shapes.items) {
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
