#include "ui/widgets/edges.h"

namespace lunisol::ui {
namespace {

const QColor kLight(212, 208, 200);
const QColor kHighlight(255, 255, 255);
const QColor kShadow(128, 128, 128);
const QColor kDarkShadow(64, 64, 64);

void TwoTone(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  p.setPen(topLeft);
  p.drawLine(r.left(), r.bottom(), r.left(), r.top());
  p.drawLine(r.left(), r.top(), r.right(), r.top());
  p.setPen(bottomRight);
  p.drawLine(r.right(), r.top(), r.right(), r.bottom());
  p.drawLine(r.right(), r.bottom(), r.left(), r.bottom());
}

}  // namespace

void DrawEdge(QPainter& p, const QRect& r, Edge edge) {
  if (r.width() < 2 || r.height() < 2) return;
  p.save();
  p.setBrush(Qt::NoBrush);
  switch (edge) {
    case Edge::kRaisedOuter:
      TwoTone(p, r, kLight, kDarkShadow);
      break;
    case Edge::kSunkenInner:
      TwoTone(p, r, kDarkShadow, kLight);
      break;
    case Edge::kEtched:
      TwoTone(p, r, kShadow, kHighlight);
      TwoTone(p, r.adjusted(1, 1, -1, -1), kHighlight, kShadow);
      break;
  }
  p.restore();
}

}  // namespace lunisol::ui
