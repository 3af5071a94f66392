#include "ui/natal_chart_sheet.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <cmath>

#include "layout/natal_chart_layout.h"
#include "natal/placement.h"
#include "ui/widgets/edges.h"

namespace lunisol::ui {
namespace {

const QColor kHalo(252, 251, 246, 160);

QPointF Anchor(int branch) {
  const ChartPoint p = NatalBoxAnchor(branch);
  return {p.x + 0.5, p.y + 0.5};
}

QPointF CentreOfBlock() {
  const Rect b = NatalCentreBlock();
  return {(b.left + b.right) / 2.0, (b.top + b.bottom) / 2.0};
}

// A unit vector at right angles to the line from a to b.
QPointF Across(QPointF a, QPointF b) {
  const QPointF d = b - a;
  const qreal length = std::hypot(d.x(), d.y());
  return length > 0 ? QPointF(-d.y() / length, d.x() / length) : QPointF(0, 0);
}

QPointF OnCurve(QPointF a, QPointF c, QPointF b, qreal t) {
  return (1 - t) * (1 - t) * a + 2 * (1 - t) * t * c + t * t * b;
}

void ArrowHead(QPainter& p, QPointF tip, QPointF from, const QColor& colour) {
  const QPointF d = tip - from;
  const qreal length = std::hypot(d.x(), d.y());
  if (length <= 0) return;
  const QPointF u = d / length, n(-u.y(), u.x());
  const QPolygonF head{tip, tip - 9 * u + 4.5 * n, tip - 9 * u - 4.5 * n};
  p.setBrush(colour);
  p.setPen(Qt::NoPen);
  p.drawPolygon(head);
}

// A transformation's mark on its arrow: a disc of its colour with the
// character in white.
void Badge(QPainter& p, QPointF at, const QColor& colour, const QString& label) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(at, 8.5, 8.5);
  QFont f = p.font();
  f.setPixelSize(12);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRectF(at.x() - 8.5, at.y() - 8.5, 17, 17), Qt::AlignCenter, label);
}

}  // namespace

const QColor NatalChartSheet::kReadWithLine(176, 110, 0, 200);

NatalChartSheet::NatalChartSheet(QWidget* parent) : CellSheet(parent) {}

void NatalChartSheet::setPicked(int branch, std::vector<FlightArrow> flights) {
  picked_ = branch >= 0 && branch < 12 ? branch : -1;
  flights_ = picked_ >= 0 ? std::move(flights) : std::vector<FlightArrow>{};
  update();
}

void NatalChartSheet::setOutlines(std::vector<MarkOutline> outlines) {
  outlines_ = std::move(outlines);
  update();
}

void NatalChartSheet::paintEvent(QPaintEvent* event) {
  CellSheet::paintEvent(event);
  QPainter p(this);
  p.setClipRect(event->rect());
  p.scale(zoom(), zoom());
  paintOverlay(p);
}

void NatalChartSheet::paintChart(QPainter& p) {
  const QRect mark = highlight();
  setHighlight({});
  const Size sheet = NatalSheetSize();
  render(p, QRect(0, 0, sheet.width, sheet.height));
  setHighlight(mark);
  paintOverlay(p);
}

void NatalChartSheet::paintOverlay(QPainter& p) const {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  for (const MarkOutline& o : outlines_) {
    QPen pen(o.colour, o.shape == MarkOutline::Shape::kDashed ? 1.5 : 1.2);
    if (o.shape == MarkOutline::Shape::kDashed) pen.setStyle(Qt::DashLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF r = QRectF(o.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    if (o.shape == MarkOutline::Shape::kCircle)
      p.drawEllipse(r);
    else
      p.drawRoundedRect(r, 2, 2);
  }
  if (picked_ >= 0) {
    paintReadWith(p);
    for (size_t k = 0; k < flights_.size(); ++k) {
      if (flights_[k].toBranch == picked_)
        paintSelfFlight(p, flights_[k], static_cast<int>(k));
      else
        paintFlight(p, flights_[k], static_cast<int>(k));
    }
  }
  p.restore();
}

// The triangle of the palace and its two trines, and the line to the palace
// facing it, between the points where the boxes meet the centre.
void NatalChartSheet::paintReadWith(QPainter& p) const {
  const std::array<int, 4> with = ThreeSidesFourFronts(picked_);
  p.setPen(QPen(kReadWithLine, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(QPolygonF{Anchor(with[0]), Anchor(with[2]), Anchor(with[3])});
  p.drawLine(Anchor(with[0]), Anchor(with[1]));
}

// An arrow bent towards the middle of the chart, its end moved a little
// aside for each transformation so that several to one palace stay apart.
void NatalChartSheet::paintFlight(QPainter& p, const FlightArrow& f, int index) const {
  const QPointF from = Anchor(picked_);
  QPointF to = Anchor(f.toBranch);
  to += Across(from, to) * ((index - 1.5) * 7);
  const QPointF mid = (from + to) / 2;
  const QPointF bend = mid + (CentreOfBlock() - mid) * 0.55;
  QPainterPath path(from);
  path.quadTo(bend, to);
  p.setBrush(Qt::NoBrush);
  // A halo of paper under the line keeps it readable over the centre's text.
  p.setPen(QPen(kHalo, 4, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(path);
  p.setPen(QPen(f.colour, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(path);
  ArrowHead(p, to, OnCurve(from, bend, to, 0.9), f.colour);
  Badge(p, OnCurve(from, bend, to, 0.7), f.colour, f.label);
}

// A transformation that lands at home: a small loop from the palace's point
// back to it, with its mark.
void NatalChartSheet::paintSelfFlight(QPainter& p, const FlightArrow& f, int index) const {
  const QPointF at = Anchor(picked_);
  const QPointF inwards = CentreOfBlock() - at;
  const qreal length = std::hypot(inwards.x(), inwards.y());
  const QPointF u = length > 0 ? inwards / length : QPointF(0, 1), n(-u.y(), u.x());
  const QPointF centre = at + u * 16 + n * ((index - 1.5) * 20);
  p.setPen(QPen(f.colour, 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(centre, 8, 8);
  ArrowHead(p, centre - n * 8, centre - n * 8 - u * 4, f.colour);
  Badge(p, centre + u * 16, f.colour, f.label);
}

PalaceKey::PalaceKey(QWidget* parent) : QAbstractButton(parent) {
  setCheckable(true);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
}

void PalaceKey::paintEvent(QPaintEvent*) {
  if (!hasFocus()) return;
  QStylePainter p(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = rect().adjusted(1, 1, -1, -1);
  p.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

// Enter and Return pick the palace as Space does; the arrow keys go round
// the palaces.
void PalaceKey::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      click();
      return;
    case Qt::Key_Left:
    case Qt::Key_Up:
      focusPreviousChild();
      return;
    case Qt::Key_Right:
    case Qt::Key_Down:
      focusNextChild();
      return;
    default:
      QAbstractButton::keyPressEvent(event);
  }
}

}  // namespace lunisol::ui
