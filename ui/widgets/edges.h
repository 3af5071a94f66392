// The two-tone edges that frame columns and mark the hovered one.
#pragma once

#include <QPainter>
#include <QRect>
#include <QSize>

#include "layout/rect.h"

namespace lunisol::ui {

enum class Edge {
  kRaisedOuter,  // light above and left, dark below and right: column frames
  kSunkenInner,  // dark above and left, light below and right: hover mark
  kEtched,       // a sunken line with a light line inside: group frames
};

// Draws the edge on the border pixels of `r` (r is inclusive of its right
// and bottom pixels, as QRect is).
void DrawEdge(QPainter& p, const QRect& r, Edge edge);

// Rectangles in the layouts are given as left, top, right, bottom with the
// right and bottom edges outside the rectangle.
constexpr QRect Ltrb(int left, int top, int right, int bottom) {
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}
constexpr QRect ToQRect(const Rect& r) { return Ltrb(r.left, r.top, r.right, r.bottom); }
constexpr QSize ToQSize(const Size& s) { return QSize(s.width, s.height); }

}  // namespace lunisol::ui
